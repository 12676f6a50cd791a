// The operations on one city record that the screens, combat, spells, events and the turn call:
// a fresh slot, a new owner, damage, removing, selling and buying, the end-of-turn clean-up, and the
// treasury adders. Destroy_City is declared with the world rules, which call it too.
#pragma once

#include <cstdint>

#include "world/City_Record_Operations.h"

// The city the city screens show; kept pointing at it when an earlier record is removed.
extern int16_t _city_idx;

// The product of a computer player's city whose product was cancelled: chosen again.
constexpr int16_t PRODUCT_CANCELLED = -4;
// Room of the list that Apply_Damage_To_City fills: one entry per building.
constexpr int CITY_DAMAGE_LIST_SIZE = 36;
// Owner entry of Print_City_Enchantment_List and the enchantment list: attributed to nobody.
constexpr int16_t CITY_ENCHANTMENT_OWNER_NOBODY = 10;
// Entries printed by Print_City_Enchantment_List: two columns of four.
constexpr int CITY_ENCHANTMENT_PRINT_MAX = 8;

// Adds a fresh record at the end of the table (owner 255, housing, nothing built); 1, or 0 and
// nothing changed when the table holds 99 cities.
int16_t Init_Outpost(void);

// Hands the city to the new owner: the old owner's spells on it end, a wizard losing his fortress or
// only city is conquered, a lost summoning circle moves to the fortress, the product becomes trade
// goods with nothing accumulated.
void Change_City_Ownership(int16_t city_idx, int16_t new_owner_idx);

// Each built building falls with the given percent chance (its index written to list, from the
// first entry on; the list holds CITY_DAMAGE_LIST_SIZE entries and is cleared by the caller), then
// the population falls by the loss; a city left without people is destroyed.
void Apply_Damage_To_City(int16_t city_idx, int16_t population_loss, int16_t percent, int16_t *list);

// 1 and the building marked removed, or 0 and nothing changed when a standing building requires it.
int16_t City_Remove_Building(int16_t bldg_idx, int16_t city_idx);
// Removes the building and pays the price to the city's owner; 1 on success.
int16_t City_Sell_Building(int16_t bldg_idx, int16_t city_idx, int16_t price);
// The sale price: a third of the cost, a sixth for the city walls; at least 1.
int16_t City_Sell_Building_Value(int16_t bldg_idx);

// Cancels the product when one of its requirements no longer stands.
void City_Check_Production(int16_t city_idx);
// The human's city gets a turn message (housing at once when the messages are full); another
// owner's city is marked PRODUCT_CANCELLED.
void City_Cancel_Production(int16_t city_idx);

// 1 when no standing building requires this one (it may be sold), else 0; *requiring_bldg names the
// requiring building (the one standing in for it when it was replaced), or -1.
int16_t City_Building_Has_Requirement(int16_t bldg_idx, int16_t city_idx, int16_t *requiring_bldg);
// 1 when the building is neither requirement of the city's current product.
int16_t City_Building_Not_Needed_For_Product(int16_t city_idx, int16_t bldg_idx);
int16_t Player_Gold_Covers_Production_Cost__NIU(int16_t player_idx, int16_t city_idx);
// 4, 3 or 2 times the missing production, by how much has been put in already.
int16_t City_Cost_To_Buy_Product(int16_t city_idx);
// Pays the price and completes the product at the next production step; the caller checks the gold.
void Player_City_Buy_Production(int16_t player_idx, int16_t city_idx);

// End of turn: removed buildings become none (bringing back what they had replaced) and the human's
// cities may sell again.
void All_City_Removed_Buildings(void);

// Add a signed amount; never above RESERVE_CAP by a gain, never below -32,768.
void Player_Add_Gold(int16_t player_idx, int32_t amount);
void Player_Add_Mana(int16_t player_idx, int32_t amount);

// The help entry of a city enchantment, or -1.
int16_t City_Enchantment_HelpIdx(int16_t enchantment);

// Installs what Destroy_City asks of the turn messages and the city screen; once at start-up.
void City_Records_Install_World_Hooks(void);
