#include <cstring>
#include <set>

#include "Boxes_Fixture.h"
#include "GENDRAW.h"
#include "random.h"

namespace {

class Expanding_Test : public Boxes_Test {
protected:
    uint16_t setting = 1;
    void SetUp() override
    {
        Boxes_Test::SetUp();
        Expanding_Box_Register_Setting(&setting);
        _draw_expanding_box = 0;
    }
    void TearDown() override
    {
        Expanding_Box_Register_Setting(nullptr);
        Boxes_Test::TearDown();
    }
    // The visible page in colour 1; the pop-up (colour 77) drawn on the off page over colour 2.
    static void Prepare_Pages()
    {
        std::memset(On_Page(), 1, SCREEN_SIZE);
        Set_Page_Off();
        Fill(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, 2);
        Fill(100, 60, 219, 139, 77);
    }
    static void Expect_Recorded(int16_t lines)
    {
        EXPECT_EQ(_draw_expanding_box, lines);
        EXPECT_EQ(expanding_box_x1, 100);
        EXPECT_EQ(expanding_box_y2, 139);
        EXPECT_EQ(expanding_origin_x1, 20);
        EXPECT_EQ(expanding_origin_y2, 29);
    }
};

std::vector<uint8_t> Trail(int16_t ox1, int16_t oy1, int16_t ox2, int16_t oy2, int16_t x1, int16_t y1, int16_t x2,
                           int16_t y2)
{
    uint8_t *page = Set_Page_Off();
    std::memset(page, 0, SCREEN_SIZE);
    Draw_Expanding_Box_Lines(ox1, oy1, ox2, oy2, x1, y1, x2, y2, 180, 181, 185, 186, 187, 186);
    return std::vector<uint8_t>(page, page + SCREEN_SIZE);
}

}  // namespace

TEST_F(Expanding_Test, SettingOffOnlyRecordsTheBoxes)
{
    setting = 0;
    Prepare_Pages();
    std::vector<uint8_t> off(Set_Page_Off(), Set_Page_Off() + SCREEN_SIZE);
    Draw_Expanding_Box(100, 60, 219, 139, 20, 20, 29, 29, 1);
    Expect_Recorded(1);
    EXPECT_EQ(Pixel(On_Page(), 160, 100), 1) << "nothing shown";
    EXPECT_TRUE(std::memcmp(off.data(), Set_Page_Off(), SCREEN_SIZE) == 0) << "the pop-up's page untouched";

    Redraw_Expanding_Box_Lines();
    std::set<uint8_t> colours;
    for (int i = 0; i < SCREEN_SIZE; ++i)
        if (Set_Page_Off()[i] != off[(size_t)i]) colours.insert(Set_Page_Off()[i]);
    EXPECT_FALSE(colours.empty()) << "the recorded trail is drawn all the same";
    for (uint8_t c : colours) EXPECT_TRUE(c == 180 || c == 181 || c == 185 || c == 186 || c == 187) << (int)c;

    Prepare_Pages();
    Draw_Expanding_Box(100, 60, 219, 139, 20, 20, 29, 29, 0);
    Expect_Recorded(0);
    std::vector<uint8_t> before(Set_Page_Off(), Set_Page_Off() + SCREEN_SIZE);
    Redraw_Expanding_Box_Lines();
    EXPECT_TRUE(std::memcmp(before.data(), Set_Page_Off(), SCREEN_SIZE) == 0) << "no lines, no trail";
}

