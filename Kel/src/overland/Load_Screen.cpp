#include "overland/Load_Screen.h"

#include <cstdio>

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
#include "Pictures.h"
#include "STU_GRAF.h"
#include "STU_Log.h"
#include "Video.h"
#include "overland/Main_Screen.h"
#include "overland/Resume_Game.h"
#include "overland/Settings_Screen.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/Game_Settings.h"
#include "world/LOADSAVE.h"

int16_t save_game_slots__ovr160[LOAD_SCREEN_SLOTS + 1];
int16_t save_game_count__ovr160 = 0;
int16_t selected_save_game_slot_idx = -1;
int16_t selected_load_game_slot_idx = -1;

namespace {

constexpr int16_t NAME_X = 43;
constexpr int16_t NAME_Y = 47;
constexpr int16_t NAME_ROW = 15;
constexpr int16_t NAME_WIDTH = 260;
constexpr int16_t BUTTON_Y = 171;
constexpr int16_t QUIT_X = 43, LOAD_X = 83, SAVE_X = 122, OK_X = 231, SETTINGS_X = 172;

uint8_t *m_background;
uint8_t *m_quit_button;
uint8_t *m_load_button;
uint8_t *m_save_button;
uint8_t *m_ok_button;
uint8_t *m_load_greyed;
uint8_t *m_save_greyed;
uint8_t *m_name_fill;
uint8_t *m_name_marker;
uint8_t *m_settings_button;

int16_t m_esc_field;
int16_t m_quit_field;
int16_t m_load_field;
int16_t m_save_field;
int16_t m_ok_field;
int16_t m_settings_field;
int16_t m_name_fields[LOAD_SCREEN_SLOTS];

void Load_Pictures(void)
{
    m_background = LBX_Reload_Bitmap("LOAD.LBX", 0, _screen_seg);
    m_quit_button = LBX_Reload_Next_Picture("LOAD.LBX", 2, _screen_seg);
    m_load_button = LBX_Reload_Next_Picture("LOAD.LBX", 1, _screen_seg);
    m_save_button = LBX_Reload_Next_Picture("LOAD.LBX", 3, _screen_seg);
    m_ok_button = LBX_Reload_Next_Picture("LOAD.LBX", 4, _screen_seg);
    m_load_greyed = LBX_Reload_Next_Picture("LOAD.LBX", 6, _screen_seg);
    m_save_greyed = LBX_Reload_Next_Picture("LOAD.LBX", 7, _screen_seg);
    m_name_fill = LBX_Reload_Next_Picture("LOAD.LBX", 9, _screen_seg);
    m_name_marker = LBX_Reload_Next_Picture("LOAD.LBX", 10, _screen_seg);
    m_settings_button = LBX_Reload_Next_Picture("LOAD.LBX", 12, _screen_seg);
}

void Add_Fields(void)
{
    Clear_Fields();
    m_esc_field = Add_Hot_Key("\x1B");
    m_quit_field = Add_Hidden_Field(43, 171, 82, 184, "", -1);
    m_load_field = Add_Hidden_Field(83, 171, 121, 184, "", -1);
    m_save_field = Add_Hidden_Field(122, 171, 159, 184, "", -1);
    m_ok_field = Add_Hidden_Field(231, 171, 270, 184, "", -1);
    m_settings_field = Add_Hidden_Field(172, 171, 229, 184, "", -1);
    Set_Font_Style(3, 1, 3, 0);
    for (int16_t slot = 0; slot < LOAD_SCREEN_SLOTS; slot++) {
        m_name_fields[slot] =
            Add_Continuous_String_Input_Field(NAME_X, (int16_t)(NAME_Y + NAME_ROW * slot), NAME_WIDTH,
                                              magic_set.save_names[slot], SAVE_SLOT_NAME_SIZE, 0, m_name_marker, -1, 0);
    }
}

// The button's picture, a pixel right and down while the pointer is over its field.
void Draw_Button(int16_t x, uint8_t *picture, int16_t field, int16_t under)
{
    int16_t shift = (under == field) ? 1 : 0;
    FLIC_Draw((int16_t)(x + shift), (int16_t)(BUTTON_Y + shift), picture);
}

// While a press on a name field is held the input loop does not return; the field being edited
// names the slot all the same, so the selection (and the buttons drawn) follow it at once.
void Follow_Edited_Slot(void)
{
    if (!input_field_active) return;
    for (int16_t k = 0; k < LOAD_SCREEN_SLOTS; k++) {
        if (active_input_field_number == m_name_fields[k] && selected_save_game_slot_idx != k)
            Load_Screen_Select_Slot(k);
    }
}

void Prepare_Pages(void)
{
    Fade_Out();
    Set_Page_On();
    Fill(0, 0, 319, 199, 0);
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
}

void Leave_For_Main_Screen(void)
{
    _page_flip_effect = 2;
    Prepare_Pages();
    Load_Palette(0, -1, 0);
    Set_Palette_Changes(0, 255);
    Calculate_Remap_Colors();
    Cycle_Palette_Color(198, 40, 0, 0, 63, 0, 0, 1);
}

}  // namespace

