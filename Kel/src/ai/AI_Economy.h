// The computer wizards' power distribution, reserves, taxes and farmers.
#pragma once

#include <cstdint>

// Shares the wizard's power between research, mana and casting skill.
void AI_Update_Magic_Power(int16_t player_idx);
// Moves gold and mana between the wizard's reserves.
void AI_Update_Gold_And_Mana_Reserves(int16_t player_idx);
// Adjusts the tax rate and puts farmers where food runs short.
void AI_Update_Gold_Income_And_Food_Income(int16_t player_idx);
// Sets the farmers of every neutral city.
void NPC_Farmers(void);
