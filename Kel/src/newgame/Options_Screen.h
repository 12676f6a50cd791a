// The first new-game screen: difficulty, opponents, land size and magic, remembered in RAROZ.SET.
#pragma once

#include <cstdint>

enum Newgame_Option : int16_t {
    NGO_DIFFICULTY = 0,
    NGO_OPPONENTS = 1,
    NGO_LAND_SIZE = 2,
    NGO_MAGIC = 3,
};
constexpr int NEWGAME_OPTIONS = 4;
constexpr int NEWGAME_OPTIONS_FIRST_WORD = 20;  // Game_Settings words 20..23

// 1 after OK, -1 after Quit or Escape.
int16_t Newgame_Screen_0(void);
void Newgame_Screen_0_Draw(void);
void Set_Newgame_Screen_0_Help_List(void);

// RAROZ.SET from the user folder when it is a whole settings file, else the defaults; then the
// four new-game words are brought into range.
void Newgame_Options_Read_Settings(void);
void Newgame_Options_Repair(void);
// The next value of an option after a click on it.
void Newgame_Options_Step(int16_t option);
// The label of an option's current value.
const char *Newgame_Option_Label(int16_t option);
// OK: RAROZ.SET written, the book pictures chosen and the four game parameters set.
void Newgame_Options_Accept(void);
