// The military planning of one landmass: the levy pool of the strongest free units, roaming stacks,
// expeditions to the war landmass and garrisons for cities and nodes.
#pragma once

#include <cstdint>

constexpr int AI_LEVY_MAX = 9;

// The levy pool, strongest first.
extern int16_t cp_drafted_unit_count;
extern int16_t G_Pushout_CX_IDs[AI_LEVY_MAX];
extern int16_t G_Pushout_UL_Indices[AI_LEVY_MAX];
extern int16_t G_Pushout_Values[AI_LEVY_MAX];
extern int16_t G_Pushout_Unit_Indices[AI_LEVY_MAX];
extern int16_t G_Pushout_Lowest_Value;

// Offers up to at_most of the strongest fighting units of landmass stack stack_idx to the pool.
void AI_Survey_Expedition_Stack(int16_t stack_idx, int16_t unit_count, int16_t at_most);
