#include "cities/Product_Rules.h"

#include <strings.h>

#include "cities/City_Records.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/Map_Square_Record.h"
#include "world/Race_Type_Table.h"
#include "world/Square_Queries.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int UNLOCK_PASSES = 50;

bool City_Valid(int16_t city_idx) { return city_idx >= 0 && city_idx < _cities && city_idx < NUM_CITIES; }

// A requirement counts as present when it names a building that stands (status 0 or 1).
bool Requirement_Present(const City_Record &city, int req)
{
    return req >= 0 && req < NUM_BUILDINGS && City_Building_Stands(city, req);
}

int Building_Status(const City_Record &city, int bldg_idx)
{
    return (bldg_idx >= 0 && bldg_idx < NUM_BUILDINGS) ? city.bldg_status[bldg_idx] : -1;
}

bool Unit_Type_Of_Race(int type, int race)
{
    int unit_race = _unit_type_table[type].race;
    return unit_race == race || unit_race == rt_Any;
}

// With a dozen kinds on offer the two plainest foot soldiers give way to the rest.
bool Unit_Type_Is_Plain_Infantry(int type)
{
    const char *name = _unit_type_table[type].name;
    return name != nullptr && (strcasecmp(name, "Spearmen") == 0 || strcasecmp(name, "Swordsmen") == 0);
}

int List_Units(const City_Record &city, bool skip_plain_infantry, int16_t *list)
{
    int listed = 0;
    for (int type = NUM_HERO_TYPES; type < NUM_UNIT_TYPES && listed < PRODUCT_LIST_MAX_UNITS; type++) {
        const Unit_Type_Record &unit = _unit_type_table[type];
        if (!Unit_Type_Of_Race(type, city.race) || !Requirement_Present(city, unit.reqd_bldg_1) ||
            !Requirement_Present(city, unit.reqd_bldg_2)) {
            continue;
        }
        if (skip_plain_infantry && Unit_Type_Is_Plain_Infantry(type)) {
            continue;
        }
        list[listed++] = (int16_t)(PRODUCT_UNIT_BASE + type);
    }
    return listed;
}

}  // namespace

void Calculate_Product_Array(int16_t city_idx, int16_t *length, int16_t *producible, int16_t *unit_count, int16_t *list)
{
    *length = 0;
    *producible = 0;
    *unit_count = 0;
    if (!City_Valid(city_idx) || bldg_data_table == nullptr) {
        return;
    }
    City_Record &city = _CITIES[city_idx];
    int built = 0;
    for (int b = 1; b < NUM_BUILDINGS; b++) {
        if (city.bldg_status[b] != -1) {
            built++;
        }
    }
    city.bldg_cnt = (uint8_t)built;

    int units = List_Units(city, false, list);
    if (units == PRODUCT_LIST_MAX_UNITS) {
        units = List_Units(city, true, list);
    }
    int total = units;
    for (int16_t k = 1; k < NUM_BUILDINGS && total < PRODUCT_LIST_MAX; k++) {
        if (city.bldg_status[k] != -1 && city.bldg_status[k] != 2) {
            continue;
        }
        const Building_Data_Record &bldg = bldg_data_table[k];
        if (!Race_Can_Build(city.race, k) || !Requirement_Present(city, bldg.reqd_bldg_2)) {
            continue;
        }
        bool first_met = bldg.reqd_bldg_1 > PRODUCT_UNIT_BASE
                             ? City_Check_Terrain_Requisite(city_idx, bldg.reqd_bldg_1) == 1
                             : Requirement_Present(city, bldg.reqd_bldg_1);
        if (first_met) {
            list[total++] = k;
        }
    }
    if (total - units > PRODUCT_LIST_MAX_BUILDINGS) {
        total = units + PRODUCT_LIST_MAX_BUILDINGS;
    }
    *length = (int16_t)total;
    *producible = (int16_t)total;
    *unit_count = (int16_t)units;
}

int16_t City_Check_Terrain_Requisite(int16_t city_idx, int16_t terrain_code)
{
    if (!City_Valid(city_idx)) {
        return 0;
    }
    const City_Record &city = _CITIES[city_idx];
    if (terrain_code == TERRAIN_CODE_WATER) {
        int first_row = city.wy > 0 ? city.wy - 1 : 0;
        for (int wy = first_row; wy <= first_row + 2 && wy < WORLD_HEIGHT; wy++) {
            for (int dx = -1; dx <= 1; dx++) {
                int wx = (city.wx + dx + WORLD_WIDTH) % WORLD_WIDTH;
                if (Square_Is_OceanLike((int16_t)wx, (int16_t)wy, city.wp)) {
                    return 1;
                }
            }
        }
        return 0;
    }
    int16_t xs[CITY_AREA_MAX_SQUARES];
    int16_t ys[CITY_AREA_MAX_SQUARES];
    int16_t squares = Get_Useable_City_Area(city.wx, city.wy, city.wp, xs, ys);
    for (int s = 0; s < squares; s++) {
        if (Building_Terrain_Type_Prerequisite(xs[s], ys[s], city.wp) == terrain_code) {
            return 1;
        }
    }
    return 0;
}

