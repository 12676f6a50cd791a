#include "world/Plane_Shift.h"

#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Army_Services.h"
#include "world/Movement_Modes.h"
#include "world/Scouting.h"
#include "world/Square_Queries.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int SQUARE_ARMY_LIMIT = 10;  // a square holds at most 9 units of one owner

int16_t Tower_At(int16_t wx, int16_t wy)
{
    for (int t = 0; t < NUM_TOWERS; t++) {
        if (_TOWERS[t].wx == wx && _TOWERS[t].wy == wy) {
            return (int16_t)t;
        }
    }
    return -1;
}

bool Any_Wind_Walker(int16_t count, const int16_t *list)
{
    for (int i = 0; i < count; i++) {
        if (Unit_Has_WindWalking(list[i])) return true;
    }
    return false;
}

}  // namespace

int16_t Square_Is_Tower(int16_t wx, int16_t wy) { return Tower_At(wx, wy) >= 0 ? 1 : 0; }

void Units_In_Tower(int16_t count, const int16_t *list, int16_t wp)
{
    if (count <= 0) {
        return;
    }
    const Unit_Record &first = _UNITS[list[0]];
    const int16_t tower = Tower_At(first.wx, first.wy);
    if (tower >= 0 && !Check_Planar_Seal()) {
        for (int i = 0; i < count; i++) {
            _UNITS[list[i]].in_tower = UNIT_IN_TOWER;
        }
        _TOWERS[tower].owner_idx = first.owner_idx;
        if (first.owner_idx == _current_player_idx) {
            Army_Set_Square_Explored_Flags(first.wx, first.wy, 0);
            Army_Set_Square_Explored_Flags(first.wx, first.wy, 1);
        }
        return;
    }
    for (int i = 0; i < count; i++) {
        Unit_Record &unit = _UNITS[list[i]];
        if (unit.in_tower == UNIT_IN_TOWER) {
            unit.wp = (uint8_t)wp;
            unit.in_tower = 0;
        }
    }
}

void All_Units_In_Towers(void)
{
    const int16_t sealed = Check_Planar_Seal();
    const int units = _units < 0 ? 0 : _units > UNIT_TABLE_CAPACITY ? UNIT_TABLE_CAPACITY : _units;
    for (int u = 0; u < units; u++) {
        Unit_Record &unit = _UNITS[u];
        unit.in_tower = 0;
        for (int t = 0; t < NUM_TOWERS; t++) {
            if (_TOWERS[t].wx == unit.wx && _TOWERS[t].wy == unit.wy) {
                unit.in_tower = sealed ? 0 : UNIT_IN_TOWER;
            }
        }
    }
}

int16_t Check_Stack_Plane_Shift(int16_t unit_idx, int16_t target_plane)
{
    if (unit_idx < 0 || unit_idx >= UNIT_TABLE_CAPACITY || target_plane < 0 || target_plane >= NUM_PLANES) {
        return PLANE_SHIFT_REFUSED;
    }
    const Unit_Record &unit = _UNITS[unit_idx];
    const int16_t wx = unit.wx;
    const int16_t wy = unit.wy;
    const int16_t owner = unit.owner_idx;
    int16_t modes[NUM_MOVEMENT_MODES] = {};
    Active_Stack_Movement_Modes(modes);
    if (Square_Is_Sailable(wx, wy, target_plane) &&
        !(modes[mm_Swimming] > 0 || modes[mm_Sailing] > 0 || modes[mm_Flying] > 0)) {
        return PLANE_SHIFT_REFUSED;
    }
    if (Army_Square_Has_Lair(wx, wy, target_plane) != -1) {
        return PLANE_SHIFT_REFUSED;
    }
    int16_t there[ARMY_AT_SQUARE_MAX];
    int16_t there_count = 0;
    const int16_t city_idx = Square_Has_City(wx, wy, target_plane);
    if (city_idx != -1) {
        int16_t stack[MAX_STACK];
        const int16_t stack_count = _unit_stack_count < 0           ? 0
                                    : _unit_stack_count > MAX_STACK ? MAX_STACK
                                                                    : _unit_stack_count;
        for (int i = 0; i < stack_count; i++) {
            stack[i] = _unit_stack[i].unit_idx;
        }
        if (Stack_Blocked_By_Spell_Ward(city_idx, stack_count, stack)) {
            return PLANE_SHIFT_REFUSED;
        }
        if (_CITIES[city_idx].owner_idx != owner) {
            return PLANE_SHIFT_REFUSED;
        }
    } else {
        Enemy_Army_At_Square(wx, wy, target_plane, owner, &there_count, there);
        if (there_count > 0) {
            return PLANE_SHIFT_REFUSED;
        }
    }
    Player_Army_At_Square(wx, wy, target_plane, owner, &there_count, there);
    return _unit_stack_count + there_count < SQUARE_ARMY_LIMIT ? PLANE_SHIFT_ALLOWED : PLANE_SHIFT_REFUSED;
}

