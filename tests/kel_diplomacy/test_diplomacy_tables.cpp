// Relation labels, treaty names and the writers that keep both records of a pair equal.
#include <gtest/gtest.h>

#include <string>

#include "Diplomacy_Test_Fixture.h"

namespace {

using Diplomacy_Tables = Diplomacy_Test;

TEST_F(Diplomacy_Tables, LabelsFollowBandsOfTwentyAndClampStrayBytes)
{
    struct Case {
        int relation;
        const char *label;
        int band;
    } cases[] = {
        {-100, "Hate", 0},    {-81, "Hate", 0},     {-80, "Troubled", 1}, {-1, "Unease", 4},
        {0, "Neutral", 5},    {19, "Neutral", 5},   {20, "Relaxed", 6},   {99, "Friendly", 9},
        {100, "Harmony", 10}, {127, "Harmony", 10}, {-128, "Hate", 0},    {3000, "Harmony", 10},
    };
    for (const Case &c : cases) {
        EXPECT_STREQ(Diplomacy_Relation_Label(static_cast<int16_t>(c.relation)), c.label) << c.relation;
        EXPECT_EQ(Diplomacy_Relation_Band(static_cast<int16_t>(c.relation)), c.band) << c.relation;
    }
}

TEST_F(Diplomacy_Tables, TreatyNamesAndPersonalityModifiers)
{
    const char *names[] = {"No Treaty", "Wizard Pact", "Alliance", "War", "Final War"};
    for (int t = 0; t < NUM_TREATY_TYPES; t++) EXPECT_STREQ(Diplomacy_Treaty_Name(static_cast<int16_t>(t)), names[t]);
    EXPECT_STREQ(Diplomacy_Treaty_Name(9), "No Treaty");
    EXPECT_STREQ(Diplomacy_Treaty_Name(-1), "No Treaty");

    for (int p = 0; p < NUM_PERSONALITIES; p++) EXPECT_EQ(Diplomacy_Personality_Mod(static_cast<int16_t>(p)), 10 * p);
    EXPECT_EQ(Diplomacy_Personality_Mod(6), 0);
    EXPECT_EQ(Diplomacy_Personality_Mod(-1), 0);
}

TEST_F(Diplomacy_Tables, PairWritersFillBothRecordsAndIgnoreBadIndices)
{
    Diplomacy_Set_Pair_Relation(1, 3, 140);
    EXPECT_EQ(_players[1].Dipl_Relation[3], 100);
    EXPECT_EQ(_players[3].Dipl_Relation[1], 100);
    Diplomacy_Set_Pair_Relation(3, 1, -400);
    EXPECT_EQ(_players[1].Dipl_Relation[3], -100);
    EXPECT_EQ(_players[3].Dipl_Relation[1], -100);

    Diplomacy_Set_Pair_Treaty(2, 0, tt_Alliance);
    EXPECT_EQ(_players[0].Dipl_Treaty[2], tt_Alliance);
    EXPECT_EQ(_players[2].Dipl_Treaty[0], tt_Alliance);

    Player_Record before[NUM_PLAYERS];
    memcpy(before, _players, sizeof(before));
    Diplomacy_Set_Pair_Relation(6, 1, 50);
    Diplomacy_Set_Pair_Treaty(1, -1, tt_War);
    Diplomacy_Mirror_Relation(200, 0);
    EXPECT_EQ(memcmp(before, _players, sizeof(before)), 0);

    int16_t word = 32000;
    Diplomacy_Add_I16(word, 5000);
    EXPECT_EQ(word, INT16_MAX);
    int8_t byte = -120;
    Diplomacy_Add_I8(byte, -40);
    EXPECT_EQ(byte, INT8_MIN);
}

}  // namespace
