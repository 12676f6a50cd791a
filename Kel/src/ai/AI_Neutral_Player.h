// The neutral player's field stacks, raiders, monsters and garrisons.
#pragma once

// Gives every neutral field stack a destination.
void NPC_Destinations(void);
// May send one raiding party out of a neutral city.
void Make_Raiders(void);
// May send one party of monsters out of a lair.
void Make_Monsters(void);
// Removes the cheapest unit of each over-full neutral garrison.
void NPC_Excess_Garrison(void);
