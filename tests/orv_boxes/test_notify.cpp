#include <SDL.h>

#include <cstring>

#include "Boxes_Fixture.h"
#include "Dialog_Boxes.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Paragraph.h"
#include "SOUND.h"
#include "sdl2_Audio.h"

namespace {

int16_t Text_Width(const char *text)
{
    char copy[200];
    std::snprintf(copy, sizeof copy, "%s", text);
    Set_Font_Style(4, 0, 0, 0);
    return Get_Paragraph_Max_Width(NOTIFY_TEXT_WIDTH, copy, PARAGRAPH_LEFT);
}

void Paint_Off_Page(uint8_t colour)
{
    Set_Page_Off();
    Fill(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, colour);
}

class Notify_Test : public Boxes_Test {
protected:
    void TearDown() override
    {
        notify_draw_offscr = 0;
        Dialog_Boxes_Register_Game_Data(nullptr, nullptr);
        Boxes_Test::TearDown();
    }
};

}  // namespace

TEST(Notify_Mascot_Choice, MostBooksWinsAndTiesFollowTheRealmOrder)
{
    struct Case {
        const char *name;
        int16_t books[5];
        int16_t mascot;
    } cases[] = {
        {"all equal: realm 3", {2, 2, 2, 2, 2}, 2},
        {"one more in realm 1", {2, 3, 2, 2, 2}, 4},
        {"realm 0 alone", {5, 0, 0, 0, 0}, 3},
        {"realm 2 alone", {0, 0, 5, 0, 0}, 0},
        {"realm 4 alone", {0, 0, 0, 0, 5}, 1},
        {"realms 2 and 4 tie: 2 comes first", {0, 0, 6, 1, 6}, 0},
        {"realms 4 and 0 tie: 4 comes first", {6, 0, 0, 1, 6}, 1},
        {"realms 0 and 1 tie: 0 comes first", {6, 6, 0, 0, 0}, 3},
        {"realm 3 tied with everything above it", {1, 1, 1, 9, 1}, 2},
        {"negative counts compare as signed", {-3, -3, -3, -1, -2}, 2},
    };
    for (const Case &c : cases) EXPECT_EQ(Notify_Mascot(c.books), c.mascot) << c.name;
    EXPECT_EQ(Notify_Mascot(nullptr), 2) << "no books: realm 3";
}

TEST_F(Notify_Test, CentredBoxDrawsItsTypesPiecesOnTheOffPageWithoutWaiting)
{
    static const char text[] = "Your wizard has found something.";
    int16_t width = Text_Width(text);
    Bytes icon = Filled_Picture(10, 10, 90);
    struct Case {
        int16_t type;
        int16_t gem;
        uint8_t box;
        uint8_t frame;
    } cases[] = {
        {0, 0, 46, 47}, {0, 1, 46, 48}, {1, 0, 43, 44}, {1, 1, 43, 45},
        {2, 0, 40, 41}, {2, 1, 40, 42}, {3, 0, 56, 57}, {3, 1, 56, 58},
    };
    for (const Case &c : cases) {
        Paint_Off_Page(3);
        notify_draw_offscr = 1;
        Then([] { Key('x', 'x'); });
        Notify1(160, 60, c.type, text, c.gem, icon.data(), 5, 6, nullptr, 0, 0, 0, 0);
        EXPECT_EQ(Poll_Script().size(), 1u) << "type " << c.type << ": drawn once, no input read";
        Poll_Script().clear();

        int16_t b = c.type == 2 ? 50 : 0;
        int16_t x = (int16_t)(160 - (width + 96) / 2);
        int16_t y = 60;
        int16_t frame_x = (int16_t)(x + width + b + 12);
        EXPECT_EQ(message_box_x, x);
        const uint8_t *page = Off_Page_Pixels();
        EXPECT_EQ(Pixel(page, x + 1, y + 50), c.box) << "type " << c.type;
        EXPECT_EQ(Pixel(page, frame_x - 1, y + 1), c.box) << "the box reaches the frame";
        EXPECT_EQ(Pixel(page, frame_x + 1, y + 1), c.frame) << "type " << c.type << " gem " << c.gem;
        EXPECT_EQ(Pixel(page, frame_x + 50, y + 1), 0) << "cleared beside the frame";
        EXPECT_EQ(Pixel(page, frame_x + 52, y + 1), 3) << "the box is cut at the frame";
        EXPECT_EQ(Pixel(page, frame_x + 4 + 5, y + 6), 90) << "picture 1 inside the frame";
        if (c.type == 2) {
            EXPECT_EQ(Pixel(page, x - 22, y - 18), 202) << "type 2 shows the mascot of realm 3";
        }
        EXPECT_EQ(Pixel(page, 2, 2), 3) << "the screen behind stays";
    }
}

