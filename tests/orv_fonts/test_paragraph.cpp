#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Fonts.h"
#include "GENDRAW.h"
#include "Palette.h"
#include "Paragraph.h"
#include "Test_Page_Png.h"

namespace {

uint8_t m_sets[256];

struct Paragraph_Test : ::testing::Test {
    void SetUp() override
    {
        std::memcpy(m_sets, Palette_Builtin_Image() + PALETTE_FONT_COLORS_OFFSET, 256);
        font_colors = m_sets;
        Reset_Window();
        Reset_Paragraph_Exclusions();
        Set_Font_Style(0, 0, 0, 0);  // height 6, line feed 7; "word" is 4 + 3 + 3 + 3 + 3 spacing wide
    }
};

TEST_F(Paragraph_Test, LinesBreaksAndMarks)
{
    char one[] = "one line";
    Mark_Paragraph(10, 20, 100, one);
    ASSERT_EQ(paragraph_max_lines, 1);
    EXPECT_EQ(paragraph_line_x_start[0], 10);
    EXPECT_EQ(paragraph_line_y_start[0], 20);
    EXPECT_EQ(std::string(one), "one line");

    // "word" is 15 wide with its spacing; the width holds "word " but not "word w".
    char two[] = "word word";
    Mark_Paragraph(0, 0, 18, two);
    ASSERT_EQ(paragraph_max_lines, 2);
    EXPECT_EQ(paragraph_line_y_start[1], 7);
    EXPECT_EQ(paragraph_line_offset[1], 5);
    EXPECT_EQ(two[4], 21);
    Test_Page page;
    Print_Paragraph(0, 0, 18, two, PARAGRAPH_LEFT);
    EXPECT_EQ(std::string(two), "word word") << "the blank is back";

    char wide[] = "unbreakableword";
    Test_Page nothing;
    Print_Paragraph(0, 0, 20, wide, PARAGRAPH_LEFT);
    EXPECT_EQ(paragraph_max_lines, 0);
    for (int i = 0; i < SCREEN_SIZE; ++i) ASSERT_EQ(nothing.Pixels()[i], 0);

    std::string many;
    for (int i = 0; i < 40; ++i) many += "word ";
    Mark_Paragraph(0, 150, 30, many.data());
    EXPECT_EQ(paragraph_max_lines, 0) << "lines past row 199: nothing at all";

    char empty[] = "";
    EXPECT_EQ(Get_Paragraph_Max_Height(100, empty), 0);
    char two_again[] = "word word";
    EXPECT_EQ(Get_Paragraph_Max_Height(18, two_again), 7 + 6);
}

TEST_F(Paragraph_Test, CodesAfterWhichDigitsAreMissingStopAtTheEnd)
{
    char y_code[] = "ab\x19";
    Mark_Paragraph(0, 0, 100, y_code);
    EXPECT_EQ(paragraph_max_lines, 1);
    char x_code[] = "ab\x1d"
                    "4";
    Mark_Paragraph(0, 0, 100, x_code);
    EXPECT_EQ(paragraph_max_lines, 1);
    char both[] = "ab\x19"
                  "30cd\x1d"
                  "50ef";
    Mark_Paragraph(0, 0, 100, both);
    ASSERT_EQ(paragraph_max_lines, 3);
    EXPECT_EQ(paragraph_line_y_start[1], 30);
    EXPECT_EQ(paragraph_line_y_start[2], 30);
    EXPECT_EQ(paragraph_line_x_start[2], 50);
}

TEST_F(Paragraph_Test, ExclusionAreasSplitLines)
{
    char text[] = "aa bb cc dd ee ff gg hh ii jj kk";
    Set_Paragraph_Exclusion_Area(40, 0, 59, 10);
    for (int i = 0; i < 4; ++i) Set_Paragraph_Exclusion_Area(0, 300, 1, 301);  // the fifth is ignored
    EXPECT_EQ(exclusion_count, 4);
    Mark_Paragraph(0, 0, 100, text);
    ASSERT_GE(paragraph_max_lines, 3);
    EXPECT_EQ(paragraph_line_x_end[0], 39);
    EXPECT_EQ(paragraph_line_x_start[1], 60);
    EXPECT_EQ(paragraph_line_y_start[1], 0);
    EXPECT_EQ(paragraph_line_y_start[2], 7);

    // Many splits: the table stops at its 64 lines.
    Reset_Paragraph_Exclusions();
    for (int a = 0; a < 4; ++a) Set_Paragraph_Exclusion_Area((int16_t)(20 + 40 * a), 0, (int16_t)(30 + 40 * a), 199);
    std::string long_text;
    for (int i = 0; i < 200; ++i) long_text += "ab ";
    Mark_Paragraph(0, 0, 200, long_text.data());
    EXPECT_EQ(paragraph_max_lines, PARAGRAPH_LINES_MAX);
    Remove_Paragraph_Marks(long_text.data());

    // A line feed of 0 with a word that never fits ends instead of looping for ever.
    Reset_Paragraph_Exclusions();
    Set_Font_LF(-6);
    char stuck[] = "unbreakableword";
    Mark_Paragraph(0, 0, 10, stuck);
    EXPECT_EQ(paragraph_max_lines, 0);
}

TEST_F(Paragraph_Test, GoldenParagraphAroundAnExclusionArea)
{
    Test_Page page;
    char text[] = "Help texts, dialog texts and messages flow around pictures. This paragraph is broken into lines "
                  "that fit its width, leaving room for the square on the right, and each line is justified.\r"
                  "A second paragraph follows a line break and ends on a short line.";
    Fill(200, 20, 250, 60, 40);
    Set_Paragraph_Exclusion_Area(198, 18, 252, 62);
    Set_Font_Style(1, 4, 0, 0);
    Print_Paragraph(20, 20, 280, text, PARAGRAPH_JUSTIFIED);
    EXPECT_EQ(exclusion_count, 0);
    for (int y = 18; y <= 62; ++y)
        for (int x = 198; x <= 252; ++x)
            ASSERT_TRUE(page.At(x, y) == 0 || page.At(x, y) == 40) << "text inside the area at " << x << "," << y;
    char centred[] = "Centred lines of a narrow paragraph, each around the middle.";
    Set_Font_Style(3, 7, 0, 0);
    Print_Paragraph(20, 110, 120, centred, PARAGRAPH_CENTERED);
    char right[] = "Right-aligned lines end at the same column.";
    Print_Paragraph(170, 110, 130, right, PARAGRAPH_RIGHT);
    EXPECT_TRUE(Page_Matches_Golden(page, "paragraph_exclusion_area", 0x6a220d61a9fc9715ull));
}

}  // namespace
