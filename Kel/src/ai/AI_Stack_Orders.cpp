#include "ai/AI_Stack_Orders.h"

#include "EMM.h"
#include "Geometry.h"
#include "STU_Wrappers.h"
#include "ai/AI_Army_Planning.h"
#include "ai/AI_Continents.h"
#include "ai/AI_Data.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Unit_Type_Record.h"

int16_t _ai_own_stack_count;
int16_t cp_staged_unit_count;
int16_t cp_enroute_unit_count;
int16_t _ai_ferry_count;
int16_t _ai_expedition_size_threshold;
uint8_t *cp_landmass_wx_array;
uint8_t *cp_landmass_wy_array;
uint8_t *cp_landmass_type_array;

static int16_t Landmass_Type(int16_t landmass_idx)
{
    return (cp_landmass_type_array != nullptr && landmass_idx >= 0 && landmass_idx < AI_CONT_LANDMASSES)
               ? cp_landmass_type_array[landmass_idx]
               : (int16_t)0;
}

void AI_Set_Unit_Orders(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= AI_CONT_WIZARDS) return;
    if (CONTXXX_Map() == nullptr) return;
    _ai_ferry_count = 0;
    _ai_expedition_size_threshold = (int16_t)(_turn / 30 + 2);
    if (_ai_expedition_size_threshold > 9) _ai_expedition_size_threshold = 9;
    AI_Disband_To_Balance_Budget(player_idx);
    AI_Shift_Off_Home_Plane(player_idx);
    AI_Move_Out_Boats();
    // The plane is one the game never set: no city stands on it, so nothing is found.
    AI_Find_Opportunity_City_Target(Stack_Garbage_Range(2, 32767), player_idx);
    for (int16_t wp = 0; wp < NUM_PLANES; wp++) {
        cp_landmass_wx_array = _ai_continents.wx[wp][player_idx];
        cp_landmass_wy_array = _ai_continents.wy[wp][player_idx];
        cp_landmass_type_array = _ai_continents.type[wp][player_idx];
        for (int16_t j = 1; j < AI_CONT_LANDMASSES; j++) {
            AI_Stacks_Init_Build_Target_Order(player_idx, j, wp);
            AI_Stacks_Move_Out_NonMilitary_Garrisoned(wp);
            AI_Survey_Expedition_Forces();
            AI_Stacks_Do_Meld(player_idx);
            AI_Stacks_Do_Settle(player_idx, j);
            AI_Stacks_Do_Purify(j, wp);
            AI_Stacks_Do_RoadBuild(j);
            AI_Build_Target_List(player_idx, j, wp);
            AI_Stacks_Roamers_Target_Or_Deploy(j, wp, player_idx);
            int16_t type = Landmass_Type(j);
            if (type == ait_Held || type >= ait_No_Own_City) AI_Stacks_Order_To_War_Landmass(player_idx, wp);
            type = Landmass_Type(j);
            if (type == ait_Held || type >= ait_Expedition) AI_Stacks_Relocate_Roamers(j, wp, player_idx);
            AI_Stacks_Stage_Expedition_Forces(j, wp, player_idx);
            type = Landmass_Type(j);
            if (type == ait_Held || type == ait_Contested || type >= ait_Expedition) {
                AI_Stacks_Garrison_Sites(player_idx, wp, j);
            }
        }
        AI_Stacks_Wartime_Ocean_Movement_And_Cleanup(player_idx, wp);
        AI_Stacks_Ocean_Landmass_Orders(player_idx, wp);
    }
    EMMDATAH_Map();
}

