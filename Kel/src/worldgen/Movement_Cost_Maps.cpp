#include "worldgen/Movement_Cost_Maps.h"

#include "world/ALLOC.h"
#include "world/LOADER.h"
#include "world/Map_Square_Record.h"
#include "world/Move_Path.h"
#include "world/Path_Finder.h"

void Movement_Costs_Of_Square(int16_t terrain, uint8_t flags, int16_t wp, uint8_t costs[MOVEMENT_MAPS])
{
    // The row is the raw value, not its class: the second tile set has rows of its own.
    const uint16_t row = (uint16_t)terrain;
    if (row >= NUM_TERRAIN_STATS) {
        for (int map = 0; map < MOVEMENT_MAPS; map++) {
            costs[map] = PATH_IMPASSABLE;
        }
        return;
    }
    for (int map = 0; map < MOVEMENT_MAPS; map++) {
        costs[map] = terrain_stats_table[row * TERRAIN_STATS_RECORD_SIZE + map];
    }
    if (flags & sf_Road) {
        for (int map = 0; map < mcm_Sailing; map++) {
            costs[map] = wp == 0 ? ROAD_COST_PLANE_0 : ROAD_COST_PLANE_1;
        }
        costs[mcm_Sailing] = PATH_IMPASSABLE;
    }
}

void Movement_Mode_Cost_Maps(int16_t wp)
{
    for (int wy = 0; wy < WORLD_HEIGHT; wy++) {
        for (int wx = 0; wx < WORLD_WIDTH; wx++) {
            const int square = World_Square_Index(wx, wy, wp);
            uint8_t costs[MOVEMENT_MAPS];
            Movement_Costs_Of_Square(_world_maps[square], _map_square_flags[square], wp, costs);
            for (int map = 0; map < MOVEMENT_MAPS; map++) {
                Movement_Cost_Map_Of(wp, map)[wy * WORLD_WIDTH + wx] = costs[map];
            }
        }
    }
}
