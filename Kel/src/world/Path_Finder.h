// Cheapest routes over grids of byte move costs (255: impassable). Both finders sweep the grid in
// a fixed order and repeat until nothing improves; they allocate nothing.
#pragma once

#include <cstdint>

#include "world/ALLOC.h"

constexpr uint8_t PATH_IMPASSABLE = 255;
// Reach costs are 16-bit and saturate, so a long route never wraps round to look cheap.
constexpr uint16_t PATH_UNREACHED = 0xFFFF;
constexpr uint16_t PATH_REACH_MAX = 65534;

// ---- small grids without wrap (the map generator's coarse blocks) ----
constexpr int SHORTEST_PATH_MAX_CELLS = 225;
constexpr int SHORTEST_PATH_MAX_STEPS = 100;

extern int16_t shortest_path_came_from[SHORTEST_PATH_MAX_CELLS];
extern uint16_t shortest_path_cost_to_reach[SHORTEST_PATH_MAX_CELLS];
extern int16_t shortest_path_backtrace[SHORTEST_PATH_MAX_STEPS];

// Writes the steps after the start up to the goal (at most 100) and returns their count; 0 when
// the start or the goal is impassable, the goal stays unreached, start and goal coincide, the
// grid holds more than 225 cells or the route is longer than 100 steps.
int16_t Find_Shortest_Path(int16_t start_x, int16_t start_y, int16_t goal_x, int16_t goal_y, int16_t width,
                           int16_t height, const uint8_t *cost_grid, uint8_t *out_x, uint8_t *out_y);

// ---- one plane of the world map, x wrapping ----
// The buffer Move_Path_Find works in: move costs (filled by the caller), a byte view of the reach
// costs, and predecessors (i16; a square that is its own predecessor is the origin or unreached).
constexpr int MOVEPATH_COSTS_OFS = 0;
constexpr int MOVEPATH_REACH_OFS = WORLD_SIZE;
constexpr int MOVEPATH_FROM_OFS = 2 * WORLD_SIZE;
constexpr int MOVEPATH_FIND_BUFFER_SIZE = 4 * WORLD_SIZE;

// The reach costs of the last Move_Path_Find, 16-bit (PATH_UNREACHED where unreached). The byte
// view in the buffer holds them capped at 255.
extern uint16_t movepath_reach_costs[WORLD_SIZE];

// Fills the reach costs and predecessors for the origin. Only the origin's own row reaches
// squares of rows 0 and 39; beyond the map's rows nothing is passable. Returns 0 for an origin
// off the map (nothing written), else 1.
int16_t Move_Path_Find(int16_t origin_x, int16_t origin_y, uint8_t *buffer);

inline int16_t *Move_Path_Predecessors(uint8_t *buffer)
{
    return reinterpret_cast<int16_t *>(buffer + MOVEPATH_FROM_OFS);
}
