// The list of the units of one stack, opened from the map to look at another player's stack or
// to pick one unit of a stack.
#pragma once

#include <cstdint>

#include "overland/Unit_View.h"

constexpr int ULW_MAX_TROOPS = 9;
constexpr int16_t ULW_START_X = 45;
constexpr int16_t ULW_ROW_HEIGHT = 19;
constexpr int16_t ULW_FIRST_ROW_DX = 8;
constexpr int16_t ULW_FIRST_ROW_DY = 24;
constexpr int ULW_TITLE_SIZE = 40;

// The stack of the unit in index order, at most 9; another player's invisible units left out.
void Unit_List_Window_Gather_Troops(int16_t unit_idx, int16_t *troops, int16_t *count);
// Height, top and bottom edge of the window for that many rows.
void Unit_List_Window_Geometry(int16_t troop_count, int16_t *height, int16_t *top, int16_t *bottom);
// The window's title for the stack's owner and first unit.
void Unit_List_Window_Title(int16_t owner_idx, int16_t first_unit_idx, char *title, int size);
void Unit_List_Window_Draw(void);
void Unit_List_Window_Add_Fields(int16_t mode);
