#include <gtest/gtest.h>

#include <cstring>

#include "Animation.h"
#include "GENDRAW.h"
#include "Palette.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Test_Page_Png.h"
#include "format_bytes.h"

namespace {

// A 3 x 6 animation of two frames, loop frame 1, frames that add to each other, with
// palette information and one per-frame palette entry.
// clang-format off
const Bytes HAND_ANIMATION = {
    0x03, 0x00,              // 0x00 width 3
    0x06, 0x00,              // 0x02 height 6
    0x00, 0x00,              // 0x04 current frame
    0x02, 0x00,              // 0x06 frame count 2
    0x01, 0x00,              // 0x08 loop frame 1
    0x00, 0x00, 0x00, 0x00,  // 0x0A streamed flag and location
    0x1E, 0x00,              // 0x0E palette information at 0x1E
    0x00,                    // 0x10 whole-frames flag: frames add
    0x00,                    // 0x11 remap flag
    0x33, 0x00, 0x00, 0x00,  // 0x12 frame 0 at 0x33
    0x46, 0x00, 0x00, 0x00,  // 0x16 frame 1 at 0x46
    0x4E, 0x00, 0x00, 0x00,  // 0x1A end at 0x4E
    // 0x1E palette information
    0x2A, 0x00,              // colour data at 0x2A
    0x10, 0x00,              // first index 16
    0x02, 0x00,              // 2 colours
    0x01,                    // frames 1 on carry their own entries
    0x00,                    // not read
    0x30, 0x00, 0x20, 0x01,  // frame 1: data at 0x30, first index 32, 1 colour
    // 0x2A colour data
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x3F, 0x00, 0x3F,
    // 0x33 frame 0; its first byte is never read
    0x80,
    0x00, 0x07, 0x02, 0x01, 0x05, 0x06, 0x01, 0x02, 0x07,  // plain: rows 1-2 = 5, 6; 2 rows on, row 5 = 7
    0xFF,                                                // empty column
    0x80, 0x06, 0x04, 0x00, 0xE2, 0x09, 0x0A, 0x00,      // packed: 3 x 9, then 0x0A, then colour 0
    // 0x46 frame 1
    0x80,
    0xFF,
    0x00, 0x03, 0x01, 0x05, 0x0B,  // plain: row 5 = 0x0B
    0xFF,
};
// clang-format on

constexpr uint8_t BG = 0x63;  // page colour that no frame uses
constexpr uint8_t BG_ = BG;

// Frame 0 as drawn on a page of BG, row by row (x 0..2).
const uint8_t FRAME_0[6][3] = {
    {BG_, BG_, 0x09}, {0x05, BG_, 0x09}, {0x06, BG_, 0x09}, {BG_, BG_, 0x0A}, {BG_, BG_, 0x00}, {0x07, BG_, BG_},
};

TEST(Picture_Hand_Bytes, AnimationFramesAndPalettesDecodeAsLaidOut)
{
    ASSERT_EQ(HAND_ANIMATION.size(), 0x4Eu);
    Bytes anim = HAND_ANIMATION;
    Test_Page page;
    std::memset(page.Pixels(), BG, SCREEN_SIZE);
    std::memset(current_palette, 0, 768);
    std::memset(palette_flags, 0, 256);

    FLIC_Draw(10, 20, anim.data());
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(page.At(10 + x, 20 + y), FRAME_0[y][x]) << x << "," << y;
    EXPECT_EQ(LE_U16(anim.data() + 4), 1);
    const uint8_t colours[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(std::memcmp(current_palette + 16 * 3, colours, 6), 0);
    EXPECT_EQ(palette_flags[16] + palette_flags[17], 2);
    EXPECT_EQ(palette_flags[15] + palette_flags[18] + palette_flags[32], 0);

    FLIC_Draw(10, 20, anim.data());
    EXPECT_EQ(page.At(11, 25), 0x0B);
    EXPECT_EQ(page.At(10, 25), 0x07);  // frame 1 has gaps there
    EXPECT_EQ(current_palette[32 * 3 + 0], 0x3F);
    EXPECT_EQ(current_palette[32 * 3 + 1], 0x00);
    EXPECT_EQ(current_palette[32 * 3 + 2], 0x3F);
    EXPECT_EQ(LE_U16(anim.data() + 4), 1);  // past the last frame: the loop frame
}

TEST(Picture_Hand_Bytes, RenderedBitmapIsColumnMajorBehindItsHeader)
{
    struct Case {
        uint8_t whole;
        Bytes pixels;  // column by column, 6 rows each
    } cases[] = {
        {0,
         {0x00, 0x05, 0x06, 0x00, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0B, 0x09, 0x09, 0x09, 0x0A, 0x00, 0x00}},
        {1,
         {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0B, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
    };
    for (const Case &c : cases) {
        Bytes anim = HAND_ANIMATION;
        anim[0x10] = c.whole;
        anim[0x04] = 0x01;  // current frame 1
        Bytes bitmap(16 + 18 + 4, 0xEE);
        Draw_Picture_To_Bitmap(anim.data(), bitmap.data());
        const Bytes head = {0x03, 0x00, 0x06, 0x00, 0x0A, 0xDE, 0x01, 0x00, 0x00, 0x00};
        EXPECT_EQ(Bytes(bitmap.begin(), bitmap.begin() + 10), head) << "whole " << (int)c.whole;
        EXPECT_EQ(Bytes(bitmap.begin() + 16, bitmap.begin() + 34), c.pixels) << "whole " << (int)c.whole;
        EXPECT_EQ(bitmap[34], 0xEE);
    }
}

TEST(Picture_Hand_Bytes, BitmapDrawSkipsZeroAndRemapsFrom233)
{
    for (int t = 0; t < PALETTE_REMAP_TABLES; ++t)
        for (int p = 0; p < 256; ++p) remap_color_palettes[t][p] = (uint8_t)(p + 10 + t);
    const Bytes bitmap = {0x02, 0x00, 0x03, 0x00, 0x0A, 0xDE, 0x00, 0x00, 0x01, 0x00,  // 2 x 3, remap on
                          0x00, 0x00, 0x00, 0x00, 0x00, 0x00,                          // not used
                          0x00, 0xE8, 0xE9,                                            // column 0
                          0x05, 0xFF, 0x00};                                           // column 1
    Test_Page page;
    std::memset(page.Pixels(), 0x40, SCREEN_SIZE);
    Draw_Picture(4, 7, (uint8_t *)bitmap.data());
    const uint8_t expected[3][2] = {{0x40, 0x05}, {0xE8, 0x40 + 10 + 23}, {0x40 + 10 + 1, 0x40}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(page.At(4 + x, 7 + y), expected[y][x]) << x << "," << y;
}

TEST(Picture_Hand_Bytes, ClippedDrawStepsOverHiddenColumnsByTheirLength)
{
    // Column 0 has a type no decoder knows: the clipped decoder passes over it as L + 2 bytes,
    // the unclipped one consumes only its two head bytes and reads on from there.
    const Bytes frame = {0x40, 0x03, 0x01, 0x00, 0x07,   // unknown type, L = 3
                         0x00, 0x03, 0x01, 0x00, 0x09};  // plain: row 0 = 9
    Test_Page page;
    std::memset(page.Pixels(), BG, SCREEN_SIZE);
    EXPECT_EQ(Clipped_Draw_Frame(5, 0, 1, 10, 1, 0, frame.data(), (uint32_t)frame.size()), 1);
    EXPECT_EQ(page.At(5, 0), 0x09);
    EXPECT_EQ(page.At(4, 0), BG);

    std::memset(page.Pixels(), BG, SCREEN_SIZE);
    FLIC_Draw_Frame(20, 0, 2, frame.data(), (uint32_t)frame.size());
    // Column 1 starts at 01 00: an unknown type again, so nothing is drawn anywhere.
    for (int x = 19; x < 23; ++x)
        for (int y = 0; y < 4; ++y) EXPECT_EQ(page.At(x, y), BG) << x << "," << y;
}

}  // namespace
