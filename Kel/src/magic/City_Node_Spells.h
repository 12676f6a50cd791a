// Spells on cities, nodes and single units that set one flag or enchantment; each takes the caster
// and returns 1 when it took effect.
#pragma once

#include <cstdint>

int16_t Cast_Wall_Of_Stone(int16_t caster_idx);
int16_t Cast_Spell_Ward(int16_t caster_idx);
int16_t Cast_Warp_Node(int16_t caster_idx);
int16_t Cast_Chaos_Channels(int16_t caster_idx);
int16_t Cast_Spell_Binding(int16_t caster_idx);
int16_t Cast_Holy_Arms(int16_t caster_idx);
int16_t Cast_Natures_Awareness(int16_t caster_idx);
