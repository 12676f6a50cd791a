// The city scene: the same city gives the same pixels and fields and leaves the random generator
// as it was; placement by footprint with the give-up rule; houses, roads and erase stamps; walls,
// fortress and magic buildings; animation and build-up steps; the outpost scene.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "Allocate.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "Video.h"
#include "World_Fixture.h"
#include "cities/Cityscape_Layout.h"
#include "cities/screens/Cityscape_Draw.h"
#include "cities/screens/Cityscape_Roads.h"
#include "random.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/LOADER.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"

namespace {

constexpr int16_t SX = 4;
constexpr int16_t SY = 101;

struct Anim_State {
    int16_t values[8];
    static Anim_State Take()
    {
        return {{cityscape_bldg_anim_itr, cityscape_bldg_anim_ctr, cityscape_water_anim_itr, cityscape_water_anim_ctr,
                 cityscape_wall_anim_itr, cityscape_wall_anim_ctr, cityscape_build_anim_ctr, cityscape_build_anim_itr}};
    }
    void Put() const
    {
        cityscape_bldg_anim_itr = values[0];
        cityscape_bldg_anim_ctr = values[1];
        cityscape_water_anim_itr = values[2];
        cityscape_water_anim_ctr = values[3];
        cityscape_wall_anim_itr = values[4];
        cityscape_wall_anim_ctr = values[5];
        cityscape_build_anim_ctr = values[6];
        cityscape_build_anim_itr = values[7];
    }
};

class Cityscape : public World_Test {
protected:
    static std::vector<Building_Data_Record> buildings;

    static void SetUpTestSuite()
    {
        Test_Engine_Start();
        World_Clear();
        Test_Search_Standin_Data();
        Load_BUILDDAT();
        buildings.assign(bldg_data_table, bldg_data_table + NUM_BUILDING_TYPES);
        Graphics_Cache_Reset();
        Reload_Cityscape_Graphics_Cache();
    }
    void SetUp() override
    {
        World_Test::SetUp();
        std::copy(buildings.begin(), buildings.end(), bldg_data_table);
        _cities = 1;
        City_Record &c = _CITIES[0];
        memset(&c, 0, sizeof(c));
        strcpy(c.name, "Tesk");
        c.wx = 20;
        c.wy = 15;
        c.size = 3;
        c.population = 8;
        memset(c.bldg_status, -1, sizeof(c.bldg_status));
        c.bldg_status[0] = 0;
        for (int b : {3, 5, 8, 16, 21, 26, 29}) c.bldg_status[b] = 1;
        Anim_State{{6, 1, 6, 1, 6, 1, 100, 10}}.Put();
        memset(current_video_page, 0, SCREEN_SIZE);
        Set_Random_Seed(0x1234567);
    }
    void TearDown() override
    {
        std::copy(buildings.begin(), buildings.end(), bldg_data_table);
        World_Test::TearDown();
    }
    static City_Record &City() { return _CITIES[0]; }

    // The grid alone, laid out as a drawing lays it out.
    static std::vector<int16_t> Layout(int16_t placed)
    {
        Mark_Block(_screen_seg);
        cityscape_bldg_array = reinterpret_cast<int16_t *>(Allocate_Next_Block(_screen_seg, 44));
        uint32_t seed = Get_Random_Seed();
        Set_Random_Seed((uint32_t)(City().wx * City().wy + 10389));
        Cityscape_Make_Buildings_Array(0, placed);
        std::vector<int16_t> grid(cityscape_bldg_array, cityscape_bldg_array + CITYSCAPE_CELLS);
        Set_Random_Seed(seed);
        Release_Block(_screen_seg);
        cityscape_bldg_array = nullptr;
        return grid;
    }
    static int Count(const std::vector<int16_t> &grid, int16_t value)
    {
        return (int)std::count(grid.begin(), grid.end(), value);
    }
    static std::vector<int16_t> Fields_Of(int16_t bldg)
    {
        std::vector<int16_t> found;
        for (int i = 0; i < cityscape_bldg_count; ++i)
            if (cityscape_bldg_fields[i].bldg_idx == bldg) found.push_back((int16_t)i);
        return found;
    }
    static int Pixels(uint8_t colour, int x1 = 0, int y1 = 0, int x2 = SCREEN_WIDTH - 1, int y2 = SCREEN_HEIGHT - 1)
    {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) n += current_video_page[y * SCREEN_WIDTH + x] == colour;
        return n;
    }
};
std::vector<Building_Data_Record> Cityscape::buildings;

