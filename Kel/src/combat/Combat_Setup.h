// Before the first combat turn: the battlefield of the battle square, the two armies turned into battle
// units and deployed, the battle-wide effects, and the grids the screen moves and targets with.
#pragma once

#include <cstdint>

// Fills the battlefield of the square; the random state afterwards is the one before.
void Build_Battlefield(int16_t x, int16_t y, int16_t plane);
// Loads the listed attacking units and the defender's units on the battle square and deploys both
// sides; returns the number of defending battle units.
int16_t Prepare_All_Battle_Units(int16_t count, const int16_t *units);
// The structure code of the square; in a city battle also grants the city's light and darkness.
int16_t Combat_Structure(int16_t x, int16_t y, int16_t plane, int16_t city_wanted);
// Sets _combat_node_type from the node whose aura covers the battle square.
void Combat_Node_Type(void);
// The battle-wide enchantments of the city and of Eternal Night, and the per-side auras.
void Calc_Battlefield_Bonuses(int16_t structure);
// Rebuilds the active unit's cost map and the action map.
void Assign_Combat_Grids(void);

// The city on the square and plane, -1 none.
int16_t Combat_City_At(int16_t x, int16_t y, int16_t plane);
