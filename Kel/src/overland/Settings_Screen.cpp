#include "overland/Settings_Screen.h"

#include "Allocate.h"
#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Pictures.h"
#include "STU_GRAF.h"
#include "STU_Log.h"
#include "Video.h"
#include "magic/Spellbook_Pages.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/LOADSAVE.h"

int16_t loadsave_settings_flag = -1;
int16_t load_screen_fade_in_flag = 0;

// The field tops come from a table of thirteen (53, 64, 75, 102, 113, 124, 135, 153, 146, 157,
// 167, 163, 174) of which entries 7 and 10 serve no field; "Movement Animations" has its own 74.
const Settings_Option settings_options[SETTINGS_OPTION_COUNT] = {
    {0, "Sound Effects", 0, 53, 54, 52},
    {1, "Background Music", 0, 64, 65, 63},
    {2, "Event Music", 0, 75, 76, 74},
    {3, "City Spell Events", 0, 102, 103, 101},
    {4, "Overland Spell Events", 0, 113, 114, 112},
    {5, "Summoning Events", 0, 124, 125, 123},
    {6, "End of Turn Summary", 0, 135, 136, 134},
    {7, "Raze City", 0, 146, 147, 145},
    {8, "Random Events", 0, 163, 165, 163},
    {9, "End of Turn Wait", 0, 174, 176, 174},
    {10, "Strategic Combat Only", 1, 53, 54, 52},
    {11, "Auto Unit Information", 1, 64, 65, 63},
    {GS_MOVEMENT_ANIMATIONS, "Movement Animations", 1, 74, 76, 74},
    {12, "Enemy Moves", 1, 102, 103, 101},
    {13, "Enemy Spells", 1, 113, 114, 112},
    {14, "Spell Book Ordering", 1, 124, 125, 123},
    {15, "Spell Animations", 1, 135, 136, 134},
    {16, "Show Node Owners", 1, 146, 147, 145},
    {17, "Expanding Help", 1, 157, 158, 156},
};

namespace {

constexpr int16_t SPELL_BOOK_ORDERING = 14;
constexpr int16_t OK_X1 = 265, OK_Y1 = 175, OK_X2 = 306, OK_Y2 = 189;

uint8_t *m_settings_background;
uint8_t *m_settings_ok;
uint8_t *m_settings_ticked[3];
uint8_t *m_settings_empty[3];
uint8_t *m_settings_pressed[2];
int16_t m_esc_field;
int16_t m_ok_field;
int16_t m_option_fields[SETTINGS_OPTION_COUNT];

void Load_Pictures(void)
{
    m_settings_background = LBX_Reload_Bitmap("LOAD.LBX", 11, _screen_seg);
    m_settings_ok = LBX_Reload_Next_Picture("LOAD.LBX", 4, _screen_seg);
    for (int i = 0; i < 3; i++)
        m_settings_ticked[i] = LBX_Reload_Next_Picture("LOAD.LBX", (int16_t)(13 + i), _screen_seg);
    for (int i = 0; i < 3; i++)
        m_settings_empty[i] = LBX_Reload_Next_Picture("LOAD.LBX", (int16_t)(16 + i), _screen_seg);
    for (int i = 0; i < 2; i++)
        m_settings_pressed[i] = LBX_Reload_Next_Picture("LOAD.LBX", (int16_t)(19 + i), _screen_seg);
}

void Add_Fields(void)
{
    Clear_Fields();
    m_esc_field = Add_Hot_Key("\x1B");
    m_ok_field = Add_Hidden_Field(OK_X1, OK_Y1, OK_X2, OK_Y2, "O", -1);
    for (int i = 0; i < SETTINGS_OPTION_COUNT; i++) {
        int16_t x1, y1, x2, y2;
        Settings_Option_Rect(i, &x1, &y1, &x2, &y2);
        m_option_fields[i] = Add_Hidden_Field(x1, y1, x2, y2, "", -1);
    }
}

}  // namespace

void Settings_Option_Rect(int i, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2)
{
    const Settings_Option &option = settings_options[i];
    *x1 = option.column == 0 ? 31 : 192;
    *x2 = option.column == 0 ? 175 : 310;
    *y1 = option.field_top;
    *y2 = (int16_t)(option.field_top + 9);
}

