// Settlers, node melders, purifiers and road builders.
#include <gtest/gtest.h>

#include "Army_Fixture.h"
#include "Geometry.h"
#include "ai/AI_Army_Planning.h"
#include "ai/AI_Civil_Orders.h"
#include "cities/Outposts.h"
#include "world/Map_Square_Record.h"
#include "world/Site_Evaluation.h"

namespace {

class AiCivil : public Army_Test {
protected:
    void SetUp() override
    {
        Army_Test::SetUp();
        Land(5, 5, 30, 30, 1);
        Point_At(1);
    }

    static void Plan() { AI_Stacks_Init_Build_Target_Order(1, 1, 0); }
};

TEST_F(AiCivil, SettlingChancesFollowTheObjectiveAndTheTurn)
{
    struct Case {
        int16_t objective;
        int16_t turn;
        std::initializer_list<int16_t> draws;
        bool settles;
    };
    const Case cases[] = {
        {4, 50, {4}, true},      {4, 50, {5}, false},  // Expansionist: 4 in 5
        {2, 50, {3}, true},      {2, 50, {4}, false},  // Theurgist: 3 in 5
        {0, 50, {2}, true},      {1, 50, {3}, false},  // Pragmatist and Militarist: 2 in 5
        {3, 50, {1}, true},      {3, 50, {2}, false},  // Perfectionist: 1 in 5
        {4, 100, {1, 4}, true},                        // from turn 100 a first draw of 1 is needed
        {4, 100, {2, 1}, false}, {4, 100, {1, 5}, false},
    };
    for (const Case &c : cases) {
        SetUp();
        _turn = c.turn;
        _players[1].Objective = c.objective;
        const int16_t settler = Add_Unit(Settler_Type(), 1, 15, 15);
        Plan();
        const uint32_t seed = Seed_For(5, c.draws);
        ASSERT_NE(seed, 0u);
        Set_Random_Seed(seed);
        AI_Stacks_Do_Settle(1, 1);
        EXPECT_EQ(_UNITS[settler].Status == us_Settle, c.settles)
            << "objective " << c.objective << " turn " << c.turn << " first draw " << *c.draws.begin();
    }
    EXPECT_EQ(AI_Settle_Chance(7), 1);
}

TEST_F(AiCivil, ASettlerBesideACityNeverSettlesThere)
{
    _players[1].Objective = 4;
    _turn = 50;
    Add_City(2, 17, 15);
    const int16_t settler = Add_Unit(Settler_Type(), 1, 15, 15);
    ASSERT_EQ(Map_Square_Survey(15, 15, 0), sts_City_Near);
    Plan();
    Set_Random_Seed(Seed_For(5, {1}));
    AI_Stacks_Do_Settle(1, 1);
    EXPECT_NE(_UNITS[settler].Status, us_Settle);
}

TEST_F(AiCivil, ASettlerSentElsewhereGoesToTheBestSitePerDistance)
{
    _players[1].Objective = 3;
    _turn = 50;
    Add_City(2, 17, 15);  // the settler's own square cannot take a city
    // Some squares with more to offer, one of them guarded.
    for (int x = 22; x <= 24; x++) _map_square_terrain_specials[World_Square_Index(x, 25, 0)] = 1;
    Eval(24, 25) = 3;
    const int16_t settler = Add_Unit(Settler_Type(), 1, 15, 15);
    Plan();
    AI_Stacks_Do_Settle(1, 1);
    ASSERT_EQ(_UNITS[settler].Status, us_GOTO);
    int32_t best = -1;
    int16_t bx = 0, by = 0;
    for (int y = 5; y <= 30; y++) {
        for (int x = 5; x <= 30; x++) {
            if (Map_Square_Survey(x, y, 0) != 0 || Eval(x, y) != 0) continue;
            const int16_t d = Range(15, 15, x, y);
            if (d == 0) continue;
            int16_t v[11] = {};
            Compute_Base_Values_For_Map_Square(x, y, 0, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8],
                                               &v[9], &v[10]);
            const int32_t worth =
                v[0] * 10 + v[1] + v[2] + v[3] + v[4] * 3 + v[5] * 5 + v[6] * 10 + v[7] * 20 + v[8] * 50 + v[9] * 50;
            if (worth / d > best) {
                best = worth / d;
                bx = (int16_t)x;
                by = (int16_t)y;
            }
        }
    }
    EXPECT_EQ(_UNITS[settler].dst_wx, bx);
    EXPECT_EQ(_UNITS[settler].dst_wy, by);
}

