// Battles for the casting tests: the turn fixture's open field, the spell rows the tests cast, and
// hooks that record what the rules show.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "../kel_combat_turn/Turn_Fixture.h"
#include "combat/Combat_Cast_Effects.h"
#include "combat/Combat_Casting.h"
#include "combat/Combat_Dispel.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"

struct Notice {
    std::string text;
    int16_t record;
    int16_t x;
    int16_t y;
    int16_t picture;
};

inline std::vector<Notice> g_notices;
inline std::vector<std::string> g_fizzles;
inline std::vector<int16_t> g_refusals;
inline std::vector<int16_t> g_targeted;
inline int16_t g_book_spell = 0;
inline int16_t g_target = 999;
inline int16_t g_adder_strength = 0;

class Casting_Test : public Turn_Test {
protected:
    void SetUp() override
    {
        Turn_Test::SetUp();
        g_notices.clear();
        g_fizzles.clear();
        g_refusals.clear();
        g_targeted.clear();
        g_book_spell = 0;
        g_target = 999;
        g_adder_strength = 0;
        Combat_Rule_Hooks hooks = {};
        hooks.dispel_notice = [](const char *text, int16_t record, int16_t x, int16_t y, int16_t picture) {
            g_notices.push_back({text != nullptr ? text : "", record, x, y, picture});
        };
        hooks.spell_countered = [](const char *text) { g_fizzles.push_back(text); };
        hooks.spell_refused = [](int16_t record) { g_refusals.push_back(record); };
        hooks.spellbook_screen = [](int16_t, int16_t *slot) {
            *slot = 0;
            const int16_t spell = g_book_spell;
            g_book_spell = 0;  // a refused choice is followed by closing the book
            return spell;
        };
        hooks.spell_target = [](int16_t spell, int16_t *x, int16_t *y) {
            g_targeted.push_back(spell);
            if (g_target >= 0 && g_target < MAX_BATTLE_UNITS) {
                *x = battle_units[g_target].Grid_X;
                *y = battle_units[g_target].Grid_Y;
            }
            return g_target;
        };
        hooks.mana_adder = [](int16_t, int16_t, int16_t) { return g_adder_strength; };
        Combat_Set_Rule_Hooks(&hooks);
        for (int p = 0; p < NUM_PLAYERS; p++) {
            memset(&_players[p], 0, sizeof(Player_Record));
            for (auto &hero : _players[p].Heroes) hero.unit_idx = -1;
        }
        snprintf(_players[0].name, sizeof(_players[0].name), "Merlin");
        snprintf(_players[1].name, sizeof(_players[1].name), "Rjak");
    }

    // A spell row: type, realm, base cost, first parameter word; named by its number.
    static Spell_Data_Record &Spell(int spell, int type, int realm, int cost, int param = 0)
    {
        Spell_Data_Record &s = spell_data_table[spell];
        memset(&s, 0, sizeof(s));
        snprintf(s.name, sizeof(s.name), "Spell %d", spell);
        s.type = (uint8_t)type;
        s.magic_realm = (uint8_t)realm;
        s.casting_cost = (int16_t)cost;
        s.Param_Words[0] = (int16_t)param;
        return s;
    }

    // The next draw of 1..250 that the dispel contest will make.
    static int Next_Dispel_Roll(void)
    {
        const uint32_t seed = Get_Random_Seed();
        const int r = RANDOM(250);
        Set_Random_Seed(seed);
        return r;
    }
};
