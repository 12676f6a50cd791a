// The statistics panel: paging of the specials list, the icon rows, the questions of the window
// and the panel drawn for a unit, a unit type and a building on the stand-in pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "Allocate.h"
#include "Pictures.h"
#include "STU_GRAF.h"
#include "STU_LE.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "Video.h"
#include "World_Fixture.h"
#include "cities/screens/City_Screen.h"
#include "heroes/Text_Lists.h"
#include "overland/Unit_View_Figures.h"
#include "overland/Unit_View_Panel.h"
#include "overland/Unit_View_Popup.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battle_Unit_Record.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"

namespace {

constexpr int16_t UP = 11, DOWN = 12;

// Pages through a list of count rows with the arrow fields; returns the first row after each press.
std::vector<int16_t> Press(int16_t hero, int16_t count, int16_t first, const std::vector<int16_t> &keys)
{
    uv_hero = hero;
    uv_specials_list_count = count;
    uv_specials_list_index = first;
    unitview_up_button = UP;
    unitview_dn_button = DOWN;
    std::vector<int16_t> seen;
    for (int16_t key : keys) {
        int16_t rows = -1;
        UV_Handle_Arrow_Buttons(key, &rows);
        seen.push_back(uv_specials_list_index);
        EXPECT_EQ(rows, UV_Rows_On_Page(uv_specials_list_index, count));
        EXPECT_GT(rows, 0) << "never an empty page";
    }
    return seen;
}

TEST(Unit_View_Paging, PagesOfUnitsAndHeroes)
{
    struct Case {
        const char *what;
        int16_t hero, count, first;
        std::vector<int16_t> keys, firsts;
    } cases[] = {
        {"16 rows page down 0, 8, 0", 0, 16, 0, {DOWN, DOWN}, {8, 0}},
        {"16 rows up from 0 to 8, then 0", 0, 16, 0, {UP, UP}, {8, 0}},
        {"9 rows up from 0 to the last page", 0, 9, 0, {UP}, {8}},
        {"hero of 5 rows: 4 on the first page, 1 on the second", 1, 5, 0, {DOWN, DOWN}, {4, 0}},
        {"hero of 5 rows up to its last page", 1, 5, 0, {UP, UP}, {4, 0}},
        {"hero of 12 rows: the last page starts at 4", 1, 12, 0, {UP, DOWN}, {4, 0}},
        {"hero of 13 rows: the last page starts at 12", 1, 13, 0, {UP, UP, UP}, {12, 4, 0}},
        {"other fields do not page", 0, 16, 8, {0, 5, UV_NO_FIELD}, {8, 8, 8}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Press(c.hero, c.count, c.first, c.keys), c.firsts);
    }
    unitview_up_button = unitview_dn_button = UV_NO_FIELD;
}

TEST(Unit_View_Paging, RowsOnPageAndArrows)
{
    uv_hero = 1;
    EXPECT_EQ(UV_Rows_On_Page(0, 5), 4);
    EXPECT_EQ(UV_Rows_On_Page(4, 5), 1);
    EXPECT_EQ(UV_Is_Multipage(1, 4), 0) << "a hero with exactly 4 rows has one page";
    EXPECT_EQ(UV_Is_Multipage(1, 5), 1);
    uv_hero = 0;
    EXPECT_EQ(UV_Rows_On_Page(0, 16), 8);
    EXPECT_EQ(UV_Rows_On_Page(8, 11), 3);
    EXPECT_EQ(UV_Rows_On_Page(0, 0), 0);
    EXPECT_EQ(UV_Is_Multipage(0, 8), 0);
    EXPECT_EQ(UV_Is_Multipage(0, 9), 1);
    // A rebuilt list keeps its first row unless the row now lies at or past the end.
    EXPECT_EQ(Unit_View_Keep_First_Row(8, 12), 8);
    EXPECT_EQ(Unit_View_Keep_First_Row(8, 8), 0);
    EXPECT_EQ(Unit_View_Keep_First_Row(4, 4), 0);
}

std::vector<int> Row_Of(const Stat_Icon_Place *places, int16_t n, int dy)
{
    std::vector<int> xs;
    for (int16_t i = 0; i < n; ++i)
        if (places[i].dy == dy) xs.push_back(places[i].dx);
    return xs;
}

TEST(Unit_View_Icons, StatisticRows)
{
    Stat_Icon_Place places[UV_MAX_ROW_ICONS];
    int16_t n = UV_Stat_Icon_Layout(31, 15, 0, 0, places);
    ASSERT_EQ(n, 30) << "a statistic of 31 draws 30 icons";
    EXPECT_EQ(Row_Of(places, n, 0), (std::vector<int>{0, 10, 20, 30, 40, 52, 62, 72, 82, 92, 104, 114, 124, 134, 144}));
    EXPECT_EQ(Row_Of(places, n, 2), (std::vector<int>{3, 13, 23, 33, 43, 55, 65, 75, 85, 95, 107, 117, 127, 137, 147}));
    EXPECT_EQ(UV_Stat_Icon_Layout(0, 15, 0, 0, places), 0);
    EXPECT_EQ(UV_Stat_Icon_Layout(-2, 15, 3, 0, places), 0);
    EXPECT_EQ(UV_Stat_Icon_Layout(25, 10, 0, 0, places), 20) << "two rows of the production screen's ten";

    // Value 5, bonus 2, lost 1: six icons, the last two gold, the lost one shaded.
    n = UV_Stat_Icon_Layout(5, 15, 2, 1, places);
    ASSERT_EQ(n, 6);
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(places[i].gold, i >= 4) << i;
        EXPECT_EQ(places[i].shaded, i >= 5) << i;
    }
}

