// A small spell table and two wizards for the spellbook and research rules.
#pragma once

#include <cstring>

#include "World_Fixture.h"
#include "magic/Magic_Services.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

constexpr int GS_SPELL_BOOK_ORDERING_WORD = 14;

class Magic_Rules_Test : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        memset(spell_data_table, 0, sizeof(Spell_Data_Record) * NUM_SPELLS);
        for (int16_t spell = 1; spell < NUM_SPELLS; spell++) {
            Spell_Data_Record &record = spell_data_table[spell];
            snprintf(record.name, sizeof record.name, "Spell %d", (int)spell);
            record.magic_realm = (uint8_t)(spell <= 200 ? Spell_Realm(spell) : 5);
            record.spell_book_category = (uint8_t)(spell % 6);
            record.casting_cost = 10;
            record.research_cost = 100;
            record.Eligibility = 0;
            record.type = 1;
        }
        Set_Game_Settings_Word(GS_SPELL_BOOK_ORDERING_WORD, 0);
        magic_services = {};
        _turn = 5;
        Set_Random_Seed(4321);
    }
    void TearDown() override
    {
        magic_services = {};
        World_Test::TearDown();
    }
    static void Know(std::initializer_list<int16_t> spells, uint8_t status = SS_KNOWN, int player = 0)
    {
        for (int16_t spell : spells) Player_Set_Spell_Status(player, spell, status);
    }
};
