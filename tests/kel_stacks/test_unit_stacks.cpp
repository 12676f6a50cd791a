// The active stack: selection, special actions, which units move, the next stack with moves,
// melding and purifying.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "STU_Log.h"
#include "Stacks_Fixture.h"
#include "Test_Temp_Dir.h"
#include "overland/Stack_Selection.h"
#include "random.h"
#include "world/Square_Queries.h"
#include "world/Wizard_Economy.h"

using namespace stacks_test;

class UnitStacks : public Stacks_Test {};

TEST_F(UnitStacks, PurifyTakesFiveTurnsAloneAndThreeWithTwo)
{
    for (int purifiers : {1, 2}) {
        const int x = 10 + purifiers;
        _map_square_flags[World_Square_Index(x, 10, 0)] |= sf_Corruption;
        int16_t units[2];
        for (int i = 0; i < purifiers; i++) {
            units[i] = Unit(T_PURIFIER, 0, x, 10);
            _UNITS[units[i]].Status = us_Purify;
        }
        int turn = 0;
        while (Square_Has_Corruption((int16_t)x, 10, 0) && turn < 10) {
            Next_Turn_Process_Purify();
            turn++;
        }
        EXPECT_EQ(turn, purifiers == 1 ? 5 : 3) << purifiers << " purifier(s)";
        for (int i = 0; i < purifiers; i++) {
            EXPECT_EQ(_UNITS[units[i]].Status, us_Ready);
            EXPECT_EQ(_UNITS[units[i]].dst_wx, 0) << "the counter starts again";
            EXPECT_EQ(_UNITS[units[i]].Finished, 1);
        }
    }
    // A unit that cannot purify gives up its order.
    const int16_t foot = Unit(T_FOOT, 0, 20, 10);
    _UNITS[foot].Status = us_Purify;
    Next_Turn_Process_Purify();
    EXPECT_EQ(_UNITS[foot].Status, us_Ready);
}

TEST_F(UnitStacks, PurifyUnderTimeStopOnlyForTheCaster)
{
    g_timestop_player_num = 2;
    const int16_t mine = Unit(T_PURIFIER, 0, 10, 10);
    const int16_t theirs = Unit(T_PURIFIER, 1, 12, 10);
    _UNITS[mine].Status = _UNITS[theirs].Status = us_Purify;
    Next_Turn_Process_Purify();
    EXPECT_EQ(_UNITS[mine].dst_wx, 0);
    EXPECT_EQ(_UNITS[theirs].dst_wx, 1);
    g_timestop_player_num = 0;
}

TEST_F(UnitStacks, SurplusBoatRidersStayBehindAndHeroesAlwaysBoard)
{
    const int16_t ship = Unit(T_SHIP, 0, 10, 10);  // room for 2
    const int16_t f1 = Unit(T_FOOT, 0, 10, 10);
    const int16_t f2 = Unit(T_FOOT, 0, 10, 10);
    const int16_t f3 = Unit(T_FOOT, 0, 10, 10);
    const int16_t hero = Unit(T_HERO, 0, 10, 10);
    const int16_t flyer = Unit(T_FLYER, 0, 10, 10);
    Stack_Of({ship, f1, f2, f3, hero, flyer});
    int16_t count, list[MAX_STACK];
    Build_Moveable_Stack(&count, list);
    ASSERT_EQ(count, 5);
    EXPECT_EQ(list[0], ship);
    EXPECT_EQ(list[1], f1);
    EXPECT_EQ(list[2], f2);
    EXPECT_EQ(list[3], hero) << "the hero rides free after the ship is full";
    EXPECT_EQ(list[4], flyer);

    // In a city the ships sail alone.
    City(0, 10, 10);
    Build_Moveable_Stack(&count, list);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(list[0], ship);

    // Without a ship: the selected units that are not on a go-to order.
    _UNITS[f2].Status = us_GOTO;
    Stack_Of({f1, f2, f3});
    _unit_stack[2].active = 0;
    Build_Moveable_Stack(&count, list);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(list[0], f1);
}

