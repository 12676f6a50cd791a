// The engine's sound front end: music, effects and button clicks are whole archive entries
// handed to the platform. The DOS game's sound-driver calls survive as inert calls, since the
// engine's audio-initialised flag is never set.
#pragma once

#include <cstdint>

extern int16_t audio_initialized;  // 0 for the whole run
extern int16_t audio_midi_driver_handle;
extern int16_t audio_digital_driver_handle;

constexpr int16_t AUDIO_ERROR_UNKNOWN_SOUND_TYPE = 14;

// The game's "Sound Effects" settings word and its two click sounds (pointer and size, read
// at each click, so later loads are seen). The engine cannot see the game's records; start-up
// hands them over. Any of them may be null: no click then plays.
void Sound_Register_Game_Sounds(const uint16_t *sound_effects_word, uint8_t *const *standard_click,
                                const uint32_t *standard_click_size, uint8_t *const *left_click,
                                const uint32_t *left_click_size);

int16_t Play_Sound(uint8_t *entry, uint32_t size);
int16_t Play_Left_Click(void);
int16_t Play_Standard_Click(void);
int16_t Play_Left_Click__DUPE(void);
void Play_Standard_Click_DOD(void);

// Sounds play through the platform's mixer and never queue here: there is nothing to stop.
int16_t Stop_All_Sounds(void);
void Stop_Music(void);
int16_t Audio_Uninit(void);
[[noreturn]] void Audio_Error(int16_t code);
void s01p16_empty_function(void);
