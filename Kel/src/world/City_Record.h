// One city slot: the 114-byte record of _CITIES, saved with the game byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int NUM_CITIES = 100;
constexpr int NUM_BUILDINGS = 36;
constexpr int NUM_CITY_ENCHANTMENTS = 26;
constexpr int CITY_ENCH_ALTAR_OF_BATTLE = 24;

#pragma pack(push, 1)
struct City_Record {
    char name[14];
    uint8_t race;
    uint8_t wx;
    uint8_t wy;
    uint8_t wp;
    int8_t owner_idx;
    uint8_t size;
    uint8_t population;
    uint8_t farmer_count;
    uint8_t bldg_sold;
    uint8_t reserved_23;
    int16_t Pop_10s;
    uint16_t contacts;            // bit p: player p knows the city
    int16_t construction;         // building below 100, unit type + 100 above
    uint8_t bldg_cnt;
    int8_t bldg_status[NUM_BUILDINGS];   // -1 none, 0 replaced, 1 built, 2 removed this turn
    uint8_t enchantments[NUM_CITY_ENCHANTMENTS];  // caster + 1, 0 inactive
    uint8_t production_units;
    int16_t Prod_Accu;
    uint8_t gold_units;
    uint8_t building_maintenance;
    uint8_t mana_units;
    uint8_t research_units;
    uint8_t food_units;
    uint8_t road_connections[13];
};
#pragma pack(pop)

static_assert(sizeof(City_Record) == 114);
static_assert(offsetof(City_Record, race) == 14);
static_assert(offsetof(City_Record, owner_idx) == 18);
static_assert(offsetof(City_Record, Pop_10s) == 24);
static_assert(offsetof(City_Record, contacts) == 26);
static_assert(offsetof(City_Record, construction) == 28);
static_assert(offsetof(City_Record, bldg_cnt) == 30);
static_assert(offsetof(City_Record, bldg_status) == 31);
static_assert(offsetof(City_Record, enchantments) == 67);
static_assert(offsetof(City_Record, production_units) == 93);
static_assert(offsetof(City_Record, Prod_Accu) == 94);
static_assert(offsetof(City_Record, gold_units) == 96);
static_assert(offsetof(City_Record, food_units) == 100);
static_assert(offsetof(City_Record, road_connections) == 101);

// A building counts as standing when its status is 0 (replaced) or 1 (built).
inline bool City_Building_Stands(const City_Record &city, int bldg_idx)
{
    return city.bldg_status[bldg_idx] == 0 || city.bldg_status[bldg_idx] == 1;
}
