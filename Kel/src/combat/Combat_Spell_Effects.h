// The battle-wide spells that act at the start of every combat turn.
#pragma once

#include <cstdint>

// Wrack of the player hurts every enemy unit that fails to resist.
void Apply_Wrack(int16_t player);
// Call Lightning of the player strikes enemy units.
void Apply_Call_Lightning(int16_t player);
// Every magic vortex on the field moves and strikes.
void Vortex_Combat_Round(void);
