// The operations on one city record that the rest of the game calls; none of them draws.
#pragma once

#include <cstdint>

// Removes the city from the table; every later city index is one lower afterwards. A Plague or
// Population Boom of the city ends, and those of later cities follow their city down. An index
// outside the table changes nothing.
void Destroy_City(int16_t city_idx);
// What the layers above keep by city index is told of each removal (Army_City_Removed).
