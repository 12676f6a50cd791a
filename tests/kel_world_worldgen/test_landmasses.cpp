// Landmass numbers, height walks, base terrain, tundra, climate, islands and the terrain queries.
#include <gtest/gtest.h>

#include <cstring>

#include "World_Fixture.h"
#include "Worldgen_Test_Support.h"
#include "random.h"
#include "worldgen/Landmasses.h"

namespace {

class WorldGen_Landmasses : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        Init_Landmasses(0);
        Init_Landmasses(1);
    }
};

TEST_F(WorldGen_Landmasses, ALoneSquareTakesTheCounterAndTheCounterRisesAcrossPlanes)
{
    Build_Landmass(0, 10, 10);
    Build_Landmass(1, 10, 10);
    Build_Landmass(0, 30, 30);
    EXPECT_EQ(Landmass(10, 10, 0), 1);
    EXPECT_EQ(Landmass(10, 10, 1), 2) << "the counter is not reset for the second plane";
    EXPECT_EQ(Landmass(30, 30, 0), 3);
    EXPECT_EQ(m_landmasses_ctr, 4);
    Build_Landmass(0, 11, 10);
    EXPECT_EQ(Landmass(11, 10, 0), 1) << "a square next to land joins it";
    EXPECT_EQ(m_landmasses_ctr, 4);
}

TEST_F(WorldGen_Landmasses, ADiagonalBridgeMergesTwoLandmassesAcrossThePlaneOnly)
{
    // Two landmasses meeting only at the corners of the new square: the north-west one wins.
    Landmass(9, 9, 0) = 5;
    Landmass(8, 8, 0) = 5;
    Landmass(11, 11, 0) = 7;
    Landmass(40, 30, 0) = 7;
    Landmass(40, 30, 1) = 7;
    Build_Landmass(0, 10, 10);
    EXPECT_EQ(Landmass(10, 10, 0), 5);
    EXPECT_EQ(Landmass(11, 11, 0), 5);
    EXPECT_EQ(Landmass(40, 30, 0), 5) << "every square of the merged landmass is renumbered";
    EXPECT_EQ(Landmass(40, 30, 1), 7) << "the other plane is left alone";
    EXPECT_EQ(Landmass(8, 8, 0), 5);
}

TEST_F(WorldGen_Landmasses, NumbersPastTheByteSaturateInsteadOfTurningToWater)
{
    m_landmasses_ctr = 255;
    Build_Landmass(0, 10, 10);
    Build_Landmass(0, 20, 10);
    EXPECT_EQ(Landmass(10, 10, 0), 255);
    EXPECT_EQ(Landmass(20, 10, 0), 255) << "number 256 would read as 0, water";
}

TEST_F(WorldGen_Landmasses, TheSquaresOwnNumberWinsOverItsNeighbours)
{
    Landmass(10, 10, 0) = 9;
    Landmass(9, 9, 0) = 4;
    Landmass(10, 11, 0) = 6;
    Build_Landmass(0, 10, 10);
    EXPECT_EQ(Landmass(10, 10, 0), 9);
    EXPECT_EQ(Landmass(9, 9, 0), 9);
    EXPECT_EQ(Landmass(10, 11, 0), 9);
}

TEST_F(WorldGen_Landmasses, NeighboursStayOnTheMapAndColumnsDoNotWrap)
{
    // Land at the east edge is not a neighbour of the west edge, and the rows above the top
    // and below the bottom (the other plane's squares in memory) are never read.
    Landmass(59, 5, 0) = 3;
    Landmass(0, 39, 0) = 8;  // one square before plane 1's first square
    Landmass(0, 0, 1) = 8;   // plane 1's first square, just after plane 0's last row
    Build_Landmass(0, 0, 5);
    EXPECT_NE(Landmass(0, 5, 0), 3);
    Build_Landmass(0, 59, 39);
    EXPECT_NE(Landmass(59, 39, 0), 8) << "plane 1's squares are not plane 0's southern neighbours";
    Build_Landmass(1, 59, 0);
    EXPECT_NE(Landmass(59, 0, 1), 8) << "plane 0's squares are not plane 1's northern neighbours";
    Build_Landmass(0, 60, 5);
    Build_Landmass(0, 5, -1);
    EXPECT_EQ(Landmass(0, 6, 0), 0) << "a square off the map is refused";
}

