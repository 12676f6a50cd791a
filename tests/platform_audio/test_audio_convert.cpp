#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "STU_LE.h"
#include "Sound_Fixtures.h"
#include "sdl2_Audio.h"

namespace {

struct Midi_Result {
    int ok = 0;
    int loop = 0;
    Bytes file;
    Bytes track() const { return file.size() >= 22 ? Bytes(file.begin() + 22, file.end()) : Bytes(); }
};

Midi_Result Convert(const Bytes &entry)
{
    Midi_Result r;
    uint8_t *out = nullptr;
    uint32_t length = 0;
    r.ok = fmt_mus_convert_xmid(entry.data(), (uint32_t)entry.size(), &out, &length, &r.loop);
    if (out != nullptr) r.file.assign(out, out + length);
    free(out);
    return r;
}

Bytes VOC_Entry(const std::vector<Bytes> &blocks)
{
    Bytes e(16 + 26, 0);
    LE_Put_U16(e.data(), SOUND_ENTRY_MAGIC);
    LE_Put_U16(e.data() + 2, SOUND_TYPE_VOC);
    for (const Bytes &b : blocks) e.insert(e.end(), b.begin(), b.end());
    return e;
}

Bytes Sound_Block(uint8_t time_constant, const Bytes &samples)
{
    uint32_t n = (uint32_t)samples.size() + 2;
    Bytes b = {1, (uint8_t)n, (uint8_t)(n >> 8), (uint8_t)(n >> 16), time_constant, 0};
    b.insert(b.end(), samples.begin(), samples.end());
    return b;
}

}  // namespace

TEST(XMIDI_Convert, TracksForEventSequences)
{
    struct Case {
        const char *name;
        Bytes events;
        Bytes track;
        int loop;
    };
    const Case cases[] = {
        {"note-off falls between the note and the end of track",
         {0x90, 60, 64, 16, 32, 0xFF, 0x2F, 0x00},
         {0, 0x90, 60, 64, 16, 0x80, 60, 0, 16, 0xFF, 0x2F, 0x00},
         0},
        {"a note still sounding at the end of track is closed before it",
         {0x90, 60, 64, 100, 10, 0xFF, 0x2F, 0x00},
         {0, 0x90, 60, 64, 10, 0x80, 60, 0, 0, 0xFF, 0x2F, 0x00},
         0},
        {"loop start then loop end loops, closes notes and ends the track",
         {0xB0, 116, 0, 0x91, 62, 70, 0x81, 0x00, 5, 0xB1, 117, 127, 0xC0, 1},
         {0, 0x91, 62, 70, 5, 0x81, 62, 0, 0, 0xFF, 0x2F, 0x00},
         1},
        {"a loop end alone stops there without looping",
         {0xC0, 3, 7, 0xB0, 117, 0, 0xC0, 4},
         {0, 0xC0, 3, 7, 0xFF, 0x2F, 0x00},
         0},
        {"tempo events are dropped and their delay carries over",
         {5, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0xC0, 5},
         {5, 0xC0, 5},
         0},
        {"other control controllers are dropped, ordinary ones kept",
         {0xB0, 32, 1, 0xB0, 7, 100, 0xB0, 110, 1},
         {0, 0xB0, 7, 100},
         0},
        {"delays add up across bytes into a multi-byte delta",
         {0x7F, 0x7F, 0x01, 0xE0, 0, 64},
         {0x81, 0x7F, 0xE0, 0, 64},
         0},
        {"data running out leaves pending note-offs unwritten", {0x90, 60, 64, 0x7F}, {0, 0x90, 60, 64}, 0},
        {"note-offs due together keep the order of their note-ons",
         {0x90, 60, 64, 8, 0x90, 64, 64, 8, 20, 0xF8},
         {0, 0x90, 60, 64, 0, 0x90, 64, 64, 8, 0x80, 60, 0, 0, 0x80, 64, 0, 12, 0xF8},
         0},
        {"a zero-length note is switched off after it, not before",
         {0x90, 60, 64, 0, 0xC0, 2},
         {0, 0x90, 60, 64, 0, 0x80, 60, 0, 0, 0xC0, 2},
         0},
        {"a trailing delay run stops at the end of the data", {0xC0, 2, 9, 9}, {0, 0xC0, 2}, 0},
    };
    for (const Case &c : cases) {
        Midi_Result r = Convert(XMIDI_Entry(c.events));
        ASSERT_EQ(r.ok, 1) << c.name;
        EXPECT_EQ(r.track(), c.track) << c.name;
        EXPECT_EQ(r.loop, c.loop) << c.name;
        uint32_t length =
            ((uint32_t)r.file[18] << 24) | ((uint32_t)r.file[19] << 16) | ((uint32_t)r.file[20] << 8) | r.file[21];
        EXPECT_EQ(length, c.track.size()) << c.name;
    }
}

