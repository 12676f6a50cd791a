#include "newgame/Wizard_Screens.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "Input_Box.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "STU_Log.h"
#include "Video.h"
#include "newgame/New_Game_Flow.h"
#include "newgame/Picks_Screen.h"
#include "newgame/Spell_Picks_Screen.h"
#include "overland/Game_Resources.h"
#include "random.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"
#include "world/Wizard_Presets.h"

int16_t TBL_Bookshelf_Books[NEWGAME_BOOK_SLOTS];
int16_t TBL_Realm0_Books[NEWGAME_BOOK_SLOTS];
int16_t TBL_Realm1_Books[NEWGAME_BOOK_SLOTS];
int16_t TBL_Realm2_Books[NEWGAME_BOOK_SLOTS];
int16_t TBL_Realm3_Books[NEWGAME_BOOK_SLOTS];
int16_t TBL_Realm4_Books[NEWGAME_BOOK_SLOTS];
uint8_t *newgame_book_pictures[NEWGAME_BOOK_PICTURES];

const int16_t NEWGAME_SHELF_PRESET_ORDER[5] = {sbr_Life, sbr_Sorcery, sbr_Nature, sbr_Death, sbr_Chaos};
const int16_t NEWGAME_SHELF_PICKS_ORDER[5] = {sbr_Life, sbr_Death, sbr_Chaos, sbr_Nature, sbr_Sorcery};

namespace {

constexpr int NAME_BUTTONS = 15;
constexpr int16_t NAME_MAX = 10;
// First book picture of each book realm (Nature, Sorcery, Chaos, Life, Death).
constexpr int16_t m_book_picture_base[5] = {6, 3, 12, 0, 9};
const uint8_t wziards_name_colors[16] = {187, 187, 187, 187, 187, 187, 187, 187,
                                         187, 187, 187, 187, 187, 187, 187, 187};

uint8_t *m_background;
uint8_t *m_overlay;
uint8_t *m_name_panel;
uint8_t *m_name_buttons[NAME_BUTTONS];
int16_t m_right_column_rows;
int16_t m_displayed_wizard = -1;
int16_t m_custom_offered;
int16_t m_preset_fields[NAME_BUTTONS];
int16_t m_esc_field;

void Load_Screen_1_2_Pictures(void)
{
    m_background = LBX_Reload_Picture("NEWGAME", 0, _screen_seg);
    for (int i = 0; i < NAME_BUTTONS; i++)
        m_name_buttons[i] = LBX_Reload_Next_Picture("NEWGAME", (int16_t)(9 + i), _screen_seg);
    m_overlay = LBX_Reload_Next_Picture("NEWGAME", 39, _screen_seg);
    Newgame_Load_Book_Pictures();
}

void Add_Preset_Fields(int16_t count)
{
    for (int i = 0; i < NAME_BUTTONS; i++) m_preset_fields[i] = -1000;
    for (int16_t i = 0; i < count; i++) {
        int16_t column = i < 7 ? 0 : 1;
        int16_t row = (int16_t)(i < 7 ? i : i - 7);
        int16_t x1 = column == 0 ? 168 : 244;
        int16_t x2 = column == 0 ? 237 : 313;
        int16_t y1 = (int16_t)(26 + 22 * row);
        m_preset_fields[i] = Add_Hidden_Field(x1, y1, x2, (int16_t)(y1 + 16), "", -1);
    }
    m_esc_field = Add_Hot_Key("\x1B");
}

int16_t Preset_Of_Field(int16_t field)
{
    if (field <= 0) return -1;
    for (int16_t i = 0; i < NAME_BUTTONS; i++) {
        if (m_preset_fields[i] == field) return i;
    }
    return -1;
}

// The wizard screens' loop; returns the preset field taken (0..14) or -1 for Escape.
int16_t Preset_Loop(void)
{
    bool first = true;
    for (;;) {
        Mark_Time();
        int16_t hit = Get_Input();
        if (hit == m_esc_field || quit_game_flag) return -1;
        int16_t preset = Preset_Of_Field(hit);
        if (preset >= 0) return preset;
        Newgame_Screen_1_2_Draw();
        Apply_Palette();
        Toggle_Pages();
        if (first) {
            Copy_On_To_Off_Page();
            first = false;
        }
        Release_Time(2);
    }
}

void Draw_Preset_Button(int16_t preset, int16_t under_field)
{
    int16_t column = preset < 7 ? 0 : 1;
    int16_t row = (int16_t)(preset < 7 ? preset : preset - 7);
    int16_t pressed = under_field > 0 && under_field == m_preset_fields[preset] ? 1 : 0;
    int16_t x = (int16_t)((column == 0 ? 169 : 245) + pressed);
    int16_t y = (int16_t)(27 + 22 * row + pressed);
    int16_t name_x = (int16_t)((column == 0 ? 203 : 279) + pressed);
    if (m_name_buttons[preset] != nullptr) FLIC_Draw(x, y, m_name_buttons[preset]);
    const char *name = _wizard_presets_table[preset].name;
    Newgame_Font_Colour(3, NEWGAME_SHADOW_COLOUR);
    Print_Centered(name_x, (int16_t)(31 + 22 * row + pressed), name);
    Newgame_Font_Colour(3, NEWGAME_TEXT_COLOUR);
    Print_Centered((int16_t)(name_x - 1), (int16_t)(30 + 22 * row + pressed), name);
}

void Copy_Name(char *destination, const char *source, size_t size)
{
    size_t length = strnlen(source, size - 1);
    memcpy(destination, source, length);
    destination[length] = '\0';
}

}  // namespace

