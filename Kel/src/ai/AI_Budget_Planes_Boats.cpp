#include "ai/AI_Budget_Planes_Boats.h"

#include "ai/AI_Army_Helpers.h"
#include "ai/AI_Army_Planning.h"
#include "ai/AI_Continents.h"
#include "ai/AI_Data.h"
#include "ai/AI_Stack_Orders.h"
#include "turn/Unit_Strength.h"
#include "world/Army_Queries.h"
#include "world/City_Economy.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Plane_Shift.h"
#include "world/Square_Queries.h"
#include "world/Unit_Death.h"
#include "world/Wizard_Economy.h"

namespace {

constexpr int16_t DISBAND_PASSES = 200;
constexpr int16_t DISBAND_NO_SCORE = 10000;

// The weakest unit of the player on land among the normal (summoned 0) or summoned (1) types.
int16_t Weakest_Unit(int16_t player_idx, int16_t summoned)
{
    int16_t best = -1;
    int32_t best_score = DISBAND_NO_SCORE;
    for (int16_t k = 0; k < _units && k < UNIT_TABLE_CAPACITY; k++) {
        const Unit_Record &unit = _UNITS[k];
        if (unit.owner_idx != player_idx || unit.type >= NUM_UNIT_TYPES) continue;
        if ((unit.type >= NUM_SUMMONED_TYPE_FIRST) != (summoned != 0)) continue;
        const int16_t landmass = AI_Landmass_At(unit.wx, unit.wy, unit.wp);
        if (landmass <= 0) continue;
        int32_t score = Effective_Unit_Strength(k) / 10;
        if (_ai_landmass_strength_ratios != nullptr && landmass < AI_LANDMASSES &&
            _ai_landmass_strength_ratios[unit.wp * AI_LANDMASSES + landmass] == 0) {
            score *= 2;
        }
        if (score < best_score) {
            best_score = score;
            best = k;
        }
    }
    return best;
}

int16_t Scaled_Upkeep(int16_t unit_idx)
{
    const int32_t upkeep =
        (int32_t)_unit_type_table[_UNITS[unit_idx].type].Upkeep * Difficulty_Modifier_Percent(dm_Upkeep) / 100;
    return upkeep < 1 ? (int16_t)1 : (int16_t)(upkeep > 32767 ? 32767 : upkeep);
}

void Move_Square_To_Plane(int16_t player_idx, int16_t wx, int16_t wy, int16_t to_plane)
{
    for (int16_t k = 0; k < _units; k++) {
        Unit_Record &unit = _UNITS[k];
        if (unit.owner_idx == player_idx && unit.wx == wx && unit.wy == wy && unit.wp < NUM_PLANES)
            unit.wp = (uint8_t)to_plane;
    }
}

}  // namespace

void AI_Disband_To_Balance_Budget(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return;
    int16_t gold = 0, food = 0, mana = 0;
    Player_Resource_Income_Total(player_idx, &gold, &food, &mana);
    int32_t gold_deficit = gold < 0 ? -gold : 0;
    int32_t food_deficit = food < 0 ? -food : 0;
    int32_t mana_deficit = mana < 0 ? -mana : 0;
    for (int16_t pass = 0; pass < DISBAND_PASSES && (food_deficit > 0 || gold_deficit > 0); pass++) {
        const int16_t k = Weakest_Unit(player_idx, 0);
        if (k < 0) continue;
        food_deficit -= 1;
        gold_deficit -= Scaled_Upkeep(k);
        Kill_Unit(k, kum_Plain);
    }
    for (int16_t pass = 0; pass < DISBAND_PASSES && mana_deficit > 0; pass++) {
        const int16_t k = Weakest_Unit(player_idx, 1);
        if (k < 0) continue;
        mana_deficit -= Scaled_Upkeep(k);
        Kill_Unit(k, kum_Plain);
    }
}

void AI_Shift_Off_Home_Plane(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || _ai_all_own_stacks == nullptr) return;
    if (AI_Planar_Seal_In_Force()) return;
    const int16_t home = _FORTRESSES[player_idx].wp;
    if (home < 0 || home >= NUM_PLANES) return;
    const int16_t away = (int16_t)(1 - home);
    for (int16_t s = 0; s < _ai_all_own_stack_count && s < AI_OWN_STACKS_MAX; s++) {
        AI_Own_Stack &stack = _ai_all_own_stacks[s];
        if (stack.wp != home || !Map_Square_Troops_Can_Plane_Shift(stack.wx, stack.wy, stack.wp)) continue;
        for (int16_t t = 0; t < NUM_TOWERS; t++) {
            if (_TOWERS[t].wx != stack.wx || _TOWERS[t].wy != stack.wy) continue;
            Move_Square_To_Plane(player_idx, stack.wx, stack.wy, away);
            stack.wp = (uint8_t)away;
        }
        for (int16_t j = 0; j < _cities; j++) {
            const City_Record &city = _CITIES[j];
            if (city.owner_idx != player_idx || city.wx != stack.wx || city.wy != stack.wy || city.wp != home) continue;
            if (city.enchantments[ce_Astral_Gate] == 0) continue;
            Move_Square_To_Plane(player_idx, stack.wx, stack.wy, away);
            stack.wp = (uint8_t)away;
        }
    }
}

