// How hard an enchantment is to dispel, and the roll every dispel makes against it.
#pragma once

#include <cstdint>

// The difficulty of dispelling an enchantment of the given cost held by owner (0..5; anything else
// counts as no owner): the cost, twice it with the owner's mastery of the realm (Nature, Sorcery
// or Chaos), once more with Archmage. Computed wide, kept within 0..32,767.
int16_t Calculate_Dispel_Difficulty(int32_t cost, int16_t owner, int16_t realm);
// The chance out of 250 that a dispel of the given strength removes an enchantment of the given
// difficulty; wide, the divisor at least 1.
int16_t Dispel_Chance(int32_t strength, int32_t difficulty);
// Draws 1..250 against Dispel_Chance; 1 when the enchantment goes.
int16_t Dispel_Roll(int32_t strength, int32_t difficulty);
// The spell that makes the city enchantment (index into a city's 26 enchantment bytes); 0 if none.
int16_t Get_Spell_For_City_Enchantment(int16_t enchantment_idx);
