// Roads on map squares and their movement costs.
#pragma once

#include <cstdint>

// Road: cost 1 in the plane's walking maps (0..4); on the second plane the road is enchanted at once.
void Make_Road(int16_t wx, int16_t wy, int16_t wp);
// An existing road becomes enchanted: cost 0. A square without a road is left alone.
void Make_Road_Enchanted(int16_t wx, int16_t wy, int16_t wp);
// No road: cost 2 in maps 0..4 and both road flags cleared.
void City_Remove_Road(int16_t wx, int16_t wy, int16_t wp);
