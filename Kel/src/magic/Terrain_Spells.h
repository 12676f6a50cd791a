// Spells that change map squares; each takes the caster and returns 1 when it took effect.
#pragma once

#include <cstdint>

int16_t Cast_Earth_Lore(int16_t caster_idx);
int16_t Cast_Change_Terrain(int16_t caster_idx);
int16_t Cast_Raise_Volcano(int16_t caster_idx);
int16_t Cast_Transmute(int16_t caster_idx);
int16_t Cast_Corruption(int16_t caster_idx);
int16_t Cast_Enchant_Road(int16_t caster_idx);
int16_t Cast_Floating_Island(int16_t caster_idx);
