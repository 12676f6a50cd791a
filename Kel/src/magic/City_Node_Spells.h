// Overland spells on the caster's cities, on nodes and on single units, and the extras of two global
// enchantments: Wall of Stone, Spell Ward, Warp Node, Chaos Channels, Spell Binding, Holy Arms and
// Nature's Awareness. Each returns 1 when the spell took effect, else the target's result.
#pragma once

#include <cstdint>

int16_t Cast_Wall_Of_Stone(int16_t caster_idx);
int16_t Cast_Spell_Ward(int16_t caster_idx);
int16_t Cast_Warp_Node(int16_t caster_idx);
int16_t Cast_Chaos_Channels(int16_t caster_idx);
int16_t Cast_Spell_Binding(int16_t caster_idx);
int16_t Cast_Holy_Arms(int16_t caster_idx);
int16_t Cast_Natures_Awareness(int16_t caster_idx);
