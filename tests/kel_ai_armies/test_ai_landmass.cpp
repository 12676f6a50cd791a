// A landmass's targets, the choice of a target, the levy pool and the garrisons.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "Army_Fixture.h"
#include "ai/AI_Army_Planning.h"
#include "ai/AI_Garrisons_Expeditions.h"
#include "ai/AI_Target_List.h"
#include "turn/Unit_Strength.h"

namespace {

class AiLandmass : public Army_Test {
protected:
    void SetUp() override
    {
        Army_Test::SetUp();
        Land(5, 5, 30, 30, 1);
        Point_At(1);
        _ai_targets_count = 0;
    }
};

TEST_F(AiLandmass, CityTargetsAreValuedByOwnerTreatyAndSize)
{
    _players[1].Hostility[2] = 3;
    _players[1].Dipl_Treaty[2] = 3;  // war
    _players[1].Hostility[3] = 2;
    Add_City(0, 29, 29);  // slot 0, hostility 0: not a target
    const int16_t war = Add_City(2, 10, 10, 0, 5);
    _CITIES[war].bldg_cnt = 4;
    Add_City(3, 12, 12);  // hostility 2: not a target
    const int16_t neutral = Add_City(NEUTRAL_PLAYER_IDX, 20, 20, 0, 2);
    Add_City(NEUTRAL_PLAYER_IDX, 40, 20);  // another landmass
    Add_City(1, 25, 25);                   // own
    Eval(10, 10) = AI_EVAL_SITE | 40;
    AI_Build_Target_List(1, 1, 0);
    ASSERT_EQ(_ai_targets_count, 2);
    EXPECT_EQ(_ai_targets_wx[0], 10);
    EXPECT_EQ(_ai_targets_value[0], 1900);
    EXPECT_EQ(_ai_targets_strength[0], 40);
    EXPECT_EQ(_ai_targets_wx[1], _CITIES[neutral].wx);
    EXPECT_EQ(_ai_targets_value[1], 120);
}

TEST_F(AiLandmass, ALandmassOfOwnCitiesOnlyOffersNoTarget)
{
    Add_City(1, 10, 10);
    Add_City(1, 20, 20);
    _ai_continents.type[0][1][1] = ait_Held;
    AI_Build_Target_List(1, 1, 0);
    EXPECT_EQ(_ai_targets_count, 0);
    EXPECT_EQ(_ai_continents.type[0][1][1], ait_No_Target);
}

TEST_F(AiLandmass, TheTwentySixthTargetIsIgnored)
{
    for (int16_t i = 0; i < 30; i++) AI_Add_Target(i, 1, 1, (int16_t)(i + 1));
    EXPECT_EQ(_ai_targets_count, 25);
    EXPECT_EQ(_ai_targets_value[24], 25);
    // Enemy stacks in the open come after the cities, so a full list keeps the cities.
    _ai_targets_count = 0;
    _players[1].Hostility[2] = 3;
    for (int16_t i = 0; i < 26; i++) Add_City(2, (int16_t)(5 + i), 6);
    Eval(20, 20) = 7;
    AI_Build_Target_List(1, 1, 0);
    EXPECT_EQ(_ai_targets_count, 25);
    for (int t = 0; t < 25; t++) EXPECT_EQ(_ai_targets_wy[t], 6);
}

TEST_F(AiLandmass, AStackTakesTheBestTargetItOutweighsOnce)
{
    const int16_t foot = Foot_Type();
    const int16_t u = Add_Unit(foot, 1, 10, 10);
    const int16_t force = (int16_t)(Effective_Unit_Strength(u) / 10);
    ASSERT_GT(force, 0);
    AI_Continent_Block *block = AI_Continent_Data();
    block->own_stack_unit_count[0] = 1;
    block->own_stack_unit_list[0][0] = u;
    // Strength s is taken when s x 3 / 4 is below the force: force 10 takes 13, not 14.
    const int16_t too_strong = (int16_t)((force * 4 + 3) / 3);
    const int16_t weak_enough = (int16_t)(too_strong - 1);
    ASSERT_GE(too_strong * 3 / 4, force);
    ASSERT_LT(weak_enough * 3 / 4, force);
    AI_Add_Target(11, 11, too_strong, 5000);
    AI_Add_Target(20, 20, weak_enough, 400);
    AI_Add_Target(12, 12, 0, 40);  // 40 / (4 x 2) = 5 against 400 / (4 x 10) = 10
    int16_t x = 0, y = 0;
    ASSERT_EQ(AI_Stacks_Assign_Target(10, 10, &x, &y, 0), 1);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(_ai_targets_value[1], 0);
    ASSERT_EQ(AI_Stacks_Assign_Target(10, 10, &x, &y, 0), 1);
    EXPECT_EQ(x, 12);
    EXPECT_EQ(AI_Stacks_Assign_Target(10, 10, &x, &y, 0), 0);
}

TEST_F(AiLandmass, GarrisonNeedsOfCitiesAndNodes)
{
    const int16_t foot = Foot_Type();
    struct Case {
        uint8_t landmass_type;
        uint8_t race;
        int16_t population;
        bool fortress;
        int16_t need;
    };
    const Case cases[] = {
        {ait_Contested, 5, 12, false, 6},  // 12 / 3 + 2
        {ait_Contested, 4, 12, false, 5},  // a Dwarven city: 12 / 4 + 2
        {ait_Contested, 5, 3, true, 9},    // the fortress city
        {ait_Contested, 5, 25, false, 9},  // not 10
        {ait_Held, 5, 12, false, 5},       // secure
    };
    for (const Case &c : cases) {
        SetUp();
        _ai_continents.type[0][1][1] = c.landmass_type;
        const int16_t city = Add_City(1, 10, 10, 0, c.population);
        _CITIES[city].race = c.race;
        if (c.fortress) _FORTRESSES[1] = {10, 10, 0, 1};
        for (int i = 0; i < 12; i++) Add_Unit(foot, 1, 20, 20);
        AI_Stacks_Init_Build_Target_Order(1, 1, 0);
        AI_Stacks_Garrison_Sites(1, 0, 1);
        int16_t sent = 0;
        for (int16_t k = 0; k < _units; k++) sent += _UNITS[k].Status == us_GOTO && _UNITS[k].dst_wx == 10;
        EXPECT_EQ(sent, c.need) << (int)c.race << " " << c.population;
    }
    // Nodes: 8 - 3 on a secure landmass with three on it, 8 when empty.
    for (int16_t guarded = 0; guarded <= 1; guarded++) {
        SetUp();
        _ai_continents.type[0][1][1] = ait_Held;
        _NODES[0] = {};
        _NODES[0].wx = 15;
        _NODES[0].wy = 15;
        _NODES[0].wp = 0;
        _NODES[0].owner_idx = 1;
        Eval(15, 15) = AI_EVAL_SITE;
        if (guarded) {
            for (int i = 0; i < 3; i++) Add_Unit(foot, 1, 15, 15);
        }
        for (int i = 0; i < 9; i++) Add_Unit(foot, 1, 20, 20);
        AI_Stacks_Init_Build_Target_Order(1, 1, 0);
        AI_Stacks_Garrison_Sites(1, 0, 1);
        int16_t sent = 0;
        for (int16_t k = 0; k < _units; k++) sent += _UNITS[k].Status == us_GOTO && _UNITS[k].dst_wx == 15;
        EXPECT_EQ(sent, guarded ? 5 : 8);
    }
}

TEST_F(AiLandmass, AStackOnTheGatheringSquareNeverGarrisons)
{
    _ai_continents.type[0][1][1] = ait_Contested;
    _ai_continents.wx[0][1][1] = 20;
    _ai_continents.wy[0][1][1] = 20;
    Add_City(1, 10, 10, 0, 6);
    for (int i = 0; i < 5; i++) Add_Unit(Foot_Type(), 1, 20, 20);
    AI_Stacks_Init_Build_Target_Order(1, 1, 0);
    AI_Stacks_Garrison_Sites(1, 0, 1);
    for (int16_t k = 0; k < _units; k++) EXPECT_EQ(_UNITS[k].Status, us_Ready);
}

TEST_F(AiLandmass, TheLevyPoolKeepsTheNineStrongestAndTheEarlierOfATie)
{
    const int16_t foot = Foot_Type();
    // Two free stacks of 6; the damage sets each unit's value.
    const int16_t damage[12] = {0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5};
    for (int i = 0; i < 12; i++) {
        const int16_t k = Add_Unit(foot, 1, (int16_t)(i < 6 ? 10 : 20), 10);
        _UNITS[k].Damage = (int8_t)damage[i];
    }
    _turn = 50;
    AI_Stacks_Init_Build_Target_Order(1, 1, 0);
    AI_Survey_Expedition_Forces();
    ASSERT_EQ(cp_drafted_unit_count, 9);
    for (int i = 1; i < 9; i++) EXPECT_GE(G_Pushout_Values[i - 1], G_Pushout_Values[i]);
    int16_t values[12];
    for (int16_t k = 0; k < 12; k++) values[k] = (int16_t)(Effective_Unit_Strength(k) / 10);
    int16_t sorted[12];
    std::copy(values, values + 12, sorted);
    std::sort(sorted, sorted + 12, std::greater<int16_t>());
    for (int i = 0; i < 9; i++) EXPECT_EQ(G_Pushout_Values[i], sorted[i]);
    EXPECT_EQ(G_Pushout_Lowest_Value, sorted[8]);
    // A later unit that only ties with the lowest value replaces nobody.
    SetUp();
    for (int i = 0; i < 9; i++) Add_Unit(foot, 1, 10, 10);
    for (int i = 0; i < 3; i++) Add_Unit(foot, 1, 20, 10);
    AI_Stacks_Init_Build_Target_Order(1, 1, 0);
    AI_Survey_Expedition_Forces();
    ASSERT_EQ(cp_drafted_unit_count, 9);
    for (int i = 0; i < 9; i++) EXPECT_LT(G_Pushout_Unit_Indices[i], 9);
    // At the fortress from turn 100, nothing is levied; before it, all but 5.
    SetUp();
    _FORTRESSES[1] = {10, 10, 0, 1};
    Eval(10, 10) = AI_EVAL_SITE;
    for (int i = 0; i < 9; i++) Add_Unit(foot, 1, 10, 10);
    for (int16_t turn : {99, 100}) {
        _turn = turn;
        AI_Stacks_Init_Build_Target_Order(1, 1, 0);
        ASSERT_EQ(AI_Continent_Data()->own_stack_type[0], aist_Fortress);
        AI_Survey_Expedition_Forces();
        EXPECT_EQ(cp_drafted_unit_count, turn < 100 ? 4 : 0);
    }
}

TEST_F(AiLandmass, ARoamingStackWithACommittedUnitIsOfferedNoTarget)
{
    const int16_t foot = Foot_Type();
    _players[1].Hostility[NEUTRAL_PLAYER_IDX] = 0;
    Add_City(NEUTRAL_PLAYER_IDX, 12, 12);
    const int16_t a = Add_Unit(foot, 1, 10, 10);
    const int16_t b = Add_Unit(foot, 1, 10, 10);
    _UNITS[b].Status = us_GOTO;
    _UNITS[b].dst_wx = 25;
    AI_Stacks_Init_Build_Target_Order(1, 1, 0);
    AI_Build_Target_List(1, 1, 0);
    AI_Stacks_Roamers_Target_Or_Deploy(1, 0, 1);
    EXPECT_EQ(_UNITS[a].Status, us_Ready);
    _UNITS[b].Status = us_Ready;
    AI_Stacks_Init_Build_Target_Order(1, 1, 0);
    AI_Build_Target_List(1, 1, 0);
    AI_Stacks_Roamers_Target_Or_Deploy(1, 0, 1);
    EXPECT_EQ(_UNITS[a].Status, us_GOTO);
    EXPECT_EQ(_UNITS[a].dst_wx, 12);
}

}  // namespace
