// Stacks moving over the map: where a route is cut, what a move charges, which orders survive,
// road builders, boat riders, spell wards, battles and lairs entered from the step before.
#include <gtest/gtest.h>

#include <vector>

#include "Stacks_Fixture.h"
#include "Test_Engine.h"
#include "world/Army_Services.h"
#include "world/LOADSAVE.h"
#include "world/Square_Queries.h"

using namespace stacks_test;

class StackMovement : public Stacks_Test {};

namespace {

struct Battle_Seen {
    int calls = 0;
    int16_t attacker = -1, defender = -1, count = 0;
    int16_t from_x = -1, from_y = -1, environ = -1;
};
Battle_Seen g_battle;

int16_t Test_Combat(int16_t attacker, int16_t defender, int16_t count, int16_t *units)
{
    g_battle.calls++;
    g_battle.attacker = attacker;
    g_battle.defender = defender;
    g_battle.count = count;
    g_battle.from_x = _UNITS[units[0]].wx;
    g_battle.from_y = _UNITS[units[0]].wy;
    g_battle.environ = _combat_environ;
    return 0;
}

}  // namespace

TEST_F(StackMovement, HumanGotoIntoAnEnemyStopsBeforeItAndDropsTheOrder)
{
    g_battle = {};
    Army_World_Services services = army_world_services;
    services.combat = Test_Combat;
    Army_Set_World_Services(services);
    const int16_t a = Unit(T_FOOT, 0, 10, 10, 0, 10);
    _UNITS[a].Status = us_GOTO;
    _UNITS[a].dst_wx = 14;
    _UNITS[a].dst_wy = 10;
    Unit(T_FOOT, 1, 13, 10);  // in the way: a computer wizard's unit
    // A destination beyond the enemy: the route goes round it, so aim at the enemy itself.
    _UNITS[a].dst_wx = 13;
    EXPECT_EQ(Move(0, 13, 10, {a}), 1);
    EXPECT_EQ(g_battle.calls, 0) << "no battle for a go-to";
    EXPECT_EQ(_UNITS[a].wx, 12);
    EXPECT_EQ(_UNITS[a].wy, 10);
    EXPECT_EQ(_UNITS[a].Status, us_Ready);
    EXPECT_EQ(_UNITS[a].dst_wx, 0);
    EXPECT_EQ(_UNITS[a].dst_wy, 0);
    EXPECT_EQ(_UNITS[a].moves2, 10 - 4) << "two steps of 2 half-moves charged";

    // The same move without an order is an attack, launched from the step before the enemy.
    const int16_t b = Unit(T_FOOT, 0, 10, 12, 0, 10);
    Unit(T_FOOT, 1, 13, 12);
    EXPECT_EQ(Move(0, 13, 12, {b}), 1);
    EXPECT_EQ(g_battle.calls, 1);
    EXPECT_EQ(g_battle.environ, cenv_Open);
    EXPECT_EQ(g_battle.from_x, 12) << "the battle starts from the attack square";
    EXPECT_EQ(_UNITS[b].wx, 12) << "a lost or unfought battle leaves the stack on the attack square";
    EXPECT_EQ(_UNITS[b].moves2, 10 - 6);
    EXPECT_EQ(_combat_wx, -1);
}

TEST_F(StackMovement, MovesRunningOutKeepTheOrderWithTheTargetAsDestination)
{
    const int16_t a = Unit(T_FOOT, 0, 10, 10, 0, 4);
    const int16_t b = Unit(T_FOOT, 0, 10, 10, 0, 6);
    EXPECT_EQ(Move(0, 20, 10, {a, b}), 1);
    for (int16_t u : {a, b}) {
        EXPECT_EQ(_UNITS[u].wx, 12) << "the slowest unit's moves decide: two steps";
        EXPECT_EQ(_UNITS[u].Status, us_GOTO);
        EXPECT_EQ(_UNITS[u].dst_wx, 20);
        EXPECT_EQ(_UNITS[u].dst_wy, 10);
        EXPECT_EQ(_UNITS[u].Finished, 1);
    }
    EXPECT_EQ(_UNITS[a].moves2, 0);
    EXPECT_EQ(_UNITS[b].moves2, 2);
}

