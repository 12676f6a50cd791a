// Distances and straight paths on the world's horizontally wrapping map (signed 16-bit).
#pragma once

#include <cstdint>

int16_t Range(int16_t x1, int16_t y1, int16_t x2, int16_t y2);
int16_t Delta_XY_With_Wrap(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t width);
// Fills xs, ys with the squares from (x1, y1), excluded, to (x2, y2), included, but never more
// than room of them (the size of xs and ys); returns how many it wrote.
int16_t Path_Wrap(int16_t x1, int16_t y1, int16_t x2, int16_t y2, uint8_t *xs, uint8_t *ys, int16_t room,
                  int16_t width);
