// The notice that a city has finished a building, over the map centred on the city.
#pragma once

#include <cstdint>

void City_Built_Building_Message(int16_t x, int16_t y, int16_t city_idx, int16_t bldg_idx);
