// The one door from the overland game into a battle, and the battle's setting in globals.
#pragma once

#include <cstdint>

// 1 when the captured city is to be destroyed; 0 outside the city-capture path.
extern int16_t destroy_combat_city;
