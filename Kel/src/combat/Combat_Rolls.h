// The small rules beneath every blow: the per-point rolls, the defence a unit brings against one attack,
// whether a side is wiped out, whether a creature exists for this battle only, whether a target may be
// fired at. They change nothing but the random generator's state.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// The defence that makes a unit untouchable by an attack.
constexpr int16_t DEFENSE_IMMUNE = 50;

// One draw of 1..10 per point; a point hits on at least 8 - to-hit, and always on 10.
int16_t Combat_Roll_Damage_Dealt(int16_t points, int16_t to_hit);
// One draw of 1..10 per point; a point blocks on at least 8 - to-block.
int16_t Combat_Roll_Damage_Blocked(int16_t points, int16_t to_block);
// The defence the unit opposes to an attack: magical is the attack's ranged kind (0 melee), immunity_bits
// the immunities the attack is subject to, attack_flags its flags, realm -1 for a weapon.
int16_t Battle_Unit_Defense_Special(const Battle_Unit_Record *bu, int16_t magical, uint16_t immunity_bits,
                                    uint16_t attack_flags, int16_t realm);
// The winning player when one side has no fighting unit left, else -1.
int16_t Eliminated_Opponent(void);
// 1 for a creature conjured for this battle only.
int16_t Battle_Unit_Is_Summoned_Creature(const Battle_Unit_Record *bu);
// 0 when the target may be fired at, 1 when it is invisible to the attacker, 2 when it stands in the city
// behind a Wall of Darkness and the attacker does not.
int16_t Check_Attack_Ranged(const Battle_Unit_Record *attacker, const Battle_Unit_Record *target);
