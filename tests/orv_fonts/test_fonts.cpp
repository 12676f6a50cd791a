#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Font_Image.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Palette.h"
#include "Pictures.h"
#include "STU_File.h"
#include "STU_LE.h"
#include "Test_Page_Png.h"

namespace {

uint8_t m_sets[256];

// Colour sets of the built-in palette; style 0 in set 0.
void Fonts_Reset()
{
    std::memcpy(m_sets, Palette_Builtin_Image() + PALETTE_FONT_COLORS_OFFSET, 256);
    font_colors = m_sets;
    Reset_Window();
    Set_Outline_Color(0);
    Set_Font_Style(0, 0, 0, 0);
}

struct Font_Test : ::testing::Test {
    void SetUp() override { Fonts_Reset(); }
};

// The leftmost and rightmost columns holding a pixel other than background.
std::pair<int, int> Ink_Columns(Test_Page &page, uint8_t background = 0)
{
    int lo = 1000, hi = -1;
    for (int y = 0; y < SCREEN_HEIGHT; ++y)
        for (int x = 0; x < SCREEN_WIDTH; ++x)
            if (page.At(x, y) != background) {
                lo = x < lo ? x : lo;
                hi = x > hi ? x : hi;
            }
    return {lo, hi};
}

TEST(FontImage, BuiltInBytesAreTheStandinEntry)
{
    std::vector<unsigned char> file;
    std::string path = std::string(TOLVA_BINARY_DIR "/standin/FONTS.LBX");
    ASSERT_TRUE(STU_Read_File(path.c_str(), file)) << "build the standin_data target first: " << path;
    ASSERT_GE(file.size(), 16u);
    uint32_t start0 = LE_U32(file.data() + 8), start1 = LE_U32(file.data() + 12), start2 = LE_U32(file.data() + 16);
    ASSERT_EQ(start1 - start0, (uint32_t)FONTS_LBX_ENTRY_0_SIZE);
    ASSERT_EQ(start2 - start1, (uint32_t)FONTS_LBX_ENTRY_1_SIZE);
    EXPECT_EQ(std::memcmp(file.data() + start0, FONTS_LBX_ENTRY_0(), FONTS_LBX_ENTRY_0_SIZE), 0);
    EXPECT_EQ(std::memcmp(file.data() + start1, FONTS_LBX_ENTRY_1(), FONTS_LBX_ENTRY_1_SIZE), 0);
    const uint16_t heights[FONT_STYLES] = {6, 6, 9, 9, 10, 16, 5, 10};
    for (int s = 0; s < FONT_STYLES; ++s) {
        EXPECT_EQ(LE_U16(FONTS_LBX_ENTRY_0() + FONT_STYLE_HEIGHTS + 2 * s), heights[s]);
        EXPECT_EQ(LE_U16(FONTS_LBX_ENTRY_0() + FONT_STYLE_HSPACING + 2 * s), 1);
        for (int c = 0; c < 95; ++c)
            ASSERT_GE(LE_U16(FONTS_LBX_ENTRY_0() + FONT_STYLE_OFFSETS + 2 * (FONT_GLYPHS * s + c)), FONT_GLYPH_DATA)
                << "style " << s << " character " << c + 32 << " has no glyph";
    }
}

TEST_F(Font_Test, StringWidthsAndAlignments)
{
    struct Case {
        const char *text;
        int16_t width;
    };
    const Case widths[] = {
        {"AB", 7},
        {"", -1},
        {"A\rB", 3},
        {"A\x15"
         "BC",
         3},
        {"\x02"
         "A\x01",
         3},
        {"A B", 3 + 1 + 2 + 1 + 3},
        {"A\x19", 3},
        {"MW", 5 + 1 + 5},
    };
    for (const Case &c : widths) EXPECT_EQ(Get_String_Width(c.text), c.width) << c.text;

    struct Align {
        const char *name;
        int16_t (*print)(int16_t, int16_t, const char *);
        int first, last, pen;
    };
    // "AB" is 7 wide: columns 0-6 of the text, the pen 1 past the spacing after B.
    const Align aligns[] = {
        {"left", Print, 100, 106, 108},
        {"centred", Print_Centered, 97, 103, 105},
        {"right", Print_Right, 94, 100, 102},
        {"clipped", Clipped_Print, 100, 106, 108},
        {"clipped right", Clipped_Print_Right, 94, 100, 102},
    };
    for (const Align &a : aligns) {
        Test_Page page;
        int16_t pen = a.print(100, 50, "AB");
        auto ink = Ink_Columns(page);
        EXPECT_EQ(ink.first, a.first) << a.name;
        EXPECT_EQ(ink.second, a.last) << a.name;
        EXPECT_EQ(pen, a.pen) << a.name;
    }
    uint8_t bitmap[16 + 200 * 10];
    Create_Picture(200, 10, bitmap);
    Print_Right_To_Bitmap(100, 0, "AB", bitmap);
    int last = -1;
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 10; ++y)
            if (bitmap[16 + x * 10 + y] != 0) last = x;
    EXPECT_EQ(last, 99) << "one column further left than on the page";
}

