#include "sdl2_Audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "STU_LE.h"
#include "sdl2_Capture.h"
#include "sdl2_Log.h"

#define AUDIO_LOG(severity, ...) SDL2_LOG("platform/sdl2/sdl2_Audio", severity, LC_SDL2_AUDIO, __VA_ARGS__)

int opt_music_volume = 64;
int opt_music_enabled = 1;
const uint8_t *ui_data_mus = nullptr;
int ui_data_music_i = 0;

namespace {

int m_audio_open = 0;
Mix_Music *m_music = nullptr;
Mix_MusicType m_music_type = MUS_NONE;  // detected from the data
int m_music_loop = 0;
Mix_Chunk *m_effect = nullptr;
int m_effect_chunks_live = 0;
std::string m_soundfont;

uint8_t *m_wav_buffers[WAV_BUFFER_COUNT] = {};
int m_wav_next = 0;

typedef void (*Fluid_Log_Function)(int level, const char *message, void *data);
typedef Fluid_Log_Function (*Fluid_Set_Log_Function)(int level, Fluid_Log_Function function, void *data);
constexpr int FLUID_WARN_LEVEL = 2;
Fluid_Log_Function m_fluid_previous_log = nullptr;

uint32_t BE_U32(const uint8_t *p)
{
    return ((uint32_t)p[0] << 24) | ((uint32_t)p[1] << 16) | ((uint32_t)p[2] << 8) | (uint32_t)p[3];
}

void Put_BE_U32(uint8_t *p, uint32_t v)
{
    p[0] = (uint8_t)(v >> 24);
    p[1] = (uint8_t)(v >> 16);
    p[2] = (uint8_t)(v >> 8);
    p[3] = (uint8_t)v;
}

// ---------------------------------------------------------------- FluidSynth log

void Route_Fluidsynth_Log(void)
{
    static const char *const names[3] = {"libfluidsynth.so.3", "libfluidsynth.so.2", "libfluidsynth.so"};
    void *library = nullptr;
    for (const char *name : names) {
        // Only a library SDL2_mixer already brought in: the program never loads FluidSynth itself.
        library = dlopen(name, RTLD_NOW | RTLD_NOLOAD);
        if (library != nullptr) break;
    }
    if (library == nullptr) return;
    auto set_log = reinterpret_cast<Fluid_Set_Log_Function>(dlsym(library, "fluid_set_log_function"));
    if (set_log != nullptr) {
        Fluid_Log_Function previous = set_log(FLUID_WARN_LEVEL, sdl2_Audio_Fluidsynth_Log, nullptr);
        // A second start must not chain the filter to itself.
        if (previous != sdl2_Audio_Fluidsynth_Log) m_fluid_previous_log = previous;
    }
    dlclose(library);
}

// ---------------------------------------------------------------- XMIDI conversion

struct XMIDI_Note_Off {
    int32_t time;
    int16_t next;    // -1 ends the list
    uint8_t status;  // 0: slot free
    uint8_t note;
};

struct XMIDI_Note_Off_Queue {
    XMIDI_Note_Off slots[XMIDI_NOTE_OFF_SLOTS];
    int16_t head;
    int16_t last;
    int16_t count;
};

// MIDI variable-length quantities hold at most 28 bits in four bytes.
constexpr int64_t VLQ_MAX = 0x0FFFFFFF;

struct XMIDI_Converter {
    const uint8_t *events;
    uint32_t event_length;
    uint32_t pos;
    std::vector<uint8_t> track;
    int64_t time;   // T: absolute time of the last event written
    int64_t delay;  // D: delay accumulated since
    int32_t note_ons;
    int32_t loop_start_note_ons;
    int end;
    int loop;
    XMIDI_Note_Off_Queue queue;
    const char *fault;
};

int Write_VLQ(XMIDI_Converter &c, int64_t value)
{
    if (value < 0 || value > VLQ_MAX) {
        c.fault = "a delta time does not fit a MIDI variable-length quantity";
        return 0;
    }
    uint8_t groups[4];
    int n = 0;
    uint32_t v = (uint32_t)value;
    do {
        groups[n++] = (uint8_t)(v & 0x7F);
        v >>= 7;
    } while (v != 0);
    while (n > 1) c.track.push_back((uint8_t)(groups[--n] | 0x80));
    c.track.push_back(groups[0]);
    return 1;
}

int Read_VLQ(XMIDI_Converter &c, uint32_t *pos, int64_t *value)
{
    int64_t v = 0;
    for (int i = 0; i < 4; i++) {
        if (*pos >= c.event_length) {
            c.fault = "a note duration runs past the event data";
            return 0;
        }
        uint8_t b = c.events[(*pos)++];
        v = (v << 7) | (b & 0x7F);
        if ((b & 0x80) == 0) {
            *value = v;
            return 1;
        }
    }
    c.fault = "a note duration is longer than four bytes";
    return 0;
}

int Schedule_Note_Off(XMIDI_Converter &c, int64_t time, uint8_t status, uint8_t note)
{
    if (time > INT32_MAX) {
        c.fault = "a note-off time overflows";
        return 0;
    }
    XMIDI_Note_Off_Queue &q = c.queue;
    int16_t slot = -1;
    for (int tries = 0; tries < XMIDI_NOTE_OFF_SLOTS; tries++) {
        int16_t candidate = (int16_t)((q.last + 1 + tries) % XMIDI_NOTE_OFF_SLOTS);
        if (q.slots[candidate].status == 0) {
            slot = candidate;
            break;
        }
    }
    if (slot < 0) {
        c.fault = "more than 32 notes sound at once";
        return 0;
    }
    q.last = slot;
    q.slots[slot] = XMIDI_Note_Off{(int32_t)time, -1, status, note};
    // Before the first strictly later note-off, so equal times keep the order of their note-ons.
    int16_t *link = &q.head;
    while (*link != -1 && q.slots[*link].time <= time) link = &q.slots[*link].next;
    q.slots[slot].next = *link;
    *link = slot;
    q.count++;
    return 1;
}

void Pop_Note_Off(XMIDI_Note_Off_Queue &q)
{
    int16_t slot = q.head;
    q.head = q.slots[slot].next;
    q.slots[slot].status = 0;
    q.slots[slot].next = -1;
    q.count--;
}

// Writes one event: due note-offs, the delta time, at the end every pending note-off, then the
// end-of-track bytes of a loop end (when given) and the event's own bytes.
int Write_Event(XMIDI_Converter &c, const uint8_t *bytes, uint32_t length, bool loop_end)
{
    XMIDI_Note_Off_Queue &q = c.queue;
    while (q.head != -1 && q.slots[q.head].time <= c.time + c.delay) {
        int64_t due = q.slots[q.head].time;
        if (!Write_VLQ(c, due - c.time)) return 0;
        c.track.push_back(q.slots[q.head].status);
        c.track.push_back(q.slots[q.head].note);
        c.track.push_back(0);
        c.delay -= due - c.time;
        c.time = due;
        Pop_Note_Off(q);
    }
    if (!Write_VLQ(c, c.delay)) return 0;
    c.time += c.delay;
    c.delay = 0;
    if (c.end) {
        while (q.head != -1) {
            c.track.push_back(q.slots[q.head].status);
            c.track.push_back(q.slots[q.head].note);
            c.track.push_back(0);
            c.track.push_back(0);
            Pop_Note_Off(q);
        }
    }
    if (loop_end) {
        static const uint8_t end_of_track[3] = {0xFF, 0x2F, 0x00};
        c.track.insert(c.track.end(), end_of_track, end_of_track + 3);
    }
    c.track.insert(c.track.end(), bytes, bytes + length);
    return 1;
}

bool Is_XMIDI_Controller(uint8_t controller)
{
    return (controller >= 32 && controller <= 46) || (controller >= 58 && controller <= 63) ||
           (controller >= 110 && controller <= 120);
}

int Need(XMIDI_Converter &c, uint32_t bytes)
{
    if (c.event_length - c.pos < bytes) {
        c.fault = "an event runs past the event data";
        return 0;
    }
    return 1;
}

int Convert_Events(XMIDI_Converter &c)
{
    while (c.pos < c.event_length && !c.end) {
        const uint8_t *e = c.events + c.pos;
        uint8_t status = e[0];
        if (status < 0x80) {
            while (c.pos < c.event_length && c.events[c.pos] < 0x80) c.delay += c.events[c.pos++];
            continue;
        }
        switch (status & 0xF0) {
        case 0x80: c.fault = "a note-off event, which XMIDI does not have"; return 0;
        case 0x90: {
            if (!Need(c, 3)) return 0;
            uint32_t after = c.pos + 3;
            int64_t duration = 0;
            if (!Read_VLQ(c, &after, &duration)) return 0;
            int64_t off_time = c.time + c.delay + duration;
            // The note-on goes out before its note-off is queued, so that a zero duration
            // cannot put the note-off ahead of its own note.
            if (!Write_Event(c, e, 3, false)) return 0;
            if (!Schedule_Note_Off(c, off_time, (uint8_t)(0x80 | (status & 0x0F)), e[1])) return 0;
            c.note_ons++;
            c.pos = after;
            break;
        }
        case 0xA0:
        case 0xE0:
            if (!Need(c, 3) || !Write_Event(c, e, 3, false)) return 0;
            c.pos += 3;
            break;
        case 0xC0:
        case 0xD0:
            if (!Need(c, 2) || !Write_Event(c, e, 2, false)) return 0;
            c.pos += 2;
            break;
        case 0xB0: {
            if (!Need(c, 3)) return 0;
            uint8_t controller = e[1];
            c.pos += 3;
            if (!Is_XMIDI_Controller(controller)) {
                if (!Write_Event(c, e, 3, false)) return 0;
            } else if (controller == 116) {
                if (c.loop_start_note_ons < 0) c.loop_start_note_ons = c.note_ons;
            } else if (controller == 117) {
                if (c.loop_start_note_ons >= 0) c.loop = 1;
                c.end = 1;
                if (!Write_Event(c, nullptr, 0, true)) return 0;
            }
            break;
        }
        default:
            if (status == 0xF8 || status == 0xFA || status == 0xFB || status == 0xFC) {
                if (!Write_Event(c, e, 1, false)) return 0;
                c.pos += 1;
            } else if (status == 0xFF) {
                if (!Need(c, 3) || !Need(c, 3u + e[2])) return 0;
                uint32_t length = 3u + e[2];
                uint8_t type = e[1];
                c.pos += length;
                if (type == 0x51) break;  // the default tempo gives XMIDI's 120 Hz clock
                if (type == 0x2F) c.end = 1;
                if (!Write_Event(c, e, length, false)) return 0;
            } else {
                c.fault = "an unknown system event";
                return 0;
            }
            break;
        }
    }
    return 1;
}

}  // namespace

