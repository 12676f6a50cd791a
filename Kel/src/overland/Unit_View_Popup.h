// The modal unit statistics window, opened over the map or from a battle.
#pragma once

#include <cstdint>

#include "overland/Unit_View.h"

extern int16_t unitview_ok_button;
extern int16_t unitview_dismiss_button;
extern int16_t unitview_window;
extern int16_t unitview_button_box;
extern int16_t unitview_full_screen;

// The window at x, y grown from the rectangle x1, y1 - x2, y2; global_battle_unit holds the unit.
void Combat_Unit_Statistics_Window(int16_t x, int16_t y, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t kind,
                                   int16_t unit_idx);
void Unit_Statistics_Popup(int16_t x, int16_t y, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t kind,
                           int16_t unit_idx);
void Unit_Statistics_Popup_Do_Draw(void);
// The disband or dismiss question of the window, within size bytes.
void Unit_View_Dismiss_Question(int16_t unit_idx, char *text, int size);
// After the list changed: the first row stays unless it now lies at or past the end.
int16_t Unit_View_Keep_First_Row(int16_t first, int16_t count);
