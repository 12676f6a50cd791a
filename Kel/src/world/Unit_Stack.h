// The active stack's selection and the main screen's flags about it.
#pragma once

#include <cstdint>

// 1 when the player has no stack with moves left.
extern int16_t all_units_moved;
extern int16_t _active_stack_has_path;
// The special action the selected stack offers: -1 none, 0 build road, 1 settle, 2 purify, 9 meld.
extern int16_t special_action_flag;

// The selected units of _unit_stack.
void Active_Unit_Stack(int16_t *count, int16_t *list);
