#include <gtest/gtest.h>

#include <cstring>

#include "Animation.h"
#include "Palette.h"
#include "Test_Page_Png.h"
#include "picture_fixture.h"

namespace {

// Frame f of the test animation: a 10 x 10 square of colour 100 + f at column 12 f.
Bytes Five_Frames(bool whole)
{
    std::vector<Bytes> frames;
    for (int f = 0; f < 5; ++f) {
        Bytes pixels(64 * 10, 0);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) pixels[(size_t)y * 64 + 12 * f + x] = (uint8_t)(100 + f);
        frames.push_back(Encode_Frame(64, 10, pixels, true));
    }
    return Animation(64, 10, frames, 2, whole);
}

TEST(AnimationPlayer, FiveFramesLoopingToFrameTwo)
{
    Bytes anim = Five_Frames(true);
    std::vector<int> shown;
    Test_Page page;
    for (int i = 0; i < 7; ++i) {
        std::memset(page.Pixels(), 0, SCREEN_SIZE);
        FLIC_Draw(0, 0, anim.data());
        for (int f = 0; f < 5; ++f)
            if (page.At(12 * f, 0) == 100 + f) shown.push_back(f);
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 2, 3}));
    EXPECT_EQ(FLIC_Get_CurrentFrame(anim.data()), 4);
    EXPECT_TRUE(Page_Matches_Golden(page, "animation_five_frames_step_seven", 0x3d0a9b0140ccd31full));
}

TEST(AnimationPlayer, FramesOutOfRangeAreClamped)
{
    struct Case {
        uint16_t count, loop, current;
        int16_t set;
        uint16_t stored_after_set;
    };
    const Case cases[] = {
        {5, 2, 0, 9, 3},                      // 2 + (9 - 5) mod 3
        {5, 2, 0, (int16_t)(3 | 0x8000), 3},  // bit 15 cleared
        {5, 5, 0, 7, 4},                      // nothing to wrap over: the last frame
        {5, 9, 0, 6, 4},
    };
    for (const Case &c : cases) {
        Bytes anim = Five_Frames(true);
        LE_Put_U16(anim.data() + FLIC_LOOP_FRAME, c.loop);
        Set_Animation_Frame(anim.data(), c.set);
        EXPECT_EQ(FLIC_Get_CurrentFrame(anim.data()), c.stored_after_set) << "set " << c.set << " loop " << c.loop;
    }
    // A stored current frame past the end draws the last frame; a loop frame past it loops to the last.
    Bytes anim = Five_Frames(true);
    LE_Put_U16(anim.data() + FLIC_CURRENT_FRAME, 40);
    LE_Put_U16(anim.data() + FLIC_LOOP_FRAME, 40);
    Test_Page page;
    FLIC_Draw(0, 0, anim.data());
    EXPECT_EQ(page.At(48, 0), 104);
    EXPECT_EQ(FLIC_Get_CurrentFrame(anim.data()), 4);
    // No frames at all: nothing drawn, nothing read.
    Bytes empty = Animation(4, 4, {});
    FLIC_Draw(0, 0, empty.data());
    EXPECT_EQ(FLIC_Get_CurrentFrame(empty.data()), 0);
}

TEST(AnimationPlayer, RenderToBitmapAddsFramesUnlessWhole)
{
    for (bool whole : {false, true}) {
        Bytes anim = Five_Frames(whole);
        Set_Animation_Frame(anim.data(), 3);
        Bytes bitmap = Bitmap(64, 10, 77);
        Draw_Picture_To_Bitmap(anim.data(), bitmap.data());
        EXPECT_EQ(LE_U16(bitmap.data() + PICTURE_FRAME_NUM), 3);
        for (int f = 0; f < 5; ++f) {
            uint8_t expected = (f == 3 || (!whole && f < 3)) ? (uint8_t)(100 + f) : 0;
            EXPECT_EQ(bitmap[16 + (size_t)(12 * f) * 10], expected) << "frame " << f << " whole " << whole;
        }
        EXPECT_EQ(FLIC_Get_CurrentFrame(anim.data()), 4);
        EXPECT_EQ(bitmap[16 + 640], 0xEE);
    }
    // An odd pixel count is cleared exactly, not rounded up to a whole word.
    Bytes odd = Animation(3, 3, {{FRAME_COLUMN_EMPTY, FRAME_COLUMN_EMPTY, FRAME_COLUMN_EMPTY}});
    Bytes bitmap = Bitmap(3, 3, 5);
    Draw_Picture_To_Bitmap(odd.data(), bitmap.data());
    EXPECT_EQ(bitmap[16 + 9], 0xEE);
}

// Palette information after the frames: main block sets colours 10-11; frame 1 sets colour
// 20, frame 2 has a count of 0; frame 3's entry reaches past colour 255.
Bytes With_Palette(void)
{
    Bytes anim = Five_Frames(true);
    uint16_t info = (uint16_t)anim.size();
    Bytes p(8 + 4 * 4, 0);
    anim.insert(anim.end(), p.begin(), p.end());
    uint16_t data = (uint16_t)anim.size();
    const uint8_t colours[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    anim.insert(anim.end(), colours, colours + sizeof colours);
    uint8_t *i = anim.data() + info;
    LE_Put_U16(i + FLIC_PALETTE_DATA, data);
    LE_Put_U16(i + FLIC_PALETTE_FIRST, 10);
    LE_Put_U16(i + FLIC_PALETTE_COUNT, 2);
    i[FLIC_PALETTE_PER_FRAME] = 1;
    uint8_t *e = i + FLIC_PALETTE_FRAME_ENTRIES;
    LE_Put_U16(e + 0, (uint16_t)(data + 6)), e[2] = 20, e[3] = 1;  // frame 1
    LE_Put_U16(e + 4, data), e[6] = 30, e[7] = 0;                  // frame 2
    LE_Put_U16(e + 8, data), e[10] = 254, e[11] = 4;               // frame 3
    LE_Put_U16(anim.data() + FLIC_PALETTE_INFO, info);
    return anim;
}

TEST(AnimationPalette, FramesCarryTheirOwnColours)
{
    Bytes anim = With_Palette();
    std::memset(current_palette, 0, 768);
    std::memset(palette_flags, 0, 256);
    FLIC_Load_Palette(anim.data(), 0);
    EXPECT_EQ(current_palette[30], 1);
    EXPECT_EQ(current_palette[35], 6);
    EXPECT_EQ(palette_flags[11], 1);
    FLIC_Load_Palette(anim.data(), 1);
    EXPECT_EQ(current_palette[60], 7);
    std::memset(palette_flags, 0, 256);
    FLIC_Load_Palette(anim.data(), 2);
    for (int c = 0; c < 256; ++c) ASSERT_EQ(palette_flags[c], 0);
    FLIC_Load_Palette(anim.data(), 3);
    EXPECT_EQ(current_palette[255 * 3 + 2], 6);
    EXPECT_EQ(palette_flags[255], 1);
    // No palette information: the palette stays.
    Bytes plain = Five_Frames(true);
    std::memset(palette_flags, 0, 256);
    Load_Palette_From_Animation(plain.data());
    for (int c = 0; c < 256; ++c) ASSERT_EQ(palette_flags[c], 0);
}

}  // namespace
