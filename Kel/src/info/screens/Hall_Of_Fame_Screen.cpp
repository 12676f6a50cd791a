#include <algorithm>
#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "info/End_Of_Game_Score.h"
#include "info/screens/Hall_Of_Fame.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"

namespace {

constexpr const char *HALOFAM_LBX = "HALOFAM";
constexpr int16_t SCORE_X = 47;
constexpr int16_t NUM_PORTRAITS = 14;
constexpr int16_t BANISHED_SHOWN_MAX = 4;

const uint8_t m_title_colors[16] = {246, 49, 176, 162, 178, 179, 51, 180, 184, 185, 213, 186, 246, 246, 246, 246};

struct Score_Pictures {
    uint8_t *year;
    uint8_t *book;
    uint8_t *fame;
    uint8_t *mastery;
    uint8_t *townsman;
    uint8_t *banished[BANISHED_SHOWN_MAX];
    int16_t banished_count;
};
Score_Pictures m_pictures;
End_Score m_score;

// The background with its palette on the visible, back and fourth pages.
void Show_Background(void)
{
    Allocate_First_Block(_screen_seg, 1);
    uint8_t *background = LBX_Reload_Next_Picture(HALOFAM_LBX, 0, _screen_seg);
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    FLIC_Draw(0, 0, background);
    Load_Palette_From_Animation(background);
    Clear_Palette_Changes(0, 255);
    Set_Palette_Changes(0, 255);
    Calculate_Remap_Colors();
    Copy_Off_To_Back();
    Copy_Off_To_Page4();
}

void Restore_Game_Palette(void)
{
    Fade_Out();
    Load_Palette(0, -1, 0);
    Reset_Cycle_Palette_Color();
    Clear_Palette_Changes(0, 255);
    Set_Palette_Changes(0, 223);
    Calculate_Remap_Colors();
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    Toggle_Pages();
    Apply_Palette();
    Set_Mouse_List(1, mouse_list_default);
}

// Waits for a click or Esc on a full-screen field; an unattended run goes on by itself.
void Wait_On_Whole_Screen(void (*draw)(void), int16_t ticks)
{
    int frames = 0;
    while (true) {
        Mark_Time();
        Clear_Fields();
        Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
        if (Get_Input() != 0 || quit_game_flag != 0) break;
        draw();
        Toggle_Pages();
        Release_Time(ticks);
        if (Unattended_Frame_Done(&frames)) break;
    }
    Clear_Fields();
}

void Set_Line_Font(int16_t style)
{
    Set_Font_Style_Shadow_Down(style, 4, 4, 4);
    Set_Outline_Color(250);
    Set_Alias_Color(246);
}

}  // namespace

int16_t Hall_Of_Fame_Line(int16_t place, char *rank, char *name, char *score, char *percent, int size)
{
    if (place < 0 || place >= HALL_OF_FAME_ENTRIES || magic_set.hall_scores[place] == 0) return 0;
    if (place == 0) {
        snprintf(rank, (size_t)size, "Master");
    } else {
        snprintf(rank, (size_t)size, "%d)", place + 1);
    }
    char shown[HALL_OF_FAME_NAME_SHOWN + 1];
    Hall_Of_Fame_Name(place, shown, sizeof shown);
    const char *race = Hall_Of_Fame_Race_Name(magic_set.hall_races[place]);
    if (race[0] != '\0') {
        snprintf(name, (size_t)size, "%s of the %s", shown, race);
    } else {
        snprintf(name, (size_t)size, "%s", shown);
    }
    uint16_t value = magic_set.hall_scores[place];
    snprintf(score, (size_t)size, "%u", (unsigned)value);
    snprintf(percent, (size_t)size, "(%u%%)", (unsigned)((uint32_t)value * 100u / 8000u));
    return 1;
}

void Hall_Of_Fame_Screen_Draw(void)
{
    Reset_Window();
    Copy_Back_To_Off();
    Set_Font_Colors_15(5, m_title_colors);
    Set_Font_Style_Shadow_Down(5, 15, 15, 15);
    Set_Outline_Color(250);
    Print_Centered(160, 7, "Hall Of Fame");
    int16_t printed = 0;
    for (int16_t place = 0; place < HALL_OF_FAME_ENTRIES; place++) {
        char rank[16], name[64], score[16], percent[16];
        if (Hall_Of_Fame_Line(place, rank, name, score, percent, 64) == 0) continue;
        uint8_t colors[16];
        memset(colors, place == 0 ? 246 : 179, sizeof colors);
        Set_Font_Colors_15(2, colors);
        Set_Font_Style_Shadow_Down(2, 15, 15, 15);
        Set_Outline_Color(250);
        int16_t y = (int16_t)(42 + 13 * printed);
        Print_Right(72, y, rank);
        Print(81, y, name);
        Print_Right(242, y, score);
        Print_Right(270, y, percent);
        printed++;
    }
}

void Hall_Of_Fame_Screen(void)
{
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Hall_Of_Fame_Screen: shown");
    Deactivate_Auto_Function();
    Clear_Fields();
    Fade_Out();
    Show_Background();
    Toggle_Pages();
    Apply_Palette();
    Deactivate_Help_List();
    Set_Mouse_List(1, mouse_list_default);
    Assign_Auto_Function(Hall_Of_Fame_Screen_Draw, 2);
    Wait_On_Whole_Screen(Hall_Of_Fame_Screen_Draw, 2);
    Reset_Window();
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    Restore_Game_Palette();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Hall_Of_Fame_Screen: closed");
}

