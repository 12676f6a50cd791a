#include "ai/AI_City_Production.h"

#include "ai/AI_Data.h"
#include "cities/City_Records.h"
#include "cities/Product_Rules.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

const int16_t ai_build_base_weights_table[10] = {10, 15, 30, 10, 10, 15, 15, 10, 10, 10};

const int16_t ai_build_objective_weights_table[10][5] = {
    {0, 0, 0, 5, 0}, {0, 0, 0, 5, 0}, {0, 0, 10, 0, 0}, {0, 0, 10, 0, 0}, {0, 10, 0, 0, 2},
    {0, 0, 0, 5, 0}, {0, 0, 0, 5, 0}, {0, 5, 0, 0, 5},  {0, 5, 0, 0, 3},  {0, 0, 0, 0, 10},
};

namespace {

constexpr int WEIGHT_MAX = 32767;
constexpr int ROW_UNITS = 8;
constexpr int ROW_SETTLERS = 9;

// Garrison buildings in the order the ladder takes them, with the units the square must exceed.
constexpr int16_t GARRISON_LADDER[5] = {bt_Garrison, bt_Builders_Lodge, bt_Shrine, bt_Capital_Hall, bt_Granary};

struct Autobuild_Rules {
    int16_t objective;
    bool garrison_need;
    bool settler_need;
    bool road_builder_need;
    int16_t transport_period;  // turns per transport the wizard may own
    int16_t transport_limit;
};

int32_t Saturate_Weight(int32_t weight) { return weight > WEIGHT_MAX ? WEIGHT_MAX : (weight < 0 ? 0 : weight); }

int16_t Objective_Column(int16_t player_idx)
{
    int16_t objective = _players[player_idx].Objective;
    return (objective >= 0 && objective < NUM_OBJECTIVES) ? objective : 0;
}

int16_t Building_Category(int16_t bldg_idx)
{
    int16_t category = bldg_data_table[bldg_idx].AI_Category;
    return (category >= 0 && category < 10) ? category : 0;
}

const Unit_Type_Record &Product_Unit_Type(int16_t product) { return _unit_type_table[product - PRODUCT_UNIT_BASE]; }

bool Type_Is_Settler(const Unit_Type_Record &type) { return (type.Abilities & UA_CREATEOUTPOST) != 0; }
bool Type_Is_Road_Builder(const Unit_Type_Record &type) { return type.Construction > 0; }
bool Type_Is_Transport(const Unit_Type_Record &type) { return type.Transport > 0; }

bool Building_Stands(const City_Record &city, int16_t bldg_idx) { return City_Building_Stands(city, bldg_idx); }

bool Apply_Garrison_Ladder(City_Record &city, int16_t unit_count)
{
    for (int step = 0; step < 5; step++) {
        if (unit_count > step && !Building_Stands(city, GARRISON_LADDER[step])) {
            city.construction = GARRISON_LADDER[step];
            return true;
        }
    }
    return false;
}

uint8_t Square_Landmass(int wx, int wy, int wp) { return _landmasses[World_Square_Index(wx, wy, wp)]; }

// Settlers and road builders are needed until the wizard has one on the city's landmass or another
// of its cities builds one.
void Settler_And_Road_Builder_Needs(int16_t player_idx, int16_t city_idx, Autobuild_Rules &rules)
{
    const City_Record &city = _CITIES[city_idx];
    uint8_t landmass = Square_Landmass(city.wx, city.wy, city.wp);
    rules.settler_need = true;
    rules.road_builder_need = true;
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        const Unit_Record &unit = _UNITS[unit_idx];
        if (unit.owner_idx != player_idx || unit.wp != city.wp || unit.wp > 1 || unit.wx >= WORLD_WIDTH ||
            unit.wy >= WORLD_HEIGHT || Square_Landmass(unit.wx, unit.wy, unit.wp) != landmass) {
            continue;
        }
        const Unit_Type_Record &type = _unit_type_table[unit.type];
        if (Type_Is_Settler(type)) rules.settler_need = false;
        if (Type_Is_Road_Builder(type)) rules.road_builder_need = false;
    }
    for (int16_t other = 0; other < _cities; other++) {
        const City_Record &city2 = _CITIES[other];
        if (other == city_idx || city2.owner_idx != player_idx || city2.construction < PRODUCT_UNIT_BASE ||
            city2.construction >= PRODUCT_UNIT_BASE + NUM_UNIT_TYPES) {
            continue;
        }
        const Unit_Type_Record &type = Product_Unit_Type(city2.construction);
        if (Type_Is_Settler(type)) rules.settler_need = false;
        if (Type_Is_Road_Builder(type)) rules.road_builder_need = false;
    }
}

int32_t Settler_Boost(int32_t weight, int16_t objective)
{
    if (_turn < 50) {
        weight = weight * 3 / 2;
    }
    return weight * (ai_build_objective_weights_table[ROW_SETTLERS][objective] + 10) / 10;
}

