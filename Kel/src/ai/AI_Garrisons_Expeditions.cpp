#include "ai/AI_Garrisons_Expeditions.h"

#include "ai/AI_Army_Helpers.h"
#include "ai/AI_Army_Planning.h"
#include "ai/AI_Continents.h"
#include "ai/AI_Data.h"
#include "ai/AI_Ferries.h"
#include "ai/AI_Stack_Orders.h"
#include "ai/AI_Target_List.h"
#include "random.h"
#include "turn/Unit_Strength.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"

int16_t cp_drafted_unit_count;
int16_t G_Pushout_CX_IDs[AI_LEVY_MAX];
int16_t G_Pushout_UL_Indices[AI_LEVY_MAX];
int16_t G_Pushout_Values[AI_LEVY_MAX];
int16_t G_Pushout_Unit_Indices[AI_LEVY_MAX];
int16_t G_Pushout_Lowest_Value;

namespace {

constexpr int16_t NO_VALUE = 10000;
constexpr int16_t FAR_AWAY = 1000;
constexpr int AI_CITY_NEEDS_MAX = 100;
constexpr int16_t RACE_DRACONIAN = 3;
constexpr int16_t RACE_DWARVEN = 4;
constexpr int16_t RACE_TROLL = 13;

struct Levy {
    int16_t stack;
    int16_t slot;
    int16_t value;
    int16_t unit;
};

// Highest value first; neighbours swap only when the first is strictly lower.
void Sort_Levies(Levy *levies, int16_t count)
{
    for (int16_t pass = 0; pass < count; pass++) {
        for (int16_t i = 0; i + 1 < count; i++) {
            if (levies[i].value < levies[i + 1].value) {
                const Levy t = levies[i];
                levies[i] = levies[i + 1];
                levies[i + 1] = t;
            }
        }
    }
}

int16_t Stack_Count(const AI_Continent_Block *block, int16_t k)
{
    const int16_t count = block->own_stack_unit_count[k];
    return count < AI_STACK_UNITS_MAX ? count : (int16_t)AI_STACK_UNITS_MAX;
}

int16_t Stack_On(const AI_Continent_Block *block, int16_t wx, int16_t wy)
{
    for (int16_t k = 0; k < _ai_own_stack_count && k < AI_STACK_TABLE_MAX; k++) {
        if (block->own_stack_wx[k] == wx && block->own_stack_wy[k] == wy) return k;
    }
    return -1;
}

int16_t Is_Fighter(const Unit_Type_Record &type)
{
    return type.Construction == 0 && !(type.Abilities & (UA_CREATEOUTPOST | UA_MELD));
}

int16_t Landmass_Type(int16_t landmass_idx)
{
    return cp_landmass_type_array != nullptr && landmass_idx >= 0 && landmass_idx < AI_CONT_LANDMASSES
               ? cp_landmass_type_array[landmass_idx]
               : (int16_t)0;
}

int16_t Gather_X(int16_t landmass_idx)
{
    return cp_landmass_wx_array != nullptr && landmass_idx >= 0 && landmass_idx < AI_CONT_LANDMASSES
               ? cp_landmass_wx_array[landmass_idx]
               : (int16_t)-1;
}

int16_t Gather_Y(int16_t landmass_idx)
{
    return cp_landmass_wy_array != nullptr && landmass_idx >= 0 && landmass_idx < AI_CONT_LANDMASSES
               ? cp_landmass_wy_array[landmass_idx]
               : (int16_t)-1;
}

}  // namespace

void AI_Survey_Expedition_Forces(void)
{
    cp_drafted_unit_count = 0;
    G_Pushout_Lowest_Value = NO_VALUE;
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr) return;
    for (int16_t k = 0; k < _ai_own_stack_count && k < AI_STACK_TABLE_MAX; k++) {
        const int16_t count = block->own_stack_unit_count[k];
        switch (block->own_stack_type[k]) {
        case aist_Free: AI_Survey_Expedition_Stack(k, count, count); break;
        case aist_Roaming:
            if (block->own_stack_unit_list[k][0] != -1) AI_Survey_Expedition_Stack(k, count, count);
            break;
        case aist_Site:
            if (count > 5) AI_Survey_Expedition_Stack(k, count, (int16_t)(count - 5));
            break;
        case aist_Fortress:
            if (count > 5 && _turn < 100) AI_Survey_Expedition_Stack(k, count, (int16_t)(count - 5));
            break;
        default: break;
        }
    }
}