TEST(XMIDI_Convert, DamagedDataFailsWithoutOutput)
{
    Bytes many_notes;
    for (int i = 0; i < 33; i++) many_notes.insert(many_notes.end(), {0x90, (uint8_t)i, 64, 100});
    struct Case {
        const char *name;
        Bytes entry;
    };
    Bytes cut_events = XMIDI_Entry({0xC0, 1, 0xC0, 2});
    cut_events.pop_back();
    Bytes long_timbre = XMIDI_Entry({0xC0, 1});
    long_timbre[66] = 0x7F;
    Bytes no_form = XMIDI_Entry({0xC0, 1});
    no_form[16] = 'X';
    Bytes short_entry = XMIDI_Entry({});
    short_entry.resize(77);
    const Case cases[] = {
        {"note-off status", XMIDI_Entry({0x80, 60, 0})},
        {"unknown system byte", XMIDI_Entry({0xF0, 1, 2})},
        {"event cut by the end of data", XMIDI_Entry({0xC0, 1, 0x90, 60})},
        {"duration cut by the end of data", XMIDI_Entry({0x90, 60, 64, 0x81})},
        {"duration longer than four bytes", XMIDI_Entry({0x90, 60, 64, 0x81, 0x81, 0x81, 0x81, 0x01})},
        {"meta event longer than the data", XMIDI_Entry({0xFF, 0x01, 0x40, 'a'})},
        {"33 notes at once", XMIDI_Entry(many_notes)},
        {"event length past the entry", cut_events},
        {"timbre length past the entry", long_timbre},
        {"no FORM", no_form},
        {"77 bytes", short_entry},
    };
    for (const Case &c : cases) {
        Midi_Result r = Convert(c.entry);
        EXPECT_EQ(r.ok, 0) << c.name;
        EXPECT_TRUE(r.file.empty()) << c.name;
    }
}

