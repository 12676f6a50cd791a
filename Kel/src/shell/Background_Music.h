// The background music of a running game: one of three pieces of MUSIC.LBX, chosen by how the
// human's power compares with the computer wizards'.
#pragma once

#include <cstdint>

constexpr int16_t MUSIC_LEADING = 99;  // within a tenth of the strongest wizard
constexpr int16_t MUSIC_MIDFIELD = 100;
constexpr int16_t MUSIC_TRAILING = 101;  // within a tenth above the weakest wizard, or below

extern int16_t m_background_music_num;
extern int16_t m_background_music_ctr;

int16_t Get_Background_Music(void);
void Play_Background_Music(void);
// Re-examines the choice on every fifth call; restarts the music only when the piece changes.
void Increment_Background_Music(void);