// Weighs one item of a city's product list.
using Product_Weigher = int32_t (*)(const City_Record &city, int16_t product, const void *context);

// The city's product list and its length (making it also recounts the city's buildings).
int16_t Product_List(int16_t city_idx, int16_t *list)
{
    int16_t length = 0;
    int16_t producible = 0;
    int16_t unit_count = 0;
    Calculate_Product_Array(city_idx, &length, &producible, &unit_count, list);
    return length;
}

// The weighted pick over a non-empty product list, each item weighed by weigh.
void Pick_Product(City_Record &city, const int16_t *list, int16_t length, Product_Weigher weigh, const void *context)
{
    uint16_t weights[PRODUCT_LIST_MAX] = {};
    for (int k = 0; k < length; k++) {
        weights[k] = (uint16_t)Saturate_Weight(weigh(city, list[k], context));
    }
    city.construction = list[Get_Weighted_Choice(weights, length)];
}

int32_t Unit_Cost_Weight(const Unit_Type_Record &type)
{
    int32_t tenth = type.cost / 10;
    return tenth * tenth;
}

// A computer wizard's or the Grand Vizier's weight of one product.
int32_t Wizard_Product_Weight(const City_Record &city, int16_t product, const void *context)
{
    const Autobuild_Rules &rules = *static_cast<const Autobuild_Rules *>(context);
    int32_t weight = 0;
    if (product >= PRODUCT_UNIT_BASE) {
        const Unit_Type_Record &type = Product_Unit_Type(product);
        weight = Saturate_Weight(Unit_Cost_Weight(type));
        if (Type_Is_Settler(type)) {
            weight = (rules.settler_need && city.population > 2) ? Settler_Boost(weight, rules.objective) : 0;
        } else if (Type_Is_Road_Builder(type)) {
            weight = rules.road_builder_need ? Settler_Boost(weight, rules.objective) : 0;
        } else if (Type_Is_Transport(type)) {
            int32_t allowed = _turn / rules.transport_period;
            weight = (allowed >= ai_transport_count && ai_transport_count <= rules.transport_limit)
                         ? weight * (allowed - ai_transport_count)
                         : 0;
        } else {
            weight = rules.garrison_need
                         ? weight * (ai_build_objective_weights_table[ROW_UNITS][rules.objective] + 10) / 10
                         : 0;
        }
    } else {
        int16_t category = Building_Category(product);
        weight = ai_build_base_weights_table[category] + ai_build_objective_weights_table[category][rules.objective];
        if (product == bt_Housing && city.population < 5) {
            weight *= 2;
        }
        if (rules.garrison_need) {
            weight = 0;
        }
    }
    return weight;
}

// The neutral player's weight of one product; context is its garrison need.
int32_t Neutral_Product_Weight(const City_Record &, int16_t product, const void *context)
{
    const bool garrison_need = *static_cast<const bool *>(context);
    if (product >= PRODUCT_UNIT_BASE) {
        const Unit_Type_Record &type = Product_Unit_Type(product);
        if (Type_Is_Settler(type) || Type_Is_Transport(type) || Type_Is_Road_Builder(type) || !garrison_need) {
            return 0;
        }
        return Unit_Cost_Weight(type);
    }
    if (garrison_need || product == bt_Boat_Builder || product == bt_Harbour) {
        return 0;
    }
    return ai_build_base_weights_table[Building_Category(product)];
}

void Pick_Weighted_Product(int16_t city_idx, const Autobuild_Rules &rules)
{
    int16_t list[PRODUCT_LIST_MAX] = {};
    const int16_t length = Product_List(city_idx, list);
    if (length > 0) Pick_Product(_CITIES[city_idx], list, length, Wizard_Product_Weight, &rules);
}

}  // namespace

int16_t Map_Square_Unit_Count(int16_t wx, int16_t wy, int16_t wp)
{
    int16_t count = 0;
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        const Unit_Record &unit = _UNITS[unit_idx];
        if (unit.wx == wx && unit.wy == wy && unit.wp == wp) {
            count++;
        }
    }
    return count;
}

void Player_All_Colony_Autobuild(int16_t player_idx)
{
    for (int16_t city_idx = 0; city_idx < _cities; city_idx++) {
        City_Record &city = _CITIES[city_idx];
        if (city.owner_idx != player_idx) {
            continue;
        }
        int16_t product = city.construction;
        bool routine = product == bt_Housing || product == bt_Trade_Goods;
        if (product == PRODUCT_NOTHING || (routine && RANDOM(6) == 1)) {
            if (player_idx == NEUTRAL_PLAYER_IDX) {
                Player_Colony_Autobuild_NP(city_idx);
            } else {
                Player_Colony_Autobuild_CP(player_idx, city_idx);
            }
        } else if (!routine && player_idx != NEUTRAL_PLAYER_IDX) {
            AI_Player_City_Buy_Production(player_idx, city_idx);
        }
    }
}

