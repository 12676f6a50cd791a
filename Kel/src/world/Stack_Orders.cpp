#include "world/Stack_Orders.h"

#include "Geometry.h"
#include "STU_Log.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Army_Services.h"
#include "world/Move_Path_Cache.h"
#include "world/Square_Queries.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Death.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

constexpr uint8_t PURIFY_MARK = 111;
constexpr uint8_t STATUS_NEVER_NEAREST = 100;

static void Refresh_Map_Window(int16_t map_x, int16_t map_y, int16_t wp) { Army_Refresh_Map_Window(map_x, map_y, wp); }

static int16_t Select_Stack(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t wp, int16_t wx, int16_t wy)
{
    return Army_Select_Unit_Stack(player_idx, map_x, map_y, wp, wx, wy);
}

int16_t Move_Stack(int16_t dst_x, int16_t dst_y, int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t *map_plane)
{
    if (dst_y == 0 || dst_y == WORLD_HEIGHT - 1) {
        return 1;
    }
    int16_t count = 0;
    int16_t list[MAX_STACK];
    Build_Moveable_Stack(&count, list);
    if (count > 0) {
        Set_Current_Unit(list[0]);
    }
    if (_stack_selection_changed == 1) {
        _stack_selection_changed = 0;
        _move_stack_hook_called = 0;
    }
    if (count > 0) {
        Move_Units(player_idx, dst_x, dst_y, mum_Normal, map_x, map_y, *map_plane, count, list);
        const Unit_Record &unit = _UNITS[_unit];
        Select_Stack(player_idx, map_x, map_y, *map_plane, unit.wx, unit.wy);
    }
    Stack_Moves();
    if (stack_moves < 1) {
        for (int i = 0; i < count; i++) {
            Unit_Record &u = _UNITS[list[i]];
            if (u.Status == us_Ready) {
                u.Finished = 1;
                u.Status = us_ReachedDest;
            }
        }
        WIZ_NextIdleStack(player_idx, map_x, map_y, map_plane);
    }
    Refresh_Map_Window(*map_x, *map_y, *map_plane);
    return 1;
}

int16_t Stack_Move_To(int16_t player_idx, int16_t unit_idx, int16_t dst_x, int16_t dst_y, int16_t *map_x,
                      int16_t *map_y, int16_t wp)
{
    int16_t count = 0;
    int16_t list[MAX_STACK];
    Build_RoadBuilder_Stack(&count, list, dst_x, dst_y, player_idx, unit_idx);
    if (count == 0) {
        return 0;
    }
    const uint8_t from_x = _UNITS[unit_idx].wx;
    const uint8_t from_y = _UNITS[unit_idx].wy;
    const uint8_t from_p = _UNITS[unit_idx].wp;
    bool all_build = true;
    for (int i = 0; i < count; i++) {
        all_build = all_build && _UNITS[list[i]].Rd_Constr_Left != -1;
    }
    const int16_t result =
        Move_Units(player_idx, dst_x, dst_y, all_build ? mum_Road_Building : mum_Normal, map_x, map_y, wp, count, list);
    for (int i = 0; i < count; i++) {
        Unit_Record &u = _UNITS[list[i]];
        if (u.wx == from_x && u.wy == from_y && u.wp == from_p && u.Rd_Constr_Left == -1 &&
            (u.Status == us_GOTO || u.Status == us_MoveToAttack) && !u.Finished) {
            u.ai_flag = 1;  // the go-to failed
            u.Status = us_Ready;
            u.dst_wx = 0;
            u.dst_wy = 0;
        }
    }
    for (int i = 0; i < count; i++) {
        const Unit_Record &u = _UNITS[list[i]];
        if (u.owner_idx < 0 || u.owner_idx >= NUM_PLAYERS || u.Rd_Constr_Left != -1) {
            continue;
        }
        if (u.Status == us_GOTO || u.Status == us_MoveToAttack) {
            Cache_AI_Move_Path(player_idx, u.wx, u.wy, u.dst_wx, u.dst_wy, wp, &movepath_x_array[2],
                               &movepath_y_array[2], movepath_cost_array);
        } else {
            Invalidate_AI_Move_Path();
        }
        break;
    }
    if (player_idx == _current_player_idx) {
        Refresh_Map_Window(*map_x, *map_y, wp);
    }
    return result;
}

void WIZ_NextIdleStack(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t *map_plane)
{
    // Each pass moves a go-to stack or readies it, so the search ends; the bound only guards bad data.
    for (int pass = 0; pass <= UNIT_TABLE_CAPACITY; pass++) {
        if (Next_Unit_Nearest_Available(player_idx, map_plane) == 1) {
            all_units_moved = 1;
            _active_stack_has_path = 0;
            _unit_stack_count = 0;
            Refresh_Map_Window(*map_x, *map_y, *map_plane);
            break;
        }
        Unit_Record &unit = _UNITS[_unit];
        Select_Stack(player_idx, map_x, map_y, *map_plane, unit.wx, unit.wy);
        if (unit.Status != us_GOTO) {
            break;
        }
        if (unit.wx == unit.dst_wx && unit.wy == unit.dst_wy && unit.Rd_Constr_Left == -1) {
            unit.Status = us_Ready;
            unit.dst_wx = 0;
            unit.dst_wy = 0;
            continue;
        }
        const uint8_t x = unit.wx, y = unit.wy, status = unit.Status;
        Stack_Move_To(player_idx, _unit, unit.dst_wx, unit.dst_wy, map_x, map_y, *map_plane);
        if (unit.wx == x && unit.wy == y && unit.Status == status && !unit.Finished) {
            unit.Finished = 1;  // it cannot go on this turn
        }
    }
    _stack_selection_changed = 1;
}

