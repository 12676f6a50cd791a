// A city going over to another player.
#pragma once

#include <cstdint>

// The city changes owner; a wizard left without cities and fortress may be ended.
void Change_City_Ownership(int16_t city_idx, int16_t owner_idx);
