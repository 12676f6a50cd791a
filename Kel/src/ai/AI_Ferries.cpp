#include "ai/AI_Ferries.h"

#include "ai/AI_Army_Helpers.h"
#include "ai/AI_Army_Planning.h"
#include "ai/AI_Civil_Orders.h"
#include "ai/AI_Continents.h"
#include "ai/AI_Data.h"
#include "ai/AI_Stack_Orders.h"
#include "random.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Square_Queries.h"
#include "world/Unit_Death.h"

int16_t _ai_ferry_wx_array[AI_FERRY_POINTS_MAX];
int16_t _ai_ferry_wy_array[AI_FERRY_POINTS_MAX];
int16_t _ai_ferry_wp_array[AI_FERRY_POINTS_MAX];

namespace {

constexpr int16_t FAR_AWAY = 1000;
constexpr int16_t TREATY_ALLIANCE = 2;

int16_t Is_Sea(int x, int y, int wp)
{
    return AI_On_Map(x, y, wp) && Square_Is_OceanLike((int16_t)x, (int16_t)y, (int16_t)wp);
}

// The last sea square of the 3 x 3 around (x, y), rows outer.
int16_t Last_Sea_Around(int16_t wx, int16_t wy, int16_t wp, int16_t *out_x, int16_t *out_y)
{
    int16_t found = 0;
    for (int16_t y = (int16_t)(wy - 1); y <= wy + 1; y++) {
        for (int16_t x = (int16_t)(wx - 1); x <= wx + 1; x++) {
            if (!Is_Sea(x, y, wp)) continue;
            found = 1;
            *out_x = x;
            *out_y = y;
        }
    }
    return found;
}

void Send_Square_Units(int16_t player_idx, int16_t wx, int16_t wy, int16_t wp, int16_t to_x, int16_t to_y)
{
    for (int16_t k = 0; k < _units; k++) {
        Unit_Record &unit = _UNITS[k];
        if (unit.owner_idx != player_idx || unit.wx != wx || unit.wy != wy || unit.wp != wp) continue;
        unit.Status = us_GOTO;
        unit.dst_wx = (uint8_t)to_x;
        unit.dst_wy = (uint8_t)to_y;
    }
}

int16_t Unit_Moves_Over_Sea(int16_t unit_idx)
{
    return AI_Unit_Air_Or_Water(unit_idx) || Unit_Has_NonCorporeal(unit_idx);
}

int16_t War_Landmass(int16_t wp, int16_t player_idx)
{
    const int16_t w = AI_Landmass_War_Target(wp, player_idx);
    return w >= 1 && w < AI_CONT_LANDMASSES ? w : (int16_t)0;
}

}  // namespace

void AI_Stacks_Ferry_Add_Location(int16_t wx, int16_t wy, int16_t wp)
{
    if (_ai_ferry_count < 0) _ai_ferry_count = 0;
    if (_ai_ferry_count >= AI_FERRY_POINTS_MAX) return;
    for (int16_t i = 0; i < _ai_ferry_count; i++) {
        if (_ai_ferry_wx_array[i] == wx && _ai_ferry_wy_array[i] == wy && _ai_ferry_wp_array[i] == wp) return;
    }
    _ai_ferry_wx_array[_ai_ferry_count] = wx;
    _ai_ferry_wy_array[_ai_ferry_count] = wy;
    _ai_ferry_wp_array[_ai_ferry_count] = wp;
    _ai_ferry_count++;
}

