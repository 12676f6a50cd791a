// The computer's choice of a city's next product.
#pragma once

#include <cstdint>

// Sets the city's product.
void Player_Colony_Autobuild_HP(int16_t city_idx);
