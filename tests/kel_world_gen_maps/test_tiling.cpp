// Edge tiles of shores, mountains, tundra and hills, desert edges and the random variants.
#include <gtest/gtest.h>

#include <set>

#include "Gen_Maps_Fixture.h"
#include "Test_Requirements.h"
#include "worldgen/Terrain_Tiling.h"

namespace {

using gen_maps_test::Test_Edge_Tile;
using WorldGen_Tiling = Gen_Maps_Test;

// Mask bits: 1 north-west, 2 north, 4 north-east, 8 east, 16 south-east, 32 south, 64 south-west, 128 west.
TEST_F(WorldGen_Tiling, ShoresTakeTableZeroByTheirLandNeighbours)
{
    Fill(0, tt_Ocean_Edge);
    Fill(1, tt_Ocean_Edge);
    // A one-square lake in grassland, an ocean square beside one hills square, open sea.
    for (int y = 9; y <= 11; y++)
        for (int x = 9; x <= 11; x++) At(x, y) = tt_Grasslands;
    At(10, 10) = tt_Ocean_Edge;
    At(31, 20) = tt_Hills;
    // The seam: land at column 59 is west of column 0; row 0 has nothing above it.
    At(59, 5) = tt_Forest;
    At(20, 1) = tt_Chaos_Node;
    At(40, 30, 1) = tt_Desert;
    Korvad_Autotiling();
    EXPECT_EQ(At(10, 10), 18);
    EXPECT_EQ(At(30, 20), Test_Edge_Tile(0, 8));
    EXPECT_EQ(At(30, 21), Test_Edge_Tile(0, 4));
    EXPECT_EQ(At(0, 5), Test_Edge_Tile(0, 128));
    EXPECT_EQ(At(0, 4), Test_Edge_Tile(0, 64));
    EXPECT_EQ(At(21, 0), Test_Edge_Tile(0, 64));
    EXPECT_EQ(At(40, 29, 1), Test_Edge_Tile(0, 32));
    EXPECT_EQ(At(45, 35), tt_Ocean_Edge);
    EXPECT_EQ(At(40, 29, 0), tt_Ocean_Edge);
}

TEST_F(WorldGen_Tiling, MountainsAndHillsCountTheirOwnKindWithoutWrap)
{
    Fill(0, tt_Grasslands);
    Fill(1, tt_Grasslands);
    At(0, 10) = tt_Mountain;
    At(59, 10) = tt_Mountain;
    At(1, 10) = tt_Mountain;
    At(20, 20) = tt_Hills;
    At(21, 20) = tt_Hills;
    At(20, 21) = tt_Mountain;  // not hills
    At(40, 5) = tt_Hills;      // alone: keeps its base tile
    Korvad_Autotiling();
    // (0, 10) sees (1, 10) east only; (1, 10) sees the already tiled (0, 10) west.
    EXPECT_EQ(At(0, 10), Test_Edge_Tile(1, 8));
    EXPECT_EQ(At(1, 10), Test_Edge_Tile(1, 128));
    EXPECT_EQ(At(59, 10), tt_Mountain);
    EXPECT_EQ(At(20, 20), Test_Edge_Tile(1, 8) + HILLS_EDGE_OFFSET);
    EXPECT_EQ(At(21, 20), Test_Edge_Tile(1, 128) + HILLS_EDGE_OFFSET);
    EXPECT_EQ(At(40, 5), tt_Hills);
}

TEST_F(WorldGen_Tiling, TundraOnColumnFiftyNineWrapsAllButItsPlainEastNeighbour)
{
    Fill(0, tt_Grasslands);
    Fill(1, tt_Tundra);
    At(59, 20) = tt_Tundra;
    At(0, 0) = tt_Tundra;
    Korvad_Autotiling();
    EXPECT_EQ(At(59, 20), Test_Edge_Tile(0, 255 & ~8) + TUNDRA_EDGE_OFFSET);
    // Row 0: the three squares above never count.
    EXPECT_EQ(At(0, 0), Test_Edge_Tile(0, 8 | 16 | 32 | 64 | 128) + TUNDRA_EDGE_OFFSET);
    // A plane of tundra only has nothing to edge.
    EXPECT_EQ(At(30, 20, 1), tt_Tundra);
}

TEST_F(WorldGen_Tiling, EntriesThatWouldPassTerrain762AreRefused)
{
    // Table 0 mask 255: 163 + 600 = 763; table 1 mask 8: 747 + 16 = 763; table 0 mask 8: negative.
    Use_Terrtype(gen_maps_test::Terrtype_Archive({{255, 163}, {256 + 8, 747}, {8, -4}, {4, 162}}));
    Fill(0, tt_Grasslands);
    Fill(1, tt_Grasslands);
    At(10, 10) = tt_Ocean_Edge;
    At(20, 20) = tt_Hills;
    At(21, 20) = tt_Hills;
    At(30, 30) = tt_Ocean_Edge;
    for (int x = 29; x <= 31; x++)
        for (int y = 29; y <= 31; y++)
            if (x != 30 || y != 30) At(x, y) = tt_Ocean_Edge;
    At(31, 29) = tt_Grasslands;
    Korvad_Autotiling();
    EXPECT_EQ(Edge_Tile(0, 255), EDGE_TILE_REFUSED);
    EXPECT_EQ(Edge_Tile(1, 8), EDGE_TILE_REFUSED);
    EXPECT_EQ(Edge_Tile(0, 8), EDGE_TILE_REFUSED);
    EXPECT_EQ(Edge_Tile(0, 4), 162);
    EXPECT_EQ(At(10, 10), tt_Ocean_Edge);
    EXPECT_EQ(At(20, 20), tt_Hills);
    EXPECT_EQ(At(30, 30), 162);  // mask 4: the largest table-0 tile that tundra can still take
}

TEST_F(WorldGen_Tiling, DesertEdgesCountRiversAndTheMapEdgeAsTheyShould)
{
    Fill(0, tt_Desert);
    Fill(1, tt_Grasslands);
    At(10, 10) = 185;  // a river square
    At(30, 0) = tt_Desert;
    At(20, 20, 1) = tt_Desert;
    Desert_Autotile();
    EXPECT_EQ(At(11, 11), Test_Edge_Tile(0, 1) + DESERT_EDGE_OFFSET);
    EXPECT_EQ(At(9, 10), Test_Edge_Tile(0, 8) + DESERT_EDGE_OFFSET);
    // Nothing beyond the map counts, and the seam does not wrap.
    EXPECT_EQ(At(30, 0), tt_Desert);
    EXPECT_EQ(At(0, 20), tt_Desert);
    EXPECT_EQ(At(20, 20, 1), Test_Edge_Tile(0, 255) + DESERT_EDGE_OFFSET);
}

TEST_F(WorldGen_Tiling, DryLakeTakesTheLastLandmassAroundItAndTilesAsDesert)
{
    Fill(0, tt_Grasslands);
    Fill(1, tt_Grasslands);
    At(10, 10) = TILE_DRY_LAKE;
    _landmasses[World_Square_Index(9, 9, 0)] = 4;
    _landmasses[World_Square_Index(11, 10, 0)] = 7;
    _landmasses[World_Square_Index(10, 11, 0)] = 0;
    At(0, 0, 1) = TILE_DRY_LAKE;
    _landmasses[World_Square_Index(59, 0, 1)] = 9;  // across the seam: not in the block
    _landmasses[World_Square_Index(1, 1, 1)] = 3;
    Desert_Autotile();
    EXPECT_EQ(_landmasses[World_Square_Index(10, 10, 0)], 7);
    EXPECT_EQ(_landmasses[World_Square_Index(0, 0, 1)], 3);
    EXPECT_EQ(At(10, 10), Test_Edge_Tile(0, 255) + DESERT_EDGE_OFFSET);
}

TEST_F(WorldGen_Tiling, ShuffleDrawsAVariantForEachPlainSquareInScanOrder)
{
    const int16_t plain[6] = {tt_Grasslands, tt_Forest, tt_Desert, tt_Swamp, tt_Tundra, tt_Hills};
    for (int i = 0; i < NUM_PLANES * WORLD_SIZE; i++) _world_maps[i] = plain[i % 6];
    Set_Random_Seed(77);
    const uint64_t before = g_random_call_count;
    Shuffle_Terrains();
    EXPECT_EQ(g_random_call_count - before, (uint64_t)(NUM_PLANES * WORLD_SIZE / 6 * 5));
    const std::set<int16_t> variants[6] = {{162, 180, 172, 173}, {163, 183, 184}, {165, 174, 175, 176},
                                           {166, 177, 178},      {167, 181, 182}, {171}};
    std::set<int16_t> seen[6];
    for (int i = 0; i < NUM_PLANES * WORLD_SIZE; i++) {
        ASSERT_TRUE(variants[i % 6].count(_world_maps[i])) << i << " " << _world_maps[i];
        seen[i % 6].insert(_world_maps[i]);
    }
    for (int k = 0; k < 6; k++) EXPECT_EQ(seen[k], variants[k]) << k;
    // The same seed gives the same squares.
    std::vector<int16_t> first(_world_maps, _world_maps + NUM_PLANES * WORLD_SIZE);
    for (int i = 0; i < NUM_PLANES * WORLD_SIZE; i++) _world_maps[i] = plain[i % 6];
    Set_Random_Seed(77);
    Shuffle_Terrains();
    EXPECT_EQ(first, std::vector<int16_t>(_world_maps, _world_maps + NUM_PLANES * WORLD_SIZE));
}

// The stand-in installation's TERRTYPE serves every pass: a shore tile per mask (18 for a lake of
// one square), mountain edges in 259..274, nothing refused.
TEST_F(WorldGen_Tiling, StandinEdgeTablesServeEveryPass)
{
    const std::string folder = std::string(TOLVA_BINARY_DIR "/standin");
    FILE *probe = fopen((folder + "/TERRTYPE.LBX").c_str(), "rb");
    if (probe == nullptr) TOLVA_SKIP_OR_FAIL("stand-in installation not built: " << folder);
    fclose(probe);
    LBX_Close();
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(folder.c_str());
    Load_Edge_Tile_Tables();
    EXPECT_EQ(Edge_Tile(0, 255), 18);
    for (int mask = 1; mask < 256; mask++) {
        EXPECT_GE(Edge_Tile(0, mask), 2) << mask;
        EXPECT_LE(Edge_Tile(0, mask), 161) << mask;
        EXPECT_GE(Edge_Tile(1, mask), 259) << mask;
        EXPECT_LE(Edge_Tile(1, mask), 274) << mask;
    }
}

}  // namespace
