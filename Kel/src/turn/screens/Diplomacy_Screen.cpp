#include "turn/screens/Diplomacy_Screen.h"

#include <algorithm>
#include <cstdio>

#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Palette.h"
#include "Paragraph.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "magic/Spell_Research.h"
#include "random.h"
#include "shell/Background_Music.h"
#include "shell/Graphics_Cache.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "turn/Diplomacy_Tables.h"
#include "turn/Diplomatic_Statements.h"
#include "turn/Proposals_Answers.h"
#include "turn/Relations.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"

int16_t m_IDK_old_diplomatic_order = 0;
int16_t m_IDK_diplomatic_flag = dm_Statement;

namespace {

constexpr const char *DIPLOMAC_LBX = "DIPLOMAC";
constexpr const char *MOODWIZ_LBX = "MOODWIZ";
constexpr int16_t DIPLOMAC_BACKGROUND = 0;
constexpr int16_t DIPLOMAC_LEFT_EYES = 2;
constexpr int16_t DIPLOMAC_RIGHT_EYES = 13;
constexpr int16_t DIPLOMAC_TALKING = 24;
constexpr int16_t DIPLOMAC_ARRIVAL = 38;
constexpr int16_t BACKGRND_MIRROR = 18;
constexpr int16_t MUSIC_MOOD_FIRST = 41;
constexpr int NUM_PORTRAITS = 14;

constexpr int16_t PORTRAIT_X = 107;
constexpr int16_t PORTRAIT_Y = 13;
constexpr int16_t MIRROR_X = 95;
constexpr int16_t MIRROR_Y = 1;
constexpr int16_t LEFT_EYE_X = 64;
constexpr int16_t RIGHT_EYE_X = 233;
constexpr int16_t EYES_Y = 58;
constexpr int16_t TEXT_X = 38;
constexpr int16_t STATEMENT_Y = 140;
constexpr int16_t MENU_MESSAGE_Y = 138;
constexpr int16_t TEXT_WIDTH = 245;
constexpr int16_t TALK_FRAMES = 24;  // the talking portrait falls silent at this frame
constexpr int16_t ARRIVAL_FRAMES = 5;
constexpr int16_t FRAME_TICKS = 3;
constexpr int16_t NO_FIELD = -1000;

// Everything the audience loads lives in the graphics cache, which the overland screens refill
// when the audience ends; the world records are never touched for room.
struct Audience {
    uint8_t *background = nullptr;
    uint8_t *mirror = nullptr;
    uint8_t *talking = nullptr;
    uint8_t *mood = nullptr;
    uint8_t *arrival = nullptr;
    uint8_t *left_eyes[NUM_RELATION_LABELS] = {};
    uint8_t *right_eyes[NUM_RELATION_LABELS] = {};
    uint8_t *tunes[2] = {};
    uint32_t tune_sizes[2] = {};
    int16_t drawn_group = -1;  // the mood group last drawn
    int16_t mood_frame = 0;    // the mood portrait's frame in its current group
    int16_t current_music = -1;
    char menu_message[DIPL_MESSAGE_SIZE] = {};
};
Audience m_audience;

// A portrait number outside the archives' range would read past their entries.
int16_t Portrait_Of(int16_t player_idx)
{
    int16_t portrait = _players[player_idx].wizard_id;
    return portrait < NUM_PORTRAITS ? portrait : 0;
}

int16_t Wizard(void) { return Diplomacy_Wizard_On_Screen(); }

bool Shows_Statement(int16_t mode) { return mode == dm_Greeting_Menu || mode == dm_Refuse_Talk || mode == dm_Proposal; }

void Load_Tune(int slot, int16_t entry)
{
    m_audience.tunes[slot] = LBX_Reload_Next("MUSIC", entry, g_graphics_cache_seg);
    m_audience.tune_sizes[slot] = lbxload_entry_length;
}

void Diplomacy_Load_Pictures(int16_t w)
{
    int16_t portrait = Portrait_Of(w);
    Audience &a = m_audience;
    Load_Tune(0, static_cast<int16_t>(MUSIC_MOOD_FIRST + 2 * portrait));
    Load_Tune(1, static_cast<int16_t>(MUSIC_MOOD_FIRST + 2 * portrait + 1));
    a.background = LBX_Reload_Next_Picture(DIPLOMAC_LBX, DIPLOMAC_BACKGROUND, g_graphics_cache_seg);
    for (int16_t band = 0; band < NUM_RELATION_LABELS; band++) {
        a.left_eyes[band] = LBX_Reload_Next_Picture(DIPLOMAC_LBX, static_cast<int16_t>(DIPLOMAC_LEFT_EYES + band),
                                                    g_graphics_cache_seg);
        a.right_eyes[band] = LBX_Reload_Next_Picture(DIPLOMAC_LBX, static_cast<int16_t>(DIPLOMAC_RIGHT_EYES + band),
                                                     g_graphics_cache_seg);
    }
    a.mirror = LBX_Reload_Next_Picture("BACKGRND", BACKGRND_MIRROR, g_graphics_cache_seg);
    a.arrival =
        LBX_Reload_Next_Picture(DIPLOMAC_LBX, static_cast<int16_t>(DIPLOMAC_ARRIVAL + portrait), g_graphics_cache_seg);
    a.talking =
        LBX_Reload_Next_Picture(DIPLOMAC_LBX, static_cast<int16_t>(DIPLOMAC_TALKING + portrait), g_graphics_cache_seg);
    a.mood = LBX_Reload_Next_Picture(MOODWIZ_LBX, portrait, g_graphics_cache_seg);
}

void Diplomacy_Arrival(void)
{
    Mark_Time();
    Release_Time(6);
    Reset_Animation_Frame(m_audience.arrival);
    for (int16_t frame = 0; frame < ARRIVAL_FRAMES; frame++) {
        Mark_Time();
        Set_Page_Off();
        Copy_Back_To_Off();
        FLIC_Draw(PORTRAIT_X, PORTRAIT_Y, m_audience.arrival);
        FLIC_Draw(MIRROR_X, MIRROR_Y, m_audience.mirror);
        Page_Flip();
        Release_Time(FRAME_TICKS);
    }
}

void Diplomacy_Screen_Load(int16_t w)
{
    Stop_All_Sounds();
    Cache_Graphics_Diplomacy();
    Diplomacy_Load_Pictures(w);
    Set_Page_Off();
    FLIC_Draw(0, 0, m_audience.background);
    Copy_Off_To_Back();
    Apply_Palette();
    Page_Flip();
    Set_Page_Off();
    Copy_Back_To_Off();
    if (m_IDK_diplomatic_flag != dm_Refuse_Talk) Diplomacy_Arrival();
}

int16_t Animation_Current_Frame(const uint8_t *animation)
{
    return static_cast<int16_t>(animation[FLIC_CURRENT_FRAME] | (animation[FLIC_CURRENT_FRAME + 1] << 8));
}

int16_t Animation_Frame_Count(const uint8_t *animation)
{
    return static_cast<int16_t>(animation[FLIC_FRAME_COUNT] | (animation[FLIC_FRAME_COUNT + 1] << 8));
}

void Draw_Mood_Frame(int16_t frame)
{
    Set_Animation_Frame(m_audience.mood, frame);
    FLIC_Draw(PORTRAIT_X, PORTRAIT_Y, m_audience.mood);
}

// Groups 0..2 talk and then fall silent (2 into 4, the others into 3); 3 and 7 show the still
// mood frame, 4 alternates frames 0 and 1; 5 and 6 show no portrait.
void Diplomacy_Draw_Portrait(void)
{
    Audience &a = m_audience;
    int16_t group = Diplomacy_Statement_Mood_Group();
    if (group != a.drawn_group) {
        if (group == 0 || group == 1 || group == 2 || group == 5 || group == 6) Reset_Animation_Frame(a.talking);
        if (group == 3) a.mood_frame = 0;
        if (group == 4) a.mood_frame = 1;
        if (group == 7) a.mood_frame = 2;
        a.drawn_group = group;
    }
    if (group <= 2) {
        // A talking picture shorter than usual falls silent after its last frame.
        int16_t silent_at = std::min<int16_t>(TALK_FRAMES, static_cast<int16_t>(Animation_Frame_Count(a.talking) - 1));
        int16_t frame = Animation_Current_Frame(a.talking);
        if (frame < silent_at) {
            Reset_Animation_Frame(a.talking);
            for (int16_t k = 0; k <= frame; k++) FLIC_Draw(PORTRAIT_X, PORTRAIT_Y, a.talking);
            return;
        }
        group = group == 2 ? 4 : 3;
        Diplomacy_Set_Statement_Mood_Group(group);
        a.drawn_group = group;
        a.mood_frame = 0;
    }
    if (group == 3 || group == 7) {
        Draw_Mood_Frame(0);
    } else if (group == 4) {
        Draw_Mood_Frame(a.mood_frame);
        a.mood_frame = static_cast<int16_t>(a.mood_frame == 0 ? 1 : 0);
    }
}

void Diplomacy_Draw_Eyes(void)
{
    int16_t band = Diplomacy_Eyes_Band();
    if (m_audience.left_eyes[band] != nullptr) FLIC_Draw(LEFT_EYE_X, EYES_Y, m_audience.left_eyes[band]);
    if (m_audience.right_eyes[band] != nullptr) FLIC_Draw(RIGHT_EYE_X, EYES_Y, m_audience.right_eyes[band]);
}

// The wizard in the mirror, without words.
void Draw_Audience(bool portrait)
{
    Set_Page_Off();
    Copy_Back_To_Off();
    if (m_audience.talking == nullptr) return;
    if (portrait) Diplomacy_Draw_Portrait();
    FLIC_Draw(MIRROR_X, MIRROR_Y, m_audience.mirror);
    Diplomacy_Draw_Eyes();
}

void Set_Speech_Font(int16_t line_feed)
{
    Set_Font_Style_Shadow_Down(4, 4, 4, 4);
    Set_Outline_Color(0);
    Set_Alias_Color(187);
    Set_Font_LF(line_feed);
}

void Print_Statement(void)
{
    Set_Speech_Font(1);
    Get_Diplomacy_Statement(m_IDK_diplomatic_order, Wizard());
    char text[DIPL_MESSAGE_SIZE];
    std::snprintf(text, sizeof text, "%s", Diplomacy_Message());
    Print_Paragraph(TEXT_X, STATEMENT_Y, TEXT_WIDTH, text, PARAGRAPH_LEFT);
}

// One frame of a loop that waits for a click on its whole-screen field.
void Show_Frame(void (*draw)(void))
{
    draw();
    PageFlip_FX();
    Release_Time(FRAME_TICKS);
}

bool Valid_Audience(int16_t w)
{
    if (w >= 1 && w < NUM_PLAYERS && w < _num_players) return true;
    STU_LOG(SEV_WARN, LC_KEL_SCR, "[DIPLOMACY] no audience: player %d is not a computer wizard", w);
    return false;
}

// Both entries: the order or greeting, the pictures and the arrival. False when nobody is there.
bool Diplomacy_Open(bool npc)
{
    int16_t w = Wizard();
    if (!Valid_Audience(w)) return false;
    Clamp_Treaty_Patience();
    m_audience.current_music = -1;
    m_audience.drawn_group = -1;
    m_audience.mood_frame = 0;
    Diplomacy_Set_Statement_Mood_Group(0);
    Apply_Palette();
    Assign_Auto_Function(Diplomacy_Screen_Draw, FRAME_TICKS);
    Set_Input_Delay(1);
    Clear_Fields();

    m_IDK_diplomatic_flag = dm_Statement;
    m_IDK_diplomatic_order = _players[HUMAN_PLAYER_IDX].Dipl_Pending_Order[w];
    if (m_IDK_diplomatic_order == do_None) Diplomacy_Choose_Greeting();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "[DIPLOMACY] audience with player %d: statement %d", w, m_IDK_diplomatic_order);