void AI_Stacks_Init_Build_Target_Order(int16_t player_idx, int16_t landmass_idx, int16_t wp)
{
    AI_Continent_Block *block = CONTXXX_Map();
    if (block == nullptr) return;
    _ai_own_stack_count = 0;
    cp_staged_unit_count = 0;
    cp_enroute_unit_count = 0;
    for (int k = 0; k < AI_STACK_TABLE_MAX; k++) {
        block->own_stack_wx[k] = 255;
        block->own_stack_wy[k] = 255;
        block->own_stack_wp[k] = 255;
        block->own_stack_type[k] = aist_Free;
        block->own_stack_unit_count[k] = 0;
        for (int s = 0; s < AI_STACK_UNITS_MAX; s++) block->own_stack_unit_list[k][s] = -1;
    }
    const int16_t landmass_ok = landmass_idx >= 0 && landmass_idx < AI_CONT_LANDMASSES;
    const int16_t gather_x = (landmass_ok && cp_landmass_wx_array) ? cp_landmass_wx_array[landmass_idx] : (int16_t)-1;
    const int16_t gather_y = (landmass_ok && cp_landmass_wy_array) ? cp_landmass_wy_array[landmass_idx] : (int16_t)-1;
    const Fortress_Record &fortress = _FORTRESSES[player_idx];
    for (int16_t unit_idx = 0; unit_idx < _units && _ai_own_stack_count < AI_STACK_TABLE_MAX; unit_idx++) {
        const Unit_Record &unit = _UNITS[unit_idx];
        if (unit.owner_idx != player_idx || unit.wp != wp) continue;
        if (unit.wx >= WORLD_WIDTH || unit.wy >= WORLD_HEIGHT) continue;
        if (unit.wx == gather_x && unit.wy == gather_y) cp_staged_unit_count++;
        if (_landmasses[World_Square_Index(unit.wx, unit.wy, unit.wp)] != landmass_idx) continue;
        int16_t k = -1;
        for (int16_t i = 0; i < _ai_own_stack_count; i++) {
            if (block->own_stack_wx[i] == unit.wx && block->own_stack_wy[i] == unit.wy &&
                block->own_stack_wp[i] == wp) {
                k = i;
            }
        }
        if (k == -1) {
            k = _ai_own_stack_count++;
            block->own_stack_wx[k] = unit.wx;
            block->own_stack_wy[k] = unit.wy;
            block->own_stack_wp[k] = wp;
            block->own_stack_unit_count[k] = 0;
            if (AI_Evaluation_Value(unit.wx, unit.wy, wp) == 0) {
                block->own_stack_type[k] = aist_Roaming;
            } else if (fortress.wx == unit.wx && fortress.wy == unit.wy && fortress.wp == wp) {
                block->own_stack_type[k] = aist_Fortress;
            } else {
                block->own_stack_type[k] = aist_Site;
            }
        }
        const int16_t slot = block->own_stack_unit_count[k];
        if (slot >= AI_STACK_UNITS_MAX) continue;
        const int16_t committed = unit.Status == us_GOTO || unit.Status == us_Purify || unit.Status == us_BuildRoad;
        if (committed && unit.dst_wx == gather_x && unit.dst_wy == gather_y) cp_enroute_unit_count++;
        block->own_stack_unit_list[k][slot] = committed ? (int16_t)-1 : unit_idx;
        block->own_stack_unit_count[k]++;
    }
    for (int16_t k = 0; k < _ai_own_stack_count; k++) {
        if (block->own_stack_type[k] != aist_Roaming) continue;
        const int16_t first = block->own_stack_unit_list[k][0];
        if (first >= 0 && _UNITS[first].Status == us_MoveToAttack) {
            int16_t x = 0, y = 0;
            const int16_t count = block->own_stack_unit_count[k] < AI_STACK_UNITS_MAX ? block->own_stack_unit_count[k]
                                                                                      : (int16_t)AI_STACK_UNITS_MAX;
            if (AI_Stacks_Target_Nearest_Hostile_Stack(k, landmass_idx, &x, &y, wp)) {
                for (int16_t s = 0; s < count; s++) {
                    AI_Stacks_Order_Attack_Target_Or_Goto_Destination(block->own_stack_unit_list[k][s], x, y, k, s);
                }
            } else {
                for (int16_t s = 0; s < count; s++) {
                    const int16_t unit_idx = block->own_stack_unit_list[k][s];
                    if (unit_idx >= 0 && unit_idx < _units) _UNITS[unit_idx].Status = us_Ready;
                }
                block->own_stack_type[k] = aist_Free;
            }
        } else if (block->own_stack_unit_count[k] < 2) {
            block->own_stack_type[k] = aist_Free;
        }
    }
}

