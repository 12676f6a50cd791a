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
extern int16_t quit_game_flag;

void Screen_Control(void);
void Draw_Logos(void);
void Init_Credits(void);
