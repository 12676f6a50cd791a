// What becomes of a city taken in battle: whether a computer captor razes it, the gold it yields,
// the worth of its buildings to a razer, and neutral raiders turning it into a lair of their own.
#pragma once

#include <cstdint>

// 1 when the computer captor razes the city. Reads the battle units' statuses.
int16_t Raze_Check(int16_t player_idx, int16_t city_idx);
// The gold taken with the city: its share of the owner's treasury by population; for a neutral city a
// roll of 1..10 per thousand inhabitants. 0 when the owner's cities hold nobody; at most 32,767.
int16_t City_Gold(int16_t city_idx);
// A tenth of the cost of each building from 3 on whose status is not negative.
int16_t City_Building_Value(int16_t city_idx);
// Neutral raiders that won the city may ruin it and hold it as a lair: RAMPAGE_RUINS then, else
// RAMPAGE_NONE.
int16_t Rampage_Combat_City(void);
