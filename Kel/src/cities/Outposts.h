// Outposts and settling sites: where a city may be founded, and founding one.
#pragma once

#include <cstdint>

// Site codes of Map_Square_Survey, tested in the order 1, 3, 4, 2, 5.
enum Settling_Site : int16_t {
    sts_Free = 0,
    sts_Water = 1,
    sts_Lair = 2,
    sts_Tower = 3,
    sts_Node = 4,
    sts_City_Near = 5,
};
// No other city on the plane within this distance (x the short way round).
constexpr int16_t SETTLING_MIN_CITY_DISTANCE = 3;

int16_t Map_Square_Survey(int16_t wx, int16_t wy, int16_t wp);
// Founds an outpost with the settling unit; 1, or 0 when the site is not free or no slot is left.
int16_t Create_Outpost(int16_t wx, int16_t wy, int16_t wp, int16_t race, int16_t owner_idx, int16_t unit_idx);
