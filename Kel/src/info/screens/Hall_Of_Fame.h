// The hall of fame (screen 14) and the end-of-game score screen that comes before it.
#pragma once

#include <cstdint>

struct End_Score;

// Shows the ten places of RAROZ.SET until a click or Esc.
void Hall_Of_Fame_Screen(void);
void Hall_Of_Fame_Screen_Draw(void);
// Shows the six lines of the final score until a click or Esc.
void End_Of_Game_Score_Screen(const End_Score *score);
void End_Of_Game_Score_Draw(void);
// The text of hall-of-fame place (0 to 9) as the screen prints it: "Master" or "N)", the name
// with " of the " and the race, the score and its percentage "(P%)". 0 when the place is empty.
int16_t Hall_Of_Fame_Line(int16_t place, char *rank, char *name, char *score, char *percent, int size);
