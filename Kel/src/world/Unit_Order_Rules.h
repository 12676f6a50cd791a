// Unit-order rules shared by movement and the turn: settling, eviction and room on a square. A
// square holds at most 9 units.
#pragma once

#include <cstdint>

// The first living settler of the list founds an outpost on its square; 1 when one was founded.
int16_t Army_Do_Settle(int16_t count, const int16_t *list);
// Army_Do_Settle on the selected units of the active stack.
int16_t Active_Army_Do_Settle(void);
// Moves the unit to the first square of the 3 by 3 block around it (its own included) that takes
// it, keeping its plane, or removes it when there is nowhere to go.
void Evict_Unit(int16_t unit_idx);
// How many more units the square takes for the unit of that owner: 0 to 9.
int16_t Unit_Space_At_Square(int16_t wx, int16_t wy, int16_t wp, int16_t owner_idx, int16_t unit_idx);
