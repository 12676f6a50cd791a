#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "Palette.h"
#include "STU_LE.h"
#include "Test_Requirements.h"
#include "sdl2_Video.h"

namespace {

class Palette : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Load_Palette(0, -1, 0), 1);
        std::memset(platform_palette_buffer, 0, sizeof(platform_palette_buffer));
    }
    void Set_Color(int i, int r, int g, int b)
    {
        current_palette[i * 3] = (uint8_t)r;
        current_palette[i * 3 + 1] = (uint8_t)g;
        current_palette[i * 3 + 2] = (uint8_t)b;
    }
    const uint8_t *Shown(int i) const { return &platform_palette_buffer[i * 4]; }
};

TEST_F(Palette, BuiltInPaletteIsWellFormed)
{
    const uint8_t *image = Palette_Builtin_Image();
    for (int i = 0; i < 768; ++i) ASSERT_LE(image[i], 63) << "colour byte " << i;
    for (int i = 0; i < 256; ++i) ASSERT_LE(image[PALETTE_FONT_COLORS_OFFSET + i], 255);
    for (int t = 1; t < 24; ++t) ASSERT_LE(image[PALETTE_REMAP_OFFSET + t * 4 + 3], 100) << "recipe " << t;
    // Pointer 1 is an arrow whose tip is the hot spot at 0,0 (stored column by column).
    EXPECT_NE(image[PALETTE_POINTERS_OFFSET + 0], 0);
    EXPECT_EQ(image[PALETTE_POINTERS_OFFSET + 15 * 16 + 0], 0);
    EXPECT_EQ(std::memcmp(current_palette, image, 768), 0);
    EXPECT_EQ(palette_block[10], 'X');
    EXPECT_EQ(palette_block[11], 1);
    EXPECT_EQ(mouse_palette, palette_data + PALETTE_POINTERS_OFFSET);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(palette_flags[i], 1);
}

TEST_F(Palette, ChangeFlagsMarkExactlyTheRange)
{
    Clear_Palette_Changes(0, 255);
    Set_Palette_Changes(198, 198);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(palette_flags[i], i == 198 ? 1 : 0) << i;
    Set_Palette_Changes(0, 255);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(palette_flags[i], 1) << i;
    Load_Palette(0, 10, 20);
    Clear_Palette_Changes(0, 255);
    Load_Palette(0, 10, 20);
    EXPECT_EQ(palette_flags[9], 0);
    EXPECT_EQ(palette_flags[10], 1);
    EXPECT_EQ(palette_flags[20], 1);
    EXPECT_EQ(palette_flags[21], 0);
}

TEST_F(Palette, FadesScaleChangedColoursOnly)
{
    Set_Color(100, 40, 20, 63);
    Set_Color(101, 40, 20, 63);
    Clear_Palette_Changes(0, 255);
    Set_Palette_Changes(100, 100);
    struct Case {
        int percent;
        uint8_t r, g, b;
        bool flags_kept;
    } cases[] = {
        {0, 160, 80, 252, true},    // full brightness
        {25, 120, 60, 188, false},  // f = 192: 40 -> 30, 20 -> 15, 63 -> 47, times 4
        {50, 80, 40, 124, false},  {100, 0, 0, 0, false}, {150, 0, 0, 0, false},
    };
    for (const Case &c : cases) {
        Set_Palette_Changes(100, 100);
        Cycle_Palette((int16_t)c.percent);
        EXPECT_EQ(Shown(100)[0], c.r) << c.percent;
        EXPECT_EQ(Shown(100)[1], c.g) << c.percent;
        EXPECT_EQ(Shown(100)[2], c.b) << c.percent;
        EXPECT_EQ(Shown(100)[3], 255) << c.percent;
        EXPECT_EQ(palette_flags[100], c.flags_kept ? 1 : 0) << c.percent;
        EXPECT_EQ(Shown(101)[3], 0) << "an unchanged colour is left alone";
    }
}

TEST_F(Palette, TintsBlendTowardTheColourAndSpareColourZero)
{
    Set_Color(0, 10, 10, 10);
    Set_Color(7, 40, 0, 20);
    Set_Palette_Changes(0, 255);
    Tint_Palette(50, 63, 0, 0);  // f = 128: tint (31, 0, 0); m = 128
    EXPECT_EQ(Shown(7)[0], (40 * 128 / 256 + 31) * 4);
    EXPECT_EQ(Shown(7)[2], (20 * 128 / 256) * 4);
    EXPECT_EQ(Shown(0)[3], 0) << "colour 0 is not tinted";
    EXPECT_EQ(palette_flags[7], 0);
    Set_Palette_Changes(0, 255);
    Tint_Palette(100, 0, 0, 0);
    EXPECT_EQ(Shown(0)[0], 31 * 4) << "full tint shows the last tint, colour 0 included";
    EXPECT_EQ(Shown(7)[1], 0);
}

