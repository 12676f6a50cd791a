// The squares the current player sees this turn (scouted, as opposed to explored at some time) and
// the contacts that seeing another wizard's units and cities makes. The scouted maps are scratch,
// recomputed from scratch; contacts are only ever set, both ways at once.
#pragma once

#include <cstdint>

void Clear_Square_Scouted_Flags(int16_t wp);
int16_t Check_Square_Explored(int16_t wx, int16_t wy, int16_t wp);
// 1 when the square is scouted and explored.
int16_t Check_Square_Scouted(int16_t wx, int16_t wy, int16_t wp);
void Set_Square_Scouted(int16_t wx, int16_t wy, int16_t wp);
// Scouts the explored squares of the block of side 2 range + 1 around the square; rows stay on the
// map (the block keeps its side), columns wrap.
void Set_Square_Scouted_Flags(int16_t wx, int16_t wy, int16_t wp, int16_t range);
void Update_Scouted_And_Contacted(void);
void Contact_Other_Player(int16_t unit_idx, int16_t wp);

// Puts the two players in contact with each other.
void Set_Players_Contacted(int16_t player_a, int16_t player_b);
