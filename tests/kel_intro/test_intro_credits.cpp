// The intro's skip and sound cues on the stand-in installation, and the credits' timing, rows,
// dotted leaders and clip window.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Allocate.h"
#include "Fields.h"
#include "Input.h"
#include "LBX_Load.h"
#include "Pictures.h"
#include "STU_GRAF.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "Test_Page_Png.h"
#include "World_Fixture.h"
#include "overland/Intro_And_Credits.h"
#include "sdl2_PFL.h"
#include "shell/Screen_Control.h"
#include "world/Game_Settings.h"

namespace {

class Intro_Test : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Test_Engine_Start();
        World_Clear();
        Test_Search_Standin_Data();
    }
    void SetUp() override
    {
        Input_Reset_State();
        Platform_Keyboard_Buffer_Clear();
        Clear_Fields();
        quit_game_flag = 0;
    }
};

TEST(Intro_Frames, APartShowsTheTableCountOrFewerWhenItsAnimationIsShorter)
{
    struct Case {
        int16_t part, animation_frames, shown;
    };
    const Case cases[] = {{0, 40, 15}, {0, 15, 15}, {0, 9, 9}, {9, 37, 37}, {9, 1, 1}, {4, 0, 1}, {4, -3, 1}};
    for (const Case &c : cases)
        EXPECT_EQ(Intro_Part_Frames(c.part, c.animation_frames), c.shown) << c.part << " " << c.animation_frames;
}

TEST_F(Intro_Test, SoundCuesReloadWhateverTheSettingAndPlayOnlyWithEffectsOn)
{
    struct Cue {
        int16_t part, frame, played;
    };
    // From part 5 on: the cues after the first reload (the skip is covered end to end).
    const std::vector<Cue> expected = {{5, 10, 4}, {6, 0, 116}, {7, 2, 1},   {8, 3, 27},
                                       {8, 9, 27}, {9, 0, 118}, {10, 2, 27}, {11, 2, 3}};
    for (uint16_t effects : {0, 1}) {
        Allocate_First_Block(_screen_seg, 1);
        Mark_Block(_screen_seg);
        magic_set.words[GS_SOUND_EFFECTS] = effects;
        std::vector<Cue> played;
        for (int16_t part = 5; part < INTRO_PARTS; ++part)
            for (int16_t frame = 0; frame < IntroAnim_FrameCounts__DOD_ovr058[part]; ++frame) {
                int16_t entry = Intro_Sound_Cue(part, frame);
                if (entry != 0) played.push_back({part, frame, entry});
                if (part == 5 && frame == 10) {
                    EXPECT_EQ(m_intro_sound_entry[0], 4);
                    EXPECT_EQ(m_intro_sound_entry[1], 116);
                }
                if (part == 9 && frame == 0) {
                    EXPECT_EQ(m_intro_sound_entry[0], 118);
                    EXPECT_EQ(m_intro_sound_entry[1], 27);
                }
            }
        EXPECT_EQ(m_intro_sound_entry[0], 3) << effects;
        EXPECT_EQ(m_intro_sound_entry[1], -1) << effects;
        if (effects == 0) {
            EXPECT_TRUE(played.empty());
            continue;
        }
        ASSERT_EQ(played.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(played[i].part, expected[i].part) << i;
            EXPECT_EQ(played[i].frame, expected[i].frame) << i;
            EXPECT_EQ(played[i].played, expected[i].played) << i;
        }
    }
}

class Credits_Test : public Intro_Test {
protected:
    Test_Page page;
    void SetUp() override
    {
        Intro_Test::SetUp();
        _credits_timer = 0;
        Init_Credits();
        std::memset(page.Pixels(), 0x63, SCREEN_SIZE);
    }
    int Changed_Pixels(void)
    {
        int changed = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 320; ++x) changed += page.At(x, y) != 0x63;
        return changed;
    }
    uint8_t Picture_At(int x, int y) { return _credits_pict_seg[16 + x * CREDITS_PICTURE_HEIGHT + y]; }
};

TEST_F(Credits_Test, BlankForSeventyFramesAtStartAndAfterEveryPass)
{
    for (int frame = 0; frame < CREDITS_BLANK_FRAMES; ++frame) {
        Draw_Credits();
        ASSERT_EQ(Changed_Pixels(), 0) << frame;
    }
    Draw_Credits();
    EXPECT_GT(Changed_Pixels(), 0);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x) {
            if (y < 40 || y > 137 || x < 85) {
                ASSERT_EQ(page.At(x, y), 0x63) << x << "," << y;
            }
        }

    // Run to the end of the pass: the first row comes back to 0 with the timer.
    int frames = 0;
    while (_credits_timer != 0 && frames < 2000) {
        Draw_Credits();
        ++frames;
    }
    ASSERT_EQ(_credits_timer, 0);
    EXPECT_EQ(_credit_num, 0);
    EXPECT_EQ(_credits_y, 95);
    std::memset(page.Pixels(), 0x63, SCREEN_SIZE);
    for (int frame = 0; frame < CREDITS_BLANK_FRAMES; ++frame) {
        Draw_Credits();
        ASSERT_EQ(Changed_Pixels(), 0) << frame;
    }
    Draw_Credits();
    EXPECT_GT(Changed_Pixels(), 0);
}

TEST_F(Credits_Test, LeadersOnlyAfterARoleAndRowsMoveUpOnePixelAFrame)
{
    _credits_timer = CREDITS_BLANK_FRAMES;
    _credit_num = 1;  // row 1 has no role, row 3 ("Engine") has one
    _credits_y = 20;
    Draw_Credits();
    EXPECT_EQ(_credits_y, 19);
    auto ink_in = [&](int x1, int x2, int y1, int y2) {
        int ink = 0;
        for (int x = x1; x <= x2; ++x)
            for (int y = y1; y <= y2; ++y) ink += Picture_At(x, y) != 0;
        return ink;
    };
    EXPECT_EQ(ink_in(0, 104, 20, 29), 0) << "no role, no dots";
    EXPECT_GT(ink_in(105, 279, 20, 29), 0) << "the name";
    EXPECT_EQ(ink_in(0, 279, 30, 39), 0) << "row 2 is empty";
    EXPECT_GT(ink_in(60, 101, 40, 49), 0) << "dots after the role";
    EXPECT_EQ(ink_in(102, 104, 40, 49), 0) << "the dots stop before 102";

    // Below 1 the next row becomes the first, ten pixels lower.
    _credits_y = 1;
    Draw_Credits();
    EXPECT_EQ(_credit_num, 2);
    EXPECT_EQ(_credits_y, 10);
}

}  // namespace
