// Two small rules of combat casting: the distance factor that makes a wizard's combat spells dearer far
// from home, and the resistance modifier of each spell.
#pragma once

#include <cstdint>

// The distance factor in tenths: 1 for the neutral player, 5 at the fortress, else 10 to 30.
int16_t Combat_Casting_Cost_Multiplier(int16_t player);
// The modifier added to a target's resistance in rolls against the spell.
int16_t Spell_Resistance_Modifier(int16_t spell);