TEST_F(Expanding_Test, SettingOnGrowsThePictureToFourFifths)
{
    Prepare_Pages();
    SAMB_ptr block = Box_Picture_Block();
    uint16_t used = SAMB_Used(block);
    Draw_Expanding_Box(100, 60, 219, 139, 20, 20, 29, 29, 0);
    Expect_Recorded(0);
    EXPECT_EQ(SAMB_Used(block), used) << "the bitmap's block is given back";
    // Step 4 of 5: left edge (100 - 20) * 4 / 5 + 20 = 84, top (60 - 20) * 4 / 5 + 20 = 52,
    // right (219 - 29) * 4 / 5 + 29 = 181, bottom (139 - 29) * 4 / 5 + 29 = 117.
    const uint8_t *shown = On_Page();
    EXPECT_EQ(Pixel(shown, 85, 53), 77);
    EXPECT_EQ(Pixel(shown, 180, 116), 77);
    EXPECT_EQ(Pixel(shown, 82, 53), 1) << "outside the step-4 box: the screen behind";
    EXPECT_EQ(Pixel(shown, 85, 50), 1);
    EXPECT_EQ(Pixel(shown, 183, 116), 1);
    EXPECT_EQ(Pixel(shown, 180, 119), 1);
}

TEST_F(Expanding_Test, AnAreaLargerThanTheBitmapIsNotAnimated)
{
    Prepare_Pages();
    Draw_Expanding_Box(0, 0, 319, 199, 20, 20, 29, 29, 1);
    EXPECT_EQ(expanding_box_x2, 319) << "recorded all the same";
    EXPECT_EQ(Pixel(On_Page(), 160, 100), 1) << "nothing shown";
    EXPECT_EQ(Pixel(Set_Page_Off(), 160, 100), 77) << "the pop-up stays for its caller";
}

TEST_F(Expanding_Test, TrailIsTheSameEveryTimeAndLeavesTheGamesSequenceAlone)
{
    struct Case {
        const char *name;
        int16_t box[8];
    } cases[] = {
        {"origin left of and above", {10, 10, 20, 20, 100, 80, 200, 150}},
        {"origin right of and above", {280, 10, 300, 20, 100, 80, 200, 150}},
        {"origin above, within the target's width", {140, 10, 160, 20, 100, 80, 200, 150}},
        {"origin below and left", {10, 180, 20, 190, 100, 40, 200, 120}},
        {"origin below, within the width", {140, 180, 160, 190, 100, 40, 200, 120}},
        {"origin level with the target, to its right", {280, 90, 300, 100, 100, 40, 200, 150}},
    };
    for (const Case &c : cases) {
        const int16_t *b = c.box;
        Set_Random_Seed(4242);
        std::vector<uint8_t> first = Trail(b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7]);
        EXPECT_EQ(Get_Random_Seed(), 4242u) << c.name;
        int16_t next = RANDOM(100);
        std::vector<uint8_t> second = Trail(b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7]);
        EXPECT_EQ(first, second) << c.name;
        Set_Random_Seed(4242);
        EXPECT_EQ(RANDOM(100), next) << c.name << ": the game's next draw as without the trail";

        int drawn = 0;
        for (int y = 0; y < SCREEN_HEIGHT; ++y)
            for (int x = 0; x < SCREEN_WIDTH; ++x) {
                uint8_t p = first[(size_t)y * SCREEN_WIDTH + x];
                if (p == 0) continue;
                ++drawn;
                bool inside = x >= std::min(b[0], b[4]) && x <= std::max(b[2], b[6]) && y >= std::min(b[1], b[5]) &&
                              y <= std::max(b[3], b[7]);
                EXPECT_TRUE(inside) << c.name << " at " << x << "," << y;
                if (!inside) break;
            }
        EXPECT_GT(drawn, 100) << c.name;
    }
}

TEST_F(Expanding_Test, ItemViewGrowsFromItsStartPoint)
{
    Bytes picture = Bitmap(40, 30, 5);
    struct Case {
        int16_t start_x, start_y, x, y;
    } cases[] = {{160, 100, 140, 70}, {10, 20, 5, 5}};
    for (const Case &c : cases) {
        ITEM_ResetViewGrow();
        int16_t x = 0, y = 0;
        // The caller draws a fresh copy each stage: the picture is scaled in place before the last.
        for (int stage = 1; stage <= 3; ++stage) {
            Bytes copy = picture;
            Expanding_Picture_Position(c.start_x, c.start_y, copy.data(), 3, &x, &y);
        }
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
    }
}
