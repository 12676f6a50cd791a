#include "newgame/Spell_Picks_Screen.h"

#include <cstdio>

#include "Allocate.h"
#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "STU_Log.h"
#include "Video.h"
#include "newgame/New_Game_Flow.h"
#include "newgame/Picks_Screen.h"
#include "newgame/Wizard_Screens.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Spell_Data_Record.h"
#include "world/Wizard_Presets.h"

const int16_t TBL_Realm_Order[5] = {sbr_Life, sbr_Death, sbr_Chaos, sbr_Nature, sbr_Sorcery};

namespace {

constexpr int SPELL_FIELDS = NEWGAME_SPELL_BOXES * NEWGAME_SPELLS_PER_BOX;
constexpr int16_t m_select_count_common[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
constexpr int16_t m_select_count_uncommon[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 2};
constexpr int16_t m_select_count_rare[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
const char *const m_realm_strings[5] = {"Nature", "Sorcery", "Chaos", "Life", "Death"};
const char *const m_rarity_strings[4] = {"Common", "Uncommon", "Rare", "Very Rare"};
constexpr int16_t m_box_label_y[NEWGAME_SPELL_BOXES] = {26, 77, 128};
constexpr int16_t m_box_frame_y[NEWGAME_SPELL_BOXES] = {37, 88, 139};
constexpr int16_t m_rarity_first_slot[NEWGAME_SPELL_BOXES] = {0, 10, 12};
constexpr uint8_t m_realm_colours[5] = {216, 172, 201, 13, 114};

int16_t m_select_spells_realm;
int16_t m_all_picks_made;
int16_t m_counts[NEWGAME_SPELL_BOXES];  // by rarity
int16_t m_page_drawn;

uint8_t *m_background;
uint8_t *m_overlay;
uint8_t *m_frames[4];
uint8_t *m_ok_button;
uint8_t *m_ok_greyed;
uint8_t *m_warn_top;
uint8_t *m_warn_bottom;
uint8_t *m_marker;
int16_t m_esc_field;
int16_t m_ok_field;
int16_t m_spell_fields[SPELL_FIELDS];  // box x 10 + 5c + r
uint8_t m_help_loaded[SPELL_FIELDS * sizeof(Help_Entry)];

int16_t *Page_Slots(void)
{
    return &_player_start_spells[HUMAN_PLAYER_IDX][m_select_spells_realm * START_SPELLS_PER_REALM];
}

int16_t Spell_Number(int16_t offset) { return (int16_t)(m_select_spells_realm * 40 + 1 + offset); }

bool Chosen(int16_t rarity, int16_t spell)
{
    const int16_t *slots = Page_Slots();
    for (int i = 0; i < m_counts[rarity]; i++) {
        if (slots[m_rarity_first_slot[rarity] + i] == spell) return true;
    }
    return false;
}

void Load_Pictures(void)
{
    m_background = LBX_Reload_Picture("NEWGAME", 0, _screen_seg);
    m_overlay = LBX_Reload_Next_Picture("NEWGAME", 47, _screen_seg);
    for (int i = 0; i < 4; i++) m_frames[i] = LBX_Reload_Next_Picture("NEWGAME", (int16_t)(48 + i), _screen_seg);
    m_ok_button = LBX_Reload_Next_Picture("NEWGAME", 42, _screen_seg);
    m_ok_greyed = LBX_Reload_Next_Picture("NEWGAME", 43, _screen_seg);
    Newgame_Load_Book_Pictures();
    m_warn_top = LBX_Reload_Next_Picture("NEWGAME", 44, _screen_seg);
    m_warn_bottom = LBX_Reload_Next_Picture("NEWGAME", 45, _screen_seg);
    m_marker = LBX_Reload_Next_Picture("NEWGAME", 52, _screen_seg);
}

void Set_Help(void)
{
    for (int i = 0; i < SPELL_FIELDS; i++) {
        const uint8_t *record = m_help_loaded + i * sizeof(Help_Entry);
        _help_entries[i] =
            Help_Entry{(int16_t)-1, (int16_t)(record[2] | record[3] << 8), (int16_t)(record[4] | record[5] << 8),
                       (int16_t)(record[6] | record[7] << 8), (int16_t)(record[8] | record[9] << 8)};
    }
    for (int16_t n = 0; n < NEWGAME_SPELL_BOXES; n++) {
        int16_t count = 0;
        int16_t rarity = Newgame_Spell_Page_Box(n, &count);
        if (rarity < 0) break;
        for (int16_t i = 0; i < NEWGAME_SPELLS_PER_BOX; i++)
            _help_entries[n * 10 + i].help_idx = Spell_Number((int16_t)(rarity * 10 + i));
    }
    Set_Help_List(_help_entries, SPELL_FIELDS);
}

void Show_Pending_Error(void)
{
    if (NEWG_PickError == NPE_NONE) return;
    const char *message = NEWG_PickError == NPE_PICKS_REMAIN
                              ? "You need to make all your picks before you can continue"
                              : "You have no picks left in this area, to deselect click on a selected item";
    STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Screen_5: refused: %s", message);
    Deactivate_Auto_Function();
    Warn0(message);
    Assign_Auto_Function(Newgame_Screen_5_Draw, 1);
    NEWG_PickError = NPE_NONE;
    auto_input_variable = 0;
}

}  // namespace

void Newgame_Start_Spell_Counts(int16_t index, int16_t *common, int16_t *uncommon, int16_t *rare)
{
    if (index < 0) {
        *common = *uncommon = *rare = 0;
        return;
    }
    if (index > 9) index = 9;
    *common = m_select_count_common[index];
    *uncommon = m_select_count_uncommon[index];
    *rare = m_select_count_rare[index];
}

int16_t Newgame_Spell_Page_Begin(int16_t realm)
{
    m_select_spells_realm = realm;
    m_counts[0] = m_counts[1] = m_counts[2] = 0;
    int16_t books = _players[HUMAN_PLAYER_IDX].spellranks[realm];
    if (books <= 1) return 0;
    Newgame_Start_Spell_Counts((int16_t)(books - 2), &m_counts[0], &m_counts[1], &m_counts[2]);
    const int16_t *defaults = &_default_spells[realm * START_SPELLS_PER_REALM];
    int16_t *slots = Page_Slots();
    for (int rarity = 0; rarity < NEWGAME_SPELL_BOXES; rarity++) {
        for (int i = 0; i < m_counts[rarity]; i++)
            slots[m_rarity_first_slot[rarity] + i] = defaults[m_rarity_first_slot[rarity] + i];
    }
    return 1;
}

int16_t Newgame_Spell_Page_Box(int16_t n, int16_t *count)
{
    int16_t seen = 0;
    for (int16_t rarity = 0; rarity < NEWGAME_SPELL_BOXES; rarity++) {
        int16_t k = m_counts[rarity];
        bool offered = rarity == 0 ? k >= 1 && k <= 9 : k > 0;
        if (!offered) continue;
        if (seen == n) {
            *count = k;
            return rarity;
        }
        seen++;
    }
    *count = 0;
    return -1;
}

int16_t Newgame_Spell_Page_Click(int16_t offset)
{
    if (offset < 0 || offset >= SPELL_FIELDS) return 0;
    int16_t rarity = (int16_t)(offset / 10);
    int16_t k = m_counts[rarity];
    if (k <= 0) return 0;
    int16_t spell = Spell_Number(offset);
    int16_t *slots = Page_Slots() + m_rarity_first_slot[rarity];
    for (int i = 0; i < k; i++) {
        if (slots[i] == spell) {
            slots[i] = 0;
            return 0;
        }
    }
    for (int i = 0; i < k; i++) {
        if (slots[i] == 0) {
            slots[i] = spell;
            return 0;
        }
    }
    if (k == 1) {
        slots[0] = spell;
        return 0;
    }
    NEWG_PickError = 2;
    return 2;
}

int16_t Newgame_Spell_Page_Picks_Left(void)
{
    int16_t left = 0;
    for (int16_t n = 0; n < NEWGAME_SPELL_BOXES; n++) {
        int16_t count = 0;
        int16_t rarity = Newgame_Spell_Page_Box(n, &count);
        if (rarity < 0) break;
        left = (int16_t)(left + count);
        for (int16_t i = 0; i < NEWGAME_SPELLS_PER_BOX; i++) {
            if (Chosen(rarity, Spell_Number((int16_t)(rarity * 10 + i)))) left--;
        }
    }
    return left;
}

void Newgame_Screen_5_Spell_Fields(void)
{
    for (int16_t &field : m_spell_fields) field = -1000;
    for (int16_t n = 0; n < NEWGAME_SPELL_BOXES; n++) {
        int16_t count = 0;
        if (Newgame_Spell_Page_Box(n, &count) < 0) break;
        int16_t top = (int16_t)(39 + 51 * n);
        for (int16_t c = 0; c < 2; c++) {
            for (int16_t r = 0; r < 5; r++) {
                m_spell_fields[n * 10 + 5 * c + r] =
                    Add_Hidden_Field((int16_t)(170 + 74 * c), (int16_t)(top + 7 * r), (int16_t)(240 + 78 * c),
                                     (int16_t)(top + 7 * r + 5), "", -1);
            }
        }
    }
    Set_Help();
}

void Newgame_Screen_5_Draw_Spells(void)
{
    int16_t realm = m_select_spells_realm;
    char title[40];
    snprintf(title, sizeof title, "Select %s Spells", m_realm_strings[realm]);
    Newgame_Font_Colour(4, m_realm_colours[realm]);
    Set_Outline_Color(NEWGAME_SHADOW_COLOUR);
    Set_Font_Style_Shadow_Down(4, 15, 15, 15);
    Print_Centered(241, 6, title);
    Newgame_Draw_Portrait(_players[HUMAN_PLAYER_IDX].wizard_id);

    for (int16_t n = 0; n < NEWGAME_SPELL_BOXES; n++) {
        int16_t count = 0;
        int16_t rarity = Newgame_Spell_Page_Box(n, &count);
        if (rarity < 0) break;
        char label[32];
        snprintf(label, sizeof label, "%s: %d", m_rarity_strings[rarity], (int)count);
        Newgame_Font_Colour(3, NEWGAME_TEXT_COLOUR);
        Print(167, m_box_label_y[n], label);
        if (m_frames[n] != nullptr) FLIC_Draw(167, m_box_frame_y[n], m_frames[n]);
        int16_t top = (int16_t)(39 + 51 * n);
        for (int16_t c = 0; c < 2; c++) {
            for (int16_t r = 0; r < 5; r++) {
                int16_t spell = Spell_Number((int16_t)(rarity * 10 + 5 * c + r));
                const char *name = spell_data_table != nullptr ? spell_data_table[spell].name : "";
                int16_t x = (int16_t)(175 + 74 * c);
                int16_t y = (int16_t)(top + 7 * r);
                Newgame_Font_Colour(0, NEWGAME_SHADOW_COLOUR);
                Print((int16_t)(x + 1), (int16_t)(y + 1), name);
                if (Chosen(rarity, spell)) {
                    Newgame_Font_Colour(0, NEWGAME_SELECTED_COLOUR);
                    Print(x, y, name);
                    if (m_marker != nullptr) FLIC_Draw((int16_t)(169 + 74 * c), (int16_t)(y + 1), m_marker);
                } else {
                    Newgame_Font_Colour(0, NEWGAME_AVAILABLE_COLOUR);
                    Print(x, y, name);
                }
            }
        }
    }
}

void Newgame_Screen_5_Draw(void)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    int16_t picks_left = Newgame_Spell_Page_Picks_Left();
    spellpicks_count = picks_left;
    m_all_picks_made = picks_left == 0 ? 1 : 0;
    int16_t held_field = auto_input_variable;

    Set_Page_Off();
    if (m_background != nullptr) FLIC_Draw(0, 0, m_background);
    if (m_overlay != nullptr) FLIC_Draw(181, 18, m_overlay);
    if (m_frames[3] != nullptr) FLIC_Draw(196, 180, m_frames[3]);
    Fill(251, 181, 282, 196, 0);
    Newgame_Draw_Wizard_Name(human.name);
    Newgame_Draw_Bookshelf(human.spellranks, NEWGAME_SHELF_PICKS_ORDER);
    if (picks_left > 0) {
        if (m_ok_greyed != nullptr) FLIC_Draw(252, 182, m_ok_greyed);
        if (held_field != 0 && held_field == m_ok_field) NEWG_PickError = NPE_PICKS_REMAIN;
    } else if (m_ok_button != nullptr) {
        int16_t pressed = held_field != 0 && held_field == m_ok_field ? 1 : 0;
        FLIC_Draw((int16_t)(252 + pressed), (int16_t)(182 + pressed), m_ok_button);
    }
    char picks[16];
    snprintf(picks, sizeof picks, "%d picks", (int)picks_left);
    Newgame_Font_Colour(3, NEWGAME_SHADOW_COLOUR);
    Print_Centered(222, 186, picks);
    Newgame_Font_Colour(3, NEWGAME_TEXT_COLOUR);
    Print_Centered(221, 185, picks);
    Draw_Special_Abilities_String();
    Newgame_Screen_5_Draw_Spells();
    m_page_drawn = 1;
}

int16_t Newgame_Screen_5(void)
{
    Load_Pictures();
    spellpicks_count = 0;
    NEWG_PickError = NPE_NONE;
    Assign_Auto_Function(Newgame_Screen_5_Draw, 1);
    for (int16_t &spell : _player_start_spells[HUMAN_PLAYER_IDX]) spell = 0;
    LBX_Load_Data_Static("hlpentry", 36, m_help_loaded, 0, SPELL_FIELDS, (int16_t)sizeof(Help_Entry));
    Set_Mouse_List(1, mouse_list_newgame);

    for (int page = 0; page < 5; page++) {
        int16_t realm = TBL_Realm_Order[page];
        m_all_picks_made = 0;
        Clear_Fields();
        m_esc_field = Add_Hot_Key("\x1B");
        m_ok_field = Add_Hidden_Field(251, 181, 282, 196, "", -1);
        for (int16_t &field : m_spell_fields) field = -1000;
        if (!Newgame_Spell_Page_Begin(realm)) continue;
        Newgame_Screen_5_Spell_Fields();
        m_page_drawn = 0;
        bool first = true;
        for (;;) {
            Mark_Time();
            int16_t hit = Get_Input();
            if (hit == m_esc_field || quit_game_flag) {
                Deactivate_Auto_Function();
                Deactivate_Help_List();
                STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Screen_5: back on the %s page", m_realm_strings[realm]);
                return 4;
            }
            if (hit > 0 && hit == m_ok_field && m_all_picks_made) break;
            if (hit > 0 && m_page_drawn) {
                for (int16_t slot = 0; slot < SPELL_FIELDS; slot++) {
                    if (m_spell_fields[slot] != hit) continue;
                    int16_t count = 0;
                    int16_t rarity = Newgame_Spell_Page_Box((int16_t)(slot / 10), &count);
                    if (rarity >= 0) Newgame_Spell_Page_Click((int16_t)(rarity * 10 + slot % 10));
                }
            }
            Show_Pending_Error();
            Newgame_Screen_5_Draw();
            Apply_Palette();
            Toggle_Pages();
            if (first) {
                Copy_On_To_Off_Page();
                first = false;
            }
            Release_Time(2);
        }
        STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Screen_5: %s spells chosen", m_realm_strings[realm]);
    }
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    return 6;
}
