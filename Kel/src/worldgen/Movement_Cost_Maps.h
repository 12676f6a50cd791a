// The six movement-cost maps of a plane.
#pragma once

#include <cstdint>

// Rebuilds the six maps of one plane from _world_maps, _map_square_flags and terrain_stats_table.
void Movement_Mode_Cost_Maps(int16_t wp);
