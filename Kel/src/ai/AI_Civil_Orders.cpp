#include "ai/AI_Civil_Orders.h"

#include <vector>

#include "ai/AI_Army_Helpers.h"
#include "ai/AI_Army_Planning.h"
#include "ai/AI_Continents.h"
#include "ai/AI_Data.h"
#include "ai/AI_Ferries.h"
#include "ai/AI_Stack_Orders.h"
#include "cities/Outposts.h"
#include "random.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Plane_Shift.h"
#include "world/Site_Evaluation.h"
#include "world/Square_Queries.h"

namespace {

constexpr int16_t FAR_AWAY = 1000;

// Calls fn(stack, slot, unit) for every listed unit of the landmass stack table.
template <typename Fn> void For_Listed_Units(Fn fn)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr) return;
    for (int16_t k = 0; k < _ai_own_stack_count && k < AI_STACK_TABLE_MAX; k++) {
        const int16_t count = block->own_stack_unit_count[k];
        for (int16_t s = 0; s < count && s < AI_STACK_UNITS_MAX; s++) {
            const int16_t unit_idx = block->own_stack_unit_list[k][s];
            if (AI_Unit_Type(unit_idx) != nullptr) fn(k, s, unit_idx);
        }
    }
}

int16_t Landmass_Type_For(int16_t player_idx, int16_t wp, int16_t landmass)
{
    if (player_idx < 0 || player_idx >= AI_CONT_WIZARDS || landmass < 0 || landmass >= AI_CONT_LANDMASSES) return 0;
    return _ai_continents.type[wp][player_idx][landmass];
}

int16_t Player_Unit_On(int16_t player_idx, int16_t wx, int16_t wy, int16_t wp)
{
    for (int16_t k = 0; k < _units; k++) {
        const Unit_Record &unit = _UNITS[k];
        if (unit.owner_idx == player_idx && unit.wx == wx && unit.wy == wy && unit.wp == wp) return 1;
    }
    return 0;
}

// Marks the squares of the plane where the city-site survey answers more than "water or free": 2
// where a city stands within the survey's distance (no city may be founded there), 1 where a
// tower, node or lair stands (the survey decides). Elsewhere water alone decides, which spares a
// walk over the site tables for each square.
void Mark_Squares_Near_Sites(int16_t wp, std::vector<uint8_t> &marks)
{
    marks.assign(WORLD_SIZE, 0);
    auto mark = [&](int x, int y, uint8_t value = 1) {
        if (x >= 0 && x < WORLD_WIDTH && y >= 0 && y < WORLD_HEIGHT) marks[y * WORLD_WIDTH + x] = value;
    };
    for (int16_t t = 0; t < NUM_TOWERS; t++) mark(_TOWERS[t].wx, _TOWERS[t].wy);
    for (int16_t i = 0; i < NUM_NODES; i++) {
        if (_NODES[i].wp == wp) mark(_NODES[i].wx, _NODES[i].wy);
    }
    for (int16_t i = 0; i < NUM_LAIRS; i++) {
        if (_LAIRS[i].wp == wp) mark(_LAIRS[i].wx, _LAIRS[i].wy);
    }
    for (int16_t j = 0; j < _cities; j++) {
        const City_Record &city = _CITIES[j];
        if (city.wp != wp) continue;
        for (int dy = -SETTLING_MIN_CITY_DISTANCE; dy <= SETTLING_MIN_CITY_DISTANCE; dy++) {
            for (int dx = -SETTLING_MIN_CITY_DISTANCE; dx <= SETTLING_MIN_CITY_DISTANCE; dx++) {
                mark((city.wx + dx + WORLD_WIDTH) % WORLD_WIDTH, city.wy + dy, 2);
            }
        }
    }
}

int16_t Road_Connected(const City_Record &city, int16_t other_idx)
{
    if (other_idx < 0 || other_idx >= 13 * 8) return 0;
    return (city.road_connections[other_idx / 8] >> (other_idx % 8)) & 1;
}

}  // namespace

int16_t AI_Settle_Chance(int16_t objective)
{
    switch (objective) {
    case 4: return 4;
    case 2: return 3;
    case 0:
    case 1: return 2;
    default: return 1;
    }
}

