// The intro: thirteen streamed animations of INTRO.LBX with fades and timed sound effects over
// the intro music; each part fades in once, after its first frame is shown. A click anywhere or
// Esc ends it after the frame being shown.
#include <cstdint>

#include "Allocate.h"
#include "Fields.h"
#include "File_Animation.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Load.h"
#include "Mouse.h"
#include "Palette.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_LE.h"
#include "STU_Log.h"
#include "Video.h"
#include "overland/Intro_And_Credits.h"
#include "shell/Screen_Control.h"
#include "world/Game_Settings.h"

const int16_t IntroAnim_FrameCounts__DOD_ovr058[INTRO_PARTS] = {15, 12, 30, 18, 25, 32, 24, 32, 30, 37, 30, 11, 32};

int16_t m_intro_sound_entry[2] = {-1, -1};

namespace {

constexpr int16_t INTRO_MUSIC_ENTRY = 112;
constexpr int16_t INTRO_FIRST_SOUND = 115;
constexpr int16_t NOTICE_PART = 2;
constexpr int16_t NOTICE_FIRST_FRAME = 7;

uint8_t *m_intro_sound[2];
uint32_t m_intro_sound_size[2];

void Fade_Steps(const int16_t *steps, int count)
{
    for (int i = 0; i < count; ++i) {
        Mark_Time();
        Set_Palette_Changes(0, 255);
        Cycle_Palette(steps[i]);
        Release_Time(1);
    }
}

void Load_Intro_Sound(int slot, int16_t entry)
{
    m_intro_sound[slot] = LBX_Reload_Next("SOUNDFX", entry, _screen_seg);
    m_intro_sound_size[slot] = lbxload_entry_length;
    m_intro_sound_entry[slot] = entry;
}

// Gives the sound area back to its mark and loads one or two effects behind it.
void Reload_Intro_Sounds(int16_t first, int16_t second)
{
    Release_Block(_screen_seg);
    Mark_Block(_screen_seg);
    m_intro_sound_entry[0] = m_intro_sound_entry[1] = -1;
    Load_Intro_Sound(0, first);
    if (second >= 0) Load_Intro_Sound(1, second);
}

int16_t Play_Intro_Sound(int16_t entry)
{
    if (magic_set.words[GS_SOUND_EFFECTS] != 1) return 0;
    for (int slot = 0; slot < 2; ++slot) {
        if (m_intro_sound_entry[slot] == entry && m_intro_sound[slot] != nullptr) {
            Play_Sound(m_intro_sound[slot], m_intro_sound_size[slot]);
            return entry;
        }
    }
    return 0;
}

void Fade_Out_Before_Part(int16_t part)
{
    if (part == 1 || part == 3)
        Intro_Fade_Out_20();
    else if (part == 2)
        Intro_Fade_Out_10();
    else
        Intro_Fade_Out_2();
}

void Print_Notice(void)
{
    uint8_t colours[16];
    colours[0] = 79;
    for (int i = 1; i < 16; ++i) colours[i] = 163;
    Set_Font_Colors_15(1, colours);
    Set_Font_Style(1, 15, 15, 15);
    Print_Centered(160, 192, "Tolva - a new game engine for an old game");
}

}  // namespace

void Intro_Fade_Out_2(void)
{
    static const int16_t steps[] = {50, 100};
    Fade_Steps(steps, 2);
}

void Intro_Fade_Out_20(void)
{
    int16_t steps[20];
    for (int i = 0; i < 20; ++i) steps[i] = (int16_t)(5 * (i + 1));
    Fade_Steps(steps, 20);
}

void Intro_Fade_Out_10(void)
{
    int16_t steps[10];
    for (int i = 0; i < 10; ++i) steps[i] = (int16_t)(10 * (i + 1));
    Fade_Steps(steps, 10);
}

void Intro_Fade_In_2(void)
{
    static const int16_t steps[] = {100, 50, 0};
    Fade_Steps(steps, 3);
}

