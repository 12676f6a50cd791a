#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "STU_LE.h"
#include "Test_Temp_Dir.h"
#include "sdl2_Capture.h"

namespace {

uint64_t g_now = 0;
uint64_t Fake_Clock(void) { return g_now; }

class Capture : public ::testing::Test {
protected:
    Test_Temp_Dir dir;
    std::string folder = dir / "two/levels";
    uint8_t page[64000];
    uint8_t palette[1024];

    void SetUp() override
    {
        g_now = 1000;
        Platform_Capture_Set_Clock(Fake_Clock);
        // No audio format unless the test sets one (a format set by an earlier test stays).
        Platform_Capture_Set_Audio_Format(0, 0, 0, 0);
        std::memset(page, 3, sizeof(page));
        for (int i = 0; i < 256; ++i) {
            palette[i * 4 + 0] = (uint8_t)i;
            palette[i * 4 + 1] = (uint8_t)(i * 2);
            palette[i * 4 + 2] = (uint8_t)(255 - i);
            palette[i * 4 + 3] = 255;
        }
    }
    void TearDown() override
    {
        Platform_Capture_Stop();
        Platform_Capture_Set_Clock(nullptr);
    }
    long Video_Size(void) const
    {
        std::ifstream in(folder + "/video_rgb24.raw", std::ios::binary | std::ios::ate);
        return (long)in.tellg();
    }
};

TEST_F(Capture, ConstantRateRepeatsSlowFramesAndDropsFastOnes)
{
    ASSERT_EQ(Platform_Capture_Start(folder.c_str(), 30), 0);
    EXPECT_EQ(Platform_Capture_Start(folder.c_str(), 30), 1) << "a second start is refused";
    EXPECT_NE(Read_Text(folder + "/capture_info.txt").find("frame_count=0\n"), std::string::npos);
    // Frames presented every 10 ms for 2.5 s: three per frame time, only the latest counts.
    for (int t = 0; t < 2500; t += 10) {
        g_now = 1000 + (uint64_t)t;
        page[0] = (uint8_t)(t / 10);
        Platform_Capture_Video_Frame(page, 320, 200, palette);
    }
    g_now = 3500;
    Platform_Capture_Stop();
    EXPECT_EQ(Platform_Capture_Frame_Count(), 75u);
    EXPECT_EQ(Video_Size(), 75L * 192000);
    std::string info = Read_Text(folder + "/capture_info.txt");
    EXPECT_NE(
        info.find("video_file=video_rgb24.raw\npixel_format=rgb24\nwidth=320\nheight=200\nfps=30\nframe_count=75\n"),
        std::string::npos)
        << info;
    EXPECT_EQ(info.substr(info.size() - 12), "audio_file=\n") << "no audio was captured";
    FILE *f = std::fopen((folder + "/audio.wav").c_str(), "rb");
    EXPECT_EQ(f, nullptr) << "without an audio format no WAV file is made";
    if (f != nullptr) std::fclose(f);

    // Pixels go through the palette as red, green, blue.
    std::ifstream raw(folder + "/video_rgb24.raw", std::ios::binary);
    uint8_t rgb[6];
    raw.read((char *)rgb, 6);
    EXPECT_EQ(rgb[3], 3);
    EXPECT_EQ(rgb[4], 6);
    EXPECT_EQ(rgb[5], 252);
}

TEST_F(Capture, StopOnTheRateAddsOneMoreFrame)
{
    ASSERT_EQ(Platform_Capture_Start(folder.c_str(), 30), 0);
    g_now = 1000;
    Platform_Capture_Video_Frame(page, 320, 200, palette);
    g_now = 3500;
    Platform_Capture_Video_Frame(page, 320, 200, palette);
    EXPECT_EQ(Platform_Capture_Frame_Count(), 75u);
    Platform_Capture_Stop();
    EXPECT_EQ(Platform_Capture_Frame_Count(), 76u);
    // A different frame size mid-capture is dropped rather than corrupting the stream.
    ASSERT_EQ(Platform_Capture_Start((folder + "2").c_str(), 0), 0);
    Platform_Capture_Video_Frame(page, 320, 200, palette);
    Platform_Capture_Video_Frame(page, 160, 100, palette);
    Platform_Capture_Stop();
    EXPECT_NE(Read_Text(folder + "2/capture_info.txt").find("fps=60\n"), std::string::npos) << "rate 0 becomes 60";
}

TEST_F(Capture, AudioBecomesAWaveFileWithSizesFilledAtStop)
{
    Platform_Capture_Set_Audio_Format(44100, 2, 16, 0);
    ASSERT_EQ(Platform_Capture_Start(folder.c_str(), 30), 0);
    std::vector<uint8_t> samples(1000, 0x11);
    Platform_Capture_Audio(samples.data(), 1000);
    Platform_Capture_Audio(samples.data(), 24);
    Platform_Capture_Stop();
    Platform_Capture_Audio(samples.data(), 1000);  // after stop: ignored
    std::string wav = Read_Text(folder + "/audio.wav");
    ASSERT_EQ(wav.size(), 44u + 1024u);
    const uint8_t *h = (const uint8_t *)wav.data();
    EXPECT_EQ(std::memcmp(h, "RIFF", 4), 0);
    EXPECT_EQ(LE_U32(h + 4), 1024u + 36u);
    EXPECT_EQ(LE_U16(h + 20), 1);
    EXPECT_EQ(LE_U16(h + 22), 2);
    EXPECT_EQ(LE_U32(h + 24), 44100u);
    EXPECT_EQ(LE_U32(h + 28), 176400u);
    EXPECT_EQ(LE_U16(h + 32), 4);
    EXPECT_EQ(LE_U16(h + 34), 16);
    EXPECT_EQ(LE_U32(h + 40), 1024u);
    std::string info = Read_Text(folder + "/capture_info.txt");
    EXPECT_NE(info.find("audio_file=audio.wav\naudio_frequency=44100\naudio_channels=2\naudio_bits=16\n"
                        "audio_is_float=0\naudio_bytes=1024\n"),
              std::string::npos)
        << info;
}

TEST(Capture_Start, RefusesWithoutAFolder)
{
    EXPECT_EQ(Platform_Capture_Start(nullptr, 30), 1);
    EXPECT_EQ(Platform_Capture_Start("", 30), 1);
    EXPECT_EQ(Platform_Capture_Start("/proc/no-such-place/capture", 30), 1);
    EXPECT_EQ(Platform_Capture_Active(), 0);
}

}  // namespace

#include <atomic>
#include <thread>

namespace {

// The mixer's thread keeps feeding sound while the main thread starts and stops capture:
// the sound file is never written after it was closed (the sanitizer build catches that).
TEST(Capture_Threads, StoppingNeverRacesTheAudioTap)
{
    Test_Temp_Dir base;
    Platform_Capture_Set_Audio_Format(22050, 1, 8, 0);
    std::atomic<bool> running{true};
    std::thread tap([&] {
        uint8_t samples[256] = {};
        while (running.load()) Platform_Capture_Audio(samples, sizeof(samples));
    });
    for (int i = 0; i < 40; ++i) {
        std::string folder = base / ("run" + std::to_string(i));
        ASSERT_EQ(Platform_Capture_Start(folder.c_str(), 30), 0);
        std::this_thread::yield();
        Platform_Capture_Stop();
        std::string wav = Read_Text(folder + "/audio.wav");
        ASSERT_GE(wav.size(), 44u);
        EXPECT_EQ(LE_U32((const uint8_t *)wav.data() + 40), wav.size() - 44) << "data size matches the bytes written";
    }
    running.store(false);
    tap.join();
}

}  // namespace