int32_t AI_Settle_Site_Worth(int16_t wx, int16_t wy, int16_t wp)
{
    int16_t food = 0, production = 0, gold_bonus = 0, cost_reduction = 0, gold_income = 0, power = 0, special = 0,
            mithril = 0, adamantium = 0, coastal = 0, unexplored = 0;
    Compute_Base_Values_For_Map_Square(wx, wy, wp, &food, &production, &gold_bonus, &cost_reduction, &gold_income,
                                       &power, &special, &mithril, &adamantium, &coastal, &unexplored);
    return (int32_t)food * 10 + production + gold_bonus + cost_reduction + (int32_t)gold_income * 3 +
           (int32_t)power * 5 + (int32_t)special * 10 + (int32_t)mithril * 20 + (int32_t)adamantium * 50 +
           (int32_t)coastal * 50;
}

void AI_Stacks_Do_Meld(int16_t player_idx)
{
    For_Listed_Units([&](int16_t k, int16_t s, int16_t unit_idx) {
        if (!(AI_Unit_Type(unit_idx)->Abilities & UA_MELD)) return;
        const Unit_Record &unit = _UNITS[unit_idx];
        int16_t best = FAR_AWAY, bx = 0, by = 0;
        for (int16_t i = 0; i < NUM_NODES; i++) {
            const Node_Record &node = _NODES[i];
            if (node.wp != unit.wp || node.owner_idx == player_idx) continue;
            if (AI_Evaluation_Value(node.wx, node.wy, node.wp) != AI_EVAL_SITE) continue;
            const int16_t type = Landmass_Type_For(player_idx, node.wp, AI_Landmass_At(node.wx, node.wy, node.wp));
            if (type != ait_Held && type < ait_Expedition && !Player_Unit_On(player_idx, node.wx, node.wy, node.wp))
                continue;
            const int16_t d = AI_Distance(unit.wx, unit.wy, node.wx, node.wy);
            if (d < best) {
                best = d;
                bx = node.wx;
                by = node.wy;
            }
        }
        if (best >= FAR_AWAY) return;
        if (best == 0) {
            AI_Stacks_Order_Meld(unit_idx, k, s);
        } else {
            AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, bx, by, k, s);
        }
    });
}

void AI_Stacks_Do_Settle(int16_t player_idx, int16_t landmass_idx)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr || player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    if (landmass_idx < 0 || landmass_idx >= AI_CONT_LANDMASSES) return;
    const int16_t chance = AI_Settle_Chance(_players[player_idx].Objective);
    // The candidate sites of the landmass with their worth, in list order, filled once per call and
    // plane on the first settler that looks elsewhere.
    struct Site {
        int16_t wx;
        int16_t wy;
        int32_t worth;
    };
    std::vector<Site> sites[NUM_PLANES];
    int16_t surveyed[NUM_PLANES] = {0, 0};
    For_Listed_Units([&](int16_t k, int16_t s, int16_t unit_idx) {
        if (!(AI_Unit_Type(unit_idx)->Abilities & UA_CREATEOUTPOST)) return;
        const Unit_Record &unit = _UNITS[unit_idx];
        const int16_t x = unit.wx, y = unit.wy, wp = unit.wp;
        if (wp >= NUM_PLANES) return;
        int16_t elsewhere = 0;
        if (_turn >= 100 && Map_Square_Area_Has_Opponent(x, y, wp, 3, player_idx) && RANDOM(5) != 1) elsewhere = 1;
        if (!elsewhere && Map_Square_Survey(x, y, wp) != 0) elsewhere = 1;
        if (!elsewhere && RANDOM(5) > chance) elsewhere = 1;
        if (!elsewhere) {
            AI_Order_Settle(unit_idx, k, s);
            return;
        }
        int16_t tx = 0, ty = 0;
        if (AI_Find_Tower_To_Settle_Elsewhere(player_idx, unit_idx, &tx, &ty, wp)) {
            AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, tx, ty, k, s);
            return;
        }
        if (!surveyed[wp]) {
            surveyed[wp] = 1;
            const AI_Square_List &land = block->land[wp];
            std::vector<uint8_t> site_near;
            Mark_Squares_Near_Sites(wp, site_near);
            for (int16_t n = land.heads[landmass_idx], steps = 0;
                 n >= 0 && n < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY; n = land.next[n], ++steps) {
                const int16_t sx = land.wx[n], sy = land.wy[n];
                if ((AI_Evaluation_Value(sx, sy, wp) & AI_EVAL_STRENGTH_MASK) != 0) continue;
                const uint8_t near = site_near[sy * WORLD_WIDTH + sx];
                if (near == 2) continue;
                if (near == 1 ? Map_Square_Survey(sx, sy, wp) != 0 : Square_Is_Sailable(sx, sy, wp) != 0) continue;
                sites[wp].push_back({sx, sy, AI_Settle_Site_Worth(sx, sy, wp)});
            }
            block = CONTXXX_Map();
            if (block == nullptr) return;
        }
        int32_t best = -1;
        int16_t bx = 0, by = 0;
        for (const Site &site : sites[wp]) {
            const int16_t d = Range(x, y, site.wx, site.wy);
            if (d == 0) continue;
            const int32_t score = site.worth / d;
            if (score > best) {
                best = score;
                bx = site.wx;
                by = site.wy;
            }
        }
        if (best >= 0) {
            AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, bx, by, k, s);
        } else {
            AI_Stacks_Reorder_Settle_Elsewhere(unit_idx, x, y, wp, player_idx, k, s);
        }
    });
}

