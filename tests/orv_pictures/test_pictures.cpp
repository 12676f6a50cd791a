#include <gtest/gtest.h>

#include <cstring>

#include "Animation.h"
#include "GENDRAW.h"
#include "Palette.h"
#include "Test_Page_Png.h"
#include "picture_fixture.h"

namespace {

// Remap table t turns page colour p into p + 10 + t, easy to tell from any frame colour.
void Fill_Remap_Tables()
{
    for (int t = 0; t < PALETTE_REMAP_TABLES; ++t)
        for (int p = 0; p < 256; ++p) remap_color_palettes[t][p] = (uint8_t)(p + 10 + t);
}

int Count_Color(Test_Page &page, uint8_t color)
{
    int n = 0;
    for (int i = 0; i < SCREEN_SIZE; ++i) n += page.Pixels()[i] == color;
    return n;
}

struct Decode_Case {
    const char *name;
    Bytes column;
    int pixels_of_color_7;
};

TEST(FrameDecoding, RunsAndRepeatPairsDrawTheirRows)
{
    const Decode_Case cases[] = {
        {"pair E0 is one pixel", Packed_Column(0, {0xE0, 7}), 1},
        {"pair FF is thirty-two pixels", Packed_Column(0, {0xFF, 7}), 32},
        {"literal below E0 is one pixel", Packed_Column(3, {7, 7}), 2},
        {"plain run", Plain_Column(5, {7, 7, 7}), 3},
        {"empty column", {FRAME_COLUMN_EMPTY}, 0},
        {"unknown type consumes two bytes", {0x40, 3, 1, 0, 7}, 0},
    };
    for (const Decode_Case &c : cases) {
        Test_Page page;
        EXPECT_EQ(FLIC_Draw_Frame(10, 20, 1, c.column.data(), (uint32_t)c.column.size()), 1) << c.name;
        EXPECT_EQ(Count_Color(page, 7), c.pixels_of_color_7) << c.name;
    }
}

TEST(FrameDecoding, GapsKeepThePageAndZeroIsAColour)
{
    Test_Page page;
    std::memset(page.Pixels(), 9, SCREEN_SIZE);
    // Two runs: rows 2-3 then, after a gap of 2, rows 6-6 with colour 0.
    Bytes column = {FRAME_COLUMN_PLAIN, 7, 2, 2, 5, 5, 1, 2, 0};
    FLIC_Draw_Frame(0, 0, 1, column.data(), (uint32_t)column.size());
    const uint8_t expected[8] = {9, 9, 5, 5, 9, 9, 0, 9};
    for (int y = 0; y < 8; ++y) EXPECT_EQ(page.At(0, y), expected[y]) << "row " << y;
}

TEST(FrameDecoding, RemapCodesTurnThePagePixel)
{
    Fill_Remap_Tables();
    Test_Page page;
    std::memset(page.Pixels(), 40, SCREEN_SIZE);
    Bytes plain = Plain_Column(0, {232, 255, 231});
    FLIC_Remap_Draw_Frame(0, 0, 1, plain.data(), (uint32_t)plain.size());
    EXPECT_EQ(page.At(0, 0), 50);       // table 0
    EXPECT_EQ(page.At(0, 1), 40 + 33);  // table 23
    EXPECT_EQ(page.At(0, 2), 231);
    Bytes packed = Packed_Column(0, {0xE1, 233, 200});
    FLIC_Remap_Draw_Frame(1, 0, 1, packed.data(), (uint32_t)packed.size());
    EXPECT_EQ(page.At(1, 0), 51);
    EXPECT_EQ(page.At(1, 1), 51);
    EXPECT_EQ(page.At(1, 2), 200);
}

TEST(FrameDecoding, MalformedDataStayInsideTheFrameAndThePage)
{
    const Bytes cases[] = {
        {FRAME_COLUMN_PLAIN, 250, 200, 0, 1, 2, 3},  // run longer than the data
        {FRAME_COLUMN_PACKED, 4, 2, 0, 0xFF},        // pair without its colour
        {FRAME_COLUMN_PLAIN, 4, 2, 255, 7, 7, 0x00, 4, 2, 255, 7, 7, 0x00, 4, 2, 255, 7, 7},  // below the page
        {FRAME_COLUMN_PLAIN, 1, 1},  // L that ends inside a run head
        {FRAME_COLUMN_PLAIN},        // head cut off
    };
    for (const Bytes &data : cases) {
        Test_Page page;
        FLIC_Draw_Frame(300, 190, 60000, data.data(), (uint32_t)data.size());
        FLIC_Draw_Frame(-5, -300, 3, data.data(), (uint32_t)data.size());
        Clipped_Draw_Frame(0, 0, 20, 20, 3, 3, data.data(), (uint32_t)data.size());
        Bytes bitmap = Bitmap(2, 3);
        Add_Picture_To_Bitmap(data.data(), (uint32_t)data.size(), bitmap.data());
        EXPECT_TRUE(page.Guards_Intact());
        for (size_t i = 16 + 6; i < bitmap.size(); ++i) ASSERT_EQ(bitmap[i], 0xEE) << "byte past the bitmap";
    }
    Bytes past_bitmap = Plain_Column(2, {1, 2, 3});
    Bytes bitmap = Bitmap(1, 3);
    EXPECT_EQ(Add_Picture_To_Bitmap(past_bitmap.data(), (uint32_t)past_bitmap.size(), bitmap.data()), 0);
    EXPECT_EQ(bitmap[16 + 2], 1);
    EXPECT_EQ(bitmap[16 + 3], 0xEE);
}

// A picture with gaps, plain and packed columns, so that window edges fall in gaps, runs and pairs.
Bytes Test_Picture(int width, int height, bool packed)
{
    Bytes pixels((size_t)width * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            bool gap = ((x / 3 + y / 4) % 3) == 0;
            pixels[(size_t)y * width + x] = gap ? 0 : (uint8_t)(16 + ((x / 5) * 7 + (y / 6) * 3) % 200);
        }
    return Animation(width, height, {Encode_Frame(width, height, pixels, packed)});
}

TEST(ClippedDraw, MatchesTheUnclippedDrawInsideTheWindow)
{
    Bytes anim = Test_Picture(40, 30, true);
    const int windows[][4] = {
        {0, 0, 319, 199}, {105, 63, 120, 71}, {100, 60, 139, 89}, {112, 77, 200, 199}, {0, 0, 101, 61}};
    for (const auto &w : windows) {
        Test_Page full;
        FLIC_Draw(100, 60, anim.data());
        Bytes expected(full.Pixels(), full.Pixels() + SCREEN_SIZE);
        Test_Page clipped;
        Set_Window((int16_t)w[0], (int16_t)w[1], (int16_t)w[2], (int16_t)w[3]);
        Clipped_Draw(100, 60, anim.data());
        Reset_Window();
        for (int y = 0; y < SCREEN_HEIGHT; ++y)
            for (int x = 0; x < SCREEN_WIDTH; ++x) {
                bool inside = x >= w[0] && x <= w[2] && y >= w[1] && y <= w[3];
                ASSERT_EQ(clipped.At(x, y), inside ? expected[(size_t)y * SCREEN_WIDTH + x] : 0)
                    << "window " << w[0] << "," << w[1] << " pixel " << x << "," << y;
            }
    }
}

TEST(ClippedDraw, PictureOutsideTheWindowIsNeitherDrawnNorAdvanced)
{
    Bytes anim = Animation(2, 2, {{FRAME_COLUMN_EMPTY, FRAME_COLUMN_EMPTY}, {FRAME_COLUMN_EMPTY, FRAME_COLUMN_EMPTY}});
    Set_Window(50, 50, 60, 60);
    Clipped_Draw(61, 10, anim.data());
    Clipped_Draw(10, 48, anim.data());
    EXPECT_EQ(FLIC_Get_CurrentFrame(anim.data()), 0);
    Clipped_Draw(59, 59, anim.data());
    EXPECT_EQ(FLIC_Get_CurrentFrame(anim.data()), 1);
    Reset_Window();
}

TEST(PicturesGolden, PackedPictureClippedAndRemapped)
{
    Fill_Remap_Tables();
    Test_Page page;
    Bytes plain = Test_Picture(120, 90, false);
    Bytes packed = Test_Picture(120, 90, true);
    EXPECT_LT(packed.size(), plain.size());
    FLIC_Draw(4, 4, packed.data());
    FLIC_Draw(130, 4, plain.data());
    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 90; ++y) ASSERT_EQ(page.At(4 + x, 4 + y), page.At(130 + x, 4 + y)) << x << "," << y;
    Set_Window(20, 110, 150, 170);
    Clipped_Draw(-10, 100, packed.data());
    Reset_Window();
    // A remapped band: code 232 + 4 tints whatever lies under it through table 4.
    Bytes band((size_t)200 * 20, 236);
    Bytes remap = Animation(200, 20, {Encode_Frame(200, 20, band, true)}, 0, true, true);
    FLIC_Draw(60, 80, remap.data());
    EXPECT_EQ(page.At(300, 150), 0);
    EXPECT_EQ(page.At(200, 95), 14);
    EXPECT_TRUE(Page_Matches_Golden(page, "pictures_packed_clipped_remapped", 0x2a898cdcaaf7640dull));
}

}  // namespace
