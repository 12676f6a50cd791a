#include "world/Site_Evaluation.h"

#include "STU_Wrappers.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Army_Services.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/Map_Square_Record.h"
#include "world/Square_Queries.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int UNIT_COST_REDUCTION_CAP = 50;
constexpr int SITE_FOOD_CAP = 25;
constexpr int MERCENARY_TRIES = 19;
constexpr int MERCENARY_FIRST_TURN = 30;
constexpr int MERCENARY_EXCLUDED_TYPE = 131;

int City_At(int wx, int wy, int wp)
{
    int bit = wy * WORLD_WIDTH + wx;
    if (wy < 0 || wy >= WORLD_HEIGHT || wx < 0 || wx >= WORLD_WIDTH ||
        !((city_area_bits[wp * CITY_AREA_BITS_PLANE_BYTES + (bit >> 3)] >> (bit & 7)) & 1)) {
        return -1;  // a city's own square is in its area
    }
    for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wx == wx && city.wy == wy && city.wp == wp) {
            return c;
        }
    }
    return -1;
}

}  // namespace

Site_Values Site_Evaluate(int16_t wx, int16_t wy, int16_t wp)
{
    Site_Values v = {};
    if (wp < 0 || wp >= NUM_PLANES) {
        wp = Stack_Garbage_Range(0, 1);
    }
    wx = (int16_t)(((wx % WORLD_WIDTH) + WORLD_WIDTH) % WORLD_WIDTH);
    int columns[5];
    for (int k = 0; k < 5; k++) {
        int x = wx + k - 2;
        columns[k] = x < 0 ? x + WORLD_WIDTH : x >= WORLD_WIDTH ? x - WORLD_WIDTH : x;
    }
    int city_idx = City_At(wx, wy, wp);
    // The centre's trade bonus and the coastal flag, from one look at the 3 x 3 block.
    bool shore = false;
    for (int dy = -1; dy <= 1; dy++) {
        int y = wy + dy;
        if (y < 0 || y >= WORLD_HEIGHT) {
            continue;
        }
        for (int dx = -1; dx <= 1; dx++) {
            int square = World_Square_Index(columns[dx + 2], y, wp);
            if (!terrain_class_info[Terrain_Class(_world_maps[square])].sailable) {
                continue;
            }
            shore = shore || dx != 0 || dy != 0;
            if (y > 0 && _square_explored[square] != 0) {
                v.coastal = 1;
            }
        }
    }
    int river = 0;
    if (wy >= 0 && wy < WORLD_HEIGHT) {
        int c = Terrain_Class(_world_maps[World_Square_Index(wx, wy, wp)]);
        river = (c >= 185 && c <= 196) || (c >= 233 && c <= 258) || (c >= 468 && c <= 472);
    }
    v.gold_bonus = (int16_t)(river && shore ? 30 : river ? 20 : shore ? 10 : 0);
    int32_t food = 0;
    int32_t production = 0;
    int32_t reduction = 0;
    int32_t gold = 0;
    int32_t power = 0;
    int carry = 0;
    const uint8_t *area_bits = city_area_bits + wp * CITY_AREA_BITS_PLANE_BYTES;
    const uint8_t *shared_bits = city_area_shared_bits + wp * CITY_AREA_BITS_PLANE_BYTES;
    for (int dy = -2; dy <= 2; dy++) {
        int y = wy + dy;
        if (y <= 0 || y >= WORLD_HEIGHT) {
            continue;  // row 0 is not counted
        }
        int reach = (dy == -2 || dy == 2) ? 1 : 2;
        for (int dx = -reach; dx <= reach; dx++) {
            int x = columns[dx + 2];
            int square = World_Square_Index(x, y, wp);
            if (_square_explored[square] == 0) {
                v.unexplored = 1;
                continue;
            }
            uint8_t specials = _map_square_terrain_specials[square];
            int bit = y * WORLD_WIDTH + x;
            Square_Facts facts{Terrain_Class(_world_maps[square]), specials,
                               (uint8_t)((shared_bits[bit >> 3] >> (bit & 7)) & 1)};
            int square_food = Square_Facts_Food_x2(facts) + ((specials & ts_Wild_Game) ? 2 : 0);
            int square_production = Square_Facts_Production_Bonus(facts, 0);
            // With no city here, a square in some city's area counts half.
            bool half = city_idx < 0 && ((area_bits[bit >> 3] >> (bit & 7)) & 1);
            if (half) {
                int carried = square_food + carry;
                food += carried / 2;
                carry = carried % 2;
                production += square_production / 2;
            } else {
                food += square_food;
                production += square_production;
            }
            if (specials == 0) {
                continue;
            }
            int square_reduction = Square_Facts_Unit_Cost_Reduction(facts, 0, 0);
            int square_gold = Square_Facts_Gold_Income(facts, 0, 0);
            int square_power = Square_Facts_Magic_Power(facts, 0, 0);
            if (half) {
                reduction += square_reduction / 2;
                gold += square_gold / 2;
                power += square_power / 2;
            } else {
                reduction += square_reduction;
                gold += square_gold;
                power += square_power;
            }
            if (reduction > UNIT_COST_REDUCTION_CAP) {
                reduction = UNIT_COST_REDUCTION_CAP;
            }
            if (specials & ts_Nightshade) {
                v.special = 1;
            }
            if (specials == ts_Mithril) {
                v.mithril = 1;
            }
            if (specials == ts_Adamantium) {
                v.adamantium = 1;
                v.mithril = 0;
            }
        }
    }
    food /= 4;
    if (city_idx >= 0) {
        const City_Record &city = _CITIES[city_idx];
        food = City_Maximum_Size((int16_t)city_idx);
        production += City_Building_Stands(city, bt_Woodcraft_Guild) ? 25 : 0;
        production += City_Building_Stands(city, bt_Sawmill) ? 25 : 0;
        production += City_Building_Stands(city, bt_Miners_Guild) ? 50 : 0;
        production += City_Building_Stands(city, bt_Machine_Works) ? 50 : 0;
        production += city.enchantments[ce_Inspirations] ? 100 : 0;
        int32_t trade = v.gold_bonus + (city.race == rt_Nomad ? 50 : 0) + City_Road_Trade_Bonus((int16_t)city_idx);
        if (trade > city.population * 3) {
            trade = city.population * 3;
        }
        trade += City_Building_Stands(city, bt_Trade_Guild) ? 100 : 0;
        trade += City_Building_Stands(city, bt_Counting_House) ? 50 : 0;
        trade += City_Building_Stands(city, bt_Market) ? 50 : 0;
        trade += city.enchantments[ce_Prosperity] ? 100 : 0;
        v.gold_bonus = (int16_t)trade;
    }
    if (food > SITE_FOOD_CAP) {
        food = SITE_FOOD_CAP;
    }
    v.food = (int16_t)food;
    v.production_bonus = (int16_t)production;
    v.unit_cost_reduction = (int16_t)reduction;
    v.gold_income = (int16_t)gold;
    v.power = (int16_t)power;
    return v;
}

