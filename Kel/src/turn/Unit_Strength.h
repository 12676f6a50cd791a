// Strength scores and counts of units.
#pragma once

#include <cstdint>

// Fighting strength of a unit type as it comes.
int16_t Effective_Unit_Type_Strength(int16_t unit_type);
// Fighting strength of a unit with its present enchantments, items and damage; 0 for an index off
// the table.
int16_t Effective_Unit_Strength(int16_t unit_idx);
// Each computer wizard's average cost of its fighting units; a wizard without any keeps its own.
void AI_Calculate_Average_Unit_Cost(void);
// The largest sight range of the player's units at (x, y) on the plane or in a tower; at least 1.
int16_t Player_Units_Max_Range(int16_t player_idx, int16_t wx, int16_t wy, int16_t wp);
// Players whose fortress stands.
int16_t N_Living_Players(void);
// 1 while the human's fortress stands.
int16_t N_Living_Human_Players(void);
