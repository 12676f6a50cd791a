// A small spell table, three wizards and services that script the human's target picks and record
// what the casting shows, for the completion of overland spells.
#pragma once

#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "World_Fixture.h"
#include "magic/Magic_Services.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

struct Cast_Pick {
    int16_t target;
    int16_t wx, wy, wp;
};

struct Cast_Record {
    std::deque<Cast_Pick> picks;  // an empty queue cancels
    std::vector<int> kinds;
    std::vector<std::string> messages;  // composed texts, and "record N" for numbered ones
    std::vector<std::string> fizzles;   // the notices' texts
    std::vector<int> summons;
    std::vector<int> squares;
    std::vector<int> city_halves;
    std::vector<int> selected;
    int globals = 0;
    int wizard_screens = 0;
};

inline Cast_Record cast_record;

class Cast_Test : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        memset(spell_data_table, 0, sizeof(Spell_Data_Record) * NUM_SPELLS);
        for (int16_t spell = 1; spell < NUM_SPELLS; spell++) {
            Spell_Data_Record &record = spell_data_table[spell];
            snprintf(record.name, sizeof record.name, "Spell %d", (int)spell);
            record.magic_realm = (uint8_t)(spell <= 200 ? Spell_Realm(spell) : 5);
            record.casting_cost = 100;
            record.type = 7;  // acts only in battle unless a test says otherwise
        }
        _num_players = 3;
        snprintf(_players[1].name, sizeof _players[1].name, "Ariel");
        snprintf(_players[2].name, sizeof _players[2].name, "Horus");
        _units = 0;
        _cities = 0;
        cast_record = Cast_Record{};
        Magic_Services services = {};
        services.spell_target = [](int16_t kind, int16_t *wx, int16_t *wy, int16_t *wp, int16_t) {
            cast_record.kinds.push_back(kind);
            if (cast_record.picks.empty()) return (int16_t)0;
            Cast_Pick pick = cast_record.picks.front();
            cast_record.picks.pop_front();
            const bool square = kind == 4;
            *wx = square ? pick.wx : pick.target;
            *wy = square ? pick.wy : (int16_t)-1;
            *wp = square ? pick.wp : (int16_t)-1;
            return (int16_t)1;
        };
        services.warn = [](const char *text) { cast_record.messages.push_back(text); };
        services.message_record = [](int16_t record, const char *tail) {
            cast_record.messages.push_back("record " + std::to_string(record) + (*tail ? " " : "") + tail);
        };
        services.fizzle_scene = [](const char *text) { cast_record.fizzles.push_back(text); };
        services.summon_scene = [](int16_t subject, int16_t, int16_t) { cast_record.summons.push_back(subject); };
        services.square_scene = [](int16_t spell, int16_t, int16_t, int16_t, int16_t, void (*)(int16_t)) {
            cast_record.squares.push_back(spell);
        };
        services.city_scene = [](int16_t half, int16_t, int16_t, int16_t) { cast_record.city_halves.push_back(half); };
        services.global_scene = [](int16_t, int16_t) { cast_record.globals++; };
        services.target_wizard = [](int16_t) {
            cast_record.wizard_screens++;
            return (int16_t)0;
        };
        services.select_new_unit = [](int16_t unit) { cast_record.selected.push_back(unit); };
        Magic_Set_Services(services);
        Set_Random_Seed(1234);
    }
    void TearDown() override
    {
        magic_services = {};
        World_Test::TearDown();
    }

    static void Set_Spell(int16_t spell, uint8_t type, uint32_t parameter = 0, uint8_t realm = 255)
    {
        Spell_Data_Record &record = spell_data_table[spell];
        record.type = type;
        record.Param_Mask = parameter;
        if (realm != 255) record.magic_realm = realm;
    }
    static void Start_Cast(int16_t player, int16_t spell, int16_t original = 100)
    {
        _players[player].casting_spell_idx = spell;
        _players[player].casting_cost_original = original;
        _players[player].casting_cost_remaining = 0;
    }
    static bool Fields_Cleared(int16_t player)
    {
        const Player_Record &p = _players[player];
        return p.casting_spell_idx == 0 && p.casting_cost_original == 0 && p.casting_cost_remaining == 0;
    }
    static int16_t Add_Unit(int16_t owner, uint8_t type, int16_t wx, int16_t wy, int16_t wp = 0)
    {
        Unit_Record &unit = _UNITS[_units];
        memset(&unit, 0, sizeof unit);
        unit.owner_idx = (int8_t)owner;
        unit.type = type;
        unit.wx = (uint8_t)wx;
        unit.wy = (uint8_t)wy;
        unit.wp = (uint8_t)wp;
        unit.Hero_Slot = -1;
        unit.Rd_Constr_Left = -1;
        return _units++;
    }
    static int16_t Add_City(int16_t owner, int16_t wx, int16_t wy, int16_t wp = 0)
    {
        City_Record &city = _CITIES[_cities];
        memset(&city, 0, sizeof city);
        city.owner_idx = (int8_t)owner;
        city.wx = (uint8_t)wx;
        city.wy = (uint8_t)wy;
        city.wp = (uint8_t)wp;
        city.population = 4;
        return _cities++;
    }
};
