#include "newgame/Options_Screen.h"

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
#include "STU_GRAF.h"
#include "STU_Log.h"
#include "Video.h"
#include "newgame/New_Game_Flow.h"
#include "newgame/Wizard_Screens.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"

namespace {

const char *const m_difficulty_labels[5] = {"Intro", "Easy", "Normal", "Hard", "Impossible"};
const char *const m_opponent_labels[4] = {"One", "Two", "Three", "Four"};
const char *const m_landsize_labels[3] = {"Small", "Medium", "Large"};
const char *const m_magic_labels[3] = {"Weak", "Normal", "Powerful"};

constexpr int16_t OPTION_X1 = 250, OPTION_X2 = 315;
constexpr int16_t m_option_field_tops[NEWGAME_OPTIONS] = {38, 65, 92, 119};
constexpr int16_t m_option_button_tops[NEWGAME_OPTIONS] = {39, 66, 93, 120};
constexpr int16_t m_option_text_y[NEWGAME_OPTIONS] = {43, 71, 97, 124};
constexpr uint8_t SHADOW_COLOUR = 31;
constexpr uint8_t TEXT_COLOUR = 187;

uint8_t *m_background;
uint8_t *m_overlay;
uint8_t *m_ok_button;
uint8_t *m_quit_button;
uint8_t *m_option_buttons[NEWGAME_OPTIONS];
int16_t m_ok_field;
int16_t m_quit_field;
int16_t m_option_fields[NEWGAME_OPTIONS];

uint16_t &Option_Word(int16_t option) { return magic_set.words[NEWGAME_OPTIONS_FIRST_WORD + option]; }

void Load_Pictures(void)
{
    m_background = LBX_Reload_Picture("NEWGAME", 0, _screen_seg);
    m_overlay = LBX_Reload_Next_Picture("NEWGAME", 1, _screen_seg);
    m_ok_button = LBX_Reload_Next_Picture("NEWGAME", 2, _screen_seg);
    m_quit_button = LBX_Reload_Next_Picture("NEWGAME", 3, _screen_seg);
    for (int i = 0; i < NEWGAME_OPTIONS; i++)
        m_option_buttons[i] = LBX_Reload_Next_Picture("NEWGAME", (int16_t)(4 + i), _screen_seg);
}

void Add_Fields(void)
{
    m_ok_field = Add_Button_Field(252, 179, "", m_ok_button, "", -1);
    m_quit_field = Add_Button_Field(171, 179, "", m_quit_button, "\x1B", -1);
    for (int i = 0; i < NEWGAME_OPTIONS; i++) {
        int16_t top = m_option_field_tops[i];
        m_option_fields[i] = Add_Hidden_Field(OPTION_X1, top, OPTION_X2, (int16_t)(top + 16), "", -1);
    }
}

void Clear_Both_Pages(void)
{
    Set_Page_On();
    Fill(0, 0, 319, 199, 0);
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
}

}  // namespace

void Newgame_Options_Read_Settings(void)
{
    // Only a whole settings file is taken; a short, long or absent one gives the defaults.
    char found[GRAF_PATH_MAX];
    if (STU_GRAF_User_DIR("RAROZ.SET", found) == 0 || Read_MAGIC_SET_User() != 1) Set_Default_Game_Settings();
    Newgame_Options_Repair();
}

void Newgame_Options_Repair(void)
{
    if (Option_Word(NGO_DIFFICULTY) > 4) Option_Word(NGO_DIFFICULTY) = 0;
    if (Option_Word(NGO_OPPONENTS) < 1 || Option_Word(NGO_OPPONENTS) > 4) Option_Word(NGO_OPPONENTS) = 1;
    if (Option_Word(NGO_LAND_SIZE) > 2) Option_Word(NGO_LAND_SIZE) = 0;
    if (Option_Word(NGO_MAGIC) > 2) Option_Word(NGO_MAGIC) = 0;
}

void Newgame_Options_Step(int16_t option)
{
    uint16_t &word = Option_Word(option);
    switch (option) {
    case NGO_DIFFICULTY: word = word >= 4 ? 0 : (uint16_t)(word + 1); break;
    case NGO_OPPONENTS: word = word >= 4 ? 1 : (uint16_t)(word + 1); break;
    case NGO_LAND_SIZE:
    case NGO_MAGIC: word = word >= 2 ? 0 : (uint16_t)(word + 1); break;
    default: break;
    }
}