TEST_F(Font_Test, ControlCodes)
{
    Test_Page page;
    int line_feed = LE_U16(font_header + FONT_LINE_FEED);
    Print(10, 10, "A\rB");
    EXPECT_NE(page.At(11, 10 + line_feed), 0) << "B one line lower at the starting x";
    Test_Page clipped;
    Clipped_Print(10, 10, "A\rB");
    EXPECT_EQ(clipped.At(11, 10 + line_feed), 0) << "clipped printing ends at the break";

    Set_Font_Style(0, 1, 2, 3);
    Print(0, 0, "\x02");
    EXPECT_EQ(font_header[FONT_COLOR_SET], 1);
    Print(0, 0, "\x04");
    EXPECT_EQ(font_header[FONT_COLOR_SET], 0) << "highlight twice is normal again";
    Print(0, 0, "\x03");
    EXPECT_EQ(font_header[FONT_COLOR_SET], 2);

    // Tab codes at the very end have no position byte: nothing past the terminator is read.
    char tail[3] = {'A', 25, 0};
    EXPECT_EQ(Print(0, 100, tail), 4);
    char tab[5] = {'A', 25, 20, 'B', 0};
    EXPECT_EQ(Print(0, 120, tab), 24);

    Set_Font_Style(0, 16, 0, 0);
    EXPECT_EQ(std::memcmp(font_header + FONT_CURRENT_COLORS, m_sets, 16), 0) << "colour 16 falls back to set 0";
}

TEST_F(Font_Test, JustificationSpreadsTheExtraOverTheBlanks)
{
    const char *text = "AB AB AB";
    int16_t width = Get_String_Width(text);
    Test_Page plain;
    Print(0, 0, text);
    Test_Page full;
    Print_Full(0, 0, text, (int16_t)(width + 5));
    // The second word moves right by 3, the third by 3 + 2.
    for (int y = 0; y < 6; ++y) {
        EXPECT_EQ(full.At(10 + 3, y), plain.At(10, y));
        EXPECT_EQ(full.At(20 + 5, y), plain.At(20, y));
    }
    EXPECT_EQ(Ink_Columns(full).second, Ink_Columns(plain).second + 5);
}

TEST_F(Font_Test, OutlineModesDrawAroundTheGlyph)
{
    Set_Outline_Color(7);
    Set_Font_Style_Outline(0, 0, 0, 0);
    Test_Page page;
    Print(20, 20, "I");
    // The vertical stroke of I at column 21: outline on both sides, above and below.
    EXPECT_EQ(page.At(21, 19), 7);
    EXPECT_EQ(page.At(21, 25), 7);
    EXPECT_EQ(page.At(19, 20), 7);
    EXPECT_EQ(page.At(23, 20), 7);
    EXPECT_NE(page.At(21, 22), 7);
    Set_Font_Style_Shadow_Down(0, 0, 0, 0);
    Test_Page shadow;
    Print(20, 20, "I");
    EXPECT_EQ(shadow.At(21, 19), 0) << "no shadow above";
    EXPECT_EQ(shadow.At(21, 25), 7);
}

TEST_F(Font_Test, TrimAndFarCopies)
{
    char word[] = "  word  ";
    EXPECT_EQ(Trim(word), 5);
    EXPECT_STREQ(word, "word ");
    char bare[] = "word";
    EXPECT_EQ(Trim(bare), -1);
    // A far text longer than the near buffer's 256 bytes is cut, not copied past it.
    std::string long_text(600, 'I');
    Test_Page page;
    Print_Far(0, 0, long_text.c_str());
    EXPECT_TRUE(page.Guards_Intact());
}

TEST_F(Font_Test, GoldenEightStylesWithShadowAndOutline)
{
    Test_Page page;
    std::memset(page.Pixels(), 16 + 3, SCREEN_SIZE);
    Set_Outline_Color(16);
    int y = 2;
    for (int style = 0; style < FONT_STYLES; ++style) {
        Set_Font_Style(style, 1 + style, 0, 0);
        Print(2, (int16_t)y, "Aa Zz 09 !?");
        Set_Font_Style_Shadow_Down(style, 5, 0, 0);
        Print(110, (int16_t)y, "Shadow gjpqy");
        Set_Font_Style_Outline_Heavy(style, 9, 0, 0);
        Print(215, (int16_t)y, "Outline");
        y += Get_Font_Height() + 6;
    }
    Set_Font_Style(4, 2, 0, 0);
    Print(2, 170, "The quick brown fox jumps over the lazy dog.");
    EXPECT_TRUE(Page_Matches_Golden(page, "fonts_eight_styles", 0xe2104b6571ad1b2full));
}

}  // namespace
