#include "cities/City_Records.h"

#include <cstring>

#include "STU_Log.h"
#include "cities/Product_Rules.h"
#include "random.h"
#include "turn/Building_Complete_Messages.h"
#include "turn/Report_Queues.h"
#include "turn/Wizard_Conquest.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Army_Services.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/City_Economy.h"
#include "world/Player_Record.h"
#include "world/Road_Connections.h"
#include "world/Unit_Type_Record.h"

int16_t _city_idx = 0;

namespace {

constexpr int16_t I16_MIN = -32768;
constexpr int16_t I16_MAX = 32767;

// clang-format off
const int16_t m_city_enchantment_help[NUM_CITY_ENCHANTMENTS] = {
    87, 110, 163, 183, 190, 196, 185, 189, 77, 72, 72, 72, 72,
    72, 12, 37, 148, 29, 152, 145, 153, 139, 155, 178, 146, 766,
};
// clang-format on

bool City_Valid(int16_t city_idx) { return city_idx >= 0 && city_idx < _cities && city_idx < NUM_CITIES; }
bool Building_Valid(int16_t bldg_idx) { return bldg_idx >= 0 && bldg_idx < NUM_BUILDINGS; }

// A requirement index stands when it names a building of the city whose status is 0 or 1.
bool Requirement_Stands(const City_Record &city, int req)
{
    return req >= 0 && req < NUM_BUILDINGS && City_Building_Stands(city, req);
}

int16_t Saturate_I16(int32_t value)
{
    if (value > I16_MAX) return I16_MAX;
    if (value < I16_MIN) return I16_MIN;
    return (int16_t)value;
}

// The cap only stops gains: a reserve above it (set elsewhere) keeps what it has and loses normally.
void Treasury_Add(int16_t &reserve, int32_t amount)
{
    int32_t value = reserve;
    if (value < RESERVE_CAP) {
        value = (RESERVE_CAP - value < amount) ? RESERVE_CAP : value + amount;
    } else {
        value = amount > 0 ? RESERVE_CAP : value + amount;
    }
    reserve = Saturate_I16(value);
}

// What Destroy_City asks of the turn messages and the city screen.
void City_Records_City_Removed(int16_t city_idx)
{
    City_Delete_Building_Complete_Messages(city_idx);
    Report_Queues_City_Removed(city_idx);
    if (_city_idx == city_idx) {
        _city_idx = -1;
    } else if (_city_idx > city_idx) {
        _city_idx--;
    }
}

}  // namespace

void City_Records_Install_World_Hooks(void)
{
    Army_World_Services services = army_world_services;
    services.city_removed = City_Records_City_Removed;
    Army_Set_World_Services(services);
}

int16_t Init_Outpost(void)
{
    if (_cities < 0 || _cities >= NUM_CITIES - 1) {
        return 0;
    }
    City_Record &city = _CITIES[_cities];
    city.race = 0;
    city.wx = 0;
    city.wy = 0;
    city.wp = 0;
    city.owner_idx = -1;  // 255: no owner yet
    city.size = 0;
    city.population = 0;
    city.bldg_sold = 0;
    city.Pop_10s = 0;
    city.contacts = 0;
    city.construction = bt_Housing;
    city.bldg_cnt = 0;
    memset(city.bldg_status, -1, sizeof(city.bldg_status));
    city.bldg_status[bt_None] = 0;
    memset(city.enchantments, 0, sizeof(city.enchantments));
    city.production_units = 0;
    city.Prod_Accu = 0;
    city.gold_units = 0;
    city.mana_units = 0;
    city.food_units = 0;
    _cities++;
    return 1;
}

void Change_City_Ownership(int16_t city_idx, int16_t new_owner_idx)
{
    if (!City_Valid(city_idx) || new_owner_idx < 0 || new_owner_idx >= NUM_PLAYERS) {
        STU_LOG(SEV_WARN, LC_GENERAL, "Change_City_Ownership: refused city %d to player %d", city_idx, new_owner_idx);
        return;
    }
    City_Record &city = _CITIES[city_idx];
    int16_t old_owner_idx = city.owner_idx;
    for (int e = 0; e < NUM_CITY_ENCHANTMENTS; e++) {
        if (city.enchantments[e] == old_owner_idx + 1) {
            city.enchantments[e] = 0;
        }
    }
    bool old_is_player = old_owner_idx >= 0 && old_owner_idx < NUM_PLAYERS;
    int16_t fortress_city = old_is_player ? Player_Fortress_City(old_owner_idx) : (int16_t)-1;
    int16_t summon_city = old_is_player ? Player_Summon_City(old_owner_idx) : (int16_t)-1;
    int owned = 0;
    for (int c = 0; c < _cities && owned < 2; c++) {
        if (_CITIES[c].owner_idx == old_owner_idx) {
            owned++;
        }
    }
    if (old_is_player && old_owner_idx != NEUTRAL_PLAYER_IDX && (city_idx == fortress_city || owned < 2)) {
        Resolve_Wizard_Conquest(old_owner_idx, new_owner_idx, city_idx);
    }
    if (city_idx == summon_city && fortress_city != -1) {
        Player_Record &old_owner = _players[old_owner_idx];
        const City_Record &fortress = _CITIES[fortress_city];
        old_owner.summon_wx = fortress.wx;
        old_owner.summon_wy = fortress.wy;
        old_owner.summon_wp = fortress.wp;
    }
    if (new_owner_idx == _current_player_idx) {
        Set_Square_Explored_Flags_Range(city.wx, city.wy, city.wp, 2);
    }
    city.owner_idx = (int8_t)new_owner_idx;
    city.construction = bt_Trade_Goods;
    city.Prod_Accu = 0;
    city.bldg_sold = 0;
    Do_City_Calculations(city_idx);
    Reset_City_Road_Connection_Bitfields();
    Reset_City_Area_Bitfields();
}

