// The end of a battle, whoever fought it: who comes back, changes sides or rises as undead, what the
// city loses, who dies and what the survivors carry home, the fallen heroes' items, fame, anger and
// experience, the lair's guards, and the results for the scroll. Beside it two rules of every combat
// turn: Mana Leak and the damage attackers inside the walls do to the city.
#pragma once

#include <cstdint>

#include "combat/Combat_Results.h"

// No winner: the value of End_Of_Combat's winner when both sides were spent.
constexpr int16_t COMBAT_NOBODY = -1;
// Experience and fame: a battle fought for a pool above this moves fame.
constexpr int16_t COMBAT_FAME_POOL_FLOOR = 7;
// The unit type zombies become.
constexpr int16_t ZOMBIE_UNIT_TYPE = 174;
// The overland owner that marks a unit the winning attacker left on its summoning square.
constexpr int8_t COMBAT_OWNER_AT_SUMMONING_SQUARE = 100;
// The winner's army is not raised or reinforced beyond this many units.
constexpr int COMBAT_ARMY_MAX = 9;

// Writes the battle's outcome into the world. item_list holds COMBAT_ITEM_LIST_MAX entries; code is
// the outcome for the results scroll (Combat_Result_Code).
void End_Of_Combat(int16_t winner, int16_t *item_count, int16_t *item_list, int16_t code);
// Mana Leak of either side drains its victims' mana and ammunition and their wizard's mana.
void Apply_Mana_Leak(void);
// In a city battle every fighting attacker within the city block adds 1 to _combat_city_damage.
void Add_City_Damage_From_Battle_Units_Within(void);
