#include "newgame/Picks_Screen.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "Paragraph.h"
#include "STU_Log.h"
#include "Video.h"
#include "newgame/New_Game_Flow.h"
#include "newgame/Wizard_Screens.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Wizard_Presets.h"
#include "worldgen/Computer_Wizards.h"

const char *const wsa_names[NUM_RETORTS] = {
    "Alchemy",      "Warlord",     "Chaos Mastery", "Nature Mastery", "Sorcery Mastery", "Infernal Power",
    "Divine Power", "Sage Master", "Channeler",     "Myrran",         "Archmage",        "Mana Focusing",
    "Node Mastery", "Famous",      "Runemaster",    "Conjurer",       "Charismatic",     "Artificer",
};

const int16_t wsa_picklist_order[NUM_RETORTS] = {
    rtr_Alchemy,       rtr_Warlord,        rtr_Channeler,       rtr_Archmage,       rtr_Artificer,     rtr_Conjurer,
    rtr_Sage_Master,   rtr_Myrran,         rtr_Divine_Power,    rtr_Famous,         rtr_Runemaster,    rtr_Charismatic,
    rtr_Chaos_Mastery, rtr_Nature_Mastery, rtr_Sorcery_Mastery, rtr_Infernal_Power, rtr_Mana_Focusing, rtr_Node_Mastery,
};

// clang-format off
const WSA_Prerequisite wsa_prerequisites[NUM_RETORTS] = {
    {0, 0, 0, 0, 0, 0, 0},  // Alchemy
    {0, 0, 0, 0, 0, 0, 0},  // Warlord
    {0, 1, 0, 0, 4, 0, 0},  // Chaos Mastery
    {0, 1, 0, 0, 0, 4, 0},  // Nature Mastery
    {0, 1, 0, 0, 0, 0, 4},  // Sorcery Mastery
    {0, 1, 0, 4, 0, 0, 0},  // Infernal Power
    {0, 1, 4, 0, 0, 0, 0},  // Divine Power
    {1, 2, 0, 0, 0, 0, 0},  // Sage Master
    {0, 0, 0, 0, 0, 0, 0},  // Channeler
    {0, 0, 0, 0, 0, 0, 0},  // Myrran
    {4, 1, 0, 0, 0, 0, 0},  // Archmage
    {4, 1, 0, 0, 0, 0, 0},  // Mana Focusing
    {0, 3, 0, 0, 1, 1, 1},  // Node Mastery
    {0, 0, 0, 0, 0, 0, 0},  // Famous
    {2, 3, 0, 0, 0, 0, 0},  // Runemaster
    {0, 0, 0, 0, 0, 0, 0},  // Conjurer
    {0, 0, 0, 0, 0, 0, 0},  // Charismatic
    {0, 0, 0, 0, 0, 0, 0},  // Artificer
};
// clang-format on

int16_t spellpicks_count = NEWGAME_PICKS;
int16_t NEWG_PickError = NPE_NONE;
int16_t NEWG_PickAttempt = 0;