TEST_F(StackMovement, ReachingTheDestinationMakesAGotoUnitReady)
{
    const int16_t a = Unit(T_FOOT, 0, 10, 10, 0, 6);
    _UNITS[a].Status = us_GOTO;
    _UNITS[a].dst_wx = 12;
    _UNITS[a].dst_wy = 10;
    EXPECT_EQ(Move(0, 12, 10, {a}), 1);
    EXPECT_EQ(_UNITS[a].wx, 12);
    EXPECT_EQ(_UNITS[a].Status, us_Ready);
    EXPECT_EQ(_UNITS[a].dst_wx, 0);
    EXPECT_EQ(_UNITS[a].Finished, 0) << "moves are left";
    EXPECT_EQ(_UNITS[a].moves2, 2);
}

TEST_F(StackMovement, NoSquareEverHoldsMoreThanNineUnitsOfOnePlayer)
{
    auto units_at = [](int x, int y) {
        int n = 0;
        for (int i = 0; i < _units; i++) n += _UNITS[i].owner_idx == 0 && _UNITS[i].wx == x && _UNITS[i].wy == y;
        return n;
    };
    for (int i = 0; i < 8; i++) Unit(T_FOOT, 0, 12, 10);
    const int16_t a = Unit(T_FOOT, 0, 10, 10, 0, 10);
    const int16_t b = Unit(T_FOOT, 0, 10, 10, 0, 10);
    EXPECT_EQ(Move(0, 12, 10, {a, b}), 0) << "two cannot join a square of 8: no route ends there";
    EXPECT_EQ(_UNITS[a].wx, 10);
    // The route cut stops before such a square even when the route runs through it.
    int16_t pair[2] = {a, b};
    int16_t steps = 3, defender, combat, keep;
    uint8_t px[3] = {11, 12, 13}, py[3] = {10, 10, 10}, pc[3] = {2, 2, 2};
    _UNITS[a].Status = us_GOTO;
    Eval_Move_Path__WIP(0, px, py, 0, pc, 10, &defender, &combat, &steps, &keep, pair, 2);
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(combat, 0);
    EXPECT_EQ(keep, 0);
    EXPECT_EQ(_UNITS[a].Status, us_Ready) << "a stop on the way drops the human's go-to";

    // One more fits.
    EXPECT_EQ(Move(0, 12, 10, {a}), 1);
    EXPECT_EQ(_UNITS[a].wx, 12);
    EXPECT_EQ(units_at(12, 10), 9);

    // An own city full of units takes nobody.
    City(0, 12, 20);
    for (int i = 0; i < 9; i++) Unit(T_FOOT, 0, 12, 20);
    const int16_t d = Unit(T_FOOT, 0, 10, 20, 0, 10);
    Move(0, 12, 20, {d});
    EXPECT_NE(_UNITS[d].wx, 12);
    EXPECT_EQ(units_at(12, 20), 9);
}

TEST_F(StackMovement, TwoBuildersMakeAFourTurnSquareTwo)
{
    _world_maps[World_Square_Index(11, 10, 0)] = tt_Desert;  // 4 turns for one builder
    const int16_t a = Unit(T_BUILDER, 0, 10, 10, 0, 4);
    const int16_t b = Unit(T_BUILDER, 0, 10, 10, 0, 4);
    for (int16_t u : {a, b}) {
        _UNITS[u].Rd_Constr_Left = 0;
        _UNITS[u].Rd_From_X = 10;
        _UNITS[u].Rd_From_Y = 10;
        _UNITS[u].Status = us_GOTO;
        _UNITS[u].dst_wx = 13;
        _UNITS[u].dst_wy = 10;
    }
    EXPECT_EQ(Move(0, 13, 10, {a, b}, mum_Road_Building), 1);
    for (int16_t u : {a, b}) {
        EXPECT_EQ(_UNITS[u].Rd_Constr_Left, 2);
        EXPECT_EQ(_UNITS[u].wx, 11) << "one step onto the square being built";
    }
    EXPECT_TRUE(_map_square_flags[World_Square_Index(10, 10, 0)] & sf_Road) << "the square left gets its road";
}

