// The computer wizards' diplomacy in the world turn: first contacts, their treaties with each other,
// what they say to the human and the orders they resolve.
#pragma once

void Determine_First_Contacts(void);
void NPC_To_NPC_Treaty_Negotiations(void);
void NPC_To_Human_Diplomacy(void);
void Resolve_Delayed_Diplomacy_Orders(void);
