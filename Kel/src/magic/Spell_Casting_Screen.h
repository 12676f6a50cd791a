// The overland spell-casting target screen and its map cells.
#pragma once

#include <cstdint>

// Turns the world square (*wx, *wy) into the pixel position of its cell in the 12 by 10 map window
// whose top-left square is (map_x, map_y), columns wrapping. 1 when the square is in the window;
// otherwise both outputs are 0 and the result is 0.
int16_t World_To_Screen(int16_t map_x, int16_t map_y, int16_t *wx, int16_t *wy);
