#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "GENDRAW.h"
#include "Palette.h"
#include "Video.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

class Drawing : public ::testing::Test {
protected:
    // A page with guard bytes on both sides, to catch any write outside the 64,000 bytes.
    std::vector<uint8_t> buffer = std::vector<uint8_t>(SCREEN_SIZE + 2 * 4096, 0xEE);
    uint8_t *page = buffer.data() + 4096;

    void SetUp() override
    {
        std::memset(page, 0, SCREEN_SIZE);
        current_video_page = page;
        Reset_Window();
    }
    void TearDown() override
    {
        for (int i = 0; i < 4096; ++i) {
            ASSERT_EQ(buffer[i], 0xEE) << "write before the page";
            ASSERT_EQ(buffer[4096 + SCREEN_SIZE + i], 0xEE) << "write after the page";
        }
    }
    Pixels Lit(void) const
    {
        Pixels lit;
        for (int i = 0; i < SCREEN_SIZE; ++i) {
            if (page[i] != 0) lit.insert({i % SCREEN_WIDTH, i / SCREEN_WIDTH});
        }
        return lit;
    }
    uint8_t At(int x, int y) const { return page[y * SCREEN_WIDTH + x]; }
};

TEST_F(Drawing, LinesFollowTheFixedPointWalk)
{
    struct Case {
        int x1, y1, x2, y2;
        Pixels expected;
    } cases[] = {
        {0, 0, 3, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {3, 1, 0, 0, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {5, 5, 5, 5, {{5, 5}}},
        {10, 10, 10, 13, {{10, 10}, {10, 11}, {10, 12}, {10, 13}}},
        {0, 3, 1, 0, {{0, 3}, {0, 2}, {1, 1}, {1, 0}}},
        {2, 2, 6, 6, {{2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}}},
    };
    for (const Case &c : cases) {
        std::memset(page, 0, SCREEN_SIZE);
        Line((int16_t)c.x1, (int16_t)c.y1, (int16_t)c.x2, (int16_t)c.y2, 9);
        EXPECT_EQ(Lit(), c.expected) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
    }
}

TEST_F(Drawing, ClippedLineKeepsThePixelsOfTheWholeLineInsideTheWindow)
{
    Line(-40, -15, 360, 230, 1);
    Pixels whole = Lit();
    std::memset(page, 0, SCREEN_SIZE);
    Set_Window(50, 40, 200, 120);
    Clipped_Line(-40, -15, 360, 230, 1);
    Pixels inside;
    for (auto p : whole) {
        if (p.first >= 50 && p.first <= 200 && p.second >= 40 && p.second <= 120) inside.insert(p);
    }
    EXPECT_FALSE(inside.empty());
    EXPECT_EQ(Lit(), inside);

    std::memset(page, 0, SCREEN_SIZE);
    Clipped_Line(0, 0, 40, 30, 1);
    EXPECT_TRUE(Lit().empty()) << "a line wholly outside draws nothing";
    Clipped_Line(100, 0, 100, 199, 1);
    EXPECT_EQ(Lit().size(), 81u) << "a vertical line is cut to the window's rows";
}

TEST_F(Drawing, PatternLinesStayAlignedWhenClipped)
{
    const uint8_t colors[3] = {5, 6, 7};
    Multi_Colored_Line(0, 0, 7, 0, colors, 3, 2);
    const uint8_t expected[8] = {7, 5, 6, 7, 5, 6, 7, 5};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(At(x, 0), expected[x]) << x;

    const uint8_t holes[2] = {4, 0};
    std::memset(page, 0x33, SCREEN_SIZE);
    Multi_Colored_Line(0, 1, 3, 1, holes, 2, 0);
    EXPECT_EQ(At(0, 1), 4);
    EXPECT_EQ(At(1, 1), 0x33) << "colour 0 leaves the pixel";

    std::memset(page, 0, SCREEN_SIZE);
    Set_Window(3, 0, 319, 199);
    Clipped_Multi_Colored_Line(0, 5, 7, 5, colors, 3, 2);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(At(x, 5), 0);
    for (int x = 3; x < 8; ++x) EXPECT_EQ(At(x, 5), expected[x]) << x;
}

TEST_F(Drawing, FillsClipAndNeverLeaveThePage)
{
    Set_Window(300, 10, 400, -5);
    EXPECT_EQ(screen_window_x1, 300);
    EXPECT_EQ(screen_window_x2, 319);
    EXPECT_EQ(screen_window_y1, 0);
    EXPECT_EQ(screen_window_y2, 10);

    Set_Window(10, 10, 19, 19);
    Clipped_Fill(15, 5, 30, 12, 3);
    EXPECT_EQ(Lit().size(), 5u * 3u);
    EXPECT_EQ(At(15, 10), 3);
    EXPECT_EQ(At(19, 12), 3);
    std::memset(page, 0, SCREEN_SIZE);
    Clipped_Fill(20, 0, 40, 40, 3);
    EXPECT_TRUE(Lit().empty());

    // The unclipped operations write where they are told, but only on the page.
    Fill(-50, -50, 400, 300, 8);
    EXPECT_EQ(Lit().size(), (size_t)SCREEN_SIZE);
    Dot(320, 0, 9);
    Dot(-1, 5, 9);
    Dot(0, 200, 9);
    Line(-1000, -1000, 1000, 1000, 9);
    Multi_Colored_Line(319, 199, 32000, 32000, (const uint8_t *)"\x09", 1, 0);
    EXPECT_EQ(At(0, 0), 9);
    Tint_Fill(-10, -10, 500, 500, 0);
}

TEST_F(Drawing, TintFillRemapsThroughTheTable)
{
    for (int i = 0; i < 256; ++i) remap_color_palettes[5][i] = (uint8_t)(255 - i);
    page[0] = 10;
    page[1] = 20;
    page[SCREEN_WIDTH] = 30;
    Tint_Fill(0, 0, 0, 1, 5);
    EXPECT_EQ(At(0, 0), 245);
    EXPECT_EQ(At(1, 0), 20);
    EXPECT_EQ(At(0, 1), 225);
    Gradient_Fill(1, 0, 1, 0, 15, 5);
    EXPECT_EQ(At(1, 0), 235);
    Gradient_Fill(1, 0, 1, 0, 7, 5);
    EXPECT_EQ(At(1, 0), 235) << "other types do nothing";
    Tint_Fill(0, 0, 5, 5, 24);
    EXPECT_EQ(At(0, 0), 245) << "a table number beyond the 24 tables is refused";
}

TEST(Dither, ScramblerIsASixteenBitShiftRegister)
{
    EXPECT_EQ(Dither_Scramble_Seed(0), Dither_Scramble_Seed(13768));
    EXPECT_EQ(Dither_Scramble_Seed(0), 0xB335);
    // Seed 1: the first step feeds a 1 back into bit 15, and each later step another.
    EXPECT_EQ(Dither_Scramble_Seed(1), 0xFF00);
}

}  // namespace
