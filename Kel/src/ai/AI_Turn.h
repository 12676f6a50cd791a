// The computer players' turn driver and its small services.
#pragma once

#include <cstdint>

// Rebuilds _cp_hostile_opponents for the wizard.
void Player_Hostile_Opponents(int16_t player_idx);
// Keeps at most one settler per landmass and, after turn 200, one road builder.
void AI_Kill_Excess_Settlers_And_Engineers(int16_t player_idx);
// Removes the non-human units in Stasis that cannot break free.
void AI_Hopeless_Stasis(void);
