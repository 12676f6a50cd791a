// Questions every rule asks of one map square: its kind, what it yields to a city, how long a road
// takes; and the two city-wide counts built on them. Squares are (x 0..59, y 0..39, plane 0..1).
#pragma once

#include <cstdint>

#include "world/Map_Square_Record.h"

inline int16_t Terrain_Class(int16_t terrain)
{
    if (terrain >= 0 && terrain < 2 * TERRAIN_TILE_SET_SIZE) {
        return (int16_t)(terrain < TERRAIN_TILE_SET_SIZE ? terrain : terrain - TERRAIN_TILE_SET_SIZE);
    }
    int c = terrain % TERRAIN_TILE_SET_SIZE;
    return (int16_t)(c < 0 ? c + TERRAIN_TILE_SET_SIZE : c);
}
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

// What the yield rules read of one square, gathered once: its class (-1 off the map), specials byte
// and whether two cities share it. The Square_Facts_* yields equal the square functions below.
struct Square_Facts {
    int16_t terrain_class;
    uint8_t specials;
    uint8_t shared;
};
Square_Facts Square_Facts_At(int16_t wx, int16_t wy, int16_t wp);

// Fixed properties of each terrain class: food (before doubling), production bonus percent (a forest's
// without the forest flag), whether it is a forest, whether ships sail there.
struct Terrain_Class_Info {
    uint8_t food;
    uint8_t production;
    uint8_t forest;
    uint8_t sailable;
};
extern const Terrain_Class_Info *const terrain_class_info;  // TERRAIN_TILE_SET_SIZE entries

inline int16_t Square_Facts_Food_x2(const Square_Facts &f)
{
    if (f.terrain_class < 0) {
        return 0;
    }
    int food = terrain_class_info[f.terrain_class].food;
    return (int16_t)(f.shared ? food : food * 2);  // a shared square gives half of the doubled food
}

inline int16_t Square_Facts_Production_Bonus(const Square_Facts &f, int16_t forest_flag)
{
    if (f.terrain_class < 0) {
        return 0;
    }
    const Terrain_Class_Info &info = terrain_class_info[f.terrain_class];
    int bonus = (info.forest && forest_flag == 1) ? 6 : info.production;
    return (int16_t)(f.shared ? bonus / 2 : bonus);
}

inline int16_t Square_Facts_Scaled(const Square_Facts &f, int value, int16_t half_again, int16_t doubled)
{
    if (doubled) {
        value *= 2;
    }
    if (half_again) {
        value = value * 3 / 2;
    }
    return (int16_t)(f.shared ? value / 2 : value);
}

inline int16_t Square_Facts_Gold_Income(const Square_Facts &f, int16_t half_again, int16_t doubled)
{
    int gold = f.specials == 5 ? 5 : f.specials == 4 ? 3 : f.specials == 3 ? 2 : 0;
    return gold == 0 ? 0 : Square_Facts_Scaled(f, gold, half_again, doubled);
}

inline int16_t Square_Facts_Magic_Power(const Square_Facts &f, int16_t half_again, int16_t doubled)
{
    int power = f.specials == 9 ? 5 : f.specials == 8 ? 3 : f.specials == 7 ? 2 : f.specials == 6 ? 1 : 0;
    return power == 0 ? 0 : Square_Facts_Scaled(f, power, half_again, doubled);
}

inline int16_t Square_Facts_Unit_Cost_Reduction(const Square_Facts &f, int16_t coal_flag, int16_t doubled)
{
    int mineral = f.specials & 0x0F;
    int reduction = mineral == 2 ? (coal_flag == 1 ? 20 : 10) : mineral == 1 ? (coal_flag == 1 ? 10 : 5) : 0;
    if (reduction == 0) {
        return 0;
    }
    if (doubled == 1) {
        reduction *= 2;
    }
    return (int16_t)(f.shared ? reduction / 2 : reduction);
}

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