    Diplomacy_Screen_Load(w);
    Diplomacy_Statement_Reset();
    if (npc) {
        int16_t order = m_IDK_diplomatic_order;
        if ((order >= do_Propose_Pact && order <= 50) || order == 2) {
            m_IDK_old_diplomatic_order = order;
            m_IDK_diplomatic_order = do_Greeting_Fair;
            m_IDK_diplomatic_flag = dm_Proposal;
            Diplomacy_Set_Break_Treaty_Player(_players[HUMAN_PLAYER_IDX].Dipl_Ally_Enemy[w]);
        }
    }
    return true;
}

// The loop by mode; returns when the audience is over.
void Diplomacy_Loop(void)
{
    int16_t whole_screen = NO_FIELD;
    int frames = 0;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        int16_t input = Get_Input();
        bool cancel = input == -1;
        bool click = !cancel && input != 0 && (input == whole_screen || input == -whole_screen);
        // An unattended headless run answers nobody: the audience ends as if dismissed.
        bool gone = quit_game_flag != 0 || Unattended_Frame_Done(&frames);
        switch (m_IDK_diplomatic_flag) {
        case dm_Greeting_Menu:
            if (click) Diplomacy_Human_Menu();
            leave = click || cancel || gone;
            break;
        case dm_Refuse_Talk: leave = click || cancel || gone; break;
        case dm_Proposal:
            if (click || cancel) Npc_Proposal__WIP(m_IDK_old_diplomatic_order);
            leave = click || cancel || gone;
            break;
        case dm_Statement:
            Diplomacy_Display_Response(m_IDK_diplomatic_order, DIPL_TIER_ACCEPT);
            leave = true;
            break;
        default: leave = true; break;
        }
        Clear_Fields();
        whole_screen = NO_FIELD;
        if (Shows_Statement(m_IDK_diplomatic_flag)) whole_screen = Add_Hidden_Field(0, 0, 319, 199, "", -1);
        if (!leave) Show_Frame(Diplomacy_Screen_Draw);
    }
}

