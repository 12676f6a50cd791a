// The operations on one city record that the rest of the game calls; none of them draws.
#pragma once

#include <cstdint>

// Removes the city from the table; every later city index is one lower afterwards.
void Destroy_City(int16_t city_idx);