int16_t City_Race_Can_Unlock_Building(int16_t bldg_idx, int16_t candidate)
{
    if (!City_Valid(_city_idx) || candidate < 0 || candidate >= NUM_BUILDINGS || bldg_data_table == nullptr) {
        return -1;
    }
    const City_Record &city = _CITIES[_city_idx];
    const Building_Data_Record &wanted = bldg_data_table[candidate];
    if (Building_Status(city, wanted.reqd_bldg_1) == 1 && Building_Status(city, wanted.reqd_bldg_2) == 1) {
        return -1;
    }
    bool allowed[NUM_BUILDINGS];
    for (int b = 0; b < NUM_BUILDINGS; b++) {
        allowed[b] = Race_Can_Build(city.race, (int16_t)b) != 0;
    }
    for (int pass = 0; pass < UNLOCK_PASSES; pass++) {
        for (int b = 0; b < NUM_BUILDINGS; b++) {
            int req_1 = bldg_data_table[b].reqd_bldg_1;
            int req_2 = bldg_data_table[b].reqd_bldg_2;
            bool first_barred = req_1 >= 0 && req_1 < NUM_BUILDINGS && !allowed[req_1];
            bool second_barred = req_2 >= 0 && req_2 < NUM_BUILDINGS && !allowed[req_2];
            if (first_barred || second_barred) {
                allowed[b] = false;
            }
        }
    }
    return allowed[candidate] ? candidate : (int16_t)-1;
}

void Building_Allows_List(int16_t bldg_idx, int16_t *count, int16_t *list)
{
    *count = 0;
    if (!City_Valid(_city_idx) || bldg_data_table == nullptr) {
        return;
    }
    const City_Record &city = _CITIES[_city_idx];
    int listed = 0;
    for (int16_t i = 0; i < NUM_BUILDINGS; i++) {
        const Building_Data_Record &bldg = bldg_data_table[i];
        if ((bldg.reqd_bldg_1 != bldg_idx && bldg.reqd_bldg_2 != bldg_idx) || !Race_Can_Build(city.race, i)) {
            continue;
        }
        bool unlocks = bldg.reqd_bldg_1 <= PRODUCT_UNIT_BASE
                           ? City_Race_Can_Unlock_Building(bldg_idx, i) != -1
                           : City_Check_Terrain_Requisite(_city_idx, bldg.reqd_bldg_1) == 1 &&
                                 Building_Status(city, bldg.reqd_bldg_2) != 1;
        if (unlocks) {
            list[listed++] = i;
        }
    }
    for (int type = NUM_HERO_TYPES; type < NUM_UNIT_TYPES; type++) {
        const Unit_Type_Record &unit = _unit_type_table[type];
        if (!Unit_Type_Of_Race(type, city.race) || (unit.reqd_bldg_1 != bldg_idx && unit.reqd_bldg_2 != bldg_idx)) {
            continue;
        }
        if (Building_Status(city, unit.reqd_bldg_1) != -1 || Building_Status(city, unit.reqd_bldg_2) != -1) {
            list[listed++] = (int16_t)(PRODUCT_UNIT_BASE + type);
        }
    }
    *count = (int16_t)listed;
}

int16_t City_Production_Cost(int16_t product, int16_t city_idx)
{
    if (!City_Valid(city_idx)) {
        return 0;
    }
    City_Record &city = _CITIES[city_idx];
    int16_t current = city.construction;
    city.construction = product;
    int32_t missing = (int32_t)City_Current_Product_Cost(city_idx) - city.Prod_Accu;
    city.construction = current;
    if (missing < 0) {
        return 0;
    }
    return (int16_t)(missing > 32767 ? 32767 : missing);
}

int16_t City_N_Turns_To_Produce(int16_t cost, int16_t city_idx)
{
    if (!City_Valid(city_idx)) {
        return 1;
    }
    const City_Record &city = _CITIES[city_idx];
    int production = city.production_units;
    if (production > 0) {
        int turns = cost > 0 ? (cost + production - 1) / production : 0;
        return (int16_t)(turns == 0 ? 1 : turns);
    }
    return City_Production_Cost(city.construction, city_idx) != 0 ? PRODUCTION_TURNS_NEVER : (int16_t)1;
}
