#include "world/Army_Queries.h"

#include "world/ALLOC.h"
#include "world/Army_Services.h"
#include "world/Scouting.h"
#include "world/Unit_Death.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Type_Record.h"

namespace {

int Unit_Scan_End(void) { return _units < 0 ? 0 : _units > UNIT_TABLE_CAPACITY ? UNIT_TABLE_CAPACITY : _units; }

int City_Scan_End(void) { return _cities < 0 ? 0 : _cities > NUM_CITIES ? NUM_CITIES : _cities; }

bool On_Square(const Unit_Record &unit, int16_t wx, int16_t wy) { return unit.wx == wx && unit.wy == wy; }

int16_t City_On(int16_t wx, int16_t wy, int16_t wp)
{
    for (int c = 0; c < City_Scan_End(); c++) {
        const City_Record &city = _CITIES[c];
        if (city.wx == wx && city.wy == wy && city.wp == wp) {
            return (int16_t)c;
        }
    }
    return -1;
}

}  // namespace

bool Unit_On_Plane(int16_t unit_idx, int16_t wp)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    return unit.wp == wp || unit.in_tower == UNIT_IN_TOWER;
}

int16_t Player_Fortress_City(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NEUTRAL_PLAYER_IDX) {
        return -1;
    }
    const Fortress_Record &fortress = _FORTRESSES[player_idx];
    if (fortress.active != 1) {
        return -1;
    }
    return City_On(fortress.wx, fortress.wy, fortress.wp);
}

int16_t Player_Summon_City(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NEUTRAL_PLAYER_IDX) {
        return -1;
    }
    const Player_Record &player = _players[player_idx];
    return City_On(player.summon_wx, player.summon_wy, player.summon_wp);
}

void Army_At_City(int16_t city_idx, int16_t *count, int16_t *list)
{
    int n = 0;
    if (city_idx >= 0 && city_idx < NUM_CITIES) {
        const City_Record &city = _CITIES[city_idx];
        for (int u = 0; u < Unit_Scan_End() && n < ARMY_LIST_STACK_MAX; u++) {
            const Unit_Record &unit = _UNITS[u];
            if (unit.owner_idx == city.owner_idx && unit.wx == city.wx && unit.wy == city.wy && unit.wp == city.wp) {
                list[n++] = (int16_t)u;
            }
        }
    }
    *count = (int16_t)n;
}

void Player_Army_At_Square(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx, int16_t *count, int16_t *list)
{
    int n = 0;
    for (int u = 0; u < Unit_Scan_End() && n < ARMY_AT_SQUARE_MAX; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.owner_idx == player_idx && On_Square(unit, wx, wy) && Unit_On_Plane((int16_t)u, wp)) {
            list[n++] = (int16_t)u;
        }
    }
    *count = (int16_t)n;
}

void Enemy_Army_At_Square(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx, int16_t *count, int16_t *list)
{
    int n = 0;
    for (int u = 0; u < Unit_Scan_End() && n < ARMY_AT_SQUARE_MAX; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.owner_idx != player_idx && unit.owner_idx != -1 && On_Square(unit, wx, wy) &&
            Unit_On_Plane((int16_t)u, wp)) {
            list[n++] = (int16_t)u;
        }
    }
    *count = (int16_t)n;
}

void Army_At_Square_2(int16_t wx, int16_t wy, int16_t wp, int16_t *count, int16_t *list)
{
    int n = 0;
    for (int u = 0; u < Unit_Scan_End() && n < ARMY_LIST_STACK_MAX; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.owner_idx != -1 && On_Square(unit, wx, wy) && Unit_On_Plane((int16_t)u, wp)) {
            list[n++] = (int16_t)u;
        }
    }
    *count = (int16_t)n;
}

void Army_At_Square_3(int16_t wx, int16_t wy, int16_t wp, int16_t *count, int16_t *list)
{
    int n = 0;
    for (int u = 0; u < Unit_Scan_End() && n < ARMY_AT_SQUARE_MAX; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.owner_idx != -1 && On_Square(unit, wx, wy) && unit.wp == wp) {
            list[n++] = (int16_t)u;
        }
    }
    *count = (int16_t)n;
}

int16_t Get_Map_Square_Magic_Node(int16_t wx, int16_t wy, int16_t wp)
{
    for (int i = 0; i < NUM_NODES; i++) {
        const Node_Record &node = _NODES[i];
        if (node.wx == wx && node.wy == wy && node.wp == wp) {
            return (int16_t)i;
        }
    }
    return -1;
}

int16_t Unit_Action_Special_Settle(int16_t count, const int16_t *list)
{
    if (count <= 0) {
        return 0;
    }
    bool settler = false;
    for (int i = 0; i < count && !settler; i++) {
        const Unit_Record &unit = _UNITS[list[i]];
        settler = (_unit_type_table[unit.type].Abilities & UA_CREATEOUTPOST) && !(unit.mutations & UM_UNDEAD);
    }
    if (!settler) {
        return 0;
    }
    const Unit_Record &first = _UNITS[list[0]];
    if (Army_Map_Square_Survey(first.wx, first.wy, first.wp) != 0) {
        return 0;
    }
    special_action_flag = 1;
    return 1;
}

void Dismiss_Unit(int16_t unit_idx) { Kill_Unit(unit_idx, kum_Destroyed); }

void Set_Square_Explored_Flags_Range(int16_t wx, int16_t wy, int16_t wp, int16_t radius)
{
    if (radius <= 0) {
        return;
    }
    if (radius == 1) {
        Army_Set_Square_Explored_Flags(wx, wy, wp);
        return;
    }
    const int side = 2 * radius - 1;
    int top = wy - radius + 1;
    if (top < 0) {
        top = 0;
    }
    const int left = ((wx - radius + 1) % WORLD_WIDTH + WORLD_WIDTH) % WORLD_WIDTH;
    for (int y = top; y < top + side && y < WORLD_HEIGHT; y++) {
        for (int i = 0; i < side; i++) {
            int x = (left + i) % WORLD_WIDTH;
            Army_Set_Square_Explored_Flags((int16_t)x, (int16_t)y, wp);
        }
    }
}

void Cheat_Reveal(void)
{
    for (int sq = 0; sq < NUM_PLANES * WORLD_SIZE; sq++) {
        _square_explored[sq] = 15;
    }
    const int players = _num_players < 0 ? 0 : _num_players > NUM_PLAYERS ? NUM_PLAYERS : _num_players;
    for (int i = 0; i < players; i++) {
        for (int j = 0; j < players; j++) {
            _players[i].Dipl_Contacted[j] = 1;
            _players[j].Dipl_Contacted[i] = 1;
        }
    }
    if (_current_player_idx >= 0 && _current_player_idx < NUM_PLAYERS) {
        _players[_current_player_idx].Globals[ge_Natures_Awareness] = 1;
    }
    Update_Scouted_And_Contacted();
    Army_Reset_Map_Draw();
}

void o59p10_empty_function(void) {}
void o108p3_empty_function(void) {}
void s146p4_empty_function(void) {}
void s146p5_empty_function(void) {}