void Apply_Damage_To_City(int16_t city_idx, int16_t population_loss, int16_t percent, int16_t *list)
{
    if (!City_Valid(city_idx)) {
        return;
    }
    City_Record &city = _CITIES[city_idx];
    int listed = 0;
    if (percent > 0) {
        for (int16_t b = 1; b < NUM_BUILDINGS; b++) {
            if (city.bldg_status[b] < 1) {
                continue;
            }
            if (RANDOM(100) <= percent && City_Remove_Building(b, city_idx) && list != nullptr &&
                listed < CITY_DAMAGE_LIST_SIZE) {
                list[listed++] = b;
            }
        }
    }
    // Our population byte is unsigned: the loss is taken in int so that one above it empties the city.
    int population = city.population;
    if (population_loss > 0) {
        population -= population_loss;
    }
    city.population = (uint8_t)(population > 0 ? population : 0);
    int size = (population + 3) / 4;
    city.size = (uint8_t)(size > 5 ? 5 : (size > 0 ? size : 0));
    City_Check_Production(city_idx);
    if (population < 1 || size < 1) {
        city.size = 0;
        Destroy_City(city_idx);
    }
}

int16_t City_Remove_Building(int16_t bldg_idx, int16_t city_idx)
{
    if (!City_Valid(city_idx) || bldg_idx < 1 || bldg_idx >= NUM_BUILDINGS || bldg_data_table == nullptr) {
        return 0;
    }
    City_Record &city = _CITIES[city_idx];
    for (int i = 1; i < NUM_BUILDINGS; i++) {
        if (City_Building_Stands(city, i) &&
            (bldg_data_table[i].reqd_bldg_1 == bldg_idx || bldg_data_table[i].reqd_bldg_2 == bldg_idx)) {
            return 0;
        }
    }
    city.bldg_status[bldg_idx] = 2;
    return 1;
}

int16_t City_Sell_Building(int16_t bldg_idx, int16_t city_idx, int16_t price)
{
    if (!City_Remove_Building(bldg_idx, city_idx)) {
        return 0;
    }
    Player_Add_Gold(_CITIES[city_idx].owner_idx, price);
    return 1;
}

int16_t City_Sell_Building_Value(int16_t bldg_idx)
{
    if (!Building_Valid(bldg_idx) || bldg_data_table == nullptr) {
        return 1;
    }
    int16_t value = (int16_t)(bldg_data_table[bldg_idx].construction_cost / 3);
    if (bldg_idx == BLDG_CITY_WALLS) {
        value = (int16_t)(value / 2);
    }
    return value < 1 ? (int16_t)1 : value;
}

void City_Check_Production(int16_t city_idx)
{
    if (!City_Valid(city_idx) || bldg_data_table == nullptr) {
        return;
    }
    const City_Record &city = _CITIES[city_idx];
    int16_t product = city.construction;
    if (product >= PRODUCT_UNIT_BASE) {
        int type = product - PRODUCT_UNIT_BASE;
        if (type >= NUM_UNIT_TYPES) {
            return;
        }
        const Unit_Type_Record &unit = _unit_type_table[type];
        if (Requirement_Stands(city, unit.reqd_bldg_1) && Requirement_Stands(city, unit.reqd_bldg_2)) {
            return;
        }
    } else if (product > 0 && product < NUM_BUILDINGS) {
        const Building_Data_Record &bldg = bldg_data_table[product];
        if (bldg.reqd_bldg_1 <= PRODUCT_UNIT_BASE) {
            if (Requirement_Stands(city, bldg.reqd_bldg_1) && Requirement_Stands(city, bldg.reqd_bldg_2)) {
                return;
            }
        } else if (Requirement_Stands(city, bldg.reqd_bldg_2)) {
            return;
        }
    } else {
        return;  // nothing to check: cancelled already, or not a product
    }
    City_Cancel_Production(city_idx);
}

void City_Cancel_Production(int16_t city_idx)
{
    if (!City_Valid(city_idx)) {
        return;
    }
    City_Record &city = _CITIES[city_idx];
    if (city.owner_idx != _current_player_idx) {
        city.construction = PRODUCT_CANCELLED;
        return;
    }
    if (g_bldg_msg_ctr >= 0 && g_bldg_msg_ctr < MSG_BUILDING_COMPLETE_MAX) {
        MSG_Building_Complete[g_bldg_msg_ctr].city_idx = (uint8_t)city_idx;
        MSG_Building_Complete[g_bldg_msg_ctr].bldg_idx = (int16_t)-city.construction;
        g_bldg_msg_ctr++;
    } else {
        city.construction = bt_Housing;
    }
}