// ---- shared drawing ----

void Newgame_Font_Colour(int16_t style, uint8_t colour)
{
    uint8_t colours[16];
    for (uint8_t &c : colours) c = colour;
    Set_Font_Colors_15(style, colours);
}

void Newgame_Draw_Title(const char *title)
{
    Newgame_Font_Colour(5, NEWGAME_TEXT_COLOUR);
    Set_Outline_Color(NEWGAME_SHADOW_COLOUR);
    Set_Font_Style_Shadow_Down(5, 15, 15, 15);
    Print_Centered(242, 1, title);
}

void Newgame_Draw_Portrait(int16_t portrait)
{
    if (portrait < 0 || portrait >= 14 || wizard_portrait_segs[portrait] == nullptr) return;
    FLIC_Draw(24, 10, wizard_portrait_segs[portrait]);
}

void Newgame_Draw_Wizard_Name(const char *name)
{
    Newgame_Font_Colour(4, NEWGAME_SHADOW_COLOUR);
    Print_Centered(78, 120, name);
    Print_Centered(77, 120, name);
    Newgame_Font_Colour(4, NEWGAME_TEXT_COLOUR);
    Print_Centered(77, 119, name);
}

void Newgame_Load_Book_Pictures(void)
{
    for (int i = 0; i < NEWGAME_BOOK_PICTURES; i++)
        newgame_book_pictures[i] = LBX_Reload_Next_Picture("NEWGAME", (int16_t)(24 + i), _screen_seg);
}

uint8_t *Newgame_Book_Picture(int16_t realm, int16_t variant)
{
    if (realm < 0 || realm >= 5) return nullptr;
    if (variant < 0 || variant > 2) variant = 0;
    return newgame_book_pictures[m_book_picture_base[realm] + variant];
}

void Newgame_Draw_Bookshelf(const int16_t *books, const int16_t order[5])
{
    int16_t x = NEWGAME_SHELF_X;
    for (int i = 0; i < 5; i++) {
        int16_t realm = order[i];
        for (int16_t j = 0; j < books[realm] && j < NEWGAME_BOOK_SLOTS; j++) {
            uint8_t *picture = Newgame_Book_Picture(realm, TBL_Bookshelf_Books[j]);
            if (picture != nullptr) FLIC_Draw(x, NEWGAME_SHELF_Y, picture);
            x = (int16_t)(x + 8);
        }
    }
}

// ---- the human's wizard ----

