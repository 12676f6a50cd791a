// Road builders' plans: their construction points, the turns of each square and of the line, the
// cuts at ten squares, at the turn limit and at water, the panel's sentence and the orders given.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "Test_Engine.h"
#include "Video.h"
#include "World_Fixture.h"
#include "overland/Road_Build_Screen.h"
#include "shell/Map_Window.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Record.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t ENGINEERS = 108;  // High Men Engineers: construction 1
constexpr int16_t SPEARMEN = 104;
constexpr int16_t OCEAN = 0;
constexpr int16_t THREE_TURN_GRASS = tt_Grasslands;  // 3 turns
constexpr int16_t TWO_TURN_LAND = 1;                 // 2 turns
constexpr int16_t SIX_TURN_FOREST = tt_Forest;       // 6 turns
constexpr int16_t ROW = 10;

class Road_Build : public World_Test {
protected:
    static void SetUpTestSuite()
    {
        Test_Engine_Start();
        World_Clear();
    }
    void SetUp() override
    {
        World_Test::SetUp();
        Unit_Type_Table_Reset();
        ASSERT_EQ(_unit_type_table[ENGINEERS].Construction, 1);
        ASSERT_EQ(_unit_type_table[SPEARMEN].Construction, 0);
        _map_plane = 0;
        _current_player_idx = 0;
        for (int wy = 5; wy < 20; ++wy)
            for (int wx = 0; wx < WORLD_WIDTH; ++wx) Set_Square((int16_t)wx, (int16_t)wy, THREE_TURN_GRASS);
        _units = 0;
        _unit_stack_count = 0;
    }
    void TearDown() override
    {
        _unit_stack_count = 0;
        World_Test::TearDown();
    }
    static void Set_Square(int16_t wx, int16_t wy, int16_t terrain, uint8_t flags = 0)
    {
        int square = World_Square_Index(wx, wy, 0);
        _world_maps[square] = terrain;
        _map_square_flags[square] = flags;
        _square_explored[square] = 15;
    }
    // A unit of the human at (wx, wy) with moves left; its index.
    static int16_t Place(int16_t type, int16_t wx, int16_t wy, uint32_t enchantments = 0)
    {
        int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        memset(&unit, 0, sizeof unit);
        unit.wx = (uint8_t)wx;
        unit.wy = (uint8_t)wy;
        unit.owner_idx = 0;
        unit.type = (uint8_t)type;
        unit.moves2 = 2;
        unit.moves2_max = 2;
        unit.Hero_Slot = -1;
        unit.enchantments = enchantments;
        unit.Rd_Constr_Left = -1;
        return idx;
    }
    static void Select(const std::vector<int16_t> &units)
    {
        _unit_stack_count = (int16_t)units.size();
        for (size_t i = 0; i < units.size(); ++i) _unit_stack[i] = Unit_Stack_Entry{units[i], 1};
    }
    static std::vector<int> Line_Xs(int16_t length)
    {
        std::vector<int> xs;
        for (int i = 0; i < length; ++i) xs.push_back(movepath_x_array[2 + i]);
        return xs;
    }
    static std::string Text(int16_t turns)
    {
        char text[100];
        Road_Build_Turns_Text(turns, text, (int)sizeof text);
        return text;
    }
};

