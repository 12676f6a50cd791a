// The screen state machine: one loop above all screens, each leaving the number of the next.
#pragma once

#include <cstdint>

// Every screen once: its id, its number (kept in current_screen), the name scenarios and --screen
// use for it, the short name the automation driver's log lines show ("?" for none) and the
// function the screen loop runs for it (named only where the loop is).
#define SCREEN_TABLE(X)                                                                                                \
    X(scr_Main_Menu_Screen, 0, "Main_Menu_Screen", "?", Main_Menu_Path)                                                \
    X(scr_Continue, 10, "Continue", "Continue", Continue_Path)                                                         \
    X(scr_Load_Screen, 11, "Load_Screen", "Load", Load_Path)                                                           \
    X(scr_New_Game_Screen, 12, "New_Game_Screen", "NewGame", New_Game_Path)                                            \
    X(scr_Quit_To_DOS, 13, "Quit_To_DOS", "QuitToDOS", Quit_Path)                                                      \
    X(scr_Hall_Of_Fame_Screen, 14, "Hall_Of_Fame_Screen", "HallOfFame", Hall_Of_Fame_Path)                             \
    X(scr_Settings_Screen, 15, "Settings_Screen", "Settings", Settings_Path)                                           \
    X(scr_City_Screen, 100, "City_Screen", "City", City_Screen)                                                        \
    X(scr_Armies_Screen, 102, "Armies_Screen", "Armies", ArmyList_Screen)                                              \
    X(scr_Cities_Screen, 103, "Cities_Screen", "Cities", CityList_Screen)                                              \
    X(scr_Quit, 104, "Quit", "Quit", No_Screen)                                                                        \
    X(scr_Main_Screen, 105, "Main_Screen", "MainScreen", Main_Screen_Path)                                             \
    X(scr_Magic_Screen, 106, "Magic_Screen", "Magic", Magic_Screen)                                                    \
    X(scr_Road_Build, 107, "Road_Build", "RoadBuild", Road_Build_Screen)                                               \
    X(scr_Production_Screen, 108, "Production_Screen", "Production", Production_Screen)                                \
    X(scr_Items_Screen, 109, "Item_Screen", "Item", Item_Screen)                                                       \
    X(scr_Next_Turn, 110, "NextTurn", "NextTurn", Next_Turn_Proc)                                                      \
    X(scr_Spellbook_Screen, 112, "Spellbook_Screen", "Spellbook", Spellbook_Screen)                                    \
    X(scr_Advisor_Screen, 114, "Advisor_Screen", "Advisor", Advisor_Path)                                              \
    X(scr_Diplomacy_Screen, 115, "Diplomacy_Screen", "Diplomacy", Diplomacy_Screen__WIP)                               \
    X(scr_Combat_Screen, 116, "Combat_Screen", "Combat", No_Screen)                                                    \
    X(scr_Test_Screen, 200, "Test_Screen", "Test", Test_Screen)                                                        \
    X(scr_PoC_Screen, 240, "PoC_Screen", "PoC", PoC_Screen)

enum Screen_Number : int16_t {
#define SCREEN_NUMBER(id, number, name, short_name, run) id = number,
    SCREEN_TABLE(SCREEN_NUMBER)
#undef SCREEN_NUMBER
};

struct Screen_Table_Entry {
    int16_t number;
    const char *name;
    const char *short_name;
};
inline constexpr Screen_Table_Entry screen_table[] = {
#define SCREEN_ENTRY(id, number, name, short_name, run) {id, name, short_name},
    SCREEN_TABLE(SCREEN_ENTRY)
#undef SCREEN_ENTRY
};
inline constexpr int SCREEN_TABLE_COUNT = (int)(sizeof screen_table / sizeof screen_table[0]);

// The table's entry for a screen number, or null when the number names no screen.
const Screen_Table_Entry *Screen_Table_Find(int screen);
// The screen a name gives (compared without regard to ASCII case), or -1.
int Screen_Table_From_Name(const char *name);

extern int16_t current_screen;
// A screen that runs inside the current one (the combat screen inside the main screen or the world
// turn), -1 none. It is never current_screen; scenarios wait on it and the driver's lines name it.
extern int16_t g_modal_screen;
extern int16_t previous_screen;
extern int16_t quit_game_flag;
// 1 while the front end (main menu) is current, 0 while the game proper is.
extern int16_t g_magic_exe_context;
// 1 when a headless run has no scenario driving it: the idle main menu, the settings screen and
// the stand-in screens then leave after a short while, so such a run ends by itself. A replay
// counts as unattended like the run it recorded, so it ends where that run ended.
extern int16_t g_headless_unattended;
// 1 while a headless run's scenario waits for a turn or a screen: the script answers nothing then,
// so whatever the world turn puts before the player ends by itself as in an unattended run.
extern int16_t g_headless_turn_wait;
constexpr int HEADLESS_UNATTENDED_FRAMES = 36;

// Runs the screen named by current_screen, again and again, until it is 13 (quit).
void Screen_Control(void);
// One pass of the loop: clears the fields, sets the default pointer list and runs the screen
// named by current_screen. A number that names no screen is logged and turns into the main
// menu, or the main screen while a game is in play.
void Screen_Control_Pass(void);
// 1 while the main screen has run since the world records were last reset.
int16_t Screen_Control_Game_Played(void);
