// The scroll that reports a battle's outcome to the human, and the raze prompt that it and the end of
// combat ask a human captor.
#pragma once

#include <cstdint>

// Shows the results state until dismissed (at most 400 passes of input); "R" offers razing a city the
// human conquered.
void Combat_Results_Scroll(void);
void Combat_Results_Scroll_Draw(void);
// Prints the text at the scroll's top; its height in pixels.
int16_t Combat_Results_Scroll_Text(void);
// 1 keep the city, 0 raze.
int16_t Raze_City_Prompt(const char *text);
void Raze_City_Prompt_Draw(void);
// Installs the combat screens' part of the combat hooks; once at start-up.
void Combat_Install_Screen_Services(void);
