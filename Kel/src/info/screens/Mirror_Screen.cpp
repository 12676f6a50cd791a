#include "info/Mirror_Screen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Expanding_Box.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "info/screens/Mirror_Texts.h"
#include "newgame/Picks_Screen.h"
#include "newgame/Player_Setup.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "turn/Diplomacy_Tables.h"
#include "world/ALLOC.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

int16_t mirror_screen_player_idx = 0;
int16_t mirror_start_x = 75;
int16_t mirror_start_y = 2;
int16_t mirror_screen_bookshelf_icon_count = 0;
uint8_t *magic_dipl_icon_segs[15];

namespace {

constexpr int16_t NUM_PORTRAITS = 14;
constexpr int16_t NUM_BOOK_PICTURES = 18;
constexpr int16_t MIRROR_HELP_ENTRIES = 18;

const int16_t m_retort_helps[NUM_RETORTS] = {693, 694, 705, 706, 707, 708, 701, 699, 695,
                                             700, 696, 709, 710, 702, 703, 698, 704, 697};

uint8_t *m_background = nullptr;
uint8_t *m_gem = nullptr;
uint8_t *m_books[NUM_BOOK_PICTURES];
int16_t m_shelf[MIRROR_BOOKSHELF_MAX];

bool Valid_Player(int16_t p) { return p >= 0 && p < NUM_PLAYERS; }

void Copy_Name(char *out, size_t size, const char *name, size_t width)
{
    size_t n = std::min(strnlen(name, width), size - 1);
    memcpy(out, name, n);
    out[n] = '\0';
}

void Set_Help(int16_t entry, int16_t help_idx, int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    if (help_list == nullptr || entry < 0 || entry >= MIRROR_HELP_ENTRIES) return;
    help_list[entry] = Help_Entry{help_idx, x1, y1, x2, y2};
}

void Print_Line(int16_t x, int16_t y, const char *label, const char *value)
{
    char text[64];
    snprintf(text, sizeof text, "%s %s", label, value);
    Print(x, y, text);
}

}  // namespace

const char *Mirror_Relation_Word(int16_t relation)
{
    int16_t r = std::clamp<int16_t>(relation, -100, 100);
    return diplo_state[(r + 100) / 20];
}

int16_t Mirror_Retort_Pieces(int16_t player_idx, char pieces[NUM_RETORTS][MIRROR_RETORT_TEXT_SIZE],
                             int16_t helps[NUM_RETORTS])
{
    if (!Valid_Player(player_idx)) return 0;
    int16_t had[NUM_RETORTS];
    int16_t count = 0;
    for (int16_t k = 0; k < NUM_RETORTS; k++)
        if (_players[player_idx].retorts[k] == 1) had[count++] = k;
    for (int16_t i = 0; i < count; i++) {
        int16_t left = (int16_t)(count - 1 - i);
        const char *after = left >= 2 ? ", " : left == 1 ? " and " : "";
        snprintf(pieces[i], MIRROR_RETORT_TEXT_SIZE, "%s%s", wsa_names[had[i]], after);
        helps[i] = m_retort_helps[had[i]];
    }
    return count;
}

void Mirror_Retort_Sentence(int16_t player_idx, char *out, size_t size)
{
    char pieces[NUM_RETORTS][MIRROR_RETORT_TEXT_SIZE];
    int16_t helps[NUM_RETORTS];
    int16_t count = Mirror_Retort_Pieces(player_idx, pieces, helps);
    out[0] = '\0';
    for (int16_t i = 0; i < count; i++) strncat(out, pieces[i], size - strlen(out) - 1);
    if (count > 0) strncat(out, ".", size - strlen(out) - 1);
}

int16_t Mirror_Build_Bookshelf(int16_t player_idx, int16_t shelf[MIRROR_BOOKSHELF_MAX])
{
    if (!Valid_Player(player_idx)) return 0;
    int16_t count = 0;
    for (int16_t realm = 0; realm < 5; realm++) {
        int16_t books = std::max<int16_t>(0, _players[player_idx].spellranks[realm]);
        for (int16_t b = 0; b < books && count < MIRROR_BOOKSHELF_MAX; b++)
            shelf[count++] = (int16_t)(3 * realm + b % 3);
    }
    return count;
}

