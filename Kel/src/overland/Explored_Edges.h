// Exploring a square for the map: the square becomes fully explored (15) and its eight neighbours
// gain the corners it shares with them; then the edge rules and the corner repair make the partly
// explored values (1..14, a set of explored corners: 1 bottom-left, 2 top-left, 4 top-right, 8
// bottom-right) agree with each other. And the contacts that a player's sight makes.
#pragma once

#include <cstdint>

constexpr uint8_t SQUARE_FULLY_EXPLORED = 15;

void Set_Square_Explored_Flags(int16_t wx, int16_t wy, int16_t wp);
// The edge rules over the 5 by 5 squares around (wx, wy), rows from max(wy - 2, 1), held at 39.
void Set_Square_Explored_Flags_Fix(int16_t wx, int16_t wy, int16_t wp);
// The corner repair of the 2 by 2 block whose top-left square is (wx, wy).
void Set_Square_Explored_Flags_Bottom_Right_Corner(int16_t wx, int16_t wy, int16_t wp);

// Wizards' units and cities within range of (wx, wy) (cities also within 3): the cities become
// known to the player, and two computer wizards meet. The last unit found in range, or -1.
int16_t Contact_Players_In_Scouting_Range(int16_t player_idx, int16_t wx, int16_t wy, int16_t wp, int16_t range);
