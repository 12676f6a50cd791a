// The overland screen on which the human plays a turn (screen 105).
#pragma once

#include <cstdint>

// 1 once the home-city naming offer of turn 0 was made.
extern int16_t _given_chance_to_rename_home_city;

// Top left of the unit window.
extern int16_t _unit_window_start_x;
extern int16_t _unit_window_start_y;

// The full refresh after every stack operation and pop-up.
void Main_Screen_Reset(void);

// The screen's loop; leaves the next screen's number in current_screen.
void Main_Screen(void);
