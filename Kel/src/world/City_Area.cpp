#include "world/City_Area.h"

#include "Memory_Util.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Economy.h"
#include "world/LOADER.h"
#include "world/Map_Square_Record.h"
#include "world/Square_Queries.h"
#include "world/Unit_Type_Record.h"

namespace {

bool City_Valid(int city_idx) { return city_idx >= 0 && city_idx < NUM_CITIES; }

int Wrap_X(int wx)
{
    wx %= WORLD_WIDTH;
    return wx < 0 ? wx + WORLD_WIDTH : wx;
}

bool Enchanted(const City_Record &city, int enchantment) { return city.enchantments[enchantment] != 0; }

}  // namespace

int16_t Get_Useable_City_Area(int16_t wx, int16_t wy, int16_t wp, int16_t *xs, int16_t *ys)
{
    int count = 0;
    for (int dy = -2; dy <= 2; dy++) {
        int y = wy + dy;
        if (y < 0 || y >= WORLD_HEIGHT) {
            continue;
        }
        int reach = (dy == -2 || dy == 2) ? 1 : 2;
        for (int dx = -reach; dx <= reach; dx++) {
            int x = Wrap_X(wx + dx);
            if (wp < 0 || wp >= NUM_PLANES || (_map_square_flags[World_Square_Index(x, y, wp)] & sf_Corruption)) {
                continue;
            }
            xs[count] = (int16_t)x;
            ys[count] = (int16_t)y;
            count++;
        }
    }
    return (int16_t)count;
}

void Reset_City_Area_Bitfields(void)
{
    for (int i = 0; i < NUM_PLANES * CITY_AREA_BITS_PLANE_BYTES; i++) {
        city_area_bits[i] = 0;
        city_area_shared_bits[i] = 0;
    }
    for (int city_idx = 0; city_idx < _cities && city_idx < NUM_CITIES; city_idx++) {
        const City_Record &city = _CITIES[city_idx];
        if (city.wp >= NUM_PLANES) {
            continue;
        }
        uint8_t *bits = city_area_bits + city.wp * CITY_AREA_BITS_PLANE_BYTES;
        uint8_t *shared = city_area_shared_bits + city.wp * CITY_AREA_BITS_PLANE_BYTES;
        for (int dy = -2; dy <= 2; dy++) {
            int y = city.wy + dy;
            if (y < 0 || y >= WORLD_HEIGHT) {
                continue;
            }
            int reach = (dy == -2 || dy == 2) ? 1 : 2;
            for (int dx = -reach; dx <= reach; dx++) {
                int16_t index = (int16_t)(y * WORLD_WIDTH + Wrap_X(city.wx + dx));
                if (Test_Bit_Field(index, bits)) {
                    Set_Bit_Field(index, shared);
                }
                Set_Bit_Field(index, bits);
            }
        }
    }
}

int16_t City_Area_Square_Is_Shared(int16_t wx, int16_t wy, int16_t wp)
{
    if (wy < 0 || wy >= WORLD_HEIGHT || wp < 0 || wp >= NUM_PLANES || city_area_shared_bits == nullptr) {
        return 0;
    }
    int16_t index = (int16_t)(wy * WORLD_WIDTH + Wrap_X(wx));
    return Test_Bit_Field(index, city_area_shared_bits + wp * CITY_AREA_BITS_PLANE_BYTES) ? 1 : 0;
}

