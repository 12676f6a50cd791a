// The Items screen (screen 109): the heroes' items and the fortress vault.
#pragma once

#include <cstdint>

struct Mouse_List_Entry;

// Runs the screen; leaves current_screen at the army list. A pending pool is handed out first.
void Item_Screen(void);
// The portrait rectangle of a hero slot on the screen.
void Item_Window_Picture_Coords(int16_t hero_slot, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2);
// The item's icon with its outline at x, y and its name centred below.
void Draw_Item_With_Name(int16_t x, int16_t y, int16_t item_idx);
// The view of an item (picture, name, power lines) with its corner at x, y.
void Item_View_Draw(int16_t item_idx, int16_t x, int16_t y);
// Shows the pool item about to be handed out until a click.
void Item_Pool_View(void);

// The pointer while an item is carried: none, the item is drawn in its place.
extern Mouse_List_Entry mouse_list_item_cursor[1];
