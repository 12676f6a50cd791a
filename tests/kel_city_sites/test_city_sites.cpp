// Where a city may be founded, founding an outpost with its refusals, the outpost view's garrison
// and the naming of new cities, the view and the naming boxes run through keys and clicks.
#include <cstring>
#include <functional>
#include <string>

#include "../kel_city_screens/City_Screens_Fixture.h"
#include "Dialog_Boxes.h"
#include "STU_GRAF.h"
#include "cities/Outposts.h"
#include "cities/screens/City_Naming.h"
#include "cities/screens/Outpost_Screen.h"
#include "overland/Army_World_Hooks.h"
#include "overland/Game_Resources.h"
#include "overland/Unit_View_Panel.h"
#include "shell/Graphics_Cache.h"
#include "shell/Screen_Control.h"
#include "turn/Turn_Services.h"
#include "turn/screens/Turn_Screen_Services.h"
#include "world/Army_Services.h"
#include "world/Map_Feature_Records.h"
#include "world/Unit_Record.h"
#include "world/Unit_Stacks.h"

namespace {

class City_Sites_Test : public City_Screens_Test {
protected:
    void SetUp() override
    {
        City_Screens_Test::SetUp();
        for (int t = 0; t < NUM_TOWERS; t++) _TOWERS[t] = Tower_Record{(uint8_t)(50 + t), 30, -1, 0};
        for (int n = 0; n < NUM_NODES; n++) _NODES[n] = Node_Record{}, _NODES[n].wx = 59, _NODES[n].wy = 39;
        _num_players = 4;
        _units = 0;
        Army_Install_World_Hooks();
        Turn_Install_Screen_Services();
    }
    void TearDown() override
    {
        Army_Set_World_Services(Army_World_Services{});
        Turn_Set_Services(Turn_Services{});
        City_Screens_Test::TearDown();
    }
    static int16_t Settler(int owner, int x, int y, int p)
    {
        int16_t u = _units++;
        _UNITS[u] = Unit_Record{};
        _UNITS[u].owner_idx = (int8_t)owner;
        _UNITS[u].wx = (uint8_t)x, _UNITS[u].wy = (uint8_t)y, _UNITS[u].wp = (uint8_t)p;
        _UNITS[u].type = 40;
        _UNITS[u].Hero_Slot = -1;
        return u;
    }
};

TEST_F(City_Sites_Test, City_Sites_SurveyDistancesPlanesTowersAndLairs)
{
    City().wx = 59, City().wy = 10;  // the home city beside the seam
    _LAIRS[0] = Lair_Record{}, _LAIRS[0].wx = 30, _LAIRS[0].wy = 30, _LAIRS[0].Intact = 1;
    _LAIRS[1] = Lair_Record{}, _LAIRS[1].wx = 32, _LAIRS[1].wy = 30, _LAIRS[1].Intact = 0;
    _world_maps[World_Square_Index(40, 35, 1)] = tt_Ocean;
    struct Case {
        const char *what;
        int x, y, p;
        int16_t code;
    } cases[] = {
        {"4 squares away", 55, 10, 0, sts_Free},
        {"3 squares away", 56, 10, 0, sts_City_Near},
        {"same square on the other plane", 59, 10, 1, sts_Free},
        {"across the seam, 2 apart", 1, 10, 0, sts_City_Near},
        {"across the seam, 4 apart", 3, 13, 0, sts_Free},
        {"tower on the first plane", 50, 30, 0, sts_Tower},
        {"tower on the second plane", 50, 30, 1, sts_Tower},
        {"intact lair", 30, 30, 0, sts_Lair},
        {"cleared lair", 32, 30, 0, sts_Free},
        {"water", 40, 35, 1, sts_Water},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Map_Square_Survey((int16_t)c.x, (int16_t)c.y, (int16_t)c.p), c.code) << c.what;
}

TEST_F(City_Sites_Test, City_Sites_ComputerOutpostNamedRoadAndAwareness)
{
    const int16_t settler = Settler(2, 30, 15, 0);
    _players[0].Globals[ge_Awareness] = 1;  // the human: sees the square
    _players[3].Globals[ge_Awareness] = 1;  // a rival: learns of the city
    const int square = World_Square_Index(30, 15, 0);
    for (int i = 0; i < NUM_PLANES * WORLD_SIZE; ++i) _square_explored[i] = 0;

    ASSERT_EQ(Create_Outpost(30, 15, 0, rt_Dwarven, 2, settler), 1);
    ASSERT_EQ(_cities, 2);
    const City_Record &city = _CITIES[1];
    EXPECT_EQ(_city_idx, 1);
    EXPECT_EQ(City_House_Count(1), 3);
    EXPECT_EQ(city.size, 0);
    EXPECT_EQ(city.owner_idx, 2);
    EXPECT_EQ(city.race, rt_Dwarven);
    EXPECT_EQ(city.wx, 30);
    EXPECT_EQ(city.wy, 15);
    EXPECT_NE(city.name[0], '\0') << "a random name of the race";
    EXPECT_NE(memchr(city.name, 0, sizeof city.name), nullptr);
    EXPECT_NE(_UNITS[settler].owner_idx, 2) << "the settler is gone";
    EXPECT_NE(_map_square_flags[square] & sf_Road, 0);
    EXPECT_NE(_square_explored[square], 0) << "the human holds Awareness";
    EXPECT_EQ(_square_explored[World_Square_Index(33, 15, 0)], 0) << "only around the square itself";
    EXPECT_EQ(city.contacts, 1u << 3) << "only the other holder is told";
}

TEST_F(City_Sites_Test, City_Sites_RefusalsChangeNothing)
{
    const int16_t near = Settler(1, 22, 20, 0);
    EXPECT_EQ(Create_Outpost(22, 20, 0, rt_High_Men, 1, near), 0);
    EXPECT_EQ(_cities, 1);
    EXPECT_EQ(_UNITS[near].owner_idx, 1);

    _cities = 99;
    for (int c = 1; c < 99; ++c) _CITIES[c] = City_Record{}, _CITIES[c].wx = 5, _CITIES[c].wy = 35;
    const int16_t human = Settler(0, 40, 10, 0);
    message_box_text[0] = '\0';
    Then([] { Key('x', 'x'); });
    EXPECT_EQ(Create_Outpost(40, 10, 0, rt_High_Men, 0, human), 0);
    EXPECT_STREQ(message_box_text, "No more outposts may be built.");
    EXPECT_EQ(_cities, 99);
    EXPECT_EQ(_UNITS[human].owner_idx, 0) << "the settler lives";

    const int16_t rival = Settler(1, 40, 12, 0);
    message_box_text[0] = '\0';
    EXPECT_EQ(Create_Outpost(40, 12, 0, rt_High_Men, 1, rival), 0);
    EXPECT_STREQ(message_box_text, "") << "only the human is told";
    EXPECT_EQ(_UNITS[rival].owner_idx, 1);
}

TEST_F(City_Sites_Test, Outpost_GarrisonPicturesStandFiveToARow)
{
    struct Case {
        int16_t i, x1, y1;
    } cases[] = {{0, 36, 103}, {4, 116, 103}, {5, 36, 127}, {8, 96, 127}};
    for (const Case &c : cases) {
        int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Outpost_Garrison_Picture_Coords(c.i, &x1, &y1, &x2, &y2);
        EXPECT_EQ(x1, c.x1) << c.i;
        EXPECT_EQ(y1, c.y1) << c.i;
        EXPECT_EQ(x2, c.x1 + 17) << c.i;
        EXPECT_EQ(y2, c.y1 + 15) << c.i;
    }
}

TEST_F(City_Sites_Test, City_Naming_AnswersAreTrimmedLimitedAndTerminated)
{
    struct Case {
        const char *answer, *proposal, *name;
    } cases[] = {
        {"  Avaran", "Tessa", "Avaran"},
        {"", "Tessa", "Tessa"},
        {"   ", "Tessa", "Tessa"},
        {"Abcdefghijklmnop", "Tessa", "Abcdefghijkl"},
        {"", "Abcdefghijklmnop", "Abcdefghijklm"},
    };
    for (const Case &c : cases) {
        char answer[64] = {};
        strcpy(answer, c.answer);
        memset(City().name, 'x', sizeof City().name);
        City_Name_From_Answer(0, answer, c.proposal);
        EXPECT_EQ(std::string(City().name, strnlen(City().name, sizeof City().name)), c.name) << c.answer;
        EXPECT_EQ(City().name[sizeof City().name - 1], '\0') << c.answer;
    }
}

// The screens need their pictures; the human's city at (20, 20) is an outpost here.
class Outpost_View_Test : public City_Sites_Test {
protected:
    void SetUp() override
    {
        City_Sites_Test::SetUp();
        STU_GRAF_Set_User_Data_Dir(user.path.c_str());
        Load_VEZ_Resources_Once();
        Main_Screen_Load_Pictures();
        Cache_Graphics_Overland();
        City().size = 0;
        City().Pop_10s = 3;
        quit_game_flag = 0;
        g_headless_unattended = 0;
        _unit_stack_count = 0;
    }
    void TearDown() override
    {
        quit_game_flag = 0;
        STU_GRAF_Set_User_Data_Dir(nullptr);
        City_Sites_Test::TearDown();
    }
    static void Idle(int polls)
    {
        for (int i = 0; i < polls; ++i) Then([] {});
    }
    // One key a poll: the input boxes read a key before they poll again.
    static void Press(int32_t code)
    {
        Then([code] { Key(code, code); });
    }
    static void Type(const char *text)
    {
        for (const char *c = text; *c != '\0'; ++c) Press(*c);
    }
    static void Click_Held(int16_t x, int16_t y, int16_t button)
    {
        Idle(2);
        Then([x, y, button] { Click(x, y, button); });
        Idle(1);
        Then([] { Release(); });
        Idle(1);
    }
    // Ends a screen that did not leave by its input, which the test then reports.
    static void Give_Up()
    {
        Idle(40);
        Then([] { quit_game_flag = 1; });
    }
};

TEST_F(Outpost_View_Test, Outpost_NewOutpostOffersNoGarrisonClicksAndRightClickShowsThePicturedUnit)
{
    // Two units of another square fill the main screen's stack; the garrison is units 2 to 4.
    Settler(0, 30, 30, 0);
    Settler(0, 30, 30, 0);
    _unit_stack_count = 2;
    _unit_stack[0].unit_idx = 0;
    _unit_stack[1].unit_idx = 1;
    for (int i = 0; i < 3; ++i) Settler(0, 20, 20, 0);
    int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Outpost_Garrison_Picture_Coords(1, &x1, &y1, &x2, &y2);
    const int16_t px = (int16_t)(x1 + 8), py = (int16_t)(y1 + 8);

    static int16_t shown;
    static bool still_open;
    struct Case {
        const char *what;
        int16_t new_outpost, button;
        int16_t shown;        // the unit the statistics window showed; -2: the view left at the click
        bool still_open;      // the view stayed after the window
        int16_t stack_after;  // the main screen's stack when the view was left
    } cases[] = {
        {"new outpost, right click", 1, 2, -2, false, 2},
        {"new outpost, left click", 1, 1, -2, false, 2},
        {"standing outpost, right click", 0, 2, 3, true, 2},
        {"standing outpost, left click selects the garrison", 0, 1, -2, false, 3},
    };
    for (const Case &c : cases) {
        City_Poll_Script().clear();
        _unit_stack_count = 2;
        uv_unit_idx = -1;
        shown = -2;
        still_open = false;
        Click_Held(px, py, c.button);
        Idle(2);
        Then([] {
            shown = uv_unit_idx;  // reached only in the statistics window or a view left open
            Key(KEY_ESCAPE, KEY_ESCAPE);
        });
        Idle(3);
        Then([] {
            still_open = true;
            Key(KEY_ESCAPE, KEY_ESCAPE);
        });
        Give_Up();
        Outpost_Screen(c.new_outpost);
        EXPECT_EQ(quit_game_flag, 0) << c.what;
        quit_game_flag = 0;
        EXPECT_EQ(CTY_Garrison_Count, 3) << c.what;
        EXPECT_EQ(shown, c.shown) << c.what;
        EXPECT_EQ(still_open, c.still_open) << c.what;
        EXPECT_EQ(_unit_stack_count, c.stack_after) << c.what;
    }
}

// The answers typed into both naming boxes: what the city is called afterwards.
TEST_F(Outpost_View_Test, City_Naming_BoxesTakeTheTypedNameTrimmedAndLimited)
{
    struct Popup {
        const char *what;
        std::function<void()> run;
    } popups[] = {
        {"new outpost", [] { Change_City_Name_Popup(0, 0); }},
        {"home city", [] { Change_Home_City_Name_Popup(0); }},
    };
    struct Case {
        const char *typed;
        const char *name;  // nullptr: the proposal
    } cases[] = {
        {" Brennhold", "Brennhold"},
        {"Abcdefghijklmnop", "Abcdefghijkl"},
        {"", nullptr},
    };
    static std::string proposal;
    for (const Popup &popup : popups) {
        for (const Case &c : cases) {
            City_Poll_Script().clear();
            proposal.clear();
            std::memset(City().name, 'x', sizeof City().name);
            Idle(2);
            Then([] { proposal.assign(_CITIES[0].name, strnlen(_CITIES[0].name, sizeof _CITIES[0].name)); });
            for (int i = 0; i < CITY_NAME_TYPED_MAX + 1; ++i) Press(KEY_BACKSPACE);
            Type(c.typed);
            Press(KEY_ENTER);
            Give_Up();
            popup.run();
            EXPECT_EQ(quit_game_flag, 0) << popup.what << ", " << c.typed;
            quit_game_flag = 0;
            ASSERT_FALSE(proposal.empty()) << popup.what << ": a name of the race is proposed";
            EXPECT_NE(proposal, std::string(sizeof City().name, 'x'));
            const std::string expected = c.name != nullptr ? c.name : proposal;
            EXPECT_EQ(std::string(City().name, strnlen(City().name, sizeof City().name)), expected)
                << popup.what << ", \"" << c.typed << "\"";
            EXPECT_EQ(City().name[sizeof City().name - 1], '\0') << popup.what;
        }
    }
}

TEST_F(Outpost_View_Test, City_Sites_HumanFoundsSeesTheNewOutpostNamesItAndExplores)
{
    const int16_t settler = Settler(0, 40, 10, 0);
    for (int i = 0; i < NUM_PLANES * WORLD_SIZE; ++i) _square_explored[i] = 0;
    static int16_t flag_seen;
    flag_seen = -1;
    Idle(3);
    Then([] { flag_seen = m_new_outpost_flag; });
    Idle(1);
    Press(KEY_ESCAPE);  // leaves the view
    Idle(2);
    for (int i = 0; i < CITY_NAME_TYPED_MAX + 1; ++i) Press(KEY_BACKSPACE);
    Type("Orvale");
    Press(KEY_ENTER);
    Give_Up();
    ASSERT_EQ(Create_Outpost(40, 10, 0, rt_High_Men, 0, settler), 1);
    EXPECT_EQ(quit_game_flag, 0);
    EXPECT_EQ(flag_seen, 1) << "the view opened as a new outpost";
    ASSERT_EQ(_cities, 2);
    EXPECT_STREQ(_CITIES[1].name, "Orvale");
    EXPECT_EQ(_CITIES[1].owner_idx, 0);
    EXPECT_EQ(City_House_Count(1), 3);
    EXPECT_NE(_UNITS[settler].owner_idx, 0) << "the settler is gone";
    EXPECT_NE(_square_explored[World_Square_Index(42, 12, 0)], 0) << "explored within 2";
    EXPECT_EQ(_square_explored[World_Square_Index(43, 10, 0)], 0) << "not beyond";
}

}  // namespace