TEST_F(UnitStacks, MovingTheActiveStackToTheTopOrBottomRowDoesNothing)
{
    const int16_t a = Unit(T_FOOT, 0, 10, 1);
    Stack_Of({a});
    for (int row : {0, 39}) {
        EXPECT_EQ(Move_Stack(10, (int16_t)row, 0, &map_x, &map_y, &map_plane), 1);
        EXPECT_EQ(_UNITS[a].wy, 1);
        EXPECT_EQ(_UNITS[a].moves2, 4);
    }
    EXPECT_EQ(Move_Stack(11, 2, 0, &map_x, &map_y, &map_plane), 1);
    EXPECT_EQ(_UNITS[a].wx, 11);
    EXPECT_EQ(_UNITS[a].wy, 2);
    EXPECT_EQ(_unit, a);
    EXPECT_EQ(_unit_stack_count, 1) << "re-selected on the new square";
}

TEST_F(UnitStacks, MeldAgainstAForeignGuardianSpiritFailsThreeTimesInFour)
{
    Node_Record &node = _NODES[0];
    node.wx = 10;
    node.wy = 10;
    node.wp = 0;
    int failures = 0;
    const int trials = 400;
    Set_Random_Seed(12345);
    for (int t = 0; t < trials; t++) {
        node.owner_idx = 1;
        node.flags = 0x2;
        _units = 0;
        const int16_t spirit = Unit(T_MELDER, 0, 10, 10);
        int16_t list[1] = {spirit};
        Army_Do_Meld(1, list);
        EXPECT_NE(_UNITS[spirit].owner_idx, 0) << "the spirit is lost either way";
        failures += node.owner_idx == 1;
        if (node.owner_idx == 0) {
            EXPECT_EQ(node.flags & 0x2, 0) << "a plain spirit leaves no guardian";
        }
    }
    EXPECT_GT(failures, trials * 65 / 100);
    EXPECT_LT(failures, trials * 85 / 100);

    // A warped node takes nobody; a guardian spirit melding an unowned node guards it.
    _units = 0;
    node.owner_idx = -1;
    node.flags = 0x1;
    const int16_t guard = Unit((uint8_t)UNIT_TYPE_GUARDIAN_SPIRIT, 0, 10, 10);
    int16_t list[1] = {guard};
    Army_Do_Meld(1, list);
    EXPECT_EQ(_UNITS[guard].owner_idx, 0);
    node.flags = 0;
    Army_Do_Meld(1, list);
    EXPECT_EQ(node.owner_idx, 0);
    EXPECT_EQ(node.flags, 0x2);
}

TEST_F(UnitStacks, SpecialActionOfTheSelection)
{
    const int16_t builder = Unit(T_BUILDER, 0, 10, 10);
    const int16_t purifier = Unit(T_PURIFIER, 0, 10, 10);
    const int16_t melder = Unit(T_MELDER, 0, 20, 10);
    Stack_Of({builder, purifier});
    Set_Unit_Action_Special();
    EXPECT_EQ(special_action_flag, sa_Build_Road);
    _map_square_flags[World_Square_Index(10, 10, 0)] |= sf_Corruption;
    Set_Unit_Action_Special();
    EXPECT_EQ(special_action_flag, sa_Purify) << "purify overwrites build road";
    _world_maps[World_Square_Index(10, 10, 0)] = tt_Ocean;
    _unit_stack[1].active = 0;
    Set_Unit_Action_Special();
    EXPECT_EQ(special_action_flag, sa_None) << "no road on water";

    _NODES[0].wx = 20;
    _NODES[0].wy = 10;
    _NODES[0].owner_idx = 1;
    _NODES[0].flags = 0x2;  // a foreign guardian does not stop the offer
    Stack_Of({melder});
    Set_Unit_Action_Special();
    EXPECT_EQ(special_action_flag, sa_Meld);
    _NODES[0].flags = 0x1;
    Set_Unit_Action_Special();
    EXPECT_EQ(special_action_flag, sa_None) << "a warped foreign node";
    _NODES[0].owner_idx = 0;
    _NODES[0].flags = 0x2;
    Set_Unit_Action_Special();
    EXPECT_EQ(special_action_flag, sa_None) << "an own node already guarded";
}

