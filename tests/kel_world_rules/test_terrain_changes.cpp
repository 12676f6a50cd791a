// Terrain changes with their edge re-fit, volcanoes, minerals and city names.
#include "Rules_Fixture.h"
#include "world/Square_Queries.h"

class TerrainChanges : public Rules_Test {
protected:
    int16_t At(int x, int y, int p = 0) { return _world_maps[World_Square_Index(x, y, p)]; }
};

TEST_F(TerrainChanges, RowZeroChangeRefitsRowsZeroAndOne)
{
    Set_Square(11, 0, 0, tt_Mountain);
    Set_Square(11, 1, 0, tt_Mountain);
    Set_Square(10, 2, 0, tt_Mountain);
    Set_Square(11, 2, 0, tt_Mountain);
    Set_Terrain_Type_Mountain(10, 0, 0);
    // (10,0): E and SE mountains; (11,0): W and S; (11,1): N, NW and S
    EXPECT_EQ(At(10, 0), rules_test::Test_Edge_Tile(256 + 0x08 + 0x10));
    EXPECT_EQ(At(11, 0), rules_test::Test_Edge_Tile(256 + 0x80 + 0x20));
    EXPECT_EQ(At(11, 1), rules_test::Test_Edge_Tile(256 + 0x01 + 0x02 + 0x20 + 0x40));
    EXPECT_EQ(At(10, 2), tt_Mountain);  // row 2 is not re-fitted
    EXPECT_EQ(At(11, 2), tt_Mountain);
}

TEST_F(TerrainChanges, HillsDesertAndTundraKeepTheirClass)
{
    Set_Square(20, 20, 0, tt_Hills);
    Set_Terrain_Type_Hills(21, 20, 0);
    EXPECT_EQ(Square_Is_Hills(20, 20, 0), 1);
    EXPECT_EQ(Square_Is_Hills(21, 20, 0), 1);
    EXPECT_EQ(At(21, 20), rules_test::Test_Edge_Tile(256 + 0x80) + 16);
    Set_Square(30, 20, 0, tt_Desert);
    Set_Square(40, 20, 0, tt_Tundra);
    Adjust_Map_Flow(30, 20, 0);
    Adjust_Map_Flow(40, 20, 0);
    EXPECT_EQ(At(30, 20), rules_test::Test_Edge_Tile(0xFF) + 290);
    EXPECT_EQ(Square_Is_Desert(30, 20, 0), 1);
    EXPECT_EQ(At(40, 20), rules_test::Test_Edge_Tile(0xFF) + 600);
    EXPECT_EQ(Square_Is_Tundra(40, 20, 0), 1);
}

// A table value out of its class is read as the plain tile, with a warning.
TEST_F(TerrainChanges, OutOfClassEdgeTilesGiveThePlainTile)
{
    Write_Data("TERRTYPE.LBX", rules_test::Terrtype_Archive({{0xFF, 500}, {256 + 0x80, 40}}));
    LBX_Close();
    Set_Square(30, 20, 0, tt_Desert);
    Adjust_Map_Flow(30, 20, 0);
    EXPECT_EQ(At(30, 20), tt_Desert);
    Set_Square(20, 20, 0, tt_Mountain);
    Set_Terrain_Type_Mountain(21, 20, 0);
    EXPECT_EQ(At(21, 20), tt_Mountain);
    EXPECT_EQ(Terrain_Edge_Table()[0xFF], 0);
}

TEST_F(TerrainChanges, VolcanoClearsTheSpecialsAndMayGrowOre)
{
    int fresh = 0;
    for (int i = 0; i < 60; i++) {
        Set_Square(i, 10, 0, tt_Grasslands, ts_Gems | ts_Wild_Game);
        Set_Terrain_Type_Volcano_With_Owner((int16_t)i, 10, 0, 1);
        uint8_t specials = _map_square_terrain_specials[World_Square_Index(i, 10, 0)];
        EXPECT_LE(specials, ts_Adamantium);
        fresh += specials != 0;
        EXPECT_EQ(At(i, 10), tt_Volcano);
        EXPECT_EQ(_map_square_flags[World_Square_Index(i, 10, 0)] & sf_Volcano_Owner_Mask, 2);
    }
    EXPECT_GT(fresh, 0);
    EXPECT_LT(fresh, 40);
    _num_players = 3;
    Volcano_Counts();
    EXPECT_EQ(_players[1].volcanoes, 60);
    EXPECT_EQ(_players[0].volcanoes, 0);
    Set_Terrain_Type_Grasslands(5, 10, 0);
    EXPECT_EQ(_map_square_flags[World_Square_Index(5, 10, 0)] & sf_Volcano_Owner_Mask, 0);
}

TEST_F(TerrainChanges, GrasslandsNeverTheThirdKindAndForests)
{
    bool seen[3] = {false, false, false};
    for (int i = 0; i < 200; i++) {
        Set_Terrain_Type_Grasslands(10, 10, 0);
        int16_t t = At(10, 10);
        ASSERT_TRUE(t == 162 || t == 172) << t;
        seen[t == 162 ? 0 : 1] = true;
        Set_Terrain_Type_Forest(12, 10, 0);
        ASSERT_TRUE(At(12, 10) == 163 || At(12, 10) == 183 || At(12, 10) == 184);
        seen[2] = seen[2] || At(12, 10) == 184;
    }
    EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
}

TEST_F(TerrainChanges, MineralsReplacedAndClearedKeepTheFlags)
{
    Set_Square(5, 5, 0, tt_Grasslands, ts_Nightshade | ts_Gold);
    Replace_Minerals(5, 5, 0, ts_Coal);
    EXPECT_EQ(_map_square_terrain_specials[World_Square_Index(5, 5, 0)], ts_Nightshade | ts_Coal);
    Clear_Terrain_Specials(5, 5, 0);
    EXPECT_EQ(_map_square_terrain_specials[World_Square_Index(5, 5, 0)], ts_Nightshade);
    EXPECT_EQ(Depletion_Event(0), -1);
    EXPECT_EQ(New_Mineral_Event(0), -1);
}

TEST_F(TerrainChanges, CityNamesAreFreshAndComeFromOtherRacesAfter200Tries)
{
    char name[CITY_NAME_SIZE];
    Random_City_Name_By_Race(rt_Orc, name);
    EXPECT_EQ(std::string(name).rfind("R12N", 0), 0u) << name;
    for (int k = 0; k < CITYNAME_NAMES_PER_RACE; k++) {
        int16_t c = Add_City(0, rt_Orc, 2 * k, 5, 0, 1, 0);
        std::string taken = rules_test::Test_City_Name(rt_Orc, k);
        for (char &ch : taken) ch = (char)tolower(ch);  // compared ignoring case
        snprintf(_CITIES[c].name, sizeof(_CITIES[c].name), "%s", taken.c_str());
    }
    Random_City_Name_By_Race(rt_Orc, name);
    EXPECT_NE(std::string(name).rfind("R12N", 0), 0u) << name;
    EXPECT_EQ(name[0], 'R');
}
