// The computer wizards' stack orders: the per-turn order driver, the landmass stack table and the
// setters that write an order code and destination into a unit. Nothing here moves a unit.
#pragma once

#include <cstdint>

// Landmass stack types.
enum AI_Stack_Type : int16_t {
    aist_Free = 0,
    aist_Roaming = 1,
    aist_Site = 3,
    aist_Fortress = 4,
};

// The landmass stack table lives in the continent block (AI_Continent_Block); these count it.
extern int16_t _ai_own_stack_count;
extern int16_t cp_staged_unit_count;
extern int16_t cp_enroute_unit_count;
extern int16_t _ai_ferry_count;
extern int16_t _ai_expedition_size_threshold;
// The current plane's and player's landmass gathering squares and types, by landmass number.
extern uint8_t *cp_landmass_wx_array;
extern uint8_t *cp_landmass_wy_array;
extern uint8_t *cp_landmass_type_array;

// Gives every stack of the computer wizard its orders for this turn.
void AI_Set_Unit_Orders(int16_t player_idx);
// Builds the landmass stack table and its counters, then re-aims or releases the roaming stacks.
void AI_Stacks_Init_Build_Target_Order(int16_t player_idx, int16_t landmass_idx, int16_t wp);
// 1 and the square of the nearest hostile stack on the landmass, else 0.
int16_t AI_Stacks_Target_Nearest_Hostile_Stack(int16_t stack_idx, int16_t landmass_idx, int16_t *wx, int16_t *wy,
                                               int16_t wp);

// Order setters: each writes the unit's code (and destination), then empties slot of stack's unit
// list. A unit index below 0 or above 999 is ignored.
void AI_Stacks_Order_Attack_Target_Or_Goto_Destination(int16_t unit_idx, int16_t wx, int16_t wy, int16_t stack_idx,
                                                       int16_t slot);
void AI_Stacks_Order_RoadBuild(int16_t unit_idx, int16_t wx, int16_t wy, int16_t stack_idx, int16_t slot);
void AI_Stacks_Order_Purify(int16_t unit_idx, int16_t stack_idx, int16_t slot);
void AI_Stacks_Order_Meld(int16_t unit_idx, int16_t stack_idx, int16_t slot);
void AI_Order_Settle(int16_t unit_idx, int16_t stack_idx, int16_t slot);
void AI_Stacks_Order_Ferry(int16_t unit_idx, int16_t stack_idx, int16_t slot);

// Whole-stack send of _ai_all_own_stacks[stack_idx] to (x, y).
void AI_Stack_Set_Destination(int16_t stack_idx, int16_t wx, int16_t wy, int16_t player_idx);
// 1 when the stack at (x, y) may leave: no city there, or enough fighting units stay.
int16_t AI_Stack_Can_Mobilize(int16_t stack_idx, int16_t wx, int16_t wy, int16_t wp);
