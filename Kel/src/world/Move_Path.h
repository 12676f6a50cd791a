// The overland route of a stack: a cost map for its movement modes, the squares it may not cross,
// the map-wide finder, and the steps read back from the destination.
#pragma once

#include <cstdint>

#include "world/ALLOC.h"
#include "world/Path_Finder.h"

// movepath_cost_map: move costs, reach costs (byte view), predecessors, then room for the
// backtracked route.
constexpr int MOVEPATH_BACKTRACK_OFS = MOVEPATH_FIND_BUFFER_SIZE;
constexpr int MOVEPATH_BACKTRACK_ROOM = 256;
constexpr int MOVEPATH_COST_MAP_SIZE = MOVEPATH_BACKTRACK_OFS + 2 * MOVEPATH_BACKTRACK_ROOM;  // 10,112
// The main screen's route arrays hold 118 steps.
constexpr int MOVEPATH_MAIN_SCREEN_ROOM = 118;

// Movement_Cost_Maps, per plane: 0 unread, 1 walking, 2 forester, 3 mountaineer, 4 swimming, 5 sailing.
enum Movement_Cost_Map : int {
    mcm_Walking = 1,
    mcm_Forester = 2,
    mcm_Mountaineer = 3,
    mcm_Swimming = 4,
    mcm_Sailing = 5,
};
inline uint8_t *Movement_Cost_Map_Of(int plane, int map)
{
    return movement_mode_cost_maps + (plane * MOVEMENT_MAPS + map) * WORLD_SIZE;
}

// Fills the move costs of movepath_cost_map for the stack's modes (six flags, walking first).
void Init_MovePathMap(const int16_t *modes, int16_t plane);

// Blocks the squares of cost_map that a stack of stack_count units of player_idx may not cross:
// foreign cities and intact lairs, units it may neither pass nor join; the destination stays open.
void Update_MovePathMap(uint8_t *cost_map, int16_t stack_count, int16_t plane, int16_t player_idx, int16_t to_x,
                        int16_t to_y, int16_t from_x, int16_t from_y);

// The computer players' search box around the two squares; x1 > x2 when it runs across the seam.
void Move_Path_Search_Box(int16_t from_x, int16_t from_y, int16_t to_x, int16_t to_y, int16_t *x1, int16_t *y1,
                          int16_t *x2, int16_t *y2);

// Writes the route's first steps (at most room of them) after the start up to the destination:
// x, y and the move cost of the square entered. Returns the number written, 0 for no route.
// Computer players' routes are answered from the cache when they can be.
int16_t Make_Move_Path(const int16_t *modes, int16_t from_x, int16_t from_y, int16_t to_x, int16_t to_y, int16_t plane,
                       uint8_t *out_x, uint8_t *out_y, uint8_t *out_cost, int16_t room, int16_t stack_count,
                       int16_t player_idx);
