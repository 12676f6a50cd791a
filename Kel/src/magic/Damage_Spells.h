// Spells that strike units, stacks and cities.
#pragma once

#include <cstdint>

// Applies the spell to every unit on the unit's square; found items go to their owner's pool.
void Cast_Attack_Spell_On_Enemy_Stack(int16_t unit_idx, int16_t spell_idx);
// Each picks its target, passes the counters, animates and applies; 1 when the spell took effect.
int16_t Cast_Black_Wind(int16_t caster_idx);
int16_t Cast_Call_The_Void(int16_t caster_idx);
int16_t Cast_Earthquake(int16_t caster_idx);
// World-wide, without a target.
int16_t Cast_Death_Wish(int16_t caster_idx);
int16_t Cast_Great_Unsummoning(int16_t caster_idx);
