// The human's first view of the map around the fortress, and the animated ocean squares strewn
// over the sea, the last steps of world generation.
#pragma once

#include <cstdint>

// Both planes unexplored, then a rough disc around the human's fortress (the first fortress
// record): clipped at the map's edges, never wrapped.
void Init_Square_Explored(void);
// Stores bits as the square's explored corners (replacing them); a square off the map is ignored.
void Set_Square_Explored_Bits(int16_t wp, int16_t wx, int16_t wy, int16_t bits);
// About one plain ocean square in five becomes its animated variant, on both tile sets.
void Animate_Oceans(void);
