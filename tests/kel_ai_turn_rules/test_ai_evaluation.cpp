// Hostility chances, the own and enemy stack tables and their caps, landmass values.
#include <gtest/gtest.h>

#include "Ai_Fixture.h"
#include "ai/AI_Evaluation.h"
#include "turn/Unit_Strength.h"

namespace {

using AiEvaluation = Ai_Test;

TEST_F(AiEvaluation, WarChanceByRelationPersonalityAndModifier)
{
    struct Case {
        int8_t relation;
        int16_t personality;
        int8_t goodwill;
        int16_t j_casts_mastery;
        int32_t chance;
    };
    const Case cases[] = {
        {-100, 2, 0, 0, 110},  // 100 + Aggressive 10
        {100, 2, 0, 0, 10},    // 0 + 10
        {100, 4, 0, 0, -40},   // Lawful -40
        {100, 4, -5, 0, 35},   // Lawful with a broken treaty: +40, then the modifier
        {0, 0, 10, 0, 75},     // 25 + Maniacal 40 + 10
        {-20, 5, 0, 1, 90},    // 60 - 20 + 50
    };
    for (const Case &c : cases) {
        _players[1].Dipl_Relation[3] = c.relation;
        _players[1].Personality = c.personality;
        _players[1].Dipl_Goodwill[3] = c.goodwill;
        _players[3].casting_spell_idx = c.j_casts_mastery ? 213 : 0;
        EXPECT_EQ(AI_War_Chance(1, 3), c.chance) << int(c.relation) << " " << c.personality;
    }
}

TEST_F(AiEvaluation, HostilityWaitsForTurn100AndWarIsAtLeast3)
{
    Player_Record &wizard = _players[1];
    wizard.Hostility[2] = 1;
    wizard.Reevaluate_Hostility_Countdown = 1;
    _turn = 99;
    AI_Evaluate_Hostility(1);
    EXPECT_EQ(wizard.Hostility[2], 1);
    _turn = 100;
    wizard.Dipl_Contacted[2] = 1;
    wizard.Dipl_Treaty[2] = 3;
    wizard.Dipl_Contacted[3] = 1;
    wizard.Dipl_Treaty[3] = 2;  // allied: stays 0
    wizard.Dipl_Relation[3] = -100;
    AI_Evaluate_Hostility(1);
    EXPECT_GE(wizard.Hostility[2], 3);
    EXPECT_EQ(wizard.Hostility[3], 0);
    EXPECT_GE(wizard.Reevaluate_Hostility_Countdown, 16);
    EXPECT_LE(wizard.Reevaluate_Hostility_Countdown, 25);
}

TEST_F(AiEvaluation, GalleyStackCarriesOneMoreAndCountsNoStrength)
{
    const int16_t galley = Find_Type([](const Unit_Type_Record &r) { return r.Transport == 3; });
    const int16_t foot = Foot_Type();
    ASSERT_GE(galley, 0);
    ASSERT_GE(foot, 40);
    Add_Unit(galley, 1, 10, 10);
    const int16_t a = Add_Unit(foot, 1, 10, 10);
    const int16_t b = Add_Unit(foot, 1, 10, 10);
    AI_Player_Calculate_Target_Values(1);
    ASSERT_EQ(_ai_all_own_stack_count, 1);
    const AI_Own_Stack &stack = _ai_all_own_stacks[0];
    EXPECT_EQ(stack.capacity, 1);
    // A galley's type number is below 40, which marks the stack too.
    EXPECT_EQ(stack.flags, AI_STACK_TRANSPORT | AI_STACK_HERO_OR_LOW_TYPE);
    EXPECT_EQ(stack.unit_count, 3);
    EXPECT_EQ(stack.strength, Effective_Unit_Strength(a) + Effective_Unit_Strength(b));
    EXPECT_EQ(ai_transport_count, 1);
}

TEST_F(AiEvaluation, The81stOwnAnd241stEnemyStackAreNotRecorded)
{
    const int16_t foot = Foot_Type();
    for (int i = 0; i < 81; i++) Add_Unit(foot, 1, (int16_t)(i % 60), (int16_t)(i / 60 + 1));
    for (int i = 0; i < 241; i++) Add_Unit(foot, 2, (int16_t)(i % 60), (int16_t)(i / 60 + 10));
    // A unit joining the last square of each table adds nothing either.
    Add_Unit(foot, 1, 20, 2);
    Add_Unit(foot, 2, 0, 14);
    AI_Player_Calculate_Target_Values(1);
    EXPECT_EQ(_ai_all_own_stack_count, 80);
    EXPECT_EQ(_ai_all_enemy_stack_count, 240);
    EXPECT_EQ(_ai_all_own_stacks[79].wx, 19);
    EXPECT_EQ(_ai_all_own_stacks[79].unit_count, 1);
}

TEST_F(AiEvaluation, GarrisonDoublingSaturates)
{
    const int16_t strong = Find_Type([](const Unit_Type_Record &r) { return r.cost >= 300 && r.Transport == 0; });
    ASSERT_GE(strong, 0);
    _players[1].Hostility[2] = 2;
    for (int i = 0; i < 100; i++) Add_City(2, (int16_t)(i % 50), (int16_t)(2 * (i / 50) + 20));
    for (int i = 0; i < 120; i++) Add_Unit(strong, 2, (int16_t)(i % 60), (int16_t)(i / 60 + 1));
    for (int i = 0; i < 9; i++) Add_Unit(strong, 3, 0, 20);
    _units = (int16_t)(_units);
    for (int i = 0; i < 200; i++) Add_Unit(strong, 3, 0, 20);
    AI_Player_Calculate_Target_Values(1);
    for (int j = 0; j < 100; j++) {
        EXPECT_GE(_ai_all_enemy_garrison_strengths[j], 0) << j;
        EXPECT_LE(_ai_all_enemy_garrison_strengths[j], 32767) << j;
    }
    EXPECT_EQ(_ai_all_enemy_garrison_strengths[0], 32767);
}

TEST_F(AiEvaluation, LandmassValueTakesTheHighestCitySlot)
{
    _landmasses[World_Square_Index(5, 5, 0)] = 7;
    _landmasses[World_Square_Index(6, 5, 0)] = 7;
    for (int i = 0; i < 3; i++) Add_City(4, (int16_t)(30 + i), 30);
    Add_City(1, 5, 5);  // slot 3: own
    for (int i = 0; i < 3; i++) Add_City(4, (int16_t)(40 + i), 30);
    Add_City(5, 6, 5);  // slot 7: neutral
    AI_Player_Calculate_Target_Values(1);
    AI_Landmass_Values_And_Strengths(1);
    EXPECT_GT(_ai_all_own_city_values[3], 0);
    EXPECT_EQ(_ai_landmass_own_values[7], 0);
    EXPECT_EQ(_ai_landmass_enemy_values[7], _ai_all_enemy_city_values[7]);
    EXPECT_GT(_ai_landmass_enemy_values[7], 0);
}

}  // namespace
