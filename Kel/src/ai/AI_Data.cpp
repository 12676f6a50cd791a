#include "ai/AI_Data.h"

#include "Allocate.h"

int16_t *_ai_all_own_city_values;
int16_t *_ai_all_enemy_city_values;
int16_t *_ai_all_own_garrison_strengths;
int16_t *_ai_all_enemy_garrison_strengths;
AI_Own_Stack *_ai_all_own_stacks;
AI_Enemy_Stack *_ai_all_enemy_stacks;
uint8_t *g_ai_spell_group_flags;
int16_t *_ai_landmass_own_strengths;
int16_t *_ai_landmass_enemy_strengths;
int16_t *_ai_landmass_own_values;
int16_t *_ai_landmass_enemy_values;
int16_t *_ai_landmass_strength_ratios;

int16_t _ai_all_own_stack_count;
int16_t _ai_all_enemy_stack_count;
int16_t ai_transport_count;
int16_t g_ai_recompute_needed;
int16_t _cp_hostile_opponents[6];
int16_t _cp_hostile_opponent_count;

static int16_t *Words(uint8_t *p) { return reinterpret_cast<int16_t *>(static_cast<void *>(p)); }

void Allocate_AI_Data(void)
{
    constexpr int16_t city_bytes = AI_CITY_SLOTS * 2;
    constexpr int16_t landmass_bytes = 2 * AI_LANDMASSES * 2;
    _ai_all_own_city_values = Words(Near_Allocate_First(city_bytes));
    _ai_all_enemy_city_values = Words(Near_Allocate_Next(city_bytes));
    _ai_all_own_garrison_strengths = Words(Near_Allocate_Next(city_bytes));
    _ai_all_enemy_garrison_strengths = Words(Near_Allocate_Next(city_bytes));
    _ai_all_own_stacks = reinterpret_cast<AI_Own_Stack *>(
        static_cast<void *>(Near_Allocate_Next(AI_OWN_STACKS_MAX * (int16_t)sizeof(AI_Own_Stack))));
    _ai_all_enemy_stacks = reinterpret_cast<AI_Enemy_Stack *>(
        static_cast<void *>(Near_Allocate_Next(AI_ENEMY_STACKS_MAX * (int16_t)sizeof(AI_Enemy_Stack))));
    g_ai_spell_group_flags = Near_Allocate_Next(AI_SPELL_GROUP_FLAGS_BYTES);
    _ai_landmass_own_strengths = Words(Near_Allocate_Next(landmass_bytes));
    _ai_landmass_enemy_strengths = Words(Near_Allocate_Next(landmass_bytes));
    _ai_landmass_own_values = Words(Near_Allocate_Next(landmass_bytes));
    _ai_landmass_enemy_values = Words(Near_Allocate_Next(landmass_bytes));
    _ai_landmass_strength_ratios = _ai_landmass_enemy_strengths;
    Near_Allocate_Next(AI_DATA_RESERVED_BYTES);
}
