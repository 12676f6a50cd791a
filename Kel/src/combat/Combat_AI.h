// The computer's conduct of a side in a battle: it sizes up the battle, gives every unit an order and
// lets each act in turn: choose a target, close in along a path, attack, cast or use an ability.
// It plays the computer's sides and the human's under Auto; what it shows goes through Combat_Hooks.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// The orders the computer gives a battle unit.
enum Combat_AI_Mode : int16_t {
    cam_Melee = 100,
    cam_Shoot = 101,
    cam_Step_Then_Attack = 102,
    cam_Advance = 103,
    cam_Ability_104 = 104,
    cam_Ability_96 = 105,
    cam_Ability_125 = 106,
    cam_Item_Spell = 107,
    cam_Cast = 108,
    cam_Summon = 109,
    cam_Ability_5 = 110,
    cam_After_Cast = 333,
};

// The target number of a move toward the gate, which is no unit.
constexpr int16_t AI_NO_UNIT_TARGET = -666;

// One combat turn of the player's side; the winner when the battle ended in it, else -1.
int16_t Auto_Do_Combat_Turn(int16_t player);
// Gives each of the player's fighting units its order for the turn (melee, shoot, step, advance).
void AI_Set_All_Action_Modes(int16_t player);
// Chooses the unit's target and order; the target (-1 none).
int16_t AI_Set_Unit_Action_Mode(int16_t battle_unit_idx, int16_t after_cast);
// The best target of the unit by worth (ranged nonzero: a shot); may set a special order in *mode.
int16_t Choose_Target_And_Action(int16_t battle_unit_idx, int16_t *mode, int16_t ranged);
// Carries out the unit's order, closing up to the stage point.
void AI_Execute_Unit_Action(int16_t battle_unit_idx, int16_t stage_x, int16_t stage_y);
// Moves the unit toward the cell or the target, by way of the city block when it has none.
void Do_Auto_Unit_Turn(int16_t battle_unit_idx, int16_t x, int16_t y, int16_t target, int16_t stage_x, int16_t stage_y);
// Walks the unit along its path toward the cell, not past the stage point; attacks a target reached.
void Auto_Move_Unit(int16_t battle_unit_idx, int16_t x, int16_t y, int16_t target, int16_t stage_x, int16_t stage_y);
// The farthest cell toward its target the unit can enter this turn; (0, 0) when none.
void AI_Stage_Point_For_Unit(int16_t battle_unit_idx, int16_t *x, int16_t *y);
// Sorts the battle-unit indices by moves left, fewest first, keeping the order of equals.
void Sort_Battle_Units(int16_t *list, int16_t count);
