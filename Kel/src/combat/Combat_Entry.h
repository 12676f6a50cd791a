// The one door from the overland game into a battle, and the battle's setting in globals.
#pragma once

#include <cstdint>

// 1 when the captured city is to be destroyed; 0 outside the city-capture path.
extern int16_t destroy_combat_city;

// The first city, in city order, on the square and owned by the player; -1 if none.
int16_t Player_City_At_Square(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx);

// The battle of an overland attack (defender: a unit on open ground, or a player for a city),
// set by _combat_environ and the attack square; 1 when the attackers won and stand on the battle square.
int16_t Combat(int16_t attacker_idx, int16_t defender, int16_t count, int16_t *units);

// The battle for a site (_combat_environ 5, _combat_environ_idx the site): the player's army on the
// site's square, at most 9, against its guards; 1 when the player won.
int16_t Lair_Combat_Do(int16_t lair_idx, int16_t player_idx);
