// Offers to the wizards each turn: an item by a merchant (the human only), a band of mercenaries
// and a hero for hire; the chances rise with fame.
#pragma once

#include <cstdint>

// The turn step: every living wizard in index order.
void Determine_Offer(void);
// A hero type 0..33 the player may be offered, or -1. mode 1 counts the fame as 200; mode above 0
// allows 100 tries, else 10. kind 0 draws among all 34, 1 among 0..23, 2 among 24..33 and then all.
int16_t Pick_Random_Hero(int16_t player_idx, int16_t mode, int16_t kind);
// Hero slots that hold a unit.
int16_t Player_Hero_Count(int16_t player_idx);
// Hero types 0..33 that died in the player's service or elsewhere.
int16_t Player_Dead_Hero_Count(int16_t player_idx);

// The chances in percent (a draw of 1..100 at most the chance makes the offer).
int16_t Merchant_Offer_Chance(int16_t player_idx, int16_t fame);
int16_t Mercenary_Offer_Chance(int16_t player_idx, int16_t fame);
int16_t Hero_Offer_Chance(int16_t player_idx, int16_t fame);
