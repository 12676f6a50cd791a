// A world allocation shared by the tests of this binary, cleared before each test, and helpers that
// make unit types, units, heroes and items in code. Links only the world library.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battle_Unit_Effects.h"
#include "world/Battlefield.h"
#include "world/Unit_Type_Record.h"

class Battle_Unit_Test : public ::testing::Test {
protected:
    // Spare unit types that the tests reshape; the table is restored after each test.
    static constexpr int FOOT_TYPE = 40;
    static constexpr int CREATURE_TYPE = 160;
    static constexpr int HERO_TYPE = 3;

    void SetUp() override
    {
        static bool allocated = false;
        if (!allocated) {
            Allocate_Data_Space(6100);
            allocated = true;
        }
        memset(_UNITS, 0, UNIT_TABLE_CAPACITY * sizeof(Unit_Record));
        memset(_ITEMS, 0, NUM_ITEMS * sizeof(Item_Record));
        memset(_players, 0, sizeof(_players));
        for (int p = 0; p < NUM_PLAYERS; p++) {
            memset(_HEROES2[p], 0, NUM_HERO_TYPES * sizeof(Hero_Record));
            for (int k = 0; k < NUM_HERO_SLOTS; k++) {
                _players[p].Heroes[k].unit_idx = -1;
                for (int i = 0; i < NUM_ITEM_PLACES; i++) _players[p].Heroes[k].Items[i] = -1;
            }
        }
        _units = 0;
        _num_players = 2;
        _difficulty = 0;
        Unit_Type_Table_Reset();
        Battlefield_Clear();
        Plain_Type(FOOT_TYPE, 5, 0, rk_None, 4, 5, 1);
        Plain_Type(CREATURE_TYPE, 6, 0, rk_None, 3, 6, 4);
        _unit_type_table[CREATURE_TYPE].race = rt_Nature;
        _unit_type_table[CREATURE_TYPE].Abilities = UA_FANTASTIC;
        Plain_Type(HERO_TYPE, 5, 0, rk_None, 4, 6, 5);
        _unit_type_table[HERO_TYPE].Figures = 1;
    }
    void TearDown() override
    {
        Unit_Type_Table_Reset();
        Battlefield_Clear();
    }

    // A type of race 0 walking on foot with no abilities, 6 figures, to-hit 0.
    static void Plain_Type(int type, int melee, int ranged, uint8_t kind, int defense, int resist, int hits)
    {
        Unit_Type_Record &t = _unit_type_table[type];
        const char *name = t.name;
        memset(&t, 0, sizeof(t));
        t.name = name;
        t.Melee = (int8_t)melee;
        t.Ranged = (int8_t)ranged;
        t.Ranged_Type = (int8_t)kind;
        t.Defense = (int8_t)defense;
        t.Resist = (int8_t)resist;
        t.Hits = (uint8_t)hits;
        t.Figures = 6;
        t.Move_Halves = 2;
        t.Move_Flags = MV_FOOT;
        t.race = rt_Barbarian;
    }

    static int16_t Add_Unit(int type, int owner, int level = 0)
    {
        int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        memset(&unit, 0, sizeof(unit));
        unit.type = (uint8_t)type;
        unit.owner_idx = (int8_t)owner;
        unit.Level = (int8_t)level;
        unit.Hero_Slot = -1;
        return idx;
    }

    // A hero of HERO_TYPE in the owner's hero slot 0, with its hero record's abilities.
    static int16_t Add_Hero(int owner, int level, uint32_t abilities = 0, int8_t casting_skill = 0)
    {
        int16_t idx = Add_Unit(HERO_TYPE, owner, level);
        _UNITS[idx].Hero_Slot = 0;
        if (owner >= 0 && owner < NUM_PLAYERS) {
            _players[owner].Heroes[0].unit_idx = idx;
            _HEROES2[owner][HERO_TYPE].abilities = abilities;
            _HEROES2[owner][HERO_TYPE].Casting_Skill = casting_skill;
        }
        return idx;
    }

    static int16_t Add_Item(int idx, uint8_t type, uint32_t powers, int attack = 0, int tohit = 0)
    {
        Item_Record &item = _ITEMS[idx];
        memset(&item, 0, sizeof(item));
        item.type = type;
        item.Powers = powers;
        item.attack = (int8_t)attack;
        item.tohit = (int8_t)tohit;
        return (int16_t)idx;
    }

    static Battle_Unit_Record Load(int16_t unit_idx)
    {
        Battle_Unit_Record bu;
        memset(&bu, 0xCD, sizeof(bu));
        Load_Battle_Unit(unit_idx, &bu);
        return bu;
    }
};
