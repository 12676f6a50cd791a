#include "world/Roads.h"

#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"

namespace {

constexpr int ROAD_COST_MAPS = 5;  // the sailing map is not touched

bool On_Map(int wx, int wy, int wp)
{
    return wx >= 0 && wx < WORLD_WIDTH && wy >= 0 && wy < WORLD_HEIGHT && wp >= 0 && wp < NUM_PLANES;
}

void Set_Costs(int wx, int wy, int wp, uint8_t cost)
{
    for (int map = 0; map < ROAD_COST_MAPS; map++) {
        movement_mode_cost_maps[wp * MOVEMENT_MAPS * WORLD_SIZE + map * WORLD_SIZE + wy * WORLD_WIDTH + wx] = cost;
    }
}

}  // namespace

void Make_Road(int16_t wx, int16_t wy, int16_t wp)
{
    if (!On_Map(wx, wy, wp)) {
        return;
    }
    Set_Costs(wx, wy, wp, 1);
    uint8_t &flags = _map_square_flags[World_Square_Index(wx, wy, wp)];
    flags = (uint8_t)((flags | sf_Road) & ~sf_Enchanted_Road);
    if (wp == 1) {
        Make_Road_Enchanted(wx, wy, wp);
    }
}

void Make_Road_Enchanted(int16_t wx, int16_t wy, int16_t wp)
{
    if (!On_Map(wx, wy, wp)) {
        return;
    }
    uint8_t &flags = _map_square_flags[World_Square_Index(wx, wy, wp)];
    if (!(flags & sf_Road)) {
        return;
    }
    flags |= sf_Enchanted_Road;
    Set_Costs(wx, wy, wp, 0);
}

void City_Remove_Road(int16_t wx, int16_t wy, int16_t wp)
{
    if (!On_Map(wx, wy, wp)) {
        return;
    }
    Set_Costs(wx, wy, wp, 2);
    _map_square_flags[World_Square_Index(wx, wy, wp)] &= (uint8_t) ~(sf_Road | sf_Enchanted_Road);
}