int16_t AI_Find_Tower_To_Settle_Elsewhere(int16_t player_idx, int16_t unit_idx, int16_t *out_x, int16_t *out_y,
                                          int16_t wp)
{
    if (AI_Unit_Type(unit_idx) == nullptr || player_idx < 0 || player_idx >= AI_CONT_WIZARDS) return 0;
    if (AI_Planar_Seal_In_Force() || wp != _FORTRESSES[player_idx].wp) return 0;
    const Unit_Record &unit = _UNITS[unit_idx];
    if (Square_Is_Tower(unit.wx, unit.wy)) return 0;
    const int16_t landmass = AI_Landmass_At(unit.wx, unit.wy, unit.wp);
    int16_t best = -1, best_d = 0;
    for (int16_t t = 0; t < NUM_TOWERS; t++) {
        const Tower_Record &tower = _TOWERS[t];
        if (tower.owner_idx != player_idx || AI_Landmass_At(tower.wx, tower.wy, unit.wp) != landmass) continue;
        const int16_t d = AI_Distance(unit.wx, unit.wy, tower.wx, tower.wy);
        if (best < 0 || d < best_d) {
            best = t;
            best_d = d;
        }
    }
    if (best < 0 || wp < 0 || wp >= NUM_PLANES) return 0;
    const Tower_Record &tower = _TOWERS[best];
    const int16_t other = (int16_t)(1 - wp);
    const int16_t type = Landmass_Type_For(player_idx, other, AI_Landmass_At(tower.wx, tower.wy, other));
    if (type == ait_Contested || type == ait_Unusable) return 0;
    *out_x = tower.wx;
    *out_y = tower.wy;
    return 1;
}

