// The plane button of the main screen, the casting screen and the surveyor.
#pragma once

#include <cstdint>

// Shows the other plane; a stack that can travel between planes and may shift there crosses with
// the view. The player index is not used.
void Do_Plane_Button__WIP(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t *map_plane);
