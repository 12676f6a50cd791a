// The map layers on the stand-in pictures: what each draws where, what a city hides, the seam,
// the node owners' setting, the warped node's own random state, and refused squares.
#include <cstdlib>
#include <sstream>
#include <string>

#include "Animation.h"
#include "Log_Capture.h"
#include "Map_View_Fixture.h"
#include "STU_Log.h"
#include "overland/Unit_Figure.h"
#include "random.h"
#include "world/Game_Settings.h"

namespace {

class MapLayers : public Map_View_Test {
protected:
    // Parts of one square of the main window: the far corners of its four quarters.
    int Corner(int column, int row, int corner)
    {
        int x = Square_X(column) + ((corner & 1) ? 12 : 0);
        int y = Square_Y(row) + ((corner & 2) ? 10 : 0);
        return Painted(x, y, x + 7, y + 7);
    }
    int Square_Painted(int column, int row)
    {
        return Painted(Square_X(column), Square_Y(row), Square_X(column) + 19, Square_Y(row) + 17);
    }
};

int Lines_With(const std::string &text, const std::string &part)
{
    int n = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) n += line.find(part) != std::string::npos;
    return n;
}

TEST_F(MapLayers, ACityHidesMineralsAndGameButNotNightshade)
{
    Explore_All(0);
    for (int x : {2, 4}) {
        _map_square_terrain_specials[World_Square_Index(x, 2, 0)] = ts_Gold | ts_Wild_Game | ts_Nightshade;
    }
    Add_City(0, 2, 2);
    Draw_Map_Minerals(0, 20, 12, 10, 0, 0, 0);
    Draw_Map_Biota(0, 20, 12, 10, 0, 0, 0);
    // Stand-in places: nightshade top-right, the mineral bottom-left, wild game bottom-right.
    EXPECT_GT(Corner(4, 2, 1), 0);
    EXPECT_GT(Corner(4, 2, 2), 0);
    EXPECT_GT(Corner(4, 2, 3), 0);
    EXPECT_GT(Corner(2, 2, 1), 0) << "nightshade shows under a city";
    EXPECT_EQ(Corner(2, 2, 2), 0) << "a mineral is hidden under a city";
    EXPECT_EQ(Corner(2, 2, 3), 0) << "wild game is hidden under a city";
}

TEST_F(MapLayers, CorruptionAndTheHuntersLodge)
{
    Explore_All(0);
    _map_square_flags[World_Square_Index(1, 1, 0)] = sf_Corruption;
    _map_square_terrain_specials[World_Square_Index(3, 1, 0)] = ts_Wild_Game | 0x10;
    _map_square_flags[World_Square_Index(5, 1, 0)] = sf_Corruption;
    _square_explored[World_Square_Index(5, 1, 0)] = 0;
    Draw_Map_Biota(0, 20, 12, 10, 0, 0, 0);
    EXPECT_GT(Corner(1, 1, 0), 0);
    EXPECT_GT(Count_Colour(Square_X(3), Square_Y(1), Square_X(3) + 19, Square_Y(1) + 17, 6), 0);
    EXPECT_EQ(Square_Painted(5, 1), 0) << "nothing on an unexplored square";
}

TEST_F(MapLayers, CitiesReachOneColumnBeyondTheWindowEdge)
{
    Explore_All(0);
    Add_City(0, 59, 4, 0, 20);  // the largest frame reaches into the square beside it
    Draw_Map_Cities(0, 20, 12, 10, 0, 0, 0);
    EXPECT_GT(Painted(0, Square_Y(4), 5, Square_Y(4) + 17), 0) << "x 59 with the window at 0 is column -1";
    EXPECT_EQ(Painted(0, 0, 319, 19), 0) << "clipped to the map window";

    Clear_Page();
    _cities = 0;
    Add_City(0, 58, 4, 0, 20);
    Draw_Map_Cities(0, 20, 12, 10, 0, 0, 0);
    EXPECT_EQ(Painted(0, 0, 319, 199), 0) << "two columns left of the window";
}

