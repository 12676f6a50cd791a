// The computer players' per-turn evaluation of one wizard: city values, garrison strengths, stacks
// and the hostile opponents. Rebuilt for each wizard at the start of its planning and read by
// production, spell choice and targeting.
#pragma once

#include <cstdint>

constexpr int AI_OWN_STACKS_MAX = 80;
constexpr int AI_ENEMY_STACKS_MAX = 240;
constexpr int AI_SPELL_GROUP_CODES = 91;

// Own-stack flag bits.
constexpr uint8_t AI_STACK_TRANSPORT = 0x01;
constexpr uint8_t AI_STACK_SETTLER = 0x80;

#pragma pack(push, 1)
struct AI_Own_Stack {
    uint8_t wx;
    uint8_t wy;
    uint8_t wp;
    uint8_t flags;
    int16_t strength;
    int8_t capacity;
    uint8_t unit_count;
    uint8_t landmass;
    uint8_t order;
};
struct AI_Enemy_Stack {
    uint8_t wx;
    uint8_t wy;
    uint8_t wp;
    uint8_t spare_3;
    int16_t strength;
};
#pragma pack(pop)

// Per city slot (100 entries).
extern int16_t *_ai_all_own_city_values;
extern int16_t *_ai_all_enemy_city_values;
extern int16_t *_ai_all_own_garrison_strengths;
extern int16_t *_ai_all_enemy_garrison_strengths;
extern AI_Own_Stack *_ai_all_own_stacks;
extern int16_t _ai_all_own_stack_count;
extern AI_Enemy_Stack *_ai_all_enemy_stacks;
extern int16_t _ai_all_enemy_stack_count;
// Byte c is 1 when the wizard knows a spell of AI group code c that its spell choice weighs.
extern uint8_t *g_ai_spell_group_flags;
// Player indices, in ascending order.
extern int16_t _cp_hostile_opponents[6];
extern int16_t _cp_hostile_opponent_count;
// The evaluated wizard's units whose type carries others.
extern int16_t ai_transport_count;
// By personality.
extern const int16_t TBL_AI_PRS_War_Mod[6];
