#include "overland/Stack_Selection.h"

#include "STU_Log.h"
#include "overland/Stack_Orders.h"
#include "shell/Map_Window.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Movement_Modes.h"
#include "world/Plane_Shift.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Type_Record.h"

constexpr int16_t MAP_WINDOW_WIDTH = 12;
constexpr int16_t MAP_WINDOW_HEIGHT = 10;

void Build_Unit_Stack(int16_t player_idx, int16_t wp, int16_t wx, int16_t wy)
{
    static bool overfull_logged = false;
    for (int i = 0; i < MAX_STACK; i++) {
        _unit_stack[i].active = 0;
    }
    int16_t n = 0;
    for (int16_t j = 0; j < _units; j++) {
        Unit_Record &u = _UNITS[j];
        if (player_idx == -1 || u.owner_idx != player_idx || u.wx != wx || u.wy != wy ||
            (u.wp != wp && u.in_tower != 1)) {
            continue;
        }
        if (n == MAX_STACK) {
            if (!overfull_logged) {
                overfull_logged = true;
                STU_LOG(SEV_WARN, LC_GENERAL,
                        "Integrity: more than %d units of player %d on (%d,%d,%d); the rest left out", MAX_STACK,
                        player_idx, wx, wy, wp);
            }
            break;
        }
        _unit_stack[n].unit_idx = j;
        if (u.moves2 > 0 && !u.Finished && u.Status != us_Purify) {
            _unit_stack[n].active = 1;
            if (u.Status == us_Wait) {
                u.Status = us_Ready;
            }
        }
        n++;
    }
    _unit_stack_count = n;
}

static int Sort_Key(int16_t unit_idx)
{
    const Unit_Type_Record &type = _unit_type_table[_UNITS[unit_idx].type];
    return type.Transport > 0 ? 50 : type.Melee + type.Ranged;
}

void Sort_Unit_Stack(void)
{
    const int n = _unit_stack_count < MAX_STACK ? _unit_stack_count : MAX_STACK;
    for (int pass = 0; pass < n; pass++) {
        for (int i = 0; i + 1 < n; i++) {
            if (Sort_Key(_unit_stack[i].unit_idx) < Sort_Key(_unit_stack[i + 1].unit_idx)) {
                const Unit_Stack_Entry swap = _unit_stack[i];
                _unit_stack[i] = _unit_stack[i + 1];
                _unit_stack[i + 1] = swap;
            }
        }
    }
    if (n <= 0) {
        return;
    }
    Set_Current_Unit(_unit_stack[0].unit_idx);
    for (int i = 0; i < n; i++) {
        if (_unit_stack[i].active == 1) {
            if (_unit != _unit_stack[i].unit_idx) {
                Set_Current_Unit(_unit_stack[i].unit_idx);
            }
            break;
        }
    }
}

int16_t Select_Unit_Stack(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t wp, int16_t wx, int16_t wy)
{
    reset_active_stack = 1;
    const int16_t saved_count = _unit_stack_count;
    Unit_Stack_Entry saved[MAX_STACK];
    for (int i = 0; i < MAX_STACK; i++) saved[i] = _unit_stack[i];
    Build_Unit_Stack(player_idx, wp, wx, wy);
    if (_unit_stack_count == 0) {
        _unit_stack_count = saved_count;
        for (int i = 0; i < MAX_STACK; i++) _unit_stack[i] = saved[i];
        return 0;
    }
    Sort_Unit_Stack();
    _active_stack_has_path = 0;
    if (player_idx == _current_player_idx) {
        bool all_goto = true;
        for (int i = 0; i < _unit_stack_count; i++) {
            all_goto = all_goto && _UNITS[_unit_stack[i].unit_idx].Status == us_GOTO;
        }
        if (all_goto) {
            Set_Active_Stack_Movement_Path(_unit_stack[_unit_stack_count - 1].unit_idx);
        }
    }
    Bring_Square_Into_View(map_x, map_y, _UNITS[_unit].wx, _UNITS[_unit].wy, wp);
    Set_Unit_Action_Special();
    int16_t count;
    int16_t list[MAX_STACK];
    Active_Unit_Stack(&count, list);
    Units_In_Tower(count, list, wp);
    return _unit_stack_count;
}