TEST(Unit_View_Icons, HitsRows)
{
    Stat_Icon_Place places[UV_MAX_ROW_ICONS];
    EXPECT_EQ(UV_Hits_Icon_Layout(0, 0, 15, 0, places), 0);

    // One row: the damaged icons at the end are shaded, the bonus ones gold.
    int16_t n = UV_Hits_Icon_Layout(6, 2, 15, 1, places);
    ASSERT_EQ(n, 6);
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(places[i].shaded, i >= 4) << i;
        EXPECT_EQ(places[i].gold, i >= 5) << i;
        EXPECT_EQ(places[i].dy, 0);
    }

    // Two rows, damage within the second row: first row plain at the corner, second offset.
    n = UV_Hits_Icon_Layout(20, 3, 15, 0, places);
    ASSERT_EQ(n, 20);
    EXPECT_EQ(places[0].dx, 0);
    EXPECT_EQ(places[0].dy, 0);
    EXPECT_FALSE(places[14].shaded);
    EXPECT_EQ(places[15].dx, 3);
    EXPECT_EQ(places[15].dy, 2);
    EXPECT_FALSE(places[16].shaded);
    EXPECT_TRUE(places[17].shaded);

    // Damage reaching the first row: the second row goes first, all shaded, at the corner.
    n = UV_Hits_Icon_Layout(20, 7, 15, 0, places);
    ASSERT_EQ(n, 20);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(places[i].dy, 0);
        EXPECT_TRUE(places[i].shaded);
    }
    for (int i = 5; i < 20; ++i) {
        EXPECT_EQ(places[i].dy, 2);
        EXPECT_EQ(places[i].shaded, i - 5 >= 13) << i;
    }
}

TEST(Unit_View_Icons, IconChoices)
{
    struct Case {
        void (*choose)(int16_t, int16_t *);
        int16_t value, icon;
    } cases[] = {
        {Melee_Type_Icon, 0, uvi_Melee},          {Melee_Type_Icon, 1, uvi_Melee},
        {Melee_Type_Icon, 2, uvi_Melee_2},        {Melee_Type_Icon, 3, uvi_Melee_3},
        {Melee_Type_Icon, 4, uvi_Melee_4},        {Ranged_Type_Icon, 10, uvi_Rocks_Bullets},
        {Ranged_Type_Icon, 20, uvi_Arrows},       {Ranged_Type_Icon, 22, uvi_Rocks_Bullets},
        {Ranged_Type_Icon, 30, uvi_Magic_Ranged}, {Ranged_Type_Icon, 39, uvi_Arrows},
        {Ranged_Type_Icon, 100, uvi_Thrown},      {Ranged_Type_Icon, 103, uvi_Breath},
    };
    for (const Case &c : cases) {
        int16_t icon = -1;
        c.choose(c.value, &icon);
        EXPECT_EQ(icon, c.icon) << c.value;
    }
    struct Move {
        uint16_t flags;
        int16_t icon;
    } moves[] = {{0, uvi_Moves_Foot},
                 {0x1 | 0x8, uvi_Moves_Foot},
                 {0x2 | 0x8, uvi_Moves_Water},
                 {0x8 | 0x4, uvi_Moves_Flying},
                 {0x4, uvi_Moves_Water}};
    for (const Move &m : moves) {
        int16_t icon = -1;
        Moves_Type_Icon(m.flags, &icon);
        EXPECT_EQ(icon, m.icon) << m.flags;
    }
}

