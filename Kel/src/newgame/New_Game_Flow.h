// The order of the new-game screens, the pointer list they share, and the panel shown while the
// worlds are built.
#pragma once

#include <cstdint>

#include "Mouse.h"

constexpr int16_t NEWGAME_SCREENS = 8;
constexpr int16_t NEWGAME_BACK = -1;      // a screen's "back"; from the options screen it ends the dialogue
constexpr int16_t NEWGAME_FINISHED = 99;  // the last screen is done

extern Mouse_List_Entry mouse_list_newgame[1];
extern Mouse_List_Entry mouselist_mapgen[1];
// The map-building panel, loaded by the banner screen for the world generator's progress display.
extern uint8_t *newgame_BUILDWOR_map_build_bar_seg;

// The screen that follows screen `screen` when it returned `result`. The custom-wizard flag is
// set or cleared by the wizard screen's result and read by the screens whose back depends on it.
// NEWGAME_BACK: the dialogue ends without a game; NEWGAME_FINISHED: the worlds are to be made.
int16_t Newgame_Next_Screen(int16_t screen, int16_t result, int16_t *custom);

// Runs one set-up screen by its number.
int16_t Newgame_Run_Screen(int16_t screen);

// Draws the panel and the progress bar of the world generation.
void Newgame_Building_Worlds_Panel(void);
void Newgame_Building_Worlds_Progress(int16_t percent);
// Installs them as the world generator's panel and bar; once at start-up.
void Newgame_Install_World_Services(void);

// Kept beside the flow; nothing calls them.
void GAME_WizardsLaunch__WIP(int16_t slot);
void PageFlip_FX_DOD(void);
void s01p11_empty_function_DOD(void);
void s01p12_empty_function_DOD(void);
