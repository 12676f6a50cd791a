// The computer's choice of a city's next product, and its purchases.
#pragma once

#include <cstdint>

// Product of a city that has just finished or cancelled its product.
constexpr int16_t PRODUCT_NOTHING = -4;

// By a building's AI category.
extern const int16_t ai_build_base_weights_table[10];
// By AI category (row 8 also ordinary units, row 9 settlers and road builders) and objective.
extern const int16_t ai_build_objective_weights_table[10][5];

// For each city of the player: chooses a product anew when due, else may buy the current one.
void Player_All_Colony_Autobuild(int16_t player_idx);
// Sets the product of a computer wizard's city.
void Player_Colony_Autobuild_CP(int16_t player_idx, int16_t city_idx);
// Sets the product of one of the human's cities (the Grand Vizier); a city of population 0 is left alone.
void Player_Colony_Autobuild_HP(int16_t city_idx);
// For every city of the player (a computer wizard or the neutral player) that needs a new product,
// chooses one; otherwise may buy the current one.
void Player_All_Colony_Autobuild(int16_t player_idx);
// Sets the product of a neutral city.
void Player_Colony_Autobuild_NP(int16_t city_idx);
// May buy the city's current product with the player's gold.
void AI_Player_City_Buy_Production(int16_t player_idx, int16_t city_idx);
// Unit slots on the square, any owner.
int16_t Map_Square_Unit_Count(int16_t wx, int16_t wy, int16_t wp);
