// The chaos mutation of an overland unit: the spell Chaos Channels gives it, and so does the
// creation of a unit whose owner holds the global enchantment that grants it to new units.
#pragma once

#include <cstdint>

// Gives the unit one channel, drawn until its type allows it: 0 wings (not for a unit that flies or
// sails), 1 demon skin (only without a ranged attack), 2 fiery breath (always). Returns the channel.
// The unit may be the one Create_Unit is making (index _units).
int16_t Apply_Chaos_Channels(int16_t unit_idx);