void Mirror_Screen_Load(void)
{
    const Player_Record &player = _players[mirror_screen_player_idx];
    int16_t portrait = player.wizard_id < NUM_PORTRAITS ? player.wizard_id : 0;
    int16_t banner = player.banner_id < 5 ? player.banner_id : 0;
    Allocate_First_Block(_screen_seg, 1);
    m_background = LBX_Reload_Next_Picture("BACKGRND", 4, _screen_seg);
    m_gem = LBX_Reload_Next_Picture("LILWIZ", (int16_t)(portrait * 5 + banner), _screen_seg);
    for (int16_t b = 0; b < NUM_BOOK_PICTURES; b++)
        m_books[b] = LBX_Reload_Next_Picture("RAROZ", (int16_t)(33 + b), _screen_seg);
    for (int16_t i = 0; i < 15; i++)
        magic_dipl_icon_segs[i] = LBX_Reload_Next_Picture("RAROZ", (int16_t)(60 + i), _screen_seg);
    mirror_screen_bookshelf_icon_count = Mirror_Build_Bookshelf(mirror_screen_player_idx, m_shelf);
}

void Mirror_Screen_Draw(void)
{
    const int16_t X = mirror_start_x, Y = mirror_start_y;
    const int16_t p = mirror_screen_player_idx;
    const Player_Record &player = _players[p];
    const bool other = p != _current_player_idx;
    if (other) Redraw_Expanding_Box_Lines();
    FLIC_Draw(X, Y, m_background);
    FLIC_Draw((int16_t)(X + 11), (int16_t)(Y + 11), m_gem);
    char text[100];
    Copy_Name(text, sizeof text, player.name, sizeof player.name);
    static const uint8_t name_colors[16] = {150, 178, 179, 180, 181, 182, 182, 182,
                                            182, 182, 182, 182, 182, 182, 182, 182};
    Set_Font_Colors_15(4, name_colors);
    Set_Font_Style_Shadow_Down(4, 15, 15, 15);
    Set_Outline_Color(234);
    Print_Centered((int16_t)(X + 114), (int16_t)(Y + 11), text);

    for (int16_t e = 14; e <= 17; e++) Set_Help(e, -1, 0, 0, 0, 0);
    if (other) {
        Set_Font_Style_Shadow_Down(1, 0, 0, 0);
        const int16_t x1 = (int16_t)(X + 59), x2 = (int16_t)(X + 159);
        int8_t relation = player.Dipl_Relation[_current_player_idx];
        Print_Line(x1, (int16_t)(Y + 25), "Relations:", Mirror_Relation_Word(relation));
        Set_Help(14, 271, x1, (int16_t)(Y + 25), x2, (int16_t)(Y + 32));
        uint8_t treaty = player.Dipl_Treaty[_current_player_idx];
        Print_Line(x1, (int16_t)(Y + 33), "Treaties:", treaty < NUM_TREATY_TYPES ? _treaty_type_names[treaty] : "");
        Set_Help(15, treaty == 1 ? 793 : treaty == 2 ? 794 : -1, x1, (int16_t)(Y + 33), x2, (int16_t)(Y + 40));
        bool personality_known = player.Personality >= 0 && player.Personality < NUM_PERSONALITIES;
        Print_Line(x1, (int16_t)(Y + 41),
                   "Personality:", personality_known ? _personality_type_names[player.Personality] : "");
        Set_Help(16, personality_known ? (int16_t)(782 + player.Personality) : -1, x1, (int16_t)(Y + 41), x2,
                 (int16_t)(Y + 48));
        bool objective_known = player.Objective >= 0 && player.Objective < NUM_OBJECTIVES;
        Print_Line(x1, (int16_t)(Y + 49), "Objective:", objective_known ? _objective_type_names[player.Objective] : "");
        Set_Help(17, objective_known ? (int16_t)(788 + player.Objective) : -1, x1, (int16_t)(Y + 49), x2,
                 (int16_t)(Y + 56));
    }

    Set_Font_Style_Shadow_Down(1, 0, 0, 0);
    snprintf(text, sizeof text, "%d", player.gold_reserve);
    Print_Right((int16_t)(X + 31), (int16_t)(Y + 75), text);
    snprintf(text, sizeof text, "%d", player.mana_reserve);
    Print_Right((int16_t)(X + 159), (int16_t)(Y + 75), text);
    Set_Font_Style_Shadow_Down(0, 0, 0, 0);
    Print((int16_t)(X + 34), (int16_t)(Y + 75), "GP");
    Print((int16_t)(X + 162), (int16_t)(Y + 75), "MP");

    int16_t n = mirror_screen_bookshelf_icon_count;
    for (int16_t k = 0; k < n; k++)
        FLIC_Draw((int16_t)(X + 90 - 4 * n + 8 * k), (int16_t)(Y + 66), m_books[m_shelf[k]]);

    Set_Help(7, -1, 0, 0, 0, 0);
    int16_t fame = Player_Fame(p);
    if (fame > 0) {
        Set_Help(7, 765, (int16_t)(X + 40), (int16_t)(Y + 96), (int16_t)(X + 110), (int16_t)(Y + 102));
        Set_Font_Style_Shadow_Down(2, 0, 0, 0);
        snprintf(text, sizeof text, "%d", fame);
        Print_Right((int16_t)(X + 79), (int16_t)(Y + 96), text);
        Print((int16_t)(X + 85), (int16_t)(Y + 96), "Fame");
    }

    for (int16_t e = 8; e <= 13; e++) Set_Help(e, -1, 0, 0, 0, 0);
    char pieces[NUM_RETORTS][MIRROR_RETORT_TEXT_SIZE];
    int16_t helps[NUM_RETORTS];
    int16_t count = Mirror_Retort_Pieces(p, pieces, helps);
    if (count > 0) {
        Set_Outline_Color(234);
        Set_Font_Style_Shadow_Down(1, 0, 0, 0);
        Set_Font_Spacing(1);
        int16_t x = (int16_t)(X + 13);
        int16_t y = (int16_t)(count > 5 ? Y + 109 : Y + 111);
        for (int16_t k = 0; k < count; k++) {
            int16_t width = Get_String_Width(pieces[k]);
            if (x + width > X + 13 + 155) {
                x = (int16_t)(X + 13);
                y = (int16_t)(y + 7);
            }
            Print(x, y, pieces[k]);
            if (k < 10) Set_Help((int16_t)(8 + k), helps[k], x, y, (int16_t)(x + width), (int16_t)(y + 5));
            x = (int16_t)(x + width + 1);
        }
        Print(x, y, ".");
    }

    Set_Font_Style_Shadow_Down(2, 0, 0, 0);
    Print((int16_t)(X + 74), (int16_t)(Y + 131), "Heroes");
    Set_Font_Style_Shadow_Down(1, 0, 0, 0);
    int16_t r = 0;
    for (int16_t slot = 0; slot < NUM_HERO_SLOTS; slot++) {
        int16_t unit_idx = player.Heroes[slot].unit_idx;
        if (unit_idx < 0 || unit_idx >= _units || _UNITS[unit_idx].owner_idx == -1) continue;
        char name[16];
        Copy_Name(name, sizeof name, player.Heroes[slot].name, sizeof player.Heroes[slot].name);
        uint8_t type = _UNITS[unit_idx].type;
        const char *type_name = type < NUM_UNIT_TYPES && _unit_type_table[type].name ? _unit_type_table[type].name : "";
        snprintf(text, sizeof text, "%s The %s", name, type_name);
        Print((int16_t)(X + 13), (int16_t)(Y + 142 + 8 * r), text);
        r++;
    }
}

void Mirror_Screen(int16_t player_idx, int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    if (!Valid_Player(player_idx)) return;
    mirror_screen_player_idx = player_idx;
    Clear_Fields();
    Copy_On_To_Off_Page();
    Copy_Off_To_Back();
    Toggle_Pages();
    Mirror_Screen_Load();
    Deactivate_Help_List();
    Players_Update_Magic_Power();
    Assign_Auto_Function(Mirror_Screen_Draw, 1);
    Set_Mirror_Screen_Help_List();
    mirror_start_x = 75;
    mirror_start_y = 2;
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Mirror_Screen: wizard %d", (int)player_idx);
    if (player_idx != _current_player_idx) {
        Copy_Back_To_Off();
        Mirror_Screen_Draw();
        Draw_Expanding_Box(75, 2, 254, 197, x1, y1, x2, y2, 1);
    }
    Set_Input_Delay(1);
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
        Mirror_Screen_Draw();
        Toggle_Pages();
        Release_Time(1);
        if (Unattended_Frame_Done(&frames)) break;
    }
    Deactivate_Help_List();
    Clear_Fields();
    Deactivate_Auto_Function();
    _page_flip_effect = 3;
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Mirror_Screen: closed");
}
