// The reduced map and its brackets, the list screens' blinking mark, centring and clamping the map
// window, the cartographer's picture and the tower test.
#include "Map_View_Fixture.h"
#include "Palette.h"

namespace {

using ReducedMap = Map_View_Test;

TEST_F(ReducedMap, CoordsCentreTheMapAndWrapOnlyTheColumn)
{
    struct Case {
        int16_t cx, cy, w, h, left, top;
    } cases[] = {
        {20, 20, 58, 30, 51, 5},  {29, 20, 58, 30, 0, 5},   {30, 20, 58, 30, 1, 5},
        {59, 2, 58, 30, 30, -13}, {10, 38, 49, 33, 46, 22},
    };
    for (const Case &c : cases) {
        int16_t left = -99, top = -99;
        Reduced_Map_Coords(&left, &top, c.cx, c.cy, c.w, c.h);
        EXPECT_EQ(left, c.left) << c.cx;
        EXPECT_EQ(top, c.top) << c.cy;
    }
}

TEST_F(ReducedMap, ThePictureShowsExploredTerrainAndCitiesThere)
{
    Explore(10, 5, 0);
    Explore(12, 5, 0);
    Explore(59, 6, 0);
    _world_maps[World_Square_Index(12, 5, 0)] = tt_Forest;
    Add_City(1, 12, 5);
    Add_City(5, 59, 6);
    Add_City(0, 14, 5);  // unexplored: not shown
    _players[1].banner_id = 3;
    Create_Reduced_Map_Picture(55, 0, 0, reduced.data(), 58, 30, 11, 5, 1);
    EXPECT_EQ(LE_U16(reduced.data()), 58);
    EXPECT_EQ(LE_U16(reduced.data() + 2), 30);
    EXPECT_EQ(Reduced_Pixel(15, 5), m_terrain_lbx_002[tt_Grasslands]);
    EXPECT_EQ(Reduced_Pixel(17, 5), 201) << "banner 3";
    EXPECT_EQ(Reduced_Pixel(4, 6), 50) << "neutral, across the seam";
    EXPECT_EQ(Reduced_Pixel(19, 5), 1) << "a city on an unexplored square";
    EXPECT_EQ(Reduced_Pixel(16, 5), 15) << "the mark";
    EXPECT_EQ(Reduced_Pixel(0, 0), 1);

    // Plane 1 takes its own colours; rows above the world stay blank.
    Explore(12, 0, 1);
    Create_Reduced_Map_Picture(10, -3, 1, reduced.data(), 58, 30, 0, 0, 0);
    EXPECT_EQ(Reduced_Pixel(2, 3), m_terrain_lbx_002[762 + tt_Grasslands]);
    EXPECT_EQ(Reduced_Pixel(2, 2), 1);
}

TEST_F(ReducedMap, TheWorldWindowDrawsBracketsAroundTheMapWindow)
{
    Explore_All(0);
    Create_Reduced_Map_Picture(0, 0, 0, reduced.data(), 58, 30, 0, 0, 0);
    Draw_World_Window(251, 21, 58, 30);
    // Corners at columns 273 and 286, rows 30 and 41, with arms two pixels long.
    const int corners[][2] = {{273, 30}, {274, 30}, {275, 30}, {273, 31}, {273, 32}, {286, 30}, {285, 30},
                              {284, 30}, {286, 31}, {286, 32}, {273, 41}, {273, 40}, {273, 39}, {274, 41},
                              {275, 41}, {286, 41}, {286, 40}, {286, 39}, {285, 41}, {284, 41}};
    for (const auto &p : corners) EXPECT_EQ(page.At(p[0], p[1]), 13) << p[0] << "," << p[1];
    EXPECT_NE(page.At(280, 30), 13);
    EXPECT_NE(page.At(273, 35), 13);
    EXPECT_EQ(page.At(251, 21), m_terrain_lbx_002[tt_Grasslands]);
    EXPECT_EQ(page.At(250, 21), 0);
    EXPECT_EQ(page.At(308, 50), m_terrain_lbx_002[tt_Grasslands]);
    EXPECT_EQ(page.At(309, 50), 0);
}

TEST_F(ReducedMap, TheListScreensMarkIsWhiteInFourFramesOfEight)
{
    Explore_All(0);
    int white = 0;
    for (int frame = 0; frame < 8; frame++) {
        List_Screen_Draw_Reduced_Map(100, 100, 49, 33, 0, 30, 20);
        white += page.At(100 + 24, 100 + 16) == 15;
    }
    EXPECT_EQ(white, 4);
    EXPECT_EQ(reduced_map_x, 6);
    EXPECT_EQ(reduced_map_y, 4);
}

TEST_F(ReducedMap, CenterMapPlacesTheSquareInColumnSixAndRowFive)
{
    Explore_All(0);
    int16_t unit = Add_Unit(TYPE_FIGHTER, 0, 3, 20);
    struct Case {
        int16_t x, y, left, top;
    } cases[] = {{3, 20, 57, 15}, {30, 2, 24, 0}, {30, 38, 24, 30}, {63, 35, 57, 30}, {6, 5, 0, 0}};
    for (const Case &c : cases) {
        int16_t wx = -1, wy = -1;
        Center_Map(&wx, &wy, c.x, c.y, 0);
        EXPECT_EQ(wx, c.left) << c.x;
        EXPECT_EQ(wy, c.top) << c.y;
        EXPECT_EQ(_prev_world_x, wx);
        EXPECT_EQ(_prev_world_y, wy);
    }
    int16_t wx = 0, wy = 0;
    Center_Map(&wx, &wy, 3, 20, 0);
    EXPECT_EQ(Entity(6, 5), unit) << "the entity table follows";
    // No scrolling afterwards.
    Draw_Maps(0, 20, 12, 10, &wx, &wy, 0, _prev_world_x, _prev_world_y, 0);
    EXPECT_EQ(wx, 57);
    EXPECT_EQ(wy, 15);
}

TEST_F(ReducedMap, CityCenterMapPlacesAFiveByFiveView)
{
    struct Case {
        int16_t x, y, left, top;
    } cases[] = {{1, 1, 59, 0}, {30, 20, 28, 18}, {30, 37, 28, 35}, {30, 36, 28, 34}};
    for (const Case &c : cases) {
        int16_t wx = -1, wy = -1;
        City_Center_Map(&wx, &wy, c.x, c.y, 0);
        EXPECT_EQ(wx, c.left) << c.x;
        EXPECT_EQ(wy, c.top) << c.y;
    }
}

TEST_F(ReducedMap, TheClampKeepsTheTargetOnTheMapAndScrollsTheShortWayWest)
{
    struct Case {
        int16_t map_x, target_x, target_y, clamped_x, clamped_y, map_x_after;
    } cases[] = {
        {0, 55, 35, 55, 30, 60}, {0, -3, -2, 57, 0, 60}, {0, 64, 10, 4, 10, 0},
        {10, 55, 3, 55, 3, 10},  {0, 49, 3, 49, 3, 0},
    };
    for (const Case &c : cases) {
        _map_x = c.map_x;
        _prev_world_x = c.target_x;
        _prev_world_y = c.target_y;
        Clamp_Map_Window_Position();
        EXPECT_EQ(_prev_world_x, c.clamped_x) << c.target_x;
        EXPECT_EQ(_prev_world_y, c.clamped_y) << c.target_y;
        EXPECT_EQ(_map_x, c.map_x_after) << c.target_x;
    }
    // Column 60 is drawn exactly as column 0.
    Explore_All(0);
    for (int x = 0; x < 12; x++) _world_maps[World_Square_Index(x, 3, 0)] = (int16_t)(tt_Grasslands + x % 6);
    Add_City(0, 59, 4);
    Reset_Map_Draw();
    Draw_Map_Window(0, 20, 12, 10, 0, 0, 0);
    uint64_t at_zero = page.Hash();
    Clear_Page();
    map_anim_cycle = 0;
    Reset_Map_Draw();
    Draw_Map_Window(0, 20, 12, 10, 60, 0, 0);
    EXPECT_EQ(page.Hash(), at_zero);
}

TEST_F(ReducedMap, TheCartographerDrawsExploredSquaresFourByFour)
{
    std::vector<uint8_t> buffer(CARTOGRAPH_BUFFER_BYTES, 0xEE);
    Explore(0, 0, 0);
    Explore(59, 39, 0);
    Explore(10, 10, 0, 9);  // bottom-left and bottom-right explored: the top row is blacked out
    ASSERT_NE(current_palette, nullptr);
    Cartograph_Screen_Draw_Map_Terrain(0, buffer.data());
    const uint8_t *table = buffer.data();
    for (int k = 0; k < 256; k++) {
        if (k == 102 || k == 103) {
            EXPECT_EQ(table[k], 0);
        } else {
            const uint8_t *rgb = current_palette + 3 * k;
            EXPECT_EQ(table[k], (rgb[0] + rgb[1] + rgb[2] / 2) / 5 + 224) << k;
        }
    }
    const uint8_t *picture = buffer.data() + 256;
    EXPECT_EQ(LE_U16(picture), 240);
    EXPECT_EQ(LE_U16(picture + 2), 160);
    auto pixel = [&](int x, int y) { return picture[PICTURE_BITMAP_HEADER + x * 160 + y]; };
    const uint8_t *grass = Terrain_Square_Picture(0, 0, 0);
    ASSERT_NE(grass, nullptr);
    for (int k = 0; k < 4; k++)
        for (int m = 0; m < 4; m++) EXPECT_EQ(pixel(k, m), table[grass[PICTURE_BITMAP_HEADER + 5 * k * 18 + 5 * m]]);
    EXPECT_EQ(pixel(236, 156), pixel(0, 0));
    EXPECT_EQ(pixel(4, 0), 0) << "unexplored";
    for (int k = 0; k < 4; k++) EXPECT_EQ(pixel(40 + k, 40), 0) << "value 9 blacks out the top row";
    EXPECT_EQ(pixel(40, 41), pixel(0, 1));
}

TEST_F(ReducedMap, TowersArePassableUntilAPlanarSeal)
{
    _TOWERS[2] = Tower_Record{14, 9, -1, 0};
    EXPECT_EQ(IsPassableTower(14, 9), 1);
    EXPECT_EQ(IsPassableTower(15, 9), 0);
    _players[2].Globals[ge_Planar_Seal] = 1;
    EXPECT_EQ(IsPassableTower(14, 9), 0);
    _world_maps[World_Square_Index(5, 5, 1)] = tt_Ocean;
    EXPECT_EQ(Square_Is_Sailable__NIU(5, 5, 1), 1);
    EXPECT_EQ(Square_Is_Sailable__NIU(6, 5, 1), 0);
}

}  // namespace