TEST_F(Road_Build, TwoBuildersOneWithEnduranceShareThreePoints)
{
    Set_Square(10, ROW, SIX_TURN_FOREST);
    Set_Square(11, ROW, SIX_TURN_FOREST);
    Set_Square(12, ROW, TWO_TURN_LAND);
    Set_Square(13, ROW, SIX_TURN_FOREST, sf_Road);
    int16_t first = Place(ENGINEERS, 10, ROW);
    int16_t second = Place(ENGINEERS, 10, ROW, UE_ENDURANCE);
    Select({first, second});
    ASSERT_EQ(Road_Build_Start(), 1);
    Road_Build_Plan plan = Road_Build_Current_Plan();
    EXPECT_EQ(plan.construction_points, 3);
    EXPECT_EQ(plan.builder_unit_idx, second);
    EXPECT_EQ(plan.turns, 2);  // the start's 6 turns between 3 points
    EXPECT_EQ(plan.path_length, 0);
    EXPECT_EQ(plan.dst_x, 10);

    Road_Build_Path(13, ROW);
    plan = Road_Build_Current_Plan();
    EXPECT_EQ(plan.path_length, 3);
    EXPECT_EQ(Line_Xs(3), (std::vector<int>{11, 12, 13}));
    // 2 for the start, 2 for the forest, 1 for the two-turn square and 1 for the square with a road.
    EXPECT_EQ(plan.turns, 6);
    EXPECT_EQ(plan.dst_x, 13);
    EXPECT_EQ(plan.dst_y, ROW);
}

TEST_F(Road_Build, WithoutPointsTheTurnsAreTheRawSum)
{
    Set_Square(10, ROW, SIX_TURN_FOREST);
    Set_Square(12, ROW, TWO_TURN_LAND);
    Set_Square(13, ROW, SIX_TURN_FOREST, sf_Road);
    Select({Place(SPEARMEN, 10, ROW), Place(SPEARMEN, 10, ROW)});
    ASSERT_EQ(Road_Build_Start(), 1);
    EXPECT_EQ(Road_Build_Current_Plan().construction_points, 0);
    EXPECT_EQ(Road_Build_Current_Plan().builder_unit_idx, -1);
    Road_Build_Path(13, ROW);
    EXPECT_EQ(Road_Build_Current_Plan().turns, 6 + 3 + 2 + 0);
}

TEST_F(Road_Build, LinesKeepTenSquaresAndWrapTheShortWay)
{
    struct Case {
        int16_t start_x, to_x, to_y;
        int16_t length, dst_x, dst_y;
    } cases[] = {
        {10, 25, ROW, 10, 20, ROW},    // 15 squares east: the first 10
        {10, 10, ROW + 5, 5, 10, 15},  // straight south
        {58, 2, ROW, 4, 2, ROW},       // across the seam, east
        {2, 58, ROW, 4, 58, ROW},      // across the seam, west
        {10, 10, ROW, 0, 10, ROW},     // its own square: no line
    };
    for (const Case &c : cases) {
        _units = 0;
        Select({Place(ENGINEERS, c.start_x, ROW)});
        ASSERT_EQ(Road_Build_Start(), 1);
        Road_Build_Path(c.to_x, c.to_y);
        Road_Build_Plan plan = Road_Build_Current_Plan();
        EXPECT_EQ(plan.path_length, c.length) << c.start_x << " to " << c.to_x;
        EXPECT_EQ(plan.dst_x, c.dst_x) << c.start_x << " to " << c.to_x;
        EXPECT_EQ(plan.dst_y, c.dst_y) << c.start_x << " to " << c.to_x;
        EXPECT_EQ(plan.turns, 3 * (1 + c.length)) << c.start_x << " to " << c.to_x;
    }
}

TEST_F(Road_Build, LineTurnsStopAtWaterAndAtTheTurnLimit)
{
    struct Case {
        int16_t start;
        std::vector<int16_t> squares;
        int16_t total, length;
    } cases[] = {
        {15, std::vector<int16_t>(10, 15), 120, 7},  // exactly 120 is kept, the 8th square would pass it
        {20, std::vector<int16_t>(10, 15), 110, 6},
        {2, {3, 3}, 8, 2},
        {2, {3, -1, 3}, ROAD_BUILD_BLOCKED, 2},  // water ends the line with it
        {2, {-1}, ROAD_BUILD_BLOCKED, 1},
        {-1, {3}, ROAD_BUILD_BLOCKED, 0},
        {2, {}, 2, 0},
    };
    for (const Case &c : cases) {
        int16_t length = (int16_t)c.squares.size();
        EXPECT_EQ(Road_Build_Line_Turns(c.start, c.squares.data(), &length), c.total) << c.start;
        EXPECT_EQ(length, c.length) << c.start << " " << c.squares.size();
    }
}

