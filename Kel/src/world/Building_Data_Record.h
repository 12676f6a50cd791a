// One building of BUILDDAT.LBX entry 0 (36 records of 52 bytes), loaded whole.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int NUM_BUILDING_TYPES = 36;
constexpr int BUILDING_DATA_RECORD_SIZE = 52;

// Buildings by their number in bldg_data_table. Their names are the installation's; the ids say what
// the rules make of each building.
enum Building_Index : int {
    bt_None = 0,         // no requirement; its status is always 0
    bt_Trade_Goods = 1,  // product: production turned into gold
    bt_Housing = 2,      // product: faster growth
    bt_Garrison = 3,     // capitals start with it; a neutral city builds it first
    bt_Building_4 = 4,
    bt_Training_Yard = 5,  // new units start at 20 experience
    bt_Building_6 = 6,
    bt_War_Academy = 7,   // new units start at 60 experience
    bt_Capital_Hall = 8,  // capitals start with it
    bt_Building_9 = 9,
    bt_Healers_Grove = 10,  // 3 food a farmer, +3 mana, faster healing, +1 pacification when built
    bt_Building_11 = 11,
    bt_Boat_Builder = 12,  // the three ship buildings stand in the cityscape's fixed place
    bt_Shipyard = 13,
    bt_Harbour = 14,
    bt_Sawmill = 15,          // +25% production, +10% housing growth
    bt_Study_Hall = 16,       // research +2
    bt_Lore_Hall = 17,        // research +3
    bt_Seers_Tower = 18,      // +2 pacification when built, scouting 4
    bt_Weapon_Forge = 19,     // magic weapons for new units (mithril, adamantium from the area)
    bt_Academy = 20,          // research +5
    bt_Mage_Guild = 21,       // research +8, mana +3
    bt_Shrine = 22,           // religious power 1, pacification 1
    bt_Temple = 23,           // religious power 2, pacification 1
    bt_Great_Temple = 24,     // religious power 3, pacification 1
    bt_Sanctum = 25,          // religious power 4, pacification 1
    bt_Market = 26,           // trade +50%
    bt_Counting_House = 27,   // trade +50%
    bt_Trade_Guild = 28,      // trade +100%
    bt_Granary = 29,          // food +2
    bt_Farm_Market = 30,      // food +3
    bt_Woodcraft_Guild = 31,  // food +2, production +25%
    bt_Builders_Lodge = 32,   // capitals start with it; +15% housing growth
    bt_Machine_Works = 33,    // production +50%
    bt_Miners_Guild = 34,     // production +50%, mineral yields doubled
    bt_City_Walls = 35,
};
constexpr int BLDG_CITY_WALLS = bt_City_Walls;

#pragma pack(push, 1)
struct Building_Data_Record {
    char name[20];
    int16_t reqd_bldg_1;  // a building, or above 100 a terrain code
    int16_t reqd_bldg_2;
    int16_t replace_bldg;  // -1 none
    uint8_t unused_26[6];
    int16_t maintenance_cost;
    uint8_t unused_34[10];
    int16_t construction_cost;
    uint8_t unused_46[2];
    int16_t G_Animation;  // cityscape footprint, also indexes the rubble pictures
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