TEST_F(UnitStacks, TogglingTheSelection)
{
    const int16_t a = Unit(T_FOOT, 0, 10, 10);
    const int16_t b = Unit(T_FOOT, 0, 10, 10);
    const int16_t c = Unit(T_FOOT, 0, 10, 10);
    _UNITS[c].Status = us_GOTO;
    _UNITS[c].dst_wx = 30;
    Stack_Of({a, b, c});
    _unit_stack[2].active = 0;
    reset_active_stack = 1;
    Update_Stack_Active(1);
    EXPECT_EQ(_unit_stack[0].active, 0) << "the first toggle of a fresh selection deselects the others";
    EXPECT_EQ(_unit_stack[1].active, 1);
    EXPECT_EQ(reset_active_stack, 0);
    Update_Stack_Active(1);
    EXPECT_EQ(_unit_stack[1].active, 0);
    _active_stack_has_path = 1;
    all_units_moved = 1;
    Update_Stack_Active(2);
    EXPECT_EQ(_unit_stack[2].active, 1);
    EXPECT_EQ(_UNITS[c].Status, us_Ready) << "selecting a unit cancels its order";
    EXPECT_EQ(_active_stack_has_path, 0);
    EXPECT_EQ(all_units_moved, 0);
    _UNITS[a].moves2 = 0;
    Update_Stack_Active(0);
    EXPECT_EQ(_unit_stack[0].active, 0) << "a unit without moves is never selected";
}

TEST_F(UnitStacks, NextIdleStackNearestFirstWaitingLastThenNone)
{
    _active_world_x = 10;
    _active_world_y = 10;
    const int16_t far = Unit(T_FOOT, 0, 58, 10);  // 12 columns away across the seam
    const int16_t near_wait = Unit(T_FOOT, 0, 11, 10);
    _UNITS[near_wait].Status = us_Wait;
    const int16_t purifying = Unit(T_PURIFIER, 0, 10, 10);
    _UNITS[purifying].Status = us_Purify;
    EXPECT_EQ(Next_Unit_Nearest_Available(0, &map_plane), 0);
    EXPECT_EQ(_unit, far);
    EXPECT_EQ(_active_world_x, 58);
    _UNITS[far].Finished = 1;
    EXPECT_EQ(Next_Unit_Nearest_Available(0, &map_plane), 0);
    EXPECT_EQ(_unit, near_wait);
    EXPECT_EQ(_UNITS[near_wait].Status, us_Ready) << "waiting units become ready";
    _UNITS[near_wait].Finished = 1;
    const int16_t other_plane = Unit(T_FOOT, 0, 10, 10, 1);
    EXPECT_EQ(Next_Unit_Nearest_Available(0, &map_plane), 0);
    EXPECT_EQ(_unit, other_plane);
    EXPECT_EQ(map_plane, 1);
    _UNITS[other_plane].Finished = 1;

    Stack_Of({far});
    _active_stack_has_path = 1;
    WIZ_NextIdleStack(0, &map_x, &map_y, &map_plane);
    EXPECT_EQ(all_units_moved, 1);
    EXPECT_EQ(_unit_stack_count, 0);
    EXPECT_EQ(_active_stack_has_path, 0);
    EXPECT_EQ(_stack_selection_changed, 1);
}