TEST(XMIDI_Convert, StandinBackgroundMusicEntry)
{
    std::ifstream in(std::string(TOLVA_BINARY_DIR "/standin/MUSIC.LBX"), std::ios::binary);
    ASSERT_TRUE(in.good()) << "the stand-in installation is built with the project";
    Bytes lbx((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GE(LE_U16(lbx.data()), 105);
    uint32_t start = LE_U32(lbx.data() + 8 + 4 * 104);
    uint32_t end = LE_U32(lbx.data() + 8 + 4 * 105);
    Bytes entry(lbx.begin() + start, lbx.begin() + end);

    Midi_Result r = Convert(entry);
    ASSERT_EQ(r.ok, 1);
    static const uint8_t head[18] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 60, 'M', 'T', 'r', 'k'};
    EXPECT_EQ(memcmp(r.file.data(), head, sizeof head), 0);
    EXPECT_EQ(r.loop, 1);
    ASSERT_GE(r.file.size(), 25u);
    EXPECT_EQ(Bytes(r.file.end() - 3, r.file.end()), (Bytes{0xFF, 0x2F, 0x00}));
    // No tempo meta event anywhere in the track, and every note is switched off.
    Bytes track = r.track();
    int sounding = 0;
    for (size_t i = 0; i + 1 < track.size(); i++) EXPECT_FALSE(track[i] == 0xFF && track[i + 1] == 0x51);
    for (size_t i = 0; i + 2 < track.size(); i++) {
        if ((track[i] & 0xF0) == 0x90 && track[i + 2] != 0 && (i == 0 || track[i - 1] < 0x80)) sounding++;
        if ((track[i] & 0xF0) == 0x80 && (i == 0 || track[i - 1] < 0x80)) sounding--;
    }
    EXPECT_EQ(sounding, 0);
}

TEST(VOC_Convert, SampleRateHeaderAndBlocks)
{
    Bytes samples(300);
    for (size_t i = 0; i < samples.size(); i++) samples[i] = (uint8_t)i;
    Bytes second = {1, 2, 3};
    Bytes entry = VOC_Entry({Sound_Block(100, samples), Sound_Block(166, second), {0}, Sound_Block(0, {9, 9})});

    uint8_t *wav = nullptr;
    uint32_t length = 0;
    ASSERT_EQ(Convert_VOC_To_WAV(entry.data(), (uint32_t)entry.size(), &wav, &length), 1);
    ASSERT_EQ(length, 44u + 303u);
    EXPECT_EQ(memcmp(wav, "RIFF", 4), 0);
    EXPECT_EQ(LE_U32(wav + 4), 303u + 36u);
    EXPECT_EQ(memcmp(wav + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(LE_U32(wav + 16), 16u);
    EXPECT_EQ(LE_U16(wav + 20), 1);       // PCM
    EXPECT_EQ(LE_U16(wav + 22), 1);       // mono
    EXPECT_EQ(LE_U32(wav + 24), 11111u);  // the last block's time constant 166
    EXPECT_EQ(LE_U32(wav + 28), 11111u);
    EXPECT_EQ(LE_U16(wav + 32), 1);
    EXPECT_EQ(LE_U16(wav + 34), 8);
    EXPECT_EQ(memcmp(wav + 36, "data", 4), 0);
    EXPECT_EQ(LE_U32(wav + 40), 303u);
    EXPECT_EQ(memcmp(wav + 44, samples.data(), samples.size()), 0);
    EXPECT_EQ(memcmp(wav + 44 + 300, second.data(), 3), 0);
}

TEST(VOC_Convert, EndingsAndDamage)
{
    struct Case {
        const char *name;
        Bytes entry;
        int ok;
        uint32_t data_length;
        uint32_t rate;
    };
    Bytes overlong = VOC_Entry({Sound_Block(166, {1, 2, 3, 4})});
    overlong.resize(overlong.size() - 2);
    Bytes cut_header = VOC_Entry({{1, 10, 0}});
    const Case cases[] = {
        {"no blocks at all gives silence at 3,906 Hz", VOC_Entry({}), 1, 0, 3906},
        {"an unknown block type ends with what was gathered", VOC_Entry({Sound_Block(156, {7, 7}), {9, 1, 0, 0, 0}}), 1,
         2, 10000},
        {"a block longer than the entry fails", overlong, 0, 0, 0},
        {"a block header cut by the end fails", cut_header, 0, 0, 0},
        {"a block length below two fails", VOC_Entry({{1, 1, 0, 0, 166, 0}}), 0, 0, 0},
        {"an entry shorter than its headers fails", Bytes(41, 0), 0, 0, 0},
    };
    for (const Case &c : cases) {
        uint8_t *wav = nullptr;
        uint32_t length = 0;
        ASSERT_EQ(Convert_VOC_To_WAV(c.entry.data(), (uint32_t)c.entry.size(), &wav, &length), c.ok) << c.name;
        if (!c.ok) {
            EXPECT_EQ(wav, nullptr) << c.name;
            EXPECT_EQ(length, 0u) << c.name;
            continue;
        }
        EXPECT_EQ(length, c.data_length + 44) << c.name;
        EXPECT_EQ(LE_U32(wav + 24), c.rate) << c.name;
    }
}

TEST(VOC_Convert, SoundsLongerThanTheStandardBufferFit)
{
    Bytes samples(200000, 0x80);
    samples.back() = 0x11;
    Bytes entry = VOC_Entry({Sound_Block(166, samples)});
    uint8_t *wav = nullptr;
    uint32_t length = 0;
    ASSERT_EQ(Convert_VOC_To_WAV(entry.data(), (uint32_t)entry.size(), &wav, &length), 1);
    EXPECT_EQ(length, 200044u);
    EXPECT_EQ(wav[length - 1], 0x11);
}