namespace {

constexpr int SLIDERS = 5;
constexpr int RETORT_HELP_RECORDS = 25;
// Slider realms from the top: Life, Death, Chaos, Nature, Sorcery.
constexpr int16_t m_slider_realms[SLIDERS] = {sbr_Life, sbr_Death, sbr_Chaos, sbr_Nature, sbr_Sorcery};
constexpr int16_t m_slider_y[SLIDERS] = {47, 73, 99, 125, 151};
constexpr int16_t m_book_row_y[SLIDERS] = {49, 75, 101, 127, 153};
const char *const m_wsa_realm_names[5] = {"Life", "Death", "Chaos", "Nature", "Sorcery"};

int16_t m_all_picks_made;
int16_t m_bookshelf_life;
int16_t m_bookshelf_death;
int16_t m_bookshelf_chaos;
int16_t m_bookshelf_nature;
int16_t m_bookshelf_sorcery;
int16_t m_previous_field;
int16_t *const m_slider_values[SLIDERS] = {&m_bookshelf_life, &m_bookshelf_death, &m_bookshelf_chaos,
                                           &m_bookshelf_nature, &m_bookshelf_sorcery};

uint8_t *m_background;
uint8_t *m_ok_button;
uint8_t *m_ok_greyed;
uint8_t *m_warn_top;
uint8_t *m_warn_bottom;
uint8_t *m_marker;
int16_t m_ok_field;
int16_t m_slider_fields[SLIDERS];
int16_t m_retort_fields[NUM_RETORTS];
int16_t m_esc_field;

Player_Record &Human(void) { return _players[HUMAN_PLAYER_IDX]; }

int16_t *Realm_Row_Variants(int16_t realm)
{
    switch (realm) {
    case sbr_Death: return TBL_Realm0_Books;
    case sbr_Life: return TBL_Realm1_Books;
    case sbr_Nature: return TBL_Realm2_Books;
    case sbr_Sorcery: return TBL_Realm3_Books;
    default: return TBL_Realm4_Books;
    }
}

int16_t Realm_Need(const WSA_Prerequisite &need, int i)
{
    const int16_t needs[5] = {need.life, need.death, need.chaos, need.nature, need.sorcery};
    return needs[i];
}

void Append(char *text, int size, const char *more)
{
    size_t used = strnlen(text, (size_t)size);
    if ((int)used < size - 1) snprintf(text + used, (size_t)size - used, "%s", more);
}

void Requirement_Text(int16_t retort, char *text, int size)
{
    text[0] = '\0';
    if (retort < 0 || retort >= NUM_RETORTS) return;
    const WSA_Prerequisite &need = wsa_prerequisites[retort];
    char part[64];
    if (need.realms == 1 && need.any_picks == 0) {
        for (int i = 0; i < 5; i++) {
            int16_t n = Realm_Need(need, i);
            if (n <= 0) continue;
            snprintf(part, sizeof part, "%d picks in %s Magic", (int)n, m_wsa_realm_names[i]);
            Append(text, size, part);
        }
    } else if (need.any_picks <= 0) {
        bool first = true;
        for (int i = 0; i < 5; i++) {
            int16_t n = Realm_Need(need, i);
            if (n <= 0) continue;
            snprintf(part, sizeof part, "%s%d pick in %s Magic", first ? "" : ", ", (int)n, m_wsa_realm_names[i]);
            Append(text, size, part);
            first = false;
        }
    } else {
        snprintf(part, sizeof part, "%d pick%s", (int)need.any_picks, need.any_picks < 2 ? " in any " : "s in any ");
        Append(text, size, part);
        if (need.realms < 2) {
            Append(text, size, "Realm of Magic");
        } else {
            snprintf(part, sizeof part, "%d Realms of Magic", (int)need.realms);
            Append(text, size, part);
        }
    }
}

void Load_Pictures(void)
{
    m_background = LBX_Reload_Picture("NEWGAME", 41, _screen_seg);
    m_ok_button = LBX_Reload_Next_Picture("NEWGAME", 42, _screen_seg);
    m_ok_greyed = LBX_Reload_Next_Picture("NEWGAME", 43, _screen_seg);
    Newgame_Load_Book_Pictures();
    m_warn_top = LBX_Reload_Next_Picture("NEWGAME", 44, _screen_seg);
    m_warn_bottom = LBX_Reload_Next_Picture("NEWGAME", 45, _screen_seg);
    m_marker = LBX_Reload_Next_Picture("NEWGAME", 52, _screen_seg);
}

void Add_Fields(void)
{
    m_ok_field = Add_Hidden_Field(251, 181, 282, 196, "", -1);
    for (int i = 0; i < SLIDERS; i++)
        m_slider_fields[i] = Add_Scroll_Field(190, m_slider_y[i], 0, NEWGAME_SLIDER_MAX, 0, NEWGAME_SLIDER_MAX, 96, 22,
                                              m_slider_values[i], "", -1);
    for (int position = 0; position < NUM_RETORTS; position++) {
        int16_t column = (int16_t)(position / 6);
        int16_t row = (int16_t)(position % 6);
        const int16_t x1s[3] = {164, 203, 253};
        const int16_t x2s[3] = {202, 252, 319};
        m_retort_fields[position] =
            Add_Hidden_Field(x1s[column], (int16_t)(5 + 7 * row), x2s[column], (int16_t)(10 + 7 * row), "", -1);
    }
    m_esc_field = Add_Hot_Key("\x1B");
}

void Set_Help(void) { Set_Help_List_From_Entry(33, RETORT_HELP_RECORDS); }

int16_t Slider_Of_Field(int16_t field)
{
    if (field <= 0) return -1;
    for (int i = 0; i < SLIDERS; i++) {
        if (m_slider_fields[i] == field) return (int16_t)i;
    }
    return -1;
}

void Draw_Retort_List(int16_t picks_left)
{
    int16_t held_count = Newgame_Retorts_Held();
    for (int position = 0; position < NUM_RETORTS; position++) {
        int16_t retort = wsa_picklist_order[position];
        int16_t column = (int16_t)(position / 6);
        int16_t row = (int16_t)(position % 6);
        int16_t x = column == 2 ? (int16_t)260 : (int16_t)(171 + 39 * column);
        int16_t y = (int16_t)(5 + 7 * row);
        uint8_t colour;
        if (Human().retorts[retort] != 0) {
            if (!Newgame_Retort_Books_Allow(retort)) continue;  // released by the rule pass before
            int16_t marker_x = column == 2 ? (int16_t)254 : (int16_t)(165 + 39 * column);
            if (m_marker != nullptr) FLIC_Draw(marker_x, (int16_t)(6 + 7 * row), m_marker);
            colour = NEWGAME_SELECTED_COLOUR;
        } else if (!Newgame_Retort_Available(retort, picks_left) || held_count >= NEWGAME_RETORTS_MAX ||
                   picks_left == 0) {
            colour = NEWGAME_GREYED_COLOUR;
        } else {
            colour = NEWGAME_AVAILABLE_COLOUR;
        }
        Newgame_Font_Colour(0, NEWGAME_SHADOW_COLOUR);
        Print((int16_t)(x + 1), (int16_t)(y + 1), wsa_names[retort]);
        Newgame_Font_Colour(0, colour);
        Print(x, y, wsa_names[retort]);
    }
}

void Show_Pending_Error(void)
{
    if (NEWG_PickError == NPE_NONE) return;
    char message[200];
    Newgame_Pick_Error_Message(NEWG_PickError, NEWG_PickAttempt, message, sizeof message);
    STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Screen_4: refused: %s", message);
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    Warn0(message);
    Assign_Auto_Function(Newgame_Screen_4_Draw, 1);
    Set_Help();
    NEWG_PickError = NPE_NONE;
    auto_input_variable = 0;
}

}  // namespace

