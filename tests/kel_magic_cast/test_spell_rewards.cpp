// Spell rewards, values, trades, conquest finds, new books and the relation tables.
#include <set>

#include "Cast_Fixture.h"
#include "magic/Conquest_Spells.h"
#include "magic/Enchantment_Effects.h"
#include "magic/Spell_Research.h"
#include "magic/Spell_Rewards.h"
#include "magic/Spell_Values.h"

namespace {

class SpellRewards : public Cast_Test {
protected:
    static void Know(std::initializer_list<int16_t> spells, uint8_t status, int player)
    {
        for (int16_t spell : spells) Player_Set_Spell_Status(player, spell, status);
    }
};

TEST_F(SpellRewards, AWizardWithoutBooksOrArcaneRetortsGetsNothingWithoutADraw)
{
    Set_Random_Seed(99);
    EXPECT_EQ(WIZ_RollSpellReward(0, 2), 0);
    EXPECT_EQ(Get_Random_Seed(), 99u) << "no random number was drawn";
}

TEST_F(SpellRewards, RarityFourWithOneBookTriesTheUncommonBandFirstThenCommon)
{
    _players[0].spellranks[1] = 1;  // Sorcery: spells 41..80
    for (int s = 0; s < 20; s++) {
        Set_Random_Seed(100 + s);
        const int16_t spell = WIZ_RollSpellReward(0, 4);
        EXPECT_GE(spell, 51) << "uncommon band";
        EXPECT_LE(spell, 60);
    }
    for (int16_t spell = 51; spell <= 60; spell++) Player_Set_Spell_Status(0, spell, SS_KNOWN);
    const int16_t spell = WIZ_RollSpellReward(0, 4);
    EXPECT_GE(spell, 41) << "then common";
    EXPECT_LE(spell, 50);
}

TEST_F(SpellRewards, ValuesFollowBooksAndStatusAndSaturate)
{
    struct Case {
        int16_t books, spell;
        uint8_t status;
        int16_t research_cost, value;
    };
    const Case cases[] = {
        {0, 5, 0, 100, -1},   {1, 21, 0, 100, -1}, {2, 31, 0, 100, -1}, {3, 31, 0, 100, 150},
        {2, 21, 1, 100, 100}, {2, 21, 3, 100, 90}, {2, 21, 2, 100, 0},  {3, 35, 0, 30000, 32767},
    };
    for (const Case &c : cases) {
        _players[0].spellranks[0] = c.books;
        spell_data_table[c.spell].research_cost = c.research_cost;
        Player_Set_Spell_Status(0, c.spell, c.status);
        EXPECT_EQ(Calc_Spell_Value(0, c.spell), c.value) << c.books << " books, spell " << c.spell;
    }
    EXPECT_EQ(Calc_Spell_Value(0, 205), 150) << "Arcane is never refused";
}

TEST_F(SpellRewards, TheDifferentialListDrawsSpellsBKnowsAndADoesNot)
{
    _players[0].spellranks[0] = 3;
    _players[1].spellranks[0] = 3;
    _players[1].spellranks[2] = 3;  // a realm A has no book of: skipped
    Know({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, SS_KNOWN, 1);
    Know({1}, SS_KNOWN, 0);
    Know({85}, SS_KNOWN, 1);
    Know({201}, SS_KNOWN, 1);
    uint8_t list[DIFFERENTIAL_LIST_MAX];
    const int16_t count = Get_Differential_Spell_List(0, 1, 0, list);
    EXPECT_EQ(count, 10);
    std::set<int> seen(list, list + count);
    EXPECT_EQ(seen.size(), (size_t)count) << "no spell twice";
    for (int spell : seen) {
        EXPECT_TRUE((spell >= 2 && spell <= 13) || spell == 201) << spell;
    }
    spell_data_table[201].research_cost = 10;
    const int16_t rich = Get_Differential_Spell_List(0, 1, 140, list);
    for (int k = 0; k < rich; k++) EXPECT_NE(list[k], 201) << "worth 15, below the minimum";
}

TEST_F(SpellRewards, NewBooksGrantByTheTableAndTheEleventhGrantsNothing)
{
    _players[0].spellranks[3] = 0;
    WIZ_AddSpellRank__WIP(0, 3);
    int bands[4] = {};
    for (int16_t spell = 121; spell <= 160; spell++)
        if (Player_Spell_Status(0, spell) != 0) bands[(spell - 121) / 10]++;
    EXPECT_EQ(bands[0] + bands[1], 4 + 0) << "first book";  // statuses 1 or 3 after the refill
    EXPECT_EQ(bands[0], 3);
    EXPECT_EQ(bands[1], 1);
    EXPECT_EQ(_players[0].spellranks[3], 1);

    _players[0].spellranks[4] = 10;
    WIZ_AddSpellRank__WIP(0, 4);
    int granted = 0;
    for (int16_t spell = 161; spell <= 200; spell++) granted += Player_Spell_Status(0, spell) != 0;
    EXPECT_EQ(granted, 0);
    EXPECT_EQ(_players[0].spellranks[4], 11);
    _players[0].spellranks[4] = 12;
    WIZ_AddSpellRank__WIP(0, 4);
    EXPECT_EQ(_players[0].spellranks[4], 13) << "past the table the count still rises";
}

TEST_F(SpellRewards, ConquestTakesUpToTwoSpellsAndTellsTheHumanInThreeWays)
{
    _num_players = 3;
    for (int p = 0; p < 6; p++) _players[p].spellranks[0] = 3;
    snprintf(spell_data_table[2].name, sizeof spell_data_table[2].name, "Bless");
    snprintf(spell_data_table[3].name, sizeof spell_data_table[3].name, "Heroism");

    Know({2, 3}, SS_KNOWN, 5);
    Conquest_Spells(0, 5);
    Conquest_Spells(5, 0);
    EXPECT_TRUE(g_cast_record.notes.empty()) << "the neutral player takes no part";
    EXPECT_NE(Player_Spell_Status(0, 2), SS_KNOWN);

    Conquest_Spells(0, 1);
    Know({2}, SS_KNOWN, 1);
    Conquest_Spells(0, 1);
    Know({3}, SS_KNOWN, 2);
    Know({2}, 0, 0);
    Know({2}, SS_KNOWN, 2);
    Conquest_Spells(0, 2);
    ASSERT_EQ(g_cast_record.notes.size(), 3u);
    EXPECT_EQ(g_cast_record.notes[0], "You find no new spells in the ruins.");
    EXPECT_EQ(g_cast_record.notes[1], "You found a Bless spell in the ruins.");
    const bool either = g_cast_record.notes[2] == "You found a Bless spell and a Heroism spell in the ruins." ||
                        g_cast_record.notes[2] == "You found a Heroism spell and a Bless spell in the ruins.";
    EXPECT_TRUE(either) << g_cast_record.notes[2];
    EXPECT_EQ(Player_Spell_Status(0, 3), SS_KNOWN);
    EXPECT_EQ(g_cast_record.note_ys[0], 40);
    EXPECT_EQ(g_cast_record.note_entries[0], 60);
}

TEST_F(SpellRewards, EnchantmentRelationsDivideTowardsZeroAndPickTheirWizards)
{
    int16_t reason = 0;
    int16_t applies = 0;
    EXPECT_EQ(Enchantment_Relation_Change(120, 1, 2, &reason, &applies), -12);
    EXPECT_EQ(applies, 1);
    EXPECT_EQ(reason, 12);
    EXPECT_EQ(Enchantment_Relation_Change(213, 1, 1, &reason, &applies), -50);
    EXPECT_EQ(reason, 10);
    EXPECT_EQ(Enchantment_Relation_Change(59, 1, 1, &reason, &applies), 10);
    EXPECT_EQ(reason, 0);
    EXPECT_EQ(Enchantment_Relation_Change(80, 1, 1, &reason, &applies), 0);
    EXPECT_EQ(applies, 1) << "an amount of 0 still makes the call";
    EXPECT_EQ(Enchantment_Relation_Change(157, 1, 1, &reason, &applies), 0);
    EXPECT_EQ(applies, 0) << "only towards Chaos wizards";
    _players[1].spellranks[2] = 1;
    EXPECT_EQ(Enchantment_Relation_Change(157, 1, 1, &reason, &applies), -20);
    EXPECT_EQ(Enchantment_Relation_Change(116, 1, 1, &reason, &applies), 0);
    EXPECT_EQ(applies, 0) << "116 spares Chaos wizards";
    Enchantment_Relation_Change(7, 1, 1, &reason, &applies);
    EXPECT_EQ(applies, 0) << "a spell off the table";
}

}  // namespace