TEST_F(WorldGen_Landmasses, WalksRaiseOneSquarePastTheTargetInsideTheirBounds)
{
    for (int16_t size = 0; size < 3; size++) {
        for (uint32_t seed : {1u, 77u, 123456u}) {
            World_Clear();
            _landsize = size;
            Set_Random_Seed(seed);
            Init_Landmasses(0);
            Generate_Landmasses(0);
            int land = 0;
            for (int y = 0; y < WORLD_HEIGHT; y++) {
                for (int x = 0; x < WORLD_WIDTH; x++) {
                    if (Tile(x, y, 0) == 0) continue;
                    land++;
                    EXPECT_TRUE(x >= 2 && x <= 57 && y >= 4 && y <= 35) << x << "," << y;
                    EXPECT_NE(Landmass(x, y, 0), 0) << "every raised square has a landmass";
                }
            }
            EXPECT_EQ(land, LANDSIZE_TARGETS[size] + 1) << "size " << size << " seed " << seed;
            for (int i = 0; i < WORLD_SIZE; i++) EXPECT_EQ(_world_maps[WORLD_SIZE + i], 0) << "plane 1 untouched";
        }
    }
}

TEST_F(WorldGen_Landmasses, HeightsBecomeBaseTerrainAndThePolesFreeze)
{
    struct Case {
        int16_t height;
        int16_t tile;
    };
    const Case cases[] = {{0, TT_OCEAN}, {2, TT_FOREST},   {3, TT_FOREST},   {4, TT_HILLS},
                          {5, TT_HILLS}, {6, TT_MOUNTAIN}, {11, TT_MOUNTAIN}};
    Fill_Plane(0, 0);
    for (int k = 0; k < 7; k++) Tile(10 + k, 20, 0) = cases[k].height;
    for (int x = 0; x < WORLD_WIDTH; x++) Tile(x, 10, 0) = 1;
    Set_Random_Seed(42);
    Translate_Heightmap_To_Base_Terrain_Types(0);
    for (int k = 0; k < 7; k++) EXPECT_EQ(Tile(10 + k, 20, 0), cases[k].tile) << "height " << cases[k].height;
    int grass = 0;
    for (int x = 0; x < WORLD_WIDTH; x++) {
        int16_t t = Tile(x, 10, 0);
        EXPECT_TRUE(t == TT_GRASSLAND || t == TT_FOREST);
        grass += (t == TT_GRASSLAND);
        EXPECT_EQ(Tile(x, 0, 0), TT_TUNDRA) << "row 0 freezes over the ocean too";
        EXPECT_EQ(Tile(x, 39, 0), TT_TUNDRA);
    }
    EXPECT_GT(grass, 30) << "height 1 is mostly grassland";
    EXPECT_LT(grass, 60) << "and sometimes forest";
}

TEST_F(WorldGen_Landmasses, ClimateFreezesRowsTwoAndThreeAndSwampsTakeOnlyForest)
{
    for (uint32_t seed : {3u, 99u}) {
        Fill_Plane(0, TT_GRASSLAND);
        Fill_Plane(1, TT_MOUNTAIN);
        Set_Random_Seed(seed);
        Generate_Climate_Terrain_Types(0);
        Generate_Climate_Terrain_Types(1);
        for (int x = 0; x < WORLD_WIDTH; x++) {
            for (int y : {2, 3, 36, 37}) {
                int16_t t = Tile(x, y, 0);
                EXPECT_TRUE(t != TT_GRASSLAND && t != TT_FOREST) << x << "," << y;
            }
        }
        int deserts = 0;
        for (int i = 0; i < WORLD_SIZE; i++) {
            EXPECT_NE(_world_maps[WORLD_SIZE + i], TT_SWAMP) << "no forest, no swamp";
            EXPECT_NE(_world_maps[i], TT_SWAMP) << "grassland never turns to swamp";
            deserts += (_world_maps[WORLD_SIZE + i] == TT_DESERT);
        }
        EXPECT_GT(deserts, 0) << "desert walks take mountains";
    }
}

