// What a city may build and what it costs: the product list, the terrain and race requirements of
// buildings, what a building would unlock, the missing production and the turns it takes.
#pragma once

#include <cstdint>

constexpr int PRODUCT_LIST_MAX = 20;
constexpr int PRODUCT_LIST_MAX_UNITS = 12;
constexpr int PRODUCT_LIST_MAX_BUILDINGS = 12;
// Room of the list that Building_Allows_List fills: every building and every buildable unit type.
constexpr int BUILDING_ALLOWS_LIST_MAX = 36 + 163;
// Terrain requirement codes of a building's first prerequisite (above this: not a building).
constexpr int16_t BUILDING_TERRAIN_CODE_MIN = 101;
constexpr int16_t TERRAIN_CODE_WATER = 110;
// Turns shown for a product that a city without production never finishes.
constexpr int16_t PRODUCTION_TURNS_NEVER = 999;

// The products offered to the city: units first (at most 12), then buildings (at most 12, the whole
// list at most 20). Refreshes the city's building count. list holds PRODUCT_LIST_MAX entries.
void Calculate_Product_Array(int16_t city_idx, int16_t *length, int16_t *producible, int16_t *unit_count,
                             int16_t *list);

// What the building would unlock in the current city (_city_idx): buildings, then 100 + unit type.
// list holds BUILDING_ALLOWS_LIST_MAX entries.
void Building_Allows_List(int16_t bldg_idx, int16_t *count, int16_t *list);

// 1 when the city's surroundings meet the terrain code (110 water nearby, else a square of the area).
int16_t City_Check_Terrain_Requisite(int16_t city_idx, int16_t terrain_code);
// For the current city: the candidate when its race can ever build it and its prerequisites are not
// both built, else -1. The first argument plays no part.
int16_t City_Race_Can_Unlock_Building(int16_t bldg_idx, int16_t candidate);

// The production still missing for the product in the city, at least 0.
int16_t City_Production_Cost(int16_t product, int16_t city_idx);
// Turns to gather the cost at the city's production; PRODUCTION_TURNS_NEVER without production.
int16_t City_N_Turns_To_Produce(int16_t cost, int16_t city_idx);
