// A small world for the computer players' rules: every square land of landmass 1 unless a test
// says otherwise, no units, no cities, the scratch arrays carved and the continent block clear.
#pragma once

#include <cstring>

#include "World_Fixture.h"
#include "ai/AI_Continents.h"
#include "ai/AI_Data.h"
#include "ai/AI_Landmass_Lists.h"
#include "ai/AI_Services.h"
#include "ai/AI_Stack_Orders.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

class Ai_Test : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        _units = 0;
        _cities = 0;
        _turn = 100;
        _num_players = 5;
        _difficulty = 2;
        g_timestop_player_num = 0;
        magic_master_idx = -1;
        AI_Set_Services({});
        std::memset(&_ai_continents, 0, sizeof _ai_continents);
        std::memset(_landmasses, 1, NUM_PLANES * WORLD_SIZE);
        for (int i = 0; i < NUM_LAIRS; i++) _LAIRS[i].wp = 9;
        for (int i = 0; i < NUM_NODES; i++) _NODES[i].wp = 9;
        for (int p = 0; p < NUM_PLAYERS; p++) {
            _FORTRESSES[p] = {};
            _FORTRESSES[p].wp = 9;
            _players[p].Personality = 2;
        }
        Allocate_AI_Data();
        AI_Continent_Block *block = CONTXXX_Map();
        std::memset(block, 0, sizeof *block);
        Build_Land_Linked_List();
        Build_Dock_Linked_List();
    }

    static int16_t Add_Unit(int16_t type, int16_t owner, int16_t wx, int16_t wy, int16_t wp = 0)
    {
        const int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        unit = {};
        unit.type = (uint8_t)type;
        unit.owner_idx = (int8_t)owner;
        unit.wx = (uint8_t)wx;
        unit.wy = (uint8_t)wy;
        unit.wp = (uint8_t)wp;
        unit.Hero_Slot = -1;
        unit.Rd_Constr_Left = -1;
        unit.moves2 = 2;
        unit.moves2_max = 2;
        return idx;
    }

    static int16_t Add_City(int16_t owner, int16_t wx, int16_t wy, int16_t wp = 0, int16_t population = 4)
    {
        const int16_t idx = _cities++;
        City_Record &city = _CITIES[idx];
        city = {};
        city.owner_idx = (int8_t)owner;
        city.wx = (uint8_t)wx;
        city.wy = (uint8_t)wy;
        city.wp = (uint8_t)wp;
        city.population = (uint8_t)population;
        city.size = 1;
        return idx;
    }

    // First unit type from `from` whose record passes the test.
    template <typename Test> static int16_t Find_Type(Test test, int16_t from = 35)
    {
        for (int16_t t = from; t < NUM_UNIT_TYPES; t++) {
            if (test(_unit_type_table[t])) return t;
        }
        return -1;
    }
    static int16_t Settler_Type()
    {
        return Find_Type(
            [](const Unit_Type_Record &r) { return (r.Abilities & UA_CREATEOUTPOST) && r.Construction == 0; });
    }
    static int16_t Builder_Type()
    {
        return Find_Type([](const Unit_Type_Record &r) {
            return r.Construction == 1 && !(r.Abilities & UA_CREATEOUTPOST) && r.Transport == 0;
        });
    }
    // A plain fighting unit on foot: no transport, settling, building, flying or swimming.
    static int16_t Foot_Type()
    {
        return Find_Type(
            [](const Unit_Type_Record &r) {
                return r.Transport == 0 && r.Construction == 0 &&
                       !(r.Abilities & (UA_CREATEOUTPOST | UA_WINDWALKING)) &&
                       (r.Move_Flags & (MV_FLYING | MV_SAILING | MV_SWIMMING)) == 0 && r.Melee > 0;
            },
            40);
    }
};