// ---------------------------------------------------------------- conversions

int fmt_mus_convert_xmid(const uint8_t *entry, uint32_t size, uint8_t **out, uint32_t *out_length, int *loop_flag)
{
    *out = nullptr;
    *out_length = 0;
    *loop_flag = 0;
    if (entry == nullptr || size <= 77 || memcmp(entry + 16, "FORM", 4) != 0 || memcmp(entry + 62, "TIMB", 4) != 0) {
        AUDIO_LOG(SEV_WARN, "XMIDI: entry of %u bytes is not an XMIDI sequence; music skipped", size);
        return 0;
    }
    uint64_t timbre_length = BE_U32(entry + 66);
    if (78 + timbre_length > size || memcmp(entry + 70 + timbre_length, "EVNT", 4) != 0) {
        AUDIO_LOG(SEV_WARN, "XMIDI: timbre list of %llu bytes runs past the entry of %u bytes, or no EVNT follows",
                  (unsigned long long)timbre_length, size);
        return 0;
    }
    uint64_t event_length = BE_U32(entry + 74 + timbre_length);
    if (78 + timbre_length + event_length > size) {
        AUDIO_LOG(SEV_WARN, "XMIDI: event data of %llu bytes runs past the entry of %u bytes",
                  (unsigned long long)event_length, size);
        return 0;
    }

    XMIDI_Converter c{};
    c.events = entry + 78 + timbre_length;
    c.event_length = (uint32_t)event_length;
    c.loop_start_note_ons = -1;
    c.queue.head = -1;
    c.queue.last = -1;
    for (XMIDI_Note_Off &slot : c.queue.slots) slot.next = -1;
    c.track.reserve(2 * (size_t)event_length);
    if (!Convert_Events(c)) {
        AUDIO_LOG(SEV_WARN, "XMIDI: damaged event data at byte %u of %u (%s); music skipped", c.pos, c.event_length,
                  c.fault != nullptr ? c.fault : "unknown fault");
        return 0;
    }

    uint32_t total = MIDI_HEADER_SIZE + (uint32_t)c.track.size();
    uint8_t *midi = static_cast<uint8_t *>(malloc(total));
    if (midi == nullptr) {
        AUDIO_LOG(SEV_WARN, "XMIDI: out of memory for a MIDI file of %u bytes", total);
        return 0;
    }
    static const uint8_t head[14] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, MIDI_DIVISION};
    memcpy(midi, head, sizeof head);
    memcpy(midi + 14, "MTrk", 4);
    Put_BE_U32(midi + 18, (uint32_t)c.track.size());
    if (!c.track.empty()) memcpy(midi + MIDI_HEADER_SIZE, c.track.data(), c.track.size());
    *out = midi;
    *out_length = total;
    *loop_flag = c.loop;
    return 1;
}