int16_t Load_Screen_Slot_Found(int16_t slot)
{
    for (int16_t i = 0; i < save_game_count__ovr160; i++) {
        if (save_game_slots__ovr160[i] == slot) return 1;
    }
    return 0;
}

void Load_Screen_Find_Slots(void)
{
    save_game_count__ovr160 = 0;
    for (int16_t k = 1; k <= LOAD_SCREEN_SLOTS; k++) {
        char name[16];
        char found[64];
        snprintf(name, sizeof(name), "SAVE%d.GAM", k);
        if (STU_GRAF_User_DIR(name, found) != 0) save_game_slots__ovr160[save_game_count__ovr160++] = (int16_t)(k - 1);
    }
    save_game_slots__ovr160[save_game_count__ovr160] = -1;
    selected_save_game_slot_idx = -1;
    selected_load_game_slot_idx = -1;
}

void Load_Screen_Select_Slot(int16_t slot)
{
    if (slot < 0 || slot >= LOAD_SCREEN_SLOTS) return;
    selected_save_game_slot_idx = slot;
    selected_load_game_slot_idx = Load_Screen_Slot_Found(slot) ? slot : (int16_t)-1;
}

int16_t Load_Screen_Load_Selected(void)
{
    if (selected_load_game_slot_idx < 0) return 0;
    if (Load_SAVE_GAM(selected_load_game_slot_idx)) return 1;
    STU_LOG(SEV_ERROR, LC_KEL_SCR, "Load_Screen: SAVE%d.GAM was not loaded (%s); the game in memory is kept",
            selected_load_game_slot_idx + 1, Load_SAVE_GAM_Refusal());
    LOADSAVE_Warn_Player("That saved game cannot be loaded. The game in memory is unchanged.");
    return 0;
}

int16_t Load_Screen_Save_Continue(void)
{
    if (!Screen_Control_Game_Played()) {
        STU_LOG(SEV_INFO, LC_KEL_SCR, "Load_Screen: no game in memory; SAVE9.GAM is kept as it is");
        return 0;
    }
    return Save_SAVE_GAM(SAVE_GAM_SLOT_CONTINUE);
}

int16_t Load_Screen_Save_Selected(void)
{
    if (selected_save_game_slot_idx < 0) return 0;
    if (!Screen_Control_Game_Played()) {
        STU_LOG(SEV_INFO, LC_KEL_SCR, "Load_Screen: no game in memory; SAVE%d.GAM is kept as it is",
                selected_save_game_slot_idx + 1);
        LOADSAVE_Warn_Player("There is no game in play to save.");
        return 0;
    }
    return Save_SAVE_GAM(selected_save_game_slot_idx);
}

void Set_Load_Screen_Help_List(void) { Set_Help_List_From_Entry(27, 6); }

