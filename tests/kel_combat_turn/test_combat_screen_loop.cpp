#include "Turn_Fixture.h"
#include "combat/Combat_Results.h"
#include "combat/screens/Combat_Screen.h"

using CombatScreenLoop = Turn_Test;

TEST_F(CombatScreenLoop, AClickFindsTheCellUnderTheMousesPoint)
{
    struct Case {
        int16_t mouse_x, mouse_y, x, y;
    } cases[] = {{74, 52, 6, 11}, {154, 76, 10, 10}, {0, 0, 0, 10}};
    for (const Case &c : cases) {
        int16_t x = -1, y = -1;
        Combat_Mouse_Cell(c.mouse_x, c.mouse_y, &x, &y);
        EXPECT_EQ(x, c.x) << c.mouse_x << "," << c.mouse_y;
        EXPECT_EQ(y, c.y) << c.mouse_x << "," << c.mouse_y;
    }
}

TEST_F(CombatScreenLoop, TheHumanFleeingGivesTheBattleToTheOtherSide)
{
    Battle_Unit_Record &own = Fighter(0, 0, 3, 3);
    Battle_Unit_Record &waiting = Fighter(1, 0, 3, 5);
    waiting.Status = bus_Not_Deployed;
    Fighter(2, 1, 15, 15);
    Combat_Human_Flees();
    EXPECT_EQ(_combat_winner, 1);
    EXPECT_EQ(own.Status, bus_Fled);
    EXPECT_EQ(waiting.Status, bus_Fled);
    EXPECT_EQ(own.Action, BUA_FLED);
    EXPECT_EQ(Combat_End_Code(_combat_winner), crc_Fled);
}

TEST_F(CombatScreenLoop, TheNextUnitIsTheNearestThatCanStillMoveAndNoneLeftEndsTheHumansPart)
{
    Fighter(0, 0, 3, 3);
    Battle_Unit_Record &near = Fighter(1, 0, 4, 4);
    Battle_Unit_Record &far = Fighter(2, 0, 12, 12);
    Fighter(3, 1, 18, 18);
    _active_battle_unit = 0;
    battle_units[0].Move_Halves = 0;
    Next_Battle_Unit(0);
    EXPECT_EQ(_active_battle_unit, 1);
    EXPECT_EQ(_human_out_of_moves, 0);
    near.Move_Halves = 0;
    far.Move_Halves = 0;
    Next_Battle_Unit(0);
    EXPECT_EQ(_human_out_of_moves, 1);
}
