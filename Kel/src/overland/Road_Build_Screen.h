// The road building screen (screen 107): the selected road builders' road to a chosen square.
#pragma once

// The screen's loop; leaves current_screen at the main screen.
void Road_Build_Screen(void);
