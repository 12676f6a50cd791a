// The magic screen (screen 106): power split, incomes, the other wizards, global enchantments.
#pragma once

#include <cstdint>

// The staff locks of the magic screen (1 locked): casting skill, mana, research.
extern int16_t skill_staff_locked;
extern int16_t mana_staff_locked;
extern int16_t research_staff_locked;

// Runs the screen; leaves current_screen at the main screen or diplomacy.
void Magic_Screen(void);