City_Area_Yields City_Area_Yield_Sums(int16_t city_idx)
{
    City_Area_Yields sums = {0, 0, 0, 0, 0, 0};
    if (!City_Valid(city_idx) || _CITIES[city_idx].wp >= NUM_PLANES) {
        return sums;
    }
    const City_Record &city = _CITIES[city_idx];
    int wp = city.wp;
    int16_t gaia = Enchanted(city, ce_Gaias_Blessing) ? 1 : 0;
    int16_t miners = City_Building_Stands(city, bt_Miners_Guild) ? 1 : 0;
    int16_t dwarven = city.race == rt_Dwarven ? 1 : 0;
    const uint8_t *shared_bits = city_area_shared_bits + wp * CITY_AREA_BITS_PLANE_BYTES;
    for (int dy = -2; dy <= 2; dy++) {
        int y = city.wy + dy;
        if (y < 0 || y >= WORLD_HEIGHT) {
            continue;
        }
        int reach = (dy == -2 || dy == 2) ? 1 : 2;
        for (int dx = -reach; dx <= reach; dx++) {
            int x = city.wx + dx;
            x = x < 0 ? x + WORLD_WIDTH : x >= WORLD_WIDTH ? x - WORLD_WIDTH : x;
            int square = World_Square_Index(x, y, wp);
            if (_map_square_flags[square] & sf_Corruption) {
                continue;
            }
            int bit = y * WORLD_WIDTH + x;
            Square_Facts facts{Terrain_Class(_world_maps[square]), _map_square_terrain_specials[square],
                               (uint8_t)((shared_bits[bit >> 3] >> (bit & 7)) & 1)};
            sums.food_x2 += Square_Facts_Food_x2(facts);
            sums.production_bonus += Square_Facts_Production_Bonus(facts, gaia);
            if (facts.specials != 0) {
                if (facts.specials & ts_Wild_Game) {
                    sums.wild_game += facts.shared ? 1 : 2;
                }
                sums.gold_income += Square_Facts_Gold_Income(facts, dwarven, miners);
                sums.magic_power += Square_Facts_Magic_Power(facts, dwarven, miners);
                sums.unit_cost_reduction += Square_Facts_Unit_Cost_Reduction(facts, miners, dwarven);
            }
        }
    }
    return sums;
}

int16_t City_Food_Terrain_Of(int16_t city_idx, const City_Area_Yields &sums)
{
    int32_t food = sums.food_x2;
    if (City_Valid(city_idx) && Enchanted(_CITIES[city_idx], ce_Gaias_Blessing)) {
        food = food * 3 / 2;
    }
    return (int16_t)(food / 4);
}

int16_t City_Food_Terrain(int16_t city_idx) { return City_Food_Terrain_Of(city_idx, City_Area_Yield_Sums(city_idx)); }

int16_t City_Food_WildGame(int16_t city_idx) { return (int16_t)City_Area_Yield_Sums(city_idx).wild_game; }

int16_t City_Maximum_Size(int16_t city_idx)
{
    if (!City_Valid(city_idx)) {
        return 0;
    }
    const City_Record &city = _CITIES[city_idx];
    City_Area_Yields sums = City_Area_Yield_Sums(city_idx);
    int size = City_Food_Terrain_Of(city_idx, sums);
    if (Enchanted(city, ce_Famine)) {
        size /= 2;
    }
    if (City_Building_Stands(city, bt_Granary)) {
        size += 2;
    }
    if (City_Building_Stands(city, bt_Farm_Market)) {
        size += 3;
    }
    return (int16_t)(size + sums.wild_game);
}

int16_t City_Minimum_Farmers(int16_t city_idx)
{
    if (!City_Valid(city_idx)) {
        return 0;
    }
    const City_Record &city = _CITIES[city_idx];
    int population = city.population;
    City_Area_Yields sums = City_Area_Yield_Sums(city_idx);
    int need = population - sums.wild_game;
    if (City_Building_Stands(city, bt_Granary)) {
        need -= 2;
    }
    if (City_Building_Stands(city, bt_Farm_Market)) {
        need -= 3;
    }
    if (need <= 0 || population == 0) {
        return 0;
    }
    int per_farmer = (City_Building_Stands(city, bt_Healers_Grove) || city.race == rt_Halfling) ? 3 : 2;
    int terrain = City_Food_Terrain_Of(city_idx, sums);
    int j = 1;
    for (; j < population; j++) {
        int food = j * per_farmer;
        if (City_Building_Stands(city, bt_Woodcraft_Guild)) {
            food += 2;
        }
        if (Enchanted(city, ce_Famine)) {
            food /= 2;
        }
        if (food > terrain) {
            food = terrain + (food - terrain) / 2;
        }
        if (food >= need) {
            break;
        }
    }
    return (int16_t)(j > population ? population : j);
}

