// The orders the main screen gives the selected stack: the action buttons, the route shown for a
// go-to stack, the direction keys, the Earth Gate shortcut and selecting a stack by its unit.
#pragma once

#include <cstdint>

// Action numbers of Stack_Action.
enum Stack_Action_Number : int16_t {
    so_Clear_Orders = 0,
    so_Patrol = 1,
    so_Build_Road = 2,
    so_GoTo = 3,
    so_Done = 4,
    so_Wait = 5,
    so_Purify = 8,
};

// Steps of the shown route in movepath_x_array / movepath_y_array (from their third entry).
extern int16_t _active_stack_path_length;

// Gives the order to the stack (x, y: a go-to's destination); ends with the entity table rebuilt
// at the map position.
void Stack_Action(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t *map_plane, int16_t action, int16_t wx,
                  int16_t wy);
// The route shown for a stack with a go-to order, the unit's own or, for a road builder, the
// rest of its road line after its square.
void Set_Active_Stack_Movement_Path(int16_t unit_idx);
// The square a numeric-keypad direction leads to from (x, y): columns wrap, rows stay in 0..39.
// 0 for a key that is no direction.
int16_t Stack_DirKey_Target(int16_t direction, int16_t wx, int16_t wy, int16_t *to_x, int16_t *to_y);
// Moves the stack one square by a numeric-keypad direction (7 8 9 / 4 6 / 1 2 3).
void Move_Stack_DirKey(int16_t direction);
// A click on a friendly city joined to the stack's city by Earth Gates: the selected units go
// there. 1 when they went.
int16_t EarthGateTeleport__WIP(int16_t wx, int16_t wy, int16_t wp);
// Selects the human's stack where the unit stands.
void Select_Stack_At_Unit(int16_t unit_idx);
// Selects the human's stack on his summoning square.
void Select_Stack_At_Summon(void);
