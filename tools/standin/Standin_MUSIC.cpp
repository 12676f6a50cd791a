#include <cstdlib>
#include <cstring>

#include "STU_LE.h"
#include "Standin.h"
#include "sdl2_Audio.h"

// 115 invented tunes in XMIDI form (the game reaches entry 114). Each is a short looping
// phrase: a program change, a volume controller, a tempo event (dropped by the converter),
// the loop-start controller, eight notes and a closing chord, and the loop-end controller.
// Entry 104 is the background music of the start-up; every entry stays far below the
// 350-paragraph block that music is loaded into.
namespace {

constexpr int MUSIC_ENTRIES = 115;
constexpr size_t MUSIC_BLOCK_BYTES = 350 * 16 - 16;

void Put_BE_U32(Bytes &b, size_t offset, uint32_t v)
{
    b[offset] = (uint8_t)(v >> 24);
    b[offset + 1] = (uint8_t)(v >> 16);
    b[offset + 2] = (uint8_t)(v >> 8);
    b[offset + 3] = (uint8_t)v;
}

void Append_Chunk(Bytes &b, const char *id, const Bytes &body)
{
    size_t at = b.size();
    b.insert(b.end(), id, id + 4);
    b.resize(at + 8);
    Put_BE_U32(b, at + 4, (uint32_t)body.size());
    b.insert(b.end(), body.begin(), body.end());
}

Bytes Tune_Events(int index)
{
    static const int scale[8] = {0, 2, 4, 5, 7, 9, 11, 12};
    static const int phrase[8] = {0, 2, 4, 2, 5, 4, 1, 0};
    int root = 48 + index % 12;
    Bytes e = {0xC0, (uint8_t)(index % 8), 0xB0, 0x07, 100, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0xB0, 116, 0};
    for (int n = 0; n < 8; ++n) {
        uint8_t note = (uint8_t)(root + scale[phrase[(n + index) % 8]]);
        e.insert(e.end(), {0x90, note, 100, 28, 30});  // duration 28 ticks, then a delay of 30
    }
    e.insert(e.end(), {0x90, (uint8_t)root, 90, 60, 0x90, (uint8_t)(root + 7), 90, 60, 60});
    e.insert(e.end(), {0xB0, 117, 127});
    return e;
}

}  // namespace

// A sound entry holding one XMIDI sequence laid out as the converter expects it: the form
// with its XDIR directory, the catalogue, the XMID form, the timbre list at byte 62 and the
// event chunk after it.
Bytes Standin_XMIDI_Entry(const Bytes &events)
{
    Bytes entry(SOUND_ENTRY_HEADER, 0);
    LE_Put_U16(entry.data(), SOUND_ENTRY_MAGIC);
    LE_Put_U16(entry.data() + 2, SOUND_TYPE_XMIDI);

    Bytes info = {0x01, 0x00};  // one sequence
    Bytes xdir = {'X', 'D', 'I', 'R'};
    Append_Chunk(xdir, "INFO", info);
    Bytes timbres = {0x01, 0x00, 0x00, 0x00};  // one timbre: patch 0, bank 0
    Bytes xmid = {'X', 'M', 'I', 'D'};
    Append_Chunk(xmid, "TIMB", timbres);
    Append_Chunk(xmid, "EVNT", events);
    Bytes form_xmid;
    Append_Chunk(form_xmid, "FORM", xmid);
    Bytes cat = {'X', 'M', 'I', 'D'};
    cat.insert(cat.end(), form_xmid.begin(), form_xmid.end());

    Bytes whole;
    Append_Chunk(whole, "FORM", xdir);
    Append_Chunk(whole, "CAT ", cat);
    entry.insert(entry.end(), whole.begin(), whole.end());
    return entry;
}

void Write_MUSIC_LBX(const std::string &folder)
{
    Standin_Archive archive{"MUSIC", {}, {}};
    for (int i = 0; i < MUSIC_ENTRIES; ++i) {
        Bytes entry = Standin_XMIDI_Entry(Tune_Events(i));
        uint8_t *midi = nullptr;
        uint32_t midi_length = 0;
        int loop = 0;
        bool good = memcmp(entry.data() + 62, "TIMB", 4) == 0 && entry.size() < MUSIC_BLOCK_BYTES &&
                    fmt_mus_convert_xmid(entry.data(), (uint32_t)entry.size(), &midi, &midi_length, &loop) && loop &&
                    memcmp(midi, "MThd", 4) == 0 && memcmp(midi + midi_length - 3, "\xFF\x2F\x00", 3) == 0;
        free(midi);
        if (!good) Standin_Fail("MUSIC.LBX: entry " + std::to_string(i) + " does not convert to a looping MIDI file");
        archive.Add(entry);
    }
    Standin_Write_Archive(folder, archive);
}