const char *Newgame_Option_Label(int16_t option)
{
    uint16_t word = Option_Word(option);
    switch (option) {
    case NGO_DIFFICULTY: return m_difficulty_labels[word <= 4 ? word : 0];
    case NGO_OPPONENTS: return m_opponent_labels[word >= 1 && word <= 4 ? word - 1 : 0];
    case NGO_LAND_SIZE: return m_landsize_labels[word <= 2 ? word : 0];
    case NGO_MAGIC: return m_magic_labels[word <= 2 ? word : 0];
    default: return "";
    }
}

void Newgame_Options_Accept(void)
{
    if (Write_MAGIC_SET_User() != 1)
        STU_LOG(SEV_ERROR, LC_NEWGAME,
                "Newgame_Screen_0: RAROZ.SET could not be written; the choices apply to this game");
    Randomize_Book_Heights();
    _landsize = (int16_t)Option_Word(NGO_LAND_SIZE);
    _magic = (int16_t)Option_Word(NGO_MAGIC);
    _num_players = (int16_t)(Option_Word(NGO_OPPONENTS) + 1);
    _difficulty = (int16_t)Option_Word(NGO_DIFFICULTY);
    STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Screen_0: difficulty %d, wizards %d, land size %d, magic %d",
            (int)_difficulty, (int)_num_players, (int)_landsize, (int)_magic);
}

void Set_Newgame_Screen_0_Help_List(void) { Set_Help_List_From_Entry(29, 6); }

void Newgame_Screen_0_Draw(void)
{
    int16_t under = Scan_Input();
    Set_Page_Off();
    if (m_background != nullptr) FLIC_Draw(0, 0, m_background);
    Fill(250, 38, 315, 54, 0);
    Fill(250, 65, 315, 82, 0);
    Fill(250, 92, 315, 107, 0);
    Fill(250, 119, 315, 134, 0);
    Fill(251, 178, 315, 193, 0);
    Fill(170, 178, 234, 193, 0);
    if (m_overlay != nullptr) FLIC_Draw(165, 0, m_overlay);
    for (int i = 0; i < NEWGAME_OPTIONS; i++) {
        int16_t pressed = under == m_option_fields[i] ? 1 : 0;
        int16_t top = m_option_button_tops[i];
        if (m_option_buttons[i] != nullptr)
            FLIC_Draw((int16_t)(251 + pressed), (int16_t)(top + pressed), m_option_buttons[i]);
        const char *label = Newgame_Option_Label((int16_t)i);
        int16_t y = m_option_text_y[i];
        Newgame_Font_Colour(3, SHADOW_COLOUR);
        Print_Centered((int16_t)(283 + pressed), (int16_t)(y + pressed), label);
        Newgame_Font_Colour(3, TEXT_COLOUR);
        Print_Centered((int16_t)(282 + pressed), (int16_t)(y - 1 + pressed), label);
    }
}

int16_t Newgame_Screen_0(void)
{
    Fade_Out();
    Clear_Both_Pages();
    Load_Palette(0, -1, 0);
    Load_Pictures();
    Newgame_Options_Read_Settings();

    Set_Mouse_List(1, mouse_list_newgame);
    Clear_Fields();
    Clear_Both_Pages();
    Add_Fields();
    Assign_Auto_Function(Newgame_Screen_0_Draw, 1);
    Set_Newgame_Screen_0_Help_List();

    bool first = true;
    for (;;) {
        int16_t hit = Get_Input();
        Mark_Time();
        if (hit == m_quit_field || quit_game_flag) {
            Deactivate_Auto_Function();
            Deactivate_Help_List();
            return NEWGAME_BACK;
        }
        if (hit == m_ok_field) {
            Deactivate_Auto_Function();
            Deactivate_Help_List();
            Newgame_Options_Accept();
            return 1;
        }
        for (int i = 0; i < NEWGAME_OPTIONS; i++) {
            if (hit == m_option_fields[i]) Newgame_Options_Step((int16_t)i);
        }
        Newgame_Screen_0_Draw();
        Toggle_Pages();
        if (first) {
            Copy_On_To_Off_Page();
            Fade_In();
            first = false;
        }
        Release_Time(2);
    }
}