// The building view joins what a building allows with these.
TEST(Unit_View_Texts, ArticlesAndListJoints)
{
    struct Article {
        const char *word, *article;
    } articles[] = {{"Orc", "an"}, {"elf", "an"}, {"Unicorn", "an"}, {"Barracks", "a"}, {"", "a"}, {"yeti", "a"}};
    for (const Article &a : articles) EXPECT_STREQ(An(a.word), a.article) << a.word;

    char text[40] = "";
    int16_t counter = 0;
    for (const char *name : {"Spearmen", "Swordsmen", "Bowmen"}) {
        Add_Comma_Or_And(&counter, 3, text, sizeof text);
        strncat(text, name, sizeof text - strlen(text) - 1);
    }
    EXPECT_STREQ(text, "Spearmen, Swordsmen and Bowmen");
    EXPECT_EQ(counter, 3);
    // The joint never runs past the text's room.
    char small[8] = "Abcdef";
    counter = 1;
    Add_Comma_Or_And(&counter, 2, small, sizeof small);
    EXPECT_STREQ(small, "Abcdef ");
}

class Unit_View_Panel : public World_Test {
protected:
    static void SetUpTestSuite()
    {
        Test_Engine_Start();
        World_Clear();
        Test_Search_Standin_Data();
    }
    void SetUp() override
    {
        World_Test::SetUp();
        Unit_Type_Table_Reset();
        _units = 2;
        _current_player_idx = 0;
        for (int16_t u = 0; u < 2; ++u) {
            _UNITS[u] = Unit_Record{};
            _UNITS[u].type = (uint8_t)(u == 0 ? 40 : 3);
            _UNITS[u].owner_idx = 0;
            _UNITS[u].Hero_Slot = (int8_t)(u == 0 ? -1 : 0);
            _UNITS[u].wx = 10;
            _UNITS[u].wy = 10;
        }
        snprintf(_players[0].Heroes[0].name, sizeof _players[0].Heroes[0].name, "Torvald");
        _players[0].Heroes[0].unit_idx = 1;
        uv_fill_base = 0;
        uv_hero = 0;
        uv_specials_list_index = 0;
    }
    void TearDown() override
    {
        Unit_Type_Table_Reset();
        World_Test::TearDown();
    }
};

TEST_F(Unit_View_Panel, DismissQuestions)
{
    char text[UV_MESSAGE_SIZE];
    Unit_View_Dismiss_Question(0, text, sizeof text);
    EXPECT_EQ(std::string(text),
              std::string("Do you wish to disband the unit of \x02") + _unit_type_names[40] + "\x01?");
    Unit_View_Dismiss_Question(1, text, sizeof text);
    EXPECT_STREQ(text, "Do you wish to dismiss \x02Torvald\x01?");
    // A name that fills its 14 bytes without a terminator is cut there.
    memset(_players[0].Heroes[0].name, 'N', sizeof _players[0].Heroes[0].name);
    Unit_View_Dismiss_Question(1, text, sizeof text);
    EXPECT_EQ(std::string(text), "Do you wish to dismiss \x02" + std::string(14, 'N') + "\x01?");
}

// The panel on the stand-in pictures: a unit with its specials, a unit type and a building all
// draw inside the window and leave the rest of the page alone.
TEST_F(Unit_View_Panel, DrawsUnitTypeAndBuildingInsideTheWindow)
{
    Cache_Graphics_Things();
    // The window and the list take the palettes of their backgrounds.
    for (int entry : {1, 28}) {
        ASSERT_NE(gfx_unitview_seg[entry], nullptr);
        EXPECT_NE(LE_U16(gfx_unitview_seg[entry] + FLIC_PALETTE_INFO), 0) << entry;
    }
    Mark_Block(_screen_seg);
    Unit_View_Allocate();
    struct Case {
        int16_t kind, index;
    } cases[] = {
        {uvk_Overland, 0}, {uvk_Overland, 1}, {uvk_Combat, 0}, {uvk_Production, 100 + 40}, {uvk_Production, 3}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.index);
        Set_Page_Off();
        memset(current_video_page, 0, SCREEN_SIZE);
        int16_t count = 0;
        if (c.kind == uvk_Production) {
            Prod_Load_Battle_Unit((int16_t)(c.index >= 100 ? c.index - 100 : 40), global_battle_unit);
            UV_Setup_ProdScr(0);
        } else {
            Load_Battle_Unit(c.index, global_battle_unit);
            Unit_View_Load_Picture(c.index);
            USW_Build_Effect_List(c.index, uv_specials_list_array, &count);
            uv_hero = (int16_t)(_UNITS[c.index].Hero_Slot != -1);
        }
        Thing_View_Draw__WIP(31, 6, c.kind, c.index, uv_specials_list_array, count, UV_item_icon_pict_seg);
        int inside = 0, outside = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 320; ++x) {
                bool in = x >= 31 && x <= 31 + 281 && y >= 6 && y <= 6 + 184;
                if (current_video_page[y * 320 + x] != 0) (in ? inside : outside)++;
            }
        EXPECT_GT(inside, 1000);
        EXPECT_EQ(outside, 0);
    }
    Release_Block(_screen_seg);
    unit_figure_seg = nullptr;
}

}  // namespace
