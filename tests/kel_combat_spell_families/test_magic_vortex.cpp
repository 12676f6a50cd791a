#include <cstdlib>

#include "../kel_combat_turn/Turn_Fixture.h"
#include "combat/Combat_Results.h"
#include "combat/Magic_Vortex.h"

using MagicVortex = Turn_Test;

namespace {

int g_redraws = 0;
void Count_Redraw(void) { g_redraws++; }

}  // namespace

TEST_F(MagicVortex, ARoundTakesThreeStepsToNeighbouringCellsAndLeavesTheOtherCellOnIt)
{
    Combat_Rule_Hooks hooks = {};
    hooks.redraw = Count_Redraw;
    Combat_Set_Rule_Hooks(&hooks);
    Magic_Vortex_Create(1, 15, 15);
    g_redraws = 0;
    Vortex_Combat_Round();
    EXPECT_EQ(g_redraws, 3 * 8);
    const Combat_Vortex &v = _vortexes[0];
    EXPECT_LE(abs(v.x - 15), 3);
    EXPECT_LE(abs(v.y - 15), 3);
    EXPECT_FALSE(v.x == 15 && v.y == 15 && g_redraws == 0);
    EXPECT_EQ(v.other_x, v.x);
    EXPECT_EQ(v.other_y, v.y);
    EXPECT_EQ(v.step, 0);
}

TEST_F(MagicVortex, EveryStepIntoTheCityAddsFiveCityDamageAndHurtsTheUnitThere)
{
    _combat_city_damage = 0;
    Magic_Vortex_Create(1, 4, 10);
    Battle_Unit_Record &plain = Unit(0, 0, 3, 2, 10, 1);
    plain.Grid_X = 5, plain.Grid_Y = 10;
    Battle_Unit_Record &immune = Unit(1, 0, 3, 2, 10, 1);
    immune.Grid_X = 6, immune.Grid_Y = 11;
    immune.Attribs_1 = UI_MAGIC_IMMUNITY;
    Vortex_Move_And_Attack(0, 5, 10);
    EXPECT_EQ(_combat_city_damage, 5);
    EXPECT_EQ(plain.Damage, 5);
    Vortex_Move_And_Attack(0, 6, 11);
    EXPECT_EQ(_combat_city_damage, 10);
    EXPECT_EQ(immune.Damage, 0);
    Vortex_Move_And_Attack(0, 4, 9);
    EXPECT_EQ(_combat_city_damage, 10);
    EXPECT_EQ(_vortexes[0].other_x, 6);
    EXPECT_EQ(_vortexes[0].other_y, 11);
}

TEST_F(MagicVortex, AVortexWithNoValidStepStaysPut)
{
    for (int dy = -1; dy <= 1; dy++) {
        for (int dx = -1; dx <= 1; dx++) {
            if (dx || dy) battlefield->costs[ccg_Air][Combat_Cell(10 + dx, 10 + dy)] = COMBAT_COST_BLOCKED;
        }
    }
    Magic_Vortex_Create(0, 10, 10);
    Vortex_Combat_Round();
    EXPECT_EQ(_vortexes[0].x, 10);
    EXPECT_EQ(_vortexes[0].y, 10);
    // At the grid's corner only the on-grid neighbours are candidates.
    Magic_Vortex_Create(0, 0, 0);
    for (int i = 0; i < 20; i++) {
        Vortex_Combat_Round();
        EXPECT_TRUE(Combat_Cell_On_Grid(_vortexes[1].x, _vortexes[1].y));
    }
}

TEST_F(MagicVortex, TheListNeverGrowsPastTwelveAndDeletionKeepsTheOrder)
{
    for (int i = 0; i < MAX_VORTEXES + 3; i++) Magic_Vortex_Create(0, (int16_t)i, 10);
    EXPECT_EQ(_vortex_count, MAX_VORTEXES);
    Magic_Vortex_Delete(2);
    EXPECT_EQ(_vortex_count, MAX_VORTEXES - 1);
    EXPECT_EQ(_vortexes[2].x, 3);
    EXPECT_EQ(_vortexes[MAX_VORTEXES - 2].x, MAX_VORTEXES - 1);
}
