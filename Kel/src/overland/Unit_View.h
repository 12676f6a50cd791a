// The unit statistics pop-up and the unit list window opened from the map.
#pragma once

#include <cstdint>

void Overland_Unit_Statistics_Window(int16_t x, int16_t y, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t kind,
                                     int16_t unit_idx);
// Mode 1 lets a row be picked and returns its unit; mode 0 only shows. -1 when closed without a pick.
int16_t Unit_List_Window(int16_t unit_idx, int16_t mode, int16_t x, int16_t y);
