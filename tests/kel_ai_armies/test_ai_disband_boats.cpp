// Disbanding for the budget, leaving the home plane, putting boats to sea, and the free square
// beside a site.
#include <gtest/gtest.h>

#include "Army_Fixture.h"
#include "ai/AI_Army_Planning.h"
#include "ai/AI_Budget_Planes_Boats.h"
#include "world/Wizard_Economy.h"

namespace {

using AiDisband = Army_Test;

int16_t Alive(int16_t owner, int16_t from, int16_t to)
{
    int16_t n = 0;
    for (int16_t k = from; k < to; k++) n += _UNITS[k].owner_idx == owner;
    return n;
}

TEST_F(AiDisband, AGoldShortfallOfThreeRemovesTwoUnitsOfUpkeepTwo)
{
    _difficulty = 0;
    Land(5, 5, 25, 25, 1);
    const int16_t city = Add_City(1, 10, 10, 0, 1);
    _CITIES[city].food_units = 5;  // feeds the city and the four units, with nothing to sell
    _CITIES[city].gold_units = 5;  // 5 - 4 x 2 = -3
    const int16_t type = Foot_Type();
    Type_Patch patch(type);
    patch->Upkeep = 2;
    for (int i = 0; i < 4; i++) Add_Unit(type, 1, (int16_t)(12 + i), 12);
    int16_t gold = 0, food = 0, mana = 0;
    Player_Resource_Income_Total(1, &gold, &food, &mana);
    ASSERT_EQ(gold, -3);
    ASSERT_GE(food, 0);
    AI_Disband_To_Balance_Budget(1);
    EXPECT_EQ(Alive(1, 0, 4), 2);
}

TEST_F(AiDisband, AManaShortfallRemovesSummonedCreaturesOnly)
{
    Land(5, 5, 25, 25, 1);
    const int16_t city = Add_City(1, 10, 10, 0, 1);
    _CITIES[city].food_units = 20;
    _CITIES[city].gold_units = 50;
    const int16_t foot = Foot_Type();
    const int16_t creature =
        Find_Type([](const Unit_Type_Record &r) { return r.Melee > 0; }, (int16_t)NUM_SUMMONED_TYPE_FIRST);
    ASSERT_EQ(creature, 154);
    Type_Patch creature_patch(creature);
    creature_patch->Upkeep = 3;
    Type_Patch foot_patch(foot);
    foot_patch->Upkeep = 1;
    const int16_t a = Add_Unit(foot, 1, 12, 12);
    const int16_t b = Add_Unit(foot, 1, 13, 12);
    const int16_t c1 = Add_Unit(creature, 1, 14, 12);
    const int16_t c2 = Add_Unit(creature, 1, 15, 12);
    int16_t gold = 0, food = 0, mana = 0;
    Player_Resource_Income_Total(1, &gold, &food, &mana);
    ASSERT_GE(gold, 0);
    ASSERT_GE(food, 0);
    ASSERT_LT(mana, 0);
    AI_Disband_To_Balance_Budget(1);
    EXPECT_EQ(_UNITS[a].owner_idx, 1);
    EXPECT_EQ(_UNITS[b].owner_idx, 1);
    EXPECT_EQ(Alive(1, c1, (int16_t)(c2 + 1)), 0);
}

TEST_F(AiDisband, PlanarSealHeldByAnyWizardStopsTheTowerCrossing)
{
    Land(5, 5, 25, 25, 1, 0);
    Land(5, 5, 25, 25, 1, 1);
    _TOWERS[0] = {10, 10, -1, 0};
    _FORTRESSES[1] = {20, 20, 0, 1};
    for (int16_t sealed = 0; sealed <= 1; sealed++) {
        _units = 0;
        const int16_t u = Add_Unit(Foot_Type(), 1, 10, 10, 0);
        _players[0].Globals[ge_Planar_Seal] = sealed ? 1 : 0;  // the human's seal counts too
        _ai_all_own_stack_count = 1;
        _ai_all_own_stacks[0] = {};
        _ai_all_own_stacks[0].wx = 10;
        _ai_all_own_stacks[0].wy = 10;
        _ai_all_own_stacks[0].wp = 0;
        AI_Shift_Off_Home_Plane(1);
        EXPECT_EQ(_UNITS[u].wp, sealed ? 0 : 1) << sealed;
        EXPECT_EQ(_ai_all_own_stacks[0].wp, sealed ? 0 : 1) << sealed;
    }
}

TEST_F(AiDisband, APortOnTheNorthEdgeLooksOnlyAtRowsZeroAndOne)
{
    Land(9, 0, 11, 0, 1);
    const int16_t galley = 36;
    ASSERT_GT(_unit_type_table[galley].Transport, 0);
    const int16_t boat = Add_Unit(galley, 1, 10, 0);
    const int16_t soldier = Add_Unit(Foot_Type(), 1, 10, 0);
    _ai_all_own_stack_count = 1;
    _ai_all_own_stacks[0] = {};
    _ai_all_own_stacks[0].wx = 10;
    _ai_all_own_stacks[0].wy = 0;
    _ai_all_own_stacks[0].flags = AI_STACK_TRANSPORT;
    AI_Move_Out_Boats();
    EXPECT_EQ(_UNITS[boat].Status, us_GOTO);
    EXPECT_EQ(_UNITS[boat].dst_wx, 11);
    EXPECT_EQ(_UNITS[boat].dst_wy, 1);
    EXPECT_EQ(_UNITS[soldier].Status, us_Ready);
    EXPECT_EQ(_ai_all_own_stacks[0].strength, -1);
}

TEST_F(AiDisband, AdjacentFreeSquareStaysOnTheMapAtEveryEdge)
{
    const struct {
        int16_t x, y;
        int16_t free_x, free_y;
    } corners[] = {{0, 0, 1, 0}, {59, 0, 58, 0}, {0, 39, 0, 38}, {59, 39, 58, 38}};
    for (const auto &c : corners) {
        SetUp();
        Land(c.x == 0 ? 0 : 58, c.y == 0 ? 0 : 38, c.x == 0 ? 1 : 59, c.y == 0 ? 1 : 39, 1);
        int16_t x = -1, y = -1;
        ASSERT_EQ(Adjacent_Free_Square(c.x, c.y, 0, &x, &y), 1) << c.x << "," << c.y;
        EXPECT_EQ(x, c.free_x);
        EXPECT_EQ(y, c.free_y);
    }
    // Across the east-west seam nothing qualifies; units, cities and lairs take squares.
    SetUp();
    Land(59, 5, 59, 5, 1);
    Land(0, 5, 0, 5, 1);
    int16_t x = -1, y = -1;
    EXPECT_EQ(Adjacent_Free_Square(0, 5, 0, &x, &y), 0);
    SetUp();
    Land(9, 9, 11, 10, 1);
    Add_Unit(Foot_Type(), 2, 9, 9);
    Add_City(3, 10, 9);
    _LAIRS[0] = {};
    _LAIRS[0].wx = 11;
    _LAIRS[0].wy = 9;
    _LAIRS[0].Intact = 1;
    _LAIRS[0].wp = 0;
    ASSERT_EQ(Adjacent_Free_Square(10, 10, 0, &x, &y), 1);
    EXPECT_EQ(x, 9);
    EXPECT_EQ(y, 10);
    Add_Unit(Foot_Type(), 1, 9, 10);
    Add_Unit(Foot_Type(), 1, 11, 10);
    EXPECT_EQ(Adjacent_Free_Square(10, 10, 0, &x, &y), 0);
}

TEST_F(AiDisband, SettlersAndBuildersLeaveTheGarrisonForAFreeSquare)
{
    Land(5, 5, 25, 25, 1);
    Point_At(1);
    Add_City(1, 10, 10);
    Eval(10, 10) = AI_EVAL_SITE;
    const int16_t settler = Add_Unit(Settler_Type(), 1, 10, 10);
    const int16_t soldier = Add_Unit(Foot_Type(), 1, 10, 10);
    AI_Stacks_Init_Build_Target_Order(1, 1, 0);
    ASSERT_EQ(AI_Continent_Data()->own_stack_type[0], aist_Site);
    AI_Stacks_Move_Out_NonMilitary_Garrisoned(0);
    EXPECT_EQ(_UNITS[settler].Status, us_GOTO);
    EXPECT_EQ(_UNITS[settler].dst_wx, 9);
    EXPECT_EQ(_UNITS[settler].dst_wy, 9);
    EXPECT_EQ(_UNITS[soldier].Status, us_Ready);
}

}  // namespace
