// A battle unit's worth as a fighter, and the resistance roll that magic must beat.
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
// 0 when the unit resists, else the margin by which it failed.
int16_t Combat_Resistance_Check(int16_t modifier, int16_t realm, Battle_Unit_Record *bu);
