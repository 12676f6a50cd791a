// The city list's rows and scrolling, the first row kept between visits, and the foreign city
// view's garrison, report and enchantment pages.
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "../kel_city_screens/City_Screens_Fixture.h"
#include "Video.h"
#include "cities/screens/CityList_Screen.h"
#include "cities/screens/City_Enchantment_List.h"
#include "cities/screens/Enemy_City_Screen.h"
#include "cities/screens/Outpost_Screen.h"
#include "cities/screens/Production_Screen.h"
#include "shell/Map_Window.h"
#include "shell/Screen_Control.h"
#include "world/Army_Queries.h"
#include "world/Scouting.h"
#include "world/Unit_Record.h"

namespace {

// Ends a screen that did not leave by its input, which the test then reports.
void Then_Give_Up()
{
    for (int i = 0; i < 30; ++i) City_Poll_Script().push_back([] {});
    City_Poll_Script().push_back([] { quit_game_flag = 1; });
}

class City_List_Test : public City_Screens_Test {
protected:
    void SetUp() override
    {
        City_Screens_Test::SetUp();
        Enable_Cancel();  // as the game runs its screens: right clicks reach the fields
    }
    // count cities of the human's, plus one of player 1 in between.
    void Make_Cities(int count)
    {
        _cities = 0;
        for (int i = 0; i < count + 1; ++i) {
            City_Record &city = _CITIES[_cities];
            std::memset(&city, 0, sizeof city);
            std::snprintf(city.name, sizeof city.name, "City%d", i % 100);
            city.owner_idx = (int8_t)(i == 2 ? 1 : 0);
            city.wx = (uint8_t)(2 + 3 * (i % 18));
            city.wy = (uint8_t)(5 + 3 * (i / 18));
            city.size = 2;
            city.population = 3;
            city.construction = bt_Housing;
            std::memset(city.bldg_status, -1, sizeof city.bldg_status);
            city.bldg_status[0] = 0;
            ++_cities;
        }
    }
};

TEST_F(City_List_Test, BuildsTheCurrentPlayersCitiesAndTurnsNothingIntoHousing)
{
    Make_Cities(4);
    _CITIES[3].construction = 0;
    _CITIES[2].construction = 0;  // another player's: left alone
    Build_City_List();
    ASSERT_EQ(m_city_list_count, 4);
    const int16_t expected[4] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(m_city_list_array[i], expected[i]);
    EXPECT_EQ(_CITIES[3].construction, 2);
    EXPECT_EQ(_CITIES[2].construction, 0);
}

TEST_F(City_List_Test, DownStepsByListLength)
{
    struct Case {
        int cities;
        std::vector<int16_t> firsts;  // first row after each down step that is offered
    } cases[] = {
        {12, {1, 2, 3}}, {20, {5, 10, 11}}, {4, {}}, {9, {}}, {10, {1}},
    };
    for (const Case &c : cases) {
        Make_Cities(c.cities);
        Build_City_List();
        m_citylist_first_item = 0;
        CityList_Restore_First_Item();
        Update_Cities_List();
        EXPECT_EQ(CityList_Can_Scroll_Up(), 0) << c.cities;
        std::vector<int16_t> seen;
        while (CityList_Can_Scroll_Down() && seen.size() < 10) {
            CityList_Scroll_Down();
            seen.push_back(list_first_item);
        }
        EXPECT_EQ(seen, c.firsts) << c.cities;
        Update_Cities_List();
        EXPECT_EQ(list_item_count, c.cities < CITY_LIST_ROWS ? c.cities : CITY_LIST_ROWS) << c.cities;
        // The last row shows the last city once the steps end.
        EXPECT_EQ(list_cities[list_item_count - 1], m_city_list_array[m_city_list_count - 1]) << c.cities;
    }
}

// The stand-in arrows are boxes whose inner corner shows the frame: usable (0) or greyed (1).
TEST_F(City_List_Test, ArrowsOnlyForAListLongerThanThePageWithTheirFrames)
{
    constexpr int NONE = -1, USABLE = 46, GREYED = 17;
    struct Case {
        int cities;
        int16_t first;
        int up, down;  // the body colour of the arrows, or NONE
    } cases[] = {
        {4, 0, NONE, NONE},      {9, 0, NONE, NONE},      {12, 0, GREYED, USABLE},
        {12, 3, USABLE, GREYED}, {20, 5, USABLE, USABLE},
    };
    for (const Case &c : cases) {
        Make_Cities(c.cities);
        Build_City_List();
        CityList_Screen_Load();
        m_citylist_first_item = c.first;
        CityList_Restore_First_Item();
        Update_Cities_List();
        CityList_Screen_Draw();
        const uint8_t *page = Set_Page_Off();
        auto at = [page](int x, int y) { return (int)page[y * 320 + x]; };
        const int background = at(5, 100);
        for (int x : {12, 300}) {
            EXPECT_EQ(at(x, 27), c.up == NONE ? background : c.up) << c.cities << " up, x " << x;
            EXPECT_EQ(at(x, 140), c.down == NONE ? background : c.down) << c.cities << " down, x " << x;
        }
    }
}

// The arrows on either side and the U and D keys scroll the list on screen.
TEST_F(City_List_Test, ArrowsAndKeysScrollTheScreen)
{
    struct Step {
        int16_t x, y;  // a click, or a key when x is 0
        char key;
    };
    struct Case {
        const char *name;
        std::vector<Step> steps;
        int16_t first;
    } cases[] = {
        {"left down arrow", {{15, 143, 0}}, 5},
        {"right down arrow twice, then the left up arrow", {{303, 143, 0}, {303, 143, 0}, {15, 30, 0}}, 5},
        {"D, D, U, D", {{0, 0, 'd'}, {0, 0, 'd'}, {0, 0, 'u'}, {0, 0, 'd'}}, 10},
        {"the up arrows at the top", {{15, 30, 0}, {303, 30, 0}}, 0},
    };
    for (const Case &c : cases) {
        Make_Cities(20);
        m_citylist_first_item = 0;
        Platform_Keyboard_Buffer_Clear();
        City_Poll_Script().clear();
        for (const Step &step : c.steps) {
            Then([] {});
            if (step.x == 0) {
                char key = step.key;
                Then([key] { Key(key, key); });
            } else {
                int16_t x = step.x, y = step.y;
                Then([x, y] { Click(x, y); });
                Then([] { Release(); });
            }
            Then([] {});
        }
        Then([] { Key(27, 27); });
        Then_Give_Up();
        CityList_Screen();
        EXPECT_EQ(quit_game_flag, 0) << c.name;
        quit_game_flag = 0;
        EXPECT_EQ(list_first_item, c.first) << c.name;
    }
}

TEST_F(City_List_Test, UpStepsBackToTheTop)
{
    Make_Cities(20);
    Build_City_List();
    list_first_item = 11;
    CityList_Scroll_Up();
    EXPECT_EQ(list_first_item, 6);
    CityList_Scroll_Up();
    EXPECT_EQ(list_first_item, 1);
    CityList_Scroll_Up();
    EXPECT_EQ(list_first_item, 0);
    EXPECT_EQ(CityList_Can_Scroll_Up(), 0);
}

TEST_F(City_List_Test, KeptFirstRowIsClampedWhenCitiesWereLost)
{
    struct Case {
        int cities;
        int16_t kept, first;
    } cases[] = {{20, 11, 11}, {12, 11, 3}, {4, 11, 0}, {0, 5, 0}, {20, -3, 0}};
    for (const Case &c : cases) {
        Make_Cities(c.cities);
        if (c.cities == 0) _cities = 1, _CITIES[0].owner_idx = 1;
        Build_City_List();
        m_citylist_first_item = c.kept;
        CityList_Restore_First_Item();
        Update_Cities_List();
        EXPECT_EQ(list_first_item, c.first) << c.cities;
        for (int row = 0; row < list_item_count; ++row) EXPECT_GE(list_cities[row], 0) << c.cities;
    }
}

// With the list scrolled to its fourth city (an outpost on the other plane, then a city), a click
// on a row leads where the city calls for; a right click keeps the first row for the next visit.
TEST_F(City_List_Test, RowClicksOpenTheCityOrItsProductionAndOutpostsTheirViews)
{
    constexpr int16_t OUTPOST = 4, CITY = 5;
    struct Case {
        const char *name;
        int16_t row, button;
        int16_t screen;
        int16_t kept_first;  // the first row kept for the next visit: stored by a right click only
        bool outpost_view;
    } cases[] = {
        {"left click on a city", 1, 1, scr_City_Screen, 0, false},
        {"left click on an outpost", 0, 1, scr_Main_Screen, 0, false},
        {"right click on a city", 1, 2, scr_Production_Screen, 3, false},
        {"right click on an outpost", 0, 2, scr_Main_Screen, 3, true},
    };
    for (const Case &c : cases) {
        Make_Cities(12);
        _CITIES[OUTPOST].size = 0;
        _CITIES[OUTPOST].wp = 1;
        _CITIES[OUTPOST].wx = 30;
        _CITIES[OUTPOST].wy = 20;
        m_citylist_first_item = 3;
        production_screen_return_screen = 2;
        _map_plane = 0;
        _city_idx = -1;
        m_new_outpost_flag = 7;
        Platform_Keyboard_Buffer_Clear();
        City_Poll_Script().clear();
        static int16_t row;
        static int16_t button;
        row = c.row;
        button = c.button;
        Then([] { m_citylist_first_item = 0; });  // the screen has shown its rows from the kept 3
        Then([] { Click(150, (int16_t)(30 + 14 * row), button); });
        Then([] { Release(); });
        Then([] {});
        Then([] { Key(27, 27); });  // leaves the outpost view, else nothing is left to read it
        Then([] {});
        Then([] { Key(27, 27); });
        Then_Give_Up();
        CityList_Screen();
        EXPECT_EQ(quit_game_flag, 0) << c.name;
        quit_game_flag = 0;
        EXPECT_EQ(current_screen, c.screen) << c.name;
        EXPECT_EQ(_city_idx, c.row == 0 ? OUTPOST : CITY) << c.name;
        EXPECT_EQ(m_citylist_first_item, c.kept_first) << c.name;
        EXPECT_EQ(m_new_outpost_flag == 0, c.outpost_view) << c.name;
        if (c.button == 1) {
            EXPECT_EQ(_map_plane, _CITIES[_city_idx].wp) << c.name;
            EXPECT_EQ(Map_Wrap_X((int16_t)(_map_x + MAP_VIEW_COLUMNS / 2)), _CITIES[_city_idx].wx) << c.name;
        }
        EXPECT_EQ(production_screen_return_screen, c.screen == scr_Production_Screen ? 1 : 2) << c.name;
    }
}

TEST_F(City_List_Test, ScreenWithoutCitiesDrawsAndLeavesOnEsc)
{
    Make_Cities(0);
    _cities = 1;
    _CITIES[0].owner_idx = 1;
    for (int i = 0; i < 4; ++i) Then([] { Key(27, 27); });
    Then_Give_Up();
    CityList_Screen();
    EXPECT_EQ(quit_game_flag, 0);
    quit_game_flag = 0;
    EXPECT_EQ(current_screen, scr_Main_Screen);
    EXPECT_EQ(m_city_list_count, 0);
}

class Enemy_City_Test : public City_Screens_Test {
protected:
    void SetUp() override
    {
        City_Screens_Test::SetUp();
        Enable_Cancel();
        City().owner_idx = 1;
        _units = 0;
    }
    int16_t Unit_At(int wx, int wy, int wp, int owner, uint32_t enchantments = 0)
    {
        int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        std::memset(&unit, 0, sizeof unit);
        unit.type = 5;
        unit.owner_idx = (int8_t)owner;
        unit.wx = (uint8_t)wx;
        unit.wy = (uint8_t)wy;
        unit.wp = (uint8_t)wp;
        unit.Hero_Slot = -1;
        unit.enchantments = enchantments;
        return idx;
    }
};

TEST_F(Enemy_City_Test, GarrisonDropsNeighbouringInvisibleUnitsAndCountsTowerUnits)
{
    int16_t a = Unit_At(20, 20, 0, 1);
    Unit_At(20, 20, 0, 1, UE_INVISIBILITY);
    Unit_At(20, 20, 0, 1, UE_INVISIBILITY);
    int16_t d = Unit_At(20, 20, 0, 1);
    Unit_At(20, 20, 0, 0);  // another owner
    Unit_At(20, 20, 1, 1);  // other plane
    int16_t tower = Unit_At(20, 20, 1, 1);
    _UNITS[tower].in_tower = UNIT_IN_TOWER;
    Enemy_City_Build_Garrison(0);
    ASSERT_EQ(m_troop_count, 3);
    EXPECT_EQ(m_troops[0], a);
    EXPECT_EQ(m_troops[1], d);
    EXPECT_EQ(m_troops[2], tower);
}

TEST_F(Enemy_City_Test, GarrisonHoldsAtMostNine)
{
    for (int i = 0; i < 14; ++i) Unit_At(20, 20, 0, 1, i % 3 == 0 ? UE_INVISIBILITY : 0u);
    Enemy_City_Build_Garrison(0);
    EXPECT_EQ(m_troop_count, ENEMY_CITY_TROOPS_MAX);
    for (int i = 0; i < m_troop_count; ++i) EXPECT_NE(m_troops[i] % 3, 0);
}

TEST_F(Enemy_City_Test, NoReportUnlessScoutedThisTurn)
{
    Unit_At(20, 20, 0, 1);
    Enemy_City_Screen_Load();
    Enemy_City_Build_Garrison(0);
    Do_Build_City_Enchantment_List();
    Clear_Square_Scouted_Flags(0);
    Enemy_City_Screen_Draw();
    EXPECT_EQ(enemy_city_no_report, 1);
    Set_Square_Scouted(20, 20, 0);
    Enemy_City_Screen_Draw();
    EXPECT_EQ(enemy_city_no_report, 0);
}

TEST_F(Enemy_City_Test, TwelveEnchantmentsPageBySixAndWrap)
{
    for (int e = 0; e < 12; ++e) City().enchantments[e] = 2;
    Do_Build_City_Enchantment_List();
    ASSERT_EQ(city_enchantment_list_count, 12);
    EXPECT_EQ(city_enchantment_display_scroll_flag, 1);
    City_Enchantment_Page_Down();
    EXPECT_EQ(city_enchantment_display_first, 6);
    City_Enchantment_Page_Down();
    EXPECT_EQ(city_enchantment_display_first, 0);
    // Up from the first page lands past the end; building the fields shows the first page.
    City_Enchantment_Page_Up();
    EXPECT_EQ(city_enchantment_display_first, 12);
    Clear_Fields();
    City_Add_Fields_City_Enchantments(ENEMY_CITY_X + 139, ENEMY_CITY_Y + 51);
    EXPECT_EQ(city_enchantment_display_first, 0);
    EXPECT_EQ(city_enchantment_display_count, 6);
}

TEST_F(Enemy_City_Test, AnyClickOrEscLeavesAndAForeignLineCannotBeTurnedOff)
{
    City().enchantments[0] = 2;
    struct Case {
        const char *name;
        std::function<void()> input;
        bool stays;
    } cases[] = {
        {"left click", [] { Click(20, 100); }, false},
        {"right click", [] { Click(20, 100, 2); }, false},
        {"Esc", [] { Key(27, 27); }, false},
        {"a foreign enchantment line", [] { Click(ENEMY_CITY_X + 145, ENEMY_CITY_Y + 53); }, true},
    };
    for (const Case &c : cases) {
        City_Poll_Script().clear();
        Then([] {});
        Then(c.input);
        Then([] { Release(); });
        Then([] {});
        static bool escaped;
        escaped = false;
        Then([] {
            escaped = true;  // reached only when the input above left the view open
            Key(27, 27);
        });
        Then_Give_Up();
        Enemy_City_Screen();
        EXPECT_EQ(quit_game_flag, 0) << c.name;
        quit_game_flag = 0;
        EXPECT_EQ(escaped, c.stays) << c.name;
        EXPECT_EQ(City().enchantments[0], 2) << c.name;
    }
}

}  // namespace
