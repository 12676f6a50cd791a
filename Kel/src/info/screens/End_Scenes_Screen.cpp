#include <algorithm>
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
#include "Paragraph.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Texture_Map.h"
#include "Video.h"
#include "info/Game_End_Scenes.h"
#include "info/screens/End_Scenes.h"
#include "shell/Background_Music.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"

const int16_t TBL_DefeatAnimSteps[DEFEAT_ANIM_STEPS][4] = {
    {0, 90, 0, 100},     {12, 73, 10, 100},   {25, 57, 20, 100},   {32, 45, 30, 100},   {40, 29, 40, 100},
    {42, 15, 50, 100},   {55, 3, 60, 100},    {77, -4, 70, 100},   {119, -10, 80, 95},  {147, -8, 90, 90},
    {170, -5, 100, 85},  {190, 7, 110, 80},   {212, 19, 120, 75},  {218, 40, 130, 70},  {227, 59, 140, 65},
    {217, 79, 150, 60},  {212, 97, 160, 55},  {196, 106, 170, 50}, {179, 113, 180, 45}, {160, 109, 190, 40},
    {145, 105, 200, 35}, {135, 100, 210, 30}, {130, 94, 220, 25},  {135, 87, 230, 20},  {147, 87, 240, 15},
    {152, 89, 250, 10},  {159, 98, 260, 5},
};

int16_t m_conquest_anim_stage = 0;
int16_t GAME_Conquered_Wiz = 0;
int16_t GAME_Conquering_Wiz = 0;
int16_t GAME_LimboFall_Stage = 0;

namespace {

constexpr int16_t NUM_PORTRAITS = 14;
constexpr uint16_t LIMBO_BITMAP_PARAGRAPHS = 400;

struct Scene_Pictures {
    uint8_t *wizard;     // the laboratory figure, the falling or the victorious wizard
    uint8_t *conqueror;  // conquest: the conqueror
    uint8_t *attendant_14;
    uint8_t *attendant_15;
    uint8_t *effect;  // conquest: what the zap does to the conquered wizard; win: the sparkle
    uint8_t *grow_zap;
    uint8_t *limbo_bitmap;
    uint8_t *vortex;
    uint8_t *return_effect;
    uint8_t *scream;
    uint32_t scream_size;
};
Scene_Pictures m_scene;
char m_caption[100];
bool m_raiders = false;

int16_t Portrait_Of(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return 0;
    return _players[player_idx].wizard_id < NUM_PORTRAITS ? _players[player_idx].wizard_id : 0;
}

bool Sound_Effects_On(void) { return magic_set.words[GS_SOUND_EFFECTS] == 1; }
bool Music_On(void) { return magic_set.words[GS_BACKGROUND_MUSIC] == 1; }

void Play_Music_Entry(int16_t entry)
{
    if (!Music_On()) return;
    uint8_t *music = LBX_Reload("MUSIC", entry, SND_Music_Segment);
    Play_Sound(music, lbxload_entry_length);
}

void Opening_Frame(void)
{
    Stop_All_Sounds();
    Clear_Fields();
    Fade_Out();
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    Toggle_Pages();
}

void Closing_Frame(void)
{
    Stop_All_Sounds();
    Clear_Fields();
    Reset_Window();
    Deactivate_Auto_Function();
    Fade_Out();
    Load_Palette(0, -1, 0);
    Reset_Cycle_Palette_Color();
    Clear_Palette_Changes(0, 255);
    Set_Palette_Changes(0, 223);
    Calculate_Remap_Colors();
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    Toggle_Pages();
    Set_Mouse_List(1, mouse_list_default);
    Play_Background_Music();
}

// The scene's loop: a click (or Esc when esc_ends) or the last stage ends it; an unattended run
// also ends it after its frames.
void Run_Scene(void (*draw)(void), int16_t last_stage, bool esc_ends, int16_t ticks)
{
    Set_Input_Delay(3);
    int frames = 0;
    while (true) {
        Mark_Time();
        Clear_Fields();
        Add_Hidden_Field(0, 0, 319, 199, esc_ends ? "\x1B" : "", -1);
        if (Get_Input() != 0 || quit_game_flag != 0 || m_conquest_anim_stage > last_stage) break;
        draw();
        Toggle_Pages();
        Release_Time(ticks);
        if (Unattended_Frame_Done(&frames)) break;
    }
    Clear_Fields();
}

void Print_Caption(int16_t x, int16_t y, const char *text, uint8_t outline)
{
    Set_Font_Style_Outline_Heavy(5, 5, 5, 5);
    Set_Outline_Color(outline);
    Print_Centered(x, y, text);
}

void Draw_Frames_Up_To_Current(int16_t x, int16_t y, uint8_t *picture, int16_t last_frame)
{
    int16_t current = picture[4] | (int16_t)(picture[5] << 8);
    int16_t frames = picture[6] | (int16_t)(picture[7] << 8);
    int16_t upto = std::min<int16_t>(current, (int16_t)(frames - 1));
    if (last_frame >= 0) upto = std::min(upto, last_frame);
    for (int16_t f = 0; f <= upto; f++) {
        Set_Animation_Frame(picture, f);
        FLIC_Draw(x, y, picture);
    }
    Set_Animation_Frame(picture, (int16_t)std::min<int16_t>((int16_t)(upto + 1), (int16_t)(frames - 1)));
}

}  // namespace