int16_t AI_Stacks_Target_Nearest_Hostile_Stack(int16_t stack_idx, int16_t landmass_idx, int16_t *wx, int16_t *wy,
                                               int16_t wp)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr || stack_idx < 0 || stack_idx >= AI_STACK_TABLE_MAX || landmass_idx < 0 ||
        landmass_idx >= AI_CONT_LANDMASSES || wp < 0 || wp >= NUM_PLANES) {
        return 0;
    }
    const AI_Square_List &land = block->land[wp];
    const int16_t sx = block->own_stack_wx[stack_idx];
    const int16_t sy = block->own_stack_wy[stack_idx];
    int16_t best = 1000;
    for (int16_t n = land.heads[landmass_idx], steps = 0; n >= 0 && n < AI_LIST_CAPACITY && steps < AI_LIST_CAPACITY;
         n = land.next[n], ++steps) {
        const uint16_t word = AI_Evaluation_Value(land.wx[n], land.wy[n], wp);
        if ((word & AI_EVAL_STRENGTH_MASK) == 0 || (word & (AI_EVAL_FRIENDLY_UNIT | AI_EVAL_SITE)) != 0) continue;
        const int16_t d = Delta_XY_With_Wrap(sx, sy, land.wx[n], land.wy[n], WORLD_WIDTH);
        if (d < best) {
            best = d;
            *wx = land.wx[n];
            *wy = land.wy[n];
        }
    }
    return best < 1000;
}

static int16_t Unit_Ok(int16_t unit_idx) { return unit_idx >= 0 && unit_idx <= 999; }

static void Empty_Slot(int16_t stack_idx, int16_t slot)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block != nullptr && stack_idx >= 0 && stack_idx < AI_STACK_TABLE_MAX && slot >= 0 &&
        slot < AI_STACK_UNITS_MAX) {
        block->own_stack_unit_list[stack_idx][slot] = -1;
    }
}

void AI_Stacks_Order_Attack_Target_Or_Goto_Destination(int16_t unit_idx, int16_t wx, int16_t wy, int16_t stack_idx,
                                                       int16_t slot)
{
    if (!Unit_Ok(unit_idx)) return;
    Unit_Record &unit = _UNITS[unit_idx];
    const uint16_t word = AI_Evaluation_Value(wx, wy, unit.wp);
    unit.Status = ((word & AI_EVAL_SITE) == 0 && (word & AI_EVAL_STRENGTH_MASK) != 0) ? us_MoveToAttack : us_GOTO;
    unit.dst_wx = (uint8_t)wx;
    unit.dst_wy = (uint8_t)wy;
    Empty_Slot(stack_idx, slot);
}

void AI_Stacks_Order_RoadBuild(int16_t unit_idx, int16_t wx, int16_t wy, int16_t stack_idx, int16_t slot)
{
    if (!Unit_Ok(unit_idx)) return;
    Unit_Record &unit = _UNITS[unit_idx];
    unit.Status = us_BuildRoad;
    unit.dst_wx = (uint8_t)wx;
    unit.dst_wy = (uint8_t)wy;
    unit.Rd_From_X = unit.wx;
    unit.Rd_From_Y = unit.wy;
    Empty_Slot(stack_idx, slot);
}

void AI_Stacks_Order_Purify(int16_t unit_idx, int16_t stack_idx, int16_t slot)
{
    if (!Unit_Ok(unit_idx)) return;
    _UNITS[unit_idx].Status = us_Purify;
    _UNITS[unit_idx].dst_wx = 20;
    Empty_Slot(stack_idx, slot);
}

