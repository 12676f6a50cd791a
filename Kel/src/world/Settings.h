// The game settings record lives in Game_Settings.h (magic_set, Load_MAGIC_SET, word accessors,
// Write_MAGIC_SET_User); this header only adds the save-slot constants used by the saved-game code.
#pragma once

#include "world/Game_Settings.h"

constexpr int GAME_SETTINGS_SLOT_MARK_WORD = GS_SLOT_MARK_FIRST;  // word 23 + slot k (1 to 8)
constexpr int GAME_SETTINGS_MARKED_SLOTS = 8;
constexpr const char *GAME_SETTINGS_FILE = "RAROZ.SET";