void Bring_Square_Into_View(int16_t *map_x, int16_t *map_y, int16_t wx, int16_t wy, int16_t wp)
{
    const bool row_shown = wy >= *map_y && wy < *map_y + MAP_WINDOW_HEIGHT;
    const bool column_shown =
        (wx >= *map_x && wx < *map_x + MAP_WINDOW_WIDTH) || (wx + 60 >= *map_x && wx + 60 < *map_x + MAP_WINDOW_WIDTH);
    if (row_shown && column_shown) {
        Scroll_Map_If_Square_On_Edge(map_x, map_y, wx, wy, MAP_WINDOW_WIDTH, MAP_WINDOW_HEIGHT);
    } else {
        int16_t x = (int16_t)(wx - 6);
        if (x < 0) x += 60;
        int16_t y = (int16_t)(wy - 5);
        if (y < 0) y = 0;
        if (y > 30) y = 30;
        *map_x = x;
        *map_y = y;
        _prev_world_x = x;
        _prev_world_y = y;
    }
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    Set_Entities_On_Map_Window(*map_x, *map_y, wp);
}

int16_t Scroll_Map_If_Square_On_Edge(int16_t *map_x, int16_t *map_y, int16_t wx, int16_t wy, int16_t width,
                                     int16_t height)
{
    const int16_t first_x = *map_x;
    bool scrolled = false;
    if (wx == first_x) {
        *map_x = (int16_t)(first_x == 0 ? 59 : first_x - 1);
        scrolled = true;
    }
    if (wx == (first_x + width - 1) % 60) {
        *map_x = (int16_t)((*map_x + 1) % 60);
        scrolled = true;
    }
    if (*map_y + height == wy + 1 && *map_y + height < 39) {
        *map_y = (int16_t)(*map_y + 1);
        scrolled = true;
    }
    if (wy == *map_y && *map_y != 0) {
        *map_y = (int16_t)(*map_y - 1);
        scrolled = true;
    }
    if (scrolled) {
        _prev_world_x = *map_x;
        _prev_world_y = *map_y;
    }
    return scrolled ? 1 : 0;
}

int16_t Stack_Moves_Active(void)
{
    int figure = 1000;
    for (int i = 0; i < _unit_stack_count && i < MAX_STACK; i++) {
        if (_unit_stack[i].active != 1) {
            continue;
        }
        const int16_t u = _unit_stack[i].unit_idx;
        const int moves = _UNITS[u].moves2;
        if (moves < figure) {
            figure = moves;
        }
        if (_unit_type_table[_UNITS[u].type].Transport > 0) {
            figure = moves;
            break;
        }
        if (Unit_Has_WindWalking(u)) {
            figure = moves;
        }
    }
    stack_moves = (int16_t)(figure == 1000 ? 0 : figure);
    return stack_moves;
}

int16_t Stack_Has_PlanarTravel(void)
{
    bool none_selected = true;
    for (int i = 0; i < _unit_stack_count && i < MAX_STACK; i++) {
        none_selected = none_selected && _unit_stack[i].active != 1;
    }
    if (none_selected) {
        for (int i = 0; i < _unit_stack_count && i < MAX_STACK; i++) _unit_stack[i].active = 1;
    }
    Active_Stack_On_Astral_Gate();
    int16_t answer = 0;
    for (int i = 0; i < _unit_stack_count && i < MAX_STACK; i++) {
        if (_unit_stack[i].active != 1) {
            continue;
        }
        const int16_t u = _unit_stack[i].unit_idx;
        answer = (_unit_type_table[_UNITS[u].type].Abilities & UA_PLANESHIFT) ||
                 (_UNITS[u].enchantments & UE_PLANARTRAVEL) || Unit_Has_PlanarTravel_Item(u);
    }
    if (none_selected) {
        for (int i = 0; i < _unit_stack_count && i < MAX_STACK; i++) _unit_stack[i].active = 0;
    }
    return answer;
}

int16_t Square_Has_City_Dupe(int16_t wx, int16_t wy, int16_t wp) { return Square_Has_City(wx, wy, wp); }
