// Overland spells that change map squares: Earth Lore, Change Terrain, Raise Volcano, Transmute,
// Corruption, Enchant Road and Floating Island. Each takes the caster and returns 1 when the spell
// took effect, else the target's result (0: cancelled or no target). The human's target is asked
// again after every refused pick, with the message that says why.
#pragma once

#include <cstdint>

int16_t Cast_Earth_Lore(int16_t caster_idx);
int16_t Cast_Change_Terrain(int16_t caster_idx);
int16_t Cast_Raise_Volcano(int16_t caster_idx);
int16_t Cast_Transmute(int16_t caster_idx);
int16_t Cast_Corruption(int16_t caster_idx);
int16_t Cast_Enchant_Road(int16_t caster_idx);
int16_t Cast_Floating_Island(int16_t caster_idx);

// The effects on one square.
void Change_Terrain_Square(int16_t wx, int16_t wy, int16_t wp);
void Transmute_Square(int16_t wx, int16_t wy, int16_t wp);
