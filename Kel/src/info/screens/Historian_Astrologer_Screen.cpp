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
#include "Palette.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "info/Advisors.h"
#include "info/screens/Advisor_Screen.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"

int16_t status_screen_x = 20;
int16_t status_screen_y = 11;

namespace {

uint8_t *m_background = nullptr;

uint8_t Banner_Color(int16_t player_idx, bool astrologer)
{
    static const uint8_t colors[5] = {172, 216, 124, 201, 211};
    uint8_t banner = _players[player_idx].banner_id;
    if (banner < 5) return colors[banner];
    return astrologer ? (uint8_t)0 : colors[0];
}

int16_t Wizard_Count(void) { return std::clamp<int16_t>(_num_players, 0, NUM_PLAYERS); }

bool Contacted(int16_t player_idx) { return _players[_current_player_idx].Dipl_Contacted[player_idx] == 1; }

void Set_Title_Font(void)
{
    static const uint8_t colors[16] = {0, 178, 179, 180, 181, 182, 182, 182, 182, 182, 182, 182, 182, 182, 182, 182};
    Set_Font_Colors_15(4, colors);
    Set_Font_Style_Shadow_Down(4, 15, 15, 15);
    Set_Alias_Color(246);
    Set_Outline_Color(254);
}

void Name_In_Banner_Colour(int16_t style, int16_t player_idx, bool astrologer)
{
    uint8_t colors[16];
    memset(colors, Banner_Color(player_idx, astrologer), sizeof colors);
    Set_Font_Colors_15(style, colors);
    Set_Font_Style_Shadow_Down(style, 15, 15, 15);
    Set_Outline_Color(254);
}

void Load_Background(int16_t entry)
{
    Allocate_First_Block(_screen_seg, 1);
    m_background = LBX_Reload_Next_Picture("RELOAD", entry, _screen_seg);
    Load_Palette_From_Animation(m_background);
    Set_Palette_Changes(0, 255);
    Update_Remap_Gray_Palette();
}

// Closes on any click or Esc; an unattended run goes on by itself.
void Run_Chart(void (*draw)(void), const char *name)
{
    STU_LOG(SEV_INFO, LC_KEL_SCR, "%s: shown", name);
    int frames = 0;
    while (true) {
        Mark_Time();
        Clear_Fields();
        int16_t whole = Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
        int16_t hit = Get_Input();
        if (quit_game_flag != 0) break;
        if (hit != 0 && (hit == whole || hit == -whole || hit == -1)) {
            Play_Left_Click();
            break;
        }
        Copy_Back_To_Off();
        draw();
        Toggle_Pages();
        Release_Time(1);
        if (Unattended_Frame_Done(&frames)) break;
    }
    Deactivate_Help_List();
    Deactivate_Auto_Function();
    Reset_Window();
    Clear_Fields();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "%s: closed", name);
}

}  // namespace

void Powergraph_Draw_Wizard_History(int16_t player_idx, int16_t last_index, int16_t first_index)
{
    uint8_t color = Banner_Color(player_idx, false);
    const uint8_t *history = _players[player_idx].Historian;
    int16_t px = 0, py = 0;
    for (int16_t i = first_index; i < last_index && i < 288; i++) {
        int16_t x = (int16_t)(16 + (i - first_index));
        int16_t y = Powergraph_Point_Y(history[i]);
        if (i != first_index) Line(px, py, x, y, color);
        px = x;
        py = y;
    }
}

