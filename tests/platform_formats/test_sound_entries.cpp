// Sound entries typed byte by byte from the format descriptions (sound-entry head, XMIDI
// form, VOC blocks), with the expected MIDI and WAV images typed the same way, so the
// converters are checked against the formats themselves rather than against our own writers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "sdl2_Audio.h"

namespace {

using Bytes = std::vector<uint8_t>;

// One XMIDI sequence as a v1.31 music entry lays it out: the XDIR form, the catalogue with
// the XMID form, the timbre list at byte 62 and the event chunk at 74 + its length.
const Bytes xmidi_entry = {
    0xAF, 0xDE, 0x01, 0x00, 0,    0,    0,    0,    0,    0,    0,    0,
    0,    0,    0,    0,                                                     // magic 0xDEAF, type 1, 12 unread
    'F',  'O',  'R',  'M',  0x00, 0x00, 0x00, 0x0E, 'X',  'D',  'I',  'R',   // 16
    'I',  'N',  'F',  'O',  0x00, 0x00, 0x00, 0x02, 0x01, 0x00,              // 28: one sequence
    'C',  'A',  'T',  ' ',  0x00, 0x00, 0x00, 0x47, 'X',  'M',  'I',  'D',   // 38
    'F',  'O',  'R',  'M',  0x00, 0x00, 0x00, 0x3B, 'X',  'M',  'I',  'D',   // 50
    'T',  'I',  'M',  'B',  0x00, 0x00, 0x00, 0x04, 0x01, 0x00, 0x00, 0x00,  // 62: one timbre
    'E',  'V',  'N',  'T',  0x00, 0x00, 0x00, 0x23,                          // 74: 35 event bytes
    0xC0, 0x05,                                                              // program change
    0xB0, 0x07, 0x64,                                                        // volume, an ordinary controller
    0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,                                      // tempo: dropped
    0xB0, 0x74, 0x00,                                                        // controller 116, loop start: dropped
    0x90, 0x3C, 0x40, 0x81, 0x00,                                            // note 60 for 128 ticks
    0x7F, 0x7F, 0x02,                                                        // a delay of 256 made of three bytes
    0xB0, 0x20, 0x01,                                                        // controller 32, an XMIDI control: dropped
    0x91, 0x40, 0x50, 0x10,                                                  // note 64 on channel 1 for 16 ticks
    0x03,                                                                    // delay 3
    0xB0, 0x75, 0x7F,  // controller 117, loop end: the track ends here
    0xC0, 0x06,        // never reached
};

const Bytes expected_midi = {
    'M',  'T',  'h',  'd',  0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x01, 0x00, 0x3C,  // format 0, 1 track, 60
    'M',  'T',  'r',  'k',  0x00, 0x00, 0x00, 0x1D, 0x00, 0xC0, 0x05, 0x00, 0xB0, 0x07,
    0x64, 0x00, 0x90, 0x3C, 0x40, 0x81, 0x00, 0x80, 0x3C, 0x00,  // note 60 off at tick 128
    0x81, 0x00, 0x91, 0x40, 0x50,                                // the second note at tick 256
    0x03, 0x81, 0x40, 0x00, 0x00,  // at the loop end (tick 259) the sounding note is closed
    0xFF, 0x2F, 0x00,
};

const Bytes voc_head = {
    0xAF, 0xDE, 0x02, 0x00, 0,    0,    0,    0,    0,    0,    0,   0,   0,   0,   0,   0,  // magic, type 2
    'C',  'r',  'e',  'a',  't',  'i',  'v',  'e',  ' ',  'V',  'o', 'i', 'c', 'e', ' ', 'F',
    'i',  'l',  'e',  0x1A, 0x1A, 0x00, 0x0A, 0x01, 0x29, 0x11,  // data offset 26, version 1.10, check word
};

Bytes Joined(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes To_WAV(const Bytes &entry)
{
    uint8_t *wav = nullptr;
    uint32_t length = 0;
    if (!Convert_VOC_To_WAV(entry.data(), (uint32_t)entry.size(), &wav, &length)) return {};
    return Bytes(wav, wav + length);
}

}  // namespace

TEST(Sound_Entry_Format, XMIDIEntryBecomesTheExpectedMidiFile)
{
    uint8_t *midi = nullptr;
    uint32_t length = 0;
    int loop = 0;
    ASSERT_EQ(xmidi_entry.size(), 117u);
    ASSERT_EQ(fmt_mus_convert_xmid(xmidi_entry.data(), (uint32_t)xmidi_entry.size(), &midi, &length, &loop), 1);
    EXPECT_EQ(Bytes(midi, midi + length), expected_midi);
    EXPECT_EQ(loop, 1);
    free(midi);
}

TEST(Sound_Entry_Format, VOCBlocksBecomeTheExpectedWAV)
{
    const Bytes block_166 = {0x01, 0x06, 0x00, 0x00, 0xA6, 0x00, 0x80, 0x81, 0x82, 0x83};
    const Bytes block_156 = {0x01, 0x04, 0x00, 0x00, 0x9C, 0x00, 0x10, 0x20};
    struct Case {
        const char *name;
        Bytes entry;
        Bytes wav;
    };
    const Case cases[] = {
        {"one block at time constant 166: 11,111 Hz",
         Joined({voc_head, block_166, {0x00}}),
         {'R',  'I',  'F',  'F',  0x28, 0x00, 0x00, 0x00, 'W',  'A',  'V',  'E',  'f',  'm',  't',  ' ',
          0x10, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x67, 0x2B, 0x00, 0x00, 0x67, 0x2B, 0x00, 0x00,
          0x01, 0x00, 0x08, 0x00, 'd',  'a',  't',  'a',  0x04, 0x00, 0x00, 0x00, 0x80, 0x81, 0x82, 0x83}},
        {"two blocks: samples joined, the last block's rate; bytes after the terminator ignored",
         Joined({voc_head, block_166, block_156, {0x00, 0x01, 0x02}}),
         {'R',  'I',  'F',  'F',  0x2A, 0x00, 0x00, 0x00, 'W',  'A',  'V',  'E',  'f',  'm',  't',  ' ',  0x10,
          0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x10, 0x27, 0x00, 0x00, 0x10, 0x27, 0x00, 0x00, 0x01, 0x00,
          0x08, 0x00, 'd',  'a',  't',  'a',  0x06, 0x00, 0x00, 0x00, 0x80, 0x81, 0x82, 0x83, 0x10, 0x20}},
    };
    for (const Case &c : cases) EXPECT_EQ(To_WAV(c.entry), c.wav) << c.name;

    // The block length is 24 bits: 0x010002 is 65,536 samples and the two header bytes.
    Bytes long_block = Joined({voc_head, {0x01, 0x02, 0x00, 0x01, 0xA6, 0x00}});
    long_block.resize(long_block.size() + 65536, 0x80);
    long_block.push_back(0x00);
    Bytes wav = To_WAV(long_block);
    ASSERT_EQ(wav.size(), 44u + 65536u);
    EXPECT_EQ(Bytes(wav.begin() + 40, wav.begin() + 44), (Bytes{0x00, 0x00, 0x01, 0x00}));
}

TEST(Sound_Entry_Format, MagicIsReadLittleEndian)
{
    const uint8_t *before = ui_data_mus;
    Bytes swapped = xmidi_entry;
    swapped[0] = 0xDE;
    swapped[1] = 0xAF;
    EXPECT_EQ(Platform_Audio_Play_Sound(swapped.data(), (uint32_t)swapped.size()), 1);
    EXPECT_EQ(ui_data_mus, before);
    // With no audio device the music is converted and remembered, though nothing sounds.
    EXPECT_EQ(Platform_Audio_Play_Sound(xmidi_entry.data(), (uint32_t)xmidi_entry.size()), -1);
    EXPECT_EQ(ui_data_mus, xmidi_entry.data());
    ui_data_mus = nullptr;
}
