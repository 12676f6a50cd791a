// The combat screen: the battle fought by the human on the battlefield.
#pragma once

#include <cstdint>

// Fights the battle; 1 when the attacker won. The items of fallen heroes go to item_list.
int16_t Combat_Screen(int16_t attacker_idx, int16_t defender_idx, int16_t *troops, int16_t troop_count, int16_t wx,
                      int16_t wy, int16_t wp, int16_t *item_count, int16_t *item_list);
// Draws the battle as it stands on the off page.
void Combat_Screen_Draw(void);

// The grid cell under a screen point.
int16_t Get_Combat_Grid_Cell_X(int16_t screen_x, int16_t screen_y);
int16_t Get_Combat_Grid_Cell_Y(int16_t screen_x, int16_t screen_y);
// The cell a click with the mouse at the point means (the pointer's hot spot lies 4 pixels in).
void Combat_Mouse_Cell(int16_t mouse_x, int16_t mouse_y, int16_t *x, int16_t *y);
// The screen point of a cell's top corner.
void Combat_Grid_Cell_Screen(int16_t x, int16_t y, int16_t *screen_x, int16_t *screen_y);