void Settings_Screen_Toggle(int16_t word)
{
    Game_Settings *settings = magic_set_ptr != nullptr ? magic_set_ptr : &magic_set;
    if (word == GS_MOVEMENT_ANIMATIONS) {
        settings->movement_animations = (uint16_t)(1 - settings->movement_animations);
        return;
    }
    if (word < 0 || word > 17) return;
    settings->words[word] = settings->words[word] != 0 ? 0 : 1;
    if (word == SPELL_BOOK_ORDERING) {
        g_spellbook_last_left_page = 0;
        g_combat_spellbook_left_page = 0;
        g_first_research_page = 0;
    }
}

void Set_Settings_Screen_Help_List(void) { Set_Help_List_From_Entry(34, 21); }

void Settings_Screen_Draw(void)
{
    int16_t under = Scan_Input();
    FLIC_Draw(0, 0, m_settings_background);
    Fill(OK_X1, OK_Y1, OK_X2, OK_Y2, 0);
    Set_Outline_Color(45);
    Set_Font_Style_Shadow_Down(2, 2, 2, 2);
    for (int i = 0; i < SETTINGS_OPTION_COUNT; i++) {
        const Settings_Option &option = settings_options[i];
        int variant = option.word == GS_MOVEMENT_ANIMATIONS ? 0 : option.word % 3;
        uint8_t *box = Game_Settings_Word(option.word) != 0 ? m_settings_ticked[variant] : m_settings_empty[variant];
        FLIC_Draw(option.column == 0 ? 31 : 192, option.box_y, box);
    }
    if (under == m_ok_field)
        FLIC_Draw(267, 177, m_settings_ok);
    else
        FLIC_Draw(266, 176, m_settings_ok);
    for (const Settings_Option &option : settings_options)
        Print(option.column == 0 ? 47 : 208, option.label_y, option.label);
    uint8_t heading_colours[16];
    for (uint8_t &colour : heading_colours) colour = 98;
    Set_Font_Colors_15(3, heading_colours);
    Set_Outline_Color(45);
    Set_Font_Style_Shadow_Down(3, 15, 15, 15);
    Print(31, 42, "Sound and Music");
    Print(31, 92, "Messages");
    Print(192, 42, "Combat");
    Print(192, 92, "Display");
}

void Settings_Screen(void)
{
    Load_Pictures();
    // The file is read again here, so settings changed elsewhere on disk show; a file of the
    // wrong size is not taken (see Read_MAGIC_SET_User).
    char found[64];
    if (STU_GRAF_User_DIR("RAROZ.SET", found) != 0)
        Read_MAGIC_SET_User();
    else
        Set_Default_Game_Settings();
    magic_set_ptr = &magic_set;

    Set_Mouse_List(1, mouse_list_default);
    Add_Fields();
    load_screen_fade_in_flag = 0;
    Assign_Auto_Function(Settings_Screen_Draw, 1);
    Set_Settings_Screen_Help_List();

    bool done = false;
    bool first = true;
    int frames = 0;
    while (!done) {
        int16_t hit = Get_Input();
        Mark_Time();
        if (quit_game_flag || hit == m_esc_field) {
            done = true;
        } else if (hit == m_ok_field) {
            if (Write_MAGIC_SET_User()) {
                STU_LOG(SEV_INFO, LC_KEL_SCR, "Settings_Screen: OK; RAROZ.SET written");
            } else {
                // The options stay in effect for this run; the file on disk keeps the old ones.
                STU_LOG(SEV_ERROR, LC_KEL_SCR,
                        "Settings_Screen: OK, but RAROZ.SET could not be written; it is unchanged");
                LOADSAVE_Warn_Player("The settings could not be saved. They apply until you quit.");
            }
            done = true;
        } else if (hit > 0) {
            for (int i = 0; i < SETTINGS_OPTION_COUNT; i++) {
                if (hit != m_option_fields[i]) continue;
                Settings_Screen_Toggle(settings_options[i].word);
                STU_LOG(SEV_INFO, LC_KEL_SCR, "Settings_Screen: \"%s\" is now %u", settings_options[i].label,
                        (unsigned)Game_Settings_Word(settings_options[i].word));
            }
        }
        if (!done && Unattended_Frame_Done(&frames)) done = true;
        if (!done) {
            Settings_Screen_Draw();
            Toggle_Pages();
            if (first) {
                Copy_On_To_Off_Page();
                first = false;
            }
            Release_Time(1);
        }
    }

    Deactivate_Auto_Function();
    Deactivate_Help_List();
    if (loadsave_settings_flag == 2) current_screen = scr_Load_Screen;
    loadsave_settings_flag = 3;
    magic_set_ptr = nullptr;
}