TEST_F(Cityscape, SameCityGivesTheSamePixelsAndFieldsAndKeepsTheRandomState)
{
    City().enchantments[ce_Wall_of_Fire] = 1;
    City().enchantments[ce_Life_Ward] = 1;
    City().bldg_status[bt_City_Walls] = 1;
    Anim_State anim = Anim_State::Take();
    uint32_t seed = Get_Random_Seed();
    memset(current_video_page, 0xEE, SCREEN_SIZE);
    Cityscape_Window__WIP(0, SX, SY, 0, -1);
    EXPECT_EQ(Get_Random_Seed(), seed);
    std::vector<uint8_t> first(current_video_page, current_video_page + SCREEN_SIZE);
    std::vector<Cityscape_Bldg_Field> fields(cityscape_bldg_fields, cityscape_bldg_fields + cityscape_bldg_count);
    ASSERT_GT(cityscape_bldg_count, 0);
    // Nothing outside the scene.
    for (int y = 0; y < SCREEN_HEIGHT; ++y)
        for (int x = 0; x < SCREEN_WIDTH; ++x)
            if (x < SX || x > SX + 204 || y < SY || y > SY + 95) {
                ASSERT_EQ(first[y * SCREEN_WIDTH + x], 0xEE) << x << "," << y;
            }

    anim.Put();
    memset(current_video_page, 0xEE, SCREEN_SIZE);
    Cityscape_Window__WIP(0, SX, SY, 0, -1);
    EXPECT_EQ(Get_Random_Seed(), seed);
    EXPECT_EQ(memcmp(first.data(), current_video_page, SCREEN_SIZE), 0);
    ASSERT_EQ((size_t)cityscape_bldg_count, fields.size());
    EXPECT_EQ(memcmp(fields.data(), cityscape_bldg_fields, fields.size() * sizeof(Cityscape_Bldg_Field)), 0);

    // Every built building has its three rectangles; each stands for one building.
    for (int b : {3, 5, 8, 16, 21, 26, 29}) EXPECT_EQ(Fields_Of((int16_t)b).size(), 3u) << b;

    // Another square gives another layout.
    City().wx = 31;
    City().wy = 7;
    anim.Put();
    Cityscape_Window__WIP(0, SX, SY, 0, -1);
    EXPECT_NE(memcmp(first.data(), current_video_page, SCREEN_SIZE), 0);
}

