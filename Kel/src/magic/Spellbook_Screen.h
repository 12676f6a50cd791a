// The overland spellbook (screen 112), from which the human starts an overland cast, and the
// redraws of the main screen that the magic screens share.
#pragma once

#include <cstdint>

// Runs the screen; always leaves current_screen at the main screen.
void Spellbook_Screen(void);
// The back page and the small book over it.
void Spellbook_Screen_Draw(void);
// Draws the main screen and shows it with the current page-flip effect.
void Full_Draw_Main_Screen(void);

#include <cstdint>

// Tells the human that a spell of or against him fizzled: the victim's spell stopped by the
// causing player's enchantment or ward (cause names it).
void Fizzle_Notification(int16_t victim_idx, int16_t causer_idx, int16_t spell_idx, const char *cause);
// Draws the main screen and shows it with the dissolve.
void Dissolve_Main_Screen(void);
