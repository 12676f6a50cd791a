// Research candidates: which spells may be drawn, the refill, the Spell of Mastery, the sort and
// the human's choice through the magic services.
#include <algorithm>
#include <set>

#include "Magic_Rules_Fixture.h"
#include "magic/Spell_Research.h"

namespace {

class SpellResearch : public Magic_Rules_Test {
protected:
    static std::set<int16_t> Candidates(int player = 0)
    {
        std::set<int16_t> out;
        for (int16_t spell : _players[player].research_spells)
            if (spell != 0) out.insert(spell);
        return out;
    }
    static int Status_Count(uint8_t status, int player = 0)
    {
        int n = 0;
        for (int spell = 1; spell <= NUM_SPELLS_STATUS; spell++) n += Player_Spell_Status(player, spell) == status;
        return n;
    }
};

int16_t m_answer_slot = -1;
int16_t Answer_Slot(void) { return m_answer_slot; }

TEST_F(SpellResearch, OnlyTheLowestBandOfEachRealmIsDrawnAndTheListIsRebuiltAfterEachDraw)
{
    Know({1, 2, 3, 25, 26}, SS_RESEARCHABLE);  // Nature common and rare
    Know({202, 210}, SS_RESEARCHABLE);         // Arcane first and third bands
    int16_t list[RESEARCH_LIST_MAX];
    int16_t count = Build_Research_List(0, list);
    EXPECT_EQ(std::vector<int16_t>(list, list + count), (std::vector<int16_t>{1, 2, 3, 202}));

    // One common spell left: once drawn, the rare band comes into reach in the same refill.
    _turn = 1;
    Know({2, 3}, 0);
    EXPECT_EQ(Player_Research_Spells(0), 5);
    EXPECT_EQ(Candidates(), (std::set<int16_t>{1, 25, 26, 202, 210, spl_Spell_Of_Mastery})) << "all drawn";
    for (int16_t spell : {1, 25, 26, 202, 210}) EXPECT_EQ(Player_Spell_Status(0, spell), SS_RESEARCH_LIST) << spell;
}

TEST_F(SpellResearch, TheSpellOfMasteryTakesTheFirstEmptySlotOnceWhenNothingElseIsLeft)
{
    _turn = 1;
    Know({5}, SS_RESEARCHABLE);
    EXPECT_EQ(Player_Research_Spells(0), 1) << "the Spell of Mastery is not counted";
    EXPECT_EQ(_players[0].research_spells[0], 5);
    EXPECT_EQ(_players[0].research_spells[1], spl_Spell_Of_Mastery);
    Player_Research_Spells(0);
    EXPECT_EQ(std::count(std::begin(_players[0].research_spells), std::end(_players[0].research_spells),
                         (int16_t)spl_Spell_Of_Mastery),
              1);

    memset(_players[1].research_spells, 0, sizeof _players[1].research_spells);
    Know({spl_Spell_Of_Mastery}, SS_KNOWN, 1);
    Player_Research_Spells(1);
    EXPECT_TRUE(Candidates(1).empty()) << "not added once known";
}

TEST_F(SpellResearch, FullCandidatesWithTheSpellOfMasteryKnownLeaveNoStrayListStatus)
{
    _turn = 1;
    Know({spl_Spell_Of_Mastery});
    for (int16_t k = 0; k < 8; k++) {
        _players[0].research_spells[k] = (int16_t)(41 + k);
        Know({(int16_t)(41 + k)}, SS_RESEARCH_LIST);
    }
    Know({1, 2, 3}, SS_RESEARCHABLE);
    Player_Research_Spells(0);
    EXPECT_EQ(Status_Count(SS_RESEARCH_LIST), 8) << "draws into full candidates place nothing";
    EXPECT_EQ(Player_Spell_Status(0, 1), SS_RESEARCHABLE);
}

TEST_F(SpellResearch, TheChoiceIsAskedOnlyAfterTheFirstTurnAndTakesTheAnswer)
{
    Know({1, 2, 3}, SS_RESEARCHABLE);
    _players[0].researching_spell_idx = 0;
    _turn = 1;
    Player_Research_Spells(0);
    EXPECT_EQ(_players[0].researching_spell_idx, 0) << "no choice at turn 1";

    memset(_players[0].research_spells, 0, sizeof _players[0].research_spells);
    Know({1, 2, 3}, SS_RESEARCHABLE);
    _turn = 2;
    m_answer_slot = 2;
    Magic_Services services = {};
    services.research_choice = Answer_Slot;
    Magic_Set_Services(services);
    Player_Research_Spells(0);
    EXPECT_EQ(_players[0].researching_spell_idx, _players[0].research_spells[2]);
    EXPECT_EQ(_players[0].research_cost_remaining, 100);

    // Without a screen (an unattended run) the first candidate is taken.
    magic_services = {};
    _players[0].researching_spell_idx = -5;
    Check_Research_Spell_Is_Known(0);
    EXPECT_EQ(_players[0].researching_spell_idx, _players[0].research_spells[0]) << "a pending choice is resolved";
    EXPECT_EQ(_players[0].research_cost_remaining, 100);
}

TEST_F(SpellResearch, AChoiceWithoutCandidatesReturnsZeroAndAKnownResearchSpellIsReplaced)
{
    memset(_players[0].research_spells, 0, sizeof _players[0].research_spells);
    EXPECT_EQ(Spell_Research_Select(), 0);

    _players[0].research_spells[0] = spl_Spell_Of_Mastery;
    _players[0].som_research_cost = 4321;
    _players[0].researching_spell_idx = 7;
    Know({7});
    Check_Research_Spell_Is_Known(1);
    EXPECT_EQ(_players[0].researching_spell_idx, spl_Spell_Of_Mastery);
    EXPECT_EQ(_players[0].research_cost_remaining, 4321) << "the Spell of Mastery costs its own research left";
}

TEST_F(SpellResearch, SortingIsStableAndWithoutIncomeUsesTheRawCost)
{
    Player_Record &wizard = _players[0];
    const int16_t spells[5] = {11, 12, 13, 14, 15};
    const int16_t costs[5] = {300, 100, 300, 50, 100};
    for (int k = 0; k < 5; k++) {
        wizard.research_spells[k] = spells[k];
        spell_data_table[spells[k]].research_cost = costs[k];
    }
    Sort_Research_List(0, 5);
    EXPECT_EQ(std::vector<int16_t>(wizard.research_spells, wizard.research_spells + 5),
              (std::vector<int16_t>{14, 12, 15, 11, 13}));
}

}  // namespace