TEST_F(Cityscape, ARememberedLayoutEqualsANewOneWithTheSameDrawsAfterIt)
{
    for (int b = 3; b <= 34; ++b) City().bldg_status[b] = 1;  // many places lost: many draws
    Cityscape_Layout_Forget();
    uint64_t calls = g_random_call_count;
    std::vector<int16_t> first = Layout(0);
    uint64_t first_draws = g_random_call_count - calls;
    ASSERT_GT(first_draws, 1000u);

    Mark_Block(_screen_seg);
    cityscape_bldg_array = reinterpret_cast<int16_t *>(Allocate_Next_Block(_screen_seg, 44));
    struct Run {
        std::vector<int16_t> grid;
        uint32_t seed_after;
        uint64_t draws;
    } runs[2];
    for (Run &run : runs) {
        Set_Random_Seed((uint32_t)(City().wx * City().wy + 10389));
        uint64_t before = g_random_call_count;
        Cityscape_Make_Buildings_Array(0, 0);
        run = {std::vector<int16_t>(cityscape_bldg_array, cityscape_bldg_array + CITYSCAPE_CELLS), Get_Random_Seed(),
               g_random_call_count - before};
        Cityscape_Layout_Forget();
    }
    Release_Block(_screen_seg);
    cityscape_bldg_array = nullptr;
    // The first run above was remembered, the second drawn anew.
    EXPECT_EQ(runs[0].grid, first);
    EXPECT_EQ(runs[0].grid, runs[1].grid);
    EXPECT_EQ(runs[0].seed_after, runs[1].seed_after);
    EXPECT_EQ(runs[0].draws, first_draws);
    EXPECT_EQ(runs[1].draws, first_draws);

    // Any input of the layout makes it new.
    City().population = 3;
    EXPECT_NE(Layout(0), first);
    City().population = 8;
    City().bldg_status[20] = -1;
    EXPECT_NE(Layout(0), first);
}

TEST_F(Cityscape, HousesByPopulationAndOneForAnEmptyCityOrOutpost)
{
    struct Case {
        uint8_t size, population;
        int least, most;
    } cases[] = {{3, 0, 1, 1}, {0, 4, 1, 1}, {1, 1, 1, 8}, {4, 12, 40, 96}};
    for (const Case &c : cases) {
        City().size = c.size;
        City().population = c.population;
        std::vector<int16_t> grid = Layout(0);
        int houses = Count(grid, csc_House);
        EXPECT_GE(houses, c.least) << (int)c.size << " " << (int)c.population;
        EXPECT_LE(houses, c.most) << (int)c.size << " " << (int)c.population;
    }
}

TEST_F(Cityscape, GridKeepsItsRoadsBlockedCellsAndFixedPlaces)
{
    City().bldg_status[bt_Shipyard] = 1;
    City().bldg_status[bt_Harbour] = 1;
    std::vector<int16_t> grid = Layout(0);
    auto at = [&](int r, int c) { return grid[r * CITYSCAPE_COLUMNS + c]; };
    for (int c = 0; c <= 22; ++c) {
        if (c != 4 && c != 9 && c != 13 && c != 18 && c >= 4) {
            EXPECT_LE(at(14, c), csc_Road) << c;  // laid or not, still road
        }
    }
    EXPECT_EQ(at(0, 18), csc_Blocked);
    EXPECT_EQ(at(14, 0), csc_Blocked);
    EXPECT_EQ(at(2, 20), csc_Blocked);
    // The last ship building has the fixed place; the footprint around it is taken.
    EXPECT_EQ(at(8, 2), bt_Harbour);
    EXPECT_EQ(at(6, 3), csc_Footprint);
    // Built buildings stand at the front-left cell of a footprint of their class.
    for (int b : {3, 5, 8, 16, 21, 26, 29}) EXPECT_EQ(Count(grid, (int16_t)b), 1) << b;
}

TEST_F(Cityscape, AClassThatFindsNoPlaceAfterFiveHundredAttemptsLosesOne)
{
    // Every building 3..34 built and 3 x 3: the grid has room for fewer of them.
    for (int b = 0; b < NUM_BUILDING_TYPES; ++b) bldg_data_table[b].G_Animation = 3;
    for (int b = 3; b <= 34; ++b) City().bldg_status[b] = 1;
    std::vector<int16_t> grid = Layout(0);
    std::vector<int> shown;
    for (int b = 3; b <= 34; ++b)
        if (b < bt_Boat_Builder || b > bt_Harbour)
            if (Count(grid, (int16_t)b) == 1) shown.push_back(b);
    ASSERT_FALSE(shown.empty());
    EXPECT_LT(shown.size(), 29u);
    // Those last in assignment order go without.
    for (size_t i = 1; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], shown[i - 1] + (shown[i - 1] + 1 == bt_Boat_Builder ? 4 : 1)) << i;
    EXPECT_EQ(shown.front(), 3);
    // The ship building keeps its fixed place.
    EXPECT_EQ(grid[8 * CITYSCAPE_COLUMNS + 2], bt_Harbour);
}

