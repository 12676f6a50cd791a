// Showing a stack's move on the main screen, and the hooks through which the world's movement
// reaches the screens, the battles and the lairs.
#pragma once

#include <cstdint>

// Puts the units on the last route step, shows the move when it may be seen, builds the road
// square, explores and contacts on every step.
void Move_Units_Draw(int16_t player_idx, int16_t wp, int16_t steps, int16_t *map_x, int16_t *map_y,
                     const int16_t *units, int16_t count);
// 0 runs Move_Units_Draw without drawing; the world comes out the same.
void Move_Units_Draw_Set_Drawing(int16_t on);
// Once at start-up, after the world is allocated.
void Stack_Movement_Install_Hooks(void);
