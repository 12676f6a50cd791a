// Work for the computer wizards' civil units on one landmass: melding nodes, settling, purifying
// and road building.
#pragma once

#include <cstdint>

// Chance out of 5 that a settler of the objective settles where it stands.
int16_t AI_Settle_Chance(int16_t objective);
// The worth of a site at (x, y) for a new city, before dividing by the distance.
int32_t AI_Settle_Site_Worth(int16_t wx, int16_t wy, int16_t wp);
// 1 and a tower square of the player on the settler's landmass that leads to a usable landmass.
int16_t AI_Find_Tower_To_Settle_Elsewhere(int16_t player_idx, int16_t unit_idx, int16_t *out_x, int16_t *out_y,
                                          int16_t wp);
// Sends a settler with nowhere to go on its landmass toward the settler-target landmass.
void AI_Stacks_Reorder_Settle_Elsewhere(int16_t unit_idx, int16_t wx, int16_t wy, int16_t wp, int16_t player_idx,
                                        int16_t stack_idx, int16_t slot);
// 1 when a unit of the owner stands on the plane within the box of the radius around (x, y).
int16_t Map_Square_Area_Has_Opponent(int16_t wx, int16_t wy, int16_t wp, int16_t radius, int16_t owner);
// The dock square of (x, y)'s landmass nearest to it with a clear land square beside it (1), or
// (x, y) itself (0).
int16_t Next_Nearest_Ferry_Square(int16_t wx, int16_t wy, int16_t wp, int16_t *out_x, int16_t *out_y);
// 1 and the first clear land square of the 3 x 3 around (x, y), else 0.
int16_t Adjacent_Land_Square(int16_t wx, int16_t wy, int16_t wp, int16_t *out_x, int16_t *out_y);
