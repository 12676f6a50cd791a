// The overland map window: 12 by 10 squares of 20 by 18 pixels, top-left pixel at (0,20).
#pragma once

#include <cstdint>

// The world square shown at the window's top-left (x 0..59) and the plane shown.
extern int16_t _map_x;
extern int16_t _map_y;
extern int16_t _map_plane;

// The next map draw redraws every square.
void Reset_Map_Draw(void);
// Every unit's map draw priority; then the active stack's units to 0, left to the stack's drawing.
void Set_Unit_Draw_Priority(void);
void Reset_Stack_Draw_Priority(void);
// The window's 12 by 10 entity table for the window origin and plane.
void Set_Entities_On_Map_Window(int16_t map_x, int16_t map_y, int16_t map_plane);

// The target top-left square toward which the window scrolls.
extern int16_t _prev_world_x;
extern int16_t _prev_world_y;

void Draw_Maps(int16_t screen_x, int16_t screen_y, int16_t width, int16_t height, int16_t *map_x, int16_t *map_y,
               int16_t wp, int16_t target_x, int16_t target_y, int16_t player_idx);
void Reset_Draw_Active_Stack(void);
void Draw_Map_Squares_Around_Screen_Point(int16_t screen_x, int16_t screen_y, int16_t wp, int16_t map_x, int16_t map_y);
void Redraw_Map_Unexplored_Area(int16_t screen_x, int16_t screen_y, int16_t width, int16_t height, int16_t map_x,
                                int16_t map_y, int16_t wp);