const char *Win_Caption(int16_t stage)
{
    if (stage <= 14) return "Having conquered both the";
    if (stage <= 29) return "world of Duravav and Dudaze,";
    if (stage <= 44) return "I and only I, remain the one";
    return "and true Velmora.";
}

void Conquest_Animation_Draw_Conquerors_Approach(void)
{
    int16_t s = m_conquest_anim_stage;
    FLIC_Draw(69, 75, m_scene.wizard);
    Clipped_Draw((int16_t)(329 - 11 * s), (int16_t)(83 - s), m_scene.attendant_15);
    if (!m_raiders) Clipped_Draw((int16_t)(313 - 15 * s), (int16_t)(151 - 13 * s), m_scene.conqueror);
    Clipped_Draw((int16_t)(135 - 5 * s), (int16_t)(190 - 10 * s), m_scene.attendant_14);
}

void Conquest_Animation_Draw_Setup_Zap_Scene(void)
{
    Conquest_Animation_Draw_Conquerors_Approach();
    Copy_Off_To_Back();
    int16_t conqueror = Portrait_Of(GAME_Conquering_Wiz);
    int16_t conquered = Portrait_Of(GAME_Conquered_Wiz);
    Allocate_First_Block(_screen_seg, 1);
    LBX_Reload_Next_Picture("WIZLAB", 19, _screen_seg);
    m_scene.wizard = LBX_Reload_Next_Picture("WIZLAB", conquered, _screen_seg);
    m_scene.conqueror = LBX_Reload_Next_Picture("CONQUEST", (int16_t)(conqueror + 33), _screen_seg);
    m_scene.effect = LBX_Reload_Next_Picture("CONQUEST", (int16_t)(conquered + 18), _screen_seg);
    m_scene.grow_zap = LBX_Reload_Next_Picture("CONQUEST", 16, _screen_seg);
    m_scene.attendant_14 = LBX_Reload_Next_Picture("CONQUEST", 32, _screen_seg);
    m_scene.scream = nullptr;
    if (Sound_Effects_On()) {
        bool shrill = conquered == 2 || conquered == 9 || conquered == 11 || conquered == 13;
        m_scene.scream = LBX_Reload_Next("SOUNDFX", shrill ? 34 : 35, _screen_seg);
        m_scene.scream_size = lbxload_entry_length;
    }
}

void Conquest_Animation_Draw_Zapped_Wizard(int16_t grow)
{
    if (grow != 0) {
        FLIC_Draw(69, 75, m_scene.wizard);
        FLIC_Draw(177, 62, m_scene.grow_zap);
        return;
    }
    int16_t frame = m_scene.grow_zap[4] | (int16_t)(m_scene.grow_zap[5] << 8);
    FLIC_Draw(177, 62, m_scene.grow_zap);
    Set_Animation_Frame(m_scene.grow_zap, (int16_t)std::max<int16_t>(0, (int16_t)(frame - 2)));
    int16_t current = m_scene.effect[4] | (int16_t)(m_scene.effect[5] << 8);
    if (current <= 3) {
        Draw_Frames_Up_To_Current(66, 16, m_scene.effect, 3);
    } else {
        FLIC_Draw(66, 16, m_scene.effect);
    }
}

void Conquest_Animation_Draw_Zap_Strike(void)
{
    if (m_conquest_anim_stage == 11 && m_scene.scream != nullptr) Play_Sound(m_scene.scream, m_scene.scream_size);
    FLIC_Draw(69, 75, m_scene.wizard);
    Draw_File_Animation();
}

