// Starting an overland cast: paying at once or leaving the spell in progress, the book's opening
// page, aborting the spell in progress, the warnings, the computer's costs and the fizzle notice.
#include "Cast_Fixture.h"
#include "magic/Overland_Casting.h"
#include "magic/Spellbook_Choice.h"
#include "magic/Spellbook_Pages.h"
#include "world/Item_Record.h"
#include "world/Map_Feature_Records.h"

namespace {

class OverlandCastStart : public Cast_Test {
protected:
    static constexpr int16_t SPELL = 7;
    static Player_Record &Human() { return _players[HUMAN_PLAYER_IDX]; }
};

TEST_F(OverlandCastStart, TheHumanPaysAtOnceOnlyWhenManaAndSkillCoverTheWholeCost)
{
    struct Case {
        int16_t mana, skill, cost;
        int16_t completed, mana_after, skill_after, left_after;
    };
    const Case cases[] = {
        {50, 40, 40, 1, 10, 0, 0},      // skill covers it exactly
        {50, 40, 45, 0, 50, 40, 45},    // nothing is paid; the turns pay it
        {30, 100, 40, 0, 30, 100, 40},  // mana short
        {0, 0, 0, 1, 0, 0, 0},          // a spell costing nothing completes at once
    };
    for (const Case &c : cases) {
        spell_data_table[SPELL].casting_cost = c.cost;
        Human() = Player_Record{};
        Human().mana_reserve = c.mana;
        Human().Skill_Left = c.skill;
        EXPECT_EQ(Cast_Spell_Overland_Do(0, SPELL, 0), c.completed) << c.cost;
        EXPECT_EQ(Human().mana_reserve, c.mana_after) << c.cost;
        EXPECT_EQ(Human().Skill_Left, c.skill_after) << c.cost;
        EXPECT_EQ(Human().casting_cost_remaining, c.left_after) << c.cost;
        EXPECT_EQ(Human().casting_spell_idx, c.completed ? 0 : SPELL) << c.cost;
    }
}

TEST_F(OverlandCastStart, VariableCostsTripleForComputersAndGoThroughTheAdderForTheHuman)
{
    spell_data_table[SPELL].type = 17;
    spell_data_table[SPELL].casting_cost = 30;
    _players[1].mana_reserve = 1000;
    _players[1].Skill_Left = 1000;
    EXPECT_EQ(Cast_Spell_Overland_Do(1, SPELL, 0), 0) << "a computer never completes here";
    EXPECT_EQ(_players[1].casting_cost_original, 90);
    EXPECT_EQ(_players[1].casting_cost_remaining, 90);

    int adder_line = -1;
    static int *line_seen;
    line_seen = &adder_line;
    Magic_Services services = magic_services;
    services.mana_adder = [](int16_t spell, int16_t line) {
        *line_seen = line;
        _players[0].casting_cost_original = 50;
        _players[0].casting_cost_remaining = 50;
    };
    Magic_Set_Services(services);
    Human().mana_reserve = 20;
    Human().Skill_Left = 20;
    EXPECT_EQ(Cast_Spell_Overland_Do(0, SPELL, 8), 0);
    EXPECT_EQ(adder_line, 8);
    EXPECT_EQ(Human().casting_cost_original, 50);
    EXPECT_EQ(Human().casting_cost_remaining, 50);
    EXPECT_EQ(Human().mana_reserve, 20) << "nothing paid";

    magic_services.mana_adder = nullptr;  // unattended: no extra mana
    Human() = Player_Record{};
    Cast_Spell_Overland_Do(0, SPELL, 0);
    EXPECT_EQ(Human().casting_cost_original, 30);
    EXPECT_EQ(Human().casting_cost_remaining, 30);
}

TEST_F(OverlandCastStart, ItemSpellsAreDroppedWithoutAnItemAndAComputerPaysTheItemsPriceLessItsReduction)
{
    spell_data_table[207].type = 11;
    spell_data_table[211].type = 11;
    Human().mana_reserve = 5000;
    Human().Skill_Left = 5000;
    EXPECT_EQ(Cast_Spell_Overland_Do(0, 207, 0), 0) << "no item was made";
    EXPECT_EQ(Human().casting_spell_idx, 0);
    EXPECT_EQ(Human().casting_cost_original, 0);
    EXPECT_EQ(Human().mana_reserve, 5000);

    // A computer wizard of many books: its item waits in record 136 - p, the made one is freed.
    for (int r = 0; r < 5; r++) _players[2].spellranks[r] = 11;
    Cast_Spell_Overland_Do(2, 211, 0);
    if (_players[2].casting_spell_idx == 211) {
        const Item_Record &waiting = _ITEMS[134];
        EXPECT_GT(waiting.cost, 0);
        EXPECT_EQ(_players[2].casting_cost_original, waiting.cost);
        EXPECT_GT(_players[2].casting_cost_remaining, 0);
        EXPECT_LE(_players[2].casting_cost_remaining, waiting.cost);
        for (int i = 0; i < NUM_LIVE_ITEMS; i++) EXPECT_LE(_ITEMS[i].cost, 0) << "made item " << i << " left live";
    } else {
        EXPECT_EQ(_players[2].casting_cost_original, 0) << "no item could be made: the spell is dropped";
    }
}

TEST_F(OverlandCastStart, TheBookOpensOnThePairHoldingTheSpellInProgressElseWhereItWasClosed)
{
    m_spellbook_page_count = 6;
    for (int16_t page = 0; page < 6; page++) {
        m_spellbook_pages[page] = Spellbook_Page{};
        m_spellbook_pages[page].count = 2;
        m_spellbook_pages[page].spells[0] = (int16_t)(page * 10 + 1);
        m_spellbook_pages[page].spells[1] = (int16_t) - (page * 10 + 2);
    }
    EXPECT_EQ(Spellbook_Opening_Page(51, 2), 4) << "page 5 shows pages 4 and 5";
    EXPECT_EQ(Spellbook_Opening_Page(22, 0), 2) << "an unknown entry matches by its absolute value";
    EXPECT_EQ(Spellbook_Opening_Page(0, 2), 2);
    EXPECT_EQ(Spellbook_Opening_Page(99, 4), 4) << "a spell on no page";
}

TEST_F(OverlandCastStart, AbortingTheSpellInProgressClearsAllThreeFieldsInEitherQuestion)
{
    struct Case {
        const char *what;
        int16_t pick;
        std::vector<int16_t> answers;
        int16_t result;
        bool cleared;
    };
    const Case cases[] = {
        {"same spell, yes", 5, {1}, sbp_Aborted, true},
        {"same spell, no", 5, {0}, sbp_Stay, false},
        {"other spell, no", 6, {0}, sbp_Stay, false},
        {"other spell, yes", 6, {1}, sbp_Cast, true},
    };
    for (const Case &c : cases) {
        g_cast_record = {};
        g_cast_record.answers = c.answers;
        Human().casting_spell_idx = 5;
        Human().casting_cost_remaining = 4;
        Human().casting_cost_original = 10;
        EXPECT_EQ(Spellbook_Pick_Spell(c.pick), c.result) << c.what;
        ASSERT_EQ(g_cast_record.questions.size(), 1u) << c.what;
        EXPECT_EQ(g_cast_record.questions[0], "Do you wish to abort Spell 5 spell?") << c.what;
        if (c.cleared) {
            EXPECT_EQ(Human().casting_spell_idx, 0) << c.what;
            EXPECT_EQ(Human().casting_cost_remaining, 0) << c.what;
            EXPECT_EQ(Human().casting_cost_original, 0) << c.what;
        } else {
            EXPECT_EQ(Human().casting_spell_idx, 5) << c.what;
            EXPECT_EQ(Human().casting_cost_remaining, 4) << c.what;
        }
    }
    // Yes to the abort, then no to the new spell's warning: nothing negative is left behind.
    spell_data_table[6].type = 9;
    spell_data_table[6].Param_Bytes[0] = 3;
    Human().Globals[3] = 1;
    Human().casting_spell_idx = 5;
    Human().casting_cost_remaining = 4;
    Human().casting_cost_original = 10;
    g_cast_record = {};
    g_cast_record.answers = {1, 0};
    EXPECT_EQ(Spellbook_Pick_Spell(6), sbp_Stay);
    EXPECT_EQ(Human().casting_cost_remaining, 0);
    EXPECT_EQ(Human().casting_cost_original, 0);
    EXPECT_EQ(Human().casting_spell_idx, 0);
}

TEST_F(OverlandCastStart, TheWarningsApplyInTheirOrderAndTheLastAnswerHolds)
{
    _num_players = 3;
    std::vector<int16_t> records;
    const auto warnings = [&records](int16_t spell) {
        int16_t list[QUESTIONABLE_RECORDS_MAX];
        records.assign(list, list + Questionable_Spell_Records(spell, list));
        return records;
    };
    using V = std::vector<int16_t>;
    EXPECT_EQ(warnings(132), V{}) << "no seal";
    _players[2].Globals[20] = 3;
    EXPECT_EQ(warnings(132), V{12});
    EXPECT_EQ(warnings(61), V{}) << "a rival holds a global enchantment";
    _players[2].Globals[20] = 0;
    EXPECT_EQ(warnings(61), V{14});
    EXPECT_EQ(warnings(210), V{14});
    for (auto &slot : _players[0].Heroes) slot.unit_idx = 1;
    EXPECT_EQ(warnings(142), V{13});
    spell_data_table[58].type = 6;
    EXPECT_EQ(warnings(58), V{15}) << "no contact";
    _players[0].Dipl_Contacted[1] = 1;
    _FORTRESSES[1].active = 1;
    EXPECT_EQ(warnings(58), V{}) << "a known rival with a fortress";
    spell_data_table[124].type = 9;
    spell_data_table[124].Param_Bytes[0] = 19;
    _players[0].Globals[19] = 1;
    EXPECT_EQ(warnings(124), (V{16, 17})) << "held slot, and the forbidding record last";

    g_cast_record = {};
    g_cast_record.answers = {1};
    int16_t answer = 1;
    Questionable_Spell_Cast(124, &answer);
    EXPECT_EQ(answer, 0) << "the forbidding warning overrides the yes";
    EXPECT_EQ(g_cast_record.questions.size(), 1u);
    EXPECT_EQ(g_cast_record.warnings.size(), 1u);
}

TEST_F(OverlandCastStart, TheFizzleNoticeNamesBothSidesWithTheirPossessivesAndSkipsRivalsAlone)
{
    snprintf(_players[1].name, sizeof _players[1].name, "Merlis");
    snprintf(_players[2].name, sizeof _players[2].name, "Kali");
    snprintf(spell_data_table[9].name, sizeof spell_data_table[9].name, "Fire Storm");
    Fizzle_Notification(1, 2, 9, "Tranquility");
    EXPECT_TRUE(g_cast_record.notes.empty()) << "between two computer wizards nothing is shown";
    Fizzle_Notification(0, 1, 9, "Tranquility");
    Fizzle_Notification(2, 0, 9, "Life Force");
    ASSERT_EQ(g_cast_record.notes.size(), 2u);
    EXPECT_EQ(g_cast_record.notes[0], "Merlis' Tranquility spell has caused your Fire Storm spell to fizzle.");
    EXPECT_EQ(g_cast_record.notes[1], "Your Life Force spell has caused Kali's Fire Storm spell to fizzle.");
}

}  // namespace
