// Lairs, nodes and the other sites of the map that hold guards and treasure.
#pragma once

#include <cstdint>

// The first intact site on the square, or -1.
int16_t Square_Has_Lair(int16_t wx, int16_t wy, int16_t wp);
