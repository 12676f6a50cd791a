// Random events: disasters and windfalls that strike one wizard, and lasting world-wide conditions.
#pragma once

#include <cstdint>

#include "turn/Event_Messages.h"

// Turns since the last event, counted up to 5; not saved.
extern int16_t _event_delay_count;

// May choose one event and mark it chosen with its data.
void Determine_Event(void);
// Carries out the chosen events and runs the lasting ones down.
void Event_Twiddle(void);
// A wizard chosen by weight for a good (1) or bad (0) event; -1 when every weight is 0.
int16_t Get_Event_Victim(int16_t good);
// A city of the player calm enough for an event, from a random start; -1 when none.
int16_t Pick_Random_City(int16_t player_idx);
// 1 when any wizard holds any overland enchantment.
int16_t Any_Overland_Enchantments(void);
// The announcements go through the turn's services (Turn_Announce_Event).