TEST_F(MapLayers, CitiesTakeTheirOwnersColoursWallsAndSize)
{
    Explore_All(0);
    _players[1].banner_id = 2;
    Add_City(0, 2, 2, 0, 1, false);
    Add_City(1, 6, 2, 0, 20, true);
    Add_City(5, 2, 6, 0, 9, true);
    Draw_Map_Cities(0, 20, 12, 10, 0, 0, 0);
    auto colours_in = [&](int column, int row, uint8_t colour) {
        return Count_Colour(Square_X(column) - 6, Square_Y(row) - 6, Square_X(column) + 25, Square_Y(row) + 23, colour);
    };
    // Body 215 and wall 218 of banner 0: 97 - 1 and 100 - 1.
    EXPECT_GT(colours_in(2, 2, 96), 0);
    EXPECT_EQ(colours_in(2, 2, 99), 0) << "no walls";
    // Banner 2: 206 - 1 and 209 - 1.
    EXPECT_GT(colours_in(6, 2, 205), 0);
    EXPECT_GT(colours_in(6, 2, 208), 0) << "walls";
    EXPECT_GT(colours_in(6, 2, 205), colours_in(2, 2, 96)) << "a large city draws its largest frame";
    // The neutral player's colours are 51..55.
    EXPECT_GT(colours_in(2, 6, 52), 0);
    EXPECT_GT(colours_in(2, 6, 55), 0);
    for (int c = 214; c <= 218; c++) EXPECT_EQ(Count_Colour(0, 0, 319, 199, (uint8_t)c), 0);
}

TEST_F(MapLayers, AnOwnedTowerTakesOneBannerColour)
{
    Explore_All(0);
    Explore_All(1);
    _TOWERS[0] = Tower_Record{3, 3, 1, 0};
    _TOWERS[1] = Tower_Record{5, 3, -1, 0};
    Draw_Map_Towers(0, 20, 12, 10, 0, 0, 1);
    int x = Square_X(3), y = Square_Y(3);
    EXPECT_GT(Count_Colour(x, y, x + 19, y + 17, 175), 200);
    for (int shade = 224; shade <= 228; shade++) EXPECT_EQ(Count_Colour(x, y, x + 19, y + 17, (uint8_t)shade), 0);
    EXPECT_GT(Square_Painted(5, 3), 0) << "towers stand on both planes";
}

TEST_F(MapLayers, ARoadOnColumnZeroJoinsColumnFiftyNine)
{
    Explore_All(0);
    _map_square_flags[World_Square_Index(0, 5, 0)] = sf_Road;
    _map_square_flags[World_Square_Index(59, 5, 0)] = sf_Road;
    _map_square_flags[World_Square_Index(8, 5, 0)] = sf_Road;  // no neighbour: nothing
    Draw_Map_Roads(0, 20, 12, 10, 0, 0, 0);
    int y = Square_Y(5);
    EXPECT_GT(Count_Colour(Square_X(0), y, Square_X(0) + 9, y + 17, 6), 0) << "towards the west";
    EXPECT_EQ(Count_Colour(Square_X(0) + 12, y, Square_X(0) + 19, y + 17, 6), 0);
    EXPECT_EQ(Square_Painted(8, 5), 0);

    // Enchanted roads take the road animation's frame: 198 + frame in the stand-in.
    Clear_Page();
    _map_square_flags[World_Square_Index(0, 5, 0)] = sf_Road | sf_Enchanted_Road;
    road_anim_ctr = 3;
    Draw_Map_Roads(0, 20, 12, 10, 0, 0, 0);
    EXPECT_GT(Count_Colour(Square_X(0), y, Square_X(0) + 9, y + 17, 201), 0);
}

