// The overland spellbook (screen 112), from which the human starts an overland cast, and the
// redraws of the main screen that the magic screens share.
#pragma once

// Runs the screen; always leaves current_screen at the main screen.
void Spellbook_Screen(void);
// The back page and the small book over it.
void Spellbook_Screen_Draw(void);
// Draws the main screen and shows it with the current page-flip effect.
void Full_Draw_Main_Screen(void);
// Draws the main screen and shows it with the dissolve.
void Dissolve_Main_Screen(void);
