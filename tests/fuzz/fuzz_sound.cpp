// Random sound entries through both converters: as they come, with the input as the event data
// of a well-formed XMIDI container, and as the blocks of a well-formed VOC entry.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "sdl2_Audio.h"

namespace {

void Put_BE(std::vector<uint8_t> &b, size_t at, uint32_t v)
{
    b[at] = (uint8_t)(v >> 24);
    b[at + 1] = (uint8_t)(v >> 16);
    b[at + 2] = (uint8_t)(v >> 8);
    b[at + 3] = (uint8_t)v;
}

void Convert_Both(const uint8_t *data, size_t size)
{
    uint8_t *midi = nullptr;
    uint32_t midi_length = 0;
    int loop = 0;
    if (fmt_mus_convert_xmid(data, (uint32_t)size, &midi, &midi_length, &loop)) {
        if (midi_length < MIDI_HEADER_SIZE || memcmp(midi, "MThd", 4) != 0) abort();
        volatile uint8_t last = midi[midi_length - 1];
        (void)last;
    }
    free(midi);
    uint8_t *wav = nullptr;
    uint32_t wav_length = 0;
    if (Convert_VOC_To_WAV(data, (uint32_t)size, &wav, &wav_length)) {
        if (wav_length < WAV_HEADER_SIZE || wav_length - WAV_HEADER_SIZE > size) abort();
        volatile uint8_t last = wav[wav_length - 1];
        (void)last;
    }
    Platform_Audio_Play_Sound(data, (uint32_t)size);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0 || size > (1u << 20)) return 0;
    uint8_t mode = data[0] % 3;
    data++;
    size--;
    if (mode == 0) {
        // An exact-size copy, so reading one byte past the entry is caught.
        std::vector<uint8_t> entry(data, data + size);
        Convert_Both(entry.data(), entry.size());
    } else if (mode == 1) {
        std::vector<uint8_t> entry(78 + size, 0);
        entry[0] = 0xAF;
        entry[1] = 0xDE;
        entry[2] = SOUND_TYPE_XMIDI;
        memcpy(entry.data() + 16, "FORM", 4);
        memcpy(entry.data() + 62, "TIMB", 4);
        Put_BE(entry, 66, 0);
        memcpy(entry.data() + 70, "EVNT", 4);
        Put_BE(entry, 74, (uint32_t)size);
        if (size > 0) memcpy(entry.data() + 78, data, size);
        Convert_Both(entry.data(), entry.size());
    } else {
        std::vector<uint8_t> entry(42 + size, 0);
        entry[0] = 0xAF;
        entry[1] = 0xDE;
        entry[2] = SOUND_TYPE_VOC;
        if (size > 0) memcpy(entry.data() + 42, data, size);
        Convert_Both(entry.data(), entry.size());
    }
    return 0;
}