TEST_F(Road_Build, ALineOverWaterIsBlockedAndSaysSo)
{
    Set_Square(12, ROW, OCEAN);
    Select({Place(ENGINEERS, 10, ROW)});
    ASSERT_EQ(Road_Build_Start(), 1);
    Road_Build_Path(15, ROW);
    Road_Build_Plan plan = Road_Build_Current_Plan();
    EXPECT_EQ(plan.turns, ROAD_BUILD_BLOCKED);
    EXPECT_EQ(plan.path_length, 2);
    EXPECT_EQ(plan.dst_x, 12);
    EXPECT_EQ(Text(plan.turns), "Blocked.  Roads can not be built across large bodies of water.");
}

TEST_F(Road_Build, PanelSentenceForEachNumberOfTurns)
{
    EXPECT_EQ(Text(1), "It will take 1 turn to complete the construction of this road.");
    EXPECT_EQ(Text(2), "It will take 2 turns to complete the construction of this road.");
    EXPECT_EQ(Text(120), "It will take 120 turns to complete the construction of this road.");
    EXPECT_EQ(Text(0), "");
    char small[8];
    Road_Build_Turns_Text(5, small, (int)sizeof small);
    EXPECT_EQ(std::string(small), "It will");
}

TEST_F(Road_Build, AnUnexploredSquareKeepsThePlan)
{
    Select({Place(ENGINEERS, 10, ROW)});
    ASSERT_EQ(Road_Build_Start(), 1);
    Road_Build_Path(12, ROW);
    _square_explored[World_Square_Index(14, ROW, 0)] = 0;
    Road_Build_Path(14, ROW);
    EXPECT_EQ(Road_Build_Current_Plan().dst_x, 12);
    EXPECT_EQ(Road_Build_Current_Plan().path_length, 2);
    Road_Build_Path(14, WORLD_HEIGHT);  // off the map
    EXPECT_EQ(Road_Build_Current_Plan().dst_x, 12);
}

TEST_F(Road_Build, AStackStartingOnWaterReturnsToTheMainScreen)
{
    Set_Square(10, ROW, OCEAN);
    Select({Place(ENGINEERS, 10, ROW)});
    current_screen = scr_Road_Build;
    Road_Build_Screen();
    EXPECT_EQ(current_screen, scr_Main_Screen);
    _unit_stack_count = 0;
    current_screen = scr_Road_Build;
    Road_Build_Screen();
    EXPECT_EQ(current_screen, scr_Main_Screen);
}

TEST_F(Road_Build, OrdersGoToActiveBuildersWithMovesOnly)
{
    Set_Square(10, ROW, SIX_TURN_FOREST);
    int16_t spearmen = Place(SPEARMEN, 10, ROW);
    int16_t builder = Place(ENGINEERS, 10, ROW, UE_ENDURANCE);
    int16_t resting = Place(ENGINEERS, 10, ROW);
    int16_t spent = Place(ENGINEERS, 10, ROW);
    _UNITS[spent].moves2 = 0;
    Select({spearmen, builder, resting, spent});
    _unit_stack[2].active = 0;
    int16_t count = 0, list[MAX_STACK];
    Active_Stack_Roadbuilders(&count, list);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(list[0], builder);

    ASSERT_EQ(Road_Build_Start(), 1);  // every builder of the stack counts: 2 + 1 + 1
    EXPECT_EQ(Road_Build_Current_Plan().construction_points, 4);
    const int16_t ordered[2] = {builder, spearmen};
    Set_Army_Road_Building(2, ordered, 13, ROW);
    const Unit_Record &b = _UNITS[builder];
    EXPECT_EQ(b.Status, us_GOTO);
    EXPECT_EQ(b.dst_wx, 13);
    EXPECT_EQ(b.dst_wy, ROW);
    EXPECT_EQ(b.Rd_Constr_Left, 1);  // the forest's 6 turns between 4 points
    EXPECT_EQ(b.Rd_From_X, 10);
    EXPECT_EQ(b.Rd_From_Y, ROW);
    const Unit_Record &s = _UNITS[spearmen];
    EXPECT_EQ(s.Status, us_GOTO);
    EXPECT_EQ(s.dst_wx, 13);
    EXPECT_EQ(s.Rd_Constr_Left, -1);
    EXPECT_EQ(movepath_x_array[1], 11);
    EXPECT_EQ(movepath_x_array[3], 13);
}

