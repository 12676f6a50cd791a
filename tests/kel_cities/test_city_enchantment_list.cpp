// The enchantment list of a city: attribution and order, pages of six with arrows, removal.
#include <vector>

#include "Cities_Fixture.h"
#include "Fields.h"
#include "Fonts.h"
#include "Palette.h"
#include "Test_Engine.h"
#include "Video.h"
#include "cities/City_Records.h"
#include "cities/screens/City_Enchantment_List.h"

namespace {

class City_Enchantment_List : public Cities_Test {
protected:
    void SetUp() override
    {
        Cities_Test::SetUp();
        Test_Engine_Start();
        Clear_Fields();
        _city_idx = Add_Built_City(1, rt_Orc, 20, 20);
    }

    void Enchant(int count)
    {
        memset(_CITIES[_city_idx].enchantments, 0, NUM_CITY_ENCHANTMENTS);
        for (int e = 0; e < count; e++) _CITIES[_city_idx].enchantments[e] = 1;
    }

    // The lines the screen would show now: the page fixed by the field building.
    int16_t Shown_Lines(void)
    {
        Clear_Fields();
        City_Add_Fields_City_Enchantments(140, 51);
        return city_enchantment_display_count;
    }
};

}  // namespace

TEST_F(City_Enchantment_List, NightshadeComesFirstForNobodyThenTheOwnersInNameOrder)
{
    City_Record &city = _CITIES[_city_idx];
    city.enchantments[ce_Famine] = 1;  // cast by the human, attributed to the owner
    city.enchantments[ce_Nightshade] = 4;
    city.enchantments[ce_Evil_Presence] = 3;
    int16_t list[NUM_CITY_ENCHANTMENTS] = {};
    int16_t owners[NUM_CITY_ENCHANTMENTS] = {};
    int16_t count = 0;
    Build_City_Enchantment_List(_city_idx, list, owners, &count);
    ASSERT_EQ(count, 3);
    EXPECT_EQ(std::vector<int16_t>(list, list + 3), (std::vector<int16_t>{ce_Nightshade, ce_Evil_Presence, ce_Famine}));
    EXPECT_EQ(std::vector<int16_t>(owners, owners + 3), (std::vector<int16_t>{CITY_ENCHANTMENT_OWNER_NOBODY, 1, 1}));
    EXPECT_STREQ(_city_enchantment_names[list[0]], "Nightshade");

    Build_City_Enchantment_List(77, list, owners, &count);
    EXPECT_EQ(count, 0) << "a city off the table has none";
}

TEST_F(City_Enchantment_List, SixLinesHaveNoArrowsSevenArePagesOfSixAndOne)
{
    Enchant(6);
    Do_Build_City_Enchantment_List();
    EXPECT_EQ(city_enchantment_display_scroll_flag, 0);
    EXPECT_EQ(Shown_Lines(), 6);
    EXPECT_EQ(city_up_button, CITY_ENCHANTMENT_NO_BUTTON);
    EXPECT_EQ(city_dn_button, CITY_ENCHANTMENT_NO_BUTTON);

    Enchant(7);
    Do_Build_City_Enchantment_List();
    EXPECT_EQ(city_enchantment_display_scroll_flag, 1);
    EXPECT_EQ(Shown_Lines(), 6);
    EXPECT_NE(city_up_button, CITY_ENCHANTMENT_NO_BUTTON);
    EXPECT_NE(city_dn_button, CITY_ENCHANTMENT_NO_BUTTON);
    City_Enchantment_Page_Down();
    EXPECT_EQ(city_enchantment_display_first, 6);
    EXPECT_EQ(Shown_Lines(), 1);
    for (int i = 1; i < CITY_ENCHANTMENT_PAGE_LINES; i++)
        EXPECT_EQ(city_enchantment_fields[i], CITY_ENCHANTMENT_NO_BUTTON) << "line " << i << " is not shown";
    City_Enchantment_Page_Down();
    EXPECT_EQ(city_enchantment_display_first, 0) << "down from the last page wraps";
    City_Enchantment_Page_Up();
    EXPECT_EQ(city_enchantment_display_first, 6) << "up from the first page goes to the last";
    EXPECT_EQ(Shown_Lines(), 1);

    Enchant(12);
    Do_Build_City_Enchantment_List();
    City_Enchantment_Page_Up();
    EXPECT_EQ(city_enchantment_display_first, 12);
    EXPECT_EQ(Shown_Lines(), 6) << "a page past the end shows the first";
    EXPECT_EQ(city_enchantment_display_first, 0);
}