TEST_F(MapLayers, OnlyLairsOfTypesFourToTenAreDrawn)
{
    Explore_All(0);
    const uint8_t types[] = {2, 4, 9, 10, 11};
    for (int i = 0; i < 5; i++) {
        _LAIRS[i] = Lair_Record{};
        _LAIRS[i].wx = (uint8_t)(1 + 2 * i);
        _LAIRS[i].wy = 1;
        _LAIRS[i].Intact = 1;
        _LAIRS[i].type = types[i];
    }
    _LAIRS[5] = _LAIRS[1];
    _LAIRS[5].wy = 3;
    _LAIRS[5].Intact = 0;
    Draw_Map_Lairs(0, 20, 12, 10, 0, 0, 0);
    EXPECT_EQ(Square_Painted(1, 1), 0);
    EXPECT_GT(Square_Painted(3, 1), 0);
    EXPECT_GT(Square_Painted(5, 1), 0);
    EXPECT_GT(Square_Painted(7, 1), 0);
    EXPECT_EQ(Square_Painted(9, 1), 0);
    EXPECT_EQ(Square_Painted(3, 3), 0) << "a cleared lair";
}

TEST_F(MapLayers, NodeAurasOnlyWithShowNodeOwners)
{
    Explore_All(0);
    Node_Record &node = _NODES[2];
    node = Node_Record{};
    node.wx = 4;
    node.wy = 4;
    node.owner_idx = 1;
    node.power = 2;
    node.Aura_Xs[0] = 4;
    node.Aura_Ys[0] = 4;
    node.Aura_Xs[1] = 5;
    node.Aura_Ys[1] = 4;
    node.Aura_Xs[2] = 6;  // beyond the power
    node.Aura_Ys[2] = 4;
    node.flags = 1;
    Draw_Map_Nodes(0, 20, 12, 10, 0, 0, 0);
    EXPECT_EQ(Painted(0, 0, 319, 199), 0) << "no aura and no warp with the setting off";
    Set_Game_Settings_Word(16, 1);
    node.flags = 0;
    Draw_Map_Nodes(0, 20, 12, 10, 0, 0, 0);
    EXPECT_GT(Count_Colour(Square_X(4), Square_Y(4), Square_X(4) + 19, Square_Y(4) + 17, COL_Banners[1][2]), 0);
    EXPECT_GT(Count_Colour(Square_X(5), Square_Y(4), Square_X(5) + 19, Square_Y(4) + 17, COL_Banners[1][2]), 0);
    EXPECT_EQ(Square_Painted(6, 4), 0);
}

TEST_F(MapLayers, TheWarpedNodeLeavesTheGamesRandomDrawsAlone)
{
    Explore_All(0);
    Set_Game_Settings_Word(16, 1);
    Node_Record &node = _NODES[0];
    node = Node_Record{};
    node.wx = 4;
    node.wy = 4;
    node.owner_idx = 0;
    node.power = 1;
    node.Aura_Xs[0] = 4;
    node.Aura_Ys[0] = 4;
    node.flags = 1;
    Set_Random_Seed(12345);
    uint64_t calls = g_random_call_count;
    for (int frame = 0; frame < 5; frame++) Draw_Map_Window(0, 20, 12, 10, 0, 0, 0);
    EXPECT_EQ(Get_Random_Seed(), 12345u);
    EXPECT_EQ(g_random_call_count, calls);
    for (int8_t offset : m_node_warp_shear_array) {
        EXPECT_GE(offset, -1);
        EXPECT_LE(offset, 1);
    }
    EXPECT_GT(Count_Colour(Square_X(4), Square_Y(4), Square_X(4) + 19, Square_Y(4) + 17, 13), 0)
        << "the warped node's picture";
    EXPECT_TRUE(page.Guards_Intact());
}

