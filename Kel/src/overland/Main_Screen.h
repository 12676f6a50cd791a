// The overland screen on which the human plays a turn (screen 105).
#pragma once

#include <cstdint>

// 1 once the home-city naming offer of turn 0 was made.
extern int16_t _given_chance_to_rename_home_city;

// The screen's loop; leaves the next screen's number in current_screen.
void Main_Screen(void);
