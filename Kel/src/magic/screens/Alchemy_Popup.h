// The alchemy pop-up over the current screen: a bar of how much of the source reserve to convert,
// the direction arrow, Cancel and OK.
#pragma once

#include <cstdint>

// Runs the pop-up with its top-left corner at (x, y).
void Alchemy_Popup(int16_t x, int16_t y);
void Alchemy_Popup_Draw(void);
void Alchemy_Popup_Add_Fields(void);
