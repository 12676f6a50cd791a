// A grassland world for the overland spell effects: spell records in code, unit types with plain
// figures, and helpers that place units and cities.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <vector>

#include "Standin_Data.h"
#include "World_Fixture.h"
#include "magic/Magic_Services.h"
#include "random.h"
#include "turn/Report_Queues.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/Map_Square_Record.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace spells_test {

constexpr int FOOT = 100;      // 4 figures of 3 hits, resistance 0
constexpr int CREATURE = 180;  // a fantastic creature, 1 figure of 10 hits
constexpr int FLYER = 101;     // flies, 1 figure of 5 hits
constexpr int HERO = 4;        // 1 figure of 10 hits
constexpr uint16_t NO_ROLLS = 0x0010;

// The human's picks, one per target screen (kind, first output, y, plane), and the messages shown.
struct Pick {
    int16_t a, b, c;
};
inline std::deque<Pick> picks;
inline std::vector<int16_t> kinds_asked;
inline std::vector<int16_t> messages;
inline void Install_Recorder(void)
{
    picks.clear();
    kinds_asked.clear();
    messages.clear();
    Magic_Services services = {};
    services.spell_target = [](int16_t kind, int16_t *a, int16_t *b, int16_t *c, int16_t) -> int16_t {
        kinds_asked.push_back(kind);
        if (picks.empty()) return 0;
        *a = picks.front().a;
        *b = picks.front().b;
        *c = picks.front().c;
        picks.pop_front();
        return 1;
    };
    services.message_record = [](int16_t record, const char *) { messages.push_back(record); };
    Magic_Set_Services(services);
}

class Spells_Test : public World_Test {
protected:
    Spell_Data_Record spells[NUM_SPELLS] = {};
    Unit_Type_Record saved_types[NUM_UNIT_TYPES];
    Building_Data_Record buildings[NUM_BUILDINGS] = {};
    Building_Data_Record *saved_buildings = nullptr;

    void SetUp() override
    {
        World_Test::SetUp();
        Test_Search_Standin_Data();
        memcpy(saved_types, _unit_type_table, sizeof saved_types);
        for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) _world_maps[square] = tt_Grasslands;
        spell_data_table = spells;
        saved_buildings = bldg_data_table;
        bldg_data_table = buildings;
        _units = 0;
        _cities = 0;
        _num_players = 3;
        magic_services = {};
        MSG_UnitKilled_Count = 0;
        MSG_BldLost_Count = 0;
        Set_Type(FOOT, 3, 4, 0, 0, 0);
        Set_Type(CREATURE, 10, 1, 0, 0, UA_FANTASTIC);
        Set_Type(FLYER, 5, 1, 0, MV_FLYING, 0);
        Set_Type(HERO, 10, 1, 0, 0, 0);
        Set_Random_Seed(1234);
    }
    void TearDown() override
    {
        memcpy(_unit_type_table, saved_types, sizeof saved_types);
        magic_services = {};
        bldg_data_table = saved_buildings;
        World_Test::TearDown();
    }

    static void Set_Type(int type, int hits, int figures, int resist, uint16_t move_flags, uint16_t abilities)
    {
        Unit_Type_Record &t = _unit_type_table[type];
        t.Hits = (uint8_t)hits;
        t.Figures = (uint8_t)figures;
        t.Resist = (int8_t)resist;
        t.Move_Flags = (uint16_t)(move_flags | MV_FOOT);
        t.Abilities = abilities;
        t.Attribs_1 = 0;
        t.Ranged_Type = -1;
        t.race = 0;
        t.Move_Halves = 2;
    }

    // A damage spell of the realm: power points of damage without rolls.
    void Set_Damage_Spell(int spell, int realm, int power)
    {
        Spell_Data_Record &s = spells[spell];
        s.magic_realm = (uint8_t)realm;
        s.Param_Bytes[0] = (uint8_t)power;
        s.Param_Bytes[1] = 0;
        s.Param_Words[1] = (int16_t)NO_ROLLS;
    }

    static int16_t Add_Unit(int type, int owner, int wx, int wy, int wp = 0)
    {
        const int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        memset(&unit, 0, sizeof unit);
        unit.type = (uint8_t)type;
        unit.owner_idx = (int8_t)owner;
        unit.wx = (uint8_t)wx;
        unit.wy = (uint8_t)wy;
        unit.wp = (uint8_t)wp;
        unit.Hero_Slot = -1;
        unit.moves2_max = 2;
        return idx;
    }

    static int16_t Add_City(int owner, int wx, int wy, int wp = 0, int population = 5)
    {
        const int16_t idx = _cities++;
        City_Record &city = _CITIES[idx];
        memset(&city, 0, sizeof city);
        city.owner_idx = (int8_t)owner;
        city.wx = (uint8_t)wx;
        city.wy = (uint8_t)wy;
        city.wp = (uint8_t)wp;
        city.population = (uint8_t)population;
        city.size = 2;
        for (int8_t &b : city.bldg_status) b = -1;
        return idx;
    }

    static uint8_t &Flags(int wx, int wy, int wp = 0) { return _map_square_flags[World_Square_Index(wx, wy, wp)]; }
    static bool Alive(int16_t unit) { return _UNITS[unit].owner_idx >= 0 && _UNITS[unit].owner_idx < NUM_PLAYERS; }
};

}  // namespace spells_test
