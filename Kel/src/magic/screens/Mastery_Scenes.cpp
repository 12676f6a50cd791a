// The Spell of Mastery's full-screen sequences: the announcement of its casting, the human's
// victory with every rival struck down in turn, and the human drawn into the sphere in defeat.
// Their pictures live in the screen block, outside the world records. A click or Esc ends a
// sequence early; while nobody can answer (an unattended headless run) its frames are drawn
// without being held.
#include "magic/screens/Mastery_Scenes.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Bitmap_Transforms.h"
#include "Fields.h"
#include "File_Animation.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "magic/Spellbook_Screen.h"
#include "shell/Background_Music.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"

namespace {

constexpr int16_t NUM_PORTRAITS = 14;
constexpr int16_t NUM_FAMILIARS = 5;
constexpr int16_t ANNOUNCEMENT_FRAMES = 200;
constexpr int16_t ANNOUNCEMENT_SWITCH[3] = {17, 33, 49};
constexpr int16_t ANNOUNCEMENT_FIRST_ANIMATION = 67;
constexpr int16_t MUSIC_MASTERY = 12;
constexpr int16_t MUSIC_DEFEAT = 111;
constexpr int16_t ANNOUNCEMENT_PALETTE = 4;
constexpr int16_t FRAMES_PER_RIVAL = 60;
constexpr uint16_t WORK_BITMAP_PARAGRAPHS = 900;

struct Mastery_Pictures {
    uint8_t *column, *figure, *twinkle;               // victory
    uint8_t *sphere, *in_sphere, *wizard, *familiar;  // defeat
    uint8_t *work, *fade;                             // defeat: the bent wizard, the fading sphere
};
Mastery_Pictures m_pictures;
char m_caption[2][64];
int16_t m_counter = 0;
int16_t m_rival = -1;

int16_t Portrait_Of(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return 0;
    return _players[player_idx].wizard_id < NUM_PORTRAITS ? _players[player_idx].wizard_id : 0;
}

void Name_Of(int16_t player_idx, char *name, size_t size)
{
    snprintf(name, size, "%.*s", (int)sizeof _players[0].name,
             player_idx >= 0 && player_idx < NUM_PLAYERS ? _players[player_idx].name : "");
}

void Play_Music(int16_t entry)
{
    if (magic_set.words[GS_BACKGROUND_MUSIC] != 1) return;
    uint8_t *music = LBX_Reload("MUSIC", entry, SND_Music_Segment);
    if (music != nullptr) Play_Sound(music, lbxload_entry_length);
}

// One frame held; false once a click or Esc ends the sequence.
bool Next_Frame(int16_t ticks)
{
    Toggle_Pages();
    int16_t hit = Get_Input();
    if (quit_game_flag != 0) return false;
    if (Unattended_Box_Frames() != 0) return true;  // nobody can end it: the full length, unheld
    if (hit != 0) return false;
    Release_Time(ticks);
    return true;
}

void Cover_Screen(void)
{
    Clear_Fields();
    Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
}

void Print_Caption(int16_t y1, int16_t y2, uint8_t outline)
{
    Set_Font_Style_Outline_Heavy(5, 5, 5, 5);
    Set_Outline_Color(outline);
    Print_Centered(160, y1, m_caption[0]);
    Print_Centered(160, y2, m_caption[1]);
}

void Back_To_Main_Screen(int16_t wizard_idx)
{
    Stop_All_Sounds();
    Clear_Fields();
    Deactivate_Auto_Function();
    Play_Background_Music();
    Fade_Out();
    Load_Palette(0, -1, 0);
    Apply_Palette();
    Set_Mouse_List(1, wizard_idx == HUMAN_PLAYER_IDX ? mouse_list_default : mouse_list_init);
    Full_Draw_Main_Screen();
    Fade_In();
}

// ---- the announcement ----

void Announcement_Draw(void)
{
    Set_Page_Off();
    int16_t current = Get_File_Animation_Frame();
    for (int16_t frame = 0; frame <= current; frame++) {
        Set_File_Animation_Frame(frame);
        Draw_File_Animation();
    }
    Print_Caption(160, 180, 1);
    m_counter++;
}

void Announcement(int16_t wizard_idx)
{
    Deactivate_Auto_Function();
    Stop_All_Sounds();
    char name[sizeof _players[0].name + 1];
    Name_Of(wizard_idx, name, sizeof name);
    snprintf(m_caption[0], sizeof m_caption[0], "%s has started casting the", name);
    snprintf(m_caption[1], sizeof m_caption[1], "Spell of Mastery");
    Open_File_Animation("SPELLSCR", ANNOUNCEMENT_FIRST_ANIMATION);
    Fade_Out();
    Set_Page_On();
    Fill(0, 0, 319, 199, 1);
    Set_Page_Off();
    Fill(0, 0, 319, 199, 1);
    Load_Palette(ANNOUNCEMENT_PALETTE, -1, 0);
    Apply_Palette();
    m_counter = 0;
    Announcement_Draw();
    Toggle_Pages();
    Fade_In();
    Play_Music(MUSIC_MASTERY);
    Cover_Screen();
    int16_t frame = 1;
    for (; frame < ANNOUNCEMENT_FRAMES; frame++) {
        for (int16_t k = 0; k < 3; k++) {
            if (frame == ANNOUNCEMENT_SWITCH[k])
                Open_File_Animation("SPELLSCR", (int16_t)(ANNOUNCEMENT_FIRST_ANIMATION + 1 + k));
        }
        Mark_Time();
        Announcement_Draw();
        if (!Next_Frame(3)) break;
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Mastery announcement: %s, %d frames", m_caption[0], (int)frame);
    Back_To_Main_Screen(wizard_idx);
}

// ---- the victory ----

void Victory_Draw(int16_t f)
{
    Set_Page_Off();
    Copy_Back_To_Off();
    if (m_pictures.column != nullptr) FLIC_Draw(90, 0, m_pictures.column);
    int16_t m = f >= 6 ? (int16_t)((f - 6) % FRAMES_PER_RIVAL) : 0;
    int16_t pose = f <= 6 ? 0 : m <= 9 ? (int16_t)(m / 2) : m <= 50 ? 4 : (int16_t)((FRAMES_PER_RIVAL - m) / 2);
    if (m_pictures.figure != nullptr) {
        Set_Animation_Frame(m_pictures.figure, pose);
        FLIC_Draw(69, 75, m_pictures.figure);
    }
    if (m_rival >= 0 && f < FRAMES_PER_RIVAL * _num_players - 54) {
        Draw_File_Animation();
        if (m <= 8 && m_pictures.twinkle != nullptr) FLIC_Draw(95, 55, m_pictures.twinkle);
    }
}

int16_t Victory(int16_t length, const int16_t *rivals, int16_t rival_count)
{
    Deactivate_Auto_Function();
    Stop_All_Sounds();
    Fade_Out();
    m_pictures = {};
    Allocate_First_Block(_screen_seg, 1);
    uint8_t *lab = LBX_Reload_Next_Picture("WIZLAB", 19, _screen_seg);
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    if (lab != nullptr) FLIC_Draw(0, 0, lab);
    Copy_Off_To_Back();
    m_pictures.column = LBX_Reload_Next_Picture("SPLMASTR", 29, _screen_seg);
    m_pictures.figure =
        LBX_Reload_Next_Picture("SPLMASTR", (int16_t)(Portrait_Of(HUMAN_PLAYER_IDX) + NUM_PORTRAITS), _screen_seg);
    m_pictures.twinkle = LBX_Reload_Next_Picture("SPLMASTR", 28, _screen_seg);
    m_rival = -1;
    int16_t next_rival = 0;
    Set_Page_On();
    Fill(0, 0, 319, 199, 0);
    Victory_Draw(0);
    Toggle_Pages();
    Fade_In();
    Play_Music(MUSIC_MASTERY);
    Cover_Screen();
    int16_t drawn = 0;
    for (int16_t f = 0; f < length; f++) {
        if ((f - 6) % FRAMES_PER_RIVAL == 0 && f >= 6 && next_rival < rival_count) {
            m_rival = rivals[next_rival++];
            Open_File_Animation("SPLMASTR", Portrait_Of(m_rival));
            if (m_pictures.twinkle != nullptr) Reset_Animation_Frame(m_pictures.twinkle);
        }
        if (f == 7) m_pictures.column = LBX_Reload_Next_Picture("SPLMASTR", 30, _screen_seg);
        if (f == length - 6) m_pictures.column = LBX_Reload_Next_Picture("SPLMASTR", 31, _screen_seg);
        Mark_Time();
        Victory_Draw(f);
        drawn++;
        if (!Next_Frame(3)) break;
    }
    Stop_All_Sounds();
    Clear_Fields();
    Play_Background_Music();
    Fade_Out();
    Load_Palette(0, -1, 0);
    Apply_Palette();
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    Toggle_Pages();
    Fade_In();
    return drawn;
}

// ---- the defeat ----

void Defeat_Draw(int16_t c)
{
    Set_Page_Off();
    Copy_Back_To_Off();
    Print_Caption(5, 25, 5);
    int16_t left = 0, top = 0, width = 1, height = 1;
    if (m_pictures.wizard != nullptr) Get_Bitmap_Actual_Size(m_pictures.wizard, &left, &top, &width, &height);
    int16_t s = (int16_t)(left + 35 + width / 2);
    if (c <= 11) {
        if (m_pictures.wizard != nullptr) FLIC_Draw(61, 68, m_pictures.wizard);
        if (m_pictures.sphere != nullptr) {
            Set_Animation_Frame(m_pictures.sphere, (int16_t)(c / 2));
            FLIC_Draw(s, 34, m_pictures.sphere);
        }
    } else if (c <= 23) {
        if (m_pictures.sphere != nullptr) {
            Set_Animation_Frame(m_pictures.sphere, 5);
            FLIC_Draw(s, 34, m_pictures.sphere);
        }
        // The wizard shrinks towards the sphere; the wizard within it fades in.
        if (m_pictures.wizard != nullptr && m_pictures.work != nullptr) {
            Reset_Animation_Frame(m_pictures.wizard);
            Draw_Picture_To_Bitmap(m_pictures.wizard, m_pictures.work);
            Scale_Bitmap(m_pictures.work, (int16_t)(172 - 6 * c), 100);
            Draw_Picture((int16_t)((c - 12) * 714 / 200 + 61), 68, m_pictures.work);
        }
        if (m_pictures.in_sphere != nullptr && m_pictures.fade != nullptr) {
            Reset_Animation_Frame(m_pictures.in_sphere);
            Draw_Picture_To_Bitmap(m_pictures.in_sphere, m_pictures.fade);
            Vanish_Bitmap(m_pictures.fade, (int16_t)(100 - (c - 12) * 8));
            Draw_Picture(s, 34, m_pictures.fade);
        }
    } else if (m_pictures.in_sphere != nullptr) {
        Set_Animation_Frame(m_pictures.in_sphere, (int16_t)((c - 24) / 2));
        FLIC_Draw(s, 34, m_pictures.in_sphere);
    }
    if (m_pictures.familiar != nullptr) FLIC_Draw(190, 160, m_pictures.familiar);
}

int16_t Defeat(int16_t winner_idx)
{
    Clear_Fields();
    Deactivate_Auto_Function();
    Stop_All_Sounds();
    Play_Music(MUSIC_DEFEAT);
    Fade_Out();
    Set_Page_On();
    Fill(0, 0, 319, 199, 0);
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    m_pictures = {};
    Allocate_First_Block(_screen_seg, 1);
    int16_t portrait = Portrait_Of(HUMAN_PLAYER_IDX);
    int16_t familiar = _players[HUMAN_PLAYER_IDX].Prim_Realm;
    if (familiar < 0 || familiar >= NUM_FAMILIARS) familiar = 0;
    uint8_t *backdrop = LBX_Reload_Next_Picture("SPELLOSE", 28, _screen_seg);
    m_pictures.sphere = LBX_Reload_Next_Picture("SPELLOSE", 29, _screen_seg);
    m_pictures.in_sphere = LBX_Reload_Next_Picture("SPELLOSE", portrait, _screen_seg);
    m_pictures.wizard = LBX_Reload_Next_Picture("SPELLOSE", (int16_t)(portrait + NUM_PORTRAITS), _screen_seg);
    m_pictures.familiar = LBX_Reload_Next_Picture("SPELLOSE", (int16_t)(30 + familiar), _screen_seg);
    m_pictures.work = Allocate_Next_Block(_screen_seg, WORK_BITMAP_PARAGRAPHS);
    m_pictures.fade = Allocate_Next_Block(_screen_seg, WORK_BITMAP_PARAGRAPHS);
    if (backdrop != nullptr) {
        Load_Palette_From_Animation(backdrop);
        FLIC_Draw(0, 0, backdrop);
    }
    Apply_Palette();
    Copy_Off_To_Back();
    char name[sizeof _players[0].name + 1];
    Name_Of(winner_idx, name, sizeof name);
    snprintf(m_caption[0], sizeof m_caption[0], "%s has cast the", name);
    snprintf(m_caption[1], sizeof m_caption[1], "Spell of Mastery");
    Defeat_Draw(0);
    Toggle_Pages();
    Fade_In();
    Cover_Screen();
    int16_t drawn = 1;
    for (int16_t c = 1; c < 43; c++) {
        Mark_Time();
        Defeat_Draw(c);
        drawn++;
        if (!Next_Frame(2)) break;
    }
    Stop_All_Sounds();
    Clear_Fields();
    return drawn;
}

}  // namespace

void Magic_Install_Mastery_Scenes(Magic_Services &services)
{
    services.mastery_announcement = Announcement;
    services.mastery_victory_scene = Victory;
    services.mastery_defeat_scene = Defeat;
}
