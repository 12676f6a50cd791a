// Strength scores and counts of units.
#pragma once

#include <cstdint>

// The largest sight range of the player's units at (x, y) on the plane or in a tower; at least 1.
int16_t Player_Units_Max_Range(int16_t player_idx, int16_t wx, int16_t wy, int16_t wp);
