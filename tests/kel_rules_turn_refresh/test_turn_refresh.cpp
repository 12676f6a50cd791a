// The unit and city refreshes a resumed game runs: the unit type patch, the new turn of the
// players not on the move, the contacts of Nature's Awareness, and the cities with their farmers.
#include <gtest/gtest.h>

#include <cstring>

#include "World_Fixture.h"
#include "turn/City_Recalculation.h"
#include "turn/Unit_Turn_Refresh.h"
#include "turn/Unit_Type_Patch.h"
#include "world/ALLOC.h"
#include "world/City_Area.h"
#include "world/Unit_Type_Record.h"

namespace {

class TurnRefresh : public World_Test {
protected:
    static int16_t Add_Unit(int8_t owner, uint8_t status, uint8_t moves_left)
    {
        int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        memset(&unit, 0, sizeof(unit));
        unit.owner_idx = owner;
        unit.type = 40;
        unit.Hero_Slot = -1;
        unit.Status = status;
        unit.moves2 = moves_left;
        unit.Finished = 1;
        unit.Rd_Constr_Left = -1;
        return idx;
    }
};

TEST_F(TurnRefresh, UnitTypePatchSetsUpkeepFromCostAndEverySound)
{
    for (int type = 0; type < NUM_UNIT_TYPES; type++) {
        _unit_type_table[type].Sound = -7;
        _unit_type_table[type].Upkeep = 9;
    }
    _unit_type_table[40].cost = 100;
    _unit_type_table[41].cost = 1;
    _unit_type_table[39].cost = 200;
    _unit_type_table[153].cost = 51;
    Patch_Units_Upkeep_And_Sound();

    EXPECT_EQ(_unit_type_table[40].Upkeep, 2);
    EXPECT_EQ(_unit_type_table[41].Upkeep, 1);
    EXPECT_EQ(_unit_type_table[153].Upkeep, 2);
    for (int type : {39, 46, 57, 66, 76, 83, 89, 95, 104, 114, 120, 127, 137, 147})
        EXPECT_EQ(_unit_type_table[type].Upkeep, 0) << "the first unit of a race is free: " << type;
    for (int type = 154; type < NUM_UNIT_TYPES; type++) EXPECT_EQ(_unit_type_table[type].Upkeep, 9) << type;

    for (int type = 0; type < NUM_UNIT_TYPES; type++) {
        bool patched = type <= 147 || type == 197;
        if (patched)
            EXPECT_NE(_unit_type_table[type].Sound, -7) << "type " << type << " has no sound";
        else
            EXPECT_EQ(_unit_type_table[type].Sound, -7) << "type " << type << " keeps its sound";
    }
    const struct {
        int type, sound;
    } samples[] = {{47, 6}, {0, 102}, {1, 103}, {29, 86}, {60, 214}, {94, 214}, {117, 213}, {147, 112}, {197, 146}};
    for (const auto &s : samples) EXPECT_EQ(_unit_type_table[s.type].Sound, s.sound) << s.type;
}

// Only the players not on the move get their new turn; statuses decide who gets moves back and
// who stays finished.
TEST_F(TurnRefresh, RefreshGivesTheOtherPlayersTheirNewTurn)
{
    _unit_type_table[40].Move_Halves = 4;
    _current_player_idx = 0;
    struct Case {
        int8_t owner;
        uint8_t status, mutations;
        uint8_t moves_after, finished_after;
    };
    const Case cases[] = {
        {0, us_Ready, 0, 1, 1},  // the current player's unit is untouched
        {1, us_Ready, 0, 4, 0},  {1, us_ReachedDest, 0, 4, 0},        {1, us_Wait, 0, 4, 0},
        {1, us_Patrol, 0, 1, 1}, {1, us_BuildRoad, 0, 1, 1},          {1, us_Casting, 0, 1, 1},
        {1, us_GOTO, 0, 1, 0},   {5, us_Ready, UM_STASIS_INIT, 4, 1}, {2, us_Ready, UM_STASIS_LINGER, 4, 1},
    };
    for (const Case &c : cases) {
        int16_t unit = Add_Unit(c.owner, c.status, 1);
        _UNITS[unit].mutations = c.mutations;
    }
    All_AI_Refresh_Units_Movement();
    for (int i = 0; i < (int)(sizeof cases / sizeof cases[0]); i++) {
        EXPECT_EQ(_UNITS[i].moves2, cases[i].moves_after) << "case " << i;
        EXPECT_EQ(_UNITS[i].Finished, cases[i].finished_after) << "case " << i;
        EXPECT_EQ(_UNITS[i].Status, cases[i].status) << "case " << i;
    }
    for (int p = 0; p < NUM_PLAYERS; p++) EXPECT_EQ(_players[p].Dipl_Contacted[p], 1) << p;
}

TEST_F(TurnRefresh, NaturesAwarenessMeetsTheWizardsOfVisibleUnits)
{
    _num_players = 4;
    _players[1].Globals[ge_Natures_Awareness] = 2;
    Add_Unit(2, us_Ready, 1);
    int16_t hidden = Add_Unit(3, us_Ready, 1);
    _UNITS[hidden].enchantments = UE_INVISIBILITY;
    Add_Unit(5, us_Ready, 1);
    All_AI_Players_Contacted();
    EXPECT_EQ(_players[1].Dipl_Contacted[2], 1);
    EXPECT_EQ(_players[2].Dipl_Contacted[1], 1);
    EXPECT_EQ(_players[1].Dipl_Contacted[3], 0) << "an invisible unit is not seen";
    EXPECT_EQ(_players[1].Dipl_Contacted[5], 0) << "the neutral player is never met";
    EXPECT_EQ(_players[0].Dipl_Contacted[2], 0);
}

TEST_F(TurnRefresh, ColonyCalculationsFeedEveryCity)
{
    for (int i = 0; i < 2; i++) {
        City_Record &city = _CITIES[_cities++];
        city.owner_idx = (int8_t)i;
        city.wx = (uint8_t)(10 + 20 * i);
        city.wy = 10;
        city.race = 8;
        city.size = 3;
        city.population = 8;
        city.farmer_count = 0;
        for (int8_t &status : city.bldg_status) status = -1;
    }
    All_Colony_Calculations();
    for (int16_t i = 0; i < _cities; i++) {
        EXPECT_GE(_CITIES[i].farmer_count, City_Minimum_Farmers(i)) << i;
        EXPECT_GT(_CITIES[i].farmer_count, 0) << i;
        EXPECT_LE(_CITIES[i].farmer_count, _CITIES[i].population) << i;
    }
}

}  // namespace
