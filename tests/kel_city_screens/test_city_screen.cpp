// The city screen: the population figure and growth, the production coins, the icon spacing of the
// resource rows, the farmers a click on the population row leaves, when Buy is offered, the
// enchantment pages, and the screen run through keys and clicks: farmers, buying, changing the
// product, selling back one building a turn and leaving by the garrison.
#include <cstring>
#include <string>
#include <vector>

#include "City_Screens_Fixture.h"
#include "Dialog_Boxes.h"
#include "Help.h"
#include "STU_GRAF.h"
#include "cities/City_Records.h"
#include "cities/Product_Rules.h"
#include "cities/screens/City_Enchantment_List.h"
#include "cities/screens/City_Screen_Draw.h"
#include "cities/screens/Cityscape_Draw.h"
#include "cities/screens/Production_Screen.h"
#include "overland/Game_Resources.h"
#include "shell/Graphics_Cache.h"
#include "shell/Screen_Control.h"
#include "world/City_Economy.h"
#include "world/Unit_Record.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"

namespace {

class City_Screen_Test : public City_Screens_Test {
protected:
    void SetUp() override
    {
        City_Screens_Test::SetUp();
        STU_GRAF_Set_User_Data_Dir(user.path.c_str());
        Load_VEZ_Resources_Once();
        Main_Screen_Load_Pictures();
        Cache_Graphics_Overland();
        Set_Area(13, 1);
        _players[0].gold_reserve = 20000;
        _unit_stack_count = 0;
        _unit = -1;
        quit_game_flag = 0;
        g_headless_unattended = 0;
        current_screen = scr_City_Screen;
        message_box_text[0] = '\0';  // a box that is not shown reads as empty
        Do_City_Calculations(0);
    }
    void TearDown() override
    {
        STU_GRAF_Set_User_Data_Dir(nullptr);
        City_Screens_Test::TearDown();
    }
    // A left click held over two polls, then released.
    static void Script_Click(std::function<void(int16_t *, int16_t *)> where)
    {
        Then([where] {
            int16_t x = 0, y = 0;
            where(&x, &y);
            Click(x, y);
        });
        Then([] {});
        Then([] { Release(); });
        Then([] {});
    }
    static void Script_Click_At(int16_t x, int16_t y)
    {
        Script_Click([x, y](int16_t *px, int16_t *py) {
            *px = x;
            *py = y;
        });
    }
    static void Script_Key(char c)
    {
        Then([c] { Key(c, c); });
        Then([] {});
    }
    static void Center_Of(int16_t field, int16_t *x, int16_t *y)
    {
        const Field_Record &f = p_fields[field];
        *x = (int16_t)((f.x1 + f.x2) / 2);
        *y = (int16_t)((f.y1 + f.y2) / 2);
    }
    // The middle of the first cityscape rectangle of the building.
    static void Building_At(int16_t bldg_idx, int16_t *x, int16_t *y)
    {
        for (int16_t e = 0; e < cityscape_bldg_count; ++e) {
            if (cityscape_bldg_fields[e].bldg_idx != bldg_idx) continue;
            Center_Of(city_cityscape_fields[e], x, y);
            return;
        }
        *x = 0;
        *y = 0;
    }
    // Remembers every message box text as the boxes show it.
    std::vector<std::string> boxes;
    void Note_Box() { boxes.push_back(message_box_text); }
    int16_t Add_Unit_In_City()
    {
        int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        std::memset(&unit, 0, sizeof unit);
        unit.owner_idx = 0;
        unit.type = 40;
        unit.wx = City().wx;
        unit.wy = City().wy;
        unit.wp = City().wp;
        unit.Hero_Slot = -1;
        unit.Rd_Constr_Left = -1;
        return idx;
    }
};

TEST_F(City_Screen_Test, PopulationFigureAndGrowth)
{
    struct Case {
        int16_t population, houses, growth;
        const char *text;
    } cases[] = {
        {12, 34, 2, "Population: 12,340 (+20)"}, {3, 5, 0, "Population: 3,050 (+0)"},
        {7, 0, -2, "Population: 7,000 (-20)"},   {0, 45, 1, "Population: 450 (+10)"},
        {1, 0, 0, "Population: 1,000 (+0)"},
    };
    for (const Case &c : cases) {
        char text[64];
        City_Population_Text(c.population, c.houses, c.growth, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
}

TEST_F(City_Screen_Test, ProductionCoinsAndIconSpacing)
{
    struct Coins {
        int16_t cost, count, per_row, step;
    } coins[] = {{600, 60, 20, 2}, {500, 50, 10, 5}, {40, 4, 10, 5}, {5, 1, 10, 5}, {0, 1, 10, 5}};
    for (const Coins &c : coins) {
        City_Coin_Layout layout = City_Coin_Layout_Of(c.cost);
        EXPECT_EQ(layout.count, c.count) << c.cost;
        EXPECT_EQ(layout.per_row, c.per_row) << c.cost;
        EXPECT_EQ(layout.step, c.step) << c.cost;
    }
    // Tens 14 apart for a total of 36, 8 apart for 96; ones 8 apart, closer when many.
    EXPECT_EQ(City_Resource_Icons_End_X(0, 36, 35), 3 * 14 + 1 + 5 * 8);
    EXPECT_EQ(City_Resource_Icons_End_X(0, 96, 95), 9 * 8 + 1 + 5 * 8);
    EXPECT_EQ(City_Resource_Icons_End_X(0, 6, 5), 5 * 8);
    EXPECT_EQ(City_Resource_Icons_End_X(0, 8, 0), 0);
    EXPECT_EQ(City_Resource_Icons_End_X(10, 20, 20), 10 + 2 * 14 + 1);
}

TEST_F(City_Screen_Test, FarmerClicksAndTheRowGap)
{
    // Granary and farm market feed five people: no farmer is required.
    City().population = 5;
    City().farmer_count = 3;
    City().bldg_status[bt_Granary] = 1;
    City().bldg_status[bt_Farm_Market] = 1;
    ASSERT_EQ(City_Minimum_Farmers(0), 0);
    EXPECT_EQ(City_Screen_Farmers_After_Click(0, 0), 0);
    EXPECT_EQ(City_Screen_Farmers_After_Click(0, 3), 4);
    City().farmer_count = 0;
    EXPECT_EQ(City_Screen_Farmers_After_Click(0, 0), 1);

    // The granary alone: 2 farmers required. Persons 0 and 1 give 2, person 3 gives 4.
    City().bldg_status[bt_Farm_Market] = -1;
    City().farmer_count = 2;
    ASSERT_EQ(City_Minimum_Farmers(0), 2);
    EXPECT_EQ(City_Screen_Farmers_After_Click(0, 0), 2);
    EXPECT_EQ(City_Screen_Farmers_After_Click(0, 1), 2);
    EXPECT_EQ(City_Screen_Farmers_After_Click(0, 3), 4);

    City_Population_Row_Layout layout = City_Population_Row_Layout_Of(20, 4, 2);
    EXPECT_EQ(layout.pitch, 8);
    EXPECT_EQ(layout.gap_before, 2);
    layout = City_Population_Row_Layout_Of(5, 2, 2);
    EXPECT_EQ(layout.pitch, 9);
    EXPECT_EQ(layout.gap_before, 2) << "all farmers required: the gap follows the farmers";
}

TEST_F(City_Screen_Test, ClampOnEntryRaisesToTheMinimumAndCutsToThePeople)
{
    Set_Area(0, 0);
    City().population = 4;
    City().farmer_count = 0;
    City_Screen_Clamp_Farmers(0);
    EXPECT_EQ(City().farmer_count, City_Minimum_Farmers(0));
    Set_Area(13, 1);
    City().farmer_count = 9;
    City_Screen_Clamp_Farmers(0);
    EXPECT_EQ(City().farmer_count, 4 - City_Rebel_Count(0));
}

TEST_F(City_Screen_Test, BuyIsOfferedOnlyWhenItHelps)
{
    City().construction = bt_Garrison;
    City().production_units = 5;
    struct Case {
        const char *name;
        int16_t product, turns, cost, gold, no_buy;
    } cases[] = {
        {"a building that takes turns", bt_Garrison, 5, 40, 20000, 0},
        {"done next turn anyway", bt_Garrison, 1, 40, 20000, 1},
        {"housing", bt_Housing, 5, 40, 20000, 1},
        {"trade goods", bt_Trade_Goods, 5, 40, 20000, 1},
        {"nothing missing", bt_Garrison, 5, 0, 20000, 1},
        {"too poor", bt_Garrison, 5, 40, 10, 1},
    };
    for (const Case &c : cases) {
        City().construction = c.product;
        city_screen.city_n_turns_to_produce = c.turns;
        city_screen.city_production_cost = c.cost;
        _players[0].gold_reserve = c.gold;
        EXPECT_EQ(City_Can_Buy_Product(), c.no_buy) << c.name;
        EXPECT_EQ(city_screen.city_no_buy, c.no_buy) << c.name;
    }
}

TEST_F(City_Screen_Test, EnchantmentPagesWrap)
{
    struct Case {
        int16_t count, first;
        bool up;
        int16_t expected;
    } cases[] = {
        {8, 0, true, 6}, {8, 6, false, 0}, {12, 0, true, 6}, {12, 6, false, 0}, {13, 6, false, 12}, {6, 0, true, 0},
    };
    for (const Case &c : cases) {
        city_enchantment_list_count = c.count;
        city_enchantment_display_first = c.first;
        if (c.up)
            City_Screen_Enchantments_Up();
        else
            City_Screen_Enchantments_Down();
        EXPECT_EQ(city_enchantment_display_first, c.expected) << c.count << " from " << c.first;
    }
}

TEST_F(City_Screen_Test, ProductZeroBecomesHousingAndOkReturnsToTheMap)
{
    City().construction = 0;
    Then([] {});
    Script_Key('o');
    City_Screen();
    EXPECT_EQ(City().construction, bt_Housing);
    EXPECT_EQ(current_screen, scr_Main_Screen);
    EXPECT_EQ(_unit_stack_count, 0);
    EXPECT_EQ(cityscreen_city_built_bldg_idx, -1);
}

TEST_F(City_Screen_Test, PopulationRowClicksMoveFarmers)
{
    City().population = 5;
    City().farmer_count = 3;
    City().bldg_status[bt_Granary] = 1;
    City().bldg_status[bt_Farm_Market] = 1;
    ASSERT_EQ(City_Minimum_Farmers(0), 0);
    std::vector<int> seen;
    Then([] {});
    Then([] {});
    Script_Click([](int16_t *x, int16_t *y) { Center_Of(city_population_row_fields[4], x, y); });
    Then([&] { seen.push_back(City().farmer_count); });
    Script_Click([](int16_t *x, int16_t *y) { Center_Of(city_population_row_fields[0], x, y); });
    Then([&] { seen.push_back(City().farmer_count); });
    Script_Key('o');
    City_Screen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], 5);
    EXPECT_EQ(seen[1], 0);
}

TEST_F(City_Screen_Test, BuyPaysFourTimesTheMissingProduction)
{
    City().construction = bt_Garrison;
    City().production_units = 1;
    Then([] {});
    Then([] {});
    Script_Key('b');
    Then([&] { Note_Box(); });
    Script_Key('y');
    Script_Key('o');
    int16_t cost = City_Production_Cost(bt_Garrison, 0);
    ASSERT_GT(cost, 0);
    City_Screen();
    ASSERT_FALSE(boxes.empty());
    EXPECT_NE(boxes[0].find("Do you wish to spend \x02"), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find(" Gold\x01  by purchasing a"), std::string::npos) << boxes[0];
    EXPECT_EQ(City().Prod_Accu, cost);
    EXPECT_EQ(_players[0].gold_reserve, 20000 - 4 * cost);
}

TEST_F(City_Screen_Test, ChangeTheProductOnTheProductionScreen)
{
    City().construction = bt_Housing;
    int16_t list[PRODUCT_LIST_MAX], length = 0, producible = 0, units = 0;
    Calculate_Product_Array(0, &length, &producible, &units, list);
    // The first building that is neither trade goods nor housing, clicked twice.
    int16_t entry = units;
    while (entry < length && list[entry] <= bt_Housing) ++entry;
    ASSERT_LT(entry, length);
    int16_t pick = list[entry];
    int16_t y = (int16_t)(4 + 14 * (entry - units) + 5);
    Then([] {});
    Script_Key('c');
    Then([] {});
    Script_Click_At(30, y);
    Script_Click_At(30, y);
    Then([] {});
    Then([] {});
    Script_Key('o');
    City_Screen();
    EXPECT_EQ(City().construction, pick);
    EXPECT_EQ(current_screen, scr_Main_Screen);
}

TEST_F(City_Screen_Test, SellingBackOneBuildingATurn)
{
    // A building that another one needs, from the installation's table.
    int16_t needed = -1, needing = -1;
    for (int16_t b = 3; b < bt_City_Walls && needed < 0; ++b) {
        int16_t r = bldg_data_table[b].reqd_bldg_1;
        if (r >= 3 && r < bt_City_Walls && r != bt_Garrison && b != bt_Garrison) {
            needed = r;
            needing = b;
        }
    }
    ASSERT_GE(needed, 0);
    City().population = 8;
    City().bldg_status[bt_Garrison] = 1;
    City().bldg_status[needed] = 1;
    City().bldg_status[needing] = 1;
    City().construction = bt_Housing;
    Do_City_Calculations(0);
    int16_t requiring = -1;
    ASSERT_EQ(City_Building_Has_Requirement(needed, 0, &requiring), 0);
    ASSERT_EQ(City_Building_Has_Requirement(needing, 0, &requiring), 1);
    int32_t gold = _players[0].gold_reserve;
    int16_t price = City_Sell_Building_Value(needing);
    Then([] {});
    Then([] {});
    // The needed building: a warning names the one that needs it.
    Script_Click([needed](int16_t *x, int16_t *y) { Building_At(needed, x, y); });
    Then([&] { Note_Box(); });
    Script_Key('\r');
    Then([] {});
    // The needing building may go: a question with its price.
    Script_Click([needing](int16_t *x, int16_t *y) { Building_At(needing, x, y); });
    Then([&] { Note_Box(); });
    Script_Key('y');
    Then([] {});
    // A second sale in the same turn is refused.
    Script_Click([](int16_t *x, int16_t *y) { Building_At(bt_Garrison, x, y); });
    Then([&] { Note_Box(); });
    Script_Key('\r');
    Then([] {});
    Script_Key('o');
    City_Screen();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_NE(boxes[0].find("You cannot sell back the "), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find(" because it is required by the "), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[1].find("Do you wish to sell back the \x02"), std::string::npos) << boxes[1];
    EXPECT_NE(boxes[1].find(" for " + std::to_string(price) + " gold?"), std::string::npos) << boxes[1];
    EXPECT_EQ(boxes[2], "You can only sell back one building each turn.");
    EXPECT_EQ(City().bldg_status[needing], 2);
    EXPECT_EQ(City().bldg_status[needed], 1);
    EXPECT_EQ(City().bldg_status[bt_Garrison], 1);
    EXPECT_EQ(City().bldg_sold, 1);
    EXPECT_EQ(_players[0].gold_reserve, gold + price);
}

TEST_F(City_Screen_Test, GarrisonClickLeavesWithTheCitysUnitsSelected)
{
    int16_t unit = Add_Unit_In_City();
    all_units_moved = 1;
    Then([] {});
    Then([] {});
    Script_Click_At(CITY_GARRISON_X + 5, CITY_GARRISON_Y + 5);
    City_Screen();
    EXPECT_EQ(current_screen, scr_Main_Screen);
    ASSERT_EQ(_unit_stack_count, 1);
    EXPECT_EQ(_unit_stack[0].unit_idx, unit);
    EXPECT_EQ(all_units_moved, 0);
}

TEST_F(City_Screen_Test, SellingWhatTheProductNeedsWarnsThenBuildsHousing)
{
    int16_t needed = -1, needing = -1;
    for (int16_t b = 3; b < bt_City_Walls && needed < 0; ++b) {
        int16_t r = bldg_data_table[b].reqd_bldg_1;
        if (r >= 3 && r < bt_City_Walls && r != bt_Garrison && b != bt_Garrison) {
            needed = r;
            needing = b;
        }
    }
    ASSERT_GE(needed, 0);
    City().population = 8;
    City().bldg_status[needed] = 1;
    City().construction = needing;
    Do_City_Calculations(0);
    Then([] {});
    Then([] {});
    Script_Click([needed](int16_t *x, int16_t *y) { Building_At(needed, x, y); });
    Then([&] { Note_Box(); });
    Script_Key('\r');
    Then([&] { Note_Box(); });
    Script_Key('y');
    Then([] {});
    Script_Key('o');
    City_Screen();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].rfind("Selling back your \x02", 0), 0u) << boxes[0];
    EXPECT_NE(boxes[0].find("\x01 will cease production of your \x02"), std::string::npos) << boxes[0];
    EXPECT_EQ(City().bldg_status[needed], 2);
    EXPECT_EQ(City().construction, bt_Housing);
}