TEST_F(Cityscape, RoadsAreLaidBesideWhatStandsNextToThem)
{
    std::vector<int16_t> grid(CITYSCAPE_CELLS, csc_Free);
    cityscape_bldg_array = grid.data();
    auto set_roads = [&]() {
        std::fill(grid.begin(), grid.end(), csc_Free);
        for (int c = 0; c <= 17; ++c) Cityscape_Cell_At(0, c) = csc_Road;
        for (int r : {5, 9, 14})
            for (int c = (r == 5 ? 1 : r == 9 ? 3 : 4); c <= 22; ++c) Cityscape_Cell_At(r, c) = csc_Road;
        for (int c : {4, 9, 13, 18})
            for (int r = (c == 18 ? 1 : 0); r <= 14; ++r) Cityscape_Cell_At(r, c) = csc_Road;
    };
    auto laid = [&]() {
        std::vector<std::pair<int, int>> cells;
        for (int r = 0; r < CITYSCAPE_ROWS; ++r)
            for (int c = 0; c < CITYSCAPE_COLUMNS; ++c)
                if (Cityscape_Cell_At(r, c) == csc_Road_Laid) cells.push_back({r, c});
        return cells;
    };
    // A house below row 0 lays that one cell only.
    set_roads();
    Cityscape_Cell_At(1, 2) = csc_House;
    Cityscape_Lay_Roads();
    EXPECT_EQ(laid(), (std::vector<std::pair<int, int>>{{0, 2}}));

    // A building below row 5 lays the stretch between two road columns, not the junctions.
    set_roads();
    Cityscape_Cell_At(6, 6) = 7;
    Cityscape_Lay_Roads();
    EXPECT_EQ(laid(), (std::vector<std::pair<int, int>>{{5, 5}, {5, 6}, {5, 7}, {5, 8}}));

    // Two stretches meeting at a junction lay it.
    set_roads();
    Cityscape_Cell_At(6, 6) = 7;
    Cityscape_Cell_At(6, 10) = 8;
    Cityscape_Lay_Roads();
    EXPECT_EQ(Cityscape_Cell_At(5, 9), csc_Road_Laid);
    EXPECT_EQ(Cityscape_Cell_At(5, 4), csc_Road);
    // Column stretches look left and right; they join junctions with a positive count.
    EXPECT_EQ(Cityscape_Cell_At(6, 9), csc_Road_Laid);
    cityscape_bldg_array = nullptr;
}

// A bitmap of w x h, every pixel colour 1.
std::vector<uint8_t> Full_Bitmap(int w, int h)
{
    std::vector<uint8_t> b(PICTURE_BITMAP_HEADER + (size_t)w * h, 1);
    LE_Put_U16(b.data() + PICTURE_WIDTH, (uint16_t)w);
    LE_Put_U16(b.data() + PICTURE_HEIGHT, (uint16_t)h);
    return b;
}

// The cleared rows of each column from px, as first..last pairs (-1 none).
std::vector<std::pair<int, int>> Cleared_Columns(const std::vector<uint8_t> &b, int w, int h, int px, int count)
{
    std::vector<std::pair<int, int>> out;
    for (int x = px; x < px + count; ++x) {
        int first = -1, last = -1;
        for (int y = 0; y < h; ++y)
            if (b[PICTURE_BITMAP_HEADER + x * h + y] == 0) {
                if (first < 0) first = y;
                last = y;
            }
        out.push_back({first, last});
    }
    return out;
}

