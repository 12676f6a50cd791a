#include <gtest/gtest.h>

#include "SOUND.h"

TEST(Sound_Clicks, FollowTheSoundEffectsSetting)
{
    uint8_t *click = nullptr;  // nothing loaded: the platform ignores a null entry
    uint32_t size = 0;
    struct Case {
        uint16_t word;
        int16_t result;
    };
    const Case cases[] = {{0, 0}, {1, -1}, {2, 2}};
    for (const Case &c : cases) {
        uint16_t word = c.word;
        Sound_Register_Game_Sounds(&word, &click, &size, &click, &size);
        EXPECT_EQ(Play_Left_Click(), c.result) << c.word;
        EXPECT_EQ(Play_Standard_Click(), c.result) << c.word;
        EXPECT_EQ(Play_Left_Click__DUPE(), c.result) << c.word;
    }
    Sound_Register_Game_Sounds(nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(Play_Left_Click(), 0);
}

TEST(Sound_Drivers, StayInertAndUninitResetsHandles)
{
    audio_midi_driver_handle = 3;
    audio_digital_driver_handle = 4;
    EXPECT_EQ(Stop_All_Sounds(), 0);
    EXPECT_EQ(Audio_Uninit(), 0);
    EXPECT_EQ(audio_midi_driver_handle, -1);
    EXPECT_EQ(audio_digital_driver_handle, -1);
    EXPECT_EQ(audio_initialized, 0);
}

TEST(Sound_DeathTest, AudioErrorEndsThroughTheExitPath)
{
    EXPECT_EXIT(Audio_Error(AUDIO_ERROR_UNKNOWN_SOUND_TYPE), testing::ExitedWithCode(1),
                "Audio error 14: a sound entry of an unrecognised type");
}