int16_t Map_Square_Troops_Can_Plane_Shift(int16_t wx, int16_t wy, int16_t wp)
{
    if (wp < 0 || wp >= NUM_PLANES || Check_Planar_Seal()) {
        return 0;
    }
    const int16_t other = (int16_t)(1 - wp);
    int16_t army[ARMY_AT_SQUARE_MAX];
    int16_t n = 0;
    Army_At_Square_3(wx, wy, wp, &n, army);
    if (n == 0 || n >= ARMY_LIST_STACK_MAX) {
        return 0;
    }
    const int16_t owner = _UNITS[army[0]].owner_idx;
    int16_t there[ARMY_AT_SQUARE_MAX];
    int16_t m = 0;
    Army_At_Square_3(wx, wy, other, &m, there);
    if (m != 0 && !(_UNITS[there[0]].owner_idx == owner && m < SQUARE_ARMY_LIMIT && n + m < SQUARE_ARMY_LIMIT)) {
        return 0;
    }
    if (Army_Square_Has_Lair(wx, wy, other) != -1) {
        return 0;
    }
    if (Army_Player_City_At_Square(wx, wy, other, owner) != -1) {
        return 0;
    }
    if (Square_Is_Sailable(wx, wy, other)) {
        if (Any_Wind_Walker(n, army) || Any_Wind_Walker(m, there)) {
            return 1;
        }
        for (int i = 0; i < n; i++) {
            const int16_t u = army[i];
            if (!(Unit_Has_AirTravel(u) || Unit_Has_AirTravel_Item(u) || Unit_Has_Swimming(u) ||
                  Unit_Has_WaterTravel_Item(u))) {
                return 0;
            }
        }
        return 1;
    }
    for (int i = 0; i < n; i++) {
        const int16_t u = army[i];
        if ((_unit_type_table[_UNITS[u].type].Move_Flags & MV_SAILING) && !Unit_Has_AirTravel(u)) {
            return 0;
        }
    }
    return 1;
}

void Active_Stack_Take_Plane(int16_t wp)
{
    if (wp < 0 || wp >= NUM_PLANES) {
        return;
    }
    const int16_t stack_count = _unit_stack_count < 0           ? 0
                                : _unit_stack_count > MAX_STACK ? MAX_STACK
                                                                : _unit_stack_count;
    bool any_selected = false;
    for (int i = 0; i < stack_count; i++) {
        any_selected |= _unit_stack[i].active == 1;
    }
    int16_t moved[MAX_STACK];
    int16_t moved_count = 0;
    for (int i = 0; i < stack_count; i++) {
        if (any_selected && _unit_stack[i].active != 1) {
            continue;
        }
        const int16_t u = _unit_stack[i].unit_idx;
        if (u < 0 || u >= UNIT_TABLE_CAPACITY) {
            continue;
        }
        Unit_Record &unit = _UNITS[u];
        unit.wp = (uint8_t)wp;
        unit.in_tower = 0;
        unit.moves2 = unit.moves2 > PLANE_SHIFT_MOVE_COST ? (uint8_t)(unit.moves2 - PLANE_SHIFT_MOVE_COST) : 0;
        if (unit.moves2 == 0) {
            unit.Finished = 1;
        }
        moved[moved_count++] = u;
    }
    Units_In_Tower(moved_count, moved, wp);
    Update_Scouted_And_Contacted();
}
