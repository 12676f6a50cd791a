// Minerals, wild game and nightshade scattered over a new world, and the roads between neighbouring
// neutral cities.
#pragma once

#include <cstdint>

void Generate_Terrain_Specials(int16_t wp);
void Generate_Roads(int16_t wp);

// The mineral of a new square of that terrain on that plane; each makes exactly one random draw.
uint8_t Mountain_Terrain_Special(int16_t wp);
uint8_t Hills_Terrain_Special(int16_t wp);
uint8_t Desert_Terrain_Special(int16_t wp);
