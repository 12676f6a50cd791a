// Lairs, nodes and the other sites of the map that hold guards and treasure.
#pragma once

#include <cstdint>

// The first intact site on the square, or -1.
int16_t Square_Has_Lair(int16_t wx, int16_t wy, int16_t wp);
// A stack's entry into a lair (confirmation for the human, guard battle, treasure): 1 when the
// stack took the lair and stands on it, 99 when the human declined, 0 otherwise.
int16_t Lair_Combat__WIP(int16_t lair_idx, int16_t player_idx);
