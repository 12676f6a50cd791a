#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <vector>

#include "STU_LE.h"
#include "Sound_Fixtures.h"
#include "sdl2_Audio.h"

namespace {

Bytes Effect(uint8_t level)
{
    Bytes e(16 + 26, 0);
    LE_Put_U16(e.data(), SOUND_ENTRY_MAGIC);
    LE_Put_U16(e.data() + 2, SOUND_TYPE_VOC);
    uint32_t n = 2000 + 2;
    for (uint8_t b : {(uint8_t)1, (uint8_t)n, (uint8_t)(n >> 8), (uint8_t)0, (uint8_t)166, (uint8_t)0}) e.push_back(b);
    for (int i = 0; i < 2000; i++) e.push_back((uint8_t)(i % 20 < 10 ? level : 255 - level));
    e.push_back(0);
    return e;
}

// SDL's disk driver into /dev/null: a device the mixer treats as heard, unlike the dummy driver.
class Audio_Device : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        sdl2_Audio_Init();
    }
    static void TearDownTestSuite()
    {
        sdl2_Audio_Deinit();
        SDL_Quit();
    }
};

}  // namespace

TEST_F(Audio_Device, EffectsShareOneChannelAndFreeTheirPredecessor)
{
    ASSERT_EQ(sdl2_Audio_Is_Open(), 1);
    Bytes first = Effect(20);
    Bytes second = Effect(60);
    EXPECT_EQ(Platform_Audio_Play_Sound(first.data(), (uint32_t)first.size()), -1);
    EXPECT_EQ(sdl2_Audio_Effect_Chunks_Live(), 1);
    EXPECT_EQ(Platform_Audio_Play_Sound(second.data(), (uint32_t)second.size()), -1);
    EXPECT_EQ(sdl2_Audio_Effect_Chunks_Live(), 1);
    EXPECT_EQ(Mix_Playing(MIX_EFFECT_CHANNEL), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(Audio_Device, EntriesThatAreNotSoundsOrUnknownAreSkipped)
{
    Bytes unknown = Effect(20);
    LE_Put_U16(unknown.data() + 2, 7);
    Bytes no_magic = Effect(20);
    no_magic[0] = 0;
    Bytes damaged = Effect(20);
    damaged.resize(100);  // the sound-data block claims more than is left
    EXPECT_EQ(Platform_Audio_Play_Sound(nullptr, 0), 1);
    EXPECT_EQ(Platform_Audio_Play_Sound(no_magic.data(), (uint32_t)no_magic.size()), 1);
    EXPECT_EQ(Platform_Audio_Play_Sound(unknown.data(), (uint32_t)unknown.size()), -1);
    EXPECT_EQ(Platform_Audio_Play_Sound(damaged.data(), (uint32_t)damaged.size()), -1);
    EXPECT_EQ(Platform_Audio_Play_Sound(unknown.data(), 3), -1);
}

TEST_F(Audio_Device, FluidsynthFilterDropsOnlyTheMetaEventNoise)
{
    testing::internal::CaptureStderr();
    sdl2_Audio_Fluidsynth_Log(2, "Ignoring unrecognized meta event type 0x21", nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    testing::internal::CaptureStderr();
    sdl2_Audio_Fluidsynth_Log(2, "Something else went wrong", nullptr);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Something else went wrong"), std::string::npos);
}

TEST_F(Audio_Device, MusicReplacesMusicAndLoopsOnlyWithALoopPair)
{
    Bytes looping = XMIDI_Entry({0xB0, 116, 0, 0x90, 60, 100, 60, 60, 0xB0, 117, 127});
    Bytes once = XMIDI_Entry({0x90, 64, 100, 60, 60, 0xFF, 0x2F, 0x00});
    EXPECT_EQ(Platform_Audio_Play_Sound(looping.data(), (uint32_t)looping.size()), -1);
    EXPECT_EQ(ui_data_mus, looping.data());
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Platform_Audio_Play_Sound(once.data(), (uint32_t)once.size()), -1);
    EXPECT_EQ(ui_data_mus, once.data());
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_VolumeMusic(-1), opt_music_volume);
    hw_audio_music_stop();
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

namespace {

class Audio_Dummy_Device : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        sdl2_Audio_Init();
    }
    static void TearDownTestSuite()
    {
        sdl2_Audio_Deinit();
        SDL_Quit();
    }
};

}  // namespace

// Nobody hears the dummy driver: music is taken in but not synthesized; effects still play.
TEST_F(Audio_Dummy_Device, MusicIsKeptButNotSynthesized)
{
    ASSERT_EQ(sdl2_Audio_Is_Open(), 1);
    Bytes looping = XMIDI_Entry({0xB0, 116, 0, 0x90, 60, 100, 60, 60, 0xB0, 117, 127});
    EXPECT_EQ(Platform_Audio_Play_Sound(looping.data(), (uint32_t)looping.size()), -1);
    EXPECT_EQ(ui_data_mus, looping.data());
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    Bytes effect = Effect(20);
    EXPECT_EQ(Platform_Audio_Play_Sound(effect.data(), (uint32_t)effect.size()), -1);
    EXPECT_EQ(Mix_Playing(MIX_EFFECT_CHANNEL), 1);
}