void AI_Stacks_Reorder_Settle_Elsewhere(int16_t unit_idx, int16_t wx, int16_t wy, int16_t wp, int16_t player_idx,
                                        int16_t stack_idx, int16_t slot)
{
    if (AI_Unit_Type(unit_idx) == nullptr || wp < 0 || wp >= NUM_PLANES) return;
    if (AI_Landmass_Settler_Target(wp, player_idx) == 0) return;
    if (AI_Unit_Air_Or_Water(unit_idx)) {
        AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, AI_Landmass_Settler_Target_WX(wp, player_idx),
                                                          AI_Landmass_Settler_Target_WY(wp, player_idx), stack_idx,
                                                          slot);
        return;
    }
    int16_t found = 0, ex = 0, ey = 0;
    for (int16_t y = (int16_t)(wy - 1); y <= wy + 1; y++) {
        if (y < 1 || y >= WORLD_HEIGHT) continue;
        for (int16_t dx = -1; dx <= 1; dx++) {
            const int16_t x = (int16_t)((wx + dx + WORLD_WIDTH) % WORLD_WIDTH);
            if (Square_Is_Embarkable(x, y, wp)) {
                found = 1;
                ex = x;
                ey = y;
            }
        }
    }
    if (found) {
        for (int16_t s = 0; s < _ai_all_own_stack_count && s < AI_OWN_STACKS_MAX && _ai_all_own_stacks != nullptr;
             s++) {
            const AI_Own_Stack &stack = _ai_all_own_stacks[s];
            if (stack.wp != wp || !(stack.flags & AI_STACK_TRANSPORT)) continue;
            if (stack.wx - wx > 1 || wx - stack.wx > 1 || stack.wy - wy > 1 || wy - stack.wy > 1) continue;
            AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, stack.wx, stack.wy, stack_idx, slot);
            return;
        }
        if (_ai_ferry_count >= 0 && _ai_ferry_count < AI_FERRY_POINTS_MAX) {
            AI_Stacks_Order_Ferry(unit_idx, stack_idx, slot);
            _ai_ferry_wx_array[_ai_ferry_count] = ex;
            _ai_ferry_wy_array[_ai_ferry_count] = ey;
            _ai_ferry_wp_array[_ai_ferry_count] = wp;
            _ai_ferry_count++;
        }
        return;
    }
    int16_t fx = wx, fy = wy;
    Next_Nearest_Ferry_Square(wx, wy, wp, &fx, &fy);
    int16_t lx = 0, ly = 0;
    if (Adjacent_Land_Square(fx, fy, wp, &lx, &ly))
        AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, lx, ly, stack_idx, slot);
}

int16_t Map_Square_Area_Has_Opponent(int16_t wx, int16_t wy, int16_t wp, int16_t radius, int16_t owner)
{
    for (int16_t k = 0; k < _units; k++) {
        const Unit_Record &unit = _UNITS[k];
        if (unit.owner_idx != owner || unit.wp != wp) continue;
        if (unit.wx - wx > radius || wx - unit.wx > radius || unit.wy - wy > radius || wy - unit.wy > radius) continue;
        return 1;
    }
    return 0;
}

int16_t Next_Nearest_Ferry_Square(int16_t wx, int16_t wy, int16_t wp, int16_t *out_x, int16_t *out_y)
{
    *out_x = wx;
    *out_y = wy;
    AI_Continent_Block *block = AI_Continent_Data();
    const int16_t landmass = AI_Landmass_At(wx, wy, wp);
    if (block == nullptr || !AI_On_Map(wx, wy, wp) || landmass >= AI_CONT_LANDMASSES) return 0;
    const AI_Square_List &dock = block->dock[wp];
    int16_t best = 2000, found = 0;
    for (int16_t n = dock.heads[landmass], steps = 0; n >= 0 && n < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY;
         n = dock.next[n], ++steps) {
        const int16_t d = AI_Distance(wx, wy, dock.wx[n], dock.wy[n]);
        if (d >= best) continue;
        int16_t clear_land = 0;
        for (int y = dock.wy[n] - 1; y <= dock.wy[n] + 1 && !clear_land; y++) {
            for (int x = dock.wx[n] - 1; x <= dock.wx[n] + 1 && !clear_land; x++) {
                clear_land = AI_On_Map(x, y, wp) && Square_Is_Land((int16_t)x, (int16_t)y, wp) &&
                             AI_Evaluation_Value((int16_t)x, (int16_t)y, wp) == 0;
            }
        }
        if (!clear_land) continue;
        best = d;
        *out_x = dock.wx[n];
        *out_y = dock.wy[n];
        found = 1;
    }
    return found;
}

int16_t Adjacent_Land_Square(int16_t wx, int16_t wy, int16_t wp, int16_t *out_x, int16_t *out_y)
{
    if (wp < 0 || wp >= NUM_PLANES) return 0;
    for (int16_t y = (int16_t)(wy - 1); y <= wy + 1; y++) {
        if (y < 1 || y >= WORLD_HEIGHT) continue;
        for (int16_t dx = -1; dx <= 1; dx++) {
            const int16_t x = (int16_t)(((wx + dx) % WORLD_WIDTH + WORLD_WIDTH) % WORLD_WIDTH);
            if (Square_Is_Land(x, y, wp) && AI_Evaluation_Value(x, y, wp) == 0) {
                *out_x = x;
                *out_y = y;
                return 1;
            }
        }
    }
    return 0;
}