TEST_F(StackMovement, SpellWardsStopTheirRealmOnly)
{
    const int16_t chaos = Unit(T_CHAOS, 1, 10, 10, 0, 10);
    const int16_t city = City(0, 12, 10);
    _CITIES[city].enchantments[ce_Chaos_Ward] = 1;
    int16_t list[1] = {chaos};
    EXPECT_EQ(City_Spell_Ward_Check(city, 1, list), 1);
    EXPECT_EQ(spell_ward_stack_realms[2], 1);
    EXPECT_EQ(Move(1, 12, 10, {chaos}), 1);
    EXPECT_EQ(_UNITS[chaos].wx, 11) << "stopped before the city";
    EXPECT_EQ(OVL_SWardTriggered, 1);

    _CITIES[city].enchantments[ce_Chaos_Ward] = 0;
    _CITIES[city].enchantments[ce_Nature_Ward] = 1;
    OVL_SWardTriggered = 0;
    EXPECT_EQ(City_Spell_Ward_Check(city, 1, list), 0);
    int16_t steps = 2, defender, combat, keep;
    uint8_t px[2] = {11, 12}, py[2] = {10, 10}, pc[2] = {2, 2};
    Eval_Move_Path__WIP(1, px, py, 0, pc, 10, &defender, &combat, &steps, &keep, list, 1);
    EXPECT_EQ(steps, 2) << "the chaos unit enters the city under Nature Ward";
    EXPECT_EQ(combat, 1);
    EXPECT_EQ(defender, 0) << "the city's owner defends";
    EXPECT_EQ(OVL_SWardTriggered, 0);
}

TEST_F(StackMovement, StackMovesOfShipsAndWindWalkers)
{
    const int16_t ship = Unit(T_SHIP, 0, 10, 10, 0, 6);
    const int16_t slow = Unit(T_FOOT, 0, 10, 10, 0, 1);
    const int16_t fast = Unit(T_FOOT, 0, 10, 10, 0, 8);
    int16_t with_ship[3] = {slow, ship, fast};
    EXPECT_EQ(Army_Moves2(with_ship, 3), 6) << "a ship's moves, whatever its passengers have";
    int16_t walkers[2] = {fast, slow};
    EXPECT_EQ(Army_Moves2(walkers, 2), 1);
    EXPECT_EQ(stack_moves, 1);
    EXPECT_EQ(Army_Moves2(walkers, 0), 0);
}

TEST_F(StackMovement, BoatRidersAndPassengersOnPatrol)
{
    const int16_t ship = Unit(T_SHIP, 0, 10, 10);
    const int16_t foot = Unit(T_FOOT, 0, 10, 10);
    const int16_t flyer = Unit(T_FLYER, 0, 10, 10);
    int16_t list[3] = {ship, foot, flyer}, riders[3];
    EXPECT_EQ(Army_Boatriders(3, list, riders), 1);
    EXPECT_EQ(riders[0], foot);
    _UNITS[flyer].enchantments = UE_WINDWALKING;
    EXPECT_EQ(Army_Boatriders(3, list, riders), 0) << "a wind walker carries everyone";

    Fix_Patrol_On_Boats(3, list);
    EXPECT_EQ(_UNITS[foot].Status, us_Patrol);
    EXPECT_EQ(_UNITS[foot].Finished, 1);
    EXPECT_EQ(_UNITS[ship].Status, us_Ready);
    _UNITS[ship].moves2 = 0;
    _UNITS[flyer].Status = us_Ready;
    Fix_Patrol_On_Boats(3, list);
    EXPECT_EQ(_UNITS[flyer].Status, us_Ready) << "a ship without moves puts nobody on patrol";
}

TEST_F(StackMovement, ALairIsEnteredFromTheStepBeforeAndADeclineLeavesTheStackThere)
{
    _LAIRS[0].wx = 13;
    _LAIRS[0].wy = 10;
    _LAIRS[0].wp = 0;
    _LAIRS[0].Intact = 1;
    // Guarded: unattended, the stack declines to enter.
    _LAIRS[0].guard1_unit_type = 1;
    _LAIRS[0].guard1_count = 1;
    const int16_t a = Unit(T_FOOT, 0, 10, 10, 0, 10);
    EXPECT_EQ(Move(0, 13, 10, {a}), 1);
    EXPECT_EQ(_combat_environ, cenv_Lair);
    EXPECT_EQ(_UNITS[a].wx, 12);
    EXPECT_EQ(_UNITS[a].wy, 10);
}

