// Overland spells that hurt units and cities: attack spells on a unit or a stack, Black Wind, Call
// the Void, Earthquake, Death Wish and Great Unsummoning. Apply_Call_The_Void and Apply_Earthquake
// are declared in magic/City_Spell_Effects.h for the random events.
#pragma once

#include <cstdint>

#include "magic/City_Spell_Effects.h"

// The spell's damage on one unit (strength 0 or less: the spell's own); a hero killed adds its
// items to the found list.
void Cast_Attack_Spell_On_Enemy_Unit(int16_t unit_idx, int16_t spell_idx, int16_t *item_count, int16_t *items,
                                     int16_t strength);
// The spell on every unit on the unit's square; the items found go to their owner.
void Cast_Attack_Spell_On_Enemy_Stack(int16_t unit_idx, int16_t spell_idx);

// Every figure of every unit on the square resists the spell or dies (Black Wind at -1).
void Apply_Black_Wind(int16_t wx, int16_t wy, int16_t wp, int16_t spell_idx);

// Each returns 1 when the spell took effect, else the target's result (0: cancelled or none).
int16_t Cast_Black_Wind(int16_t caster_idx);
int16_t Cast_Call_The_Void(int16_t caster_idx);
int16_t Cast_Earthquake(int16_t caster_idx);
// World-wide, without a target.
void Cast_Death_Wish(int16_t caster_idx);
void Cast_Great_Unsummoning(int16_t caster_idx);