// ---- rules ----

void Newgame_Picks_Reset(void)
{
    Player_Record &human = Human();
    for (uint8_t &retort : human.retorts) retort = 0;
    for (int16_t &books : human.spellranks) books = 0;
    spellpicks_count = NEWGAME_PICKS;
    m_all_picks_made = 0;
    for (int16_t *value : m_slider_values) *value = 0;
    NEWG_PickError = NPE_NONE;
    NEWG_PickAttempt = 0;
    m_previous_field = 0;
}

int16_t Newgame_Picks_Left(void) { return (int16_t)(NEWGAME_PICKS - Wizard_Picks(HUMAN_PLAYER_IDX)); }

int16_t Newgame_Retorts_Held(void)
{
    int16_t held = 0;
    for (uint8_t retort : Human().retorts) held = (int16_t)(held + (retort != 0 ? 1 : 0));
    return held;
}

int16_t Newgame_Retort_Books_Allow(int16_t retort)
{
    const int16_t *books = Human().spellranks;
    int16_t realms_with_books = 0, realms_with_two = 0, most = 0;
    for (int r = 0; r < NUM_REALMS; r++) {
        if (books[r] > 0) realms_with_books++;
        if (books[r] >= 2) realms_with_two++;
        if (books[r] > most) most = books[r];
    }
    switch (retort) {
    case rtr_Archmage:
    case rtr_Mana_Focusing: return most >= 4 ? 1 : 0;
    case rtr_Sage_Master: return realms_with_books >= 2 ? 1 : 0;
    case rtr_Divine_Power: return books[sbr_Life] >= 4 ? 1 : 0;
    case rtr_Infernal_Power: return books[sbr_Death] >= 4 ? 1 : 0;
    case rtr_Chaos_Mastery: return books[sbr_Chaos] >= 4 ? 1 : 0;
    case rtr_Nature_Mastery: return books[sbr_Nature] >= 4 ? 1 : 0;
    case rtr_Sorcery_Mastery: return books[sbr_Sorcery] >= 4 ? 1 : 0;
    case rtr_Runemaster: return realms_with_two >= 3 ? 1 : 0;
    case rtr_Node_Mastery: return books[sbr_Chaos] >= 1 && books[sbr_Sorcery] >= 1 && books[sbr_Nature] >= 1 ? 1 : 0;
    default: return 1;
    }
}

int16_t Newgame_Retort_Available(int16_t retort, int16_t picks_left)
{
    if (!Newgame_Retort_Books_Allow(retort)) return 0;
    if (Human().retorts[retort] == 0 && picks_left < Retort_Pick_Cost(retort)) return 0;
    return 1;
}