void Player_Colony_Autobuild_CP(int16_t player_idx, int16_t city_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || city_idx < 0 || city_idx >= _cities) {
        return;
    }
    City_Record &city = _CITIES[city_idx];
    int32_t cities = 0;
    int32_t trading = 0;
    for (int16_t other = 0; other < _cities; other++) {
        if (_CITIES[other].owner_idx == player_idx) {
            cities++;
            if (_CITIES[other].construction == bt_Trade_Goods) trading++;
        }
    }
    int32_t trade_goods_chance = (cities / 8 - trading) * 10 + 40;

    int home_landmass = -1;
    if (_turn < 201) {
        const Fortress_Record &fortress = _FORTRESSES[HUMAN_PLAYER_IDX];
        if (fortress.wp <= 1 && fortress.wx < WORLD_WIDTH && fortress.wy < WORLD_HEIGHT) {
            home_landmass = Square_Landmass(fortress.wx, fortress.wy, fortress.wp);
        }
    }

    Autobuild_Rules rules = {};
    rules.objective = Objective_Column(player_idx);
    rules.transport_period = 40;
    rules.transport_limit = 8;
    Settler_And_Road_Builder_Needs(player_idx, city_idx, rules);

    int16_t unit_count = Map_Square_Unit_Count(city.wx, city.wy, city.wp);
    if (Square_Landmass(city.wx, city.wy, city.wp) == home_landmass) {
        rules.garrison_need = unit_count < RANDOM(30);
    } else {
        rules.garrison_need = unit_count < RANDOM(15);
        if (Apply_Garrison_Ladder(city, unit_count)) {
            return;
        }
    }
    if (RANDOM(100) <= trade_goods_chance) {
        city.construction = bt_Trade_Goods;
        return;
    }
    Pick_Weighted_Product(city_idx, rules);
}

void Player_Colony_Autobuild_HP(int16_t city_idx)
{
    if (city_idx < 0 || city_idx >= _cities) {
        return;
    }
    City_Record &city = _CITIES[city_idx];
    if (city.population == 0) {
        return;
    }
    uint8_t landmass = Square_Landmass(city.wx, city.wy, city.wp);
    ai_transport_count = 0;
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        const Unit_Record &unit = _UNITS[unit_idx];
        if (unit.owner_idx == HUMAN_PLAYER_IDX && unit.wp == city.wp && unit.wp <= 1 && unit.wx < WORLD_WIDTH &&
            unit.wy < WORLD_HEIGHT && Square_Landmass(unit.wx, unit.wy, unit.wp) == landmass &&
            Type_Is_Transport(_unit_type_table[unit.type])) {
            ai_transport_count++;
        }
    }
    Autobuild_Rules rules = {};
    rules.objective = Objective_Column(HUMAN_PLAYER_IDX);
    rules.transport_period = 30;
    rules.transport_limit = 10;
    Settler_And_Road_Builder_Needs(HUMAN_PLAYER_IDX, city_idx, rules);

    int16_t unit_count = Map_Square_Unit_Count(city.wx, city.wy, city.wp);
    rules.garrison_need = unit_count < RANDOM(15);
    if (_turn < 20 && unit_count > 1) {
        rules.garrison_need = false;
    }
    if (Apply_Garrison_Ladder(city, unit_count)) {
        return;
    }
    Pick_Weighted_Product(city_idx, rules);
}

void Player_Colony_Autobuild_NP(int16_t city_idx)
{
    if (city_idx < 0 || city_idx >= _cities) {
        return;
    }
    City_Record &city = _CITIES[city_idx];
    bool garrison_need = Map_Square_Unit_Count(city.wx, city.wy, city.wp) < RANDOM(15) + 5;
    int16_t list[PRODUCT_LIST_MAX] = {};
    const int16_t length = Product_List(city_idx, list);
    if (!Building_Stands(city, bt_Garrison)) {
        city.construction = bt_Garrison;
    } else if (length > 0) {
        Pick_Product(city, list, length, Neutral_Product_Weight, &garrison_need);
    }
}

void AI_Player_City_Buy_Production(int16_t player_idx, int16_t city_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || city_idx < 0 || city_idx >= _cities) {
        return;
    }
    const City_Record &city = _CITIES[city_idx];
    int32_t price = City_Cost_To_Buy_Product(city_idx);
    int32_t threshold = 0;
    if (city.construction < PRODUCT_UNIT_BASE) {
        threshold = price * (RANDOM(4) + 1);
    } else if (city.construction < PRODUCT_UNIT_BASE + NUM_UNIT_TYPES &&
               Type_Is_Settler(Product_Unit_Type(city.construction))) {
        threshold = price * RANDOM(4);
    } else {
        threshold = price * (RANDOM(5) + 3);
    }
    if (threshold < _players[player_idx].gold_reserve) {
        Player_City_Buy_Production(player_idx, city_idx);
    }
}