int Convert_VOC_To_WAV(const uint8_t *entry, uint32_t size, uint8_t **out, uint32_t *out_length)
{
    *out = nullptr;
    *out_length = 0;
    constexpr uint32_t FIRST_BLOCK = SOUND_ENTRY_HEADER + 26;
    if (entry == nullptr || size < FIRST_BLOCK) {
        AUDIO_LOG(SEV_WARN, "VOC: entry of %u bytes is shorter than its headers; sound skipped", size);
        return 0;
    }
    int index = m_wav_next;
    m_wav_next = (m_wav_next + 1) % WAV_BUFFER_COUNT;
    free(m_wav_buffers[index]);
    // The samples never outnumber the entry's bytes, so a buffer of the entry's size always holds them.
    size_t capacity = size + (size_t)WAV_HEADER_SIZE > (size_t)WAV_BUFFER_SIZE ? size + (size_t)WAV_HEADER_SIZE
                                                                               : (size_t)WAV_BUFFER_SIZE;
    uint8_t *wav = static_cast<uint8_t *>(calloc(capacity, 1));
    m_wav_buffers[index] = wav;
    if (wav == nullptr) {
        AUDIO_LOG(SEV_WARN, "VOC: out of memory for a WAV buffer of %zu bytes", capacity);
        return 0;
    }
    static const uint8_t header[WAV_HEADER_SIZE] = {
        'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16,  0,   0, 0, 1, 0,
        1,   0,   0,   0,   0, 0, 0, 0, 0,   0,   1,   0,   8,   0,   'd', 'a', 't', 'a', 0, 0, 0, 0};
    memcpy(wav, header, sizeof header);

    uint32_t data_length = 0;
    uint32_t rate = 1000000 / 256;
    uint32_t pos = FIRST_BLOCK;
    while (pos < size) {
        uint8_t type = entry[pos];
        if (type == 0) break;
        if (type != 1) {
            AUDIO_LOG(SEV_WARN, "FIXME - BAD/UNKNOWN VOC BLOCK TYPE");
            break;
        }
        if (size - pos < 6) {
            AUDIO_LOG(SEV_WARN, "VOC: sound-data block at byte %u is cut off by the end of the entry (%u bytes)", pos,
                      size);
            return 0;
        }
        uint32_t block_length = entry[pos + 1] | ((uint32_t)entry[pos + 2] << 8) | ((uint32_t)entry[pos + 3] << 16);
        if (block_length < 2 || block_length > size - pos - 4) {
            AUDIO_LOG(SEV_WARN, "VOC: sound-data block at byte %u claims %u bytes, but %u remain; sound skipped", pos,
                      block_length, size - pos - 4);
            return 0;
        }
        uint8_t time_constant = entry[pos + 4];
        memcpy(wav + WAV_HEADER_SIZE + data_length, entry + pos + 6, block_length - 2);
        data_length += block_length - 2;
        rate = 1000000 / (256 - time_constant);
        pos += 4 + block_length;
    }
    LE_Put_U32(wav + 4, data_length + 36);
    LE_Put_U32(wav + 24, rate);
    LE_Put_U32(wav + 28, rate);
    LE_Put_U32(wav + 40, data_length);
    *out = wav;
    *out_length = data_length + WAV_HEADER_SIZE;
    return 1;
}