TEST_F(Road_Build, NoOrdersForBuildersOnWater)
{
    Set_Square(10, ROW, OCEAN);
    int16_t builder = Place(ENGINEERS, 10, ROW);
    const int16_t list[1] = {builder};
    Set_Army_Road_Building(1, list, 13, ROW);
    EXPECT_EQ(_UNITS[builder].Status, us_Ready);
    EXPECT_EQ(_UNITS[builder].dst_wx, 0);
    EXPECT_EQ(_UNITS[builder].Rd_Constr_Left, -1);
}

TEST_F(Road_Build, LeastMovesOfTheFinishedActiveUnits)
{
    int16_t a = Place(ENGINEERS, 10, ROW), b = Place(SPEARMEN, 10, ROW), c = Place(SPEARMEN, 10, ROW);
    _UNITS[a].moves2_max = 4;
    _UNITS[b].moves2_max = 3;
    _UNITS[c].moves2_max = 1;
    Select({a, b, c});
    EXPECT_EQ(Road_Build_Moves2_Max(), 0);
    _UNITS[a].Finished = 1;
    _UNITS[b].Finished = 1;
    _UNITS[c].Finished = 1;
    _unit_stack[2].active = 0;
    EXPECT_EQ(Road_Build_Moves2_Max(), 3);
}

// The planned line joins the squares' centres in four colours, the blocked ones over water, and
// stays inside the map window.
TEST_F(Road_Build, LineColoursAndTheMapWindowClip)
{
    _map_x = 5;
    _map_y = 6;  // row 5 lies above the window
    struct Case {
        int16_t to_x, to_y;
        bool water;
        uint8_t first;
    } cases[] = {{13, ROW, false, 108}, {13, ROW, true, 200}, {10, 5, false, 108}};
    for (const Case &c : cases) {
        _units = 0;
        Set_Square(12, ROW, c.water ? OCEAN : THREE_TURN_GRASS);
        Select({Place(ENGINEERS, 10, ROW)});
        ASSERT_EQ(Road_Build_Start(), 1);
        Road_Build_Path(c.to_x, c.to_y);
        memset(current_video_page, 0, SCREEN_SIZE);
        Draw_Road_Build_Path_Line();
        int drawn = 0, outside = 0, other = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < SCREEN_WIDTH; ++x) {
                uint8_t colour = current_video_page[y * SCREEN_WIDTH + x];
                if (colour == 0) continue;
                ++drawn;
                if (x > 239 || y < 20) ++outside;
                if (colour < c.first || colour > c.first + 3) ++other;
            }
        EXPECT_GT(drawn, 0) << c.to_x << "," << c.to_y;
        EXPECT_EQ(outside, 0) << c.to_x << "," << c.to_y;
        EXPECT_EQ(other, 0) << c.to_x << "," << c.to_y;
        // Going east the line runs along the start's row from its centre, (10 - 5) x 20 + 10.
        if (c.to_y == ROW) {
            EXPECT_NE(current_video_page[((ROW - 6) * 18 + 29) * SCREEN_WIDTH + 111], 0);
        }
    }
}

}  // namespace
