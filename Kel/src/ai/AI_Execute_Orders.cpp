#include "ai/AI_Execute_Orders.h"

#include "ai/AI_Services.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Movement_Modes.h"
#include "world/Road_Connections.h"
#include "world/Square_Queries.h"
#include "world/Stack_Orders.h"
#include "world/Unit_Order_Rules.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

// The view that the stack movement scrolls while the orders are carried out.
static int16_t m_view_x;
static int16_t m_view_y;
static int16_t m_view_plane;

static int16_t Unit_Valid(int16_t unit_idx) { return unit_idx >= 0 && unit_idx < _units; }

void AI_Execute_Orders(int16_t player_idx)
{
    if (g_timestop_player_num > 0 && g_timestop_player_num != player_idx + 1) return;
    AI_Get_Map_View(&m_view_x, &m_view_y, &m_view_plane);
    const int16_t saved_x = m_view_x;
    const int16_t saved_y = m_view_y;
    const int16_t saved_plane = m_view_plane;
    for (int16_t unit_idx = 0; unit_idx < _units && magic_master_idx == -1; unit_idx++) {
        if (_UNITS[unit_idx].owner_idx != player_idx) continue;
        switch (_UNITS[unit_idx].Status) {
        case us_BuildRoad:
            AI_Unit_Army_Do_Road(unit_idx);
            AI_Unit_Army_Do_Move(unit_idx);
            break;
        case us_GOTO:
        case us_MoveToAttack: AI_Unit_Army_Do_Move(unit_idx); break;
        case us_Meld: AI_Unit_Army_Do_Meld(unit_idx); break;
        case us_Settle: AI_Unit_Army_Do_Settle(unit_idx); break;
        case us_SeekTransport: AI_Unit_Army_Do_Ferry(unit_idx); break;
        default: break;
        }
    }
    AI_Set_Map_View(saved_x, saved_y, saved_plane);
}

void AI_Unit_Army_Do_Road(int16_t unit_idx)
{
    if (!Unit_Valid(unit_idx) || _UNITS[unit_idx].Finished) return;
    const Unit_Record &unit = _UNITS[unit_idx];
    const int16_t owner = unit.owner_idx;
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Player_Army_At_Square(unit.wx, unit.wy, unit.wp, owner, &count, list);
    if (count > ARMY_AT_SQUARE_MAX) count = ARMY_AT_SQUARE_MAX;
    int8_t xs[ROAD_PATH_MAX_STEPS];
    int8_t ys[ROAD_PATH_MAX_STEPS];
    const int16_t steps = OVL_GetRoadPath(unit.wx, unit.wy, unit.dst_wx, unit.dst_wy, unit.wp, xs, ys);
    int16_t force = 0;
    for (int16_t i = 0; i < count; i++) {
        const Unit_Record &builder = _UNITS[list[i]];
        if (builder.Status != us_BuildRoad || builder.type >= NUM_UNIT_TYPES) continue;
        force = (int16_t)(force + _unit_type_table[builder.type].Construction);
        if (Unit_Has_Endurance(list[i])) force++;
    }
    if (force < 1) force = 1;
    const uint8_t from_x = unit.wx;
    const uint8_t from_y = unit.wy;
    const uint8_t wp = unit.wp;
    for (int16_t i = 0; i < count; i++) {
        Unit_Record &builder = _UNITS[list[i]];
        if (builder.Status != us_BuildRoad) continue;
        if (steps <= 0) {
            // Nowhere to build: the road order ends without reading a first square.
            builder.Status = us_Ready;
            continue;
        }
        builder.Status = us_GOTO;
        const int16_t turns = Turns_To_Build_Road((uint8_t)xs[0], (uint8_t)ys[0], wp);
        builder.Rd_Constr_Left = (int8_t)(turns / force);
        builder.Rd_From_X = from_x;
        builder.Rd_From_Y = from_y;
    }
}

void AI_Unit_Army_Do_Move(int16_t unit_idx)
{
    if (!Unit_Valid(unit_idx) || _UNITS[unit_idx].Finished) return;
    const Unit_Record &unit = _UNITS[unit_idx];
    if (unit.Status != us_GOTO && unit.Status != us_MoveToAttack) return;
    AI_Refresh_Reduced_Map();
    Stack_Move_To(unit.owner_idx, unit_idx, unit.dst_wx, unit.dst_wy, &m_view_x, &m_view_y, unit.wp);
}

static void Do_Army(int16_t unit_idx, int16_t meld)
{
    if (!Unit_Valid(unit_idx) || _UNITS[unit_idx].Finished) return;
    const Unit_Record &unit = _UNITS[unit_idx];
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Player_Army_At_Square(unit.wx, unit.wy, unit.wp, unit.owner_idx, &count, list);
    if (count > ARMY_AT_SQUARE_MAX) count = ARMY_AT_SQUARE_MAX;
    if (meld) {
        Army_Do_Meld(count, list);
    } else {
        Army_Do_Settle(count, list);
    }
    for (int16_t i = 0; i < count; i++) {
        if (Unit_Valid(list[i])) _UNITS[list[i]].Status = us_Ready;
    }
}

void AI_Unit_Army_Do_Meld(int16_t unit_idx) { Do_Army(unit_idx, 1); }

void AI_Unit_Army_Do_Settle(int16_t unit_idx) { Do_Army(unit_idx, 0); }

void AI_Unit_Army_Do_Ferry(int16_t unit_idx)
{
    if (!Unit_Valid(unit_idx) || _UNITS[unit_idx].Finished) return;
    Unit_Record &unit = _UNITS[unit_idx];
    int16_t count = 0;
    int16_t list[ARMY_AT_SQUARE_MAX];
    Player_Army_At_Square(unit.wx, unit.wy, unit.wp, unit.owner_idx, &count, list);
    // A counter already at 0 ends the wait instead of wrapping.
    const int16_t left = unit.dst_wx > 0 ? (int16_t)(unit.dst_wx - 1) : (int16_t)0;
    unit.dst_wx = (uint8_t)left;
    if (left >= 1 && count <= 1) return;
    unit.Status = us_Ready;
    unit.dst_wx = 0;
}