// The pictures and tunes go with the graphics cache that the overland screens refill.
void Diplomacy_Leave(void)
{
    Stop_All_Sounds();
    Deactivate_Auto_Function();
    Clear_Fields();
    current_screen = scr_Magic_Screen;
    Audience &a = m_audience;
    a.background = a.mirror = a.talking = a.mood = a.arrival = nullptr;
    for (int16_t band = 0; band < NUM_RELATION_LABELS; band++) a.left_eyes[band] = a.right_eyes[band] = nullptr;
    a.tunes[0] = a.tunes[1] = nullptr;
}

}  // namespace

void Diplomacy_Choose_Greeting(void)
{
    int16_t w = Wizard();
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    int32_t mood = static_cast<int32_t>(Lowest_Patience()) + human.Dipl_Goodwill[w] +
                   Diplomacy_Personality_Mod(_players[w].Personality);
    if (mood > -100) {
        m_IDK_diplomatic_flag = dm_Greeting_Menu;
        m_IDK_diplomatic_order = mood + human.Dipl_Relation[w] < -49 ? do_Greeting_Poor : do_Greeting_Fair;
    } else {
        m_IDK_diplomatic_flag = dm_Refuse_Talk;
        m_IDK_diplomatic_order = do_Refuse_Talk;
    }
}