void AI_Survey_Expedition_Stack(int16_t stack_idx, int16_t unit_count, int16_t at_most)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr || stack_idx < 0 || stack_idx >= AI_STACK_TABLE_MAX) return;
    if (cp_drafted_unit_count < 0 || cp_drafted_unit_count > AI_LEVY_MAX) cp_drafted_unit_count = 0;
    Levy listed[AI_STACK_UNITS_MAX];
    int16_t n = 0;
    for (int16_t s = 0; s < unit_count && s < AI_STACK_UNITS_MAX; s++) {
        const int16_t unit_idx = block->own_stack_unit_list[stack_idx][s];
        const Unit_Type_Record *type = AI_Unit_Type(unit_idx);
        if (type == nullptr || !Is_Fighter(*type) || type->Transport != 0) continue;
        listed[n++] = {stack_idx, s, (int16_t)(Effective_Unit_Strength(unit_idx) / 10), unit_idx};
    }
    Sort_Levies(listed, n);
    Levy pool[AI_LEVY_MAX];
    int16_t pool_count = cp_drafted_unit_count;
    for (int16_t i = 0; i < pool_count; i++) {
        pool[i] = {G_Pushout_CX_IDs[i], G_Pushout_UL_Indices[i], G_Pushout_Values[i], G_Pushout_Unit_Indices[i]};
    }
    for (int16_t i = 0; i < n && i < at_most; i++) {
        if (pool_count < AI_LEVY_MAX) {
            pool[pool_count++] = listed[i];
            if (listed[i].value < G_Pushout_Lowest_Value) G_Pushout_Lowest_Value = listed[i].value;
            continue;
        }
        if (listed[i].value <= G_Pushout_Lowest_Value) continue;
        for (int16_t j = (int16_t)(pool_count - 1); j >= 0; j--) {
            if (pool[j].value == G_Pushout_Lowest_Value) {
                pool[j] = listed[i];
                break;
            }
        }
        G_Pushout_Lowest_Value = NO_VALUE;
        for (int16_t j = 0; j < pool_count; j++) {
            if (pool[j].value < G_Pushout_Lowest_Value) G_Pushout_Lowest_Value = pool[j].value;
        }
    }
    Sort_Levies(pool, pool_count);
    cp_drafted_unit_count = pool_count;
    for (int16_t i = 0; i < pool_count; i++) {
        G_Pushout_CX_IDs[i] = pool[i].stack;
        G_Pushout_UL_Indices[i] = pool[i].slot;
        G_Pushout_Values[i] = pool[i].value;
        G_Pushout_Unit_Indices[i] = pool[i].unit;
    }
}

void AI_Stacks_Roamers_Target_Or_Deploy(int16_t landmass_idx, int16_t wp, int16_t player_idx)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr || wp < 0 || wp >= NUM_PLANES) return;
    int16_t big = 0, assigned = 0;
    for (int16_t k = 0; k < _ai_own_stack_count && k < AI_STACK_TABLE_MAX; k++) {
        if (block->own_stack_type[k] != aist_Roaming) continue;
        const int16_t count = Stack_Count(block, k);
        if (block->own_stack_unit_count[k] >= 8) big = 1;
        int16_t committed = 0;
        for (int16_t s = 0; s < count; s++) committed |= block->own_stack_unit_list[k][s] == -1;
        if (committed) continue;
        int16_t tx = 0, ty = 0;
        if (!AI_Stacks_Assign_Target(block->own_stack_wx[k], block->own_stack_wy[k], &tx, &ty, k)) continue;
        for (int16_t s = 0; s < count; s++) {
            AI_Stacks_Order_Attack_Target_Or_Goto_Destination(block->own_stack_unit_list[k][s], tx, ty, k, s);
        }
        assigned = 1;
    }
    const int16_t war = AI_Landmass_War_Target(wp, player_idx);
    if (!big || assigned || war < 1 || war >= AI_CONT_LANDMASSES || war == landmass_idx) return;
    if (landmass_idx < 1 || landmass_idx >= AI_CONT_LANDMASSES || cp_landmass_type_array == nullptr) return;
    const AI_Square_List &dock = block->dock[wp];
    int32_t ax = 0, ay = 0, docks = 0;
    for (int16_t n = dock.heads[war], steps = 0; n >= 0 && n < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY;
         n = dock.next[n], ++steps) {
        ax += dock.wx[n];
        ay += dock.wy[n];
        docks++;
    }
    if (docks > 0) {
        ax /= docks;
        ay /= docks;
    }
    int16_t best = FAR_AWAY, bx = 0, by = 0;
    for (int16_t n = dock.heads[landmass_idx], steps = 0; n >= 0 && n < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY;
         n = dock.next[n], ++steps) {
        if (AI_Evaluation_Value(dock.wx[n], dock.wy[n], wp) != 0) continue;
        const int16_t d = AI_Distance(ax, ay, dock.wx[n], dock.wy[n]);
        if (d < best) {
            best = d;
            bx = dock.wx[n];
            by = dock.wy[n];
        }
    }
    if (best >= FAR_AWAY) return;
    cp_landmass_wx_array[landmass_idx] = (uint8_t)bx;
    cp_landmass_wy_array[landmass_idx] = (uint8_t)by;
    cp_landmass_type_array[landmass_idx] = ait_Expedition;
}