void AI_Stacks_Setup_Ferry(int16_t stack_idx, int16_t landmass_idx, int16_t wp, int16_t gx, int16_t gy, int16_t room,
                           int16_t player_idx)
{
    (void)landmass_idx;
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr || stack_idx < 0 || stack_idx >= AI_STACK_TABLE_MAX || wp < 0 || wp >= NUM_PLANES) return;
    const int16_t sx = block->own_stack_wx[stack_idx];
    const int16_t sy = block->own_stack_wy[stack_idx];
    const int16_t count = block->own_stack_unit_count[stack_idx] < AI_STACK_UNITS_MAX
                              ? block->own_stack_unit_count[stack_idx]
                              : (int16_t)AI_STACK_UNITS_MAX;
    int16_t mx = sx, my = sy;
    Last_Sea_Around(gx, gy, wp, &mx, &my);
    AI_Stacks_Ferry_Add_Location(mx, my, wp);
    if (sx != gx || sy != gy) {
        for (int16_t s = 0; s < count && room > 0; s++, room--) {
            AI_Stacks_Order_Attack_Target_Or_Goto_Destination(block->own_stack_unit_list[stack_idx][s], gx, gy,
                                                              stack_idx, s);
        }
    }
    int16_t found = 0, seats = 0, limit = AI_MEETING_ROOM, bx = 0, by = 0;
    for (int16_t k = 0; k < _units; k++) {
        Unit_Record &unit = _UNITS[k];
        const Unit_Type_Record *type = AI_Unit_Type(k);
        if (type == nullptr || unit.owner_idx != player_idx) continue;
        if (unit.wx - sx > 1 || sx - unit.wx > 1 || unit.wy - sy > 1 || sy - unit.wy > 1) continue;
        if (!Is_Sea(unit.wx, unit.wy, wp)) continue;
        if (type->Transport > 0) {
            unit.Status = us_GOTO;
            unit.dst_wx = unit.wx;
            unit.dst_wy = unit.wy;
            seats = (int16_t)(seats + type->Transport);
        } else if (!AI_Unit_Air_Or_Water(k)) {
            seats--;
        }
        limit--;
        found = 1;
        bx = unit.wx;
        by = unit.wy;
    }
    if (!found) return;
    for (int16_t s = 0; s < count && s < limit && seats > 0; s++) {
        const int16_t unit_idx = block->own_stack_unit_list[stack_idx][s];
        if (AI_Unit_Type(unit_idx) != nullptr && !AI_Unit_Air_Or_Water(unit_idx)) seats--;
        AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, bx, by, stack_idx, s);
    }
}

void AI_Stacks_Wartime_Ocean_Movement_And_Cleanup(int16_t player_idx, int16_t wp)
{
    if (player_idx < 0 || player_idx >= AI_CONT_WIZARDS || wp < 0 || wp >= NUM_PLANES) return;
    const int16_t war = War_Landmass(wp, player_idx);
    if (war == 0) return;
    int16_t dx = _ai_continents.wx[wp][player_idx][war];
    int16_t dy = _ai_continents.wy[wp][player_idx][war];
    if (dx == 0 && dy == 0) {
        const Fortress_Record &f = _FORTRESSES[player_idx];
        int16_t best = FAR_AWAY;
        for (int16_t m = 1; m < AI_CONT_LANDMASSES; m++) {
            const int16_t type = _ai_continents.type[wp][player_idx][m];
            if (type != ait_Contested && type != ait_No_Own_City) continue;
            const int16_t gx = _ai_continents.wx[wp][player_idx][m];
            const int16_t gy = _ai_continents.wy[wp][player_idx][m];
            const int16_t d = AI_Distance(f.wx, f.wy, gx, gy);
            if (d < best) {
                best = d;
                dx = gx;
                dy = gy;
            }
        }
    }
    if (dx != 0 || dy != 0) {
        for (int16_t k = 0; k < _units; k++) {
            Unit_Record &unit = _UNITS[k];
            const Unit_Type_Record *type = AI_Unit_Type(k);
            if (type == nullptr || unit.owner_idx != player_idx || unit.wp != wp || unit.Status != us_Ready) continue;
            if (!AI_On_Map(unit.wx, unit.wy, unit.wp) || AI_Landmass_At(unit.wx, unit.wy, unit.wp) != 0) continue;
            if ((type->Abilities & UA_MELD) || type->Transport != 0 || !Unit_Moves_Over_Sea(k)) continue;
            unit.Status = us_GOTO;
            unit.dst_wx = (uint8_t)dx;
            unit.dst_wy = (uint8_t)dy;
        }
    }
    AI_Stacks_Init_Build_Target_Order(player_idx, 0, wp);
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr) return;
    for (int16_t k = 0; k < _ai_own_stack_count && k < AI_STACK_TABLE_MAX; k++) {
        const int16_t count = block->own_stack_unit_count[k];
        int16_t keep = 0;
        for (int16_t s = 0; s < count && s < AI_STACK_UNITS_MAX && !keep; s++) {
            const int16_t unit_idx = block->own_stack_unit_list[k][s];
            keep = unit_idx < 0 || Unit_Moves_Over_Sea(unit_idx);
        }
        if (keep) continue;
        for (int16_t u = 0; u < _units; u++) {
            const Unit_Record &unit = _UNITS[u];
            if (unit.owner_idx == player_idx && unit.wx == block->own_stack_wx[k] &&
                unit.wy == block->own_stack_wy[k] && unit.wp == wp) {
                Kill_Unit(u, kum_Plain);
            }
        }
    }
}