TEST_F(StackMovement, PlanarSealAstralGateAndIncomeWarning)
{
    EXPECT_EQ(Check_Planar_Seal(), 0);
    _players[3].Globals[ge_Planar_Seal] = 4;
    EXPECT_EQ(Check_Planar_Seal(), 1);

    const int16_t u = Unit(T_FOOT, 0, 10, 10, 1);
    Stack_Of({u});
    City(0, 10, 10, 0);  // plane 0 first: the gate of the city on plane 1 is not seen
    const int16_t gated = City(0, 10, 10, 1);
    _CITIES[gated].enchantments[ce_Astral_Gate] = 1;
    EXPECT_EQ(Active_Stack_On_Astral_Gate(), 0);
    _CITIES[0].enchantments[ce_Astral_Gate] = 1;
    EXPECT_EQ(Active_Stack_On_Astral_Gate(), 1);

    Main_Screen_Disable_Income_Warning();
    EXPECT_EQ(cycle_incomes, -1);
    Main_Screen_Enable_Income_Warning();
    EXPECT_EQ(cycle_incomes, 0);
}

TEST_F(StackMovement, NothingMovesWithoutMovesOrInAnUnknownMode)
{
    const int16_t a = Unit(T_FOOT, 0, 10, 10, 0, 0);
    EXPECT_EQ(Move(0, 12, 10, {a}), 0);
    const int16_t b = Unit(T_FOOT, 0, 10, 12, 0, 4);
    EXPECT_EQ(Move(0, 12, 12, {b}, 1), 0);
    EXPECT_EQ(Move(0, 12, 12, {b}, mum_Normal_Too), 1);
    EXPECT_EQ(_UNITS[b].wx, 12);
}

TEST_F(StackMovement, ADrawnMoveLeavesTheSameWorldAsAnUndrawnOne)
{
    Test_Engine_Start();
    for (int square = 0; square < WORLD_SIZE; square++) {
        _square_explored[square] = (square % WORLD_WIDTH) < 14 ? 15 : 0;
    }
    const int16_t a = Unit(T_FOOT, 0, 10, 10, 0, 8);
    const int16_t b = Unit(T_FLYER, 0, 10, 10, 0, 8);
    const int16_t builder = Unit(T_BUILDER, 0, 10, 20, 0, 8);
    _UNITS[builder].Rd_Constr_Left = 99;  // passing through: a road on the square it leaves
    Unit(T_FOOT, 1, 16, 12);
    const std::vector<uint8_t> before = World_Image();
    std::vector<uint8_t> after[2];
    for (int drawing = 0; drawing < 2; drawing++) {
        Save_Game_Read_Image(before.data(), before.size());
        Move_Units_Draw_Set_Drawing((int16_t)drawing);
        map_x = 0;
        map_y = 5;
        EXPECT_EQ(Move(0, 14, 10, {a, b}), 1);
        EXPECT_EQ(Move(0, 12, 20, {builder}), 1);
        after[drawing] = World_Image();
        // The map view keeps each unit's draw priority in its record and recomputes it before every
        // use, so drawing may change that byte and nothing else.
        for (int i = 0; i < UNIT_SAVE_RECORDS; i++) {
            after[drawing][SGO_UNITS + i * sizeof(Unit_Record) + offsetof(Unit_Record, Draw_Priority)] = 0;
        }
    }
    EXPECT_EQ(_UNITS[a].wx, 14);
    EXPECT_NE(_square_explored[World_Square_Index(16, 10, 0)], 0) << "the flyer sees two squares ahead";
    EXPECT_TRUE(_map_square_flags[World_Square_Index(10, 20, 0)] & sf_Road);
    EXPECT_TRUE(after[0] == after[1]) << "drawing changes nothing in the world";
}