TEST_F(WorldGen_Landmasses, ALoneNodeGrowsAnIslandJoinedByLand)
{
    for (uint32_t seed = 1; seed <= 40; seed++) {
        World_Clear();
        Init_Landmasses(0);
        Fill_Plane(0, TT_OCEAN);
        Tile(30, 20, 0) = TT_CHAOS_NODE;
        _NODES[0].wx = 30;
        _NODES[0].wy = 20;
        _NODES[0].wp = 0;
        Build_Landmass(0, 30, 20);
        Set_Random_Seed(seed);
        Extend_Islands(0);
        for (int y = 0; y < WORLD_HEIGHT; y++) {
            for (int x = 0; x < WORLD_WIDTH; x++) {
                if (x == 30 && y == 20) continue;
                if (Tile(x, y, 0) == TT_OCEAN) continue;
                EXPECT_EQ(Tile(x, y, 0), TT_GRASSLAND);
                int dx = x - 30;
                int dy = y - 20;
                ASSERT_TRUE(dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1) << "only the eight neighbours grow";
                if (dx != 0 && dy != 0) {
                    EXPECT_TRUE(Tile(x, 20, 0) != TT_OCEAN || Tile(30, y, 0) != TT_OCEAN)
                        << "seed " << seed << ": a diagonal square needs land between it and the node";
                }
                EXPECT_EQ(Landmass(x, y, 0), Landmass(30, 20, 0)) << "one landmass with the node";
            }
        }
    }
}

TEST_F(WorldGen_Landmasses, AnAllOceanPlaneWithoutFeaturesGrowsNoIsland)
{
    Fill_Plane(0, TT_OCEAN);
    memset(_TOWERS, 0xFF, sizeof(Tower_Record) * NUM_TOWERS);
    Set_Random_Seed(5);
    Extend_Islands(0);
    for (int i = 0; i < WORLD_SIZE; i++) ASSERT_EQ(_world_maps[i], TT_OCEAN);
}

TEST_F(WorldGen_Landmasses, TerrainQueriesTestTheClassModulo762)
{
    struct Case {
        int16_t tile;
        int16_t (*query)(int16_t, int16_t, int16_t);
        int16_t expected;
    };
    const Case cases[] = {
        {0, Square_Is_Ocean_NewGame, 1},         {1, Square_Is_Ocean_NewGame, 0},
        {161, Square_Is_Ocean_NewGame, 1},       {162, Square_Is_Ocean_NewGame, 0},
        {601, Square_Is_Ocean_NewGame, 1},       {602, Square_Is_Ocean_NewGame, 0},
        {762, Square_Is_Ocean_NewGame, 1},       {762 + 162, Square_Is_Ocean_NewGame, 0},
        {184, Square_Is_Forest_NewGame, 1},      {165 + 762, Square_Is_Desert_NewGame, 1},
        {451, Square_Is_Desert_NewGame, 1},      {274, Square_Is_Mountain_NewGame, 1},
        {275, Square_Is_Mountain_NewGame, 0},    {275, Square_Is_Hills_NewGame, 1},
        {1000, Square_Is_River_NewGame, 1},      {197, Square_Is_River_NewGame, 1},
        {98, Square_Is_Bad_River_Mouth, 1},      {97, Square_Is_Bad_River_Mouth, 0},
        {1, Square_Is_Grassland_NewGame, 1},     {177, Square_Is_Swamp_NewGame, 1},
        {600, Square_Is_River_Mouth_NewGame, 1}, {601, Square_Is_Shore_NewGame, 0},
    };
    for (const Case &c : cases) {
        Tile(5, 5, 1) = c.tile;
        EXPECT_EQ(c.query(5, 5, 1), c.expected) << "tile " << c.tile;
        EXPECT_EQ(c.query(65, 5, 1), c.expected) << "columns wrap";
    }
    Tile(5, 0, 1) = TT_OCEAN;
    EXPECT_EQ(Square_Is_Ocean_NewGame(5, -1, 1), 0) << "a row off the map is nothing";
    EXPECT_EQ(Square_Is_Ocean_NewGame(5, 40, 1), 0);
}

}  // namespace