void Randomize_Book_Heights(void)
{
    for (int i = 0; i < NEWGAME_BOOK_SLOTS; i++) {
        TBL_Realm4_Books[i] = (int16_t)(RANDOM(3) - 1);
        TBL_Realm3_Books[i] = (int16_t)(RANDOM(3) - 1);
        TBL_Realm2_Books[i] = (int16_t)(RANDOM(3) - 1);
        TBL_Realm0_Books[i] = (int16_t)(RANDOM(3) - 1);
        TBL_Realm1_Books[i] = (int16_t)(RANDOM(3) - 1);
        TBL_Bookshelf_Books[i] = (int16_t)(RANDOM(3) - 1);
    }
}

void Human_Player_Wizard_Profile(int16_t preset)
{
    if (preset < 0 || preset >= NUM_WIZARD_PRESETS) return;
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    const Wizard_Preset_Record &record = _wizard_presets_table[preset];
    human.wizard_id = (uint8_t)preset;
    Wizard_Preset_Books(preset, human.spellranks);
    for (int k = 0; k < NUM_RETORTS; k++) human.retorts[k] = k == record.retort ? 1 : 0;

    int16_t *spells = _player_start_spells[HUMAN_PLAYER_IDX];
    for (int i = 0; i < NUM_START_SPELLS; i++) spells[i] = 0;
    for (int realm = 0; realm < NUM_REALMS; realm++) {
        int16_t books = human.spellranks[realm];
        if (books <= 1) continue;
        int16_t common = 0, uncommon = 0, rare = 0;
        Newgame_Start_Spell_Counts((int16_t)(books - 1), &common, &uncommon, &rare);
        const int16_t *defaults = &_default_spells[realm * START_SPELLS_PER_REALM];
        int16_t *row = &spells[realm * START_SPELLS_PER_REALM];
        for (int i = 0; i < common; i++) row[i] = defaults[i];
        for (int i = 0; i < uncommon; i++) row[10 + i] = defaults[10 + i];
        if (rare > 0) row[12] = defaults[12];
    }
    Copy_Name(human.name, record.name, sizeof human.name);
}

void Newgame_Accept_Name(const char *typed)
{
    char text[INPUT_BOX_TEXT_MAX + 1];
    Copy_Name(text, typed, (size_t)NAME_MAX + 1);
    while (Trim(text) >= 0) {
    }
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    if (text[0] != '\0') Copy_Name(human.name, text, sizeof human.name);
}

void Draw_Default_Bookshelf(int16_t preset)
{
    if (preset < 0 || preset >= WIZARD_PRESET_CUSTOM) return;
    int16_t books[NUM_REALMS];
    Wizard_Preset_Books(preset, books);
    Newgame_Draw_Bookshelf(books, NEWGAME_SHELF_PRESET_ORDER);
}

int16_t Newgame_Custom_Offered(void) { return magic_set.words[20] >= 1 ? 1 : 0; }

int16_t Newgame_Displayed_Wizard(void) { return m_displayed_wizard; }

void Set_Newgame_Screen_1_Help_List(int16_t custom_offered)
{
    Set_Help_List_From_Entry(32, 15);
    _help_entries[14].help_idx = custom_offered ? (int16_t)673 : (int16_t)-1;
}

void Set_Newgame_Screen_2_Help_List(void) { Set_Help_List_From_Entry(31, 1); }

void Newgame_Screen_1_2_Draw(void)
{
    int16_t under = Scan_Input();
    m_displayed_wizard = Preset_Of_Field(under);
    bool screen_1 = m_right_column_rows == 8;
    bool custom = screen_1 && m_custom_offered;
    int16_t displayed = m_displayed_wizard;

    Set_Page_Off();
    if (m_background != nullptr) FLIC_Draw(0, 0, m_background);
    if (m_overlay != nullptr) FLIC_Draw(165, 17, m_overlay);
    Newgame_Draw_Title(screen_1 ? "Select Wizard" : "Select Picture");
    Fill(168, 27, 237, 42, 0);
    for (int i = 0; i < 6; i++) Fill(168, (int16_t)(48 + 22 * i), 237, (int16_t)(64 + 22 * i), 0);
    for (int i = 0; i < 7; i++) Fill(244, (int16_t)(26 + 22 * i), 313, (int16_t)(42 + 22 * i), 0);
    if (custom) Fill(244, 180, 313, 196, 0);
    if (displayed >= 0 && displayed < 14) Newgame_Draw_Portrait(displayed);

    int16_t right_rows = custom ? 8 : 7;
    for (int16_t i = 0; i < 7; i++) Draw_Preset_Button(i, under);
    for (int16_t i = 0; i < right_rows; i++) Draw_Preset_Button((int16_t)(7 + i), under);

    if (screen_1 && displayed >= 0) {
        int16_t retort = _wizard_presets_table[displayed].retort;
        if (retort >= 0 && retort < NUM_RETORTS) {
            char text[40];
            snprintf(text, sizeof text, "%s.", wsa_names[retort]);
            Newgame_Font_Colour(0, NEWGAME_SHADOW_COLOUR);
            Print(13, 181, text);
            Newgame_Font_Colour(0, NEWGAME_TEXT_COLOUR);
            Print(12, 180, text);
        }
        Draw_Default_Bookshelf(displayed);
    }
    if (displayed >= 0 && displayed < 14) Newgame_Draw_Wizard_Name(_wizard_presets_table[displayed].name);
}