// ---------------------------------------------------------------- playing

void hw_audio_music_stop(void)
{
    if (m_audio_open) Mix_HaltMusic();
}

// SDL's dummy audio driver plays to nobody: synthesizing music for it would be most of an idle
// headless run's work. A capture still gets the music it records.
static int Audio_Output_Heard(void)
{
    const char *driver = SDL_GetCurrentAudioDriver();
    return driver == nullptr || std::strcmp(driver, "dummy") != 0 || Platform_Capture_Active();
}

void hw_audio_music_play(void)
{
    if (!m_audio_open) return;
    if (Mix_PlayingMusic()) Mix_HaltMusic();
    Mix_VolumeMusic(opt_music_volume);
    if (m_music == nullptr) return;
    if (!Audio_Output_Heard()) {
        static int noted = 0;
        if (!noted) AUDIO_LOG(SEV_INFO, "music: not synthesized, the dummy audio driver plays to nobody");
        noted = 1;
        return;
    }
    Mix_PlayMusic(m_music, m_music_loop ? -1 : 1);
}

int Platform_Audio_Play_Sound(const uint8_t *entry, uint32_t size)
{
    if (entry == nullptr || size < 2 || LE_U16(entry) != SOUND_ENTRY_MAGIC) return 1;
    uint16_t type = size >= 4 ? LE_U16(entry + 2) : 0;
    if (type == SOUND_TYPE_XMIDI) {
        hw_audio_music_stop();
        uint8_t *midi = nullptr;
        uint32_t midi_length = 0;
        int loop = 0;
        if (!fmt_mus_convert_xmid(entry, size, &midi, &midi_length, &loop)) return -1;
        Mix_Music *music = nullptr;
        if (m_audio_open) {
            SDL_RWops *reader = SDL_RWFromConstMem(midi, (int)midi_length);
            music = Mix_LoadMUSType_RW(reader, m_music_type, 0);
            if (music == nullptr)
                AUDIO_LOG(SEV_WARN, "Mix_LoadMUSType_RW() failed on music (type %d): %s", (int)m_music_type,
                          SDL_GetError());
            if (reader != nullptr) SDL_RWclose(reader);
        }
        free(midi);
        if (m_music != nullptr) Mix_FreeMusic(m_music);
        m_music = music;
        m_music_loop = loop;
        ui_data_mus = entry;
        ui_data_music_i = 0;
        hw_audio_music_play();
    } else if (type == SOUND_TYPE_VOC) {
        uint8_t *wav = nullptr;
        uint32_t wav_length = 0;
        if (!Convert_VOC_To_WAV(entry, size, &wav, &wav_length) || !m_audio_open) return -1;
        Mix_Chunk *chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(wav, (int)wav_length), 1);
        if (chunk == nullptr) {
            AUDIO_LOG(SEV_WARN, "Mix_LoadWAV_RW() failed on a sound effect: %s", SDL_GetError());
            return -1;
        }
        Mix_VolumeChunk(chunk, MIX_EFFECT_VOLUME);
        // One channel for effects: a new one cuts off the one still playing, whose chunk goes.
        Mix_HaltChannel(MIX_EFFECT_CHANNEL);
        if (m_effect != nullptr) {
            Mix_FreeChunk(m_effect);
            m_effect_chunks_live--;
        }
        m_effect = chunk;
        m_effect_chunks_live++;
        Mix_PlayChannel(MIX_EFFECT_CHANNEL, chunk, 0);
    } else {
        // A damaged or unknown entry costs its sound, never the game.
        AUDIO_LOG(SEV_WARN, "sound entry of unknown type %u (%u bytes) skipped", (unsigned)type, size);
    }
    return -1;
}

