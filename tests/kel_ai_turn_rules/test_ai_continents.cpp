// Continent types, the capped square lists, spell knowledge, order clearing and the saved i16
// arrays of the neutral record.
#include <gtest/gtest.h>

#include "Ai_Fixture.h"
#include "ai/AI_Landmass_Lists.h"
#include "ai/AI_Unit_Orders.h"

namespace {

using AiContinents = Ai_Test;

TEST_F(AiContinents, TypeHeldUntilEnemyCostsReachATenth)
{
    // A unit type whose cost divides 1,000 and 99 or 100 exactly is not needed: own costs are
    // summed from a unit of cost c repeated, enemy costs likewise.
    const int16_t cheap =
        Find_Type([](const Unit_Type_Record &r) { return r.cost > 0 && !(r.Abilities & UA_CREATEOUTPOST); });
    ASSERT_GE(cheap, 0);
    for (int32_t enemy_cost : {99, 100}) {
        SCOPED_TRACE(enemy_cost);
        _units = 0;
        _cities = 0;
        std::memset(_landmasses, 0, NUM_PLANES * WORLD_SIZE);
        for (int x = 10; x < 30; x++) _landmasses[World_Square_Index(x, 10, 0)] = 3;
        Build_Land_Linked_List();
        Build_Dock_Linked_List();
        for (int i = 0; i < 5; i++) Add_City(1, (int16_t)(10 + i), 10);
        // Costs set on the type table for the test, restored by the fixture's reset.
        _unit_type_table[cheap].cost = 1000;
        Add_Unit(cheap, 1, 20, 10);
        const int16_t other = Find_Type([](const Unit_Type_Record &r) { return !(r.Abilities & UA_CREATEOUTPOST); },
                                        (int16_t)(cheap + 1));
        _unit_type_table[other].cost = (int16_t)enemy_cost;
        Add_Unit(other, 2, 25, 10);
        AI_Set_Reevaluate_Continents_Countdown(1, 1);
        AI_Evaluation_Map(1);
        AI_Evaluate_Continents(1);
        EXPECT_EQ(_ai_continents.type[0][1][3], enemy_cost == 99 ? ait_Held : ait_Contested);
        EXPECT_EQ(_ai_continents.type[0][1][0], ait_Unusable);
        EXPECT_EQ(_ai_continents.type[1][1][0], ait_Unusable);
        const int16_t countdown = AI_Reevaluate_Continents_Countdown(1);
        EXPECT_GE(countdown, 27);
        EXPECT_LE(countdown, 45);
    }
}

TEST_F(AiContinents, AlliedCityMakesAnEmptyLandmassUnusable)
{
    std::memset(_landmasses, 0, NUM_PLANES * WORLD_SIZE);
    for (int x = 10; x < 20; x++) _landmasses[World_Square_Index(x, 10, 0)] = 4;
    for (int x = 10; x < 20; x++) _landmasses[World_Square_Index(x, 20, 0)] = 5;
    Build_Land_Linked_List();
    Build_Dock_Linked_List();
    Add_City(2, 12, 10);
    Add_City(3, 12, 20);
    _players[1].Dipl_Treaty[2] = 2;
    AI_Set_Reevaluate_Continents_Countdown(1, 1);
    AI_Evaluation_Map(1);
    AI_Evaluate_Continents(1);
    EXPECT_EQ(_ai_continents.type[0][1][4], ait_Unusable);
    EXPECT_EQ(_ai_continents.type[0][1][5], ait_No_Own_City);
}

TEST_F(AiContinents, ListsStopAt1600EntriesInRowOrder)
{
    Build_Land_Linked_List();
    Build_Dock_Linked_List();
    const AI_Continent_Block *block = AI_Continent_Data();
    int count = 0;
    int16_t last = -1;
    for (int16_t n = block->land[0].heads[1]; n >= 0; n = block->land[0].next[n]) {
        EXPECT_GT(n, last);
        last = n;
        count++;
        ASSERT_LE(count, AI_LIST_CAPACITY);
    }
    EXPECT_EQ(count, AI_LIST_CAPACITY);
    EXPECT_EQ(block->land[0].wx[1599], 39);
    EXPECT_EQ(block->land[0].wy[1599], 26);
}

TEST_F(AiContinents, KnowsSpellAnswersOneWhenNotKnown)
{
    Player_Set_Spell_Status(1, 10, SS_RESEARCH_LIST);
    Player_Set_Spell_Status(1, 11, SS_KNOWN);
    Player_Set_Spell_Status(1, 12, SS_KNOWN);
    EXPECT_EQ(Player_Knows_Spell(1, 10), 1);
    EXPECT_EQ(Player_Knows_Spell(1, 11), 0);
    EXPECT_EQ(Player_Knows_Spell(1, 0), 0);
    EXPECT_EQ(Player_Known_Spell_Count(1), 2);
}

TEST_F(AiContinents, ClearingOrdersSparesRoadBuildersAndTheHuman)
{
    const int16_t foot = Foot_Type();
    const int16_t builder = Builder_Type();
    const int16_t a = Add_Unit(foot, 1, 3, 3);
    const int16_t b = Add_Unit(builder, 1, 3, 3);
    const int16_t h = Add_Unit(foot, 0, 3, 4);
    for (int16_t k : {a, b, h}) _UNITS[k].Status = us_GOTO;
    Player_Clear_All_Unit_Orders(1);
    Player_Clear_All_Unit_Orders(0);
    EXPECT_EQ(_UNITS[a].Status, us_Ready);
    EXPECT_EQ(_UNITS[b].Status, us_GOTO);
    EXPECT_EQ(_UNITS[h].Status, us_GOTO);
}

TEST_F(AiContinents, NeutralRecordArraysAreI16PerPlayerAtTheirOffsets)
{
    const uint8_t *record = reinterpret_cast<const uint8_t *>(&_players[NEUTRAL_PLAYER_IDX]);
    auto word = [record](int offset) { return (int16_t)(record[offset] | record[offset + 1] << 8); };
    AI_Set_Landmass_War_Target(1, 2, 0x1234);
    EXPECT_EQ(word(612 + 12 + 4), 0x1234);
    AI_Set_Reevaluate_Continents_Countdown(3, 45);
    EXPECT_EQ(word(636 + 6), 45);
    AI_Set_Landmass_Settler_Target(1, 4, 17);
    AI_Set_Landmass_Settler_Target_WX(1, 4, 59);
    AI_Set_Landmass_Settler_Target_WY(1, 4, 39);
    EXPECT_EQ(word(732 + 20 + 8), 17);
    EXPECT_EQ(word(772 + 20 + 8), 59);
    EXPECT_EQ(word(812 + 12 + 8), 39);
    AI_Set_Reevaluate_Summoning_Circle_Countdown(2, -3);
    EXPECT_EQ(word(836 + 4), -3);
    AI_Set_Landmass_War_Target(0, AI_WAR_TARGETS_LEN, 7);
    EXPECT_EQ(word(624), 0);
    EXPECT_EQ(AI_Landmass_War_Target(2, 0), 0);
}

}  // namespace
