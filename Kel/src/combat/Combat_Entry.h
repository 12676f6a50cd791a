// The one door from the overland game into a battle, and the battle's setting in globals.
#pragma once

#include <cstdint>

// 1 when the captured city is to be destroyed; 0 outside the city-capture path.
extern int16_t destroy_combat_city;

// The first city, in city order, on the square and owned by the player; -1 if none.
int16_t Player_City_At_Square(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx);
