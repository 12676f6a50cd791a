// Neutral cities: sites, races by landmass, buildings by population, and their garrisons.
#include "worldgen/Neutral_Cities.h"

#include <cstring>

#include "Geometry.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/Map_Square_Record.h"
#include "world/Race_Type_Table.h"
#include "world/Unit_Type_Record.h"
#include "worldgen/Home_Cities.h"
#include "worldgen/Landmasses.h"

int16_t m_landmasses_default_race[NUM_LANDMASS_RACES];

namespace {

constexpr int16_t TERRAIN_REQUIREMENT_FIRST = 101;
constexpr int GARRISON_TYPE_FIRST = 40;
constexpr int GARRISON_TYPE_LAST = 153;

const int16_t m_arcanian_races[9] = {rt_Barbarian, rt_Gnoll,     rt_Halfling, rt_High_Men, rt_High_Men,
                                     rt_Klackon,   rt_Lizardman, rt_Nomad,    rt_Orc};
const int16_t m_myrran_races[5] = {rt_Beastmen, rt_Dark_Elf, rt_Draconian, rt_Dwarven, rt_Troll};

// Buildings a neutral city receives from these populations on.
struct Population_Building {
    int population_min;
    int population_max;
    int16_t bldg_idx;
};
const Population_Building m_population_buildings[] = {
    {2, 255, bt_Garrison},    {3, 255, bt_Capital_Hall}, {4, 255, bt_Builders_Lodge}, {5, 255, bt_Building_4},
    {7, 255, bt_Granary},     {8, 255, bt_Building_9},   {10, 255, bt_City_Walls},    {12, 255, bt_Training_Yard},
    {13, 255, bt_Building_6}, {14, 25, bt_Shrine},
};

bool Neutral_Site_Is_Bad(int wx, int wy, int wp)
{
    int terrain_class = (uint16_t)_world_maps[World_Square_Index(wx, wy, wp)] % TERRAIN_TILE_SET_SIZE;
    if (terrain_class == 0 || (terrain_class >= tt_Shore_First && terrain_class <= tt_Shore_Last)) {
        return true;
    }
    int players = _num_players < NUM_FORTRESSES ? _num_players : NUM_FORTRESSES;
    for (int p = 0; p < players; p++) {
        if (Range(_FORTRESSES[p].wx, _FORTRESSES[p].wy, wx, wy) < 5) {
            return true;
        }
    }
    for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wp == wp && Delta_XY_With_Wrap(city.wx, city.wy, wx, wy, WORLD_WIDTH) < 4) {
            return true;
        }
    }
    for (int n = 0; n < NUM_NODES; n++) {
        if (_NODES[n].wp == wp && Range(_NODES[n].wx, _NODES[n].wy, wx, wy) < 4) {
            return true;
        }
    }
    for (int t = 0; t < NUM_TOWERS; t++) {
        if (Range(_TOWERS[t].wx, _TOWERS[t].wy, wx, wy) < 4) {
            return true;
        }
    }
    for (int l = 0; l < NUM_LAIRS; l++) {
        if (_LAIRS[l].wp == wp && Range(_LAIRS[l].wx, _LAIRS[l].wy, wx, wy) < 4) {
            return true;
        }
    }
    return false;
}

int16_t Draw_Neutral_Race(int wx, int wy, int wp)
{
    int16_t race;
    if (wp == 0) {
        int draw = RANDOM(9);
        race = m_arcanian_races[draw - 1];
        if (draw == 4 && Square_Is_Forest_NewGame((int16_t)wx, (int16_t)wy, (int16_t)wp)) {
            race = rt_High_Elf;
        }
    } else {
        race = m_myrran_races[RANDOM(5) - 1];
    }
    if (RANDOM(4) != 1) {
        // Landmass numbers past the table have no default race: the drawn one stands.
        int landmass = _landmasses[World_Square_Index(wx, wy, wp)];
        if (landmass >= 1 && landmass < NUM_LANDMASS_RACES) {
            race = m_landmasses_default_race[landmass];
        }
    }
    return race;
}

// A required building of a fresh neutral city is there unless it is a building that was not given;
// a terrain code (101 and up) counts as met, since no building status stands behind it.
bool Requirement_Met(const City_Record &city, int16_t required)
{
    if (required < 0 || required >= NUM_BUILDING_TYPES) {
        return true;
    }
    return city.bldg_status[required] != -1;
}

bool Garrison_Requirement_Met(const City_Record &city, uint8_t required)
{
    if (required == 0) {
        return true;
    }
    return required < NUM_BUILDING_TYPES && (city.bldg_status[required] == 1 || city.bldg_status[required] == 0);
}

}  // namespace

