// The stand-in saves stand at the start of the human's turn, and the early game's go-to stack on
// his fortress walks out of the explored land to the unmet wizard's units.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Geometry.h"
#include "Stacks_Fixture.h"
#include "Standin_Save.h"
#include "world/LOADSAVE.h"

class StackMovementStandin : public Stacks_Test {
protected:
    bool Load(const char *name)
    {
        if (!Load_Standin_Save(name)) return false;
        Unit_Type_Table_Reset();
        return true;
    }
};

TEST_F(StackMovementStandin, BothSavesStartTheHumansTurn)
{
    for (const char *save : {"SAVE1.GAM", "SAVE9.GAM"}) {
        ASSERT_TRUE(Load(save)) << save << " under " TOLVA_BINARY_DIR "/standin";
        int human = 0;
        for (int i = 0; i < _units; i++) {
            const Unit_Record &u = _UNITS[i];
            if (u.owner_idx != 0) continue;
            human++;
            EXPECT_GT(u.moves2, 0) << save << " unit " << i;
            EXPECT_EQ(u.Finished, 0) << save << " unit " << i;
            if (u.Status != us_GOTO) {
                EXPECT_EQ(u.Status, us_Ready) << save << " unit " << i;
            }
        }
        EXPECT_GT(human, 0) << save;
    }
}

TEST_F(StackMovementStandin, Save1GotoStackWalksToAnUnmetWizard)
{
    ASSERT_TRUE(Load("SAVE1.GAM"));
    const Fortress_Record &fortress = _FORTRESSES[0];
    _current_player_idx = 0;
    _active_world_x = fortress.wx;
    _active_world_y = fortress.wy;
    int16_t plane = fortress.wp;
    ASSERT_EQ(Next_Unit_Nearest_Available(0, &plane), 0);
    const int16_t first = _unit;
    ASSERT_EQ(_UNITS[first].Status, us_GOTO) << "the stack nearest the fortress is on a go-to order";
    const int dst_x = _UNITS[first].dst_wx, dst_y = _UNITS[first].dst_wy;
    EXPECT_EQ(_square_explored[World_Square_Index(dst_x, dst_y, plane)], 0) << "the route leaves the explored land";
    const int before = Delta_XY_With_Wrap(_UNITS[first].wx, _UNITS[first].wy, (int16_t)dst_x, (int16_t)dst_y, 60);
    EXPECT_EQ(_players[0].Dipl_Contacted[1], 0);

    WIZ_NextIdleStack(0, &map_x, &map_y, &plane);
    const Unit_Record &moved = _UNITS[first];
    EXPECT_LT(Delta_XY_With_Wrap(moved.wx, moved.wy, (int16_t)dst_x, (int16_t)dst_y, 60), before);
    EXPECT_EQ(moved.Status, us_GOTO) << "the order is kept";
    EXPECT_EQ(moved.moves2, 0);
    bool next_to_vessa = false;
    for (int i = 0; i < _units; i++) {
        const Unit_Record &u = _UNITS[i];
        if (u.owner_idx == 1 && u.wp == moved.wp && Delta_XY_With_Wrap(u.wx, u.wy, moved.wx, moved.wy, 60) <= 1)
            next_to_vessa = true;
    }
    EXPECT_TRUE(next_to_vessa) << "ends next to a unit of Vessa at " << (int)moved.wx << "," << (int)moved.wy;
    EXPECT_EQ(_players[0].Dipl_Contacted[1], 1) << "the human met Vessa";
    EXPECT_EQ(_players[1].Dipl_Contacted[0], 1);
    EXPECT_NE(_square_explored[World_Square_Index(moved.wx, moved.wy, moved.wp)], 0);
    EXPECT_NE(_unit, first) << "the search went on to an idle stack";
    EXPECT_EQ(all_units_moved, 0);
}
