// Where a city may be founded, founding an outpost with its refusals, the outpost view's garrison
// and the naming of new cities.
#include <cstring>
#include <string>

#include "../kel_city_screens/City_Screens_Fixture.h"
#include "Dialog_Boxes.h"
#include "cities/City_Naming.h"
#include "cities/Outpost_Screen.h"
#include "cities/Outposts.h"
#include "overland/Army_World_Hooks.h"
#include "world/Army_Services.h"
#include "world/Map_Feature_Records.h"
#include "world/Unit_Record.h"

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
    }
    void TearDown() override
    {
        Army_Set_World_Services(Army_World_Services{});
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

}  // namespace
