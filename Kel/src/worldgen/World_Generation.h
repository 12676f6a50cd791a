// A new pair of worlds from the current seed: every generation step in one fixed order.
#pragma once

#include <cstdint>

// Builds both planes and every feature, city and starting unit. The random draws happen in a
// fixed order, so one seed always gives the same worlds.
void Init_New_Game(void);
void o51p54_empty_function(void);

// Progress of the generation, from 5 to 95 in steps of 5 (85 twice). The generator draws nothing
// itself: the new-game screens install the panel and the bar (Army_Building_Worlds_Panel and
// Army_Building_Worlds_Progress); without them nothing is shown.
void Draw_Building_The_Worlds(int16_t percent);

// Failed attempts after which one river is given up.
constexpr int RIVER_FAILURE_LIMIT = 2000;
constexpr int RIVER_ROUNDS = 10;