void AI_Stacks_Do_Purify(int16_t landmass_idx, int16_t wp)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr || landmass_idx < 0 || landmass_idx >= AI_CONT_LANDMASSES || wp < 0 || wp >= NUM_PLANES)
        return;
    const AI_Square_List &land = block->land[wp];
    int16_t found = 0, px = 0, py = 0;
    for (int16_t n = land.heads[landmass_idx], steps = 0;
         n >= 0 && n < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY && !found; n = land.next[n], ++steps) {
        const int16_t x = land.wx[n], y = land.wy[n];
        if (!Square_Has_Corruption(x, y, wp) || (AI_Evaluation_Value(x, y, wp) & AI_EVAL_STRENGTH_MASK) != 0) continue;
        for (int16_t yy = (int16_t)(y - 2); yy <= y + 2 && !found; yy++) {
            for (int16_t xx = (int16_t)(x - 2); xx <= x + 2 && !found; xx++) {
                if (AI_On_Map(xx, yy, wp) && AI_Evaluation_Value(xx, yy, wp) == AI_EVAL_SITE) found = 1;
            }
        }
        if (found) {
            px = x;
            py = y;
        }
    }
    if (!found) return;
    for (int16_t k = 0; k < _ai_own_stack_count && k < AI_STACK_TABLE_MAX; k++) {
        if (block->own_stack_type[k] != aist_Free) continue;
        const int16_t count = block->own_stack_unit_count[k];
        for (int16_t s = 0; s < count && s < AI_STACK_UNITS_MAX; s++) {
            const int16_t unit_idx = block->own_stack_unit_list[k][s];
            const Unit_Type_Record *type = AI_Unit_Type(unit_idx);
            if (type == nullptr || !(type->Abilities & UA_PURIFY)) continue;
            const Unit_Record &unit = _UNITS[unit_idx];
            if (Square_Has_Corruption(unit.wx, unit.wy, unit.wp)) {
                AI_Stacks_Order_Purify(unit_idx, k, s);
            } else {
                AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, px, py, k, s);
            }
        }
    }
}

void AI_Stacks_Do_RoadBuild(int16_t landmass_idx)
{
    For_Listed_Units([&](int16_t k, int16_t s, int16_t unit_idx) {
        if (AI_Unit_Type(unit_idx)->Construction <= 0) return;
        const Unit_Record &unit = _UNITS[unit_idx];
        const int16_t wp = unit.wp;
        int16_t nearest = -1, nearest_d = FAR_AWAY;
        for (int16_t j = 0; j < _cities; j++) {
            const City_Record &city = _CITIES[j];
            if (city.wp != wp || AI_Landmass_At(city.wx, city.wy, city.wp) != landmass_idx) continue;
            const int16_t d = AI_Distance(unit.wx, unit.wy, city.wx, city.wy);
            if (d < nearest_d) {
                nearest_d = d;
                nearest = j;
            }
        }
        if (nearest < 0) return;
        const City_Record &from = _CITIES[nearest];
        if (nearest_d >= 2) {
            AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, from.wx, from.wy, k, s);
            return;
        }
        int16_t to = -1, to_d = FAR_AWAY;
        for (int16_t j = 0; j < _cities; j++) {
            const City_Record &city = _CITIES[j];
            if (j == nearest || city.wp != wp || AI_Landmass_At(city.wx, city.wy, city.wp) != landmass_idx) continue;
            if (Road_Connected(from, j)) continue;
            const int16_t d = AI_Distance(from.wx, from.wy, city.wx, city.wy);
            if (d < to_d) {
                to_d = d;
                to = j;
            }
        }
        if (to >= 0) AI_Stacks_Order_RoadBuild(unit_idx, _CITIES[to].wx, _CITIES[to].wy, k, s);
    });
}