int16_t City_Rebel_Count(int16_t city_idx)
{
    if (!City_Valid(city_idx)) {
        return 0;
    }
    City_Record &city = _CITIES[city_idx];
    int owner = city.owner_idx;
    if (owner < 0 || owner >= NUM_PLAYERS) {
        return 0;
    }
    const Player_Record &wizard = _players[owner];
    int capital_race = wizard.capital_race < NUM_RACES ? wizard.capital_race : 0;
    int city_race = city.race < NUM_RACES ? city.race : 0;
    int tax = wizard.tax_rate >= 0 && wizard.tax_rate < NUM_TAX_RATES ? wizard.tax_rate : 0;
    int unrest = TBL_Unrest[capital_race] != nullptr ? TBL_Unrest[capital_race][city_race] * 10 : 0;
    unrest += tax_unrest_pct_table[tax];
    if (Enchanted(city, ce_Famine)) {
        unrest += 25;
    }
    int population = city.population;
    int raw = population * unrest / 100;

    int pacify = 0;
    bool death_books = wizard.spellranks[4] > 0;
    if (!(Enchanted(city, ce_Evil_Presence) && !death_books)) {
        for (int b = bt_Shrine; b <= bt_Sanctum; b++) {
            pacify += City_Building_Stands(city, b) ? 1 : 0;
        }
        if (wizard.retorts[rtr_Infernal_Power] || wizard.retorts[rtr_Divine_Power]) {
            pacify += pacify / 2;
        }
    }
    if (city.bldg_status[bt_Seers_Tower] == 1) {
        pacify += 2;
    }
    if (city.bldg_status[bt_Healers_Grove] == 1) {
        pacify += 1;
    }
    for (int other = 0; other < NUM_PLAYERS; other++) {
        if (other == owner) {
            continue;
        }
        pacify -= _players[other].Globals[ge_Great_Wasting] ? 1 : 0;
        pacify -= _players[other].Globals[ge_Armageddon] ? 2 : 0;
    }
    pacify -= Enchanted(city, ce_Dark_Rituals) ? 1 : 0;
    pacify -= Enchanted(city, ce_Pestilence) ? 2 : 0;
    pacify -= Enchanted(city, ce_Cursed_Lands) ? 1 : 0;
    pacify += wizard.Globals[ge_Fame_Bonus] ? 1 : 0;
    pacify += wizard.Globals[ge_Crusade] ? 2 : 0;
    if (pacify < raw) {
        int garrison = 0;
        for (int u = 0; u < _units && u < UNIT_TABLE_CAPACITY; u++) {
            const Unit_Record &unit = _UNITS[u];
            if (unit.owner_idx == owner && unit.wx == city.wx && unit.wy == city.wy && unit.wp == city.wp &&
                unit.type < NUM_SUMMONED_TYPE_FIRST) {
                garrison++;
            }
        }
        pacify += garrison / 2;
    }
    int rebels = raw - pacify;
    if (rebels < 0 || wizard.Globals[ge_Life_Force]) {
        rebels = 0;
    }
    if (rebels > population) {
        rebels = population;
    }
    if (city.farmer_count + rebels > population) {
        int farmers = population - rebels;
        city.farmer_count = (uint8_t)(farmers < 0 ? 0 : farmers);
    }
    return (int16_t)rebels;
}

int16_t City_Current_Product_Cost(int16_t city_idx)
{
    if (!City_Valid(city_idx)) {
        return 0;
    }
    const City_Record &city = _CITIES[city_idx];
    int product = city.construction;
    if (product < PRODUCT_UNIT_BASE) {
        if (product < 0 || product >= NUM_BUILDING_TYPES || bldg_data_table == nullptr) {
            return 0;
        }
        return bldg_data_table[product].construction_cost;
    }
    int unit_type = product - PRODUCT_UNIT_BASE;
    if (unit_type >= NUM_UNIT_TYPES) {
        return 0;
    }
    const Unit_Type_Record &type = _unit_type_table[unit_type];
    int32_t cost = type.cost;
    if ((type.Abilities & UA_PURIFY) || type.Transport > 0 ||
        (type.Attribs_1 & (UI_STONING_IMMUNITY | UI_MISSILES_IMMUNITY))) {
        return (int16_t)cost;
    }
    int percent = 100 - City_Area_Yield_Sums(city_idx).unit_cost_reduction;
    if (percent < 50) {
        percent = 50;
    }
    if (percent != 100) {
        cost = cost * percent / 100;
    }
    return (int16_t)cost;
}

int16_t City_House_Count(int16_t city_idx) { return City_Valid(city_idx) ? _CITIES[city_idx].Pop_10s : 0; }

void NOOP_Current_Player_All_City_Areas(void) {}
