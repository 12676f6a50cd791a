// What a combat spell does once it is chosen, paid for and aimed.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// The target code of a spell aimed at no battle unit.
constexpr int16_t SPELL_TARGET_NONE = 99;

// Carries the spell out. target is a battle unit or 99; caster a battle unit below 20 or 20 + a
// wizard; mana what was spent on it; animate is handed to the spell's animation.
void Combat_Cast_Apply_Spell_Effect(int16_t spell, int16_t target, int16_t caster, int16_t x, int16_t y, int16_t mana,
                                    int16_t animate);
// Recomputes a battle unit after its statistics changed: a unit that had not moved gets its new full
// allowance, any other keeps the moves it had left.
void Battle_Unit_Refresh(Battle_Unit_Record *bu);
// Turns the ground around the cell to mud; cells past a row's end fall into the neighbouring row.
void Apply_Earth_To_Mud(int16_t x, int16_t y);
