// The production screen: the entry highlighted for the city's product, the building descriptions,
// a second click on the highlighted entry or OK choosing it, Cancel and Esc keeping the product,
// a full garrison refusing units while OK still takes a highlighted unit, and the screen it
// returns to.
#include <cstring>
#include <string>
#include <vector>

#include "City_Screens_Fixture.h"
#include "Dialog_Boxes.h"
#include "STU_GRAF.h"
#include "cities/Product_Rules.h"
#include "cities/screens/Production_Screen.h"
#include "overland/Game_Resources.h"
#include "shell/Graphics_Cache.h"
#include "shell/Screen_Control.h"
#include "world/City_Economy.h"
#include "world/Unit_Record.h"

namespace {

class Production_Screen_Test : public City_Screens_Test {
protected:
    int16_t list[PRODUCT_LIST_MAX] = {};
    int16_t length = 0, producible = 0, units = 0;
    void SetUp() override
    {
        City_Screens_Test::SetUp();
        STU_GRAF_Set_User_Data_Dir(user.path.c_str());
        Load_VEZ_Resources_Once();
        Set_Area(13, 1);
        City().population = 6;
        City().bldg_status[bt_Garrison] = 1;
        quit_game_flag = 0;
        g_headless_unattended = 0;
        production_screen_return_screen = 2;
        Do_City_Calculations(0);
        Calculate_Product_Array(0, &length, &producible, &units, list);
    }
    void TearDown() override
    {
        STU_GRAF_Set_User_Data_Dir(nullptr);
        City_Screens_Test::TearDown();
    }
    // The middle of list entry i: units in the right column, buildings in the left.
    void Entry_Point(int16_t i, int16_t *x, int16_t *y) const
    {
        bool unit = list[i] >= PRODUCT_UNIT_BASE;
        int16_t row = unit ? i : (int16_t)(i - units);
        *x = (int16_t)((unit ? 240 : 0) + 30);
        *y = (int16_t)(4 + 14 * row + 5);
    }
    void Click_Entry(int16_t i)
    {
        int16_t x = 0, y = 0;
        Entry_Point(i, &x, &y);
        Then([x, y] { Click(x, y); });
        Then([] {});
        Then([] { Release(); });
        Then([] {});
    }
    static void Press(char c)
    {
        Then([c] { Key(c, c == KEY_ESCAPE ? 0 : c); });
        Then([] {});
    }
    void Fill_Garrison()
    {
        for (int i = 0; i < 9; ++i) {
            Unit_Record &unit = _UNITS[_units++];
            std::memset(&unit, 0, sizeof unit);
            unit.owner_idx = 0;
            unit.type = 40;
            unit.wx = City().wx;
            unit.wy = City().wy;
            unit.wp = City().wp;
            unit.Hero_Slot = -1;
            unit.Rd_Constr_Left = -1;
        }
    }
};

TEST_F(Production_Screen_Test, EntryOfTheProductOrTheFirst)
{
    const int16_t products[] = {105, 3, 2, 1};
    EXPECT_EQ(Production_Screen_Entry_Of(3, products, 4), 1);
    EXPECT_EQ(Production_Screen_Entry_Of(105, products, 4), 0);
    EXPECT_EQ(Production_Screen_Entry_Of(20, products, 4), 0) << "a product not offered highlights the first entry";
    EXPECT_EQ(Production_Screen_Entry_Of(3, products, 0), 0);
}

TEST_F(Production_Screen_Test, DescriptionsComeFromTheArchiveTerminated)
{
    Production_Screen_Load_Description(5);
    EXPECT_EQ(std::string(building_description).rfind("Stand-in building 5:", 0), 0u) << building_description;
    EXPECT_LT(std::strlen(building_description), (size_t)BUILDING_DESCRIPTION_SIZE);
    Production_Screen_Load_Description(40);
    EXPECT_STREQ(building_description, "");
}

TEST_F(Production_Screen_Test, SecondClickChoosesAndCancelKeeps)
{
    int16_t entry = units;
    while (entry < length && list[entry] <= bt_Housing) ++entry;
    ASSERT_LT(entry, length);
    City().construction = bt_Housing;
    int16_t pick = list[entry];
    Then([] {});
    Click_Entry(entry);
    Then([&] { EXPECT_EQ(City().construction, bt_Housing) << "one click only highlights"; });
    Click_Entry(entry);
    Production_Screen();
    EXPECT_EQ(City().construction, pick);
    EXPECT_EQ(current_screen, scr_City_Screen);

    struct Case {
        const char *name;
        char key;
        int16_t from, screen;
    } cases[] = {{"Esc from the city screen", 27, 2, scr_City_Screen},
                 {"Cancel from the city list", 'c', 1, scr_Cities_Screen}};
    for (const Case &c : cases) {
        City().construction = bt_Housing;
        production_screen_return_screen = c.from;
        Then([] {});
        Click_Entry(entry);
        Press(c.key);
        Production_Screen();
        EXPECT_EQ(City().construction, bt_Housing) << c.name;
        EXPECT_EQ(current_screen, c.screen) << c.name;
    }
}

TEST_F(Production_Screen_Test, FullGarrisonRefusesUnitsButOkTakesTheHighlightedOne)
{
    ASSERT_GE(units, 2);
    Fill_Garrison();
    City().construction = list[0];
    std::string warning;
    Then([] {});
    Click_Entry(1);
    Then([&] { warning = message_box_text; });
    Press('\r');
    Then([] {});
    Press('o');
    Production_Screen();
    EXPECT_EQ(warning, "There are already too many units currently in the city.");
    EXPECT_EQ(City().construction, list[0]);
    EXPECT_EQ(current_screen, scr_City_Screen);
}

}  // namespace