int16_t Next_Unit_Nearest_Available(int16_t player_idx, int16_t *map_plane)
{
    for (int pass = 0; pass < 2; pass++) {
        const int16_t wp = (int16_t)(pass == 0 ? *map_plane : 1 - *map_plane);
        int16_t best = -1, best_dist = 0, waiting = -1, waiting_dist = 0;
        for (int16_t i = 0; i < _units; i++) {
            const Unit_Record &u = _UNITS[i];
            if (u.owner_idx != player_idx || u.Finished || (u.wp != wp && u.in_tower != 1)) {
                continue;
            }
            const int16_t d = Delta_XY_With_Wrap(_active_world_x, _active_world_y, u.wx, u.wy, WORLD_WIDTH);
            if (u.Status == us_Wait) {
                if (waiting < 0 || d < waiting_dist) {
                    waiting = i;
                    waiting_dist = d;
                }
            } else if (u.Status != us_Purify && u.Status != STATUS_NEVER_NEAREST) {
                if (best < 0 || d < best_dist) {
                    best = i;
                    best_dist = d;
                }
            }
        }
        if (best < 0 && waiting >= 0) {
            best = waiting;
            for (int16_t i = 0; i < _units; i++) {
                if (_UNITS[i].owner_idx == player_idx && _UNITS[i].Status == us_Wait) {
                    _UNITS[i].Status = us_Ready;
                }
            }
        }
        if (best >= 0) {
            Set_Current_Unit(best);
            *map_plane = wp;
            _active_world_x = _UNITS[best].wx;
            _active_world_y = _UNITS[best].wy;
            return 0;
        }
    }
    return 1;
}

void Army_Do_Meld(int16_t count, const int16_t *list)
{
    if (count <= 0) {
        return;
    }
    const Unit_Record &first = _UNITS[list[0]];
    const int16_t node_idx = Get_Map_Square_Magic_Node(first.wx, first.wy, first.wp);
    if (node_idx < 0) {
        return;
    }
    Node_Record &node = _NODES[node_idx];
    if (node.flags & 0x1) {
        return;
    }
    int16_t melder = -1;
    for (int i = 0; i < count && melder < 0; i++) {
        if (_UNITS[list[i]].type == UNIT_TYPE_GUARDIAN_SPIRIT) {
            melder = list[i];
        }
    }
    if (melder < 0) {
        for (int i = count - 1; i >= 0; i--) {
            if (_unit_type_table[_UNITS[list[i]].type].Abilities & UA_MELD) {
                melder = list[i];
                break;
            }
        }
    }
    if (melder < 0) {
        return;
    }
    const Unit_Record &unit = _UNITS[melder];
    bool success = node.owner_idx == -1 || node.owner_idx == unit.owner_idx || !(node.flags & 0x2);
    if (!success) {
        if (RANDOM(100) > 25) {
            if (unit.owner_idx == HUMAN_PLAYER_IDX) {
                Army_Warn_Player("The Guardian Spirit occupying this node kills your spirit.");
            }
        } else {
            node.flags &= (uint8_t)~0x2;
            success = true;
        }
    }
    if (success) {
        node.owner_idx = unit.owner_idx;
        if (unit.type == UNIT_TYPE_GUARDIAN_SPIRIT) {
            node.flags |= 0x2;
        }
    }
    Kill_Unit(melder, kum_Destroyed);
}

void Active_Army_Do_Meld(void)
{
    int16_t count;
    int16_t list[MAX_STACK];
    Active_Unit_Stack(&count, list);
    Army_Do_Meld(count, list);
}

void Next_Turn_Process_Purify(void)
{
    const int16_t time_stopper = (int16_t)(g_timestop_player_num - 1);
    for (int16_t i = 0; i < _units; i++) {
        Unit_Record &u = _UNITS[i];
        if (u.Status != us_Purify || (time_stopper >= 0 && u.owner_idx != time_stopper)) {
            continue;
        }
        u.Status = (_unit_type_table[u.type].Abilities & UA_PURIFY) ? PURIFY_MARK : (uint8_t)us_Ready;
    }
    for (int16_t i = 0; i < _units; i++) {
        if (_UNITS[i].Status != PURIFY_MARK) {
            continue;
        }
        const Unit_Record here = _UNITS[i];
        int total = 0;
        for (int16_t j = 0; j < _units; j++) {
            Unit_Record &u = _UNITS[j];
            if (u.owner_idx == here.owner_idx && u.wx == here.wx && u.wy == here.wy && u.wp == here.wp &&
                u.Status == PURIFY_MARK) {
                total += u.dst_wx;  // the purify counter
                u.dst_wx++;
                u.Status = us_Purify;
            }
        }
        if (total > 3) {
            Square_Clear_Corruption(here.wx, here.wy, here.wp);
            for (int16_t j = 0; j < _units; j++) {
                Unit_Record &u = _UNITS[j];
                if (u.wx == here.wx && u.wy == here.wy && u.wp == here.wp && u.Status == us_Purify) {
                    u.dst_wx = 0;
                    u.Status = us_Ready;
                    u.Finished = 1;
                }
            }
        }
    }
    for (int16_t i = 0; i < _units; i++) {
        if (_UNITS[i].Status == PURIFY_MARK) {
            _UNITS[i].Status = us_Purify;
        }
    }
}

int16_t Any_Units_Not_Busy(void)
{
    for (int16_t i = 0; i < _units; i++) {
        const Unit_Record &u = _UNITS[i];
        if (u.owner_idx == _current_player_idx && u.Status != us_Patrol && u.Status != us_GOTO &&
            u.Status != us_Purify) {
            return 1;
        }
    }
    return 0;
}
