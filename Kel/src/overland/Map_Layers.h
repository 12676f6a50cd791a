// The layers of the map window.
#pragma once

#include <cstdint>

void Draw_Map_Cities_In_Map_Window(int16_t screen_x, int16_t screen_y, int16_t width, int16_t height, int16_t map_x,
                                   int16_t map_y, int16_t wp);
