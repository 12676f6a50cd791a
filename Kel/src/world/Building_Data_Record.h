// One building of BUILDDAT.LBX entry 0 (36 records of 52 bytes), loaded whole.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int NUM_BUILDING_TYPES = 36;
constexpr int BUILDING_DATA_RECORD_SIZE = 52;
constexpr int BLDG_CITY_WALLS = 35;

#pragma pack(push, 1)
struct Building_Data_Record {
    char name[20];
    int16_t reqd_bldg_1;          // a building, or above 100 a terrain code
    int16_t reqd_bldg_2;
    int16_t replace_bldg;         // -1 none
    uint8_t unused_26[6];
    int16_t maintenance_cost;
    uint8_t unused_34[10];
    int16_t construction_cost;
    uint8_t unused_46[2];
    int16_t G_Animation;          // cityscape footprint, also indexes the rubble pictures
    int16_t AI_Category;
};
#pragma pack(pop)

static_assert(sizeof(Building_Data_Record) == BUILDING_DATA_RECORD_SIZE);
static_assert(offsetof(Building_Data_Record, replace_bldg) == 24);
static_assert(offsetof(Building_Data_Record, maintenance_cost) == 32);
static_assert(offsetof(Building_Data_Record, construction_cost) == 44);
static_assert(offsetof(Building_Data_Record, G_Animation) == 48);
static_assert(offsetof(Building_Data_Record, AI_Category) == 50);

extern Building_Data_Record *bldg_data_table;
