// The front end's opening: the intro animation and the credits that scroll over the main menu.
#pragma once

#include <cstdint>

constexpr int INTRO_PARTS = 13;
constexpr int CREDITS_ROWS = 48;
constexpr int16_t CREDITS_PICTURE_WIDTH = 280;
constexpr int16_t CREDITS_PICTURE_HEIGHT = 122;
constexpr int16_t CREDITS_BLANK_FRAMES = 70;

// Frames shown of each intro part (INTRO.LBX entries 0 to 12).
extern const int16_t IntroAnim_FrameCounts__DOD_ovr058[INTRO_PARTS];

struct Credit_Row {
    const char *left;   // a role heading, possibly empty
    const char *right;  // a name
};
extern const Credit_Row credits_table[CREDITS_ROWS];

extern int16_t _credit_num;
extern int16_t _credits_y;
extern int16_t _credits_timer;
extern uint8_t *_credits_pict_seg;

// The sound entries (of "soundfx.lbx") loaded for the intro's cues; -1 for an empty slot.
extern int16_t m_intro_sound_entry[2];

void Draw_Logos(void);
// Frames shown of intro part part (0..12) whose animation holds animation_frames: the table's count,
// or fewer when the animation is shorter; at least one.
int16_t Intro_Part_Frames(int16_t part, int16_t animation_frames);
void Intro_Fade_Out_2(void);
void Intro_Fade_Out_20(void);
void Intro_Fade_Out_10(void);
void Intro_Fade_In_2(void);
void Intro_Fade_In_50(void);
// The sound cue of a frame of a part: reloads run whatever the setting; returns the entry
// played, or 0 when none plays.
int16_t Intro_Sound_Cue(int16_t part, int16_t frame);

void Init_Credits(void);
// One frame of the credits, drawn into the current page.
void Draw_Credits(void);
