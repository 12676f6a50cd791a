// The screen state machine: one loop above all screens, each leaving the number of the next.
#pragma once

#include <cstdint>

enum Screen_Number : int16_t {
    scr_Main_Menu_Screen = 0,
    scr_Continue = 10,
    scr_Load_Screen = 11,
    scr_New_Game_Screen = 12,
    scr_Quit_To_DOS = 13,
    scr_Hall_Of_Fame_Screen = 14,
    scr_Settings_Screen = 15,
    scr_City_Screen = 100,
    scr_Armies_Screen = 102,
    scr_Cities_Screen = 103,
    scr_Quit = 104,
    scr_Main_Screen = 105,
    scr_Magic_Screen = 106,
    scr_Road_Build = 107,
    scr_Production_Screen = 108,
    scr_Items_Screen = 109,
    scr_Next_Turn = 110,
    scr_Spellbook_Screen = 112,
    scr_Advisor_Screen = 114,
    scr_Diplomacy_Screen = 115,
    scr_Test_Screen = 200,
    scr_PoC_Screen = 240,
};

extern int16_t current_screen;
extern int16_t previous_screen;
extern int16_t quit_game_flag;
// 1 while the front end (main menu) is current, 0 while the game proper is.
extern int16_t g_magic_exe_context;
// 1 when a headless run has no scenario driving it: the idle main menu, the settings screen and
// the stand-in screens then leave after a short while, so such a run ends by itself. A replay
// counts as unattended like the run it recorded, so it ends where that run ended.
extern int16_t g_headless_unattended;
constexpr int HEADLESS_UNATTENDED_FRAMES = 36;

// Runs the screen named by current_screen, again and again, until it is 13 (quit).
void Screen_Control(void);
// One pass of the loop: clears the fields, sets the default pointer list and runs the screen
// named by current_screen. A number that names no screen is logged and turns into the main
// menu, or the main screen while a game is in play.
void Screen_Control_Pass(void);
// 1 while the main screen has run since the world records were last reset.
int16_t Screen_Control_Game_Played(void);
