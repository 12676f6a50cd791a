// Movement-cost maps from the terrain statistics, and the land and sea connectivity grids.
#include <gtest/gtest.h>

#include <vector>

#include "Gen_Maps_Fixture.h"
#include "world/Move_Path.h"
#include "world/Path_Finder.h"
#include "worldgen/Connectivity_Grids.h"
#include "worldgen/Movement_Cost_Maps.h"

namespace {

using WorldGen_Grids = Gen_Maps_Test;

constexpr uint8_t X = PATH_IMPASSABLE;

std::vector<uint8_t> Closed_Map(void) { return std::vector<uint8_t>(WORLD_SIZE, X); }
void Open(std::vector<uint8_t> &map, int wx, int wy) { map[wy * WORLD_WIDTH + wx] = 1; }

std::vector<uint8_t> Grid_Of(const std::vector<uint8_t> &map)
{
    std::vector<uint8_t> grid(GRID_CELLS, 0xEE);
    Build_Connectivity_Graph(map.data(), grid.data());
    return grid;
}

// The procedure as written out: every start against every goal with the path finder, whether or
// not the edge has contact, and the link kept only where both hold.
std::vector<uint8_t> Literal_Grid(const std::vector<uint8_t> &map)
{
    auto passable = [&](int x, int y) { return map[y * WORLD_WIDTH + x] != X; };
    uint8_t px[64], py[64];
    std::vector<uint8_t> grid(GRID_CELLS, 0);
    for (int row = 0; row < GRID_ROWS; row++) {
        for (int col = 0; col < GRID_COLUMNS; col++) {
            const int x0 = 5 * col, y0 = 5 * row;
            uint8_t tall[35], wide[35], cell = 0;
            for (int k = 0; k < 7; k++)
                for (int c = 0; c < 5; c++) {
                    const int y = y0 - 1 + k;
                    tall[k * 5 + c] = (y < 0 || y >= WORLD_HEIGHT) ? X : map[y * WORLD_WIDTH + x0 + c];
                }
            for (int r = 0; r < 5; r++)
                for (int k = 0; k < 7; k++) wide[r * 7 + k] = map[(y0 + r) * WORLD_WIDTH + (x0 - 1 + k + 60) % 60];
            auto row_contact = [&](int edge, int beyond) {
                for (int x = x0; x < x0 + 5; x++)
                    for (int nx = x - 1; nx <= x + 1; nx++)
                        if (nx >= x0 && nx < x0 + 5 && passable(x, edge) && passable(nx, beyond)) return true;
                return false;
            };
            auto col_contact = [&](int edge, int beyond) {
                for (int y = y0; y < y0 + 5; y++)
                    for (int ny = y - 1; ny <= y + 1; ny++)
                        if (ny >= y0 && ny < y0 + 5 && passable(edge, y) && passable(beyond, ny)) return true;
                return false;
            };
            auto any = [&](const uint8_t *w, int width, int height, bool vertical, int from, int to) {
                for (int a = 0; a < 5; a++)
                    for (int b = 0; b < 5; b++) {
                        const int16_t n = vertical ? Find_Shortest_Path(a, from, b, to, width, height, w, px, py)
                                                   : Find_Shortest_Path(from, a, to, b, width, height, w, px, py);
                        if (n != 0) return true;
                    }
                return false;
            };
            if (row > 0) {
                const bool path = any(tall, 5, 7, true, 4, 0);
                if (row_contact(y0, y0 - 1)) cell |= 0x10 | (path ? 0x01 : 0);
            }
            if (row < 7) {
                const bool path = any(tall, 5, 7, true, 2, 6);
                if (row_contact(y0 + 4, y0 + 5)) cell |= 0x40 | (path ? 0x04 : 0);
            }
            const int xw = x0 == 0 ? 59 : x0 - 1, xe = x0 + 5 == 60 ? 0 : x0 + 5;
            const bool west = any(wide, 7, 5, false, 4, 0);
            if (col_contact(x0, xw)) cell |= 0x80 | (west ? 0x08 : 0);
            const bool east = any(wide, 7, 5, false, 2, 6);
            if (col_contact(x0 + 4, xe)) cell |= 0x20 | (east ? 0x02 : 0);
            grid[row * 12 + col] = cell;
        }
    }
    for (int row = 0; row < 8; row++)
        for (int col = 0; col < 12; col++) {
            const uint8_t c = grid[row * 12 + col];
            if ((c & 0x01) && row > 0) grid[(row - 1) * 12 + col] |= 0x04;
            if ((c & 0x04) && row < 7) grid[(row + 1) * 12 + col] |= 0x01;
            if ((c & 0x08) && col > 0) grid[row * 12 + col - 1] |= 0x02;
            if ((c & 0x02) && col < 11) grid[row * 12 + col + 1] |= 0x08;
        }
    return grid;
}

TEST_F(WorldGen_Grids, CostsComeFromTheStatisticsRowOfTheRawTerrainValue)
{
    stats[769 * 6 + 1] = 7;
    stats[(769 - TERRAIN_TILE_SET_SIZE) * 6 + 1] = 3;
    At(0, 0) = 769;
    At(1, 0) = 7;
    At(2, 0) = tt_Grasslands;
    At(3, 0) = 770;  // beyond the table
    At(4, 0) = -5;
    At(5, 0) = 32767;
    Movement_Mode_Cost_Maps(0);
    EXPECT_EQ(Movement_Cost_Map_Of(0, mcm_Walking)[0], 7);
    EXPECT_EQ(Movement_Cost_Map_Of(0, mcm_Walking)[1], 3);
    for (int map = 0; map < 6; map++) {
        EXPECT_EQ(Movement_Cost_Map_Of(0, map)[2], stats[tt_Grasslands * 6 + map]) << "map " << map;
        for (int x = 3; x <= 5; x++) EXPECT_EQ(Movement_Cost_Map_Of(0, map)[x], X) << "map " << map << " x " << x;
    }
    // The other plane is left alone.
    EXPECT_EQ(Movement_Cost_Map_Of(1, mcm_Walking)[0], 0);
}

TEST_F(WorldGen_Grids, RoadsCostOneOnPlaneZeroNothingOnPlaneOneAndCloseToShips)
{
    const int16_t terrains[2] = {tt_Mountain, tt_Ocean_Edge};
    for (int wp = 0; wp < 2; wp++) {
        for (int i = 0; i < 2; i++) {
            At(10 + i, 10, wp) = terrains[i];
            _map_square_flags[World_Square_Index(10 + i, 10, wp)] = sf_Road;
        }
        // A terrain beyond the statistics table stays impassable under a road.
        At(12, 10, wp) = 900;
        _map_square_flags[World_Square_Index(12, 10, wp)] = sf_Road;
        Movement_Mode_Cost_Maps((int16_t)wp);
        for (int map = 0; map < 6; map++) EXPECT_EQ(Movement_Cost_Map_Of(wp, map)[10 * 60 + 12], X);
        for (int i = 0; i < 2; i++) {
            for (int map = 0; map < 5; map++) {
                EXPECT_EQ(Movement_Cost_Map_Of(wp, map)[10 * 60 + 10 + i], wp == 0 ? 1 : 0) << wp << i << map;
            }
            EXPECT_EQ(Movement_Cost_Map_Of(wp, mcm_Sailing)[10 * 60 + 10 + i], X);
        }
    }
}

TEST_F(WorldGen_Grids, AllOceanGivesNoLandLinksAndEverySeaLinkWithTheSeam)
{
    Movement_Mode_Cost_Maps(0);
    Movement_Mode_Cost_Maps(1);
    memset(connectivity_grid_land, 0xEE, CONNECTIVITY_GRID_SIZE);
    memset(connectivity_grid_sea, 0xEE, CONNECTIVITY_GRID_SIZE);
    Build_Connectivity_Graphs(0);
    Build_Connectivity_Graphs(1);
    for (int i = 0; i < CONNECTIVITY_GRID_SIZE; i++) {
        const int row = (i % GRID_CELLS) / GRID_COLUMNS;
        uint8_t expected = 0xAA;  // east and west, links and contacts, through the wrap too
        if (row > 0) expected |= 0x11;
        if (row < 7) expected |= 0x44;
        EXPECT_EQ(connectivity_grid_land[i], 0) << i;
        EXPECT_EQ(connectivity_grid_sea[i], expected) << i;
    }
}

TEST_F(WorldGen_Grids, DiagonalBridgeIsContactAndTheSymmetryPassMirrorsTheLink)
{
    // Cell (row 2, column 3): x0 15, y0 10. A strip down column 16 from row 10 to row 13, then one
    // square diagonally up at (17, 9) in the cell above.
    std::vector<uint8_t> map = Closed_Map();
    for (int y = 10; y <= 13; y++) Open(map, 16, y);
    Open(map, 17, 9);
    std::vector<uint8_t> grid = Grid_Of(map);
    EXPECT_EQ(grid[2 * 12 + 3], cg_North_Contact | cg_North_Link);
    // The cell above touches across its bottom edge but has no route of its own: the link is mirrored.
    EXPECT_EQ(grid[1 * 12 + 3], cg_South_Contact | cg_South_Link);
    EXPECT_EQ(grid, Literal_Grid(map));

    // Contact without a route keeps the contact bit only.
    map = Closed_Map();
    Open(map, 16, 10);
    Open(map, 16, 9);
    grid = Grid_Of(map);
    EXPECT_EQ(grid[2 * 12 + 3], cg_North_Contact);
    EXPECT_EQ(grid[1 * 12 + 3], cg_South_Contact);
}

TEST_F(WorldGen_Grids, TouchingOnlyOutsideTheCellsOwnColumnsOrRowsIsNoContact)
{
    // North: (19, 10) is the cell's last column; (20, 9) lies in the next column block.
    std::vector<uint8_t> map = Closed_Map();
    for (int y = 9; y <= 15; y++) Open(map, 20, y);
    for (int y = 10; y <= 14; y++) Open(map, 19, y);
    std::vector<uint8_t> grid = Grid_Of(map);
    EXPECT_EQ(grid[2 * 12 + 3] & (cg_North_Contact | cg_North_Link), 0);
    // West: (15, 10) is the cell's top row; (14, 9) lies in the row block above.
    map = Closed_Map();
    for (int x = 10; x <= 19; x++) Open(map, x, 9);
    Open(map, 15, 10);
    grid = Grid_Of(map);
    EXPECT_EQ(grid[2 * 12 + 3] & (cg_West_Contact | cg_West_Link), 0);
    EXPECT_EQ(grid, Literal_Grid(map));
}

TEST_F(WorldGen_Grids, SeamLinksColumnElevenToColumnZeroOnlyWhereBothFindThem)
{
    std::vector<uint8_t> map = Closed_Map();
    for (int x = 55; x < 60; x++) Open(map, x, 22);
    for (int x = 0; x < 4; x++) Open(map, x, 22);
    std::vector<uint8_t> grid = Grid_Of(map);
    EXPECT_EQ(grid[4 * 12 + 11] & 0x22, 0x22);
    EXPECT_EQ(grid[4 * 12 + 0] & 0x88, 0x88);
    // Contact across the seam, but neither window has a route from its inner column.
    map = Closed_Map();
    Open(map, 0, 22);
    Open(map, 59, 22);
    grid = Grid_Of(map);
    EXPECT_EQ(grid[4 * 12 + 0], cg_West_Contact);
    EXPECT_EQ(grid[4 * 12 + 11], cg_East_Contact);
}

// Random maps of every density against the literal procedure: the builder's shortcuts (no search
// without contact, one search per region) never change a bit.
TEST_F(WorldGen_Grids, MatchesEveryStartAgainstEveryGoalOnRandomMaps)
{
    uint32_t seed = 99;
    for (int density = 20; density <= 80; density += 15) {
        for (int trial = 0; trial < 3; trial++) {
            std::vector<uint8_t> map(WORLD_SIZE);
            for (auto &c : map) {
                seed = seed * 1103515245u + 12345u;
                c = (int)((seed >> 16) % 100) < density ? (uint8_t)(1 + (seed >> 8) % 3) : X;
            }
            ASSERT_EQ(Grid_Of(map), Literal_Grid(map)) << "density " << density << " trial " << trial;
        }
    }
}

}  // namespace
