// Questions every rule asks of one map square: its kind, what it yields to a city, how long a road
// takes; and the two city-wide counts built on them. Squares are (x 0..59, y 0..39, plane 0..1).
#pragma once

#include <cstdint>

int16_t Terrain_Class(int16_t terrain);
int16_t Square_Terrain_Class(int16_t wx, int16_t wy, int16_t wp);

int16_t Square_Is_Sailable(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Ocean(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Shoreline(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_OceanLike(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Embarkable(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Land(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_River(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Grasslands(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Forest(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Hills(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Mountain(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Volcano(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Desert(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Swamp(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Tundra(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Node(int16_t wx, int16_t wy, int16_t wp);

int16_t Square_Has_Corruption(int16_t wx, int16_t wy, int16_t wp);
void Square_Clear_Corruption(int16_t wx, int16_t wy, int16_t wp);

// Yields of one square to a city; halved on a square that two cities share.
int16_t Square_Food_x2(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Production_Bonus(int16_t wx, int16_t wy, int16_t wp, int16_t forest_flag);
int16_t Square_Gold_Income(int16_t wx, int16_t wy, int16_t wp, int16_t half_again, int16_t doubled);
int16_t Square_Silver_Gold_Income(int16_t wx, int16_t wy, int16_t wp, int16_t half_again, int16_t doubled);
int16_t Square_Gold_Ore_Gold_Income(int16_t wx, int16_t wy, int16_t wp, int16_t half_again, int16_t doubled);
int16_t Square_Gems_Gold_Income(int16_t wx, int16_t wy, int16_t wp, int16_t half_again, int16_t doubled);
int16_t Square_Magic_Power(int16_t wx, int16_t wy, int16_t wp, int16_t half_again, int16_t doubled);
int16_t Square_Mithril_Power(int16_t wx, int16_t wy, int16_t wp, int16_t ignored, int16_t doubled);
int16_t Square_Adamantium_Power(int16_t wx, int16_t wy, int16_t wp, int16_t ignored, int16_t doubled);
int16_t Square_Quork_Power(int16_t wx, int16_t wy, int16_t wp, int16_t ignored, int16_t doubled);
int16_t Square_Crysx_Power(int16_t wx, int16_t wy, int16_t wp, int16_t ignored, int16_t doubled);
int16_t Square_Has_Mithril(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Has_Adamantium(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Unit_Cost_Reduction(int16_t wx, int16_t wy, int16_t wp, int16_t coal_flag, int16_t doubled);
// Trade bonus percent of a city centre; not halved. Neighbour columns wrap at the map's seam.
int16_t Square_Gold_Bonus(int16_t wx, int16_t wy, int16_t wp);

int16_t City_Road_Trade_Bonus(int16_t city_idx);
int16_t City_Best_Weapon(int16_t city_idx);
void All_City_Nightshade_Count(void);
int16_t Building_Terrain_Type_Prerequisite(int16_t wx, int16_t wy, int16_t wp);
// Turns a road takes on the square before the builders shorten it; 0 with a road, -1 on water.
int16_t Turns_To_Build_Road(int16_t wx, int16_t wy, int16_t wp);