void Conquest_Animation_Draw_End_Pose(void)
{
    FLIC_Draw(208, 60, m_scene.conqueror);
    FLIC_Draw(100, 120, m_scene.attendant_14);
}

void Conquest_Animation_Draw(void)
{
    int16_t s = m_conquest_anim_stage;
    Reset_Window();
    Copy_Back_To_Off();
    if (s == 0) {
        FLIC_Draw(69, 75, m_scene.wizard);
    } else if (s <= 6) {
        Conquest_Animation_Draw_Conquerors_Approach();
    } else if (m_raiders) {
        FLIC_Draw(69, 75, m_scene.wizard);
        FLIC_Draw(252, 88, m_scene.attendant_15);
        FLIC_Draw(100, 120, m_scene.attendant_14);
    } else {
        if (s == 7) Conquest_Animation_Draw_Setup_Zap_Scene();
        if (s <= 10) {
            Conquest_Animation_Draw_Zapped_Wizard(1);
            Conquest_Animation_Draw_End_Pose();
        } else if (s <= 18) {
            Conquest_Animation_Draw_Zap_Strike();
            Conquest_Animation_Draw_End_Pose();
        } else if (s <= 22) {
            Conquest_Animation_Draw_Zapped_Wizard(0);
            Conquest_Animation_Draw_End_Pose();
        }
    }
    Print_Caption(160, 6, m_caption, 1);
    m_conquest_anim_stage++;
}

void Conquest_Scene(int16_t conquered_idx, int16_t conqueror_idx)
{
    GAME_Conquered_Wiz = conquered_idx;
    GAME_Conquering_Wiz = conqueror_idx;
    m_raiders = conqueror_idx == NEUTRAL_PLAYER_IDX;
    Opening_Frame();
    Conquest_Caption(conquered_idx, conqueror_idx, m_caption, sizeof m_caption);
    Load_Palette(3, -1, 0);
    Allocate_First_Block(_screen_seg, 1);
    uint8_t *lab = LBX_Reload_Next_Picture("WIZLAB", 19, _screen_seg);
    Set_Page_Off();
    FLIC_Draw(0, 0, lab);
    Copy_Off_To_Back();
    Copy_Off_To_Page4();
    m_scene = Scene_Pictures{};
    m_scene.wizard = LBX_Reload_Next_Picture("WIZLAB", Portrait_Of(conquered_idx), _screen_seg);
    m_scene.conqueror = LBX_Reload_Next_Picture("CONQUEST", Portrait_Of(conqueror_idx), _screen_seg);
    m_scene.attendant_14 = LBX_Reload_Next_Picture("CONQUEST", 14, _screen_seg);
    m_scene.attendant_15 = LBX_Reload_Next_Picture("CONQUEST", 15, _screen_seg);
    Open_File_Animation("CONQUEST", 17);
    Play_Music_Entry(conquered_idx == HUMAN_PLAYER_IDX ? 110 : 109);
    Apply_Palette();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Conquest_Scene: %s", m_caption);
    Assign_Auto_Function(Conquest_Animation_Draw, 6);
    for (int opening = 0; opening < 3; opening++) {
        m_conquest_anim_stage = 0;
        Conquest_Animation_Draw();
        m_conquest_anim_stage = 0;
        Toggle_Pages();
        Mark_Time();
        Release_Time(5);
    }
    Run_Scene(Conquest_Animation_Draw, 30, true, 5);
    Closing_Frame();
}

void Lose_Animation_Draw(void)
{
    Set_Page_Off();
    Draw_File_Animation();
    if (GAME_LimboFall_Stage < DEFEAT_ANIM_STEPS && m_scene.limbo_bitmap != nullptr && m_scene.wizard != nullptr) {
        const int16_t *step = TBL_DefeatAnimSteps[GAME_LimboFall_Stage];
        int16_t width = (int16_t)(m_scene.wizard[0] | (m_scene.wizard[1] << 8));
        int16_t height = (int16_t)(m_scene.wizard[2] | (m_scene.wizard[3] << 8));
        if (width > 0 && height > 0 && (int32_t)width * height + 16 <= LIMBO_BITMAP_PARAGRAPHS * 16) {
            Create_Blank_Picture(width, height, m_scene.limbo_bitmap, 0);
            Reset_Animation_Frame(m_scene.wizard);
            Draw_Picture_To_Bitmap(m_scene.wizard, m_scene.limbo_bitmap);
            Scale_Bitmap(m_scene.limbo_bitmap, step[3], step[3]);
            Draw_Bitmap_Rotated(step[0], step[1], step[2], m_scene.limbo_bitmap);
        }
    }
    m_conquest_anim_stage++;
    GAME_LimboFall_Stage++;
}

