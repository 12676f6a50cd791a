// The reduced map, centring the map window on a square, and the tower-square test.
#pragma once

#include <cstdint>

// Places the window so that (x, y) lands in its middle and makes that the scroll target; then
// the draw priorities and the entity table for that position and plane.
void Center_Map(int16_t *map_x, int16_t *map_y, int16_t wx, int16_t wy, int16_t wp);
// 1 when the square is one of the six tower squares and no wizard holds Planar Seal.
int16_t IsPassableTower(int16_t wx, int16_t wy);
