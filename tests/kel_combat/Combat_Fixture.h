// A cleared world with the battle tables reset and two sides (attacker 0, defender 1) on an open
// square, and helpers that build battle units in code. Draws come from fixed seeds.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "World_Fixture.h"
#include "combat/Battlefield_Record.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/Battle_Unit.h"
#include "world/Battlefield.h"
#include "world/Map_Square_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

class Combat_Test : public World_Test {
protected:
    static constexpr int FOOT_TYPE = 40;
    static constexpr int ISLAND_TYPE = 196;

    void SetUp() override
    {
        World_Test::SetUp();
        Battlefield_Clear();
        Combat_Tables_Reset();
        memset(battlefield, 0, sizeof(Battlefield_Record));
        memset(combat_enchantments, 0, sizeof(combat_enchantments));
        _combat_attacker_player = 0;
        _combat_defender_player = 1;
        _combat_wx = 20;
        _combat_wy = 20;
        _combat_wp = 0;
        _combat_turn = 1;
        _world_maps[World_Square_Index(_combat_wx, _combat_wy, _combat_wp)] = tt_Grasslands;
        // Summoning spells name types no test uses.
        for (int spell : {30, 45, 60, 66, 90}) spell_data_table[spell].Param_Words[0] = 190;
        spell_data_table[43].Param_Words[0] = ISLAND_TYPE;
        // The fire of a Wall of Fire: strength 10, fire immunity, Chaos.
        Spell_Data_Record &fire = spell_data_table[96];
        fire.magic_realm = 2;
        fire.Param_Bytes[0] = 10;
        fire.Param_Bytes[1] = UI_FIRE_IMMUNITY;
        fire.Param_Words[1] = 0;
        Set_Random_Seed(4242);
    }
    void TearDown() override
    {
        Battlefield_Clear();
        World_Test::TearDown();
    }

    // A battle unit without an overland unit: melee, defence, hits and figures, to-hit 0, no ranged attack.
    static Battle_Unit_Record &Unit(int slot, int owner, int melee = 3, int defense = 2, int hits = 2, int figures = 4)
    {
        Battle_Unit_Record &bu = battle_units[slot];
        memset(&bu, 0, sizeof(bu));
        bu.Melee = (int8_t)melee;
        bu.Defense = (int8_t)defense;
        bu.Hits = (uint8_t)hits;
        bu.Cur_Figures = bu.Max_Figures = (uint8_t)figures;
        bu.Ranged_Type = rk_None;
        bu.Resist = 5;
        bu.Move_Flags = MV_FOOT;
        bu.Move_Halves = 2;
        bu.owner_idx = (int8_t)owner;
        bu.unit_idx = -1;
        bu.Figure_Set = -1;
        bu.AI_Target = 255;
        bu.Target_Battle_Unit = -1;
        bu.Status = 0;
        if (_combat_total_unit_count <= slot) _combat_total_unit_count = (int16_t)(slot + 1);
        return bu;
    }

    // An overland unit of a plain walking type at the battle square.
    static int16_t Overland_Unit(int owner, int type = FOOT_TYPE)
    {
        Unit_Type_Record &t = _unit_type_table[type];
        t.Melee = 4, t.Defense = 3, t.Resist = 5, t.Hits = 1, t.Figures = 4, t.Move_Halves = 2, t.Move_Flags = MV_FOOT;
        t.Ranged_Type = (int8_t)rk_None;
        const int16_t idx = _units++;
        Unit_Record &u = _UNITS[idx];
        memset(&u, 0, sizeof(u));
        u.type = (uint8_t)type;
        u.owner_idx = (int8_t)owner;
        u.wx = (uint8_t)_combat_wx, u.wy = (uint8_t)_combat_wy, u.wp = (uint8_t)_combat_wp;
        u.Hero_Slot = -1;
        return idx;
    }

    // The draws of 1..10 the next n calls of RANDOM(10) will give; the generator is left where it was.
    static std::vector<int> Next_Draws(int n)
    {
        const uint32_t seed = Get_Random_Seed();
        std::vector<int> draws;
        for (int i = 0; i < n; i++) draws.push_back(RANDOM(10));
        Set_Random_Seed(seed);
        return draws;
    }

    // An open battlefield: every cell plain, cost 2 everywhere on the grid.
    static void Open_Field(void)
    {
        memset(battlefield, 0, sizeof(Battlefield_Record));
        for (auto &grid : battlefield->costs) memset(grid, 2, COMBAT_GRID_CELLS);
        memset(battlefield->costs[ccg_Water], 255, COMBAT_GRID_CELLS);
    }
};