// ---------------------------------------------------------------- device

void sdl2_Audio_Fluidsynth_Log(int level, const char *message, void *data)
{
    if (message != nullptr && strstr(message, "Ignoring unrecognized meta event") != nullptr) return;
    if (m_fluid_previous_log != nullptr) {
        m_fluid_previous_log(level, message, nullptr);
        return;
    }
    fprintf(stderr, "fluidsynth: %s\n", message != nullptr ? message : "(null)");
}

int sdl2_Audio_Find_Soundfont(void)
{
    const char *setting = Mix_GetSoundFonts();
    if (setting != nullptr && setting[0] != '\0') {
        // Mix_SetSoundFonts frees the text Mix_GetSoundFonts handed out: pass a private copy.
        std::string copy = setting;
        if (Mix_SetSoundFonts(copy.c_str())) {
            m_soundfont = copy;
            AUDIO_LOG(SEV_INFO, "soundfont: %s (SDL_SOUNDFONTS, or SDL2_mixer's own search)", copy.c_str());
            return 1;
        }
        AUDIO_LOG(SEV_WARN, "soundfont: Mix_SetSoundFonts(%s) failed: %s", copy.c_str(), SDL_GetError());
    }
    static const char *const candidates[5] = {
        "/usr/share/soundfonts/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2",
        "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3",
        "/usr/share/sounds/sf2/TimGM6mb.sf2"};
    for (const char *path : candidates) {
        // SDL2_mixer accepts a missing file and then plays silence: test that it opens first.
        FILE *probe = fopen(path, "rb");
        if (probe == nullptr) continue;
        fclose(probe);
        if (Mix_SetSoundFonts(path)) {
            m_soundfont = path;
            AUDIO_LOG(SEV_INFO, "soundfont: %s", path);
            return 1;
        }
        AUDIO_LOG(SEV_WARN, "soundfont: Mix_SetSoundFonts(%s) failed: %s", path, SDL_GetError());
    }
    AUDIO_LOG(SEV_WARN,
              "soundfont: none found, so no music unless TiMidity is set up.  Install soundfont-fluid (Arch, "
              "CachyOS) or fluid-soundfont-gm (Debian, Ubuntu, Fedora), or set SDL_SOUNDFONTS to an .sf2 file.");
    return 0;
}