void Newgame_Retort_Click(int16_t retort)
{
    if (retort < 0 || retort >= NUM_RETORTS) return;
    Player_Record &human = Human();
    if (human.retorts[retort] != 0) {
        human.retorts[retort] = 0;
        return;
    }
    int16_t picks_left = Newgame_Picks_Left();
    if (picks_left <= 0) {
        NEWG_PickError = NPE_NO_PICKS_LEFT;
    } else if (Newgame_Retorts_Held() >= NEWGAME_RETORTS_MAX) {
        NEWG_PickError = NPE_SIX_RETORTS;
    } else if (picks_left < Retort_Pick_Cost(retort)) {
        NEWG_PickError = NPE_TOO_FEW_PICKS;
        NEWG_PickAttempt = retort;
    } else {
        human.retorts[retort] = 1;
    }
}

void Newgame_Release_Unallowed_Retorts(void)
{
    Player_Record &human = Human();
    for (int position = 0; position < NUM_RETORTS; position++) {
        int16_t retort = wsa_picklist_order[position];
        if (human.retorts[retort] == 0 || Newgame_Retort_Books_Allow(retort)) continue;
        human.retorts[retort] = 0;
        NEWG_PickError = NPE_REQUIREMENT;
        NEWG_PickAttempt = retort;
    }
}

void Newgame_Slider_Books(int16_t realm, int16_t value, int16_t held_before)
{
    if (realm < 0 || realm >= NUM_REALMS) return;
    int16_t *books = Human().spellranks;
    int16_t before = Newgame_Picks_Left();
    int16_t picks_left = (int16_t)(before + books[realm]);
    books[realm] = 0;
    if (value < 0) value = 0;
    if (value > NEWGAME_SLIDER_MAX) value = NEWGAME_SLIDER_MAX;
    int16_t wanted = (int16_t)(value / 8);
    while (books[realm] < wanted && picks_left > 0) {
        if (realm == sbr_Life && books[sbr_Death] > 0) break;
        if (realm == sbr_Death && books[sbr_Life] > 0) break;
        books[realm]++;
        picks_left--;
    }
    if (books[realm] == wanted && picks_left == 0 && picks_left == before) return;
    if (picks_left == 0 && picks_left == before && !held_before) NEWG_PickError = NPE_NO_PICKS_LEFT;
}

void Newgame_Pick_Error_Message(int16_t error, int16_t retort, char *text, int size)
{
    text[0] = '\0';
    switch (error) {
    case NPE_PICKS_REMAIN:
        snprintf(text, (size_t)size, "You need to make all your picks before you can continue");
        break;
    case NPE_SIX_RETORTS: snprintf(text, (size_t)size, "You may not select more than 6 special abilities"); break;
    case NPE_REQUIREMENT: {
        char requirement[160];
        Requirement_Text(retort, requirement, sizeof requirement);
        snprintf(text, (size_t)size, "To select %s you need:   %s",
                 retort >= 0 && retort < NUM_RETORTS ? wsa_names[retort] : "", requirement);
        break;
    }
    case NPE_LIFE_AND_DEATH: snprintf(text, (size_t)size, "You can not select both Life and Death magic"); break;
    case NPE_NO_PICKS_LEFT: snprintf(text, (size_t)size, "You have already made all your picks"); break;
    case NPE_TOO_FEW_PICKS:
        snprintf(text, (size_t)size, "You don't have enough picks left to make this selection. You need %d picks",
                 retort >= 0 && retort < NUM_RETORTS ? (int)Retort_Pick_Cost(retort) : 2);
        break;
    default: break;
    }
}

void Add_Comma_Or_And_DOD(int16_t *counter, int16_t total, char *text, int size)
{
    *counter = (int16_t)(*counter + 1);
    if (*counter < 2) return;
    Append(text, size, *counter == total ? " and " : ", ");
}

void Newgame_Retort_Line(char *text, int size)
{
    text[0] = '\0';
    int16_t total = Newgame_Retorts_Held();
    if (total == 0) return;
    int16_t counter = 0;
    for (int retort = 0; retort < NUM_RETORTS; retort++) {
        if (Human().retorts[retort] == 0) continue;
        Add_Comma_Or_And_DOD(&counter, total, text, size);
        Append(text, size, wsa_names[retort]);
    }
    Append(text, size, ".");
}

