// The magic screen (screen 106): power split, incomes, the other wizards, global enchantments.
#pragma once

// Runs the screen; leaves current_screen at the main screen or diplomacy.
void Magic_Screen(void);
