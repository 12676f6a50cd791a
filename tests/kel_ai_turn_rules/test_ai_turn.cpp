// The computer players' turn driver: coordinate repair, skip rules, the scratch carve, mercenary
// answers, hostile opponents, settler and road-builder thinning and hopeless Stasis.
#include <gtest/gtest.h>

#include "Ai_Fixture.h"
#include "Allocate.h"
#include "ai/AI_Mercenaries.h"
#include "ai/AI_Next_Turn.h"
#include "ai/AI_Turn.h"

namespace {

using AiTurn = Ai_Test;

TEST_F(AiTurn, RepairParksUnitsOffTheMapWithoutOwner)
{
    const int16_t foot = Foot_Type();
    const int16_t off_x = Add_Unit(foot, 1, 60, 5);
    const int16_t off_y = Add_Unit(foot, 2, 5, 40);
    const int16_t off_plane = Add_Unit(foot, 3, 7, 8);
    _UNITS[off_plane].wp = 0xFF;  // a removed unit
    const int16_t fine = Add_Unit(foot, 1, 59, 39, 1);
    AI_Next_Turn();
    EXPECT_EQ(_UNITS[off_x].wx, 0);
    EXPECT_EQ(_UNITS[off_x].wy, 5);
    EXPECT_EQ(_UNITS[off_x].owner_idx, -1);
    EXPECT_EQ(_UNITS[off_y].wy, 0);
    EXPECT_EQ(_UNITS[off_y].owner_idx, -1);
    EXPECT_EQ(_UNITS[off_plane].wp, 0);
    EXPECT_EQ(_UNITS[off_plane].owner_idx, -1);
    EXPECT_EQ(_UNITS[fine].owner_idx, 1);
    EXPECT_EQ(_UNITS[fine].wx, 59);
    EXPECT_EQ(_UNITS[fine].wp, 1);
}

// Whether a wizard plans shows in its summoning countdown, which only planning lowers.
TEST_F(AiTurn, SkipRules)
{
    struct Case {
        const char *what;
        uint8_t active;
        int16_t casting;
        int16_t timestop_player_num;
        int16_t winner;
        int16_t plans;
    };
    const Case cases[] = {
        {"fortress standing", 1, 0, 0, -1, 1},
        {"fortress gone", 0, 0, 0, -1, 0},
        {"fortress gone, casting Spell of Return", 0, 214, 0, -1, 1},
        {"own Time Stop", 1, 0, 2, -1, 1},
        {"another's Time Stop", 1, 0, 3, -1, 0},
        {"a winner already", 1, 0, 0, 2, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        _FORTRESSES[1].active = c.active;
        _FORTRESSES[1].wp = 0;
        _players[1].casting_spell_idx = c.casting;
        g_timestop_player_num = c.timestop_player_num;
        magic_master_idx = c.winner;
        AI_Set_Reevaluate_Summoning_Circle_Countdown(1, 10);
        AI_Next_Turn();
        EXPECT_EQ(AI_Reevaluate_Summoning_Circle_Countdown(1), c.plans ? 9 : 10);
    }
}

TEST_F(AiTurn, HumanPlansOnlyWhenTheComputerPlaysIt)
{
    _FORTRESSES[0].active = 1;
    _FORTRESSES[0].wp = 0;
    AI_Set_Reevaluate_Summoning_Circle_Countdown(0, 10);
    AI_Next_Turn();
    EXPECT_EQ(AI_Reevaluate_Summoning_Circle_Countdown(0), 10);
    AI_Services services = {};
    services.computer_plays_human = []() -> int16_t { return 1; };
    AI_Set_Services(services);
    AI_Next_Turn();
    EXPECT_EQ(AI_Reevaluate_Summoning_Circle_Countdown(0), 9);
}

TEST_F(AiTurn, ScratchCarveTakes4142BytesInOrderAndRatiosShareEnemyStrengths)
{
    Allocate_AI_Data();
    EXPECT_EQ(near_buffer_used, NEAR_BUFFER_START + 4142);
    const uint8_t *base = near_buffer + NEAR_BUFFER_START;
    auto at = [base](const void *p) { return static_cast<const uint8_t *>(p) - base; };
    EXPECT_EQ(at(_ai_all_own_city_values), 0);
    EXPECT_EQ(at(_ai_all_enemy_city_values), 200);
    EXPECT_EQ(at(_ai_all_own_garrison_strengths), 400);
    EXPECT_EQ(at(_ai_all_enemy_garrison_strengths), 600);
    EXPECT_EQ(at(_ai_all_own_stacks), 800);
    EXPECT_EQ(at(_ai_all_enemy_stacks), 1600);
    EXPECT_EQ(at(g_ai_spell_group_flags), 3040);
    EXPECT_EQ(at(_ai_landmass_own_strengths), 3132);
    EXPECT_EQ(at(_ai_landmass_enemy_strengths), 3372);
    EXPECT_EQ(at(_ai_landmass_own_values), 3612);
    EXPECT_EQ(at(_ai_landmass_enemy_values), 3852);
    EXPECT_EQ(_ai_landmass_strength_ratios, _ai_landmass_enemy_strengths);
}

TEST_F(AiTurn, MercenaryAnswers)
{
    struct Case {
        int16_t turn;
        int16_t gold;
        int16_t cost;
        int16_t accepted;
    };
    const Case cases[] = {
        {49, 30000, 1, 0}, {50, 300, 150, 1}, {150, 300, 150, 1}, {150, 300, 151, 0}, {150, 301, 150, 1}};
    for (const Case &c : cases) {
        _turn = c.turn;
        _players[2].gold_reserve = c.gold;
        EXPECT_EQ(AI_Accept_Mercenaries(2, c.cost), c.accepted) << c.turn << " " << c.gold << " " << c.cost;
    }
}

TEST_F(AiTurn, HostileOpponentsAreAbove1WithoutPeace)
{
    Player_Record &wizard = _players[1];
    const int16_t hostility[5] = {2, 4, 1, 3, 2};
    for (int j = 0; j < 5; j++) wizard.Hostility[j] = hostility[j];
    wizard.peace_duration[4] = 3;
    Player_Hostile_Opponents(1);
    ASSERT_EQ(_cp_hostile_opponent_count, 2);
    EXPECT_EQ(_cp_hostile_opponents[0], 0);
    EXPECT_EQ(_cp_hostile_opponents[1], 3);
}

TEST_F(AiTurn, ExcessSettlersAndLateRoadBuildersAreThinned)
{
    const int16_t settler = Settler_Type();
    const int16_t builder = Builder_Type();
    ASSERT_GE(settler, 0);
    ASSERT_GE(builder, 0);
    for (int16_t turn : {200, 201}) {
        SCOPED_TRACE(turn);
        _units = 0;
        _turn = turn;
        std::memset(_landmasses, 1, WORLD_SIZE);
        _landmasses[World_Square_Index(30, 10, 0)] = 2;
        _landmasses[World_Square_Index(31, 10, 0)] = 0;
        const int16_t s1 = Add_Unit(settler, 1, 5, 5);
        const int16_t s2 = Add_Unit(settler, 1, 9, 9);
        const int16_t s_other_land = Add_Unit(settler, 1, 30, 10);
        const int16_t s_sea1 = Add_Unit(settler, 1, 31, 10);
        const int16_t s_sea2 = Add_Unit(settler, 1, 31, 10);
        const int16_t s_rival = Add_Unit(settler, 2, 6, 6);
        const int16_t b1 = Add_Unit(builder, 1, 5, 6);
        const int16_t b2 = Add_Unit(builder, 1, 5, 7);
        AI_Kill_Excess_Settlers_And_Engineers(1);
        EXPECT_EQ(_UNITS[s1].owner_idx, 1);
        EXPECT_NE(_UNITS[s2].owner_idx, 1);
        EXPECT_EQ(_UNITS[s_other_land].owner_idx, 1);
        EXPECT_EQ(_UNITS[s_sea1].owner_idx, 1);
        EXPECT_EQ(_UNITS[s_sea2].owner_idx, 1);
        EXPECT_EQ(_UNITS[s_rival].owner_idx, 2);
        EXPECT_EQ(_UNITS[b1].owner_idx, 1);
        EXPECT_EQ(_UNITS[b2].owner_idx == 1, turn <= 200);
    }
}

TEST_F(AiTurn, HopelessStasisRemovesWeakNonHumanUnits)
{
    const int16_t weak = Find_Type([](const Unit_Type_Record &r) { return r.Resist < 7; });
    const int16_t strong = Find_Type([](const Unit_Type_Record &r) { return r.Resist >= 7; });
    ASSERT_GE(weak, 0);
    ASSERT_GE(strong, 0);
    const int16_t caught = Add_Unit(weak, 1, 3, 3);
    _UNITS[caught].mutations = UM_STASIS_INIT;
    const int16_t lingering = Add_Unit(weak, 5, 4, 3);
    _UNITS[lingering].mutations = UM_STASIS_LINGER;
    const int16_t human = Add_Unit(weak, 0, 5, 3);
    _UNITS[human].mutations = UM_STASIS_INIT;
    const int16_t resists = Add_Unit(strong, 1, 6, 3);
    _UNITS[resists].mutations = UM_STASIS_INIT;
    const int16_t free = Add_Unit(weak, 1, 7, 3);
    AI_Hopeless_Stasis();
    EXPECT_NE(_UNITS[caught].owner_idx, 1);
    EXPECT_NE(_UNITS[lingering].owner_idx, 5);
    EXPECT_EQ(_UNITS[human].owner_idx, 0);
    EXPECT_EQ(_UNITS[resists].owner_idx, 1);
    EXPECT_EQ(_UNITS[free].owner_idx, 1);
}

}  // namespace
