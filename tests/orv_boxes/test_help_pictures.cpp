#include <cstring>

#include "Boxes_Fixture.h"
#include "Help.h"

TEST_F(Boxes_Test, HelpPicturesMeasureByTheirColouredPixels)
{
    struct Case {
        const char *name;
        int16_t entry;
        Help_Picture_Box box;
    } cases[] = {
        {"pixels in columns 5-9, rows 3-12", 0, {5, 3, 5, 10}},
        {"too large for the bitmap: its whole size", 1, {0, 0, 80, 60}},
        {"blank: no extent", 2, {0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        uint8_t *picture = LBX_Reload("HPICS", c.entry, Box_Picture_Block());
        Bytes bitmap(4000 + 64, 0xEE);
        Help_Picture_Box box = Help_Measure_Picture(picture, bitmap.data());
        EXPECT_EQ(box.left, c.box.left) << c.name;
        EXPECT_EQ(box.top, c.box.top) << c.name;
        EXPECT_EQ(box.width, c.box.width) << c.name;
        EXPECT_EQ(box.height, c.box.height) << c.name;
        for (size_t i = 4000; i < bitmap.size(); ++i) ASSERT_EQ(bitmap[i], 0xEE) << c.name << ": wrote past the bitmap";
    }
}

TEST_F(Boxes_Test, HelpPopUpPlacesThePictureByItsPixelsAndCarvesNothing)
{
    // W = 5 + 6 = 11 and H = 10, so rows are 12 high; one record with an empty text makes the
    // body 2 + 12 + 4 + 5 = 23, the scroll's top 100 - (23 + 48) / 2 = 65 and the first line 91.
    // The pixels land at x (11 - 5 - 6) / 2 + 70 = 70, y 91.
    uint8_t shown[SCREEN_SIZE];
    auto pop_up = [&] {
        Then([&] { std::memcpy(shown, On_Page(), SCREEN_SIZE); });
        Then([] { Key('x', 'x'); });
        Draw_Help_Entry__WIP(0);
        EXPECT_TRUE(Poll_Script().empty());
    };
    std::memset(On_Page(), 0, SCREEN_SIZE);
    pop_up();
    struct Probe {
        int x, y;
        uint8_t colour;
    } probes[] = {{70, 91, 77}, {74, 100, 77}, {69, 91, 0}, {75, 91, 0}, {70, 90, 0}, {70, 101, 0}};
    for (const Probe &p : probes) EXPECT_EQ(Pixel(shown, p.x, p.y), p.colour) << p.x << "," << p.y;

    uint32_t used = Pool_Bytes_Used();
    pop_up();
    EXPECT_EQ(Pool_Bytes_Used(), used) << "a second pop-up takes no new memory";
}