TEST_F(Notify_Test, LeftBoxPlacesTheMascotOfTheHumansRealm)
{
    static const char text[] = "Beside the mascot.";
    struct Case {
        const char *name;
        int16_t books[5];
        int16_t mascot;
        int16_t x;
    } cases[] = {
        {"realm 1 leads: mascot 4 to the right of x 6", {2, 5, 2, 2, 2}, 4, 6},
        {"realm 2 leads: mascot 0 pushes the box right", {2, 2, 5, 2, 2}, 0, 8},
        {"realm 3 leads: mascot 2 pushes it further", {0, 0, 0, 1, 0}, 2, 28},
    };
    for (const Case &c : cases) {
        uint8_t record[10];
        for (int r = 0; r < 5; ++r) LE_Put_U16(record + 2 * r, (uint16_t)c.books[r]);
        Dialog_Boxes_Register_Game_Data(record, nullptr);
        Paint_Off_Page(3);
        notify_draw_offscr = 1;
        int16_t y = 80;
        Notify2(999, y, 0, text, 0, nullptr, 0, 0, nullptr, 0, 0, 0, 0);
        EXPECT_EQ(message_box_x, c.x) << c.name;
        int16_t mx = (int16_t)(c.x + notify2_mascot_x1[c.mascot] - 1);
        int16_t my = (int16_t)(y + notify2_mascot_y1[c.mascot]);
        const uint8_t *page = Off_Page_Pixels();
        EXPECT_EQ(Pixel(page, mx + 1, my + 1), 200 + c.mascot) << c.name;
        int16_t r = (int16_t)(c.x + Text_Width(text) + notify2_text_x1[c.mascot]);
        EXPECT_EQ(Pixel(page, r + 2, y + 1), 47) << c.name << ": the picture frame at R + 1";
    }
}

TEST_F(Notify_Test, WaitsForInputAndGivesTheScratchBlockBack)
{
    SAMB_ptr block = Box_Picture_Block();
    uint8_t *mine = LBX_Reload("RESOURCE", 46, block);
    Bytes before(block, block + 65536);
    Then([] {});
    Then([] { Key('x', 'x'); });
    Notify1(160, 50, 1, "Wait for me.", 0, nullptr, 0, 0, nullptr, 0, 0, 1, 1);
    EXPECT_TRUE(Poll_Script().empty()) << "the box waited for the key";
    EXPECT_TRUE(std::memcmp(before.data(), block, before.size()) == 0) << "the box's pictures are gone again";
    EXPECT_EQ(FLIC_Get_Width(mine), 300);
    EXPECT_EQ(Notify_Mascot(nullptr), 2);
}

TEST_F(Notify_Test, WarningClicksOnlyInTheGameProper)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    sdl2_Audio_Init();
    ASSERT_EQ(sdl2_Audio_Is_Open(), 1);
    Bytes click(16 + 26, 0);
    LE_Put_U16(click.data(), SOUND_ENTRY_MAGIC);
    LE_Put_U16(click.data() + 2, SOUND_TYPE_VOC);
    for (uint8_t b : {1, 202, 0, 0, 166, 0}) click.push_back(b);
    for (int i = 0; i < 200; ++i) click.push_back((uint8_t)(i % 2 ? 100 : 156));
    click.push_back(0);
    uint8_t *click_entry = click.data();
    uint32_t click_size = (uint32_t)click.size();
    uint16_t sound_effects = 1;
    Sound_Register_Game_Sounds(&sound_effects, &click_entry, &click_size, &click_entry, &click_size);

    int16_t front_end = 1;
    Dialog_Boxes_Register_Game_Data(nullptr, &front_end);
    Then([] { Key('x', 'x'); });
    Warn0("In the front end.");
    EXPECT_EQ(sdl2_Audio_Effect_Chunks_Live(), 0) << "the front end's click is silent";
    front_end = 0;
    Then([] { Key('x', 'x'); });
    Warn1("In the game.");
    EXPECT_EQ(sdl2_Audio_Effect_Chunks_Live(), 1) << "the standard click played";

    Sound_Register_Game_Sounds(nullptr, nullptr, nullptr, nullptr, nullptr);
    sdl2_Audio_Deinit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST_F(Notify_Test, EmptyTextIsNoWidth)
{
    notify_draw_offscr = 1;
    Paint_Off_Page(3);
    Notify1(160, 60, 0, "", 0, nullptr, 0, 0, nullptr, 0, 0, 0, 0);
    EXPECT_EQ(message_box_x, 160 - 96 / 2);
    EXPECT_EQ(Pixel(Off_Page_Pixels(), 160 - 48 + 12 + 1, 61), 47) << "the frame right after the box's margin";
}
