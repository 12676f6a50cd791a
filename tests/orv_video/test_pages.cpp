#include <gtest/gtest.h>

#include <cstring>

#include "GENDRAW.h"
#include "Palette.h"
#include "Video.h"
#include "sdl2_PFL.h"
#include "sdl2_Video.h"

namespace {

class Pages : public ::testing::Test {
protected:
    void SetUp() override
    {
        Init_Video_Drivers(3);
        Load_Palette(0, -1, 0);
    }
};

TEST_F(Pages, FlipShowsTheDrawnPageAndDrawingMovesOn)
{
    uint8_t *off = Set_Page_Off();
    EXPECT_EQ(off, video_page_buffer[1]);
    Fill(0, 0, 319, 199, 4);
    Page_Flip();
    EXPECT_EQ(draw_page, off);
    EXPECT_EQ(Set_Page_Off(), video_page_buffer[0]) << "drawing moves to the page shown before";
    EXPECT_EQ(Set_Page_On(), off);
    const uint8_t *red = &platform_palette_buffer[4 * 4];
    EXPECT_EQ(red[0], Palette_Builtin_Image()[12] * 4) << "the flip uploads the whole palette";

    Set_Page_Off();
    Copy_On_To_Off_Page();
    EXPECT_EQ(current_video_page[12345], 4);
}

TEST_F(Pages, BackPageShiftedCopy)
{
    for (int i = 0; i < SCREEN_SIZE; ++i) video_page_buffer[2][i] = (uint8_t)(1 + i % 200);
    Set_Page_Off();
    VGA_PartCopyFromF3(0, 0);
    EXPECT_EQ(std::memcmp(current_video_page, video_page_buffer[2], SCREEN_SIZE), 0);
    VGA_PartCopyFromF3(10, 3);
    for (int y = 0; y < SCREEN_HEIGHT; ++y) {
        for (int x = 0; x < SCREEN_WIDTH; ++x) {
            uint8_t expected = (x < 10 || y < 3) ? 0 : video_page_buffer[2][(y - 3) * SCREEN_WIDTH + x - 10];
            ASSERT_EQ(current_video_page[y * SCREEN_WIDTH + x], expected) << x << "," << y;
        }
    }
    VGA_PartCopyFromF3(1000, -4);
    for (int i = 0; i < SCREEN_SIZE; ++i) ASSERT_EQ(current_video_page[i], 0);
}

TEST_F(Pages, ScreenToBitmapIsColumnOrder)
{
    Set_Page_Off();
    Dot(3, 7, 9);
    static uint8_t pixels[SCREEN_SIZE];
    Copy_Screen_To_Bitmap(pixels);
    EXPECT_EQ(pixels[3 * 200 + 7], 9);
    EXPECT_EQ(pixels[7 * 320 + 3], 0);
}

TEST_F(Pages, FlipEffectFiveOnlyAppliesThePalette)
{
    Set_Page_Off();
    Fill(0, 0, 319, 199, 7);
    std::memset(platform_palette_buffer, 0, sizeof(platform_palette_buffer));
    Set_Palette_Changes(0, 255);
    int16_t shown = draw_page_num;
    _page_flip_effect = 5;
    PageFlip_FX();
    EXPECT_EQ(draw_page_num, shown);
    EXPECT_EQ(platform_palette_buffer[15 * 4], 252);
    EXPECT_EQ(_page_flip_effect, 0);

    _page_flip_effect = 3;
    PageFlip_FX();
    EXPECT_NE(draw_page_num, shown) << "the dissolve ends with the new page shown";
    EXPECT_EQ(video_page_buffer[draw_page_num][64000 - 1], 7);
    EXPECT_EQ(_page_flip_effect, 0);

    _page_flip_effect = 99;
    PageFlip_FX();
    EXPECT_EQ(draw_page_num, shown) << "unknown effects flip plainly";
    EXPECT_EQ(_page_flip_effect, 0);
}

TEST_F(Pages, GrowOutEndsWithTheNewScreenWhole)
{
    Set_Page_On();
    Fill(0, 0, 319, 199, 2);
    Set_Page_Off();
    Draw_Test_Page();
    static uint8_t expected[SCREEN_SIZE];
    std::memcpy(expected, current_video_page, SCREEN_SIZE);
    for (uint8_t &p : expected) p = p == 0 ? 1 : p;  // colour 0 is drawn as 1 so nothing is transparent
    static uint8_t picture[16 + SCREEN_SIZE];
    EXPECT_EQ(Draw_Expanding_Bitmap(200, 100, 2, picture), 2);
    EXPECT_EQ(std::memcmp(video_page_buffer[draw_page_num], expected, SCREEN_SIZE), 0);
}

TEST(Frame_Timing, ReleaseTimeWaitsWholeTicksCappedAt220)
{
    const struct {
        int16_t ticks;
        uint64_t deadline;
    } cases[] = {{1, 1055}, {2, 1110}, {4, 1220}, {5, 1220}, {10, 1220}, {0, 1000}, {-3, 1000}, {32767, 1220}};
    for (const auto &c : cases) {
        EXPECT_EQ(Release_Time_Deadline(1000, c.ticks), c.deadline) << c.ticks;
    }

    uint64_t before_total = Video_Requested_Ticks_Total();
    Mark_Time();
    uint64_t start = Platform_Get_Millies();
    Release_Time(5);
    uint64_t waited = Platform_Get_Millies() - start;
    EXPECT_GE(waited, 219u);
    EXPECT_LT(waited, 1000u) << "well under a second even on a loaded machine";
    EXPECT_EQ(Video_Requested_Ticks_Total(), before_total + 5);

    Mark_Time();
    Platform_Sleep_Millies(70);
    start = Platform_Get_Millies();
    Release_Time(1);
    EXPECT_LT(Platform_Get_Millies() - start, 50u) << "a frame that took longer returns at once";
}

}  // namespace
