// A battle unit's worth as a fighter, whether it shoots or flies, and the resistance roll that magic
// must beat. Worths are computed in 32 bits and stop at 32,767.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// Weighted hit total of hit points h at defence d.
int16_t Get_Effective_Hits(int16_t hits, int16_t defence);
// Ranged worth; flags are the attack flags with the ranged-attack modifier flags.
int16_t Get_Effective_Ranged_Strength(int16_t ranged, int16_t figures, int16_t flags);
// Melee worth; thrown is the ranged strength of a kind of 100 or more, else 0 with kind -1.
int16_t Get_Effective_Melee_Strength(int16_t melee, int16_t thrown, int16_t figures, int16_t flags,
                                     int16_t ranged_kind);
// The three worths of a battle unit in its present state, summed.
int16_t Effective_Battle_Unit_Strength(const Battle_Unit_Record *bu);

// 1 when the ranged kind is 1..99.
int16_t Battle_Unit_Has_Ranged_Attack(const Battle_Unit_Record *bu);
// Flies by its own nature and is not held down by Web or Black Sleep.
int16_t Battle_Unit_Is_Airborne(const Battle_Unit_Record *bu);
// Flies by nature or by enchantment and is not held down.
int16_t Battle_Unit_Has_Flight(const Battle_Unit_Record *bu);

// The resistance the unit opposes to a spell of the realm (-1 none), bonuses included.
int16_t Combat_Effective_Resistance(int16_t realm, const Battle_Unit_Record *bu);
// 0 when the unit resists, else the margin by which it failed. One draw of 1..10.
int16_t Combat_Resistance_Check(int16_t modifier, int16_t realm, const Battle_Unit_Record *bu);
