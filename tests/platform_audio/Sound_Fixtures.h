// Small sound entries for the audio tests.
#pragma once

#include <cstdint>
#include <vector>

#include "STU_LE.h"
#include "sdl2_Audio.h"

using Bytes = std::vector<uint8_t>;

inline void Append_Id(Bytes &b, const char *id)
{
    for (int i = 0; i < 4; i++) b.push_back((uint8_t)id[i]);
}

inline void Put_BE(Bytes &b, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back((uint8_t)(v >> shift));
}

// A sound entry with one XMIDI sequence: timbre list at byte 62, the event chunk after it.
inline Bytes XMIDI_Entry(const Bytes &events, uint32_t timbre_length = 4)
{
    Bytes e(16, 0);
    LE_Put_U16(e.data(), SOUND_ENTRY_MAGIC);
    LE_Put_U16(e.data() + 2, SOUND_TYPE_XMIDI);
    Append_Id(e, "FORM");
    e.resize(62, 0);
    Append_Id(e, "TIMB");
    Put_BE(e, timbre_length);
    e.resize(e.size() + timbre_length, 0);
    Append_Id(e, "EVNT");
    Put_BE(e, (uint32_t)events.size());
    for (uint8_t b : events) e.push_back(b);
    return e;
}
