// The choice of what the current city builds (screen 108).
#pragma once

#include <cstdint>

// Who opened the screen: 1 the city list, 2 the city screen.
extern int16_t production_screen_return_screen;

void Production_Screen(void);
