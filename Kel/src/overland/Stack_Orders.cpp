#include "overland/Stack_Orders.h"

#include "Dialog_Boxes.h"
#include "Geometry.h"
#include "STU_Log.h"
#include "overland/Explored_Edges.h"
#include "overland/Main_Screen.h"
#include "overland/Stack_Selection.h"
#include "shell/Map_Window.h"
#include "turn/Unit_Strength.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Move_Path.h"
#include "world/Movement_Modes.h"
#include "world/Scouting.h"
#include "world/Stack_Movement.h"
#include "world/Stack_Orders.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

int16_t _active_stack_path_length = 0;

namespace {

constexpr int16_t EARTH_GATE_MOVE_COST = 2;
constexpr const char *WRONG_PLANE_WARNING = "The selected units cannot move on this plane.";

int16_t Unit_Has_Moves(const Unit_Record &unit) { return unit.moves2 > 0 && unit.Finished == 0; }

void Clear_Destination(Unit_Record &unit)
{
    unit.dst_wx = 0;
    unit.dst_wy = 0;
}

void Refresh_Map_Entities(int16_t map_x, int16_t map_y, int16_t map_plane)
{
    Reset_Draw_Active_Stack();
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    Set_Entities_On_Map_Window(map_x, map_y, map_plane);
}

void Warn_In_Window(const char *text)
{
    STU_LOG(SEV_INFO, LC_KEL_SCR, "%s", text);
    if (Window_Shown()) Warn0(text);
}

void Select_Human_Stack_At(int16_t wx, int16_t wy, int16_t wp)
{
    Select_Unit_Stack(HUMAN_PLAYER_IDX, &_map_x, &_map_y, wp, wx, wy);
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    all_units_moved = 0;
    Reset_Draw_Active_Stack();
    Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
}

// The road line of a builder from its road's start square to its destination, cut to the part
// still ahead of the builder's own square.
int16_t Road_Builder_Path(const Unit_Record &unit)
{
    uint8_t xs[MOVEPATH_ARRAY_SIZE];
    uint8_t ys[MOVEPATH_ARRAY_SIZE];
    int16_t length =
        Path_Wrap(unit.Rd_From_X, unit.Rd_From_Y, unit.dst_wx, unit.dst_wy, xs, ys, MOVEPATH_ARRAY_SIZE, WORLD_WIDTH);
    if (length > MOVEPATH_MAIN_SCREEN_ROOM) length = MOVEPATH_MAIN_SCREEN_ROOM;
    if (length < 0) length = 0;
    int16_t first = 0;
    for (int16_t i = 0; i < length; i++) {
        if (xs[i] == unit.wx && ys[i] == unit.wy) first = (int16_t)(i + 1);
    }
    int16_t shown = 0;
    for (int16_t i = first; i < length; i++, shown++) {
        movepath_x_array[2 + shown] = xs[i];
        movepath_y_array[2 + shown] = ys[i];
        movepath_cost_array[shown] = 1;
    }
    return shown;
}

}  // namespace

void Stack_Action(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t *map_plane, int16_t action, int16_t wx,
                  int16_t wy)
{
    _stack_selection_changed = 1;
    _move_stack_hook_called = 0;
    for (int16_t i = 0; i < _unit_stack_count; i++) {
        Unit_Stack_Entry &entry = _unit_stack[i];
        Unit_Record &unit = _UNITS[entry.unit_idx];
        int selected = entry.active == 1;
        switch (action) {
        case so_Clear_Orders:
            unit.Status = us_Ready;
            unit.Rd_Constr_Left = -1;
            Clear_Destination(unit);
            if (unit.moves2 > 0) {
                entry.active = 1;
                unit.Finished = 0;
            } else {
                unit.Status = us_ReachedDest;
                unit.Finished = 1;
            }
            break;
        case so_Patrol:
        case so_Build_Road:
            if (!selected || !Unit_Has_Moves(unit)) break;
            unit.Status = (uint8_t)action;
            unit.Finished = 1;
            entry.active = 0;
            Clear_Destination(unit);
            break;
        case so_GoTo:
            if (unit.Status != us_Ready && unit.Status != us_GOTO && unit.Status != us_ReachedDest) break;
            unit.Status = us_GOTO;
            unit.dst_wx = (uint8_t)wx;
            unit.dst_wy = (uint8_t)wy;
            unit.Rd_Constr_Left = -1;
            break;
        case so_Done:
            if (!selected || unit.Status == us_GOTO || unit.Status == us_Purify) break;
            entry.active = 0;
            unit.Finished = 1;
            unit.Status = us_ReachedDest;
            unit.Rd_Constr_Left = -1;
            unit.moves2 = 0;
            Clear_Destination(unit);
            break;
        case so_Wait:
            if (!selected || !Unit_Has_Moves(unit)) break;
            unit.Status = us_Wait;
            entry.active = 0;
            Clear_Destination(unit);
            break;
        case so_Purify:
            if (!selected || !(_unit_type_table[unit.type].Abilities & UA_PURIFY)) break;
            entry.active = 0;
            unit.Finished = 1;
            unit.Status = us_Purify;
            unit.moves2 = 0;
            Clear_Destination(unit);
            unit.Rd_Constr_Left = -1;
            break;
        default: break;
        }
    }
    Refresh_Map_Entities(*map_x, *map_y, *map_plane);
}

