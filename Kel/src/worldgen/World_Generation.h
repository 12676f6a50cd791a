// A new pair of worlds from the current seed: every generation step in one fixed order.
#pragma once

#include <cstdint>

// Builds both planes and every feature, city and starting unit. The random draws happen in a
// fixed order, so one seed always gives the same worlds.
void Init_New_Game(void);
void o51p54_empty_function(void);

// Progress of the generation, from 5 to 95 in steps of 5 (85 twice). The generator draws nothing
// itself: the new-game screens register the panel and the bar; without them nothing is shown.
void Draw_Building_The_Worlds(int16_t percent);

using World_Generation_Panel_Hook = void (*)(void);
using World_Generation_Progress_Hook = void (*)(int16_t percent);
// The panel hook draws the "Building The Worlds..." panel before the first step; the progress hook
// draws the bar (percent 0 only directs drawing to the off-screen page). Either may be null.
void World_Generation_Set_Draw_Hooks(World_Generation_Panel_Hook panel, World_Generation_Progress_Hook progress);

// Failed attempts after which one river is given up.
constexpr int RIVER_FAILURE_LIMIT = 2000;
constexpr int RIVER_ROUNDS = 10;
