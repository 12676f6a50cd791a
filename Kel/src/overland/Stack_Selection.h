// Building, sorting and selecting the stack on a square, bringing a square into view, and the
// small questions the main screen asks of the selection.
#pragma once

#include <cstdint>

// Fills _unit_stack with the player's units on the square (at most 9).
void Build_Unit_Stack(int16_t player_idx, int16_t wp, int16_t wx, int16_t wy);
// Transports first, then by strength; sets _unit.
void Sort_Unit_Stack(void);
// The number of units selected, 0 when the square holds none of the player's.
int16_t Select_Unit_Stack(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t wp, int16_t wx, int16_t wy);
void Bring_Square_Into_View(int16_t *map_x, int16_t *map_y, int16_t wx, int16_t wy, int16_t wp);
// 1 when it scrolled.
int16_t Scroll_Map_If_Square_On_Edge(int16_t *map_x, int16_t *map_y, int16_t wx, int16_t wy, int16_t width,
                                     int16_t height);
int16_t Stack_Moves_Active(void);
int16_t Stack_Has_PlanarTravel(void);
int16_t Square_Has_City_Dupe(int16_t wx, int16_t wy, int16_t wp);