namespace {
void SDLCALL Capture_Post_Mix(void *udata, Uint8 *stream, int length)
{
    if (Platform_Capture_Active()) Platform_Capture_Audio(stream, length);
}
}  // namespace

void sdl2_Capture_Install_Audio_Tap(void)
{
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &format, &channels) == 0) {
        AUDIO_LOG(SEV_INFO, "capture: Mix_QuerySpec failed; demo audio capture unavailable");
        return;
    }
    Platform_Capture_Set_Audio_Format(frequency, channels, format & 0xFF, (format >> 8) & 1);
    Mix_SetPostMix(Capture_Post_Mix, nullptr);
}

void sdl2_Audio_Init(void)
{
    Route_Fluidsynth_Log();
    sdl2_Audio_Find_Soundfont();
    int wanted = MIX_INIT_FLAC | MIX_INIT_MOD | MIX_INIT_MP3 | MIX_INIT_OGG | MIX_INIT_MID | MIX_INIT_OPUS;
    if (Mix_Init(wanted) != 0)
        AUDIO_LOG(SEV_INFO, "SUCCESS:  Mix_Init():  %s", SDL_GetError());
    else
        AUDIO_LOG(SEV_INFO, "ERROR:  Mix_Init():  %s", SDL_GetError());
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024) == 0) {
        m_audio_open = 1;
        AUDIO_LOG(SEV_INFO, "SUCCESS:  Mix_OpenAudio():  %s", SDL_GetError());
    } else {
        m_audio_open = 0;
        AUDIO_LOG(SEV_INFO, "ERROR:  Mix_OpenAudio():  %s", SDL_GetError());
    }
    sdl2_Capture_Install_Audio_Tap();
    AUDIO_LOG(SEV_INFO, "Mix_VolumeMusic():  %d", Mix_VolumeMusic(-1));
    Mix_VolumeMusic(opt_music_volume);
    AUDIO_LOG(SEV_INFO, "Mix_VolumeMusic():  %d", Mix_VolumeMusic(-1));
}

void sdl2_Audio_Deinit(void)
{
    if (m_audio_open) {
        Mix_SetPostMix(nullptr, nullptr);
        Mix_HaltMusic();
        Mix_HaltChannel(-1);
    }
    if (m_music != nullptr) Mix_FreeMusic(m_music);
    m_music = nullptr;
    if (m_effect != nullptr) {
        Mix_FreeChunk(m_effect);
        m_effect_chunks_live--;
    }
    m_effect = nullptr;
    if (m_audio_open) Mix_CloseAudio();
    m_audio_open = 0;
    Mix_Quit();
    for (uint8_t *&buffer : m_wav_buffers) {
        free(buffer);
        buffer = nullptr;
    }
    m_wav_next = 0;
    ui_data_mus = nullptr;
}

int sdl2_Audio_Is_Open(void) { return m_audio_open; }

int sdl2_Audio_Effect_Chunks_Live(void) { return m_effect_chunks_live; }