void Draw_Special_Abilities_String(void)
{
    char text[300];
    Newgame_Retort_Line(text, sizeof text);
    if (text[0] == '\0') return;
    int16_t y = Newgame_Retorts_Held() >= NEWGAME_RETORTS_MAX ? (int16_t)178 : (int16_t)180;
    // The paragraph layout marks its line breaks in the text, so each print has its own copy.
    char shadow[300];
    memcpy(shadow, text, sizeof shadow);
    Newgame_Font_Colour(0, NEWGAME_SHADOW_COLOUR);
    Set_Font_LF(1);
    Print_Paragraph(13, (int16_t)(y + 1), 138, shadow, 0);
    Newgame_Font_Colour(0, NEWGAME_TEXT_COLOUR);
    Set_Font_LF(1);
    Print_Paragraph(12, y, 138, text, 0);
}

// ---- the screen ----

void Newgame_Screen_4_Draw(void)
{
    int16_t held_field = auto_input_variable;
    int16_t slider = Slider_Of_Field(held_field);
    if (slider >= 0)
        Newgame_Slider_Books(m_slider_realms[slider], *m_slider_values[slider], m_previous_field == held_field);
    m_previous_field = held_field;
    Newgame_Release_Unallowed_Retorts();
    int16_t picks_left = Newgame_Picks_Left();
    spellpicks_count = picks_left;
    m_all_picks_made = picks_left == 0 ? 1 : 0;

    const Player_Record &human = Human();
    Set_Page_Off();
    if (m_background != nullptr) FLIC_Draw(0, 0, m_background);
    Newgame_Draw_Portrait(human.wizard_id);
    Fill(251, 181, 282, 196, 0);
    for (int i = 0; i < SLIDERS; i++) {
        int16_t realm = m_slider_realms[i];
        const int16_t *variants = Realm_Row_Variants(realm);
        for (int16_t j = 0; j < human.spellranks[realm] && j < NEWGAME_BOOK_SLOTS; j++) {
            uint8_t *picture = Newgame_Book_Picture(realm, variants[j]);
            if (picture != nullptr) FLIC_Draw((int16_t)(197 + 8 * j), m_book_row_y[i], picture);
        }
    }
    Newgame_Draw_Bookshelf(human.spellranks, NEWGAME_SHELF_PICKS_ORDER);

    if (picks_left > 0) {
        if (m_ok_greyed != nullptr) FLIC_Draw(252, 182, m_ok_greyed);
        if (held_field != 0 && held_field == m_ok_field) NEWG_PickError = NPE_PICKS_REMAIN;
    } else if (m_ok_button != nullptr) {
        int16_t pressed = held_field != 0 && held_field == m_ok_field ? 1 : 0;
        FLIC_Draw((int16_t)(252 + pressed), (int16_t)(182 + pressed), m_ok_button);
    }

    Draw_Retort_List(picks_left);

    char picks[16];
    snprintf(picks, sizeof picks, "%d picks", (int)picks_left);
    Newgame_Font_Colour(3, NEWGAME_SHADOW_COLOUR);
    Print_Centered(222, 186, picks);
    Newgame_Font_Colour(3, NEWGAME_TEXT_COLOUR);
    Print_Centered(221, 185, picks);

    Newgame_Draw_Wizard_Name(human.name);
    Draw_Special_Abilities_String();
}

int16_t Newgame_Screen_4(void)
{
    Load_Pictures();
    Set_Mouse_List(1, mouse_list_newgame);
    Clear_Fields();
    Newgame_Picks_Reset();
    Add_Fields();
    Enable_Cancel();
    Assign_Auto_Function(Newgame_Screen_4_Draw, 1);
    Set_Help();

    bool first = true;
    int16_t result = 0;
    while (result == 0) {
        Mark_Time();
        int16_t hit = Get_Input();
        if (hit == m_esc_field || quit_game_flag) {
            result = 3;
            break;
        }
        if (hit > 0 && hit == m_ok_field && m_all_picks_made) {
            result = 5;
            break;
        }
        for (int position = 0; position < NUM_RETORTS; position++) {
            if (hit > 0 && hit == m_retort_fields[position]) Newgame_Retort_Click(wsa_picklist_order[position]);
        }
        int16_t slider = Slider_Of_Field(hit);
        if (slider >= 0) {
            const int16_t *books = Human().spellranks;
            if ((m_slider_realms[slider] == sbr_Life && books[sbr_Death] > 0) ||
                (m_slider_realms[slider] == sbr_Death && books[sbr_Life] > 0))
                NEWG_PickError = NPE_LIFE_AND_DEATH;
        }
        Show_Pending_Error();
        Newgame_Screen_4_Draw();
        Show_Pending_Error();
        Apply_Palette();
        Toggle_Pages();
        if (first) {
            Copy_On_To_Off_Page();
            first = false;
        }
        Release_Time(2);
    }
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Screen_4: %s", result == 5 ? "picks made" : "back");
    return result;
}