void Lose_Scene(int16_t player_idx)
{
    Opening_Frame();
    Load_Palette(6, -1, 0);
    GAME_LimboFall_Stage = 0;
    m_scene = Scene_Pictures{};
    Allocate_First_Block(_screen_seg, 1);
    m_scene.wizard = LBX_Reload_Next_Picture("LOSE", (int16_t)(Portrait_Of(player_idx) + 1), _screen_seg);
    m_scene.limbo_bitmap = Allocate_Next_Block(_screen_seg, LIMBO_BITMAP_PARAGRAPHS);
    Open_File_Animation("LOSE", 0);
    Play_Music_Entry(110);
    Apply_Palette();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Lose_Scene: wizard %d falls into limbo", (int)player_idx);
    Assign_Auto_Function(Lose_Animation_Draw, 4);
    m_conquest_anim_stage = 0;
    Run_Scene(Lose_Animation_Draw, 45, false, 4);
    Closing_Frame();
}

void Win_Animation_Draw(void)
{
    Reset_Window();
    Copy_Back_To_Off();
    Draw_Frames_Up_To_Current(93, 2, m_scene.wizard, -1);
    FLIC_Draw(0, 0, m_scene.effect);
    Draw_File_Animation();
    Print_Caption(160, 180, Win_Caption(m_conquest_anim_stage), 0);
    m_conquest_anim_stage++;
}

void Win_Scene(int16_t player_idx)
{
    Opening_Frame();
    Load_Palette(5, -1, 0);
    int16_t portrait = Portrait_Of(player_idx);
    int16_t second = 17;
    switch (portrait) {
    case 1: second = 20; break;
    case 2: second = 19; break;
    case 3: second = 21; break;
    case 4: second = 22; break;
    case 5: second = 18; break;
    default: break;
    }
    Allocate_First_Block(_screen_seg, 1);
    uint8_t *background = LBX_Reload_Next_Picture("WIN", 0, _screen_seg);
    uint8_t *figure = LBX_Reload_Next_Picture("WIN", second, _screen_seg);
    Set_Page_Off();
    FLIC_Draw(0, 0, background);
    FLIC_Draw(22, 143, figure);
    Copy_Off_To_Back();
    Copy_Off_To_Page4();
    m_scene = Scene_Pictures{};
    m_scene.wizard = LBX_Reload_Next_Picture("WIN", (int16_t)(portrait + 3), _screen_seg);
    m_scene.effect = LBX_Reload_Next_Picture("WIN", 1, _screen_seg);
    Open_File_Animation("WIN", 2);
    Play_Music_Entry(109);
    Apply_Palette();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Win_Scene: player %d stands victorious", (int)player_idx);
    Assign_Auto_Function(Win_Animation_Draw, 4);
    m_conquest_anim_stage = 0;
    Run_Scene(Win_Animation_Draw, 90, true, 4);
    Closing_Frame();
}

void Return_Animation_Draw(void)
{
    Reset_Window();
    Copy_Back_To_Off();
    FLIC_Draw(51, 28, m_scene.return_effect);
    FLIC_Draw(59, 36, m_scene.vortex);
    Set_Font_Style_Shadow_Down(4, 4, 4, 4);
    Set_Outline_Color(16);
    Set_Alias_Color(190);
    char text[100];
    snprintf(text, sizeof text, "%s", m_caption);
    Print_Paragraph(58, 142, 165, text, PARAGRAPH_CENTERED);
    m_conquest_anim_stage++;
}

void Return_Scene(int16_t player_idx)
{
    Return_Caption(player_idx, m_caption, sizeof m_caption);
    m_scene = Scene_Pictures{};
    Allocate_First_Block(_screen_seg, 1);
    m_scene.vortex = LBX_Reload_Next_Picture("VORTEX", 0, _screen_seg);
    m_scene.return_effect = LBX_Reload_Next_Picture("CMBTFX", 27, _screen_seg);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Return_Scene: %s", m_caption);
    Assign_Auto_Function(Return_Animation_Draw, 6);
    m_conquest_anim_stage = 0;
    Run_Scene(Return_Animation_Draw, 40, true, 5);
    Clear_Fields();
    Reset_Window();
    Deactivate_Auto_Function();
}