void Compute_Base_Values_For_Map_Square(int16_t wx, int16_t wy, int16_t wp, int16_t *food, int16_t *production_bonus,
                                        int16_t *gold_bonus, int16_t *unit_cost_reduction, int16_t *gold_income,
                                        int16_t *power, int16_t *special, int16_t *mithril, int16_t *adamantium,
                                        int16_t *coastal, int16_t *unexplored)
{
    Site_Values v = Site_Evaluate(wx, wy, wp);
    *food = v.food;
    *production_bonus = v.production_bonus;
    *gold_bonus = v.gold_bonus;
    *unit_cost_reduction = v.unit_cost_reduction;
    *gold_income = v.gold_income;
    *power = v.power;
    *special = v.special;
    *mithril = v.mithril;
    *adamantium = v.adamantium;
    *coastal = v.coastal;
    *unexplored = v.unexplored;
}

void Generate_Mercenaries(int16_t player_idx, int16_t *count, int16_t *unit_type, int16_t *cost, int16_t *level)
{
    int16_t garbage = Stack_Garbage();
    *count = 0;
    *unit_type = 0;
    *cost = 0;
    *level = 0;
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return;
    }
    bool presence[NUM_PLANES] = {false, false};
    for (int u = 0; u < _units && u < UNIT_TABLE_CAPACITY; u++) {
        if (_UNITS[u].owner_idx == player_idx && _UNITS[u].wp < NUM_PLANES) {
            presence[_UNITS[u].wp] = true;
        }
    }
    for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
        if (_CITIES[c].owner_idx == player_idx && _CITIES[c].wp < NUM_PLANES) {
            presence[_CITIES[c].wp] = true;
        }
    }
    for (int t = 0; t < NUM_TOWERS; t++) {
        if (_TOWERS[t].owner_idx == player_idx) {
            presence[0] = presence[1] = true;
        }
    }
    const Player_Record &wizard = _players[player_idx];
    int fame_draw = wizard.fame + RANDOM(100);
    *level = (int16_t)(fame_draw <= 60 ? 1 : fame_draw <= 90 ? 2 : 3);
    for (int tries = 0; tries < MERCENARY_TRIES && _turn >= MERCENARY_FIRST_TURN; tries++) {
        int type_idx = RANDOM(NUM_UNIT_TYPES) - 1;
        const Unit_Type_Record &type = _unit_type_table[type_idx];
        if ((type.Abilities & (UA_FANTASTIC | UA_CREATEOUTPOST)) || (type.Move_Flags & MV_SAILING) ||
            type_idx < NUM_HERO_TYPES || type_idx == MERCENARY_EXCLUDED_TYPE ||
            (type.race == rt_Draconian && type.Construction > 0)) {
            continue;
        }
        bool second_plane_race = type.race == rt_Beastmen || type.race == rt_Dark_Elf || type.race == rt_Draconian ||
                                 type.race == rt_Dwarven || type.race == rt_Troll;
        if (second_plane_race ? !presence[1] : !presence[0]) {
            continue;
        }
        if (_turn / 2 < garbage) {
            continue;
        }
        int count_draw = wizard.fame + RANDOM(100);
        int n = count_draw <= 60 ? 1 : count_draw <= 90 ? 2 : 3;
        int32_t price = (int32_t)type.cost * (*level + 3) / 2 * n;
        if (price > 32767) {
            price = 32767;
        }
        *unit_type = (int16_t)type_idx;
        *count = (int16_t)n;
        if (wizard.gold_reserve < price) {
            *count = 0;
        }
        if (wizard.retorts[rtr_Charismatic]) {
            price /= 2;
        }
        if (player_idx != 0 && !Army_Accept_Mercenaries(player_idx, (int16_t)price)) {
            *count = 0;
        }
        *cost = (int16_t)price;
        return;
    }
}
