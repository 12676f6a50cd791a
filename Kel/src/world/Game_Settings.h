// Game_Settings: the 466-byte image of RAROZ.SET (options, save-slot marks and names, the
// choices last made on the new-game screens, and the hall of fame).
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int GAME_SETTINGS_SIZE = 466;
constexpr int SAVE_SLOT_NAME_SIZE = 20;
constexpr int HALL_OF_FAME_ENTRIES = 10;

struct Game_Settings {
    uint16_t words[32];  // options 0-17, sound words 18-19, new-game choices 20-23, slot marks 24-31
    char save_names[8][SAVE_SLOT_NAME_SIZE];
    uint16_t movement_animations;  // word 112
    char hall_names[HALL_OF_FAME_ENTRIES][20];
    uint16_t hall_scores[HALL_OF_FAME_ENTRIES];
    uint16_t hall_races[HALL_OF_FAME_ENTRIES];
};
static_assert(sizeof(Game_Settings) == GAME_SETTINGS_SIZE);
static_assert(offsetof(Game_Settings, save_names) == 64);
static_assert(offsetof(Game_Settings, movement_animations) == 224);
static_assert(offsetof(Game_Settings, hall_names) == 226);
static_assert(offsetof(Game_Settings, hall_scores) == 426);
static_assert(offsetof(Game_Settings, hall_races) == 446);

// Word numbers of the options that other modules read.
enum Game_Settings_Word : int {
    GS_SOUND_EFFECTS = 0,
    GS_BACKGROUND_MUSIC = 1,
    GS_RAZE_CITY = 7,
    GS_RANDOM_EVENTS = 8,
    GS_EXPANDING_HELP = 17,
    GS_SOUND_CONFIG_A = 18,
    GS_SOUND_CONFIG_B = 19,
    GS_SLOT_MARK_FIRST = 24,  // slot k (1 to 8) is word 23 + k
    GS_MOVEMENT_ANIMATIONS = 112,
};

extern Game_Settings magic_set;
// Points at magic_set while the settings screen runs; its toggles write through it.
extern Game_Settings *magic_set_ptr;

// Slot k (1 to 8) mark: magic_set.words[GS_SLOT_MARK_FIRST + k - 1]; its name: magic_set.save_names[k - 1].
// Word n of the image (0-31 and 112); other numbers read 0 and write nothing.
uint16_t Game_Settings_Word(int n);
void Set_Game_Settings_Word(int n, uint16_t value);

void Game_Settings_From_Bytes(Game_Settings *settings, const uint8_t *bytes);
void Game_Settings_To_Bytes(const Game_Settings *settings, uint8_t *bytes);

void Set_Default_Game_Settings(void);
// RAROZ.SET from the user folder: exactly 466 bytes are taken, anything else (or no file) gives
// the defaults; then the repairs, and the record is written back. A file of another size, or one
// whose bytes a repair changes, is first moved aside as "RAROZ.SET.bad-<date>-<time>" (logged at
// WARN with what was repaired); when it cannot be, or cannot be read, it is left as it is and
// nothing is written.
void Load_MAGIC_SET(void);
// Writes magic_set to RAROZ.SET in the user folder (temporary file and rename). 1 on success.
int Write_MAGIC_SET_User(void);
// Reads RAROZ.SET from the user folder into magic_set without repairs. 1 when a file of 466
// bytes was taken; 0 when there is none, or (logged) when its size is wrong: magic_set unchanged.
int Read_MAGIC_SET_User(void);

// RAROZ.SET in the current folder (name matched ignoring case), without repairs. Read takes
// only a file of 466 bytes; Write goes through a temporary file and a rename. 1 on success.
int Read_MAGIC_SET(void);
int Write_MAGIC_SET(void);