TEST_F(Cityscape, EraseStampsClearTheirColumns)
{
    using Rows = std::vector<std::pair<int, int>>;
    auto b = Full_Bitmap(30, 20);
    Cityscape_Roads_3__WIP(2, 3, b.data());
    EXPECT_EQ(Cleared_Columns(b, 30, 20, 1, 14), (Rows{{-1, -1},
                                                       {5, 5},
                                                       {4, 5},
                                                       {3, 5},
                                                       {3, 5},
                                                       {3, 5},
                                                       {3, 5},
                                                       {3, 5},
                                                       {3, 5},
                                                       {3, 5},
                                                       {3, 5},
                                                       {3, 4},
                                                       {3, 3},
                                                       {-1, -1}}));
    b = Full_Bitmap(30, 20);
    Cityscape_Roads_4__WIP(2, 3, b.data());
    EXPECT_EQ(Cleared_Columns(b, 30, 20, 2, 11),
              (Rows{{5, 5}, {4, 5}, {3, 5}, {3, 5}, {3, 5}, {3, 5}, {3, 5}, {3, 5}, {3, 4}, {3, 3}, {-1, -1}}));
    b = Full_Bitmap(30, 20);
    Cityscape_Roads_5__WIP(2, 3, b.data());
    EXPECT_EQ(Cleared_Columns(b, 30, 20, 2, 11),
              (Rows{{10, 10}, {9, 10}, {8, 10}, {7, 10}, {6, 10}, {6, 10}, {6, 9}, {6, 8}, {6, 7}, {6, 6}, {-1, -1}}));
    // Stamps over the edges clear only what lies inside.
    b = Full_Bitmap(6, 4);
    Cityscape_Roads_3__WIP(-4, -1, b.data());
    Cityscape_Roads_5__WIP(3, -5, b.data());
    Cityscape_Roads_4__WIP(4, 2, b.data());
    EXPECT_EQ(Cleared_Columns(b, 6, 4, 0, 6), (Rows{{0, 1}, {0, 1}, {0, 1}, {0, 2}, {0, 2}, {0, 3}}));
}

TEST_F(Cityscape, UnlaidRoadCellsAreErasedAtTheirPoints)
{
    std::vector<int16_t> grid(CITYSCAPE_CELLS, csc_Road_Laid);
    cityscape_bldg_array = grid.data();
    auto b = Full_Bitmap(204, 76);
    Cityscape_Roads_2__WIP(b.data());
    EXPECT_EQ(std::count(b.begin() + PICTURE_BITMAP_HEADER, b.end(), 0), 0);
    struct Case {
        int row, column, px, py, kind;  // 0 long, 1 short, 2 slanted
    } cases[] = {{0, 5, 77, 4, 0},     {5, 14, 150, 27, 0},  {9, 19, 169, 45, 0},
                 {14, 22, 176, 68, 0}, {5, 18, 180, 27, 1},  {9, 4, 28, 45, 1},
                 {3, 4, 55, 14, 2},    {11, 13, 105, 50, 2}, {7, 18, 171, 32, 2}};
    for (const Case &c : cases) {
        std::fill(grid.begin(), grid.end(), csc_Road_Laid);
        grid[c.row * CITYSCAPE_COLUMNS + c.column] = csc_Road;
        auto got = Full_Bitmap(204, 76);
        Cityscape_Roads_2__WIP(got.data());
        auto want = Full_Bitmap(204, 76);
        if (c.kind == 0) Cityscape_Roads_3__WIP((int16_t)c.px, (int16_t)c.py, want.data());
        if (c.kind == 1) Cityscape_Roads_4__WIP((int16_t)c.px, (int16_t)c.py, want.data());
        if (c.kind == 2) Cityscape_Roads_5__WIP((int16_t)c.px, (int16_t)c.py, want.data());
        EXPECT_EQ(got, want) << c.row << "," << c.column;
    }
    cityscape_bldg_array = nullptr;
}

