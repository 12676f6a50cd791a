// Drawing of the main screen: map window, frame, reduced map, the unit window or the summary,
// status, the movement path, the game buttons and the moves bar.
#pragma once

#include <cstdint>

constexpr int16_t REDUCED_MAP_X = 251;
constexpr int16_t REDUCED_MAP_Y = 21;
constexpr int16_t REDUCED_MAP_WIDTH = 58;
constexpr int16_t REDUCED_MAP_HEIGHT = 30;
constexpr uint16_t REDUCED_MAP_PARAGRAPHS = 303;

void Main_Screen_Draw(void);
void Main_Screen_Draw_Do_Draw(int16_t *map_x, int16_t *map_y, int16_t plane, int16_t prev_x, int16_t prev_y,
                              int16_t player_idx);
void MainScr_Create_Reduced_Map_Picture(void);
// Carves the reduced map's picture (_reduced_map_seg) first from the screen arena.
void Allocate_Reduced_Map(void);

void Main_Screen_Draw_Game_Buttons(void);
void Main_Screen_Draw_Unit_Action_Buttons(void);
void Main_Screen_Draw_Unit_Action_Locked_Buttons(void);
void Main_Screen_Draw_Next_Turn_Button(void);
void Main_Screen_Draw_Status_Window(void);
void Main_Screen_Draw_Summary_Window(void);
void Main_Screen_Draw_Unit_Window(int16_t x, int16_t y);
void Main_Screen_Draw_Movement_Bar(void);
void Draw_Active_Stack_Movement_Path(int16_t length, const uint8_t *xs, const uint8_t *ys);

// The moves h (half-moves) as text: "1.5" for 3, ".5" for 1, "" for 0 or less.
void Moves_String(char *text, int16_t h);
void Print_Moves_String(int16_t x, int16_t y, int16_t h, int16_t right);
// The icons of the selection's movement modes (unit -1) or of one unit; their entries of
// movement_mode_icons in drawing order, returning how many.
int16_t Movement_Mode_Icon_List(int16_t unit_idx, int16_t *icons);
void Draw_Movement_Mode_Icons(int16_t x, int16_t y, int16_t unit_idx);
