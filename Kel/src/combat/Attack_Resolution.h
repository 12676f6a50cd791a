// One attack of one battle unit on another: the whole exchange (thrown, breath and gaze strikes, the
// gaze answer, first strike, melee and the counter, or a ranged volley), returning the damage of each
// kind that each side suffers. The caller commits it.
#pragma once

#include <cstdint>

#include "combat/Battle_Unit_Damage.h"
#include "world/Battle_Unit_Record.h"

// Modes of one strike.
constexpr int16_t STRIKE_MELEE = 0;
constexpr int16_t STRIKE_SPECIAL = 1;  // thrown, breath or gaze
constexpr int16_t STRIKE_RANGED = 2;

// Fills both triples; ranged 1 for a volley; effects switches on the wall of fire, fear and life-steal
// healing. A volley that cannot be made gives -5 in each kind of the defender's triple.
void Battle_Unit_Attack_Target(Battle_Unit_Record *attacker, Battle_Unit_Record *defender,
                               int16_t defender_damage[NUM_DAMAGE_KINDS], int16_t attacker_damage[NUM_DAMAGE_KINDS],
                               int16_t ranged, int16_t effects);
// One side strikes with a number of figures; out receives the damage dealt.
void Battle_Unit_Process_Attack(Battle_Unit_Record *attacker, int16_t figures, Battle_Unit_Record *defender,
                                int16_t mode, int16_t out[NUM_DAMAGE_KINDS], int16_t counter, int16_t effects);
// How many of the target's figures the source frightens.
int16_t Apply_Fear_Attack(const Battle_Unit_Record *source, const Battle_Unit_Record *target);
// The realm of the unit's attack of the ranged kind (0 melee); -1 none.
int16_t Battle_Unit_Attack_Magic_Realm(int16_t ranged_kind, const Battle_Unit_Record *bu);
// The immunity bits an attack of the mode is subject to.
uint16_t Battle_Unit_Attack_Immunity_Bits(const Battle_Unit_Record *bu, int16_t mode);
