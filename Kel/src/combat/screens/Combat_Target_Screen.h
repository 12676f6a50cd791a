// The combat spell target screen: the human aims a combat spell at a unit or a cell.
#pragma once

#include <cstdint>

// The target battle unit, 99 for a cell without a unit (cell in x, y) or 999 when cancelled.
int16_t Combat_Spell_Target_Screen(int16_t spell, int16_t *grid_x, int16_t *grid_y);
// The screen's redraw.
void Combat_Spell_Target_Screen_Draw(void);
// The pointer picture for the pointer's position.
void Combat_Screen_Assign_Mouse_Images(void);
