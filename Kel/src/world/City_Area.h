// Which squares feed a city and what a city can become: usable area, shared squares, terrain food,
// maximum size, least farmers, rebels and the cost of the current product.
#pragma once

#include <cstdint>

constexpr int CITY_AREA_MAX_SQUARES = 25;  // list room; an area holds 21 squares at most
constexpr int CITY_AREA_BITS_PLANE_BYTES = 300;
constexpr int CITY_MAX_POPULATION = 25;

// The 5 x 5 block around (x, y) without its corners, row by row, x wrapped, rows off the map and
// corrupted squares left out. Returns the number of squares listed.
int16_t Get_Useable_City_Area(int16_t wx, int16_t wy, int16_t wp, int16_t *xs, int16_t *ys);
// Rebuilds city_area_bits and city_area_shared_bits from every city's block (x wrapped).
void Reset_City_Area_Bitfields(void);
int16_t City_Area_Square_Is_Shared(int16_t wx, int16_t wy, int16_t wp);

// Everything the yield rules add over a city's usable area, gathered in one walk of it: the sums of
// Square_Food_x2, the wild-game food, Square_Production_Bonus (with Gaia's Blessing),
// Square_Gold_Income and Square_Magic_Power (Dwarven, miners' guild) and Square_Unit_Cost_Reduction
// (miners' guild, Dwarven).
struct City_Area_Yields {
    int32_t food_x2;
    int32_t wild_game;
    int32_t production_bonus;
    int32_t gold_income;
    int32_t magic_power;
    int32_t unit_cost_reduction;
};
City_Area_Yields City_Area_Yield_Sums(int16_t city_idx);
// Terrain food from the area sums (Gaia's Blessing x 3/2, then / 4).
int16_t City_Food_Terrain_Of(int16_t city_idx, const City_Area_Yields &sums);

int16_t City_Food_Terrain(int16_t city_idx);
int16_t City_Food_WildGame(int16_t city_idx);
int16_t City_Maximum_Size(int16_t city_idx);
int16_t City_Minimum_Farmers(int16_t city_idx);
// Rebels of the city; lowers farmer_count so that farmers and rebels fit the population.
int16_t City_Rebel_Count(int16_t city_idx);
int16_t City_Current_Product_Cost(int16_t city_idx);
int16_t City_House_Count(int16_t city_idx);
void NOOP_Current_Player_All_City_Areas(void);
