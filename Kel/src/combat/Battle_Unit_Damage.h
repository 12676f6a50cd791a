// Where damage is written into a battle unit and figures die, where it heals, and the damage a spell
// rolls on it. Damage comes in triples by kind: ordinary, life-draining, destroying.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

constexpr int NUM_DAMAGE_KINDS = 3;
constexpr int DAMAGE_COUNTER_MAX = 200;

// Applies the three damage kinds to a fighting unit; a dead unit gets status 6, 5 or 4 by the kind that
// did the most, and may decide the battle (_combat_winner).
void Battle_Unit_Commit_Damage(Battle_Unit_Record *bu, const int16_t damage[NUM_DAMAGE_KINDS]);
// Removes n damage; with beyond set, healing past full strength becomes extra hits.
void Battle_Unit_Heal(Battle_Unit_Record *bu, int16_t amount, int16_t beyond);
// Rolls the damage spell on the unit into damage (ordinary kind only); strength 0 or below takes the
// spell's own. Nothing for an immune unit.
void Compute_Battle_Unit_Damage_From_Spell(int16_t spell, const Battle_Unit_Record *bu,
                                           int16_t damage[NUM_DAMAGE_KINDS], int16_t strength);

// Hits per figure as the rules divide by them: never below 1.
inline int Battle_Unit_Hits_Divisor(const Battle_Unit_Record *bu) { return bu->Hits < 1 ? 1 : bu->Hits; }
