// The overland spell-casting target screen and its map cells.
#pragma once

#include <cstdint>

// Turns the world square (*wx, *wy) into the pixel position of its cell in the 12 by 10 map window
// whose top-left square is (map_x, map_y), columns wrapping. 1 when the square is in the window;
// otherwise both outputs are 0 and the result is 0.
int16_t World_To_Screen(int16_t map_x, int16_t map_y, int16_t *wx, int16_t *wy);
// The target screen of the kind for the spell: 1 when a target was chosen (the unit or city, or the
// square's x, in *target; the square's y and plane; the cell's screen position), 0 when cancelled.
int16_t Spell_Casting_Screen(int16_t kind, int16_t *target, int16_t *wy, int16_t *wp, int16_t *screen_x,
                             int16_t *screen_y, const char *spell_name);
