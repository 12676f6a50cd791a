// What destructive spells do to a city, as random events use them too.
#pragma once

#include <cstdint>

// Strikes the city as Call the Void does; the number of buildings destroyed.
int16_t Apply_Call_The_Void(int16_t city_idx);
// Shakes the city as Earthquake does; the number of buildings destroyed, and the items of the heroes
// killed in item_count and items (room for 18).
int16_t Apply_Earthquake(int16_t city_idx, int16_t *item_count, int16_t *items);
