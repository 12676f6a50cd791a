// The mirror: a rival wizard's portrait, retorts, books, reserves and relations, grown from a box.
#pragma once

#include <cstdint>

// Shows the mirror of player_idx, opening from the box (x1, y1)-(x2, y2).
void Mirror_Screen(int16_t player_idx, int16_t x1, int16_t y1, int16_t x2, int16_t y2);