int16_t City_Building_Has_Requirement(int16_t bldg_idx, int16_t city_idx, int16_t *requiring_bldg)
{
    int16_t requirer = -1;
    if (requiring_bldg != nullptr) {
        *requiring_bldg = -1;
    }
    if (!City_Valid(city_idx) || !Building_Valid(bldg_idx) || bldg_data_table == nullptr) {
        return 0;
    }
    const City_Record &city = _CITIES[city_idx];
    if (city.bldg_status[bldg_idx] == 2) {
        return 0;
    }
    for (int i = 1; i < NUM_BUILDINGS && requirer == -1; i++) {
        if (!City_Building_Stands(city, i) ||
            (bldg_data_table[i].reqd_bldg_1 != bldg_idx && bldg_data_table[i].reqd_bldg_2 != bldg_idx)) {
            continue;
        }
        // A replaced requirer is named by the next building that does not stand replaced.
        int j = i;
        while (j < NUM_BUILDINGS && city.bldg_status[j] == 0) {
            j++;
        }
        if (j < NUM_BUILDINGS) {
            requirer = (int16_t)j;
        }
    }
    if (requiring_bldg != nullptr) {
        *requiring_bldg = requirer;
    }
    return requirer == -1 ? 1 : 0;
}

int16_t City_Building_Not_Needed_For_Product(int16_t city_idx, int16_t bldg_idx)
{
    if (!City_Valid(city_idx)) {
        return 1;
    }
    int16_t product = _CITIES[city_idx].construction;
    int req_1 = -1;
    int req_2 = -1;
    if (product >= PRODUCT_UNIT_BASE && product - PRODUCT_UNIT_BASE < NUM_UNIT_TYPES) {
        req_1 = _unit_type_table[product - PRODUCT_UNIT_BASE].reqd_bldg_1;
        req_2 = _unit_type_table[product - PRODUCT_UNIT_BASE].reqd_bldg_2;
    } else if (product > 0 && product < NUM_BUILDINGS && bldg_data_table != nullptr) {
        req_1 = bldg_data_table[product].reqd_bldg_1;
        req_2 = bldg_data_table[product].reqd_bldg_2;
    }
    return (bldg_idx == req_1 || bldg_idx == req_2) ? 0 : 1;
}

int16_t Player_Gold_Covers_Production_Cost__NIU(int16_t player_idx, int16_t city_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || !City_Valid(city_idx)) {
        return 0;
    }
    int16_t missing = City_Production_Cost(_CITIES[city_idx].construction, city_idx);
    return _players[player_idx].gold_reserve >= missing ? 1 : 0;
}

int16_t City_Cost_To_Buy_Product(int16_t city_idx)
{
    if (!City_Valid(city_idx)) {
        return 0;
    }
    const City_Record &city = _CITIES[city_idx];
    int32_t missing = City_Production_Cost(city.construction, city_idx);
    int32_t factor = 2;
    if (city.Prod_Accu <= 0) {
        factor = 4;
    } else if (city.Prod_Accu < missing / 2) {
        factor = 3;
    }
    return Saturate_I16(factor * missing);
}

void Player_City_Buy_Production(int16_t player_idx, int16_t city_idx)
{
    if (!City_Valid(city_idx)) {
        return;
    }
    City_Record &city = _CITIES[city_idx];
    Player_Add_Gold(player_idx, -(int32_t)City_Cost_To_Buy_Product(city_idx));
    city.Prod_Accu = Saturate_I16((int32_t)city.Prod_Accu + City_Production_Cost(city.construction, city_idx));
}

void All_City_Removed_Buildings(void)
{
    for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
        City_Record &city = _CITIES[c];
        if (city.owner_idx == _current_player_idx) {
            city.bldg_sold = 0;
        }
        for (int j = 0; j < NUM_BUILDINGS; j++) {
            if (city.bldg_status[j] != 2) {
                continue;
            }
            int16_t replaced = bldg_data_table != nullptr ? bldg_data_table[j].replace_bldg : (int16_t)-1;
            if (Building_Valid(replaced)) {
                city.bldg_status[replaced] = 1;
            }
            city.bldg_status[j] = -1;
        }
    }
}

void Player_Add_Gold(int16_t player_idx, int32_t amount)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return;
    }
    Treasury_Add(_players[player_idx].gold_reserve, amount);
}

void Player_Add_Mana(int16_t player_idx, int32_t amount)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return;
    }
    Treasury_Add(_players[player_idx].mana_reserve, amount);
}

int16_t City_Enchantment_HelpIdx(int16_t enchantment)
{
    if (enchantment < 0 || enchantment >= NUM_CITY_ENCHANTMENTS) {
        return -1;
    }
    return m_city_enchantment_help[enchantment];
}
