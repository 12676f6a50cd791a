#include "SOUND.h"

#include <cstdio>

#include "EXIT.h"
#include "sdl2_Audio.h"

int16_t audio_initialized = 0;
int16_t audio_midi_driver_handle = -1;
int16_t audio_digital_driver_handle = -1;

namespace {
const uint16_t *m_sound_effects_word = nullptr;
uint8_t *const *m_standard_click = nullptr;
const uint32_t *m_standard_click_size = nullptr;
uint8_t *const *m_left_click = nullptr;
const uint32_t *m_left_click_size = nullptr;

int16_t Play_Click(uint8_t *const *sound, const uint32_t *size)
{
    uint16_t setting = m_sound_effects_word != nullptr ? *m_sound_effects_word : 0;
    if (setting != 1) return (int16_t)setting;
    return Play_Sound(sound != nullptr ? *sound : nullptr, size != nullptr ? *size : 0);
}
}  // namespace

void Sound_Register_Game_Sounds(const uint16_t *sound_effects_word, uint8_t *const *standard_click,
                                const uint32_t *standard_click_size, uint8_t *const *left_click,
                                const uint32_t *left_click_size)
{
    m_sound_effects_word = sound_effects_word;
    m_standard_click = standard_click;
    m_standard_click_size = standard_click_size;
    m_left_click = left_click;
    m_left_click_size = left_click_size;
}

int16_t Play_Sound(uint8_t *entry, uint32_t size)
{
    Platform_Audio_Play_Sound(entry, size);
    return -1;
}

int16_t Play_Left_Click(void) { return Play_Click(m_left_click, m_left_click_size); }
int16_t Play_Standard_Click(void) { return Play_Click(m_standard_click, m_standard_click_size); }
int16_t Play_Left_Click__DUPE(void) { return Play_Left_Click(); }
void Play_Standard_Click_DOD(void) {}

int16_t Stop_All_Sounds(void) { return 0; }
void Stop_Music(void) {}

int16_t Audio_Uninit(void)
{
    audio_midi_driver_handle = -1;
    audio_digital_driver_handle = -1;
    audio_initialized = 0;
    return 0;
}

void Audio_Error(int16_t code)
{
    char text[96];
    if (code == AUDIO_ERROR_UNKNOWN_SOUND_TYPE)
        snprintf(text, sizeof text, "Audio error %d: a sound entry of an unrecognised type", (int)code);
    else
        snprintf(text, sizeof text, "Audio error %d", (int)code);
    Exit_With_Message(text);
}

void s01p16_empty_function(void) {}
