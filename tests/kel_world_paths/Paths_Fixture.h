// The world allocated once per test process, and the tables these tests touch cleared between tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Standin_Save.h"
#include "world/ALLOC.h"
#include "world/LOADSAVE.h"
#include "world/Unit_Type_Record.h"

inline void Paths_World_Clear(void)
{
    static bool allocated = false;
    if (!allocated) {
        Allocate_Data_Space(6100);
        allocated = true;
    }
    for (int p = 0; p < NUM_PLAYERS; p++) {
        memset(_HEROES2[p], 0, NUM_HERO_TYPES * sizeof(Hero_Record));
    }
    memset(_players, 0, sizeof(_players));
    memset(_landmasses, 0, NUM_PLANES * WORLD_SIZE);
    memset(_LAIRS, 0, NUM_LAIRS * sizeof(Lair_Record));
    memset(_ITEMS, 0, NUM_ITEMS * sizeof(Item_Record));
    memset(_CITIES, 0, NUM_CITIES * sizeof(City_Record));
    memset(_UNITS, 0, UNIT_TABLE_CAPACITY * sizeof(Unit_Record));
    memset(movement_mode_cost_maps, 0, MOVEMENT_COST_MAPS_SIZE);
    memset(_map_square_flags, 0, NUM_PLANES * WORLD_SIZE);
    memset(_ai_move_path_table, 0, AI_MOVE_PATH_CACHE_SIZE);
    _num_players = 2;
    _cities = _units = _turn = _unit = 0;
    for (int p = 0; p < NUM_PLAYERS; p++) {
        for (int k = 0; k < NUM_HERO_SLOTS; k++) {
            _players[p].Heroes[k].unit_idx = -1;
            for (int i = 0; i < 3; i++) {
                _players[p].Heroes[k].Items[i] = -1;
            }
        }
    }
    Unit_Type_Table_Reset();
}

// Reads a stand-in saved game into the world through the program's checks; false when absent or refused.
inline bool Paths_Load_Standin_Save(const char *name) { return Load_Standin_Save(name); }

class Paths_Test : public ::testing::Test {
protected:
    void SetUp() override { Paths_World_Clear(); }
};
