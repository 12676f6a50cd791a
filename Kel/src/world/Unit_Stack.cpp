#include "world/Unit_Stack.h"

#include "STU_Log.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Army_Services.h"
#include "world/Movement_Modes.h"
#include "world/Square_Queries.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Type_Record.h"

int16_t all_units_moved;
int16_t reset_active_stack;
int16_t _active_stack_has_path;
int16_t special_action_flag = sa_None;

static const Unit_Type_Record &Type_Of(int16_t unit_idx) { return _unit_type_table[_UNITS[unit_idx].type]; }

void Set_Current_Unit(int16_t unit_idx)
{
    STU_LOG(SEV_INFO, LC_GENERAL, "[_unit ASSIGN] %d -> %d", _unit, unit_idx);
    _unit = unit_idx;
}

void Update_Stack_Active(int16_t stack_idx)
{
    if (stack_idx < 0 || stack_idx >= _unit_stack_count || stack_idx >= MAX_STACK) {
        return;
    }
    Unit_Record &unit = _UNITS[_unit_stack[stack_idx].unit_idx];
    if (unit.Status == us_ReachedDest || unit.moves2 == 0) {
        return;
    }
    if (reset_active_stack == 1 && _unit_stack_count > 1 && unit.Status != us_Casting) {
        int active = 0;
        for (int i = 0; i < _unit_stack_count; i++) {
            active += _unit_stack[i].active == 1;
        }
        if (active > 1) {
            for (int i = 0; i < _unit_stack_count; i++) {
                _unit_stack[i].active = 0;
            }
        }
    }
    reset_active_stack = 0;
    Unit_Stack_Entry &entry = _unit_stack[stack_idx];
    if (entry.active == 1) {
        entry.active = 0;
    } else if (unit.Status == us_Ready) {
        if (unit.moves2 > 0) {
            entry.active = 1;
        }
    } else if (unit.moves2 > 0) {
        entry.active = 1;
        if (unit.Status == us_GOTO) {
            _active_stack_has_path = 0;
        }
        unit.Status = us_Ready;
        unit.Finished = 0;
        unit.Rd_Constr_Left = -1;
        all_units_moved = 0;
        Army_Reset_Draw_Active_Stack();
    }
    for (int i = 0; i < _unit_stack_count; i++) {
        if (_UNITS[_unit_stack[i].unit_idx].Finished) {
            _unit_stack[i].active = 0;
        }
    }
    Stack_Moves();
    Set_Unit_Action_Special();
}

void Active_Unit_Stack(int16_t *count, int16_t *list)
{
    int16_t n = 0;
    for (int i = 0; i < _unit_stack_count && i < MAX_STACK; i++) {
        if (_unit_stack[i].active == 1) {
            list[n++] = _unit_stack[i].unit_idx;
        }
    }
    *count = n;
}

void Set_Unit_Action_Special(void)
{
    int16_t count;
    int16_t list[MAX_STACK];
    special_action_flag = sa_None;
    Active_Unit_Stack(&count, list);
    if (count <= 0) {
        return;
    }
    Unit_Action_Special_Build(count, list);
    Unit_Action_Special_Settle(count, list);
    Unit_Action_Special_Purify(count, list);
    Unit_Action_Special_Meld(count, list);
}

int16_t Unit_Action_Special_Build(int16_t count, const int16_t *list)
{
    if (count <= 0) {
        return 0;
    }
    const Unit_Record &first = _UNITS[list[0]];
    if (Square_Is_Sailable(first.wx, first.wy, first.wp)) {
        return 0;
    }
    for (int i = 0; i < count; i++) {
        if (Type_Of(list[i]).Construction > 0) {
            special_action_flag = sa_Build_Road;
            return 1;
        }
    }
    return 0;
}

int16_t Unit_Action_Special_Purify(int16_t count, const int16_t *list)
{
    if (count <= 0) {
        return 0;
    }
    const Unit_Record &first = _UNITS[list[0]];
    if (!Square_Has_Corruption(first.wx, first.wy, first.wp)) {
        return 0;
    }
    for (int i = 0; i < count; i++) {
        if (Type_Of(list[i]).Abilities & UA_PURIFY) {
            special_action_flag = sa_Purify;
            return 1;
        }
    }
    return 0;
}

int16_t Unit_Action_Special_Meld(int16_t count, const int16_t *list)
{
    if (count <= 0) {
        return 0;
    }
    const Unit_Record &first = _UNITS[list[0]];
    const int16_t node_idx = Get_Map_Square_Magic_Node(first.wx, first.wy, first.wp);
    if (node_idx < 0 || !(Type_Of(list[0]).Abilities & UA_MELD)) {
        return 0;
    }
    const Node_Record &node = _NODES[node_idx];
    const bool own = node.owner_idx == first.owner_idx;
    if ((own && !(node.flags & 0x2)) || (!own && !(node.flags & 0x1))) {
        special_action_flag = sa_Meld;
        return 1;
    }
    return 0;
}

