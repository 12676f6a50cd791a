// The load and save screen (screen 11): eight named slots, Load, Save, Settings, OK and Quit.
#pragma once

#include <cstdint>

#include "overland/Resume_Game.h"

constexpr int LOAD_SCREEN_SLOTS = 8;

// The slots whose file was found on entering, packed to the front in slot order; -1 after the last.
extern int16_t save_game_slots__ovr160[LOAD_SCREEN_SLOTS + 1];
extern int16_t save_game_count__ovr160;
// The slot chosen for saving (0..7, -1 none), and for loading (the same slot when its file was
// found, else -1).
extern int16_t selected_save_game_slot_idx;
extern int16_t selected_load_game_slot_idx;

// The screen's loop; on leaving it sets current_screen.
void Load_Screen(void);
void Load_Screen_Draw(void);
void Set_Load_Screen_Help_List(void);
// 1 when slot (0..7) had its file when the screen was entered.
int16_t Load_Screen_Slot_Found(int16_t slot);
// The slot list and both selections as entering the screen sets them (the files are looked for).
void Load_Screen_Find_Slots(void);
// A hit on the name field of slot: selected for saving, and for loading when its file was found.
void Load_Screen_Select_Slot(int16_t slot);
// Loads the game of the load selection. A refused file (missing, short, damaged) is logged with
// its name and the reason, shown when a window is up, and leaves the game in memory as it was:
// 0. 1 when the game was read.
int16_t Load_Screen_Load_Selected(void);
// Save's write of the save selection; like Quit's, nothing is written (and the player is told)
// when no game is in memory, so a slot's saved game is never replaced by empty records. 1 when
// written; a failed write is reported and leaves the slot unmarked.
int16_t Load_Screen_Save_Selected(void);
// Quit's save of the continue game (SAVE9.GAM); nothing is written when no game is in memory
// (the screen opened from the main menu), so the last continue game is kept. 1 when written.
int16_t Load_Screen_Save_Continue(void);