TEST_F(Cityscape, BuildingFieldsFollowTheFootprintRectangles)
{
    cityscape_bldg_count = 0;
    Cityscape_Add_Bldg_To_Fields_Array(100, 50, 7, 0);
    Cityscape_Add_Bldg_To_Fields_Array(40, 60, mb_Fortress, 4);
    ASSERT_EQ(cityscape_bldg_count, 6);
    const int16_t want[6][7] = {{7, 100, 38, 118, 50, 109, 51}, {7, 105, 30, 124, 37, 109, 51},
                                {7, 119, 37, 124, 43, 109, 51}, {104, 46, 19, 70, 57, 55, 61},
                                {104, 51, 13, 70, 18, 55, 61},  {104, 65, 19, 70, 51, 55, 61}};
    for (int i = 0; i < 6; ++i) {
        const Cityscape_Bldg_Field &f = cityscape_bldg_fields[i];
        int16_t got[7] = {f.bldg_idx, f.x1, f.y1, f.x2, f.y2, f.center_x, f.center_y};
        EXPECT_EQ(memcmp(got, want[i], sizeof(got)), 0) << i;
    }
}

TEST_F(Cityscape, WallsFortressAndMagicBuildings)
{
    City().bldg_status[bt_City_Walls] = 1;
    _num_players = 2;
    _FORTRESSES[1] = {City().wx, City().wy, City().wp, 1};
    _players[1].summon_wx = City().wx;
    _players[1].summon_wy = City().wy;
    _players[1].summon_wp = City().wp;
    City().enchantments[ce_Earth_Gate] = 2;
    Cityscape_Window__WIP(0, SX, SY, 0, -1);
    ASSERT_GT(cityscape_bldg_count, 0);
    const Cityscape_Bldg_Field &walls = cityscape_bldg_fields[cityscape_bldg_count - 1];
    EXPECT_EQ(walls.bldg_idx, bt_City_Walls);
    EXPECT_EQ(walls.x1, SX);
    EXPECT_EQ(walls.y1, SY + 82);
    EXPECT_EQ(walls.x2, SX + 204);
    EXPECT_EQ(walls.y2, SY + 93);
    EXPECT_EQ(walls.center_x, SX + 102);
    EXPECT_EQ(walls.center_y, SY + 85);
    EXPECT_GT(Pixels(19, SX, SY + 82, SX + 204, SY + 93), 500);  // the walls' colour
    for (int16_t m : {mb_Fortress, mb_Summoning_Circle, mb_Earth_Gate}) EXPECT_EQ(Fields_Of(m).size(), 3u) << m;
    // The fortress stands on its fixed cell: anchor column 10, row 8.
    const Cityscape_Bldg_Field &fortress = cityscape_bldg_fields[Fields_Of(mb_Fortress)[0]];
    int dy = 5 * 7 - 2, dx = 100 - 4;
    EXPECT_EQ(fortress.x1, SX + 27 - dy + dx + 6);
    EXPECT_EQ(fortress.y2, SY + 27 + dy - 3);

    // A magic building given as placed keeps its place but is not shown.
    _FORTRESSES[1].active = 0;
    std::vector<int16_t> grid = Layout(mb_Astral_Gate);
    EXPECT_EQ(Count(grid, mb_Astral_Gate), 1);
    EXPECT_EQ(Count(grid, mb_Fortress), 0);
    Cityscape_Window__WIP(0, SX, SY, mb_Astral_Gate, mb_Astral_Gate);
    EXPECT_TRUE(Fields_Of(mb_Astral_Gate).empty());
    EXPECT_TRUE(Fields_Of(mb_Summoning_Circle).empty());
    EXPECT_EQ(Fields_Of(mb_Earth_Gate).size(), 3u);
}