void Neutral_City_Buildings(int16_t city_idx)
{
    City_Record &city = _CITIES[city_idx];
    memset(city.bldg_status, -1, sizeof(city.bldg_status));
    city.bldg_status[bt_None] = 0;
    for (const Population_Building &entry : m_population_buildings) {
        if (city.population >= entry.population_min && city.population <= entry.population_max) {
            city.bldg_status[entry.bldg_idx] = 1;
        }
    }
    for (int b = 1; b < NUM_BUILDING_TYPES; b++) {
        if (!Race_Can_Build(city.race, (int16_t)b)) {
            city.bldg_status[b] = -1;
        }
    }
    if (bldg_data_table == nullptr) {
        return;
    }
    for (int b = 1; b < NUM_BUILDING_TYPES; b++) {
        const Building_Data_Record &rules = bldg_data_table[b];
        if (city.bldg_status[b] != 1 || rules.reqd_bldg_1 >= TERRAIN_REQUIREMENT_FIRST) {
            continue;
        }
        if (!Requirement_Met(city, rules.reqd_bldg_1) || !Requirement_Met(city, rules.reqd_bldg_2)) {
            city.bldg_status[b] = -1;
        }
    }
    for (int b = 1; b < NUM_BUILDING_TYPES; b++) {
        int16_t replaced = bldg_data_table[b].replace_bldg;
        if (city.bldg_status[b] == 1 && replaced > 0 && replaced < NUM_BUILDING_TYPES &&
            city.bldg_status[replaced] == 1) {
            city.bldg_status[replaced] = 0;
        }
    }
}

int16_t Neutral_Garrison_Type(int16_t city_idx, int16_t ranged)
{
    const City_Record &city = _CITIES[city_idx];
    int16_t found = 0;
    for (int t = GARRISON_TYPE_FIRST; t <= GARRISON_TYPE_LAST; t++) {
        const Unit_Type_Record &type = _unit_type_table[t];
        if (type.race != city.race || !Garrison_Requirement_Met(city, type.reqd_bldg_1) ||
            !Garrison_Requirement_Met(city, type.reqd_bldg_2) || (type.Abilities & UA_CREATEOUTPOST) ||
            type.Construction != 0 || type.Transport != 0) {
            continue;
        }
        bool is_ranged = type.Ranged_Type >= 1 && type.Ranged_Type <= 99;
        bool is_melee = type.Ranged_Type == -1 || type.Ranged_Type > 99;
        if (ranged ? is_ranged : is_melee) {
            found = (int16_t)t;
        }
    }
    return found;
}

void Generate_Neutral_Cities(int16_t wp)
{
    for (int landmass = 1; landmass < NUM_LANDMASS_RACES; landmass++) {
        m_landmasses_default_race[landmass] = wp == 0 ? m_arcanian_races[RANDOM(9) - 1] : m_myrran_races[RANDOM(5) - 1];
    }
    int tries = 0;
    for (int made = 0; made < NEUTRAL_CITIES_PER_PLANE && _cities < NUM_CITIES; made++) {
        int wx = 0;
        int wy = 0;
        bool bad = true;
        while (bad && tries < NEUTRAL_CITY_SITE_TRIES) {
            tries++;
            wx = RANDOM(54) + 3;
            wy = RANDOM(34) + 3;
            bad = Neutral_Site_Is_Bad(wx, wy, wp);
        }
        if (tries >= NEUTRAL_CITY_SITE_TRIES) {
            break;
        }
        int16_t race = Draw_Neutral_Race(wx, wy, wp);

        int16_t city_idx = _cities;
        City_Record &city = _CITIES[city_idx];
        memset(&city, 0, sizeof(city));
        city.race = (uint8_t)race;
        city.wx = (uint8_t)wx;
        city.wy = (uint8_t)wy;
        city.wp = (uint8_t)wp;
        city.owner_idx = CITY_OWNER_NEUTRAL;
        int population = RANDOM(4) + (_difficulty + 1) / 3 + 1;
        if (_difficulty > 2 && RANDOM(5) == 1) {
            population = RANDOM(10) + (_difficulty + 1) / 3;
        }
        city.population = (uint8_t)population;
        city.size = (uint8_t)(population / 4);
        city.construction = -4;
        Neutral_City_Buildings(city_idx);

        int count = population / 4 < NEUTRAL_GARRISON_MAX ? population / 4 : NEUTRAL_GARRISON_MAX;
        int16_t melee = Neutral_Garrison_Type(city_idx, 0);
        int16_t ranged = Neutral_Garrison_Type(city_idx, 1);
        for (int k = 0; k < count; k++) {
            Create_Unit_NewGame(melee, CITY_OWNER_NEUTRAL, (int16_t)wx, (int16_t)wy, wp, city_idx);
        }
        for (int k = 0; k < count; k++) {
            Create_Unit_NewGame(ranged != 0 ? ranged : melee, CITY_OWNER_NEUTRAL, (int16_t)wx, (int16_t)wy, wp,
                                city_idx);
        }
        Random_City_Name_By_Race_NewGame(race, city_idx);
        _cities++;
    }
}
