// The computer players' per-turn scratch arrays: what one wizard's evaluation computes, carved anew
// from the near buffer at the start of every computer turn and overwritten for the next wizard.
#pragma once

#include <cstdint>

constexpr int AI_CITY_SLOTS = 100;
constexpr int AI_OWN_STACKS_MAX = 80;
constexpr int AI_ENEMY_STACKS_MAX = 240;
constexpr int AI_SPELL_GROUP_FLAGS_BYTES = 92;
// Spell group codes the spell choice weighs: flags 0..90 of g_ai_spell_group_flags.
constexpr int AI_SPELL_GROUP_CODES = 91;
constexpr int AI_LANDMASSES = 60;
constexpr int AI_DATA_RESERVED_BYTES = 50;

// Flags of an own stack.
constexpr uint8_t AI_STACK_TRANSPORT = 0x01;
constexpr uint8_t AI_STACK_ROAD_BUILDER = 0x02;
constexpr uint8_t AI_STACK_PURIFIER = 0x04;
constexpr uint8_t AI_STACK_CROSSES_WATER = 0x08;
constexpr uint8_t AI_STACK_WIND_WALKER = 0x10;
constexpr uint8_t AI_STACK_HERO_OR_LOW_TYPE = 0x20;
constexpr uint8_t AI_STACK_MELDER = 0x40;
constexpr uint8_t AI_STACK_SETTLER = 0x80;

// One square holding units of the evaluated wizard.
struct AI_Own_Stack {
    uint8_t wx;
    uint8_t wy;
    uint8_t wp;
    uint8_t flags;
    int16_t strength;  // -1 once the stack has been sent somewhere this turn
    int8_t capacity;
    uint8_t unit_count;
    uint8_t landmass_idx;
    uint8_t order;
};
static_assert(sizeof(AI_Own_Stack) == 10);

// One square outside cities holding units of other owners.
struct AI_Enemy_Stack {
    uint8_t wx;
    uint8_t wy;
    uint8_t wp;
    uint8_t spare;
    int16_t strength;
};
static_assert(sizeof(AI_Enemy_Stack) == 6);

// Bytes of the whole carve, in the order of the arrays below.
constexpr int AI_DATA_BYTES = 4 * AI_CITY_SLOTS * 2 + AI_OWN_STACKS_MAX * (int)sizeof(AI_Own_Stack) +
                              AI_ENEMY_STACKS_MAX * (int)sizeof(AI_Enemy_Stack) + AI_SPELL_GROUP_FLAGS_BYTES +
                              4 * 2 * AI_LANDMASSES * 2 + AI_DATA_RESERVED_BYTES;
static_assert(AI_DATA_BYTES == 4142);

extern int16_t *_ai_all_own_city_values;
extern int16_t *_ai_all_enemy_city_values;
extern int16_t *_ai_all_own_garrison_strengths;
extern int16_t *_ai_all_enemy_garrison_strengths;
extern AI_Own_Stack *_ai_all_own_stacks;
extern AI_Enemy_Stack *_ai_all_enemy_stacks;
extern uint8_t *g_ai_spell_group_flags;
// Per plane and landmass number: [plane * 60 + landmass].
extern int16_t *_ai_landmass_own_strengths;
extern int16_t *_ai_landmass_enemy_strengths;
extern int16_t *_ai_landmass_own_values;
extern int16_t *_ai_landmass_enemy_values;
// Shares the storage of _ai_landmass_enemy_strengths: writing a ratio replaces the enemy strength.
extern int16_t *_ai_landmass_strength_ratios;

extern int16_t _ai_all_own_stack_count;
extern int16_t _ai_all_enemy_stack_count;
// Units of the evaluated wizard whose type carries others.
extern int16_t ai_transport_count;
// The chance of war added by personality.
extern const int16_t TBL_AI_PRS_War_Mod[6];

// Raised by a spell whose completion changes what the evaluation counted (units, cities); the turn
// driver then evaluates the wizard again.
extern int16_t g_ai_recompute_needed;

// Carves the arrays above from the near buffer (4,142 bytes, restarting it).
void Allocate_AI_Data(void);

// The players the evaluated wizard regards as hostile (Player_Hostile_Opponents).
extern int16_t _cp_hostile_opponents[6];
extern int16_t _cp_hostile_opponent_count;