TEST_F(Cityscape, ForegroundWardsAndWallOfFire)
{
    Cityscape_Window__WIP(0, SX, SY, 0, -1);
    int without = Pixels(37, SX, SY + 84, SX + 204, SY + 95);
    City().enchantments[ce_Wall_of_Fire] = 1;
    City().enchantments[ce_Death_Ward] = 1;
    memset(current_video_page, 0, SCREEN_SIZE);
    Cityscape_Window__WIP(0, SX, SY, 0, -1);
    EXPECT_GT(Pixels(37, SX, SY + 84, SX + 204, SY + 95), without + 1000);
    // The black ward stands at x + 8 under the wall's band: its frame colour shows above it.
    EXPECT_GT(Pixels(8, SX + 8, SY + 83, SX + 27, SY + 83), 10);
}

TEST_F(Cityscape, AnimationStepsWrapBackToSix)
{
    Anim_State{{57, 9, 81, 13, 57, 9, 100, 10}}.Put();
    std::vector<int16_t> bldg, water, wall;
    for (int i = 0; i < 4; ++i) {
        Cityscape_Window__WIP(0, SX, SY, 0, -1);
        bldg.push_back(cityscape_bldg_anim_itr);
        water.push_back(cityscape_water_anim_itr);
        wall.push_back(cityscape_wall_anim_itr);
        EXPECT_EQ(cityscape_bldg_anim_ctr, cityscape_bldg_anim_itr / 6);
        EXPECT_EQ(cityscape_water_anim_ctr, cityscape_water_anim_itr / 6);
    }
    EXPECT_EQ(bldg, (std::vector<int16_t>{58, 59, 6, 7}));
    EXPECT_EQ(wall, (std::vector<int16_t>{58, 59, 6, 7}));
    EXPECT_EQ(water, (std::vector<int16_t>{82, 83, 6, 7}));
}

TEST_F(Cityscape, NewBuildingBuildsUpInTenSteps)
{
    const uint8_t colour = (uint8_t)(160 + (5 * 5) % 64);  // the stand-in picture of building 5
    Cityscape_Build_Anim_Reset();
    std::vector<int16_t> steps;
    std::vector<int> shown;
    for (int i = 0; i < 12; ++i) {
        steps.push_back(cityscape_build_anim_ctr);
        memset(current_video_page, 0, SCREEN_SIZE);
        Cityscape_Window__WIP(0, SX, SY, 5, 5);
        shown.push_back(Pixels(colour));
    }
    EXPECT_EQ(steps, (std::vector<int16_t>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 100}));
    EXPECT_EQ(cityscape_build_anim_itr, 10);
    EXPECT_EQ(shown[0], 0);
    EXPECT_LT(shown[3], shown[10]);
    EXPECT_GT(shown[10], 100);
}

TEST_F(Cityscape, OutpostSceneStaysInItsFrame)
{
    City().size = 0;
    City().population = 0;
    uint32_t seed = Get_Random_Seed();
    cityscape_bldg_anim_ctr = 9;
    memset(current_video_page, 0xEE, SCREEN_SIZE);
    Outpost_Cityscape(0, 100, 50);
    EXPECT_EQ(Get_Random_Seed(), seed);
    EXPECT_EQ(cityscape_bldg_anim_ctr, 0);
    for (int y = 0; y < SCREEN_HEIGHT; ++y)
        for (int x = 0; x < SCREEN_WIDTH; ++x) {
            bool inside = x >= 100 && x <= 171 && y >= 50 && y <= 115;
            if (!inside) {
                ASSERT_EQ(current_video_page[y * SCREEN_WIDTH + x], 0xEE) << x << "," << y;
            }
            bool border = inside && (x == 100 || x == 171 || y == 50 || y == 115);
            if (border) {
                ASSERT_EQ(current_video_page[y * SCREEN_WIDTH + x], 0) << x << "," << y;
            }
        }
    // The first house of the race's kind at (x + 30, y + 30), over the ground.
    EXPECT_GT(Pixels(180, 130, 80, 141, 98), 20);
    EXPECT_EQ(Pixels(0xEE, 101, 51, 170, 114), 0);
}

}  // namespace
