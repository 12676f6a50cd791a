// The overland screen on which the human plays a turn (screen 105).
#pragma once

#include <cstdint>

// 1 once the home-city naming offer of turn 0 was made.
extern int16_t _given_chance_to_rename_home_city;
// Top left of the unit window.
extern int16_t _unit_window_start_x;
extern int16_t _unit_window_start_y;

// This pass's fields; -1000 when a field is not present.
extern int16_t _main_map_grid_field;
extern int16_t _minimap_grid_field;
extern int16_t _next_turn_button;
extern int16_t _special_button;
extern int16_t _patrol_button;
extern int16_t _wait_button;
extern int16_t _done_button;
extern int16_t _game_button;
extern int16_t _spells_button;
extern int16_t _armies_button;
extern int16_t _cities_button;
extern int16_t _magic_button;
extern int16_t _info_button;
extern int16_t _plane_button;
extern int16_t g_unit_window_fields[9];
extern int16_t _main_map_grid_x;
extern int16_t _main_map_grid_y;
extern int16_t _minimap_grid_x;
extern int16_t _minimap_grid_y;

extern int16_t DBG_Alt_A_State;
extern int16_t DBG_Alt_K_State;
extern int16_t DBG_Alt_T_State;
extern int16_t dbg_show_square_info;

// Top left of the unit window.
extern int16_t _unit_window_start_x;
extern int16_t _unit_window_start_y;

// The full refresh after every stack operation and pop-up.
void Main_Screen_Reset(void);

// The screen's loop; leaves the next screen's number in current_screen.
void Main_Screen(void);
void Main_Screen_Add_Fields(void);
void Add_Unit_Window_Fields(void);
void Add_Game_Button_Fields(void);
void Add_Unit_Action_Fields(void);
// The full refresh after a stack operation or a pop-up.
void Main_Screen_Reset(void);
void Set_Mouse_List_Default(void);
void Main_Unit_Statistics_Window(int16_t unit_idx, int16_t x1, int16_t y1, int16_t x2, int16_t y2);
// Box of the i-th unit picture of the unit window (three columns, three rows).
void Unit_Window_Picture_Coords(int16_t i, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2);
// Turns the banished human still waits: cost left / casting skill, or the cost left at skill 0.
int16_t Main_Screen_Banished_Turns(int16_t cost_left, int16_t casting_skill);
