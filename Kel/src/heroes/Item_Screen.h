// The Items screen (screen 109): the heroes' items and the fortress vault.
#pragma once

// Runs the screen; leaves current_screen at the army list.
void Item_Screen(void);
