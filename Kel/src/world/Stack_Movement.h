// Overland movement of a stack along its route: cutting the route where moves end or something
// stands in the way, battles and lairs at its end, charging the moves and settling the orders;
// beside it the stack's moves, boat riders, spell wards, the planar seal and the astral gate.
#pragma once

#include <cstdint>

#include "world/Battlefield.h"

// Modes of Move_Units.
enum Move_Units_Mode : int16_t {
    mum_Normal = 0,
    mum_Road_Building = 2,
    mum_Normal_Too = 3,
};

// Where a battle is set: 0 open ground, 1 a city, 5 a lair.
enum Combat_Environ : int16_t {
    cenv_Open = 0,
    cenv_City = 1,
    cenv_Lair = 5,
};

// Route steps from their third entry on; costs from their first.
constexpr int MOVEPATH_ARRAY_SIZE = 120;
extern uint8_t movepath_x_array[MOVEPATH_ARRAY_SIZE];
extern uint8_t movepath_y_array[MOVEPATH_ARRAY_SIZE];
extern uint8_t movepath_cost_array[MOVEPATH_ARRAY_SIZE];

extern int16_t _combat_environ;
extern int16_t _combat_environ_idx;
extern int16_t _combat_attacker_wx;
extern int16_t _combat_attacker_wy;

extern int16_t OVL_SWardTriggered;
// Nature, sorcery, chaos, life, death: 1 when that ward stopped a unit.
extern uint8_t spell_ward_stack_realms[5];
extern int16_t stack_moves;
// 0 lets the main screen flash the income warning, -1 stops it.
extern int16_t cycle_incomes;
// Set by every order and selection; the mover clears both before the first move of a selection.
extern int16_t _stack_selection_changed;
extern int16_t _move_stack_hook_called;

// What movement asks of the screens, battles and lairs is in the army rules' services
// (world/Army_Services.h).

// 1 when the stack moved or fought, 0 when it did not.
int16_t Move_Units(int16_t player_idx, int16_t dst_x, int16_t dst_y, int16_t mode, int16_t *map_x, int16_t *map_y,
                   int16_t wp, int16_t count, int16_t *units);
int16_t Army_Moves2(const int16_t *units, int16_t count);
int16_t Stack_Moves(void);
// Cuts the route at the first stop; out: the defender, combat, the steps left, keep_order.
void Eval_Move_Path__WIP(int16_t player_idx, uint8_t *path_x, uint8_t *path_y, int16_t wp, uint8_t *path_cost,
                         int16_t moves2, int16_t *defender, int16_t *combat, int16_t *steps, int16_t *keep_order,
                         int16_t *units, int16_t count);
// Units that need a boat, listed; 0 when one of them wind walks.
int16_t Army_Boatriders(int16_t count, const int16_t *units, int16_t *boatriders);
void Fix_Patrol_On_Boats(int16_t count, const int16_t *units);
int16_t Square_Has_City(int16_t wx, int16_t wy, int16_t wp);
int16_t Stack_Blocked_By_Spell_Ward(int16_t city_idx, int16_t count, const int16_t *units);
int16_t City_Spell_Ward_Check(int16_t city_idx, int16_t count, const int16_t *units);
int16_t Check_Planar_Seal(void);
int16_t Active_Stack_On_Astral_Gate(void);
void Main_Screen_Disable_Income_Warning(void);
void Main_Screen_Enable_Income_Warning(void);