void AI_Stacks_Order_Meld(int16_t unit_idx, int16_t stack_idx, int16_t slot)
{
    if (!Unit_Ok(unit_idx)) return;
    _UNITS[unit_idx].Status = us_Meld;
    Empty_Slot(stack_idx, slot);
}

void AI_Order_Settle(int16_t unit_idx, int16_t stack_idx, int16_t slot)
{
    if (!Unit_Ok(unit_idx)) return;
    _UNITS[unit_idx].Status = us_Settle;
    Empty_Slot(stack_idx, slot);
}

void AI_Stacks_Order_Ferry(int16_t unit_idx, int16_t stack_idx, int16_t slot)
{
    if (!Unit_Ok(unit_idx)) return;
    _UNITS[unit_idx].Status = us_SeekTransport;
    _UNITS[unit_idx].dst_wx = 10;
    Empty_Slot(stack_idx, slot);
}

void AI_Stack_Set_Destination(int16_t stack_idx, int16_t wx, int16_t wy, int16_t player_idx)
{
    if (_ai_all_own_stacks == nullptr || stack_idx < 0 || stack_idx >= AI_OWN_STACKS_MAX || player_idx < 0 ||
        player_idx >= NUM_PLAYERS) {
        return;
    }
    AI_Own_Stack &stack = _ai_all_own_stacks[stack_idx];
    for (int16_t k = 0; k < _units; k++) {
        const Unit_Record &unit = _UNITS[k];
        if (unit.wx != wx || unit.wy != wy || unit.wp != stack.wp) continue;
        const int16_t owner = unit.owner_idx;
        if (owner != player_idx && owner != NEUTRAL_PLAYER_IDX && owner >= 0 && owner < NUM_PLAYERS) {
            const Player_Record &wizard = _players[player_idx];
            if (wizard.peace_duration[owner] != 0 || wizard.Dipl_Treaty[owner] == 1 || wizard.Dipl_Treaty[owner] == 2) {
                return;
            }
        }
        break;
    }
    if (!AI_Stack_Can_Mobilize(stack_idx, stack.wx, stack.wy, stack.wp)) return;
    for (int16_t k = 0; k < _units; k++) {
        Unit_Record &unit = _UNITS[k];
        if (unit.wx != stack.wx || unit.wy != stack.wy || unit.wp != stack.wp || unit.type >= NUM_UNIT_TYPES) continue;
        if (_unit_type_table[unit.type].Abilities & UA_CREATEOUTPOST) continue;
        unit.Status = us_GOTO;
        unit.dst_wx = (uint8_t)wx;
        unit.dst_wy = (uint8_t)wy;
    }
    stack.strength = -1;
}

int16_t AI_Stack_Can_Mobilize(int16_t stack_idx, int16_t wx, int16_t wy, int16_t wp)
{
    (void)stack_idx;
    int16_t city_there = 0;
    for (int16_t j = 0; j < _cities; j++) {
        if (_CITIES[j].wx == wx && _CITIES[j].wy == wy && _CITIES[j].wp == wp) city_there = 1;
    }
    if (!city_there) return 1;
    int16_t needed = _difficulty <= 1 ? 1 : _difficulty == 2 ? 2 : 3;
    int16_t owner = -1;
    for (int16_t k = 0; k < _units && needed > 0; k++) {
        const Unit_Record &unit = _UNITS[k];
        if (unit.wx != wx || unit.wy != wy || unit.wp != wp) continue;
        owner = unit.owner_idx;
        if (unit.type >= NUM_UNIT_TYPES) continue;
        const Unit_Type_Record &type = _unit_type_table[unit.type];
        if (!(type.Abilities & UA_CREATEOUTPOST) && type.Construction == 0 && type.Transport == 0) needed--;
    }
    if (owner >= 0 && owner < NUM_PLAYERS && owner != NEUTRAL_PLAYER_IDX && _FORTRESSES[owner].wx == wx &&
        _FORTRESSES[owner].wy == wy && _FORTRESSES[owner].wp == wp && _turn > 120) {
        return 0;
    }
    return needed <= 0;
}
