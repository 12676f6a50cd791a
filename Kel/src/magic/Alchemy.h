// Alchemy: gold turned into mana and back, at half the amount without the Alchemy retort.
#pragma once

#include <cstdint>

constexpr int16_t ALCHEMY_BAR_START = 3;
constexpr int16_t ALCHEMY_BAR_END = 53;
constexpr int16_t ALCHEMY_AMOUNT_MAX = 999;

// 1 gold to mana, 0 mana to gold; kept between openings.
extern int16_t m_alchemy_conversion_direction;

// What the bar at bar (3 nothing .. 53 all) takes of a reserve of source, at most 999; computed
// wide, as source x 50 / 999 and source x (bar - 3) pass 16 bits.
int16_t Alchemy_Amount(int16_t source, int16_t bar);
// 2, or 1 with the Alchemy retort.
int16_t Alchemy_Divisor(int16_t player_idx);
// Takes amount from the source reserve of the direction and adds amount / divisor to the other.
void Alchemy_Convert(int16_t player_idx, int16_t direction, int16_t amount);
