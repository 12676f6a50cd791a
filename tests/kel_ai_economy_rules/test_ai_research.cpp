// A computer wizard's choice of the next spell to research.
#include "AI_Fixture.h"
#include "ai/AI_Spell_Research.h"

namespace {

class AiResearch : public AI_Test {
protected:
    void SetUp() override
    {
        AI_Test::SetUp();
        for (int k = 0; k < 8; k++) _players[1].research_spells[k] = 0;
    }
};

struct Score_Case {
    const char *name;
    int spell;
    uint8_t group;
    int16_t cost;
    int16_t objective;
    bool group_known;
    int16_t income;
    int32_t expect;
};

}  // namespace

TEST_F(AiResearch, ScoreSteps)
{
    const Score_Case cases[] = {
        {"plain new kind", 10, 7, 1000, 0, false, 1000, 1000},
        {"known kind twelvefold", 10, 7, 1000, 0, true, 1000, 12000},
        {"new code 16 divided by 500", 10, 16, 5000, 0, false, 1000, 10},
        {"new code 16, objective 1: by 1,000", 10, 16, 5000, 1, false, 1000, 5},
        {"new code 35: / 10, / 5, / 7", 10, 35, 7000, 0, false, 1000, 20},
        {"income below cost / 20 doubles", 10, 7, 1000, 0, false, 49, 2000},
        {"income below cost / 50: ten times", 10, 7, 1000, 0, false, 19, 10000},
        {"a positive cost never scores below 1", 10, 16, 100, 0, false, 1000, 1},
        {"group 0 scores 0", 10, 0, 1000, 0, false, 1000, 0},
        {"spell 203 doubled", 203, 7, 1000, 0, false, 1000, 2000},
        {"spell 52 by 5", 52, 7, 1000, 0, false, 1000, 200},
        {"spell 72 halved", 72, 7, 1000, 0, false, 1000, 500},
    };
    for (const Score_Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (int s = 1; s < NUM_SPELLS; s++) spells[s] = {};
        Set_Spell(c.spell, c.group, 0, c.cost);
        for (int s = 1; s <= NUM_SPELLS_STATUS; s++) Player_Set_Spell_Status(1, s, SS_NOT_OBTAINABLE);
        if (c.group_known) {
            Set_Spell(100, c.group, 0, 0);
            Know(1, {100});
        }
        _players[1].Objective = c.objective;
        EXPECT_EQ(AI_Spell_Research_Score(1, (int16_t)c.spell, c.income), c.expect);
    }
}

TEST_F(AiResearch, TheSpellOfMasteryIsWeighedByTheResearchStillNeeded)
{
    Set_Spell(213, 7, 0, 30000);
    _players[1].som_research_cost = 1000;
    EXPECT_EQ(AI_Spell_Research_Score(1, 213, 1000), 1000);
}

TEST_F(AiResearch, NoCandidatesMeansNothingToResearchAndAnEvenSplit)
{
    _players[1].researching_spell_idx = 7;
    _players[1].research_ratio = 60;
    EXPECT_EQ(AI_Spell_Research_Select(1), 0);
    EXPECT_EQ(_players[1].researching_spell_idx, 0);
    EXPECT_EQ(_players[1].research_ratio, 0);
    EXPECT_EQ(_players[1].mana_ratio, 50);
    EXPECT_EQ(_players[1].skill_ratio, 50);
}

TEST_F(AiResearch, OneCandidateIsTakenWhateverItsScore)
{
    Set_Spell(12, 0, 0, 500);
    _players[1].research_spells[0] = 12;
    EXPECT_EQ(AI_Spell_Research_Select(1), 12);
    EXPECT_EQ(_players[1].researching_spell_idx, 12);
    EXPECT_EQ(_players[1].research_ratio + _players[1].skill_ratio + _players[1].mana_ratio, 100)
        << "the power split is re-evaluated at once";
}

TEST_F(AiResearch, CheapestWeighsFiftyTwoDearestTwoAndGroupZeroNothing)
{
    Set_Spell(11, 0, 0, 10);     // group 0: weight 0
    Set_Spell(12, 7, 0, 100);    // smallest score: weight 52
    Set_Spell(13, 8, 0, 10000);  // largest: weight 2
    _players[1].research_spells[0] = 11;
    _players[1].research_spells[1] = 12;
    _players[1].research_spells[2] = 13;
    _players[1].Power_Base = 0;
    int picks[3] = {};
    for (uint32_t seed = 1; seed <= 540; seed++) {
        int16_t spell = AI_Spell_Research_Select(1);
        ASSERT_TRUE(spell >= 11 && spell <= 13);
        picks[spell - 11]++;
    }
    EXPECT_EQ(picks[0], 0);
    EXPECT_GT(picks[1], 440) << "52 of 54";
    EXPECT_GT(picks[2], 0);
    EXPECT_LT(picks[2], 60) << "2 of 54";

    for (int k = 0; k < 3; k++) spells[11 + k].AI_Group = 0;
    EXPECT_EQ(AI_Spell_Research_Select(1), 11) << "all weights 0: the first candidate";
}
