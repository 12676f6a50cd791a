// The overland spellbook (screen 112), from which the human starts an overland cast.
#pragma once

#include <cstdint>

// Runs the screen; always leaves current_screen at the main screen.
void Spellbook_Screen(void);
// Draws the main screen and shows it with the current page-flip effect.
void Full_Draw_Main_Screen(void);
