#include <cmath>

#include "STU_LE.h"
#include "Standin.h"
#include "sdl2_Audio.h"

// 119 invented sound effects (the intro reaches entry 118): short square-wave chirps in VOC
// form, 8-bit unsigned samples at 11,111 Hz (time constant 166), each a little higher than the
// one before so they tell apart by ear.
namespace {

constexpr int SOUNDFX_ENTRIES = 119;
constexpr uint8_t VOC_TIME_CONSTANT = 166;
constexpr int VOC_RATE = 1000000 / (256 - VOC_TIME_CONSTANT);

Bytes Sound_Entry_Header(uint16_t type)
{
    Bytes entry(SOUND_ENTRY_HEADER, 0);
    LE_Put_U16(entry.data(), SOUND_ENTRY_MAGIC);
    LE_Put_U16(entry.data() + 2, type);
    return entry;
}

Bytes Chirp_Samples(int index)
{
    double frequency = 220.0 * std::pow(2.0, (index % 36) / 12.0);
    int count = VOC_RATE * (60 + (index % 5) * 20) / 1000;
    Bytes samples((size_t)count);
    for (int i = 0; i < count; ++i) {
        double phase = std::fmod(i * frequency / VOC_RATE, 1.0);
        int fade = 48 * (count - i) / count;  // a short decay so clicks stay clicks
        samples[(size_t)i] = (uint8_t)(phase < 0.5 ? 128 + 16 + fade : 128 - 16 - fade);
    }
    return samples;
}

}  // namespace

// A VOC sound entry: 16-byte sound header, 26-byte VOC file header, one sound-data block
// (type 1, 24-bit length, time constant, packing 0, samples) and the terminator block.
Bytes Standin_VOC_Entry(const Bytes &samples, uint8_t time_constant)
{
    Bytes entry = Sound_Entry_Header(SOUND_TYPE_VOC);
    static const char signature[] = "Creative Voice File\x1a";
    for (int i = 0; i < 20; ++i) entry.push_back((uint8_t)signature[i]);
    for (uint8_t b : {26, 0, 0x0A, 0x01, 0x29, 0x11}) entry.push_back(b);  // data offset, version 1.10, check word
    uint32_t block_length = (uint32_t)samples.size() + 2;
    entry.push_back(1);
    entry.push_back((uint8_t)(block_length & 0xFF));
    entry.push_back((uint8_t)((block_length >> 8) & 0xFF));
    entry.push_back((uint8_t)((block_length >> 16) & 0xFF));
    entry.push_back(time_constant);
    entry.push_back(0);
    for (uint8_t b : samples) entry.push_back(b);
    entry.push_back(0);
    return entry;
}

void Write_SOUNDFX_LBX(const std::string &folder)
{
    Standin_Archive archive{"SOUNDFX", {}, {}};
    for (int i = 0; i < SOUNDFX_ENTRIES; ++i) {
        Bytes samples = Chirp_Samples(i);
        Bytes entry = Standin_VOC_Entry(samples, VOC_TIME_CONSTANT);
        uint8_t *wav = nullptr;
        uint32_t wav_length = 0;
        if (!Convert_VOC_To_WAV(entry.data(), (uint32_t)entry.size(), &wav, &wav_length) ||
            wav_length != samples.size() + WAV_HEADER_SIZE || LE_U32(wav + 24) != (uint32_t)VOC_RATE)
            Standin_Fail("SOUNDFX.LBX: entry " + std::to_string(i) + " does not convert to the expected WAV");
        archive.Add(entry);
    }
    Standin_Write_Archive(folder, archive);
}

// The spells' own sounds: entry n for a spell whose sound byte is -n (the stand-in table uses -1
// and -2), each pitched apart from SOUNDFX's.
void Write_NEWSOUND_LBX(const std::string &folder)
{
    Standin_Archive archive{"NEWSOUND", {}, {}};
    for (int i = 0; i < 3; ++i) archive.Add(Standin_VOC_Entry(Chirp_Samples(SOUNDFX_ENTRIES + i), VOC_TIME_CONSTANT));
    Standin_Write_Archive(folder, archive);
}
