// Paths over the battlefield grid on the working cost map _cmbt_movepath_cost_map (255: cannot be
// entered): the cheapest path to a cell, and every cell a unit can still enter this turn.
#pragma once

#include <cstdint>

// Best costs at or above this are unreached.
constexpr int16_t COMBAT_PATH_UNREACHED = 0x7FFF;

// Fills _cmbt_mvpth_x/_y (start excluded, target included, at most the first 30 cells),
// movement_path_grid_cell_count (0: target blocked or unreachable) and the reach costs _cmbt_mvpth_c.
void Combat_Move_Path_Find(int16_t from_x, int16_t from_y, int16_t to_x, int16_t to_y);
// Fills _cmbt_path_data with 1 where a unit at the cell with the moves left can still enter a cell.
void Combat_Move_Path_Valid(int16_t from_x, int16_t from_y, int16_t moves);