void AI_Stacks_Order_To_War_Landmass(int16_t player_idx, int16_t wp)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr || player_idx < 0 || player_idx >= AI_CONT_WIZARDS || wp < 0 || wp >= NUM_PLANES) return;
    const int16_t war = AI_Landmass_War_Target(wp, player_idx);
    if (war < 1 || war >= AI_CONT_LANDMASSES) return;
    const int16_t gx = _ai_continents.wx[wp][player_idx][war];
    const int16_t gy = _ai_continents.wy[wp][player_idx][war];
    for (int16_t k = 0; k < _ai_own_stack_count && k < AI_STACK_TABLE_MAX; k++) {
        if (block->own_stack_type[k] != aist_Free && block->own_stack_type[k] != aist_Roaming) continue;
        const int16_t count = Stack_Count(block, k);
        for (int16_t s = 0; s < count; s++) {
            const int16_t unit_idx = block->own_stack_unit_list[k][s];
            const Unit_Type_Record *type = AI_Unit_Type(unit_idx);
            if (type == nullptr || (type->Abilities & UA_MELD) || !AI_Unit_Air_Or_Water(unit_idx)) continue;
            const Unit_Record &unit = _UNITS[unit_idx];
            if (AI_Landmass_At(unit.wx, unit.wy, unit.wp) == war) continue;
            AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, gx, gy, k, s);
        }
    }
}

void AI_Stacks_Relocate_Roamers(int16_t landmass_idx, int16_t wp, int16_t player_idx)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr) return;
    const int16_t gx = Gather_X(landmass_idx), gy = Gather_Y(landmass_idx);
    const int16_t at_gather = Stack_On(block, gx, gy);
    int16_t room = at_gather >= 0 ? (int16_t)(AI_MEETING_ROOM - block->own_stack_unit_count[at_gather]) : (int16_t)0;
    for (int16_t k = 0; k < _ai_own_stack_count && k < AI_STACK_TABLE_MAX; k++) {
        if (block->own_stack_type[k] != aist_Roaming || block->own_stack_unit_list[k][0] == -1) continue;
        const int16_t count = block->own_stack_unit_count[k];
        AI_Stacks_Setup_Ferry(k, landmass_idx, wp, gx, gy, room, player_idx);
        room = (int16_t)(room - count);
    }
}

void AI_Stacks_Stage_Expedition_Forces(int16_t landmass_idx, int16_t wp, int16_t player_idx)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr) return;
    if (cp_staged_unit_count == AI_MEETING_ROOM && RANDOM(20) == 1) {
        AI_Reevaluate_Continent(player_idx, landmass_idx, wp);
        block = CONTXXX_Map();
        if (block == nullptr) return;
    }
    const int16_t threshold = _ai_expedition_size_threshold;
    const int16_t on_the_way = (int16_t)(cp_staged_unit_count + cp_enroute_unit_count);
    if (on_the_way >= threshold) return;
    const int16_t type = Landmass_Type(landmass_idx);
    if (type < ait_Expedition && type != ait_No_Own_City && on_the_way + cp_drafted_unit_count < threshold) return;
    const int16_t gx = Gather_X(landmass_idx), gy = Gather_Y(landmass_idx);
    const int16_t pool = cp_drafted_unit_count < AI_LEVY_MAX ? cp_drafted_unit_count : (int16_t)AI_LEVY_MAX;
    for (int16_t i = 0; i < pool && i < AI_MEETING_ROOM - cp_enroute_unit_count; i++) {
        AI_Stacks_Order_Attack_Target_Or_Goto_Destination(G_Pushout_Unit_Indices[i], gx, gy, G_Pushout_CX_IDs[i],
                                                          G_Pushout_UL_Indices[i]);
    }
}

