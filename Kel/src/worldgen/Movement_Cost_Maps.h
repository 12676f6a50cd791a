// The six movement-cost maps of a plane, built from the terrain statistics at the end of world
// generation (road building patches them afterwards, square by square).
#pragma once

#include <cstdint>

// Cost of a road square in maps 0..4: every road of plane 1 is enchanted.
constexpr uint8_t ROAD_COST_PLANE_0 = 1;
constexpr uint8_t ROAD_COST_PLANE_1 = 0;

// The six costs of a square with this raw terrain value and flag byte, in map order. A terrain
// value beyond the statistics table (negative ones included) is impassable in every map, road or not.
void Movement_Costs_Of_Square(int16_t terrain, uint8_t flags, int16_t wp, uint8_t costs[6]);

// Rebuilds the six maps of one plane from _world_maps, _map_square_flags and terrain_stats_table.
void Movement_Mode_Cost_Maps(int16_t wp);