TEST_F(UnitStacks, NextIdleStackWalksGotoStacksFirst)
{
    _active_world_x = 10;
    _active_world_y = 10;
    const int16_t walker = Unit(T_FOOT, 0, 10, 10, 0, 4);
    _UNITS[walker].Status = us_GOTO;
    _UNITS[walker].dst_wx = 20;
    _UNITS[walker].dst_wy = 10;
    const int16_t idle = Unit(T_FOOT, 0, 14, 10);
    WIZ_NextIdleStack(0, &map_x, &map_y, &map_plane);
    EXPECT_EQ(_UNITS[walker].wx, 12) << "the go-to stack walked as far as its moves go";
    EXPECT_EQ(_UNITS[walker].Status, us_GOTO);
    EXPECT_EQ(_UNITS[walker].Finished, 1);
    EXPECT_EQ(_unit, idle);
    EXPECT_EQ(_unit_stack_count, 1);
    EXPECT_EQ(_unit_stack[0].unit_idx, idle);
    EXPECT_EQ(all_units_moved, 0);
}

TEST_F(UnitStacks, BuildAndSortTheStackOnASquare)
{
    const int16_t foot = Unit(T_FOOT, 0, 10, 10);
    const int16_t strong = Unit(T_STRONG, 0, 10, 10);
    const int16_t ship = Unit(T_SHIP, 0, 10, 10);
    const int16_t foot2 = Unit(T_FOOT, 0, 10, 10);
    _UNITS[strong].Finished = 1;
    _UNITS[foot2].Status = us_Wait;
    Unit(T_FOOT, 1, 10, 10);  // another player's
    Build_Unit_Stack(0, 0, 10, 10);
    ASSERT_EQ(_unit_stack_count, 4);
    EXPECT_EQ(_UNITS[foot2].Status, us_Ready);
    Sort_Unit_Stack();
    EXPECT_EQ(_unit_stack[0].unit_idx, ship) << "transports first, whatever the fighters' strength";
    EXPECT_EQ(_unit_stack[1].unit_idx, strong);
    EXPECT_EQ(_unit_stack[2].unit_idx, foot) << "equal keys keep their order";
    EXPECT_EQ(_unit_stack[3].unit_idx, foot2);
    EXPECT_EQ(_unit, ship);
    _unit_stack[0].active = 0;
    Sort_Unit_Stack();
    EXPECT_EQ(_unit, foot) << "the first selected unit";

    for (int i = 0; i < 8; i++) Unit(T_FOOT, 0, 10, 10);
    Build_Unit_Stack(0, 0, 10, 10);
    EXPECT_EQ(_unit_stack_count, MAX_STACK) << "an overfull square still gives at most 9";
}

TEST_F(UnitStacks, EveryChangeOfTheCurrentUnitIsLogged)
{
    Test_Temp_Dir dir;
    setenv("TOLVA_LOG_DIR", dir.path.c_str(), 1);
    std::string ini = dir / "Tolva.ini";
    Write_Text(ini, "");
    STU_Log_Startup(ini.c_str());
    _unit = 3;
    Set_Current_Unit(7);
    STU_Log_Flush_All();
    std::string text = Read_Text(dir / "tolva_log_new.txt");
    STU_Log_Shutdown();
    unsetenv("TOLVA_LOG_DIR");
    EXPECT_NE(text.find("[_unit ASSIGN] 3 -> 7"), std::string::npos) << text;
    EXPECT_EQ(_unit, 7);
}

TEST_F(UnitStacks, MovesOfTheSelectionAndPlanarTravel)
{
    const int16_t slow = Unit(T_FOOT, 0, 10, 10, 0, 2);
    const int16_t ship = Unit(T_SHIP, 0, 10, 10, 0, 6);
    const int16_t fast = Unit(T_FOOT, 0, 10, 10, 0, 8);
    Stack_Of({slow, ship, fast});
    EXPECT_EQ(Stack_Moves_Active(), 6) << "the carrier's moves";
    Stack_Of({fast, slow});
    EXPECT_EQ(Stack_Moves_Active(), 2);
    _unit_stack[0].active = _unit_stack[1].active = 0;
    EXPECT_EQ(Stack_Moves_Active(), 0) << "nothing selected";

    EXPECT_EQ(Stack_Has_PlanarTravel(), 0);
    _UNITS[slow].enchantments = UE_PLANARTRAVEL;
    EXPECT_EQ(Stack_Has_PlanarTravel(), 1) << "nothing selected counts as all; the last one answers";
    EXPECT_EQ(_unit_stack[1].active, 0) << "and is unmarked afterwards";
    _unit_stack[0].active = 1;
    EXPECT_EQ(Stack_Has_PlanarTravel(), 0);
}

