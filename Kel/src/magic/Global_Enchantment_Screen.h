// The screen of the other wizards' global enchantments, where the human aims a disjunction or a
// spell binding.
#pragma once

#include <cstdint>

// 1 when the spell took hold of an enchantment, else 0.
int16_t Global_Enchantment_Screen(int16_t spell_idx, int16_t caster_idx);