int16_t Unit_Moves_Without_Boat(int16_t unit_idx)
{
    return Unit_Has_AirTravel(unit_idx) || Unit_Has_WaterTravel(unit_idx) || Unit_Has_WindWalking(unit_idx) ||
           Unit_Has_AirTravel_Item(unit_idx) || Unit_Has_WaterTravel_Item(unit_idx);
}

static bool Listed(const int16_t *list, int16_t count, int16_t unit_idx)
{
    for (int i = 0; i < count; i++) {
        if (list[i] == unit_idx) {
            return true;
        }
    }
    return false;
}

static void Append(int16_t *list, int16_t *count, int16_t unit_idx)
{
    if (*count < MAX_STACK && !Listed(list, *count, unit_idx)) {
        list[(*count)++] = unit_idx;
    }
}

// Ships first, then riders up to the ships' room (heroes ride free), then the units that cross
// water by themselves. Without riders, every unit that is not a ship follows.
static void Board_Ships(const int16_t *ships, int16_t ship_count, const int16_t *others, int16_t other_count,
                        int16_t *count, int16_t *list)
{
    int capacity = 0;
    for (int i = 0; i < ship_count; i++) {
        Append(list, count, ships[i]);
        capacity += Type_Of(ships[i]).Transport;
    }
    int16_t riders[ARMY_SQUARE_ROOM];
    const int16_t rider_count = Army_Boatriders(other_count, others, riders);
    if (rider_count > 0) {
        int taken = 0;
        for (int i = 0; i < rider_count; i++) {
            const bool hero = _UNITS[riders[i]].type < NUM_HERO_TYPES;
            if (hero || taken < capacity) {
                Append(list, count, riders[i]);
                taken += hero ? 0 : 1;
            }
        }
        for (int i = 0; i < other_count; i++) {
            if (Unit_Moves_Without_Boat(others[i])) {
                Append(list, count, others[i]);
            }
        }
    } else {
        for (int i = 0; i < other_count; i++) {
            Append(list, count, others[i]);
        }
    }
}

void Build_Moveable_Stack(int16_t *count, int16_t *list)
{
    int16_t ships[MAX_STACK], others[MAX_STACK];
    int16_t ship_count = 0, other_count = 0;
    *count = 0;
    for (int i = 0; i < _unit_stack_count && i < MAX_STACK; i++) {
        const int16_t u = _unit_stack[i].unit_idx;
        if (_UNITS[u].Status == us_GOTO) {
            continue;
        }
        if (Type_Of(u).Transport > 0) {
            if (_unit_stack[i].active == 1) {
                ships[ship_count++] = u;
            }
        } else {
            others[other_count++] = u;
        }
    }
    if (ship_count == 0) {
        for (int i = 0; i < _unit_stack_count && i < MAX_STACK; i++) {
            const int16_t u = _unit_stack[i].unit_idx;
            if (_unit_stack[i].active == 1 && _UNITS[u].Status != us_GOTO) {
                list[(*count)++] = u;
            }
        }
        return;
    }
    const Unit_Record &first = _UNITS[ships[0]];
    if (Square_Has_City(first.wx, first.wy, first.wp) >= 0) {
        for (int i = 0; i < ship_count; i++) {
            list[(*count)++] = ships[i];
        }
        return;
    }
    Board_Ships(ships, ship_count, others, other_count, count, list);
}

void Build_RoadBuilder_Stack(int16_t *count, int16_t *list, int16_t dst_x, int16_t dst_y, int16_t player_idx,
                             int16_t unit_idx)
{
    *count = 0;
    if (unit_idx < 0 || unit_idx >= _units) {
        return;
    }
    const Unit_Record &unit = _UNITS[unit_idx];
    int16_t here_count = 0;
    int16_t here[ARMY_SQUARE_ROOM];
    Player_Army_At_Square(unit.wx, unit.wy, unit.wp, player_idx, &here_count, here);
    int16_t ships[MAX_STACK], others[MAX_STACK];
    int16_t ship_count = 0, other_count = 0;
    for (int i = 0; i < here_count && i < ARMY_SQUARE_ROOM; i++) {
        const Unit_Record &u = _UNITS[here[i]];
        if ((u.Status != us_GOTO && u.Status != us_MoveToAttack) || u.dst_wx != dst_x || u.dst_wy != dst_y) {
            continue;
        }
        if (Type_Of(here[i]).Transport > 0) {
            if (ship_count < MAX_STACK) ships[ship_count++] = here[i];
        } else if (other_count < MAX_STACK) {
            others[other_count++] = here[i];
        }
    }
    if (ship_count > 0) {
        Board_Ships(ships, ship_count, others, other_count, count, list);
        return;
    }
    for (int i = 0; i < other_count; i++) {
        const Unit_Record &u = _UNITS[others[i]];
        if (u.moves2 > 0 && u.Rd_Constr_Left == unit.Rd_Constr_Left) {
            Append(list, count, others[i]);
        }
    }
}
