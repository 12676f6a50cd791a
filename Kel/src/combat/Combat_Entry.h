// The one door from the overland game into a battle, and the battle's setting in globals.
#pragma once

#include <cstdint>

// 1 when the captured city is to be destroyed; 0 outside the city-capture path.
extern int16_t destroy_combat_city;

// The first city, in city order, on the square and owned by the player; -1 if none.
int16_t Player_City_At_Square(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx);

// The battle of an overland attack (defender: a unit on open ground, or a player for a city or lair),
// set by _combat_environ and the attack square; 1 when the attackers won and stand on the battle square,
// 0 when they lost, the attack was refused or no battle took place.
int16_t Combat(int16_t attacker_idx, int16_t defender, int16_t count, int16_t *units);
// The battle for the lair (_combat_environ and its index set by the caller) of the player's units on it.
int16_t Lair_Combat_Do(int16_t lair_idx, int16_t player_idx);
// The lair's guards as neutral units on its square, at most 9.
void Lair_Make_Guardians(int16_t lair_idx);
// Takes a city that has no defenders with the troops, razing it or not, and its gold.
void Combat_City_Capture(int16_t count, int16_t *units);
// The defender's regard after being attacked, and its next review in 16 to 25 turns.
void Update_Defender_Hostility(int16_t attacker_idx, int16_t defender_idx);
