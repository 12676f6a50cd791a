#include <gtest/gtest.h>

#include <cstring>

#include "Bitmap_Transforms.h"
#include "GENDRAW.h"
#include "Test_Page_Png.h"
#include "Texture_Map.h"
#include "picture_fixture.h"

namespace {

uint8_t &Px(Bytes &b, int x, int y) { return b[16 + (size_t)x * LE_U16(b.data() + 2) + y]; }

bool Guard_Intact(const Bytes &b)
{
    size_t end = 16 + (size_t)LE_U16(b.data()) * LE_U16(b.data() + 2);
    for (size_t i = end; i < b.size(); ++i)
        if (b[i] != 0xEE) return false;
    return true;
}

TEST(BitmapUtilities, RegionsBoxesAndCopies)
{
    Bytes b = Bitmap(10, 10, 3);
    Clear_Bitmap_Region(0, 0, 0, 9, b.data());
    EXPECT_EQ(Px(b, 0, 0), 3) << "an x2 of 0 clears nothing";
    Clear_Bitmap_Region(-5, 8, 40, 40, b.data());
    EXPECT_EQ(Px(b, 9, 9), 0);
    EXPECT_EQ(Px(b, 0, 7), 3);
    EXPECT_TRUE(Guard_Intact(b));

    Bytes one = Bitmap(8, 8);
    Px(one, 3, 5) = 9;
    int16_t x, y, w, h;
    Get_Bitmap_Actual_Size(one.data(), &x, &y, &w, &h);
    EXPECT_EQ((std::vector<int>{x, y, w, h}), (std::vector<int>{3, 5, 1, 1}));
    Bytes none = Bitmap(8, 8);
    Get_Bitmap_Actual_Size(none.data(), &x, &y, &w, &h);
    EXPECT_EQ((std::vector<int>{x, y, w, h}), (std::vector<int>{1000, 1000, -999, -999}));

    // A 4 x 4 source with a hole, copied over each corner of a 6 x 6 target.
    Bytes source = Bitmap(4, 4, 7);
    Px(source, 1, 1) = 0;
    for (int at : {-2, 4}) {
        Bytes target = Bitmap(6, 6, 1);
        Clipped_Copy_Bitmap((int16_t)at, (int16_t)at, target.data(), source.data());
        int sevens = 0;
        for (int i = 0; i < 36; ++i) sevens += target[16 + (size_t)i] == 7;
        EXPECT_EQ(sevens, at < 0 ? 4 : 3) << at;  // the hole shows only at 4
        EXPECT_TRUE(Guard_Intact(target));
        Bytes masked = Bitmap(6, 6, 1);
        Clipped_Copy_Mask((int16_t)at, (int16_t)at, source.data(), masked.data());
        int zeros = 0;
        for (int i = 0; i < 36; ++i) zeros += masked[16 + (size_t)i] == 0;
        EXPECT_EQ(zeros, at < 0 ? 0 : 1) << at;
    }
}

TEST(BitmapDrawing, ZeroIsTransparentAndRemapStartsAt233)
{
    for (int t = 0; t < PALETTE_REMAP_TABLES; ++t)
        for (int p = 0; p < 256; ++p) remap_color_palettes[t][p] = (uint8_t)(p + 10 + t);
    Test_Page page;
    std::memset(page.Pixels(), 40, SCREEN_SIZE);
    Bytes b = Bitmap(3, 1);
    b[16] = 0, b[17] = 232, b[18] = 233;
    Draw_Picture(0, 0, b.data());
    EXPECT_EQ(page.At(1, 0), 232);
    EXPECT_EQ(page.At(2, 0), 233);
    LE_Put_U16(b.data() + PICTURE_REMAP_WORD, 1);
    Draw_Picture(0, 1, b.data());
    EXPECT_EQ(page.At(0, 1), 40);
    EXPECT_EQ(page.At(1, 1), 232);
    EXPECT_EQ(page.At(2, 1), 40 + 11);
    // Windowed drawing keeps inside the window; unclipped drawing off the page stays on it.
    Bytes big = Bitmap(30, 30, 5);
    Set_Window(10, 10, 20, 20);
    Draw_Picture_Windowed(0, 0, big.data());
    Reset_Window();
    EXPECT_EQ(page.At(10, 10), 5);
    EXPECT_EQ(page.At(20, 20), 5);
    EXPECT_EQ(page.At(21, 20), 40);
    EXPECT_EQ(page.At(9, 15), 40);
    Draw_Picture(310, 190, big.data());
    Draw_Picture(-20, -20, big.data());
    EXPECT_TRUE(page.Guards_Intact());
}

TEST(BitmapTransforms, EdgeCases)
{
    Bytes b = Bitmap(4, 4);
    for (int i = 0; i < 16; ++i) b[16 + (size_t)i] = (uint8_t)(3 + i);
    Transparent_Color_Range(b.data(), 5, 9);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(b[16 + (size_t)i], (3 + i >= 5 && 3 + i <= 9) ? 0 : 3 + i);

    Bytes v = Bitmap(9, 9, 4);
    Vanish_Bitmap(v.data(), 100);
    for (int i = 0; i < 81; ++i) ASSERT_EQ(v[16 + (size_t)i], 4);
    Vanish_Bitmap(v.data(), 0);
    for (int i = 0; i < 81; ++i) ASSERT_EQ(v[16 + (size_t)i], 0);
    Bytes half = Bitmap(20, 20, 4);
    Vanish_Bitmap(half.data(), 50);
    int kept = 0;
    for (int i = 0; i < 400; ++i) kept += half[16 + (size_t)i] != 0;
    EXPECT_GT(kept, 120);
    EXPECT_LT(kept, 280);

    Bytes dot = Bitmap(5, 5);
    Px(dot, 2, 2) = 9;
    Outline_Bitmap_Pixels(dot.data(), 1);
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 5; ++y) {
            bool side = (x == 2 && (y == 1 || y == 3)) || (y == 2 && (x == 1 || x == 3));
            EXPECT_EQ(Px(dot, x, y), x == 2 && y == 2 ? 9 : (side ? 1 : 0)) << x << "," << y;
        }

