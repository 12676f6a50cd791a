// A city's yields per turn: food, production, gold, building upkeep, research and mana, and the
// tables the economy rules read.
#pragma once

#include <cstdint>

constexpr int NUM_DIFFICULTIES = 5;
constexpr int NUM_TAX_RATES = 7;

// Columns of difficulty_modifiers_table (percentages for the computer wizards).
enum Difficulty_Modifier : int {
    dm_City_Growth = 0,
    dm_Outpost_Growth = 1,
    dm_Production = 2,
    dm_Gold = 3,
    dm_Mana = 4,
    dm_Research = 5,
    dm_Food = 6,
    dm_Upkeep = 7,
};
constexpr int NUM_DIFFICULTY_MODIFIERS = 8;

extern const int16_t difficulty_modifiers_table[NUM_DIFFICULTIES][NUM_DIFFICULTY_MODIFIERS];
extern const int16_t tax_unrest_pct_table[NUM_TAX_RATES];
extern const int16_t city_enchantment_upkeep_table[26];
extern const int16_t overland_enchantment_upkeep_table[24];
extern const int16_t unit_enchantment_upkeep_table[32];

// Percentage of the difficulty row in force for a column (row clamped to the table).
int16_t Difficulty_Modifier_Percent(int column);

// Computes and stores the six yield bytes. Each byte saturates at 255; a computer wizard's bytes
// are then scaled by the difficulty row and saturate again.
void Do_City_Calculations(int16_t city_idx);

int16_t City_Food_Production(int16_t city_idx);
int16_t City_Production_Production(int16_t city_idx);
int16_t City_Gold_Production(int16_t city_idx);
int16_t City_Gold_Mainanence(int16_t city_idx);
int16_t City_Research_Production(int16_t city_idx);
int16_t City_Mana_Production(int16_t city_idx);
