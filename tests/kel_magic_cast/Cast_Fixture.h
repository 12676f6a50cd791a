// A spell table of cheap spells, two wizards and the magic services answering from the test.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Standin_Data.h"
#include "World_Fixture.h"
#include "magic/Magic_Services.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

struct Cast_Services_Record {
    std::vector<std::string> questions;
    std::vector<std::string> warnings;
    std::vector<std::string> notes;
    std::vector<int> note_ys;
    std::vector<int> note_entries;
    std::vector<int16_t> answers;  // one per question; yes when they run out
    int dissolves = 0;
};
inline Cast_Services_Record g_cast_record;

class Cast_Test : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        Test_Search_Standin_Data();
        memset(spell_data_table, 0, sizeof(Spell_Data_Record) * NUM_SPELLS);
        for (int16_t spell = 1; spell < NUM_SPELLS; spell++) {
            Spell_Data_Record &record = spell_data_table[spell];
            snprintf(record.name, sizeof record.name, "Spell %d", (int)spell);
            record.magic_realm = (uint8_t)(spell <= 200 ? Spell_Realm(spell) : 5);
            record.casting_cost = 10;
            record.research_cost = 100;
            record.type = 1;
            record.Eligibility = 1;  // overland and combat
        }
        g_cast_record = {};
        Magic_Services services = {};
        services.confirm = [](const char *text) -> int16_t {
            g_cast_record.questions.push_back(text);
            if (g_cast_record.answers.empty()) return 1;
            int16_t answer = g_cast_record.answers.front();
            g_cast_record.answers.erase(g_cast_record.answers.begin());
            return answer;
        };
        services.warn = [](const char *text) { g_cast_record.warnings.push_back(text); };
        services.notify = [](int16_t y, const char *text, const char *, int16_t entry) {
            g_cast_record.notes.push_back(text);
            g_cast_record.note_ys.push_back(y);
            g_cast_record.note_entries.push_back(entry);
        };
        services.dissolve_main_screen = [] { g_cast_record.dissolves++; };
        services.fizzle_scene = [](const char *text) { g_cast_record.notes.push_back(text); };
        Magic_Set_Services(services);
        Set_Random_Seed(4321);
    }
    void TearDown() override
    {
        magic_services = {};
        World_Test::TearDown();
    }
};
