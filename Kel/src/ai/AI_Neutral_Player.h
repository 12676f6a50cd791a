// The neutral player's field stacks, raiders, monsters and garrisons.
#pragma once

#include <cstdint>

// Fills _ai_all_own_stacks with the neutral player's field stacks (at most 80).
void Build_NPC_Stacks(void);
// Gives every neutral field stack a destination.
void NPC_Destinations(void);
// May send one raiding party out of a neutral city.
void Make_Raiders(void);
// May send one party of monsters out of a lair.
void Make_Monsters(void);
// Up to 9 summoned types of the realm whose costs fit the budget; their number.
int16_t Make_Monster_List(int16_t budget, int16_t realm, int16_t *list);
// Removes the cheapest unit of each over-full neutral garrison.
void NPC_Excess_Garrison(void);
