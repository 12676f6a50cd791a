// The rule-test world for the computer players' decisions: three wizards, a fixed random stream, and
// the per-wizard evaluation (city values, stacks, hostile opponents) cleared.
#pragma once

#include <cstring>

#include "../kel_world_rules/Rules_Fixture.h"
#include "ai/AI_Data.h"
#include "random.h"
#include "world/Player_Record.h"
#include "world/Unit_Type_Record.h"

class AI_Test : public Rules_Test {
protected:
    void SetUp() override
    {
        Rules_Test::SetUp();
        // The evaluation arrays live in the near buffer, carved as each computer turn does.
        Allocate_AI_Data();
        _cities = 0;
        _units = 0;
        _turn = 100;
        for (int p = 0; p < NUM_PLAYERS; p++) {
            _players[p].gold_reserve = 0;
            _players[p].mana_reserve = 0;
            _players[p].Objective = obj_Pragmatist;
            _players[p].Prim_Realm = 0;
            _players[p].Sec_Realm = 0;
            _FORTRESSES[p] = {};
        }
        for (int c = 0; c < NUM_CITIES; c++) {
            _ai_all_own_city_values[c] = 0;
            _ai_all_enemy_city_values[c] = 0;
            _ai_all_own_garrison_strengths[c] = 0;
            _ai_all_enemy_garrison_strengths[c] = 0;
        }
        _ai_all_own_stack_count = 0;
        _ai_all_enemy_stack_count = 0;
        _cp_hostile_opponent_count = 0;
        ai_transport_count = 0;
        memset(g_ai_spell_group_flags, 0, AI_SPELL_GROUP_CODES);
        Set_Random_Seed(4242);
    }

    void Know(int player, std::initializer_list<int> spell_ids, uint8_t status = SS_KNOWN)
    {
        for (int s : spell_ids) Player_Set_Spell_Status(player, s, status);
    }
    void Set_Spell(int spell, uint8_t ai_group, int16_t casting_cost, int16_t research_cost = 0, uint8_t type = 0)
    {
        spells[spell].AI_Group = ai_group;
        spells[spell].casting_cost = casting_cost;
        spells[spell].research_cost = research_cost;
        spells[spell].type = type;
        spells[spell].magic_realm = (uint8_t)(spell <= 200 ? (spell - 1) / 40 : 5);
        snprintf(spells[spell].name, sizeof(spells[spell].name), "Spell %d", spell);
    }
};