int16_t Diplomacy_Eyes_Band(void)
{
    int16_t w = Wizard();
    if (!Diplomacy_Valid_Player(w)) return Diplomacy_Relation_Band(0);
    return Diplomacy_Relation_Band(_players[HUMAN_PLAYER_IDX].Dipl_Relation[w]);
}

void Diplomacy_Play_Mood_Music(int16_t music)
{
    Audience &a = m_audience;
    if (music != a.current_music && magic_set.words[GS_BACKGROUND_MUSIC] == 1) {
        int slot = music == 0 || music == 1 ? 0 : music == 2 ? 1 : -1;
        if (slot >= 0 && a.tunes[slot] != nullptr) Play_Sound(a.tunes[slot], a.tune_sizes[slot]);
    }
    a.current_music = music;
}

void Diplomacy_Screen_Draw(void)
{
    Draw_Audience(m_IDK_diplomatic_flag != dm_Refuse_Talk);
    if (Shows_Statement(m_IDK_diplomatic_flag)) Print_Statement();
}

void Diplomacy_Response_Draw(void)
{
    Draw_Audience(true);
    Print_Statement();
}

void Diplomacy_Menu_Draw(void)
{
    Draw_Audience(m_IDK_diplomatic_flag != dm_Refuse_Talk);
    char text[DIPL_MESSAGE_SIZE];
    std::snprintf(text, sizeof text, "%s", m_audience.menu_message);
    Set_Speech_Font(1);
    if (Get_Paragraph_Max_Height(TEXT_WIDTH, text) >= 40) Set_Font_LF(0);
    std::snprintf(text, sizeof text, "%s", m_audience.menu_message);
    Print_Paragraph(TEXT_X, MENU_MESSAGE_Y, TEXT_WIDTH, text, PARAGRAPH_LEFT);
}