void AI_Stacks_Ocean_Landmass_Orders(int16_t player_idx, int16_t wp)
{
    if (player_idx < 0 || player_idx >= AI_CONT_WIZARDS || wp < 0 || wp >= NUM_PLANES) return;
    const int16_t points = _ai_ferry_count < 0                     ? (int16_t)0
                           : _ai_ferry_count > AI_FERRY_POINTS_MAX ? (int16_t)AI_FERRY_POINTS_MAX
                                                                   : _ai_ferry_count;
    int16_t room[AI_FERRY_POINTS_MAX];
    for (int16_t i = 0; i < points; i++) room[i] = AI_MEETING_ROOM;
    for (int16_t k = 0; k < _units; k++) {
        const Unit_Record &unit = _UNITS[k];
        const Unit_Type_Record *type = AI_Unit_Type(k);
        if (type == nullptr || unit.owner_idx != player_idx || unit.wp != wp || unit.Status != us_GOTO) continue;
        for (int16_t i = 0; i < points; i++) {
            if (_ai_ferry_wp_array[i] == wp && _ai_ferry_wx_array[i] == unit.dst_wx &&
                _ai_ferry_wy_array[i] == unit.dst_wy) {
                room[i] = (int16_t)(room[i] - 1 - type->Transport);
                break;
            }
        }
    }
    for (int16_t i = 0; i < points; i++) {
        if (room[i] < 1) _ai_ferry_wp_array[i] = -1;
    }
    AI_Stacks_Init_Build_Target_Order(player_idx, 0, wp);
    AI_Stacks_Do_Meld(player_idx);
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr) return;
    const int16_t settler_target = AI_Landmass_Settler_Target(wp, player_idx);
    const int16_t war = War_Landmass(wp, player_idx);
    for (int16_t k = 0; k < _ai_own_stack_count && k < AI_STACK_TABLE_MAX; k++) {
        const int16_t sx = block->own_stack_wx[k], sy = block->own_stack_wy[k];
        const int16_t count = block->own_stack_unit_count[k] < AI_STACK_UNITS_MAX ? block->own_stack_unit_count[k]
                                                                                  : (int16_t)AI_STACK_UNITS_MAX;
        int16_t transport = 0, all_transports = 1, settler = 0, busy = 0;
        for (int16_t u = 0; u < _units; u++) {
            const Unit_Record &unit = _UNITS[u];
            const Unit_Type_Record *type = AI_Unit_Type(u);
            if (type == nullptr || unit.owner_idx != player_idx || unit.wx != sx || unit.wy != sy || unit.wp != wp)
                continue;
            if (type->Transport > 0) {
                transport = 1;
            } else {
                all_transports = 0;
                if (type->Abilities & UA_CREATEOUTPOST) settler = 1;
            }
            if (unit.Status == us_GOTO) busy = 1;
        }
        if (!transport) continue;
        if (all_transports) {
            int16_t best = -1, best_d = 0;
            for (int16_t i = 0; i < points; i++) {
                if (_ai_ferry_wp_array[i] != wp) continue;
                const int16_t d = AI_Distance(sx, sy, _ai_ferry_wx_array[i], _ai_ferry_wy_array[i]);
                if (best < 0 || d < best_d) {
                    best = i;
                    best_d = d;
                }
            }
            if (best < 0) continue;
            for (int16_t s = 0; s < count && room[best] > 0; s++) {
                const int16_t unit_idx = block->own_stack_unit_list[k][s];
                const Unit_Type_Record *type = AI_Unit_Type(unit_idx);
                if (type == nullptr) continue;
                room[best] = (int16_t)(room[best] - 1 - type->Transport);
                AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, _ai_ferry_wx_array[best],
                                                                  _ai_ferry_wy_array[best], k, s);
            }
            if (room[best] < 1) _ai_ferry_wp_array[best] = -1;
            continue;
        }
        if (busy) continue;
        int16_t landing = 0, lx = 0, ly = 0;
        for (int16_t y = (int16_t)(sy - 1); y <= sy + 1; y++) {
            for (int16_t x = (int16_t)(sx - 1); x <= sx + 1; x++) {
                if (!AI_On_Map(x, y, wp) || !Square_Is_Land(x, y, wp) || AI_Evaluation_Value(x, y, wp) != 0) continue;
                landing = 1;
                lx = x;
                ly = y;
            }
        }
        int16_t lands = 0;
        if (landing) {
            const int16_t wanted = settler ? settler_target : war;
            if (wanted != 0) {
                for (int16_t y = (int16_t)(sy - 1); y <= sy + 1; y++) {
                    for (int16_t x = (int16_t)(sx - 1); x <= sx + 1; x++) {
                        if (!AI_On_Map(x, y, wp) || AI_Landmass_At(x, y, wp) != wanted) continue;
                        lx = x;
                        ly = y;
                        if (!settler) lands = 1;
                    }
                }
            }
            const int16_t landmass = AI_Landmass_At(lx, ly, wp);
            if (settler) {
                const int16_t type = landmass < AI_CONT_LANDMASSES ? _ai_continents.type[wp][player_idx][landmass] : 0;
                lands = (settler_target != 0 && landmass == settler_target) ||
                        (AI_Enemy_Unit_In_Range(sx, sy, wp, 5, player_idx, landmass) == 0 && type == ait_No_Own_City);
            } else if (!lands) {
                lands = 1;
                for (int16_t j = 0; j < _cities && lands; j++) {
                    const City_Record &city = _CITIES[j];
                    if (city.wp != wp || AI_Landmass_At(city.wx, city.wy, city.wp) != landmass) continue;
                    const int16_t owner = city.owner_idx;
                    if (owner == player_idx || (owner >= 0 && owner < NUM_PLAYERS &&
                                                _players[player_idx].Dipl_Treaty[owner] == TREATY_ALLIANCE))
                        lands = 0;
                }
            }
        }
        if (lands) {
            for (int16_t s = 0; s < count; s++) {
                const int16_t unit_idx = block->own_stack_unit_list[k][s];
                const Unit_Type_Record *type = AI_Unit_Type(unit_idx);
                if (type == nullptr) continue;
                if (type->Transport > 0) {
                    AI_Stacks_Order_Ferry(unit_idx, k, s);
                } else {
                    AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, lx, ly, k, s);
                }
            }
            continue;
        }
        if (settler && settler_target != 0) {
            int16_t tx = 0, ty = 0;
            Last_Sea_Around(AI_Landmass_Settler_Target_WX(wp, player_idx),
                            AI_Landmass_Settler_Target_WY(wp, player_idx), wp, &tx, &ty);
            Send_Square_Units(player_idx, sx, sy, wp, tx, ty);
            continue;
        }
        if (war == 0) continue;
        AI_Continent_Block *data = AI_Continent_Data();
        const AI_Square_List &dock = data->dock[wp];
        int16_t best_d = FAR_AWAY, dx = 0, dy = 0;
        for (int16_t n = dock.heads[war], steps = 0; n >= 0 && n < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY;
             n = dock.next[n], ++steps) {
            if (AI_Evaluation_Value(dock.wx[n], dock.wy[n], wp) != 0) continue;
            const int16_t d = AI_Distance(sx, sy, dock.wx[n], dock.wy[n]);
            if (d < best_d) {
                best_d = d;
                dx = dock.wx[n];
                dy = dock.wy[n];
            }
        }
        if (best_d >= FAR_AWAY) continue;
        int16_t tx = sx, ty = sy;
        Last_Sea_Around(dx, dy, wp, &tx, &ty);
        Send_Square_Units(player_idx, sx, sy, wp, tx, ty);
    }
}