void Load_Screen_Draw(void)
{
    Follow_Edited_Slot();
    int16_t under = Scan_Input();
    Fill(0, 0, 319, 199, 0);
    FLIC_Draw(0, 0, m_background);
    Fill(42, 170, 160, 184, 0);
    Fill(171, 170, 271, 184, 0);
    for (int16_t i = 0; i < save_game_count__ovr160; i++) {
        FLIC_Draw(NAME_X, (int16_t)(NAME_Y + NAME_ROW * save_game_slots__ovr160[i]), m_name_fill);
    }
    Draw_Button(QUIT_X, m_quit_button, m_quit_field, under);
    Draw_Button(SETTINGS_X, m_settings_button, m_settings_field, under);
    Draw_Button(LOAD_X, selected_load_game_slot_idx >= 0 ? m_load_button : m_load_greyed, m_load_field, under);
    Draw_Button(SAVE_X, selected_save_game_slot_idx >= 0 ? m_save_button : m_save_greyed, m_save_field, under);
    Draw_Button(OK_X, m_ok_button, m_ok_field, under);
    uint8_t colours[16];
    for (uint8_t &colour : colours) colour = 171;
    colours[0] = 34;
    colours[1] = 43;
    Set_Font_Colors_15(1, colours);
    Set_Font_Style(1, 15, 15, 15);
    Print_Centered(160, 193, "Name a slot and Save, or pick one and Load.");
}

void Load_Screen(void)
{
    load_screen_fade_in_flag = 1;
    if (loadsave_settings_flag != 3) {
        Prepare_Pages();
        Load_Palette(1, -1, 0);
        Apply_Palette();
    }
    Load_Pictures();
    Load_Screen_Find_Slots();
    Set_Mouse_List(1, mouse_list_default);
    Add_Fields();
    Assign_Auto_Function(Load_Screen_Draw, 1);
    Set_Load_Screen_Help_List();

    int16_t game_loaded = 0;
    int frames = 0;
    for (;;) {
        int16_t hit = Get_Input();
        Mark_Time();
        if (quit_game_flag) {
            current_screen = scr_Quit_To_DOS;
            break;
        }
        for (int16_t k = 0; k < LOAD_SCREEN_SLOTS; k++) {
            if (hit != 0 && hit == m_name_fields[k]) Load_Screen_Select_Slot(k);
        }
        Follow_Edited_Slot();
        if (hit == m_quit_field) {
            loadsave_settings_flag = -1;
            Load_Screen_Save_Continue();
            current_screen = scr_Main_Menu_Screen;
            break;
        }
        if (hit == m_ok_field || hit == m_esc_field || hit == -1) {
            loadsave_settings_flag = -1;
            break;
        }
        if (hit == m_load_field && selected_load_game_slot_idx >= 0) {
            loadsave_settings_flag = -1;
            if (Load_Screen_Load_Selected()) {
                Deactivate_Help_List();
                game_loaded = 1;
                current_screen = scr_Main_Screen;
                break;
            }
        }
        if (hit == m_save_field && selected_save_game_slot_idx >= 0) {
            loadsave_settings_flag = -1;
            Load_Screen_Save_Selected();
            break;
        }
        if (hit == m_settings_field) {
            loadsave_settings_flag = 2;
            Deactivate_Auto_Function();
            Deactivate_Help_List();
            Settings_Screen();
            if (quit_game_flag) current_screen = scr_Quit_To_DOS;
            break;
        }
        if (Unattended_Frame_Done(&frames)) {
            loadsave_settings_flag = -1;
            break;
        }
        Load_Screen_Draw();
        Toggle_Pages();
        if (load_screen_fade_in_flag) {
            Copy_On_To_Off_Page();
            if (loadsave_settings_flag != 3) Fade_In();
            load_screen_fade_in_flag = 0;
        }
        Release_Time(1);
    }

    Clear_Fields();
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    if (current_screen != scr_Main_Menu_Screen && current_screen != scr_Quit_To_DOS) {
        if (loadsave_settings_flag == -1) current_screen = previous_screen;
        if (game_loaded) current_screen = scr_Main_Screen;
    }
    if (current_screen == scr_Main_Screen) Leave_For_Main_Screen();
    if (game_loaded) {
        Loaded_Game_Update();
        // A loaded game has had its turn-0 offer to name the starting city.
        _given_chance_to_rename_home_city = 1;
    }
}