void AI_Move_Out_Boats(void)
{
    if (_ai_all_own_stacks == nullptr) return;
    for (int16_t s = 0; s < _ai_all_own_stack_count && s < AI_OWN_STACKS_MAX; s++) {
        const AI_Own_Stack &stack = _ai_all_own_stacks[s];
        if (stack.strength == -1 || !(stack.flags & AI_STACK_TRANSPORT)) continue;
        if (!AI_On_Map(stack.wx, stack.wy, stack.wp) || !Square_Is_Land(stack.wx, stack.wy, stack.wp)) continue;
        int16_t found = 0, to_x = 0, to_y = 0;
        for (int16_t y = (int16_t)(stack.wy - 1); y <= stack.wy + 1; y++) {
            for (int16_t x = (int16_t)(stack.wx - 1); x <= stack.wx + 1; x++) {
                if ((x == stack.wx && y == stack.wy) || !AI_On_Map(x, y, stack.wp)) continue;
                if (Square_Is_OceanLike(x, y, stack.wp)) {
                    found = 1;
                    to_x = x;
                    to_y = y;
                }
            }
        }
        if (found) AI_Stack_Set_Boats_Goto(s, to_x, to_y);
    }
}

void AI_Stack_Set_Boats_Goto(int16_t stack_idx, int16_t wx, int16_t wy)
{
    if (_ai_all_own_stacks == nullptr || stack_idx < 0 || stack_idx >= AI_OWN_STACKS_MAX) return;
    AI_Own_Stack &stack = _ai_all_own_stacks[stack_idx];
    for (int16_t k = 0; k < _units; k++) {
        Unit_Record &unit = _UNITS[k];
        if (unit.wx != stack.wx || unit.wy != stack.wy || unit.wp != stack.wp) continue;
        const Unit_Type_Record *type = AI_Unit_Type(k);
        if (type == nullptr || type->Transport == 0) continue;
        unit.Status = us_GOTO;
        unit.dst_wx = (uint8_t)wx;
        unit.dst_wy = (uint8_t)wy;
    }
    stack.strength = -1;
}

void AI_Stacks_Move_Out_NonMilitary_Garrisoned(int16_t wp)
{
    AI_Continent_Block *block = AI_Continent_Data();
    if (block == nullptr) return;
    for (int16_t k = 0; k < _ai_own_stack_count && k < AI_STACK_TABLE_MAX; k++) {
        if (block->own_stack_type[k] != aist_Site && block->own_stack_type[k] != aist_Fortress) continue;
        const int16_t sx = block->own_stack_wx[k];
        const int16_t sy = block->own_stack_wy[k];
        const int16_t count = block->own_stack_unit_count[k];
        for (int16_t s = 0; s < count && s < AI_STACK_UNITS_MAX; s++) {
            const int16_t unit_idx = block->own_stack_unit_list[k][s];
            const Unit_Type_Record *type = AI_Unit_Type(unit_idx);
            if (type == nullptr) continue;
            int16_t fx = 0, fy = 0;
            if ((type->Abilities & UA_CREATEOUTPOST) || type->Construction > 0) {
                if (Adjacent_Free_Square(sx, sy, wp, &fx, &fy))
                    AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, fx, fy, k, s);
            } else if (type->Abilities & UA_MELD) {
                const Unit_Record &unit = _UNITS[unit_idx];
                if (Get_Map_Square_Magic_Node(unit.wx, unit.wy, wp) >= 0) continue;
                if (Adjacent_Free_Square(sx, sy, wp, &fx, &fy))
                    AI_Stacks_Order_Attack_Target_Or_Goto_Destination(unit_idx, fx, fy, k, s);
            }
        }
    }
}

int16_t Adjacent_Free_Square(int16_t wx, int16_t wy, int16_t wp, int16_t *out_x, int16_t *out_y)
{
    if (wp < 0 || wp >= NUM_PLANES) return 0;
    uint8_t free[3][3] = {};
    for (int dy = 0; dy < 3; dy++) {
        for (int dx = 0; dx < 3; dx++) {
            const int x = wx - 1 + dx, y = wy - 1 + dy;
            if ((dx == 1 && dy == 1) || !AI_On_Map(x, y, wp)) continue;
            free[dy][dx] = Square_Is_Land((int16_t)x, (int16_t)y, wp) ? 1 : 0;
        }
    }
    auto unmark = [&](int x, int y) {
        const int dx = x - (wx - 1), dy = y - (wy - 1);
        if (dx >= 0 && dx < 3 && dy >= 0 && dy < 3) free[dy][dx] = 0;
    };
    for (int16_t k = 0; k < _units; k++) {
        const Unit_Record &unit = _UNITS[k];
        if (unit.owner_idx >= 0 && unit.owner_idx < NUM_PLAYERS && unit.wp == wp) unmark(unit.wx, unit.wy);
    }
    for (int16_t i = 0; i < NUM_LAIRS; i++) {
        if (_LAIRS[i].Intact != 0 && _LAIRS[i].wp == wp) unmark(_LAIRS[i].wx, _LAIRS[i].wy);
    }
    for (int16_t j = 0; j < _cities; j++) {
        if (_CITIES[j].wp == wp) unmark(_CITIES[j].wx, _CITIES[j].wy);
    }
    for (int dy = 0; dy < 3; dy++) {
        for (int dx = 0; dx < 3; dx++) {
            if (!free[dy][dx]) continue;
            *out_x = (int16_t)(wx - 1 + dx);
            *out_y = (int16_t)(wy - 1 + dy);
            return 1;
        }
    }
    return 0;
}
