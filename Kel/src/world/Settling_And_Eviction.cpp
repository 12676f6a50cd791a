// Founding outposts, room on a square and evicting a unit from an overfull one.
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Army_Services.h"
#include "world/Battlefield.h"
#include "world/Movement_Modes.h"
#include "world/Plane_Shift.h"
#include "world/Square_Queries.h"
#include "world/Unit_Death.h"
#include "world/Unit_Order_Rules.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int SQUARE_CAPACITY = 9;

bool Unit_Alive(int16_t unit_idx)
{
    return unit_idx >= 0 && unit_idx < UNIT_TABLE_CAPACITY && _UNITS[unit_idx].owner_idx >= 0 &&
           _UNITS[unit_idx].owner_idx < NUM_PLAYERS;
}

}  // namespace

int16_t Army_Do_Settle(int16_t count, const int16_t *list)
{
    for (int i = 0; i < count; i++) {
        const int16_t u = list[i];
        if (!Unit_Alive(u)) {
            continue;
        }
        const Unit_Record &unit = _UNITS[u];
        const Unit_Type_Record &type = _unit_type_table[unit.type];
        if (!(type.Abilities & UA_CREATEOUTPOST) || (unit.mutations & UM_UNDEAD)) {
            continue;
        }
        return Army_Create_Outpost(unit.wx, unit.wy, unit.wp, type.race, unit.owner_idx, u) == 1 ? 1 : 0;
    }
    return 0;
}

int16_t Active_Army_Do_Settle(void)
{
    int16_t list[MAX_STACK];
    int16_t count = 0;
    Active_Unit_Stack(&count, list);
    return Army_Do_Settle(count, list);
}

int16_t Unit_Space_At_Square(int16_t wx, int16_t wy, int16_t wp, int16_t owner_idx, int16_t unit_idx)
{
    int16_t there[ARMY_LIST_STACK_MAX];
    int16_t count = 0;
    Army_At_Square_2(wx, wy, wp, &count, there);
    if ((count > 0 && _UNITS[there[0]].owner_idx != owner_idx) || count >= SQUARE_CAPACITY) {
        return 0;
    }
    if (Square_Is_Tower(wx, wy)) {
        return 0;
    }
    bool may_stand;
    if (Square_Is_Sailable(wx, wy, wp)) {
        may_stand = Unit_Has_WindWalking(unit_idx);
        for (int i = 0; i < count && !may_stand; i++) {
            may_stand = Unit_Has_WindWalking(there[i]);
        }
        may_stand = may_stand || Unit_Has_AirTravel(unit_idx) || Unit_Has_WaterTravel(unit_idx);
    } else {
        may_stand = !(_unit_type_table[_UNITS[unit_idx].type].Move_Flags & MV_SAILING) || Unit_Has_AirTravel(unit_idx);
    }
    return may_stand ? (int16_t)(SQUARE_CAPACITY - count) : 0;
}

void Evict_Unit(int16_t unit_idx)
{
    if (!Unit_Alive(unit_idx)) {
        return;
    }
    Unit_Record &unit = _UNITS[unit_idx];
    const int16_t wx = unit.wx;
    const int16_t wy = unit.wy;
    const int16_t wp = unit.wp;
    const int16_t owner = unit.owner_idx;
    const int top = wy - 1 < 0 ? 0 : wy - 1;
    const int left = wx - 1 < 0 ? wx + WORLD_WIDTH - 1 : wx - 1;
    for (int y = top; y < top + 3 && y < WORLD_HEIGHT; y++) {
        for (int i = 0; i < 3; i++) {
            const int16_t x = (int16_t)((left + i) % WORLD_WIDTH);
            if (x == _combat_wx && y == _combat_wy) {
                continue;
            }
            if (Army_Square_Has_Lair(x, (int16_t)y, wp) != -1 ||
                Army_Player_City_At_Square(x, (int16_t)y, wp, owner) != -1 ||
                Unit_Space_At_Square(x, (int16_t)y, wp, owner, unit_idx) <= 0) {
                continue;
            }
            unit.wx = (uint8_t)x;
            unit.wy = (uint8_t)y;
            int16_t alone[1] = {unit_idx};
            Units_In_Tower(1, alone, wp);
            return;
        }
    }
    Kill_Unit(unit_idx, kum_Destroyed);
}