void Powergraph_Screen_Draw(void)
{
    FLIC_Draw(0, 0, m_background);
    Set_Title_Font();
    Print_Centered(160, 10, "History Of Wizards Power");
    char text[40];
    Powergraph_Date(_turn, text, sizeof text);
    Set_Font_Style_Shadow_Down(2, 0, 0, 0);
    Set_Outline_Color(254);
    Print_Right(309, 11, text);
    Line(16, 183, 303, 183, 180);
    Gradient_Fill(16, 184, 303, 184, 3, 0);
    int16_t base = 0, first = 0, last = 0;
    Powergraph_Window(_turn, &base, &first, &last);
    Set_Font_Style_Shadow_Down(1, 0, 0, 0);
    Set_Outline_Color(254);
    snprintf(text, sizeof text, "%d", 1400 + base);
    Print(10, 186, text);
    for (int16_t c = 1; c <= last; c++) {
        if (c % 12 != 0) continue;
        int16_t k = (int16_t)(c / 12);
        Line((int16_t)(16 + 12 * k), 182, (int16_t)(16 + 12 * k), 184, 180);
        if ((k + base) % 5 == 0) {
            snprintf(text, sizeof text, "%d", 1400 + base + k);
            Print((int16_t)(12 * k + 10), 186, text);
        }
    }
    for (int16_t p = 1; p < Wizard_Count(); p++) {
        if (p == _current_player_idx || _FORTRESSES[p].active != 1 || !Contacted(p)) continue;
        Powergraph_Draw_Wizard_History(p, last, first);
    }
    Powergraph_Draw_Wizard_History(_current_player_idx, last, first);
    char name[24] = {};
    memcpy(name, _players[0].name, sizeof _players[0].name);
    Name_In_Banner_Colour(3, 0, false);
    Print(10, 23, name);
    for (int16_t p = 1; p < Wizard_Count(); p++) {
        if (!Contacted(p)) continue;
        memcpy(name, _players[p].name, sizeof _players[p].name);
        Name_In_Banner_Colour(3, p, false);
        Print(10, (int16_t)(23 + 9 * p), name);
    }
}

void Powergraph_Screen(void)
{
    Load_Background(0);
    Assign_Auto_Function(Powergraph_Screen_Draw, 1);
    Set_Powergraph_Screen_Help_List();
    Set_Page_Off();
    Copy_Off_To_Back();
    Run_Chart(Powergraph_Screen_Draw, "Powergraph_Screen");
}

void Status_Screen_Draw(void)
{
    const int16_t X = status_screen_x, Y = status_screen_y;
    FLIC_Draw(X, Y, m_background);
    Set_Title_Font();
    Print_Centered((int16_t)(X + 138), (int16_t)(Y + 10), "Current Status Of Wizards");
    Set_Font_Style_Shadow_Down(2, 3, 3, 3);
    Set_Alias_Color(246);
    Set_Outline_Color(254);
    Print_Centered((int16_t)(X + 138), (int16_t)(Y + 23), "Army Strength");
    Print_Centered((int16_t)(X + 138), (int16_t)(Y + 72), "Magic Power");
    Print_Centered((int16_t)(X + 138), (int16_t)(Y + 121), "Spell Research");
    int16_t r = 0;
    for (int16_t p = 0; p < Wizard_Count(); p++) {
        if (!Contacted(p)) continue;
        const Player_Record &player = _players[p];
        const int16_t figures[3] = {player.Astr_Army_Strength, player.Astr_Magic_Power, player.Astr_Research};
        char name[24] = {};
        memcpy(name, player.name, sizeof player.name);
        for (int16_t j = 0; j < 3; j++) {
            int16_t y = (int16_t)(Y + 35 + 49 * j + 7 * r);
            Set_Font_Style_Shadow_Down(0, 0, 0, 0);
            Set_Outline_Color(254);
            Print((int16_t)(X + 14), y, name);
            int16_t v = Status_Bar_Length(figures[j]);
            if (v < 0) continue;
            Gradient_Fill((int16_t)(X + 64), (int16_t)(y + 2), (int16_t)(X + 65 + v), (int16_t)(y + 3), 3, 0);
            Fill((int16_t)(X + 64), (int16_t)(y + 1), (int16_t)(X + 64 + v), (int16_t)(y + 2), Banner_Color(p, true));
        }
        r++;
    }
}

void Status_Screen(void)
{
    Allocate_First_Block(_screen_seg, 1);
    m_background = LBX_Reload_Next_Picture("RELOAD", 1, _screen_seg);
    Clear_Fields();
    Copy_On_To_Off_Page();
    Copy_Off_To_Back();
    Load_Palette_From_Animation(m_background);
    Set_Palette_Changes(0, 255);
    Update_Remap_Gray_Palette();
    Assign_Auto_Function(Status_Screen_Draw, 1);
    Set_Status_Screen_Help_List();
    status_screen_x = 20;
    status_screen_y = 11;
    Run_Chart(Status_Screen_Draw, "Status_Screen");
}
