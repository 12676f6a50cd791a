// A land world for stacks on the move: every square grassland, explored and walkable at 2
// half-moves, unit kinds of the tests' own, and the screens' hooks installed with drawing off.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "World_Fixture.h"
#include "overland/Army_World_Hooks.h"
#include "overland/Stack_Movement_Draw.h"
#include "world/Map_Square_Record.h"
#include "world/Move_Path.h"
#include "world/Move_Path_Cache.h"
#include "world/Stack_Movement.h"
#include "world/Stack_Orders.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

namespace stacks_test {

enum : uint8_t {
    T_HERO = 5,
    T_FOOT = 100,
    T_SHIP = 101,
    T_PURIFIER = 102,
    T_BUILDER = 103,
    T_MELDER = 104,
    T_CHAOS = 105,
    T_FLYER = 106,
    T_STRONG = 107,
};

}  // namespace stacks_test

class Stacks_Test : public World_Test {
protected:
    int16_t map_x = 0, map_y = 0, map_plane = 0;

    void SetUp() override
    {
        using namespace stacks_test;
        World_Test::SetUp();
        for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) {
            _world_maps[square] = tt_Grasslands;
            _square_explored[square] = 15;
            _landmasses[square] = 1;
        }
        for (int p = 0; p < NUM_PLANES; p++) {
            for (int m = 1; m < MOVEMENT_MAPS; m++) {
                memset(Movement_Cost_Map_Of(p, m), 2, WORLD_SIZE);
            }
        }
        for (int i = 0; i < AI_MOVE_PATH_ENTRIES; i++) {
            AI_Move_Path_Entries()[i].from_x = -1;
        }
        _ai_move_path_idx = -1;
        Kind(T_HERO, MV_FOOT, 0, 0, 3);
        Kind(T_FOOT, MV_FOOT, 0, 0, 1);
        Kind(T_SHIP, MV_SAILING, 2, 0, 1);
        Kind(T_PURIFIER, MV_FOOT, 0, 0, 1, UA_PURIFY);
        Kind(T_BUILDER, MV_FOOT, 0, 1, 0);
        Kind(T_MELDER, MV_FOOT, 0, 0, 1, UA_MELD);
        Kind(T_CHAOS, MV_FOOT, 0, 0, 1, 0, rt_Chaos);
        Kind(T_FLYER, MV_FLYING, 0, 0, 2);
        Kind(T_STRONG, MV_FOOT, 0, 0, 9);
        Kind((uint8_t)UNIT_TYPE_GUARDIAN_SPIRIT, MV_FOOT, 0, 0, 1, UA_MELD);
        _current_player_idx = 0;
        g_timestop_player_num = 0;
        _unit_stack_count = 0;
        all_units_moved = 0;
        reset_active_stack = 0;
        _active_stack_has_path = 0;
        _active_world_x = _active_world_y = 0;
        _stack_selection_changed = 0;
        _combat_wx = _combat_wy = -1;
        OVL_SWardTriggered = 0;
        memset(spell_ward_stack_realms, 0, sizeof(spell_ward_stack_realms));
        Army_Install_World_Hooks();
        Stack_Movement_Install_Hooks();
        Move_Units_Draw_Set_Drawing(0);
        map_x = map_y = map_plane = 0;
    }
    void TearDown() override
    {
        Move_Units_Draw_Set_Drawing(1);
        World_Test::TearDown();
    }
    void Kind(uint8_t type, uint16_t move_flags, uint8_t transport, int8_t construction, int strength,
              uint16_t abilities = 0, uint8_t race = 0)
    {
        Unit_Type_Record &t = _unit_type_table[type];
        t.Move_Flags = move_flags;
        t.Transport = transport;
        t.Construction = construction;
        t.Melee = (int8_t)strength;
        t.Ranged = 0;
        t.Abilities = abilities;
        t.race = race;
    }
    // A unit at the start of a turn: 4 half-moves left, ready.
    int16_t Unit(uint8_t type, int owner, int wx, int wy, int wp = 0, uint8_t moves2 = 4)
    {
        int16_t idx = _units++;
        Unit_Record &u = _UNITS[idx];
        memset(&u, 0, sizeof(u));
        u.type = type;
        u.owner_idx = (int8_t)owner;
        u.wx = (uint8_t)wx;
        u.wy = (uint8_t)wy;
        u.wp = (uint8_t)wp;
        u.Hero_Slot = -1;
        u.moves2 = moves2;
        u.moves2_max = moves2;
        u.Sight_Range = 1;
        u.Rd_Constr_Left = -1;
        return idx;
    }
    int16_t City(int owner, int wx, int wy, int wp = 0)
    {
        int16_t idx = _cities++;
        City_Record &c = _CITIES[idx];
        memset(&c, 0, sizeof(c));
        c.owner_idx = (int8_t)owner;
        c.wx = (uint8_t)wx;
        c.wy = (uint8_t)wy;
        c.wp = (uint8_t)wp;
        memset(c.bldg_status, -1, sizeof(c.bldg_status));
        return idx;
    }
    // The active stack as the main screen leaves it: these units, all selected.
    void Stack_Of(std::initializer_list<int16_t> units)
    {
        _unit_stack_count = 0;
        for (int16_t u : units) {
            _unit_stack[_unit_stack_count].unit_idx = u;
            _unit_stack[_unit_stack_count].active = 1;
            _unit_stack_count++;
        }
    }
    int16_t Move(int player, int tx, int ty, std::initializer_list<int16_t> units, int16_t mode = mum_Normal)
    {
        int16_t list[MAX_STACK];
        int16_t n = 0;
        for (int16_t u : units) list[n++] = u;
        return Move_Units((int16_t)player, (int16_t)tx, (int16_t)ty, mode, &map_x, &map_y, 0, n, list);
    }
};
