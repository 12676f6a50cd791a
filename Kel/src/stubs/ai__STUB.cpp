// Stand-ins of the computer players' answers that the world rules ask for through hooks.
#include "ai/AI_Data.h"
#include "ai/AI_Landmass_Lists.h"
#include "ai/AI_Mercenaries.h"
#include "ai/AI_Next_Turn.h"
#include "ai/AI_Unit_Orders.h"

#include "stubs/STUB_HIT.h"
#include "world/ALLOC.h"

int16_t AI_Accept_Mercenaries(int16_t player_idx, int16_t cost)
{
    STUB_HIT();
    if (_turn < 50 || player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return 0;
    }
    return _players[player_idx].gold_reserve / 2 >= cost ? 1 : 0;
}

void Build_Land_Linked_List(void) { STUB_HIT(); }

void Build_Dock_Linked_List(void) { STUB_HIT(); }

void Player_Clear_All_Unit_Orders(int16_t player_idx)
{
    STUB_HIT();
    if (player_idx <= 0 || player_idx >= NUM_PLAYERS) {
        return;
    }
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        Unit_Record &unit = _UNITS[unit_idx];
        if (unit.owner_idx == player_idx && unit.Status != us_BuildRoad) {
            unit.Status = us_Ready;
        }
    }
}

// The computer players only give up their units' computer orders.
void AI_Next_Turn(void)
{
    STUB_HIT();
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        Unit_Record &unit = _UNITS[unit_idx];
        if (unit.owner_idx > 0 && unit.owner_idx < NUM_PLAYERS) {
            unit.ai_flag = 0;
        }
    }
}

// The evaluation of a wizard's situation is not made yet: no values, no stacks, no hostile
// opponents, until the computer players' turn driver fills them.
namespace {
int16_t m_stub_own_city_values[100];
int16_t m_stub_enemy_city_values[100];
int16_t m_stub_own_garrison_strengths[100];
int16_t m_stub_enemy_garrison_strengths[100];
AI_Own_Stack m_stub_own_stacks[AI_OWN_STACKS_MAX];
AI_Enemy_Stack m_stub_enemy_stacks[AI_ENEMY_STACKS_MAX];
uint8_t m_stub_spell_group_flags[92];
}  // namespace

int16_t *_ai_all_own_city_values = m_stub_own_city_values;
int16_t *_ai_all_enemy_city_values = m_stub_enemy_city_values;
int16_t *_ai_all_own_garrison_strengths = m_stub_own_garrison_strengths;
int16_t *_ai_all_enemy_garrison_strengths = m_stub_enemy_garrison_strengths;
AI_Own_Stack *_ai_all_own_stacks = m_stub_own_stacks;
int16_t _ai_all_own_stack_count = 0;
AI_Enemy_Stack *_ai_all_enemy_stacks = m_stub_enemy_stacks;
int16_t _ai_all_enemy_stack_count = 0;
uint8_t *g_ai_spell_group_flags = m_stub_spell_group_flags;
int16_t _cp_hostile_opponents[6] = {};
int16_t _cp_hostile_opponent_count = 0;
int16_t ai_transport_count = 0;
const int16_t TBL_AI_PRS_War_Mod[6] = {40, 20, 10, 10, -40, -20};
