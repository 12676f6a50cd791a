// Booking each wizard's income and charging its armies' upkeep; a human who cannot pay loses units
// and enchantments in fixed orders, each loss reported.
#pragma once

#include <cstdint>

// Why a unit was lost, as the lost-unit reports give it.
enum Unit_Lost_Reason : int16_t {
    ulr_Food = 0,
    ulr_Gold = 1,
    ulr_Mana = 2,
    ulr_Drowned = 4,
};

// Gold from cities, sold surplus food and noble heroes, for every player; capped at 32,000.
void Update_Players_Gold_Reserve(void);
// Food, gold and mana upkeep of every player; only the human is made to pay by losses.
void Players_Apply_Upkeeps__WIP(void);

// Disbands the player's plain units from the last until the food suffices.
void WIZ_MatchFoodUpkeep__WIP(int16_t player_idx, int16_t food_available, int16_t food_needed);
// Disbands the player's paid units from the last until its gold covers the upkeep; the upkeep still due.
int16_t WIZ_MatchGoldUpkeep(int16_t player_idx, int16_t upkeep);
// Takes the four mana measures in a random order until the mana covers the upkeep; the upkeep still due.
int16_t WIZ_MatchManaUpkeep__WIP(int16_t player_idx, int16_t upkeep);

// The four mana measures; each returns the upkeep still due.
int16_t Remove_Unit_Enchantments_For_Upkeep(int16_t player_idx, int16_t upkeep);
int16_t Remove_City_Enchantments_For_Upkeep(int16_t player_idx, int16_t upkeep);
int16_t Remove_Overland_Enchantments_For_Upkeep(int16_t player_idx, int16_t upkeep);
int16_t WIZ_DisbandSummons(int16_t player_idx, int16_t upkeep);

// How much the human's army gold upkeep exceeds its gold and its cities' gold; 0 if it does not.
int16_t Human_Gold_Upkeep_Shortfall__NIU(void);
// How much the human's mana upkeep exceeds its mana and its mana income; 0 if it does not.
int16_t Human_Mana_Upkeep_Shortfall__NIU(void);