TEST_F(UnitStacks, BringingASquareIntoView)
{
    struct Case {
        int16_t map_x, map_y, x, y;
        int16_t want_x, want_y;
    } cases[] = {
        {10, 10, 15, 15, 10, 10},  // inside: no scroll
        {10, 10, 10, 15, 9, 10},   // left column
        {0, 10, 0, 15, 59, 10},    // left column at the seam
        {10, 10, 21, 15, 11, 10},  // right column
        {10, 10, 15, 19, 10, 11},  // bottom row
        {10, 10, 15, 10, 10, 9},   // top row
        {10, 0, 15, 0, 10, 0},     // top row at the top of the map
        {10, 10, 40, 2, 34, 0},    // out of view: centred, clamped at the top
        {10, 10, 2, 38, 56, 30},   // out of view: wrapped and clamped at the bottom
        {55, 10, 2, 15, 55, 10},   // inside across the seam
    };
    for (const Case &c : cases) {
        int16_t mx = c.map_x, my = c.map_y;
        Bring_Square_Into_View(&mx, &my, c.x, c.y, 0);
        EXPECT_EQ(mx, c.want_x) << c.x << "," << c.y;
        EXPECT_EQ(my, c.want_y) << c.x << "," << c.y;
    }
}

TEST_F(UnitStacks, AnyUnitsNotBusy)
{
    const int16_t a = Unit(T_FOOT, 0, 10, 10);
    _UNITS[a].Status = us_Patrol;
    const int16_t b = Unit(T_FOOT, 0, 10, 10);
    _UNITS[b].Status = us_Purify;
    Unit(T_FOOT, 1, 10, 10);
    EXPECT_EQ(Any_Units_Not_Busy(), 0);
    _UNITS[b].Status = us_Wait;
    EXPECT_EQ(Any_Units_Not_Busy(), 1);
    EXPECT_EQ(Square_Has_City_Dupe(10, 10, 0), -1);
    City(0, 10, 10);
    EXPECT_EQ(Square_Has_City_Dupe(10, 10, 0), 0);
}

TEST_F(UnitStacks, AGotoThatCannotMoveIsDroppedAndMarkedFailed)
{
    // The target square is walled in by impassable land.
    for (int dx = -1; dx <= 1; dx++) {
        for (int dy = -1; dy <= 1; dy++) {
            if (dx || dy) Movement_Cost_Map_Of(0, mcm_Walking)[(20 + dy) * WORLD_WIDTH + 30 + dx] = 255;
        }
    }
    const int16_t a = Unit(T_FOOT, 0, 10, 20);
    const int16_t b = Unit(T_FOOT, 0, 10, 20);
    const int16_t other = Unit(T_FOOT, 0, 10, 20);  // going elsewhere: not a companion
    for (int16_t u : {a, b, other}) {
        _UNITS[u].Status = us_GOTO;
        _UNITS[u].dst_wx = 30;
        _UNITS[u].dst_wy = 20;
    }
    _UNITS[other].dst_wx = 12;
    int16_t count, list[MAX_STACK];
    Build_RoadBuilder_Stack(&count, list, 30, 20, 0, a);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(Stack_Move_To(0, a, 30, 20, &map_x, &map_y, 0), 0);
    for (int16_t u : {a, b}) {
        EXPECT_EQ(_UNITS[u].Status, us_Ready);
        EXPECT_EQ(_UNITS[u].ai_flag, 1) << "the failed go-to is marked";
        EXPECT_EQ(_UNITS[u].dst_wx, 0);
    }
    EXPECT_EQ(_UNITS[other].Status, us_GOTO);
    EXPECT_EQ(Stack_Move_To(0, other, 30, 20, &map_x, &map_y, 0), 0) << "no companion goes there";
}
