// A wizard's economy: magic power and its split, incomes, research bonus, unit upkeep, fame and the
// net gold, food and mana per turn.
#pragma once

#include <cstdint>

// The player index + 1 of the wizard whose time stop is in force, else 0.
extern int16_t g_timestop_player_num;

void Players_Update_Magic_Power(void);
void Player_Magic_Power_Distribution(int16_t *mana, int16_t *skill, int16_t *research, int16_t player_idx);
void Player_Magic_Power_Income_Total(int16_t *mana, int16_t *research, int16_t *skill, int16_t player_idx);
int16_t Player_Spell_Research_Bonus(int16_t player_idx, int16_t spell_idx);
void Player_Resource_Income_Total(int16_t player_idx, int16_t *gold, int16_t *food, int16_t *mana);

int16_t Unit_Gold_Upkeep(int16_t unit_idx);
int16_t Unit_Mana_Upkeep(int16_t unit_idx);
int16_t Player_Armies_Gold_Upkeep(int16_t player_idx);
int16_t Player_Armies_Food_Upkeep(int16_t player_idx);
int16_t Player_Armies_And_Enchantments_Mana_Upkeep(int16_t player_idx);
int16_t Player_City_Enchantments_Upkeep(int16_t city_idx, int16_t player_idx);
int16_t Player_Overland_Enchantments_Upkeep(int16_t player_idx);
// counts[0..5]: each owner's units that eat food.
void Players_Normal_Units(int16_t *counts);
int16_t Player_Fame(int16_t player_idx);
