// The active stack's selection: which units are selected, the special action it offers, which of
// them move, and the companions that travel with a unit along its order.
#pragma once

#include <cstdint>

#include "world/Unit_Record.h"
#include "world/Unit_Stacks.h"

// Room for the units of one square that the unit queries list without a limit.
constexpr int ARMY_SQUARE_ROOM = UNIT_TABLE_CAPACITY;

// The special action the main screen offers for the selected units.
enum Special_Action : int16_t {
    sa_None = -1,
    sa_Build_Road = 0,
    sa_Settle = 1,
    sa_Purify = 2,
    sa_Meld = 9,
};

extern int16_t all_units_moved;
extern int16_t reset_active_stack;
extern int16_t _active_stack_has_path;
extern int16_t special_action_flag;

// The only way _unit changes: every change is logged.
void Set_Current_Unit(int16_t unit_idx);

void Update_Stack_Active(int16_t stack_idx);
// The selected units of the active stack (at most 9).
void Active_Unit_Stack(int16_t *count, int16_t *list);
void Set_Unit_Action_Special(void);
int16_t Unit_Action_Special_Build(int16_t count, const int16_t *list);
int16_t Unit_Action_Special_Purify(int16_t count, const int16_t *list);
int16_t Unit_Action_Special_Meld(int16_t count, const int16_t *list);
// The active stack's units that move: ships with their riders, or the selected units.
void Build_Moveable_Stack(int16_t *count, int16_t *list);
// The player's units on the unit's square going to the same target, that travel with it.
void Build_RoadBuilder_Stack(int16_t *count, int16_t *list, int16_t dst_x, int16_t dst_y, int16_t player_idx,
                             int16_t unit_idx);
// Units of the list that move themselves over water: flying, swimming, wind walking or a travel item.
int16_t Unit_Moves_Without_Boat(int16_t unit_idx);
