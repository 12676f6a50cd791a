// A computer wizard's power distribution, its gold and mana reserves, its tax rate and farmers, and
// the neutral cities' farmers.
#pragma once

#include <cstdint>

// Re-balances the research, mana and casting-skill shares when the wizard's countdown runs out.
void AI_Update_Magic_Power(int16_t player_idx);
// Moves gold and mana between the reserves.
void AI_Update_Gold_And_Mana_Reserves(int16_t player_idx);
// Adjusts the tax rate to the gold income and adds farmers where food runs short.
void AI_Update_Gold_Income_And_Food_Income(int16_t player_idx);
// Sets the farmers of every neutral city.
void NPC_Farmers(void);
