#include <gtest/gtest.h>

#include <vector>

#include "Capture.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Video.h"

TEST(Capture, RectangleIsCopiedColumnByColumn)
{
    std::vector<uint8_t> page(SCREEN_SIZE, 0);
    for (int y = 0; y < SCREEN_HEIGHT; ++y)
        for (int x = 0; x < SCREEN_WIDTH; ++x) page[y * SCREEN_WIDTH + x] = (uint8_t)(x * 16 + y);
    uint8_t *saved = current_video_page;
    current_video_page = page.data();
    uint8_t pixels[6] = {};
    Capture_Screen_Block(pixels, 2, 3, 3, 5);
    EXPECT_EQ(std::vector<uint8_t>(pixels, pixels + 6), (std::vector<uint8_t>{35, 36, 37, 51, 52, 53}));

    uint8_t edge[4] = {9, 9, 9, 9};
    Capture_Screen_Block(edge, 319, 198, 320, 199);  // the column beyond the page reads as 0
    EXPECT_EQ(edge[0], page[198 * SCREEN_WIDTH + 319]);
    EXPECT_EQ(edge[2], 0);
    EXPECT_EQ(edge[3], 0);
    current_video_page = saved;
}

TEST(Capture, PictureOfTheOffPageRectangle)
{
    Set_Page_Off();
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 3; ++y) current_video_page[(10 + y) * SCREEN_WIDTH + 20 + x] = (uint8_t)(1 + x * 3 + y);
    uint8_t picture[16 + 12] = {};
    Screen_Picture_Capture(20, 10, 23, 12, picture);
    EXPECT_EQ(LE_U16(picture), 4);
    EXPECT_EQ(LE_U16(picture + 2), 3);
    EXPECT_EQ(LE_U16(picture + 4), 0xDE0A);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(picture[16 + i], i + 1) << i;
}
