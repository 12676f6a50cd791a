#include "magic/Spell_Casting_Screen.h"

namespace {

constexpr int MAP_WINDOW_COLUMNS = 12;
constexpr int MAP_WINDOW_ROWS = 10;
constexpr int MAP_CELL_WIDTH = 20;
constexpr int MAP_CELL_HEIGHT = 18;
constexpr int MAP_WINDOW_TOP = 20;
constexpr int WORLD_COLUMNS = 60;

}  // namespace

int16_t World_To_Screen(int16_t map_x, int16_t map_y, int16_t *wx, int16_t *wy)
{
    int x = *wx;
    const int y = *wy;
    const bool row_shown = y >= map_y && y <= map_y + MAP_WINDOW_ROWS - 1;
    if (!(x >= map_x && x <= map_x + MAP_WINDOW_COLUMNS - 1)) {
        x += WORLD_COLUMNS;
    }
    if (!row_shown || !(x >= map_x && x <= map_x + MAP_WINDOW_COLUMNS - 1)) {
        *wx = 0;
        *wy = 0;
        return 0;
    }
    *wx = (int16_t)((x - map_x) * MAP_CELL_WIDTH);
    *wy = (int16_t)((y - map_y) * MAP_CELL_HEIGHT + MAP_WINDOW_TOP);
    return 1;
}
