// One city slot: the 114-byte record of _CITIES, saved with the game byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int NUM_CITIES = 100;
constexpr int NUM_BUILDINGS = 36;
constexpr int NUM_CITY_ENCHANTMENTS = 26;
// Names of the city size classes (0 = outpost), indexed by a city's size.
constexpr int NUM_CITY_SIZES = 6;
extern const char *const _city_size_names[NUM_CITY_SIZES];

// City enchantments by their byte in City_Record::enchantments (the order of _city_enchantment_names).
enum City_Enchantment : int {
    ce_Wall_of_Fire = 0,
    ce_Chaos_Rift = 1,
    ce_Dark_Rituals = 2,
    ce_Evil_Presence = 3,
    ce_Cursed_Lands = 4,
    ce_Pestilence = 5,
    ce_Cloud_of_Shadow = 6,
    ce_Famine = 7,
    ce_Flying_Fortress = 8,
    ce_Nature_Ward = 9,
    ce_Sorcery_Ward = 10,
    ce_Chaos_Ward = 11,
    ce_Life_Ward = 12,
    ce_Death_Ward = 13,
    ce_Natures_Eye = 14,
    ce_Earth_Gate = 15,
    ce_Stream_of_Life = 16,
    ce_Gaias_Blessing = 17,
    ce_Inspirations = 18,
    ce_Prosperity = 19,
    ce_Astral_Gate = 20,
    ce_Heavenly_Light = 21,
    ce_Consecration = 22,
    ce_Wall_of_Darkness = 23,
    ce_Altar_of_Battle = 24,
    ce_Nightshade = 25,  // holds the city's nightshade count, not a caster
};
constexpr int CITY_ENCH_ALTAR_OF_BATTLE = ce_Altar_of_Battle;

// Races of cities, wizards and unit types: 0..13 the peoples, 14 any race (unit types), 16..20 the
// creatures of the five realms.
enum Race_Index : int {
    rt_Barbarian = 0,
    rt_Beastmen = 1,
    rt_Dark_Elf = 2,
    rt_Draconian = 3,
    rt_Dwarven = 4,
    rt_Gnoll = 5,
    rt_Halfling = 6,
    rt_High_Elf = 7,
    rt_High_Men = 8,
    rt_Klackon = 9,
    rt_Lizardman = 10,
    rt_Nomad = 11,
    rt_Orc = 12,
    rt_Troll = 13,
    rt_Any = 14,
    rt_Nature = 16,
    rt_Sorcery = 17,
    rt_Chaos = 18,
    rt_Life = 19,
    rt_Death = 20,
};
constexpr int NUM_RACES = 14;

// City owners beside the wizards 0..4.
constexpr int CITY_OWNER_NEUTRAL = 5;

// Products above the buildings: unit type + 100.
constexpr int PRODUCT_UNIT_BASE = 100;

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
    uint16_t contacts;     // bit p: player p knows the city
    int16_t construction;  // building below 100, unit type + 100 above
    uint8_t bldg_cnt;
    int8_t bldg_status[NUM_BUILDINGS];            // -1 none, 0 replaced, 1 built, 2 removed this turn
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
