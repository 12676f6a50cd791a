// The page model: groups laid out in order, titles once per spread, even page counts, the
// research spread of the big book, the casting limit and the combat book.
#include <string>

#include "Magic_Rules_Fixture.h"
#include "combat/Combat_Tables.h"
#include "magic/Spellbook_Pages.h"
#include "world/Unit_Type_Record.h"

namespace {

class SpellbookPages : public Magic_Rules_Test {};

constexpr int16_t CHAOS_FIRST = 81;
constexpr int16_t ARCANE_FIRST = 201;

std::string Title(int page) { return m_spellbook_pages[page].title; }

TEST_F(SpellbookPages, AGroupOfSixFillsItsPageAndTheSeventhOpensAnUntitledFacingPage)
{
    for (int16_t k = 0; k < 7; k++) Know({(int16_t)(CHAOS_FIRST + k)});
    Build_Spellbook(0, SMALL_BOOK_PER_PAGE);
    ASSERT_EQ(m_spellbook_page_count, 2);
    EXPECT_EQ(Title(0), "Chaos");
    EXPECT_EQ(m_spellbook_pages[0].count, 6);
    EXPECT_EQ(Title(1), "") << "the group's title stands once on a spread";
    EXPECT_EQ(m_spellbook_pages[1].count, 1);
    EXPECT_EQ(m_spellbook_pages[1].spells[0], CHAOS_FIRST + 6);

    // The same group starting on a right page carries its title over to the next spread.
    Know({ARCANE_FIRST});
    Build_Spellbook(0, SMALL_BOOK_PER_PAGE);
    ASSERT_EQ(m_spellbook_page_count, 4) << "three pages made even";
    EXPECT_EQ(Title(0), "Arcane");
    EXPECT_EQ(Title(1), "Chaos");
    EXPECT_EQ(Title(2), "Chaos");
    EXPECT_EQ(m_spellbook_pages[2].count, 1);
    EXPECT_EQ(Title(3), "");
    EXPECT_EQ(m_spellbook_pages[3].count, 0);
}

TEST_F(SpellbookPages, FiveOneSpellGroupsGiveFivePagesAndABlankOne)
{
    Know({1, 41, 81, 121, 161});
    Build_Spellbook(0, SMALL_BOOK_PER_PAGE);
    ASSERT_EQ(m_spellbook_page_count, 6);
    const char *order[5] = {"Chaos", "Death", "Life", "Nature", "Sorcery"};
    for (int page = 0; page < 5; page++) {
        EXPECT_EQ(Title(page), order[page]) << page;
        EXPECT_EQ(m_spellbook_pages[page].count, 1) << page;
    }
    EXPECT_EQ(Title(5), "");

    // Ordered by section, the Arcane spells go with the others of their section.
    Set_Game_Settings_Word(GS_SPELL_BOOK_ORDERING_WORD, 1);
    for (int16_t spell : {1, 41, 81, 121, 161}) spell_data_table[spell].spell_book_category = 4;
    spell_data_table[1].spell_book_category = 1;
    spell_data_table[ARCANE_FIRST].spell_book_category = 1;
    Know({ARCANE_FIRST});
    Build_Spellbook(0, SMALL_BOOK_PER_PAGE);
    ASSERT_EQ(m_spellbook_page_count, 2);
    EXPECT_EQ(Title(0), "Summoning");
    EXPECT_EQ(m_spellbook_pages[0].count, 2);
    EXPECT_EQ(Title(1), "Unit Spells");
    EXPECT_EQ(m_spellbook_pages[1].count, 4);
}

TEST_F(SpellbookPages, KindsSelectByStatusAndTheSignedCastingPlace)
{
    Know({1, 2, 3, 4});
    Know({5}, SS_RESEARCHABLE);
    Know({6}, SS_RESEARCH_LIST);
    spell_data_table[2].Eligibility = (uint8_t)-1;  // combat only
    spell_data_table[3].Eligibility = 5;
    spell_data_table[4].Eligibility = 1;
    const struct {
        int16_t kind;
        std::vector<int16_t> list;
    } cases[] = {
        {0, {1, 4}},
        {1, {1, 2}},
        {2, {1, 2, 3, 4, -5, -6}},
    };
    for (const auto &c : cases) {
        m_spell_list_count = 0;
        Build_Spell_List(c.kind, m_spellbook_spell_list);
        std::vector<int16_t> got(m_spellbook_spell_list, m_spellbook_spell_list + m_spell_list_count);
        EXPECT_EQ(got, c.list) << "kind " << c.kind;
    }
}

TEST_F(SpellbookPages, TheBigBookEndsWithTheResearchSpreadOfPackedCandidates)
{
    Player_Record &human = _players[0];
    int16_t candidates[8] = {0, 12, 0, 13, 0, 0, 0, 0};
    memcpy(human.research_spells, candidates, sizeof candidates);
    Build_Spellbook(2, BIG_BOOK_PER_PAGE);
    EXPECT_EQ(g_first_research_page, 0) << "no spells: the research spread is the whole book";
    ASSERT_EQ(m_spellbook_page_count, 2);
    EXPECT_EQ(Title(0), "Research");
    EXPECT_EQ(m_spellbook_pages[0].count, 2);
    EXPECT_EQ(m_spellbook_pages[0].spells[0], 12);
    EXPECT_EQ(m_spellbook_pages[0].spells[1], 13);
    EXPECT_EQ(Title(1), "Spells");
    EXPECT_EQ(m_spellbook_pages[1].count, 0);
}

TEST_F(SpellbookPages, EverySpellOfTheTableFitsTheBigBook)
{
    for (int16_t spell = 1; spell < NUM_SPELLS; spell++) Know({spell}, spell % 2 ? SS_KNOWN : SS_RESEARCHABLE);
    Build_Spellbook(2, BIG_BOOK_PER_PAGE);
    int listed = 0;
    for (int page = 0; page < g_first_research_page; page++) listed += m_spellbook_pages[page].count;
    EXPECT_EQ(listed, NUM_SPELLS - 1);
    EXPECT_EQ(g_first_research_page % 2, 0);
    EXPECT_EQ(m_spellbook_page_count, g_first_research_page + 2);
    EXPECT_LE(m_spellbook_page_count, SPELLBOOK_PAGES_MAX);
}

TEST_F(SpellbookPages, TheCastingLimitIsTheLesserOfSkillAndManaAndNeverNegative)
{
    Player_Record &human = _players[0];
    human.spell_casting_skill = 30;  // base skill 5
    human.mana_reserve = 100;
    Build_Spellbook(0, SMALL_BOOK_PER_PAGE);
    EXPECT_EQ(g_spellbook_cast_mana_limit, 5);
    human.mana_reserve = 3;
    Build_Spellbook(0, SMALL_BOOK_PER_PAGE);
    EXPECT_EQ(g_spellbook_cast_mana_limit, 3 + WIZ_ManaPerTurn);
    human.mana_reserve = -40;
    Build_Spellbook(0, SMALL_BOOK_PER_PAGE);
    EXPECT_EQ(g_spellbook_cast_mana_limit, 0);
}

TEST_F(SpellbookPages, AtSeaAWizardWhoseOnlySpellSummonsAWalkerCannotCast)
{
    constexpr int16_t SUMMON = 41;
    Know({SUMMON});
    Spell_Data_Record &spell = spell_data_table[SUMMON];
    spell.type = 0;
    spell.Param_Bytes[0] = 150;
    spell.Eligibility = 2;
    _unit_type_table[150].Move_Flags = 0;
    _unit_type_table[150].Abilities = 0;
    Player_Record &human = _players[0];
    human.mana_reserve = 500;
    human.Cmbt_Skill_Left = 100;
    _combat_structure = 0;
    EXPECT_EQ(Combat_Spellbook_Build(20), 1);
    _combat_structure = 6;
    EXPECT_EQ(Combat_Spellbook_Build(20), 0);
    _unit_type_table[150].Move_Flags = MV_FLYING;
    EXPECT_EQ(Combat_Spellbook_Build(20), 1) << "a flier may be summoned at sea";
    EXPECT_EQ(m_spellbook_page_count, 2);
    _combat_structure = 0;
}

}  // namespace

namespace {

TEST_F(SpellbookPages, BigBookHelpNamesKnownSpellsOnlyAndTheSpellOfReturnByItsOwnRecord)
{
    m_spellbook_page_count = 2;
    m_spellbook_pages[0] = Spellbook_Page{};
    m_spellbook_pages[0].count = 3;
    m_spellbook_pages[0].spells[0] = 81;
    m_spellbook_pages[0].spells[1] = -82;  // researchable, not yet known
    m_spellbook_pages[0].spells[2] = 214;
    m_spellbook_pages[1] = Spellbook_Page{};
    struct Case {
        int16_t page, slot, help;
    };
    const Case cases[] = {{0, 0, 81}, {0, 1, -1}, {0, 2, 657}, {0, 3, -1}, {1, 0, -1}, {2, 0, -1}, {-1, 0, -1}};
    for (const Case &c : cases) EXPECT_EQ(Big_Book_Help_Index(c.page, c.slot), c.help) << c.page << "/" << c.slot;
}

}  // namespace
