#include <gtest/gtest.h>

#include <cstring>

#include "Allocate.h"
#include "Font_Image.h"
#include "Fonts.h"
#include "Glyph_Rows.h"
#include "Palette.h"
#include "STU_LE.h"
#include "Test_Page_Png.h"
#include "format_bytes.h"

namespace {

TEST(Font_Hand_Bytes, BuiltInImageFieldsSitAtTheirOffsets)
{
    const uint8_t *image = FONTS_LBX_ENTRY_0();
    const uint8_t heights[16] = {6, 0, 6, 0, 9, 0, 9, 0, 10, 0, 16, 0, 5, 0, 10, 0};  // u16 x 8 at 362
    const uint8_t spacing[16] = {1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0};     // u16 x 8 at 378
    EXPECT_EQ(std::memcmp(image + 362, heights, 16), 0);
    EXPECT_EQ(std::memcmp(image + 378, spacing, 16), 0);
    // Style 5's width of "A" (byte 410 + 5 x 96 + 33) and glyph offset (u16 at 1178 + 2 x (5 x 96 + 33)).
    uint8_t width_a = image[410 + 5 * 96 + 33];
    uint16_t offset_a = (uint16_t)(image[1178 + 2 * (5 * 96 + 33)] | image[1178 + 2 * (5 * 96 + 33) + 1] << 8);
    Set_Font_Style(5, 0, 0, 0);
    const uint8_t *font = font_style_data;
    EXPECT_EQ(font[16] | font[17] << 8, 16);                               // current height
    EXPECT_EQ(font[68] | font[69] << 8, 16 + (font[70] | font[71] << 8));  // line feed
    EXPECT_EQ(font[74 + 33], width_a);
    EXPECT_EQ(font[170 + 66] | font[170 + 67] << 8, offset_a);
    EXPECT_GE(offset_a, 2714);
    Set_Font_Style(0, 0, 0, 0);
}

TEST(Font_Hand_Bytes, GlyphRunsSkipsAndColumnEnds)
{
    uint8_t *font = font_style_data;
    Bytes saved(font, font + FONTS_LBX_ENTRY_0_SIZE);
    // "A": two columns. Column 0: 2 pixels of colour index 1, skip 2 rows, 1 pixel of index 3.
    // Column 1: skip 1 row, 1 pixel of index 0 (the edge colour).
    const Bytes glyph = {0x21, 0x82, 0x13, 0x80, 0x81, 0x10, 0x80};
    const uint16_t at = 17700;
    std::memcpy(font + at, glyph.data(), glyph.size());
    Glyph_Rows_Forget_All();
    font[74 + 33] = 2;
    font[170 + 66] = (uint8_t)(at & 0xFF);
    font[170 + 67] = (uint8_t)(at >> 8);
    for (int i = 0; i < 16; ++i) font[i] = (uint8_t)(0xA0 + i);
    font[18] = 0;                // plain draw mode
    font[72] = 1, font[73] = 0;  // horizontal spacing 1

    Test_Page page;
    std::memset(page.Pixels(), 0x63, SCREEN_SIZE);
    EXPECT_EQ(Print(50, 60, "A"), 53);
    const uint8_t column_0[6] = {0xA1, 0xA1, 0x63, 0x63, 0xA3, 0x63};
    const uint8_t column_1[6] = {0x63, 0xA0, 0x63, 0x63, 0x63, 0x63};
    for (int y = 0; y < 6; ++y) {
        EXPECT_EQ(page.At(50, 60 + y), column_0[y]) << y;
        EXPECT_EQ(page.At(51, 60 + y), column_1[y]) << y;
    }
    std::memcpy(font, saved.data(), saved.size());
    Glyph_Rows_Forget_All();
}

// A palette entry laid out by hand: colours, font colour sets, pointer images, remap recipes.
Bytes Hand_Palette_Entry()
{
    Bytes e(5472, 0);
    Put_Bytes(e, 0, {0x01, 0x02, 0x03});                                     // colour 0
    Put_Bytes(e, 7 * 3, {0x3C, 0x02, 0x01});                                 // colour 7, the only one near pure red
    Put_Bytes(e, 255 * 3, {0x3F, 0x3E, 0x3D});                               // colour 255
    for (int k = 0; k < 16; ++k) e[768 + 2 * 16 + k] = (uint8_t)(0x40 + k);  // font colour set 2
    e[1280 + 256 + 3 * 16 + 1] = 0x77;                                       // pointer image 2, pixel (3, 1)
    Put_Bytes(e, 5376 + 5 * 4, {0x3F, 0x00, 0x00, 100});                     // remap recipe 5: all red
    return e;
}

TEST(Palette_Hand_Bytes, EntryFieldsReachTheirUsers)
{
    Pool_Init_Guard_Mode(0);
    palette_block = nullptr;  // the pool was started afresh: carve the block again
    Data_Folder folder;
    // FONTS.LBX: entries 0-2 (not read for palette 1), entry 3 = palette 1.
    Bytes palette = Hand_Palette_Entry();
    Bytes file;
    Put_Bytes(file, 0, {0x04, 0x00, 0xAD, 0xFE, 0x00, 0x00, 0x00, 0x00});
    file.resize(0x203, 0);
    const uint32_t offsets[5] = {0x200, 0x201, 0x202, 0x203, 0x203 + 5472};
    for (int i = 0; i < 5; ++i) LE_Put_U32(file.data() + 8 + 4 * i, offsets[i]);
    file.insert(file.end(), palette.begin(), palette.end());
    folder.Write("FONTS.LBX", file);

    std::memset(palette_flags, 0, 256);
    ASSERT_EQ(Load_Palette(1, -1, 0), 1);
    EXPECT_EQ(palette_data, palette_block + 16);
    EXPECT_EQ(std::memcmp(current_palette, palette.data(), 768), 0);
    EXPECT_EQ(palette_flags[0] + palette_flags[255], 2);
    EXPECT_EQ(font_colors[2 * 16 + 15], 0x4F);
    EXPECT_EQ(mouse_palette[256 + 3 * 16 + 1], 0x77);
    EXPECT_EQ(remap_colors[5 * 4 + 3], 100);

    Set_Font_Style(0, 2, 0, 0);
    for (int k = 0; k < 16; ++k) EXPECT_EQ(font_style_data[k], 0x40 + k) << k;
    Calculate_Remap_Colors();
    for (int p = 0; p < 256; p += 51) EXPECT_EQ(remap_color_palettes[5][p], 7) << p;
    Set_Font_Style(0, 0, 0, 0);
}

}  // namespace