TEST_F(City_Screen_Test, OwnEnchantmentsTurnOffButNightshadeDoesNot)
{
    City().enchantments[ce_Nightshade] = 1;
    City().enchantments[ce_Wall_of_Fire] = 1;
    // Nightshade is listed first and belongs to nobody; Wall of Fire to the city's owner.
    Then([] {});
    Then([] {});
    Script_Click_At(140, 52);
    Then([&] { Note_Box(); });
    Script_Click_At(140, 59);
    Then([&] { Note_Box(); });
    Script_Key('y');
    Then([] {});
    Script_Key('o');
    City_Screen();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], "") << "a click on the Nightshade line asks nothing";
    EXPECT_EQ(boxes[1], "Do you wish to turn off the \x02Wall of Fire\x01  spell?");
    EXPECT_EQ(City().enchantments[ce_Wall_of_Fire], 0);
    EXPECT_EQ(City().enchantments[ce_Nightshade], 1);
}

TEST_F(City_Screen_Test, HelpEntriesFollowWhatIsShown)
{
    Set_City_Screen_Help_List();
    City().race = rt_Dwarven;
    City().food_units = 3;
    City().production_units = 0;
    City().gold_units = 0;
    City().building_maintenance = 2;
    City().mana_units = 0;
    City().research_units = 1;
    city_enchantment_display_count = 0;
    city_screen_scanned_field = -1;
    City_Screen_Set_Help_Entries();
    EXPECT_EQ(_help_entries[1].help_idx, 279 + rt_Dwarven);
    EXPECT_EQ(_help_entries[2].help_idx, 295);
    EXPECT_EQ(_help_entries[3].help_idx, -1);
    EXPECT_EQ(_help_entries[4].help_idx, 297);
    EXPECT_EQ(_help_entries[5].help_idx, -1);
    EXPECT_EQ(_help_entries[6].help_idx, 300);
    EXPECT_EQ(_help_entries[7].help_idx, 301);
    EXPECT_EQ(_help_entries[9].help_idx, 303);
    EXPECT_EQ(_help_entries[14].help_idx, -1);
}

}  // namespace