void Diplomacy_Set_Menu_Message(const char *text)
{
    std::snprintf(m_audience.menu_message, sizeof m_audience.menu_message, "%s", text != nullptr ? text : "");
}

const char *Diplomacy_Menu_Message(void) { return m_audience.menu_message; }

void Diplomacy_Display_Response(int16_t statement, int16_t tier)
{
    int16_t w = Wizard();
    if (!Diplomacy_Valid_Player(w)) return;
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    int16_t shown = statement;
    if (statement >= do_Answer_Pact && statement <= 66) {
        shown = statement;
    } else if (tier < DIPL_TIER_ACCEPT) {
        shown = do_Refusal;
        if (human.Dipl_Broken_Treaty[w] != 0 && Random(4) == 1) {
            human.Dipl_Broken_Treaty[w] = 0;
            shown = do_Refusal_Broken_Treaty;
        }
    } else if (Random(4) == 1 && human.Dipl_Tribute_Spell[w] != 0) {
        Spell_Index = human.Dipl_Tribute_Spell[w];
        human.Dipl_Tribute_Spell[w] = 0;
        shown = do_Propose_Pact;
    }
    m_IDK_diplomatic_order = shown;
    Diplomacy_Statement_Reset();
    Assign_Auto_Function(Diplomacy_Response_Draw, FRAME_TICKS);
    Clear_Fields();
    Add_Hidden_Field(0, 0, 319, 199, "", -1);
    int frames = 0;
    while (true) {
        Mark_Time();
        int16_t input = Get_Input();
        if (input != 0 || quit_game_flag != 0) break;
        if (Unattended_Frame_Done(&frames)) break;
        Show_Frame(Diplomacy_Response_Draw);
    }
    Clear_Fields();
}

void Npc_Diplomacy_Screen(void)
{
    if (!Diplomacy_Open(true)) return;
    // An audience the world turn opens returns to the turn, not to the magic screen.
    int16_t screen = current_screen;
    Diplomacy_Loop();
    Diplomacy_Leave();
    current_screen = screen;
    Cache_Graphics_Overland();
    Play_Background_Music();
}

void Diplomacy_Screen__WIP(void)
{
    if (!Diplomacy_Open(false)) {
        current_screen = scr_Magic_Screen;
        return;
    }
    Diplomacy_Loop();
    Diplomacy_Leave();
    Fade_Out();
    _page_flip_effect = 2;
    Check_Research_Spell_Is_Known(1);
    Cache_Graphics_Overland();
    Play_Background_Music();
}
