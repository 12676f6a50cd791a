// Icon rows of ten and of one, spaced by the total they stand for, and building pictures measured
// over all their frames.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Animation.h"
#include "Picture_Writer.h"
#include "Pictures.h"
#include "Test_Engine.h"
#include "Video.h"
#include "World_Fixture.h"
#include "cities/screens/City_Screen_Icons.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"

namespace {

constexpr uint8_t TEN_COLOUR = 40;
constexpr uint8_t ONE_COLOUR = 41;
constexpr int16_t ROW = 50;

// A one-frame picture of width x height pixels, each frame given row-major.
Bytes Animation(int width, int height, const std::vector<Bytes> &frames)
{
    std::vector<Bytes> columns;
    for (const Bytes &pixels : frames) columns.push_back(Picture_Writer_Columns(width, height, pixels, false));
    return Picture_Writer_Animation(width, height, columns);
}

// A frame whose non-zero pixels fill the box (x, y, w, h).
Bytes Box_Frame(int width, int height, int x, int y, int w, int h, uint8_t colour)
{
    Bytes pixels((size_t)width * height, 0);
    for (int r = y; r < y + h; ++r)
        for (int c = x; c < x + w; ++c) pixels[(size_t)r * width + c] = colour;
    return pixels;
}

class City_Icons : public World_Test {
protected:
    Bytes ten = Animation(1, 1, {{TEN_COLOUR}});
    Bytes one = Animation(1, 1, {{ONE_COLOUR}});

    static void SetUpTestSuite()
    {
        Test_Engine_Start();
        World_Clear();
    }
    void SetUp() override
    {
        World_Test::SetUp();
        memset(current_video_page, 0, SCREEN_SIZE);
    }
    void TearDown() override
    {
        memset(gfx_cityscap_seg, 0, sizeof(gfx_cityscap_seg));
        memset(bldg_picts_seg, 0, sizeof(bldg_picts_seg));
        World_Test::TearDown();
    }
    // The columns of the row where a picture of this colour was drawn.
    static std::vector<int> Columns(uint8_t colour)
    {
        std::vector<int> found;
        for (int c = 0; c < SCREEN_WIDTH; ++c)
            if (current_video_page[ROW * SCREEN_WIDTH + c] == colour) found.push_back(c);
        return found;
    }
    static std::vector<int> Series(int first, int step, int n)
    {
        std::vector<int> out;
        for (int i = 0; i < n; ++i) out.push_back(first + step * i);
        return out;
    }
};

TEST_F(City_Icons, TensAndOnesAreSpacedByTheTotalAndXAdvances)
{
    struct Case {
        int16_t total, count;
        std::vector<int> tens, ones;
        int16_t end_x;
    } cases[] = {
        // Three tens fit 14 apart; the ones follow one pixel after them.
        {36, 35, Series(10, 14, 3), Series(53, 8, 5), 93},
        // Nine tens are too wide at 14: they close up to 8.
        {96, 95, Series(10, 8, 9), Series(83, 8, 5), 123},
        // Thirty tens stop at 3 apart.
        {300, 300, Series(10, 3, 30), {}, 101},
        // No tens: ones alone, 8 apart.
        {5, 3, {}, Series(10, 8, 3), 34},
        // A total of 25 draws three ones closed up to 4 apart; x still ends a full icon past the last.
        {25, 3, {}, Series(10, 4, 3), 26},
        // Nothing to draw leaves x where it was.
        {0, 0, {}, {}, 10},
        {20, 0, {}, {}, 10},
    };
    for (const Case &c : cases) {
        memset(current_video_page, 0, SCREEN_SIZE);
        int16_t x = 10;
        int16_t returned = Draw_Resource_Icons(&x, ROW, c.total, c.count, ten.data(), one.data());
        EXPECT_EQ(x, c.end_x) << c.total << " " << c.count;
        EXPECT_EQ(returned, x) << c.total;
        EXPECT_EQ(Columns(TEN_COLOUR), c.tens) << c.total << " " << c.count;
        EXPECT_EQ(Columns(ONE_COLOUR), c.ones) << c.total << " " << c.count;
    }
}

TEST_F(City_Icons, BuildingBoxIsTheWidestOrTallestFrameAndTheBitmapShowsTheCurrentOne)
{
    // Frame 1 is wider than frame 0 and replaces it; frame 2 is neither wider nor taller.
    Bytes picture = Animation(
        12, 10, {Box_Frame(12, 10, 2, 3, 4, 5, 7), Box_Frame(12, 10, 1, 1, 6, 2, 8), Box_Frame(12, 10, 5, 5, 2, 2, 9)});
    bldg_picts_seg[10] = picture.data();
    Set_Animation_Frame(picture.data(), 1);
    std::vector<uint8_t> bitmap(PICTURE_BITMAP_HEADER + 12 * 10 + 16, 0);
    int16_t x = -1, y = -1, w = -1, h = -1;
    Draw_Building_Picture_To_Bitmap(0, 10, &x, &y, &w, &h, bitmap.data());
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 1);
    EXPECT_EQ(w, 6);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(bitmap[PICTURE_FRAME_NUM], 1);
    EXPECT_EQ(bitmap[PICTURE_BITMAP_HEADER + 1 * 10 + 1], 8);  // column 1, row 1 of frame 1
    EXPECT_EQ(FLIC_Get_CurrentFrame(picture.data()), 2);
}

TEST_F(City_Icons, TradeGoodsHousesOfTheRaceAndWallsHaveTheirOwnPictures)
{
    Bytes trade = Animation(4, 4, {Box_Frame(4, 4, 0, 0, 1, 1, 1)});
    Bytes houses[3] = {Animation(4, 4, {Box_Frame(4, 4, 0, 0, 2, 1, 2)}),
                       Animation(4, 4, {Box_Frame(4, 4, 0, 0, 3, 1, 3)}),
                       Animation(4, 4, {Box_Frame(4, 4, 0, 0, 4, 1, 4)})};
    Bytes walls = Animation(4, 4, {Box_Frame(4, 4, 0, 0, 1, 4, 5)});
    gfx_cityscap_seg[41] = trade.data();
    for (int i = 0; i < 3; ++i) gfx_cityscap_seg[42 + i] = houses[i].data();
    gfx_cityscap_seg[114] = walls.data();
    struct Case {
        uint8_t race;
        int16_t building;
        int16_t width, height;
    } cases[] = {
        {rt_Barbarian, 1, 1, 1}, {rt_Barbarian, 2, 2, 1}, {rt_Dark_Elf, 2, 3, 1}, {rt_Gnoll, 2, 4, 1},
        {rt_Orc, 35, 1, 4},      {rt_Orc, 0, 0, 0},       {rt_Orc, 36, 0, 0},     {rt_Orc, -1, 0, 0},
    };
    for (const Case &c : cases) {
        _CITIES[3].race = c.race;
        std::vector<uint8_t> bitmap(PICTURE_BITMAP_HEADER + 16, 0);
        int16_t x = -1, y = -1, w = -1, h = -1;
        Draw_Building_Picture_To_Bitmap(3, c.building, &x, &y, &w, &h, bitmap.data());
        EXPECT_EQ(w, c.width) << (int)c.race << " " << c.building;
        EXPECT_EQ(h, c.height) << (int)c.race << " " << c.building;
    }
}

}  // namespace
