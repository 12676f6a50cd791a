// A small world for the computer players' army planning: an ocean with the land a test lays out,
// landmass numbers set by the test, the scratch arrays carved and the continent block clear; no
// tower anywhere.
#pragma once

#include <initializer_list>

#include "../kel_ai_turn_rules/Ai_Fixture.h"
#include "random.h"
#include "world/Square_Queries.h"

// Changes a built-in unit type for one test and puts it back.
struct Type_Patch {
    explicit Type_Patch(int16_t type) : idx(type), saved(_unit_type_table[type]) {}
    ~Type_Patch() { _unit_type_table[idx] = saved; }
    Unit_Type_Record &operator*() { return _unit_type_table[idx]; }
    Unit_Type_Record *operator->() { return &_unit_type_table[idx]; }
    int16_t idx;
    Unit_Type_Record saved;
};

class Army_Test : public Ai_Test {
protected:
    void SetUp() override
    {
        Ai_Test::SetUp();
        std::memset(_landmasses, 0, NUM_PLANES * WORLD_SIZE);
        for (int i = 0; i < NUM_TOWERS; i++) _TOWERS[i] = {255, 255, -1, 0};
        for (int p = 0; p < NUM_PLAYERS; p++) {
            _players[p].raider_counter = 0;
            _players[p].average_unit_cost = 0;
        }
        Lists();
    }

    // A terrain value whose squares are land.
    static uint8_t Land_Terrain()
    {
        for (int t = 1; t < 256; t++) {
            _world_maps[0] = (uint8_t)t;
            if (Square_Is_Land(0, 0, 0) && !Square_Is_Sailable(0, 0, 0)) {
                _world_maps[0] = 0;
                return (uint8_t)t;
            }
        }
        return 0;
    }

    // Makes the box (x0, y0)..(x1, y1) land of the landmass and rebuilds the landmass lists.
    static void Land(int x0, int y0, int x1, int y1, int landmass, int wp = 0)
    {
        const uint8_t land = Land_Terrain();
        for (int y = y0; y <= y1; y++) {
            for (int x = x0; x <= x1; x++) {
                _world_maps[World_Square_Index(x, y, wp)] = land;
                _landmasses[World_Square_Index(x, y, wp)] = (uint8_t)landmass;
            }
        }
        Lists();
    }

    static void Lists()
    {
        CONTXXX_Map();
        Build_Land_Linked_List();
        Build_Dock_Linked_List();
    }

    static void Point_At(int16_t player, int16_t wp = 0)
    {
        cp_landmass_wx_array = _ai_continents.wx[wp][player];
        cp_landmass_wy_array = _ai_continents.wy[wp][player];
        cp_landmass_type_array = _ai_continents.type[wp][player];
    }

    static uint16_t &Eval(int x, int y, int wp = 0) { return AI_Continent_Data()->evaluation_map[wp][y * 60 + x]; }

    // A seed whose first draws of Random(n) are the given values.
    static uint32_t Seed_For(int16_t n, std::initializer_list<int16_t> draws)
    {
        for (uint32_t seed = 1; seed < 2000000; seed++) {
            Set_Random_Seed(seed);
            bool match = true;
            for (int16_t d : draws) match = match && Random(n) == d;
            if (match) return seed;
        }
        return 0;
    }

    static int16_t Type_Where(bool (*test)(const Unit_Type_Record &), int16_t from = 0)
    {
        for (int16_t t = from; t < NUM_UNIT_TYPES; t++) {
            if (test(_unit_type_table[t])) return t;
        }
        return -1;
    }
};
