// The new-game dialogue (screen 12): the set-up screens, then the worlds are made and saved.
#pragma once

#include <cstdint>

// 1 when a game was created and written to the continue slot, 0 when left to the main menu.
int16_t Newgame_Control(void);
