// Battles built in code on an open field: player 0 the human, player 1 a computer wizard; battle units
// made from overland units of plain walking types so that a new turn recomputes them.
#pragma once

#include "../kel_combat/Combat_Fixture.h"
#include "combat/Combat_Deploy.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Turn.h"

class Turn_Test : public Combat_Test {
protected:
    void SetUp() override
    {
        Combat_Test::SetUp();
        Open_Field();
        Combat_Set_Rule_Hooks(nullptr);
        Combat_Turn_State_Reset();
        _auto_combat_flag = 0;
        _combat_turn = 1;
        Sides(0, 1);
        _num_players = 2;
    }
    void TearDown() override
    {
        Combat_Set_Rule_Hooks(nullptr);
        Combat_Test::TearDown();
    }

    static void Sides(int16_t attacker, int16_t defender)
    {
        _combat_attacker_player = attacker;
        _combat_defender_player = defender;
        _combat_local_player = attacker == 0 ? attacker : defender;
        _combat_remote_player = attacker == 0 ? defender : attacker;
    }

    // A battle unit of an overland unit of the type (melee 4, defence 3, 4 figures of 1 hit, 1 move).
    static Battle_Unit_Record &Fighter(int slot, int owner, int x, int y, int type = FOOT_TYPE)
    {
        const int16_t unit = Overland_Unit(owner, type);
        Battle_Unit_Record &bu = *Prepare_Battle_Unit((int16_t)slot, (int16_t)owner, unit, (int16_t)x, (int16_t)y);
        if (_combat_total_unit_count <= slot) _combat_total_unit_count = (int16_t)(slot + 1);
        return bu;
    }

    // An archer without an overland unit: melee 2, ranged 5 of the missile kind, 4 arrows, 2 moves.
    static Battle_Unit_Record &Archer(int slot, int owner, int x, int y)
    {
        Battle_Unit_Record &bu = Unit(slot, owner, 2, 2, 2, 4);
        bu.Ranged = 5;
        bu.Ranged_Type = 20;
        bu.Ammo = 4;
        bu.Grid_X = (int16_t)x, bu.Grid_Y = (int16_t)y;
        return bu;
    }
};
