// The main screen's picture.
#pragma once

#include <cstdint>

void Main_Screen_Draw_Do_Draw(int16_t *map_x, int16_t *map_y, int16_t wp, int16_t target_x, int16_t target_y,
                              int16_t player_idx);
void MainScr_Create_Reduced_Map_Picture(void);
// Carves the reduced map's picture as the first block of the screen arena.
void Allocate_Reduced_Map(void);