TEST_F(Palette, ClosestColourAndRemapTables)
{
    std::memset(current_palette, 63, 768);
    Set_Color(3, 10, 10, 10);
    Set_Color(4, 12, 10, 10);
    Set_Color(200, 10, 10, 10);
    EXPECT_EQ(Find_Closest_Color(10, 10, 10), 3) << "ties go to the lower index";
    EXPECT_EQ(Find_Closest_Color(12, 11, 10), 4);
    Set_Color(5, 0, 0, 0);
    EXPECT_EQ(Find_Closest_Color(0, 0, 0), 5);
    std::memset(current_palette, 63, 768);
    EXPECT_EQ(Find_Closest_Color(0, 0, 0), 0) << "nothing within 20 on every component gives 0";

    Load_Palette(0, -1, 0);
    Create_Remap_Palette(2, 0, 0, 0, 0);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(remap_color_palettes[2][i], i);
    Create_Remap_Palette(2, 63, 0, 0, 100);
    uint8_t red = Find_Closest_Color(63, 0, 0);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(remap_color_palettes[2][i], red);

    // Grey table: each colour to the one nearest half its brightness; white goes to a mid grey.
    Update_Remap_Gray_Palette();
    uint8_t white_half = remap_color_palettes[0][15];
    const uint8_t *c = current_palette + white_half * 3;
    EXPECT_NEAR(c[0], 31, 3);
    EXPECT_EQ(c[0], c[1]);
    EXPECT_EQ(remap_color_palettes[0][0], 0);

    // Only colours marked changed are recomputed.
    std::memset(remap_color_palettes[3], 77, 256);
    Clear_Palette_Changes(0, 255);
    Set_Palette_Changes(15, 15);
    Create_Remap_Palette(3, 0, 0, 0, 50);
    EXPECT_EQ(remap_color_palettes[3][15], white_half);
    EXPECT_EQ(remap_color_palettes[3][14], 77);
}

TEST_F(Palette, RotationAndGlow)
{
    for (int i = 0; i < 8; ++i) Set_Color(247 + i, i, i, i);
    Rotate_Palette_Colors(247, 8, 9);
    EXPECT_EQ(Shown(248)[0], 0) << "colour 247 moved one place up";
    EXPECT_EQ(Shown(254)[0], 6 * 4);
    EXPECT_EQ(Shown(247)[0], 7 * 4) << "the last colour wraps to the front";
    EXPECT_EQ(palette_flags[0], 0);

    // Glow from (40,0,0) to (63,0,0) by 8: 40, 48, 56, then turn at 63 -> 62, 54, 46, then turn.
    Reset_Cycle_Palette_Color();
    const int reds[] = {40, 48, 56, 62, 54, 46, 41, 49};
    for (int expected : reds) {
        Cycle_Palette_Color(198, 40, 0, 0, 63, 0, 0, 8);
        EXPECT_EQ(Shown(198)[0], expected * 255 / 63);
    }
    // Green follows the leading red channel proportionally.
    Reset_Cycle_Palette_Color();
    Cycle_Palette_Color(198, 0, 0, 0, 60, 30, 0, 20);
    Cycle_Palette_Color(198, 0, 0, 0, 60, 30, 0, 20);
    EXPECT_EQ(Shown(198)[0], 20 * 255 / 63);
    EXPECT_EQ(Shown(198)[1], 10 * 255 / 63);
    // Equal leading components: a steady colour instead of a division by zero.
    Reset_Cycle_Palette_Color();
    Cycle_Palette_Color(198, 30, 5, 5, 30, 5, 5, 4);
    EXPECT_EQ(Shown(198)[0], 30 * 255 / 63);
}

}  // namespace

namespace {

// The stand-in installation carries palette 0 as FONTS.LBX entry 2, byte for byte.
TEST(Builtin_Palette, StandinFontsEntryTwoIsTheBuiltInImage)
{
    FILE *file = std::fopen(TOLVA_BINARY_DIR "/standin/FONTS.LBX", "rb");
    if (file == nullptr) {
        TOLVA_SKIP_OR_FAIL("no stand-in installation in " TOLVA_BINARY_DIR "/standin");
    }
    std::vector<uint8_t> bytes;
    uint8_t chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof(chunk), file)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    std::fclose(file);
    ASSERT_GE(bytes.size(), 512u);
    ASSERT_GE(LE_U16(bytes.data()), 3);
    uint32_t start = LE_U32(bytes.data() + 8 + 2 * 4);
    uint32_t end = LE_U32(bytes.data() + 8 + 3 * 4);
    ASSERT_EQ(end - start, (uint32_t)PALETTE_DATA_SIZE);
    ASSERT_LE(end, bytes.size());
    EXPECT_EQ(std::memcmp(bytes.data() + start, Palette_Builtin_Image(), PALETTE_DATA_SIZE), 0);
}

}  // namespace

#include "../orv_lbx/lbx_fixture.h"

namespace {

// A palette entry too short for the 5,472-byte layout is refused and the palette in use stays.
TEST(Palette_Loading, ShortArchiveEntryLeavesThePaletteInUse)
{
    LBX_Folder folder;
    Bytes good(PALETTE_DATA_SIZE, 0);
    for (int i = 0; i < 768; ++i) good[i] = (uint8_t)(i % 64);
    folder.Write("FONTS.LBX", LBX_Writer_Archive({Bytes(16), Bytes(16), Bytes(PALETTE_DATA_SIZE), Bytes(100), good}));
    ASSERT_EQ(Load_Palette(0, -1, 0), 1);
    uint8_t *pointers = mouse_palette;
    uint8_t before[768];
    std::memcpy(before, current_palette, 768);

    EXPECT_EQ(Load_Palette(1, -1, 0), 0);
    EXPECT_EQ(std::memcmp(current_palette, before, 768), 0);
    EXPECT_EQ(mouse_palette, pointers);
    EXPECT_EQ(std::memcmp(palette_data, Palette_Builtin_Image(), PALETTE_DATA_SIZE), 0);

    EXPECT_EQ(Load_Palette(2, -1, 0), 1);
    EXPECT_EQ(std::memcmp(current_palette, good.data(), 768), 0);
    Load_Palette(0, -1, 0);
}

}  // namespace
