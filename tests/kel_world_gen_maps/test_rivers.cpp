// River walks and their failures, river tiles, river mouths and lakes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "Gen_Maps_Fixture.h"
#include "worldgen/Rivers.h"

namespace {

using WorldGen_Rivers = Gen_Maps_Test;

std::vector<int16_t> Plane_Copy(int wp)
{
    return std::vector<int16_t>(_world_maps + wp * WORLD_SIZE, _world_maps + (wp + 1) * WORLD_SIZE);
}

int Markers(int wp)
{
    int n = 0;
    for (int i = 0; i < WORLD_SIZE; i++) n += _world_maps[wp * WORLD_SIZE + i] == RIVER_MARKER;
    return n;
}

// Every square of the set reaches every other through north, south, east or west steps.
bool Connected(const std::vector<int> &squares)
{
    if (squares.empty()) return true;
    std::vector<int> reached = {squares[0]};
    for (size_t k = 0; k < reached.size(); k++) {
        for (int s : squares) {
            const int dx = std::abs(s % 60 - reached[k] % 60), dy = std::abs(s / 60 - reached[k] / 60);
            if (dx + dy == 1 && std::find(reached.begin(), reached.end(), s) == reached.end()) reached.push_back(s);
        }
    }
    return reached.size() == squares.size();
}

// Each source is drawn from columns 5..56 and rows 5..36; the plane gives every one the same fate.
TEST_F(WorldGen_Rivers, SourceThatCannotStartFailsWithoutDrawingADirection)
{
    struct Case {
        const char *name;
        int16_t tile;
        uint8_t special;
    };
    const Case cases[] = {{"water", tt_Ocean_Edge, 0},  {"shore", 40, 0},
                          {"mountain", tt_Mountain, 0}, {"hills", tt_Hills, 0},
                          {"node", tt_Nature_Node, 0},  {"river", RIVER_MARKER, 0},
                          {"river tile", 189, 0},       {"special", tt_Grasslands, ts_Wild_Game}};
    for (const Case &c : cases) {
        Fill(0, c.tile);
        memset(_map_square_terrain_specials, c.special, WORLD_SIZE);
        const std::vector<int16_t> before = Plane_Copy(0);
        for (int attempt = 0; attempt < 50; attempt++) {
            const uint64_t draws = g_random_call_count;
            EXPECT_EQ(Generate_River(0), 0) << c.name;
            EXPECT_EQ(g_random_call_count - draws, 2u) << c.name;
        }
        EXPECT_EQ(Plane_Copy(0), before) << c.name;
    }
}

// Ocean only in rows 0 and 39 and a strip across the seam: walks run to the top and bottom edges
// and across columns 0 and 59, and step off the map without harm.
TEST_F(WorldGen_Rivers, LaidRiversHoldFourToTwentyEightJoinedSquaresAndFailuresLeaveNoTrace)
{
    int laid = 0, failed = 0;
    for (int attempt = 0; attempt < 3000; attempt++) {
        Fill(0, tt_Grasslands);
        for (int x = 0; x < WORLD_WIDTH; x++) At(x, 0) = At(x, 39) = tt_Ocean_Edge;
        for (int y = 15; y < 25; y++) At(0, y) = tt_Ocean_Edge;
        const std::vector<int16_t> before = Plane_Copy(0);
        if (Generate_River(0) == 0) {
            ASSERT_EQ(Plane_Copy(0), before) << attempt;
            failed++;
            continue;
        }
        laid++;
        std::vector<int> squares;
        for (int i = 0; i < WORLD_SIZE; i++)
            if (_world_maps[i] == RIVER_MARKER) squares.push_back(i);
        ASSERT_GE(squares.size(), 4u) << attempt;
        ASSERT_LE(squares.size(), 28u) << attempt;
        ASSERT_TRUE(Connected(squares)) << attempt;
        bool at_water = false;
        for (int s : squares) {
            const int x = s % 60, y = s / 60;
            const int beside[4][2] = {{x, y - 1}, {x, y + 1}, {(x + 59) % 60, y}, {(x + 1) % 60, y}};
            for (const auto &b : beside)
                at_water |= b[1] >= 0 && b[1] < WORLD_HEIGHT && before[b[1] * 60 + b[0]] == tt_Ocean_Edge;
        }
        std::string where;
        for (int s : squares) where += " (" + std::to_string(s % 60) + "," + std::to_string(s / 60) + ")";
        ASSERT_TRUE(at_water) << attempt << where;
    }
    EXPECT_GT(laid, 50);
    EXPECT_GT(failed, 50);
}

// Mountains, hills, nodes, deserts and squares with a terrain special are stepped round, never
// taken into a river; only the source may be desert.
TEST_F(WorldGen_Rivers, WalksPassOverTheSquaresARiverMayNotCross)
{
    const int16_t blockers[4] = {tt_Mountain, tt_Hills, tt_Chaos_Node, tt_Desert};
    int laid = 0;
    for (int attempt = 0; attempt < 3000; attempt++) {
        Fill(0, tt_Grasslands);
        memset(_map_square_terrain_specials, 0, WORLD_SIZE);
        for (int i = 0; i < WORLD_SIZE; i++) {
            if (i % 7 == 3) _world_maps[i] = blockers[(i / 7) % 4];
            if (i % 11 == 5) _map_square_terrain_specials[i] = ts_Coal;
        }
        for (int x = 0; x < WORLD_WIDTH; x++) At(x, 0) = At(x, 39) = tt_Ocean_Edge;
        const std::vector<int16_t> before = Plane_Copy(0);
        if (Generate_River(0) == 0) continue;
        laid++;
        int deserts = 0;
        for (int i = 0; i < WORLD_SIZE; i++) {
            if (_world_maps[i] == RIVER_MARKER) {
                deserts += before[i] == tt_Desert;
                ASSERT_TRUE(before[i] == tt_Grasslands || before[i] == tt_Desert) << attempt << " square " << i;
                ASSERT_EQ(_map_square_terrain_specials[i], 0) << attempt << " square " << i;
            }
        }
        ASSERT_LE(deserts, 1) << attempt;
    }
    EXPECT_GT(laid, 5);
}

TEST_F(WorldGen_Rivers, WalksWithNothingToReachOrOnlyBadMouthsAllFail)
{
    for (int16_t sea : {(int16_t)-1, (int16_t)100, (int16_t)161}) {
        Fill(0, tt_Grasslands);
        if (sea >= 0)
            for (int x = 0; x < WORLD_WIDTH; x++) At(x, 0) = At(x, 1) = At(x, 38) = At(x, 39) = sea;
        const std::vector<int16_t> before = Plane_Copy(0);
        for (int attempt = 0; attempt < 1500; attempt++) ASSERT_EQ(Generate_River(0), 0) << sea << " " << attempt;
        EXPECT_EQ(Plane_Copy(0), before) << sea;
    }
}

TEST_F(WorldGen_Rivers, WalkThatReachesALaidRiverEndsThereAndJoinsIt)
{
    int laid = 0;
    for (int attempt = 0; attempt < 2000; attempt++) {
        Fill(0, tt_Grasslands);
        for (int y = 0; y < WORLD_HEIGHT; y++) At(30, y) = RIVER_MARKER;
        if (Generate_River(0) == 0) {
            ASSERT_EQ(Markers(0), WORLD_HEIGHT);
            continue;
        }
        laid++;
        std::vector<int> squares;
        for (int i = 0; i < WORLD_SIZE; i++)
            if (_world_maps[i] == RIVER_MARKER) squares.push_back(i);
        ASSERT_GE(squares.size(), (size_t)WORLD_HEIGHT + 3);
        ASSERT_LE(squares.size(), (size_t)WORLD_HEIGHT + 27);
        ASSERT_TRUE(Connected(squares)) << attempt;
    }
    EXPECT_GT(laid, 20);
}

TEST_F(WorldGen_Rivers, RiverTilesJoinNeighboursAcrossTheSeamButNotAcrossRowsOrPlanes)
{
    Fill(0, tt_Grasslands);
    Fill(1, tt_Grasslands);
    At(20, 20) = RIVER_MARKER;  // alone
    At(0, 10) = RIVER_MARKER;
    At(59, 10) = RIVER_MARKER;
    At(10, 39, 0) = RIVER_MARKER;  // the square before plane 1's row 0 in memory
    At(10, 0, 1) = RIVER_MARKER;
    At(59, 39, 1) = RIVER_MARKER;
    At(40, 30) = RIVER_MARKER;
    At(40, 31) = tt_Ocean_Edge;
    At(41, 30) = 233;
    River_Autotile(0);
    River_Autotile(1);
    EXPECT_EQ(At(20, 20), tt_Grasslands);
    EXPECT_EQ(At(0, 10), 186);   // west: column 59
    EXPECT_EQ(At(59, 10), 188);  // east: column 0
    EXPECT_EQ(At(10, 39, 0), tt_Grasslands);
    EXPECT_EQ(At(10, 0, 1), tt_Grasslands);
    EXPECT_EQ(At(59, 39, 1), tt_Grasslands);
    EXPECT_TRUE(At(40, 30) == 191 || At(40, 30) == 195 || At(40, 30) == 235) << At(40, 30);
}

TEST_F(WorldGen_Rivers, MouthsAndLakesTakeTheirTilesAndDryUpTheirLastRiverSquares)
{
    Fill(0, tt_Grasslands);
    // A shore with a river to the south.
    At(20, 20) = 3;
    At(20, 21) = RIVER_MARKER;
    At(20, 22) = RIVER_MARKER;
    // A lake no river reaches, and a lake with rivers north and east.
    At(5, 5) = 18;
    At(30, 20) = 18;
    At(30, 19) = RIVER_MARKER;
    At(30, 18) = RIVER_MARKER;
    At(31, 20) = RIVER_MARKER;
    // A shore of 51..65 with rivers north and south; one of 82..97 with a river to the west.
    At(40, 20) = 51;
    At(40, 19) = RIVER_MARKER;
    At(40, 21) = RIVER_MARKER;
    At(50, 30) = 83;
    At(49, 30) = RIVER_MARKER;
    At(49, 29) = RIVER_MARKER;
    River_Autotile(0);
    EXPECT_EQ(At(20, 20), 218);
    EXPECT_EQ(At(5, 5), 308);
    EXPECT_EQ(At(30, 20), 198);
    EXPECT_EQ(At(31, 20), tt_Grasslands);
    EXPECT_EQ(At(40, 20), 51 + 487);
    EXPECT_EQ(At(40, 21), tt_Grasslands);
    EXPECT_EQ(At(50, 30), 83 + 370);
    // The river north of the lake is re-tiled on the rescan and still meets water to the south.
    EXPECT_TRUE(At(30, 19) >= 237 && At(30, 19) <= 239) << At(30, 19);
}

// Shore and lake tiles by the river sides around them (1 north, 2 east, 4 south, 8 west).
TEST_F(WorldGen_Rivers, MouthTileFollowsTheShoreTileAndItsRiverSides)
{
    struct Case {
        int16_t shore;
        int rivers;
        int16_t mouth;
    };
    const Case cases[] = {
        {4, 4, 217},  {11, 4, 220}, {21, 2, 230}, {19, 8, 224}, {30, 1, 226}, {3, 2, 3},     {35, 1, 490}, {35, 8, 474},
        {35, 9, 202}, {35, 2, 35},  {41, 6, 208}, {40, 2, 495}, {44, 3, 211}, {49, 12, 216}, {49, 4, 488}, {60, 1, 547},
        {60, 4, 563}, {70, 2, 589}, {70, 8, 573}, {90, 2, 529}, {90, 4, 460}, {91, 4, 530},  {96, 8, 535}, {97, 4, 536},
        {18, 2, 199}, {18, 4, 200}, {18, 8, 197}, {18, 1, 198}, {98, 1, 98},
    };
    for (const Case &c : cases) {
        Fill(0, tt_Grasslands);
        At(30, 20) = c.shore;
        if (c.rivers & 1) At(30, 19) = RIVER_MARKER;
        if (c.rivers & 2) At(31, 20) = RIVER_MARKER;
        if (c.rivers & 4) At(30, 21) = RIVER_MARKER;
        if (c.rivers & 8) At(29, 20) = RIVER_MARKER;
        River_Autotile(0);
        EXPECT_EQ(At(30, 20), c.mouth) << c.shore << " rivers " << c.rivers;
    }
}

}  // namespace