    Bytes s = Bitmap(2, 4);
    for (int y = 0; y < 4; ++y) Px(s, 0, y) = Px(s, 1, y) = (uint8_t)(1 + y);
    const int8_t offsets[2] = {4, 5};
    Shear_Array_Bitmap_Y(offsets, s.data());
    EXPECT_EQ(Px(s, 0, 0), 1) << "an offset equal to the height leaves the column";
    EXPECT_EQ(Px(s, 1, 3), 0) << "one more clears it";

    Bytes shear = Bitmap(4, 4, 2);
    Shear_Bitmap_Y(40, 1, 2, 1, shear.data());  // ends exchanged, the far end cut to the bitmap
    EXPECT_EQ(Px(shear, 3, 0), 0);
    EXPECT_EQ(Px(shear, 1, 0), 2);
    EXPECT_TRUE(Guard_Intact(shear));

    Bytes grow = Bitmap(10, 10, 6);
    grow.resize(16 + 10 * 20 + 64, 0xEE);
    Scale_Bitmap(grow.data(), 50, 200);
    EXPECT_EQ(LE_U16(grow.data()), 10);
    EXPECT_EQ(LE_U16(grow.data() + 2), 20);
    for (int i = 0; i < 200; ++i) ASSERT_EQ(grow[16 + (size_t)i], 6);
    Bytes shrink = Bitmap(10, 10, 6);
    Scale_Bitmap(shrink.data(), 50, 30);
    EXPECT_EQ(LE_U16(shrink.data()), 5);
    EXPECT_EQ(LE_U16(shrink.data() + 2), 3);
    Scale_Bitmap(shrink.data(), 0, 50);
    EXPECT_EQ(LE_U16(shrink.data()), 5);
    EXPECT_EQ(shrink[16], 0);
}

TEST(Trigonometry, AnglesSinesAndCosines)
{
    struct Angle_Case {
        int16_t dx, dy, angle;
    };
    for (const Angle_Case &c :
         {Angle_Case{0, 0, 90}, {10, 0, 0}, {0, -5, 270}, {-10, 0, 180}, {10, 10, 45}, {-3, -3, 225}})
        EXPECT_EQ(Get_Angle(c.dx, c.dy), c.angle) << c.dx << "," << c.dy;
    EXPECT_EQ(Sin(90, 100), 100);
    EXPECT_EQ(Sin(270, 100), -100);
    EXPECT_EQ(Cos(0, -7), -7);
    EXPECT_EQ(Cos(180, 50), -50);
    EXPECT_EQ(Sin(30, 1000), 500);
    EXPECT_EQ(Tangents_0_44[1], 4);
    EXPECT_EQ(Tangents_0_44[44], 247);
    EXPECT_EQ(angle_to_sin[89], 65526);
    EXPECT_EQ(angle_to_cos[0], 65526);
}

TEST(Trigonometry, RotatedDrawStaysInTheWindow)
{
    Test_Page page;
    Bytes b = Bitmap(20, 10, 9);
    Draw_Bitmap_Rotated(100, 100, 0, b.data());
    EXPECT_EQ(page.At(100, 100), 9);
    EXPECT_EQ(page.At(119, 109), 9);
    EXPECT_EQ(page.At(120, 100), 0);
    Set_Window(0, 0, 50, 50);
    for (int16_t a = 0; a <= 360; a += 15) Draw_Bitmap_Rotated(40, 40, a, b.data());
    Reset_Window();
    for (int y = 0; y < SCREEN_HEIGHT; ++y)
        for (int x = 51; x < 100; ++x) ASSERT_EQ(page.At(x, y), 0);
    EXPECT_TRUE(page.Guards_Intact());
}

}  // namespace