TEST_F(City_Enchantment_List, TurningOffTheLastLineOfAPageReturnsToTheFirstPage)
{
    Enchant(13);
    Do_Build_City_Enchantment_List();
    City_Enchantment_Page_Down();
    City_Enchantment_Page_Down();
    ASSERT_EQ(Shown_Lines(), 1);
    Turn_Off_City_Enchantment(_city_idx, city_enchantment_list[12]);
    EXPECT_EQ(_CITIES[_city_idx].enchantments[12], 0);
    City_Enchantment_List_Rebuild(_city_idx);
    EXPECT_EQ(city_enchantment_list_count, 12);
    EXPECT_EQ(city_enchantment_display_scroll_flag, 1);
    EXPECT_EQ(Shown_Lines(), 6);
    EXPECT_EQ(city_enchantment_display_first, 0);

    Enchant(7);
    Do_Build_City_Enchantment_List();
    City_Enchantment_Page_Down();
    Turn_Off_City_Enchantment(_city_idx, city_enchantment_list[6]);
    City_Enchantment_List_Rebuild(_city_idx);
    EXPECT_EQ(city_enchantment_list_count, 6);
    EXPECT_EQ(city_enchantment_display_scroll_flag, 0) << "the arrows go";
    EXPECT_EQ(city_enchantment_display_first, 0);
    EXPECT_EQ(Shown_Lines(), 6);

    Turn_Off_City_Enchantment(_city_idx, NUM_CITY_ENCHANTMENTS);
    Turn_Off_City_Enchantment(_city_idx, -1);
    Turn_Off_City_Enchantment(99, 0);
    EXPECT_EQ(_CITIES[_city_idx].enchantments[0], 1) << "indices off the tables change nothing";
}

namespace {

// Pixels of the colour in the rows y .. y + rows - 1 of the drawing page.
int Pixels_Of(uint8_t colour, int y, int rows)
{
    int n = 0;
    for (int i = y * SCREEN_WIDTH; i < (y + rows) * SCREEN_WIDTH; i++) n += current_video_page[i] == colour;
    return n;
}

}  // namespace

TEST_F(City_Enchantment_List, LinesAreInTheOwnersBannerColourAndTheNeutralsIsTheSixth)
{
    static uint8_t sets[256] = {};
    font_colors = sets;
    struct Case {
        int owner;
        uint8_t banner;
        uint8_t colour;
    };
    const Case cases[] = {{0, 0, 222}, {1, 3, 201}, {NEUTRAL_PLAYER_IDX, 0, 50}};
    for (const Case &c : cases) {
        _CITIES[_city_idx].owner_idx = (int8_t)c.owner;
        _players[c.owner].banner_id = c.banner;
        Enchant(2);
        _CITIES[_city_idx].enchantments[ce_Nightshade] = 1;
        Do_Build_City_Enchantment_List();
        Shown_Lines();
        memset(current_video_page, 0, SCREEN_SIZE);
        City_Screen_Draw_City_Enchantments(140, 51);
        EXPECT_EQ(Pixels_Of(c.colour, 51, 7), 0) << "the first line is Nightshade's, for nobody";
        EXPECT_GT(Pixels_Of(1, 51, 7), 0);
        EXPECT_GT(Pixels_Of(c.colour, 58, 14), 0) << "owner " << c.owner;
    }
    EXPECT_EQ(_players[NEUTRAL_PLAYER_IDX].banner_id, 5) << "the neutral player's banner is set for its colour";
    font_colors = nullptr;
}

TEST_F(City_Enchantment_List, ShortListPrintsTwoColumnsOfFourInBannerColours)
{
    static uint8_t sets[256] = {};
    font_colors = sets;
    _players[1].banner_id = 1;
    const int16_t list[9] = {ce_Nightshade, 0, 1, 2, 3, 4, 5, 6, 7};
    const int16_t owners[9] = {CITY_ENCHANTMENT_OWNER_NOBODY, 1, 1, 1, 1, 1, 1, 1, 1};
    memset(current_video_page, 0, SCREEN_SIZE);
    Print_City_Enchantment_List(20, 100, list, owners, 9);
    auto count = [](uint8_t colour, int x1, int y1, int x2, int y2) {
        int n = 0;
        for (int y = y1; y <= y2; y++)
            for (int x = x1; x <= x2; x++) n += current_video_page[y * SCREEN_WIDTH + x] == colour;
        return n;
    };
    EXPECT_GT(count(6, 20, 100, 82, 106), 0) << "Nightshade's line is for nobody";
    EXPECT_EQ(count(218, 20, 100, 82, 106), 0);
    EXPECT_GT(count(218, 20, 107, 82, 127), 0) << "the owner's banner colour";
    EXPECT_GT(count(218, 83, 100, 160, 127), 0) << "entries from the fifth on in the second column";
    EXPECT_EQ(count(218, 83, 128, 160, 140), 0) << "eight entries at most";
    EXPECT_EQ(count(218, 20, 128, 82, 140), 0);
    font_colors = nullptr;
}
