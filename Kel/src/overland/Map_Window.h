// The overland map window: 12 by 10 squares of 20 by 18 pixels, top-left pixel at (0,20).
#pragma once

#include <cstdint>

// The world square shown at the window's top-left (x 0..59) and the plane shown.
extern int16_t _map_x;
extern int16_t _map_y;
extern int16_t _map_plane;
