// What a dispel weighs: the difficulty of an enchantment, and the spell that makes a city enchantment.
#pragma once

#include <cstdint>

// The cost, times 1 + the owner's mastery of the realm + Archmage; the cost itself for owner -1.
int16_t Calculate_Dispel_Difficulty(int16_t cost, int16_t owner_idx, int16_t realm);
// The spell that makes the city enchantment (the spell wards share one), or 0.
int16_t Get_Spell_For_City_Enchantment(int16_t enchantment_idx);
