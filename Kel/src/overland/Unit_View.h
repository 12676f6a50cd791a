// The unit statistics pop-up and the unit list window opened from the map.
#pragma once

#include <cstdint>

struct Specials_List;

void Overland_Unit_Statistics_Window(int16_t x, int16_t y, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t kind,
                                     int16_t unit_idx);
void Unit_List_Window(int16_t unit_idx, int16_t kind, int16_t x, int16_t y);

// The unit view's panel for a production item (kind 0: a building below 100 or a unit type + 100).
void Thing_View_Draw__WIP(int16_t x, int16_t y, int16_t kind, int16_t index, Specials_List *list, int16_t count,
                          uint8_t *item_picture);
void UV_Setup_ProdScr(int16_t count);
void UV_Clear_Specials_Fields(void);
void UV_Add_Specials_Fields(int16_t x, int16_t y, Specials_List *list, int16_t count, int16_t first);
// Pages on the up or down arrow field; rows gets the number of rows then shown.
void UV_Handle_Arrow_Buttons(int16_t field, int16_t *rows);
