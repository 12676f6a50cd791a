// A generated-looking world for the city, special and road passes: both planes an island of
// grassland and forest with an ocean border, one landmass a plane, no nodes, towers or lairs in
// the way, the rule-test CITYNAME archive and a building table without requirements.
#pragma once

#include "../kel_world_rules/Rules_Fixture.h"
#include "random.h"
#include "world/Race_Type_Table.h"
#include "world/Wizard_Presets.h"
#include "worldgen/Home_Cities.h"
#include "worldgen/Neutral_Cities.h"
#include "worldgen/Terrain_Specials_Roads.h"

class Worldgen_Test : public Rules_Test {
protected:
    void SetUp() override
    {
        Rules_Test::SetUp();
        for (int b = 0; b < NUM_BUILDING_TYPES; b++) {
            buildings[b].reqd_bldg_1 = 0;
            buildings[b].reqd_bldg_2 = 0;
            buildings[b].replace_bldg = -1;
        }
        Island_World(tt_Grasslands);
        // Features far off in a corner of the first plane, where no site is drawn.
        for (int n = 0; n < NUM_NODES; n++) _NODES[n] = Node_Record{0, 39, 0, -1, 0, {}, {}, 0, 0, 0};
        for (int t = 0; t < NUM_TOWERS; t++) _TOWERS[t] = Tower_Record{59, 39, -1, 0};
        for (int l = 0; l < NUM_LAIRS; l++) {
            _LAIRS[l] = Lair_Record{};
            _LAIRS[l].wx = 59;
            _LAIRS[l].wy = 0;
        }
        _num_players = 3;
        _difficulty = 1;
        _units = 0;
        _cities = 0;
        NEWG_Clicked_Race = rt_High_Men;
    }

    // Ocean on rows 0..1 and 38..39 and columns 0..1 and 58..59; the rest land of the given kind,
    // every third column forest; landmass 1 on plane 0 and 2 on plane 1.
    void Island_World(int16_t land)
    {
        for (int p = 0; p < NUM_PLANES; p++) {
            for (int y = 0; y < WORLD_HEIGHT; y++) {
                for (int x = 0; x < WORLD_WIDTH; x++) {
                    bool sea = y < 2 || y > 37 || x < 2 || x > 57;
                    int square = World_Square_Index(x, y, p);
                    _world_maps[square] = sea ? (int16_t)0 : (x % 3 == 0 ? (int16_t)tt_Forest : land);
                    _landmasses[square] = sea ? 0 : (uint8_t)(p + 1);
                }
            }
        }
    }

    void Fill_Plane(int p, int16_t terrain)
    {
        for (int square = 0; square < WORLD_SIZE; square++) _world_maps[p * WORLD_SIZE + square] = terrain;
    }

    int Units_At(int x, int y, int p, int owner) const
    {
        int count = 0;
        for (int u = 0; u < _units; u++) {
            const Unit_Record &unit = _UNITS[u];
            count += unit.wx == x && unit.wy == y && unit.wp == p && unit.owner_idx == owner;
        }
        return count;
    }
};
