// Small worlds built in code for the end-of-turn steps: units, cities and wizards placed by hand.
#pragma once

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "World_Fixture.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Unit_Death.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

class End_Of_Turn_Test : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        _units = 0;
        _cities = 0;
        _turn = 10;
        g_timestop_player_num = 0;
        msg_unit_lost_ctr = 0;
        Set_Random_Seed(1234);
    }

    static int16_t Add_Unit(int8_t owner, uint8_t type, uint8_t wx = 10, uint8_t wy = 10, uint8_t wp = 0)
    {
        int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        memset(&unit, 0, sizeof(unit));
        unit.owner_idx = owner;
        unit.type = type;
        unit.wx = wx;
        unit.wy = wy;
        unit.wp = wp;
        unit.Hero_Slot = -1;
        unit.Rd_Constr_Left = -1;
        unit.Sight_Range = 1;
        return idx;
    }

    static int16_t Add_Hero(int8_t owner, uint8_t type, int slot, int8_t level, uint32_t abilities, uint8_t wx = 10,
                            uint8_t wy = 10)
    {
        int16_t idx = Add_Unit(owner, type, wx, wy);
        _UNITS[idx].Hero_Slot = (int8_t)slot;
        _UNITS[idx].Level = level;
        _UNITS[idx].XP = TBL_Experience[level];
        _players[owner].Heroes[slot].unit_idx = idx;
        _HEROES2[owner][type].abilities = abilities;
        _HEROES2[owner][type].Level = -20;
        return idx;
    }

    static int16_t Add_City(int8_t owner, uint8_t wx, uint8_t wy, uint8_t population = 4)
    {
        int16_t idx = _cities++;
        City_Record &city = _CITIES[idx];
        memset(&city, 0, sizeof(city));
        snprintf(city.name, sizeof(city.name), "Town%d", idx);
        city.owner_idx = owner;
        city.wx = wx;
        city.wy = wy;
        city.population = population;
        city.size = (uint8_t)((population + 3) / 4);
        for (int b = 0; b < NUM_BUILDINGS; b++) city.bldg_status[b] = -1;
        return idx;
    }

    // The draws the next calls of Random would give, leaving the generator as it was.
    static std::vector<int> Peek_Draws(std::initializer_list<int> ranges)
    {
        uint32_t seed = Get_Random_Seed();
        std::vector<int> draws;
        for (int n : ranges) draws.push_back(Random((int16_t)n));
        Set_Random_Seed(seed);
        return draws;
    }
};
