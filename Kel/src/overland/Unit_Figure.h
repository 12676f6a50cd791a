// A unit's picture on the map and in the unit window.
#pragma once

#include <cstdint>

void Draw_Unit_Picture(int16_t x, int16_t y, int16_t unit_idx, int16_t mode);
