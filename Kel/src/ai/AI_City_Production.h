// The computer's choice of a city's next product.
#pragma once

#include <cstdint>

// Sets the city's product.
void Player_Colony_Autobuild_HP(int16_t city_idx);
// For every city of the player (a computer wizard or the neutral player) that needs a new product,
// chooses one; otherwise may buy the current one.
void Player_All_Colony_Autobuild(int16_t player_idx);