TEST_F(AiCivil, AMelderGoesOnlyToANodeNobodyGuards)
{
    const int16_t melder_type = Find_Type([](const Unit_Type_Record &r) { return (r.Abilities & UA_MELD) != 0; }, 0);
    ASSERT_GE(melder_type, 0);
    _ai_continents.type[0][1][1] = ait_Held;
    const uint16_t words[2] = {AI_EVAL_SITE | 4, AI_EVAL_SITE};  // guarded near, free far
    const int16_t xs[2] = {12, 25};
    for (int i = 0; i < 2; i++) {
        _NODES[i] = {};
        _NODES[i].wx = (uint8_t)xs[i];
        _NODES[i].wy = 10;
        _NODES[i].wp = 0;
        _NODES[i].owner_idx = -1;
        Eval(xs[i], 10) = words[i];
    }
    const int16_t walker = Add_Unit(melder_type, 1, 10, 10);
    const int16_t on_node = Add_Unit(melder_type, 1, 25, 10);
    Plan();
    AI_Stacks_Do_Meld(1);
    EXPECT_EQ(_UNITS[walker].Status, us_GOTO);
    EXPECT_EQ(_UNITS[walker].dst_wx, 25);
    EXPECT_EQ(_UNITS[on_node].Status, us_Meld);
}

TEST_F(AiCivil, PurifiersPurifyWhereTheyStandOrWalkToTheCorruptionBesideASite)
{
    const int16_t priest = Find_Type([](const Unit_Type_Record &r) { return (r.Abilities & UA_PURIFY) != 0; }, 0);
    ASSERT_GE(priest, 0);
    Eval(20, 20) = AI_EVAL_SITE;
    _map_square_flags[World_Square_Index(21, 22, 0)] |= sf_Corruption;  // the target, beside the site
    _map_square_flags[World_Square_Index(8, 8, 0)] |= sf_Corruption;    // far from any site
    const int16_t standing = Add_Unit(priest, 1, 8, 8);
    const int16_t walking = Add_Unit(priest, 1, 12, 12);
    Plan();
    AI_Stacks_Do_Purify(1, 0);
    EXPECT_EQ(_UNITS[standing].Status, us_Purify);
    EXPECT_EQ(_UNITS[walking].Status, us_GOTO);
    EXPECT_EQ(_UNITS[walking].dst_wx, 21);
    EXPECT_EQ(_UNITS[walking].dst_wy, 22);
}

TEST_F(AiCivil, ARoadBuilderWalksToTheNearestCityThenBuildsToTheNextOne)
{
    const int16_t a = Add_City(1, 10, 10);
    const int16_t b = Add_City(2, 20, 10);
    Add_City(1, 10, 20, 0);
    _CITIES[a].road_connections[2 / 8] |= 1 << (2 % 8);  // already joined to the third city
    const int16_t builder = Add_Unit(Builder_Type(), 1, 12, 10);
    Plan();
    AI_Stacks_Do_RoadBuild(1);
    EXPECT_EQ(_UNITS[builder].Status, us_GOTO);
    EXPECT_EQ(_UNITS[builder].dst_wx, 10);
    _UNITS[builder].wx = 11;
    _UNITS[builder].Status = us_Ready;
    Plan();
    AI_Stacks_Do_RoadBuild(1);
    EXPECT_EQ(_UNITS[builder].Status, us_BuildRoad);
    EXPECT_EQ(_UNITS[builder].dst_wx, _CITIES[b].wx);
    EXPECT_EQ(_UNITS[builder].Rd_From_X, 11);
}

}  // namespace
