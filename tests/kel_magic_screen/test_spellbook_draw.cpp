// The pages of the small and big book composed from the page model, and the learned spell revealed
// on its spread, on the stand-in data.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "Input.h"
#include "Log_Capture.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Screen_Fixture.h"
#include "magic/Spellbook_Pages.h"
#include "magic/screens/Learn_Spell_Animation.h"
#include "magic/screens/Spellbook_Draw.h"
#include "shell/Graphics_Cache.h"
#include "shell/Screen_Control.h"
#include "turn/Magic_Power_Research.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"

namespace {

constexpr int16_t NATURE_SPELL = 12;
constexpr uint8_t NATURE_DOT = 40;  // the realm symbol drawn when the book's symbol pictures are absent

class SpellbookDraw : public Screen_Test {
protected:
    void SetUp() override
    {
        Screen_Test::SetUp();
        quit_game_flag = 0;
        g_headless_unattended = 0;
        memset(spell_data_table, 0, sizeof(Spell_Data_Record) * NUM_SPELLS);
        for (int16_t s = 1; s < NUM_SPELLS; s++) {
            snprintf(spell_data_table[s].name, sizeof spell_data_table[s].name, "Spell %d", (int)s);
            spell_data_table[s].magic_realm = (uint8_t)(s <= 200 ? (s - 1) / 40 : 5);
            spell_data_table[s].Eligibility = 1;
            spell_data_table[s].casting_cost = 50;
            spell_data_table[s].research_cost = 200;
        }
        std::memcpy(m_saved_pictures, small_spellbook_seg, sizeof m_saved_pictures);
        for (uint8_t *&picture : small_spellbook_seg) picture = nullptr;
        memset(_players[HUMAN_PLAYER_IDX].spells_list, 0, sizeof _players[HUMAN_PLAYER_IDX].spells_list);
        memset(_players[HUMAN_PLAYER_IDX].research_spells, 0, sizeof _players[HUMAN_PLAYER_IDX].research_spells);
        _players[HUMAN_PLAYER_IDX].casting_spell_idx = 0;
        // Rivals' global enchantments change casting costs; other screens' tests leave some.
        for (Player_Record &player : _players) memset(player.Globals, 0, sizeof player.Globals);
    }
    void TearDown() override
    {
        std::memcpy(small_spellbook_seg, m_saved_pictures, sizeof m_saved_pictures);
        Platform_Register_Frame_Callback(nullptr);
        Script() = Poll_Script{};
        Platform_Set_Synthetic_Mouse_Button(0);
        quit_game_flag = 0;
        World_Test::TearDown();
    }
    static void Then(std::function<void()> step) { Script().steps.push_back(std::move(step)); }
    static void Click(void)
    {
        Then([] {
            Set_Pointer_Position(160, 100);
            Platform_Set_Synthetic_Mouse_Button(1);
            int wx = 0, wy = 0;
            Platform_Game_To_Window(160, 100, &wx, &wy);
            User_Mouse_Handler(1, (int16_t)wx, (int16_t)wy);
        });
        Then([] {});
        Then([] { Platform_Set_Synthetic_Mouse_Button(0); });
        Then([] {});
    }
    static uint8_t Pixel(const uint8_t *bitmap, int x, int y)
    {
        int h = LE_U16(bitmap + PICTURE_HEIGHT);
        return bitmap[PICTURE_BITMAP_HEADER + x * h + y];
    }
    static int Count(const uint8_t *bitmap, int x1, int y1, int x2, int y2, uint8_t colour)
    {
        int n = 0;
        for (int x = x1; x <= x2; x++)
            for (int y = y1; y <= y2; y++) n += Pixel(bitmap, x, y) == colour ? 1 : 0;
        return n;
    }
    // Ink right of the first symbol on the line of slot 0: where "Instant" would stand.
    static int Ink_After_Symbol(const uint8_t *bitmap)
    {
        int n = 0;
        for (int x = 9; x < 60; x++)
            for (int y = 8; y <= 16; y++) n += Pixel(bitmap, x, y) != 0 ? 1 : 0;
        return n;
    }
    void One_Spell_Page(Spellbook_Page &page, int16_t spell)
    {
        page = {};
        page.spells[0] = spell;
        page.count = 1;
    }
    uint8_t *m_saved_pictures[10] = {};
    uint8_t m_bitmap[PICTURE_BITMAP_HEADER + 122 * 134] = {};
};

// The symbols count the turns a spell takes at the casting limit; a spell cast within one turn
// shows one symbol, and "Instant" only when both the mana and the skill left cover it.
TEST_F(SpellbookDraw, SymbolsCountTurnsAndInstantNeedsManaAndSkill)
{
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    Spellbook_Page page;
    One_Spell_Page(page, NATURE_SPELL);
    const int16_t cost = Casting_Cost(HUMAN_PLAYER_IDX, NATURE_SPELL, 0);
    ASSERT_GT(cost, 0);
    struct Case {
        const char *name;
        int16_t limit, mana, skill;
        int symbols;
        bool instant;
    } cases[] = {
        {"cost equal to the limit", cost, 1000, 1000, 1, false},
        {"limit above the cost, mana and skill cover it", (int16_t)(cost + 1), 1000, 1000, 1, true},
        {"limit above the cost, skill short", (int16_t)(cost + 1), 1000, (int16_t)(cost - 1), 1, false},
        {"three turns", (int16_t)(cost / 3), 1000, 1000, 3, false},
        {"no limit at all", 0, 1000, 1000, 40, false},
    };
    for (const Case &c : cases) {
        g_spellbook_cast_mana_limit = c.limit;
        human.mana_reserve = c.mana;
        human.Skill_Left = c.skill;
        SmlBook_Compose(m_bitmap, &page);
        EXPECT_EQ(Count(m_bitmap, 0, 7, 121, 21, NATURE_DOT), 16 * c.symbols) << c.name;
        if (c.symbols == 1) {
            EXPECT_EQ(Ink_After_Symbol(m_bitmap) > 0, c.instant) << c.name;
        }
    }
}

// Research pages count turns at the realm's research income; none coming in gives 999.
TEST_F(SpellbookDraw, TurnsRoundUpAndNoIncomeTakes999)
{
    const struct {
        int32_t cost, per_turn;
        int16_t turns;
    } cases[] = {{500, 0, 999}, {100, 100, 1}, {101, 100, 2}, {0, 7, 0}, {30000, 1, 999}, {10, -5, 999}};
    for (const auto &c : cases) EXPECT_EQ(Spellbook_Turns(c.cost, c.per_turn), c.turns) << c.cost << "/" << c.per_turn;
}

// The descriptions of the shown spread fill blocks 0 and 1, those of the spread turned to blocks 2
// and 3; an empty slot or a page past the book stays empty.
TEST_F(SpellbookDraw, DescriptionsFollowTheShownAndTheTargetSpread)
{
    m_spellbook_page_count = 4;
    for (int16_t p = 0; p < 4; p++) {
        m_spellbook_pages[p] = {};
        m_spellbook_pages[p].spells[0] = (int16_t)(p == 3 ? -(10 + p) : 10 + p);
        m_spellbook_pages[p].count = 1;
    }
    g_spellbook_left_page = 0;
    BigBook_Load_Spell_Descriptions(2);
    for (int block = 0; block < 4; block++) {
        std::string text = g_spellbook_descriptions[block * 4];
        EXPECT_NE(text.find(": a stand-in"), std::string::npos) << "block " << block << ": " << text;
        EXPECT_EQ(g_spellbook_descriptions[block * 4 + 1][0], '\0') << "block " << block;
    }
    EXPECT_STRNE(g_spellbook_descriptions[0], g_spellbook_descriptions[4]);
    BigBook_Load_Spell_Descriptions(4);
    EXPECT_EQ(g_spellbook_descriptions[8][0], '\0') << "no pages beyond the book";
    EXPECT_NE(g_spellbook_descriptions[0][0], '\0');
}

class LearnSpell : public SpellbookDraw {};

// A learned spell on an odd page is revealed on the right page of the spread before it; a learned
// research spell then turns the book to the research spread.
TEST_F(LearnSpell, OnAnOddPageOpensTheSpreadBeforeIt)
{
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    for (int16_t s = 1; s <= 6; s++) human.spells_list[s - 1] = SS_KNOWN;  // pages 0 and 1 of Nature
    human.research_spells[0] = 20;
    human.spells_list[20 - 1] = 3;
    Set_Game_Settings_Word(15, 1);
    Click();  // ends the laboratory
    Click();  // ends the reveal
    Log_Capture log;
    Learn_Spell_Scene(6, 1);
    std::string text = log.Finish();
    EXPECT_NE(text.find("[RESEARCH] reveal spell=6 page=1 left=0 slot=1"), std::string::npos) << text;
    EXPECT_EQ(g_spellbook_left_page, g_first_research_page);
    EXPECT_EQ(g_spellbook_mode, 1);
}

TEST_F(LearnSpell, WithoutAnimationsAnnouncesTheSpell)
{
    _players[HUMAN_PLAYER_IDX].spells_list[5 - 1] = SS_KNOWN;
    Set_Game_Settings_Word(15, 0);
    // Nobody reads the notice: it ends by itself.
    wait_for_input_unattended_frames = 3;
    Log_Capture log;
    Learn_Spell_Scene(5, 0);
    std::string text = log.Finish();
    wait_for_input_unattended_frames = 0;
    EXPECT_NE(text.find("[BOX] Notify2: You have mastered the spell of Spell 5"), std::string::npos) << text;
}

}  // namespace
