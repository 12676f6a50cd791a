// The coarse grids of land and sea links between 5 x 5 blocks of squares.
#pragma once

#include <cstdint>

// The plane's land grid from its walking map, then its sea grid from its sailing map.
void Build_Connectivity_Graphs(int16_t wp);
