// The list of the human's cities (screen 103).
#pragma once

// Runs the screen; leaves current_screen set.
void CityList_Screen(void);
