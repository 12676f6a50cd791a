// The battle fixture with what the outcome of a battle touches: wizards that know each other, cities,
// lairs and heroes with items, built in code.
#pragma once

#include <cstring>

#include "../kel_combat/Combat_Fixture.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Results.h"
#include "world/City_Record.h"
#include "world/Item_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Stack_Movement.h"

class Outcome_Test : public Combat_Test {
protected:
    void SetUp() override
    {
        Combat_Test::SetUp();
        Combat_Set_Rule_Hooks(nullptr);
        Combat_Results_Clear();
        _num_players = 3;
        for (int p = 0; p < NUM_PLAYERS; p++) {
            for (int q = 0; q < NUM_PLAYERS; q++) _players[p].Dipl_Contacted[q] = 1;
            snprintf(_players[p].name, sizeof _players[p].name, "Wizard%d", p);
        }
        _combat_environ = cenv_Open;
        _combat_environ_idx = -1;
        _combat_attacker_wx = (int16_t)(_combat_wx - 1);
        _combat_attacker_wy = _combat_wy;
    }
    void TearDown() override
    {
        Combat_Set_Rule_Hooks(nullptr);
        _combat_environ = -1;
        _combat_environ_idx = -1;
        Combat_Test::TearDown();
    }

    // A city at the battle square.
    static int16_t City(int owner, int population, int size)
    {
        const int16_t idx = (int16_t)_cities++;
        City_Record &c = _CITIES[idx];
        memset(&c, 0, sizeof c);
        snprintf(c.name, sizeof c.name, "Town%d", idx);
        c.wx = (uint8_t)_combat_wx, c.wy = (uint8_t)_combat_wy, c.wp = (uint8_t)_combat_wp;
        c.owner_idx = (int8_t)owner;
        c.population = (uint8_t)population;
        c.size = (uint8_t)size;
        memset(c.bldg_status, 0xFF, sizeof c.bldg_status);
        return idx;
    }
    // An overland unit at the battle square, loaded into the next battle-unit slot.
    static Battle_Unit_Record &Loaded(int owner, int16_t *unit_out = nullptr)
    {
        const int16_t u = Overland_Unit(owner);
        const int slot = _combat_total_unit_count;
        Battle_Unit_Record &bu = Unit(slot, owner);
        Load_Battle_Unit(u, &bu);
        bu.owner_idx = (int8_t)owner;
        bu.Status = bus_Fighting;
        bu.unit_idx = u;
        if (unit_out) *unit_out = u;
        return bu;
    }
    // Makes the overland unit the player's hero in the slot, holding three fresh items.
    static void Make_Hero(int16_t unit_idx, int owner, int slot, int16_t &next_item)
    {
        _UNITS[unit_idx].Hero_Slot = (int8_t)slot;
        Hero_Slot_Record &hero = _players[owner].Heroes[slot];
        hero.unit_idx = unit_idx;
        for (int16_t &item : hero.Items) {
            _ITEMS[next_item].cost = 100;
            item = next_item++;
        }
    }
};
