// Unit-order rules shared by movement and the turn: settling, eviction and room on a square.
#pragma once

#include <cstdint>

// Moves the unit off an overfull square, or removes it when there is nowhere to go.
void Evict_Unit(int16_t unit_idx);
