// Before any landmass: disbanding for the budget, leaving the home plane, putting boats to sea; and
// on each landmass, moving civil units out of garrisons.
#pragma once

#include <cstdint>

// Sends the transports of _ai_all_own_stacks[stack_idx] to (x, y) and marks the stack sent.
void AI_Stack_Set_Boats_Goto(int16_t stack_idx, int16_t wx, int16_t wy);
// 1 and the first free land square of the 3 x 3 around (x, y), rows outer; 0 when none. Squares off
// the map are never free.
int16_t Adjacent_Free_Square(int16_t wx, int16_t wy, int16_t wp, int16_t *out_x, int16_t *out_y);
