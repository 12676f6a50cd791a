// The last new-game screens: the race of the human's first city (the Myrran races only with the
// Myrran retort) and the wizard's banner.
#pragma once

#include <cstdint>

constexpr int NEWGAME_RACES = 14;
constexpr int NEWGAME_ARCANIAN_RACES = 9;  // list positions 0..8; 9..13 are the Myrran races
constexpr int NEWGAME_BANNER_BANDS = 5;

// Race number by list position.
extern const int16_t newgame_race_list[NEWGAME_RACES];
// Banner by band from the top.
extern const int16_t newgame_banner_bands[NEWGAME_BANNER_BANDS];

// -1 after Escape, 7 after a race was chosen.
int16_t Newgame_Screen_6(void);
// 6 after Escape, 99 after a banner was chosen.
int16_t Newgame_Screen_7(void);
void Newgame_Screen_6_Draw(void);
void Newgame_Screen_7_Draw(void);

// Whether the human may take the race at a list position; taken races go to NEWG_Clicked_Race.
int16_t Newgame_Race_Allowed(int16_t position);
// The banner band (0..4) that holds row y, or -1.
int16_t Newgame_Banner_Band(int16_t y);
