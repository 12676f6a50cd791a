// Order setters, the landmass stack table, mobilisation, the expedition threshold, and carrying the
// orders out: road force, ferry waits and Time Stop.
#include <gtest/gtest.h>

#include "Ai_Fixture.h"
#include "ai/AI_Execute_Orders.h"
#include "world/Square_Queries.h"

namespace {

using AiOrders = Ai_Test;
using AiExecute = Ai_Test;

TEST_F(AiOrders, SettersWriteCodesAndEmptyTheSlot)
{
    const int16_t foot = Foot_Type();
    const int16_t u = Add_Unit(foot, 1, 10, 10);
    AI_Continent_Block *block = AI_Continent_Data();
    block->own_stack_unit_list[2][3] = u;
    block->evaluation_map[0][12 * 60 + 12] = 5;                 // enemy strength: attack
    block->evaluation_map[0][14 * 60 + 14] = AI_EVAL_SITE | 5;  // a city: go to
    AI_Stacks_Order_Attack_Target_Or_Goto_Destination(u, 12, 12, 2, 3);
    EXPECT_EQ(_UNITS[u].Status, us_MoveToAttack);
    EXPECT_EQ(block->own_stack_unit_list[2][3], -1);
    AI_Stacks_Order_Attack_Target_Or_Goto_Destination(u, 14, 14, 2, 3);
    EXPECT_EQ(_UNITS[u].Status, us_GOTO);
    EXPECT_EQ(_UNITS[u].dst_wx, 14);
    AI_Stacks_Order_RoadBuild(u, 20, 21, 2, 3);
    EXPECT_EQ(_UNITS[u].Status, us_BuildRoad);
    EXPECT_EQ(_UNITS[u].Rd_From_X, 10);
    EXPECT_EQ(_UNITS[u].dst_wy, 21);
    AI_Stacks_Order_Purify(u, 2, 3);
    EXPECT_EQ(_UNITS[u].Status, us_Purify);
    EXPECT_EQ(_UNITS[u].dst_wx, 20);
    AI_Stacks_Order_Ferry(u, 2, 3);
    EXPECT_EQ(_UNITS[u].Status, us_SeekTransport);
    EXPECT_EQ(_UNITS[u].dst_wx, 10);
    AI_Stacks_Order_Meld(u, 2, 3);
    EXPECT_EQ(_UNITS[u].Status, us_Meld);
    AI_Order_Settle(u, 2, 3);
    EXPECT_EQ(_UNITS[u].Status, us_Settle);
    // An index off the table writes nothing, not even the slot.
    block->own_stack_unit_list[2][4] = 7;
    AI_Stacks_Order_Meld(1000, 2, 4);
    AI_Stacks_Order_Purify(-1, 2, 4);
    EXPECT_EQ(block->own_stack_unit_list[2][4], 7);
}

TEST_F(AiOrders, StackTableFreesLoneRoamersAndReleasesAttackersWithoutTarget)
{
    const int16_t foot = Foot_Type();
    const int16_t lone = Add_Unit(foot, 1, 5, 5);
    const int16_t a1 = Add_Unit(foot, 1, 8, 8);
    const int16_t a2 = Add_Unit(foot, 1, 8, 8);
    _UNITS[a1].Status = us_MoveToAttack;
    _UNITS[a2].Status = us_MoveToAttack;
    const int16_t walking = Add_Unit(foot, 1, 9, 9);
    _UNITS[walking].Status = us_GOTO;
    cp_landmass_wx_array = _ai_continents.wx[0][1];
    cp_landmass_wy_array = _ai_continents.wy[0][1];
    cp_landmass_type_array = _ai_continents.type[0][1];
    AI_Stacks_Init_Build_Target_Order(1, 1, 0);
    const AI_Continent_Block *block = AI_Continent_Data();
    ASSERT_EQ(_ai_own_stack_count, 3);
    EXPECT_EQ(block->own_stack_unit_list[0][0], lone);
    EXPECT_EQ(block->own_stack_type[0], aist_Free);
    EXPECT_EQ(block->own_stack_type[1], aist_Free);
    EXPECT_EQ(_UNITS[a1].Status, us_Ready);
    EXPECT_EQ(_UNITS[a2].Status, us_Ready);
    EXPECT_EQ(block->own_stack_unit_list[2][0], -1);  // committed
    EXPECT_EQ(_UNITS[walking].Status, us_GOTO);
}

TEST_F(AiOrders, RoamingAttackersReAimAtTheNearestHostileStack)
{
    const int16_t foot = Foot_Type();
    const int16_t a1 = Add_Unit(foot, 1, 8, 8);
    const int16_t a2 = Add_Unit(foot, 1, 8, 8);
    _UNITS[a1].Status = us_MoveToAttack;
    _UNITS[a2].Status = us_MoveToAttack;
    AI_Continent_Block *block = AI_Continent_Data();
    block->evaluation_map[0][8 * 60 + 20] = 3;
    block->evaluation_map[0][8 * 60 + 12] = 3 | AI_EVAL_FRIENDLY_UNIT;
    block->evaluation_map[0][8 * 60 + 11] = 3 | AI_EVAL_SITE;
    block->evaluation_map[0][8 * 60 + 59] = 3;  // nearest across the wrap: 9 squares
    AI_Stacks_Init_Build_Target_Order(1, 1, 0);
    EXPECT_EQ(_UNITS[a1].Status, us_MoveToAttack);
    EXPECT_EQ(_UNITS[a1].dst_wx, 59);
    EXPECT_EQ(_UNITS[a2].dst_wx, 59);
}

TEST_F(AiOrders, MobilizeLeavesEnoughDefenders)
{
    const int16_t foot = Foot_Type();
    const int16_t settler = Settler_Type();
    _difficulty = 3;
    Add_City(1, 10, 10);
    Add_Unit(foot, 1, 10, 10);
    Add_Unit(foot, 1, 10, 10);
    Add_Unit(settler, 1, 10, 10);
    EXPECT_EQ(AI_Stack_Can_Mobilize(0, 10, 10, 0), 0);
    Add_Unit(foot, 1, 10, 10);
    EXPECT_EQ(AI_Stack_Can_Mobilize(0, 10, 10, 0), 1);
    EXPECT_EQ(AI_Stack_Can_Mobilize(0, 11, 10, 0), 1);  // no city
    _difficulty = 1;
    _units = 1;
    EXPECT_EQ(AI_Stack_Can_Mobilize(0, 10, 10, 0), 1);
}

TEST_F(AiOrders, ExpeditionThresholdByTurn)
{
    const int16_t cases[][2] = {{0, 2}, {29, 2}, {30, 3}, {210, 9}, {240, 9}, {400, 9}};
    for (const auto &c : cases) {
        _turn = c[0];
        AI_Set_Unit_Orders(1);
        EXPECT_EQ(_ai_expedition_size_threshold, c[1]) << c[0];
    }
}

TEST_F(AiExecute, RoadForceDividesTheFirstSquaresTurns)
{
    const int16_t builder = Builder_Type();
    for (int x = 5; x < 20; x++) _world_maps[World_Square_Index(x, 10, 0)] = 164;  // 8 turns of road
    const int16_t b1 = Add_Unit(builder, 1, 10, 10);
    const int16_t b2 = Add_Unit(builder, 1, 10, 10);
    _UNITS[b2].enchantments = UE_ENDURANCE;
    for (int16_t k : {b1, b2}) {
        _UNITS[k].Status = us_BuildRoad;
        _UNITS[k].dst_wx = 14;
        _UNITS[k].dst_wy = 10;
    }
    const int16_t force = (int16_t)(2 * _unit_type_table[builder].Construction + 1);
    AI_Unit_Army_Do_Road(b1);
    const int16_t turns = Turns_To_Build_Road(11, 10, 0);
    ASSERT_EQ(turns, 8);
    EXPECT_EQ(force, 3);
    for (int16_t k : {b1, b2}) {
        EXPECT_EQ(_UNITS[k].Status, us_GOTO);
        EXPECT_EQ(_UNITS[k].Rd_Constr_Left, turns / force);
        EXPECT_EQ(_UNITS[k].Rd_From_X, 10);
    }
}

TEST_F(AiExecute, EmptyRoadPathEndsTheRoadOrder)
{
    const int16_t builder = Builder_Type();
    _landmasses[World_Square_Index(30, 30, 0)] = 2;
    const int16_t b = Add_Unit(builder, 1, 10, 10);
    _UNITS[b].Status = us_BuildRoad;
    _UNITS[b].dst_wx = 30;
    _UNITS[b].dst_wy = 30;
    AI_Unit_Army_Do_Road(b);
    EXPECT_EQ(_UNITS[b].Status, us_Ready);
}

TEST_F(AiExecute, FerryWaitCountsDownAloneAndEndsInCompany)
{
    const int16_t foot = Foot_Type();
    const int16_t u = Add_Unit(foot, 1, 10, 10);
    _UNITS[u].Status = us_SeekTransport;
    _UNITS[u].dst_wx = 3;
    AI_Execute_Orders(1);
    EXPECT_EQ(_UNITS[u].Status, us_SeekTransport);
    AI_Execute_Orders(1);
    EXPECT_EQ(_UNITS[u].Status, us_SeekTransport);
    EXPECT_EQ(_UNITS[u].dst_wx, 1);
    AI_Execute_Orders(1);
    EXPECT_EQ(_UNITS[u].Status, us_Ready);
    EXPECT_EQ(_UNITS[u].dst_wx, 0);
    // A counter already at 0 ends the wait without wrapping.
    _UNITS[u].Status = us_SeekTransport;
    _UNITS[u].dst_wx = 0;
    AI_Execute_Orders(1);
    EXPECT_EQ(_UNITS[u].Status, us_Ready);
    EXPECT_EQ(_UNITS[u].dst_wx, 0);
    // A second unit on the square ends it at once.
    _UNITS[u].Status = us_SeekTransport;
    _UNITS[u].dst_wx = 10;
    Add_Unit(foot, 1, 10, 10);
    AI_Execute_Orders(1);
    EXPECT_EQ(_UNITS[u].Status, us_Ready);
}

TEST_F(AiExecute, TimeStopFinishedUnitsAndAWinnerStopOrders)
{
    const int16_t foot = Foot_Type();
    const int16_t u = Add_Unit(foot, 1, 10, 10);
    struct Case {
        const char *what;
        int16_t timestop_player_num;
        uint8_t finished;
        int16_t winner;
        int16_t acts;
    };
    const Case cases[] = {
        {"free", 0, 0, -1, 1},     {"own Time Stop", 2, 0, -1, 1}, {"another's Time Stop", 3, 0, -1, 0},
        {"finished", 0, 1, -1, 0}, {"a winner", 0, 0, 2, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        _UNITS[u].Status = us_SeekTransport;
        _UNITS[u].dst_wx = 5;
        _UNITS[u].Finished = c.finished;
        g_timestop_player_num = c.timestop_player_num;
        magic_master_idx = c.winner;
        AI_Execute_Orders(1);
        EXPECT_EQ(_UNITS[u].dst_wx, c.acts ? 4 : 5);
    }
}

TEST_F(AiExecute, MapViewIsRestored)
{
    static int16_t view[3];
    static int set_calls;
    set_calls = 0;
    AI_Services services = {};
    services.get_map_view = [](int16_t *x, int16_t *y, int16_t *p) {
        *x = 11;
        *y = 12;
        *p = 1;
    };
    services.set_map_view = [](int16_t x, int16_t y, int16_t p) {
        view[0] = x;
        view[1] = y;
        view[2] = p;
        set_calls++;
    };
    AI_Set_Services(services);
    AI_Execute_Orders(1);
    EXPECT_EQ(set_calls, 1);
    EXPECT_EQ(view[0], 11);
    EXPECT_EQ(view[1], 12);
    EXPECT_EQ(view[2], 1);
}

}  // namespace