TEST_F(MapLayers, PartlyExploredSquaresDarkenTheirUnexploredCorners)
{
    Explore_All(0);
    // 5: bottom-left and top-right explored.
    _square_explored[World_Square_Index(3, 3, 0)] = 5;
    _square_explored[World_Square_Index(4, 3, 0)] = 0;
    Draw_Map_Window(0, 20, 12, 10, 0, 0, 0);
    int x = Square_X(3), y = Square_Y(3);
    EXPECT_EQ(page.At(x + 2, y + 2), 17);
    EXPECT_EQ(page.At(x + 17, y + 15), 17);
    EXPECT_NE(page.At(x + 17, y + 2), 17);
    EXPECT_NE(page.At(x + 2, y + 15), 17);
    EXPECT_EQ(Square_Painted(4, 3), 0) << "an unexplored square is black";

    // The repaint blacks out what was drawn after the map.
    Fill(Square_X(4), Square_Y(3), Square_X(4) + 19, Square_Y(3) + 17, 40);
    Redraw_Map_Unexplored_Area(0, 20, 12, 10, 0, 0, 0);
    EXPECT_EQ(Square_Painted(4, 3), 0);
    EXPECT_EQ(page.At(x + 2, y + 2), 17);
}

TEST_F(MapLayers, RefusedSquaresAreDrawnUnexploredAndReportedOnce)
{
    Explore_All(0);
    _world_maps[World_Square_Index(3, 3, 0)] = 2000;
    // A terrain index whose place in the picture table points past the pictures.
    std::vector<uint8_t> table(m_terrain_lbx_001, m_terrain_lbx_001 + m_terrain_lbx_001_length);
    table[2 * tt_Swamp] = 0x05;
    table[2 * tt_Swamp + 1] = 200;
    uint8_t *loaded = m_terrain_lbx_001;
    m_terrain_lbx_001 = table.data();
    _world_maps[World_Square_Index(6, 3, 0)] = tt_Swamp;
    // Entry 1 has no place for plane 1's terrain 762.
    Explore_All(1);
    _world_maps[World_Square_Index(2, 2, 1)] = 762;

    Log_Capture log;
    for (int frame = 0; frame < 3; frame++) {
        int16_t x = 0, y = 0;
        Draw_Maps(0, 20, 12, 10, &x, &y, 0, 0, 0, 0);
    }
    EXPECT_EQ(Square_Painted(3, 3), 0);
    EXPECT_EQ(Square_Painted(6, 3), 0);
    EXPECT_GT(Square_Painted(4, 3), 0);
    Clear_Page();
    Draw_Map_Window(0, 20, 12, 10, 0, 0, 1);
    EXPECT_EQ(Square_Painted(2, 2), 0);
    EXPECT_GT(Square_Painted(3, 2), 0);
    m_terrain_lbx_001 = loaded;
    std::string text = log.Finish();
    EXPECT_EQ(Lines_With(text, "Draw_Map_Terrain: refused to draw 2 squares"), 1) << text;
    EXPECT_EQ(Lines_With(text, "Draw_Map_Unexplored_Area: refused"), 1) << text;
    EXPECT_EQ(Lines_With(text, "Redraw_Map_Unexplored_Area: refused"), 1) << text;
    EXPECT_EQ(Lines_With(text, "Draw_Map_Terrain: refused"), 1) << "still refusing: no new line\n" << text;
    EXPECT_TRUE(page.Guards_Intact());
}

TEST_F(MapLayers, AnotherPlaneRedrawsNothingAndIsReported)
{
    Log_Capture log;
    Fill(0, 20, 239, 199, 40);
    Redraw_Map_Unexplored_Area(0, 20, 12, 10, 0, 0, 2);
    std::string text = log.Finish();
    EXPECT_EQ(Count_Colour(0, 20, 239, 199, 40), 240 * 180);
    EXPECT_EQ(Lines_With(text, "Redraw_Map_Unexplored_Area: refused to draw 120 squares"), 1) << text;
}

}  // namespace