void End_Of_Game_Score_Draw(void)
{
    const End_Score &s = m_score;
    Reset_Window();
    Copy_Back_To_Off();
    const int16_t player_idx = s.player_idx >= 0 && s.player_idx < NUM_PLAYERS ? s.player_idx : 0;
    char text[100];
    char name[24] = {};
    memcpy(name, _players[player_idx].name, sizeof _players[player_idx].name);
    Set_Line_Font(3);
    Print_Centered(160, 3, name);
    Set_Line_Font(2);

    snprintf(text, sizeof text, "%d Spells: %d", s.spells, s.spell_points);
    Print(SCORE_X, 15, text);
    for (int16_t k = 0; m_pictures.book != nullptr && k < std::min<int16_t>(s.spells, 50); k++) {
        int16_t x = (int16_t)(k < 25 ? SCORE_X + 8 * k : SCORE_X + 4 + 8 * (k - 25));
        FLIC_Draw(x, (int16_t)(k < 25 ? 25 : 28), m_pictures.book);
    }

    snprintf(text, sizeof text, "%d Townsfolk: %d", s.townsfolk, s.townsfolk_points);
    Print(SCORE_X, 37, text);
    for (int16_t k = 0; m_pictures.townsman != nullptr && k < std::min<int16_t>(s.townsfolk_points, 100); k++) {
        int16_t row = (int16_t)(k / 25);
        int16_t x = (int16_t)(SCORE_X + ((row % 2) == 1 ? 4 : 0) + 9 * (k % 25));
        FLIC_Draw(x, (int16_t)(46 + 5 * row), m_pictures.townsman);
    }

    if (s.banished > 0) {
        snprintf(text, sizeof text, "%d Banished Wizards: %d", s.banished, s.banished_points);
    } else {
        snprintf(text, sizeof text, "No Banished Wizards: %d", s.banished_points);
    }
    Print(SCORE_X, 78, text);
    for (int16_t k = 0; k < m_pictures.banished_count; k++)
        FLIC_Draw((int16_t)(SCORE_X + 35 * k), 87, m_pictures.banished[k]);

    FLIC_Draw(SCORE_X, 123, m_pictures.fame);
    snprintf(text, sizeof text, "%d Fame: %d", s.fame, s.fame_points);
    Print(SCORE_X + 18, 128, text);
    FLIC_Draw(SCORE_X, 142, m_pictures.year);
    snprintf(text, sizeof text, "Year %d: %s%d", s.year, s.year_points >= 0 ? "+" : "", s.year_points);
    Print(SCORE_X + 18, 147, text);
    FLIC_Draw(SCORE_X, 161, m_pictures.mastery);
    snprintf(text, sizeof text, "Spell Of Mastery: %d", s.mastery_points);
    Print(SCORE_X + 18, 166, text);
    snprintf(text, sizeof text, "Final Score: %d", s.final_score);
    Print(SCORE_X, 180, text);

    int16_t length = (int16_t)std::clamp(s.final_score / 40, 0, 200);
    Gradient_Fill(47, 189, 251, 189, 3, 0);
    Gradient_Fill(47, 190, 47, 197, 3, 0);
    Gradient_Fill(48, 197, 251, 197, 15, 1);
    Gradient_Fill(251, 190, 251, 196, 15, 1);
    Fill(48, 190, 250, 196, 0);
    Fill(49, 191, (int16_t)(49 + length), 195, 77);
    m_new_score = s.final_score;
}

void End_Of_Game_Score_Screen(const End_Score *score)
{
    if (score == nullptr) return;
    m_score = *score;
    STU_LOG(SEV_INFO, LC_KEL_SCR, "End_Of_Game_Score_Screen: final score %d", (int)m_score.final_score);
    Stop_All_Sounds();
    Deactivate_Auto_Function();
    Clear_Fields();
    Fade_Out();
    Show_Background();
    Toggle_Pages();
    Apply_Palette();
    Set_Mouse_List(1, mouse_list_default);
    m_pictures = Score_Pictures{};
    m_pictures.year = LBX_Reload_Next_Picture(HALOFAM_LBX, 29, _screen_seg);
    m_pictures.book = LBX_Reload_Next_Picture(HALOFAM_LBX, 30, _screen_seg);
    m_pictures.fame = LBX_Reload_Next_Picture(HALOFAM_LBX, 31, _screen_seg);
    m_pictures.mastery = LBX_Reload_Next_Picture(HALOFAM_LBX, 32, _screen_seg);
    const int16_t player_idx = m_score.player_idx >= 0 && m_score.player_idx < NUM_PLAYERS ? m_score.player_idx : 0;
    const Player_Record &player = _players[player_idx];
    if (player.capital_race < 14) {
        m_pictures.townsman = LBX_Reload_Next_Picture(HALOFAM_LBX, (int16_t)(15 + player.capital_race), _screen_seg);
    }
    for (int16_t p = 0; p < std::clamp<int16_t>(_num_players, 0, NUM_PLAYERS); p++) {
        if (((player.banished_mask >> p) & 1) == 0 || m_pictures.banished_count >= BANISHED_SHOWN_MAX) continue;
        int16_t portrait = _players[p].wizard_id < NUM_PORTRAITS ? _players[p].wizard_id : 0;
        m_pictures.banished[m_pictures.banished_count++] =
            LBX_Reload_Next_Picture(HALOFAM_LBX, (int16_t)(portrait + 1), _screen_seg);
    }
    Assign_Auto_Function(End_Of_Game_Score_Draw, 2);
    Set_Score_Screen_Help_List();
    Wait_On_Whole_Screen(End_Of_Game_Score_Draw, 2);
    Stop_All_Sounds();
    Reset_Window();
    Deactivate_Auto_Function();
    Deactivate_Help_List();
}