namespace {

// Garrison sites of one kind (cities or nodes) with the units each still needs.
struct Garrison_Sites {
    int16_t count;
    int16_t wx[AI_CITY_NEEDS_MAX];
    int16_t wy[AI_CITY_NEEDS_MAX];
    int16_t need[AI_CITY_NEEDS_MAX];
};

void Add_Site(Garrison_Sites &sites, int16_t wx, int16_t wy, int16_t need)
{
    sites.wx[sites.count] = wx;
    sites.wy[sites.count] = wy;
    sites.need[sites.count++] = need;
}

// The site still in need whose distance from (sx, sy) less its need is lowest and strictly below
// *best (which it lowers), or -1.
int16_t Neediest_Site(const Garrison_Sites &sites, int16_t sx, int16_t sy, int16_t *best)
{
    int16_t chosen = -1;
    for (int16_t c = 0; c < sites.count; c++) {
        if (sites.need[c] <= 0) continue;
        const int16_t score = (int16_t)(AI_Distance(sx, sy, sites.wx[c], sites.wy[c]) - sites.need[c]);
        if (score < *best) {
            *best = score;
            chosen = c;
        }
    }
    return chosen;
}

}  // namespace

void AI_Stacks_Garrison_Sites(int16_t player_idx, int16_t wp, int16_t landmass_idx)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr || player_idx < 0 || player_idx >= NUM_PLAYERS || wp < 0 || wp >= NUM_PLANES) return;
    const int16_t type = Landmass_Type(landmass_idx);
    const int16_t secure = type == ait_Held || type >= ait_Expedition;
    const Fortress_Record &fortress = _FORTRESSES[player_idx];
    static Garrison_Sites cities, nodes;
    cities.count = 0;
    nodes.count = 0;
    for (int16_t j = 0; j < _cities && cities.count < AI_CITY_NEEDS_MAX; j++) {
        const City_Record &city = _CITIES[j];
        if (city.owner_idx != player_idx || city.wp != wp || AI_Landmass_At(city.wx, city.wy, wp) != landmass_idx)
            continue;
        int16_t need = 0;
        if (city.wx == fortress.wx && city.wy == fortress.wy && city.wp == fortress.wp) {
            need = 9;
        } else if (secure || city.race == RACE_DRACONIAN || city.race == RACE_DWARVEN || city.race == RACE_TROLL) {
            need = (int16_t)(city.population / 4 + 2);
        } else {
            need = (int16_t)(city.population / 3 + 2);
        }
        if (need > 9) need = 9;
        const int16_t k = Stack_On(block, city.wx, city.wy);
        if (k >= 0) need = (int16_t)(need - block->own_stack_unit_count[k]);
        if (need <= 0) continue;
        Add_Site(cities, city.wx, city.wy, need);
    }
    for (int16_t i = 0; i < NUM_NODES; i++) {
        const Node_Record &node = _NODES[i];
        if (node.wp != wp || AI_Evaluation_Value(node.wx, node.wy, wp) != AI_EVAL_SITE) continue;
        if (AI_Landmass_At(node.wx, node.wy, wp) != landmass_idx) continue;
        const int16_t k = Stack_On(block, node.wx, node.wy);
        const int16_t need = k >= 0 ? (int16_t)((secure ? 8 : 4) - block->own_stack_unit_count[k]) : (int16_t)8;
        if (need <= 0) continue;
        Add_Site(nodes, node.wx, node.wy, need);
    }
    const int16_t gx = Gather_X(landmass_idx), gy = Gather_Y(landmass_idx);
    for (int16_t k = 0; k < _ai_own_stack_count && k < AI_STACK_TABLE_MAX; k++) {
        if (block->own_stack_type[k] != aist_Free && block->own_stack_type[k] != aist_Roaming) continue;
        const int16_t sx = block->own_stack_wx[k], sy = block->own_stack_wy[k];
        if (sx == gx && sy == gy) continue;
        int16_t best = FAR_AWAY;
        Garrison_Sites *sites = &cities;
        int16_t site = Neediest_Site(cities, sx, sy, &best);
        if (site < 0) {
            sites = &nodes;
            site = Neediest_Site(nodes, sx, sy, &best);
        }
        if (site < 0) continue;
        int16_t &need = sites->need[site];
        const int16_t slots = need;
        const int16_t count = Stack_Count(block, k);
        for (int16_t s = 0; s < slots && s < count; s++) {
            const int16_t unit_idx = block->own_stack_unit_list[k][s];
            const Unit_Type_Record *unit_type = AI_Unit_Type(unit_idx);
            if (unit_type == nullptr || !Is_Fighter(*unit_type)) continue;
            AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, sites->wx[site], sites->wy[site], k, s);
            need--;
        }
    }
}