void Intro_Fade_In_50(void)
{
    static const int16_t steps[] = {10, 8, 6, 4, 2, 0};
    Fade_Steps(steps, 6);
}

int16_t Intro_Sound_Cue(int16_t part, int16_t frame)
{
    switch (part) {
    case 4:
        if (frame == 0) return Play_Intro_Sound(115);
        break;
    case 5:
        if (frame == 10) {
            Reload_Intro_Sounds(4, 116);
            return Play_Intro_Sound(4);
        }
        break;
    case 6:
        if (frame == 0) return Play_Intro_Sound(116);
        break;
    case 7:
        if (frame == 2) {
            Reload_Intro_Sounds(1, 27);
            return Play_Intro_Sound(1);
        }
        break;
    case 8:
        if (frame == 3 || frame == 9) return Play_Intro_Sound(27);
        break;
    case 9:
        if (frame == 0) {
            Reload_Intro_Sounds(118, 27);
            return Play_Intro_Sound(118);
        }
        break;
    case 10:
        if (frame == 2) return Play_Intro_Sound(27);
        break;
    case 11:
        if (frame == 2) {
            Reload_Intro_Sounds(3, -1);
            return Play_Intro_Sound(3);
        }
        break;
    default: break;
    }
    return 0;
}

// A part shows the table's frames, or fewer when its animation holds fewer: a short animation is
// not looped to fill the table's count.
int16_t Intro_Part_Frames(int16_t part, int16_t animation_frames)
{
    int16_t table = IntroAnim_FrameCounts__DOD_ovr058[part];
    if (animation_frames < 1) return 1;
    return animation_frames < table ? animation_frames : table;
}

void Draw_Logos(void)
{
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Draw_Logos: intro starts");
    Allocate_First_Block(_screen_seg, 1);
    uint8_t *music = LBX_Reload_Next("MUSIC", INTRO_MUSIC_ENTRY, _screen_seg);
    uint32_t music_size = lbxload_entry_length;
    Mark_Block(_screen_seg);
    m_intro_sound_entry[0] = m_intro_sound_entry[1] = -1;
    Load_Intro_Sound(0, INTRO_FIRST_SOUND);
    if (magic_set.words[GS_BACKGROUND_MUSIC] == 1) Play_Sound(music, music_size);

    Set_Mouse_List(1, mouse_list_init);
    Clear_Fields();
    int16_t whole_screen = Add_Hidden_Field(0, 0, 319, 199, "", -1);
    int16_t esc = Add_Hot_Key("\x1B");

    int skip = 0;
    int16_t part = 0;
    for (; part < INTRO_PARTS && !skip; ++part) {
        Open_File_Animation("INTRO", part);
        Fade_Out_Before_Part(part);
        int16_t frames = Intro_Part_Frames(part, (int16_t)LE_U16(file_animation_header + FLIC_FRAME_COUNT));
        for (int16_t frame = 0; frame < frames; ++frame) {
            Mark_Time();
            int16_t hit = Get_Input();
            if (hit == whole_screen || hit == esc || quit_game_flag) skip = 1;
            Set_Page_Off();
            if (frame == 0) Fill(0, 0, 319, 199, 0);
            Draw_File_Animation();
            if (part == NOTICE_PART && frame >= NOTICE_FIRST_FRAME) Print_Notice();
            Intro_Sound_Cue(part, frame);
            Toggle_Pages();
            if (frame == 0) {
                if (part <= 2)
                    Intro_Fade_In_50();
                else
                    Intro_Fade_In_2();
            }
            Copy_On_To_Off_Page();
            Release_Time(3);
            if (skip) break;
        }
    }
    if (skip)
        STU_LOG(SEV_INFO, LC_KEL_SCR, "Draw_Logos: skipped in part %d", part - 1);
    else
        STU_LOG(SEV_INFO, LC_KEL_SCR, "Draw_Logos: intro ended");
    Clear_Fields();
}
