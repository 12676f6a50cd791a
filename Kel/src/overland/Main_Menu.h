// The main menu: over the animated title it offers Continue, Load Game, New Game, Hall of Fame
// and Quit, shows the credits, and starts the recorded demo after 30 seconds without input.
#pragma once

#include <cstdint>

#include "Mouse.h"

constexpr int MAIN_MENU_SAVE_SLOTS = 9;
constexpr uint64_t MAIN_MENU_DEMO_IDLE_MS = 30000;

// The menu's results (current_menu_screen).
enum Main_Menu_Choice : int16_t {
    mm_None = -1,
    mm_Continue = 0,
    mm_Load = 1,
    mm_New_Game = 2,
    mm_Quit = 3,
    mm_Hall_Of_Fame = 4,
};

extern int16_t main_menu_screen_loaded;
extern int16_t save_game_slots[MAIN_MENU_SAVE_SLOTS];
extern int16_t save_game_count;
extern int16_t cont_flag;
extern int16_t load_flag;
extern int16_t screen_change;
extern int16_t current_menu_screen;
extern int16_t _continue_button, _load_button, _new_button, _hof_button, _quit_button;
extern int16_t _continue_hotkey, _load_hotkey, _new_hotkey, _hof_hotkey, _quit_hotkey, _esc_hotkey;
extern Mouse_List_Entry mouse_list_mainmenu[1];

int16_t Main_Menu_Screen(void);
void Main_Menu_Load_Pictures(void);
void Main_Menu_Screen_Draw(void);
// Clears the fields and adds only the six hot keys C, L, N, H, Q and Esc. Nothing calls it.
void Main_Menu_Add_Fields(void);
// Runs the menu until it returns Quit. Nothing calls it.
void Main_Menu_Screen_Control(void);
// Loads the menu's 4 help records of entry 25 of "hlpentry". Nothing calls it.
void UU_HLP_Load_MainMenu(void);

// Which of the saved games 1 to 9 exist in the user folder: save_game_slots and
// save_game_count for 1 to 8, cont_flag for 9, load_flag when any of 1 to 8 exists.
void Main_Menu_Find_Saved_Games(void);
// The entry fields and help records 0 to 4 for the saved games found (Continue and Load only
// when they exist; Continue takes Load's place when Load is absent).
void Main_Menu_Add_Entry_Fields(void);
// The entry chosen by a hit field (mm_None when it matches no entry); sets current_screen.
int16_t Main_Menu_Select(int16_t hit);