int16_t Newgame_Screen_1(void)
{
    Load_Screen_1_2_Pictures();
    m_right_column_rows = 8;
    m_custom_offered = Newgame_Custom_Offered();
    m_displayed_wizard = -1;
    Set_Mouse_List(1, mouse_list_newgame);
    Clear_Fields();
    Add_Preset_Fields(m_custom_offered ? 15 : 14);
    Assign_Auto_Function(Newgame_Screen_1_2_Draw, 1);
    Set_Newgame_Screen_1_Help_List(m_custom_offered);
    Set_Input_Delay(2);

    int16_t preset = Preset_Loop();
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    if (preset < 0) return 0;
    if (preset == WIZARD_PRESET_CUSTOM) return 2;
    Human_Player_Wizard_Profile(preset);
    STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Screen_1: preset %d (%s)", (int)preset, _wizard_presets_table[preset].name);
    return 3;
}

int16_t Newgame_Screen_2(void)
{
    Load_Screen_1_2_Pictures();
    m_right_column_rows = 7;
    m_custom_offered = 0;
    m_displayed_wizard = -1;
    Set_Mouse_List(1, mouse_list_newgame);
    Clear_Fields();
    Add_Preset_Fields(14);
    Assign_Auto_Function(Newgame_Screen_1_2_Draw, 1);
    Set_Newgame_Screen_2_Help_List();
    Set_Input_Delay(2);

    int16_t preset = Preset_Loop();
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    if (preset < 0) return 1;
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    human.wizard_id = (uint8_t)preset;
    Copy_Name(human.name, _wizard_presets_table[preset].name, sizeof human.name);
    return 3;
}

void Newgame_Screen_3_Draw(void)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    Set_Page_Off();
    if (m_background != nullptr) FLIC_Draw(0, 0, m_background);
    if (m_name_panel != nullptr) FLIC_Draw(181, 17, m_name_panel);
    Newgame_Draw_Title("Wizard's Name");
    Newgame_Draw_Portrait(human.wizard_id);
    Newgame_Draw_Wizard_Name(human.name);
    if (m_right_column_rows == 8) {
        Draw_Default_Bookshelf(human.wizard_id);
        Draw_Special_Abilities_String();
    }
}

int16_t Newgame_Screen_3(void)
{
    m_background = LBX_Reload_Picture("NEWGAME", 0, _screen_seg);
    m_name_panel = LBX_Reload_Next_Picture("NEWGAME", 40, _screen_seg);
    Set_Mouse_List(1, mouse_list_newgame);
    Clear_Fields();
    Assign_Auto_Function(Newgame_Screen_3_Draw, 1);
    Newgame_Screen_3_Draw();
    Toggle_Pages();

    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    char text[INPUT_BOX_TEXT_MAX + 1];
    Copy_Name(text, human.name, (size_t)NAME_MAX + 1);
    int16_t answer = Setup_Input_Box_Popup(195, 36, 80, text, NAME_MAX, 0, 0, 0, wziards_name_colors, -1);
    Newgame_Accept_Name(text);
    Deactivate_Auto_Function();
    STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Screen_3: name \"%s\"%s", human.name, answer == -1 ? " (back)" : "");
    return answer == -1 ? NEWGAME_BACK : 0;
}