void AI_Reevaluate_Continent(int16_t player_idx, int16_t landmass_idx, int16_t wp)
{
    AI_Continent_Block *block = CONTXXX_Map();
    if (block == nullptr || player_idx < 0 || player_idx >= AI_CONT_WIZARDS || wp < 0 || wp >= NUM_PLANES) return;
    if (landmass_idx < 0 || landmass_idx >= AI_CONT_LANDMASSES) return;
    for (int16_t k = 0; k < _units; k++) {
        Unit_Record &unit = _UNITS[k];
        const Unit_Type_Record *type = AI_Unit_Type(k);
        if (type == nullptr || unit.owner_idx != player_idx || unit.wp != wp || type->Construction != 0) continue;
        if (AI_Landmass_At(unit.wx, unit.wy, unit.wp) == landmass_idx) unit.Status = us_Ready;
    }
    int32_t n = 0, sum_x = 0, sum_y = 0;
    for (int16_t j = 0; j < _cities; j++) {
        const City_Record &city = _CITIES[j];
        if (city.owner_idx != player_idx || city.wp != wp || AI_Landmass_At(city.wx, city.wy, wp) != landmass_idx)
            continue;
        n++;
        sum_x += city.wx;
        sum_y += city.wy;
    }
    int32_t own = 0, enemy = 0;
    for (int16_t k = 0; k < _units; k++) {
        const Unit_Record &unit = _UNITS[k];
        const Unit_Type_Record *type = AI_Unit_Type(k);
        if (type == nullptr || unit.wp != wp || (type->Abilities & UA_CREATEOUTPOST)) continue;
        if (AI_Landmass_At(unit.wx, unit.wy, unit.wp) != landmass_idx) continue;
        (unit.owner_idx == player_idx ? own : enemy) += type->cost;
    }
    uint8_t &type = _ai_continents.type[wp][player_idx][landmass_idx];
    uint8_t &gx = _ai_continents.wx[wp][player_idx][landmass_idx];
    uint8_t &gy = _ai_continents.wy[wp][player_idx][landmass_idx];
    if (n >= 1) {
        type = enemy * 10 < own ? ait_Held : ait_Contested;
    } else {
        type = ait_No_Own_City;
        for (int16_t j = 0; j < _cities; j++) {
            const City_Record &city = _CITIES[j];
            const int16_t owner = city.owner_idx;
            if (owner < 0 || owner >= NEUTRAL_PLAYER_IDX || owner == player_idx || city.wp != wp) continue;
            if (AI_Landmass_At(city.wx, city.wy, wp) != landmass_idx) continue;
            if (_players[player_idx].Dipl_Treaty[owner] == TREATY_ALLIANCE) type = ait_Unusable;
        }
    }
    _ai_continents.type[0][player_idx][0] = ait_Unusable;
    _ai_continents.type[1][player_idx][0] = ait_Unusable;
    int16_t cx = gx, cy = gy;
    if (n >= 1) {
        cx = (int16_t)(sum_x / n);
        cy = (int16_t)(sum_y / n);
    }
    const int16_t use_docks = type == ait_No_Own_City;
    const AI_Square_List &list = use_docks ? block->dock[wp] : block->land[wp];
    int32_t best = FAR_AWAY;
    int16_t bx = 0, by = 0;
    for (int16_t m = list.heads[landmass_idx], steps = 0; m >= 0 && m < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY;
         m = list.next[m], ++steps) {
        const int16_t clear = AI_Evaluation_Value(list.wx[m], list.wy[m], wp) == 0;
        if (use_docks && !clear) continue;
        const int32_t score = AI_Distance(cx, cy, list.wx[m], list.wy[m]) + RANDOM(use_docks ? 20 : 5);
        if (clear && score < best) {
            best = score;
            bx = list.wx[m];
            by = list.wy[m];
        }
    }
    if (best >= FAR_AWAY) {
        gx = 0;
        gy = 0;
        type = ait_Unusable;
        return;
    }
    gx = (uint8_t)bx;
    gy = (uint8_t)by;
    if (type != ait_Held) return;
    const int16_t war = War_Landmass(wp, player_idx);
    int32_t ax = 0, ay = 0, docks = 0;
    const AI_Square_List &dock = block->dock[wp];
    if (war != 0) {
        for (int16_t m = dock.heads[war], steps = 0; m >= 0 && m < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY;
             m = dock.next[m], ++steps) {
            ax += dock.wx[m];
            ay += dock.wy[m];
            docks++;
        }
    }
    if (docks > 0) {
        ax /= docks;
        ay /= docks;
    }
    best = FAR_AWAY;
    for (int16_t m = dock.heads[landmass_idx], steps = 0; m >= 0 && m < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY;
         m = dock.next[m], ++steps) {
        if (AI_Evaluation_Value(dock.wx[m], dock.wy[m], wp) != 0) continue;
        const int32_t score = AI_Distance(ax, ay, dock.wx[m], dock.wy[m]) + RANDOM(5);
        if (score < best) {
            best = score;
            gx = dock.wx[m];
            gy = dock.wy[m];
        }
    }
}

int16_t AI_Enemy_Unit_In_Range(int16_t wx, int16_t wy, int16_t wp, int16_t radius, int16_t owner, int16_t landmass_idx)
{
    for (int16_t k = 0; k < _units; k++) {
        const Unit_Record &unit = _UNITS[k];
        if (unit.owner_idx != owner || unit.wp != wp) continue;
        if (unit.wx - wx > radius || wx - unit.wx > radius || unit.wy - wy > radius || wy - unit.wy > radius) continue;
        if (AI_Landmass_At(unit.wx, unit.wy, unit.wp) == landmass_idx) return 1;
    }
    return 0;
}