void Set_Active_Stack_Movement_Path(int16_t unit_idx)
{
    int16_t units[MAX_STACK];
    int16_t count = _unit_stack_count < MAX_STACK ? _unit_stack_count : (int16_t)MAX_STACK;
    int16_t goto_count = 0;
    for (int16_t i = 0; i < count; i++) {
        units[i] = _unit_stack[i].unit_idx;
        if (_UNITS[units[i]].Status == us_GOTO) goto_count++;
    }
    if (goto_count == 0) return;

    int16_t modes[MOVEMENT_MAPS];
    int16_t riders[MAX_STACK];
    Army_Movement_Modes(modes, units, count);
    Army_Boatriders(count, units, riders);

    const Unit_Record &unit = _UNITS[unit_idx];
    int16_t length;
    if (unit.Rd_Constr_Left == -1) {
        length = Make_Move_Path(modes, unit.wx, unit.wy, unit.dst_wx, unit.dst_wy, _map_plane, movepath_x_array + 2,
                                movepath_y_array + 2, movepath_cost_array, MOVEPATH_MAIN_SCREEN_ROOM, count,
                                HUMAN_PLAYER_IDX);
    } else {
        length = Road_Builder_Path(unit);
    }
    _active_stack_path_length = length;
    if (length > 0) _active_stack_has_path = 1;
}

int16_t Stack_DirKey_Target(int16_t direction, int16_t wx, int16_t wy, int16_t *to_x, int16_t *to_y)
{
    int16_t dx = 0;
    int16_t dy = 0;
    switch (direction) {
    case 7: dx = -1, dy = -1; break;
    case 8: dy = -1; break;
    case 9: dx = 1, dy = -1; break;
    case 4: dx = -1; break;
    case 6: dx = 1; break;
    case 1: dx = -1, dy = 1; break;
    case 2: dy = 1; break;
    case 3: dx = 1, dy = 1; break;
    default: return 0;
    }
    int16_t x = (int16_t)((wx + dx + WORLD_WIDTH) % WORLD_WIDTH);
    int16_t y = (int16_t)(wy + dy);
    if (y < 0) y = 0;
    if (y > WORLD_HEIGHT - 1) y = WORLD_HEIGHT - 1;
    *to_x = x;
    *to_y = y;
    return 1;
}

void Move_Stack_DirKey(int16_t direction)
{
    if (_unit_stack_count <= 0 || Stack_Moves_Active() <= 0 || all_units_moved) return;
    const Unit_Record &first = _UNITS[_unit_stack[0].unit_idx];
    int16_t to_x;
    int16_t to_y;
    if (!Stack_DirKey_Target(direction, first.wx, first.wy, &to_x, &to_y)) return;
    // A stack standing on the other plane would be carried onto the shown one: refused whether or
    // not it can travel between planes (that is the plane button's business).
    if (first.wp != _map_plane && first.in_tower != 1) {
        Warn_In_Window(WRONG_PLANE_WARNING);
    } else {
        Move_Stack(to_x, to_y, _current_player_idx, &_map_x, &_map_y, &_map_plane);
    }
    Main_Screen_Reset();
}

int16_t EarthGateTeleport__WIP(int16_t wx, int16_t wy, int16_t wp)
{
    if (_unit_stack_count <= 0) return 0;
    int16_t target = Square_Has_City_Dupe(wx, wy, wp);
    if (target < 0) return 0;
    int16_t there_count = 0;
    int16_t there[UNIT_TABLE_CAPACITY];
    Player_Army_At_Square(wx, wy, wp, HUMAN_PLAYER_IDX, &there_count, there);
    if (there_count >= MAX_STACK) return 0;
    const Unit_Record &first = _UNITS[_unit_stack[0].unit_idx];
    int16_t origin = Square_Has_City_Dupe(first.wx, first.wy, first.wp);
    if (origin < 0) return 0;

    const City_Record &to_city = _CITIES[target];
    const City_Record &from_city = _CITIES[origin];
    if (to_city.wp != from_city.wp || to_city.owner_idx != from_city.owner_idx) return 0;
    if (to_city.enchantments[ce_Earth_Gate] != 1 || from_city.enchantments[ce_Earth_Gate] != 1) return 0;

    int16_t moving = 0;
    for (int16_t i = 0; i < _unit_stack_count; i++) {
        if (_unit_stack[i].active == 1 && Unit_Has_Moves(_UNITS[_unit_stack[i].unit_idx])) moving++;
    }
    if (moving + there_count > MAX_STACK) return 0;

    for (int16_t i = 0; i < _unit_stack_count; i++) {
        if (_unit_stack[i].active != 1) continue;
        Unit_Record &unit = _UNITS[_unit_stack[i].unit_idx];
        if (!Unit_Has_Moves(unit)) continue;
        unit.wx = (uint8_t)wx;
        unit.wy = (uint8_t)wy;
        unit.moves2 = unit.moves2 > EARTH_GATE_MOVE_COST ? (uint8_t)(unit.moves2 - EARTH_GATE_MOVE_COST) : 0;
        if (unit.moves2 == 0) unit.Finished = 1;
    }

    int16_t owner = from_city.owner_idx;
    int16_t range = Player_Units_Max_Range(owner, wx, wy, wp);
    Contact_Players_In_Scouting_Range(owner, wx, wy, wp, range);
    Set_Square_Explored_Flags_Range(wx, wy, wp, range);
    _active_world_x = wx;
    _active_world_y = wy;
    WIZ_NextIdleStack(owner, &_map_x, &_map_y, &_map_plane);
    Update_Scouted_And_Contacted();
    return 1;
}

void Select_Stack_At_Unit(int16_t unit_idx)
{
    if (unit_idx < 0 || unit_idx >= _units) return;
    const Unit_Record &unit = _UNITS[unit_idx];
    Select_Human_Stack_At(unit.wx, unit.wy, unit.wp);
}

void Select_Stack_At_Summon(void)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    Select_Human_Stack_At(human.summon_wx, human.summon_wy, human.summon_wp);
}
