// Sound through SDL2_mixer: the audio device, the SoundFont for MIDI, and the conversion of the
// DOS game's sound entries (VOC effects to WAV, XMIDI music to a standard MIDI file).
#pragma once

#include <cstdint>

// Sound entry: u16 magic 0xDEAF, u16 type, 12 bytes not read here, then the sound data.
constexpr uint16_t SOUND_ENTRY_MAGIC = 0xDEAF;
constexpr int SOUND_ENTRY_HEADER = 16;
constexpr uint16_t SOUND_TYPE_XMIDI = 1;
constexpr uint16_t SOUND_TYPE_VOC = 2;

constexpr int WAV_HEADER_SIZE = 44;
constexpr int WAV_BUFFER_SIZE = 131072;
constexpr int WAV_BUFFER_COUNT = 5;
constexpr int MIDI_HEADER_SIZE = 22;
constexpr int MIDI_DIVISION = 60;  // 60 ticks a quarter note at the default tempo: XMIDI's 120 Hz clock
constexpr int XMIDI_NOTE_OFF_SLOTS = 32;
constexpr int MIX_EFFECT_CHANNEL = 0;
constexpr int MIX_EFFECT_VOLUME = 96;

extern int opt_music_volume;  // 0..128
extern int opt_music_enabled;
extern const uint8_t *ui_data_mus;
extern int ui_data_music_i;

void sdl2_Audio_Init(void);
void sdl2_Audio_Deinit(void);
// Returns 1 when audio was opened by sdl2_Audio_Init.
int sdl2_Audio_Is_Open(void);
// Effect chunks loaded and not yet freed (at most the one playing); for tests.
int sdl2_Audio_Effect_Chunks_Live(void);

// Plays a whole sound entry: -1 for a sound entry (played or not), 1 for a null entry or one
// without the magic. Music replaces the music playing; an effect cuts off the previous effect.
int Platform_Audio_Play_Sound(const uint8_t *entry, uint32_t size);

// XMIDI entry to a standard MIDI file (format 0, one track, division 60). Returns 1 with a
// buffer the caller frees with free(), or 0 with a null buffer and length 0 when the data is
// damaged (logged WARN).
int fmt_mus_convert_xmid(const uint8_t *entry, uint32_t size, uint8_t **out, uint32_t *out_length, int *loop_flag);

// VOC entry to an 8-bit mono WAV image with a 44-byte header. The buffer belongs to a rotation
// of five and stays valid until the fifth conversion after this one. Returns 1, or 0 with a
// null buffer and length 0 when a block runs past the entry (logged WARN).
int Convert_VOC_To_WAV(const uint8_t *entry, uint32_t size, uint8_t **out, uint32_t *out_length);

void hw_audio_music_stop(void);
void hw_audio_music_play(void);
int sdl2_Audio_Find_Soundfont(void);
void sdl2_Capture_Install_Audio_Tap(void);
// The message filter installed for FluidSynth's warnings; exposed for tests.
void sdl2_Audio_Fluidsynth_Log(int level, const char *message, void *data);
