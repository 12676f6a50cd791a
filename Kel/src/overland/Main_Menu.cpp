#include "overland/Main_Menu.h"

#include <cstdio>
#include <cstring>

#include "Animation.h"
#include "Fields.h"
#include "File_Access.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Load.h"
#include "Palette.h"
#include "Pictures.h"
#include "Replay.h"
#include "STU_GRAF.h"
#include "STU_Log.h"
#include "Video.h"
#include "overland/Game_Resources.h"
#include "overland/Intro_And_Credits.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/Game_Settings.h"

int16_t main_menu_screen_loaded = 0;
int16_t save_game_slots[MAIN_MENU_SAVE_SLOTS];
int16_t save_game_count = 0;
int16_t cont_flag = 0;
int16_t load_flag = 0;
int16_t screen_change = 0;
int16_t current_menu_screen = mm_None;
int16_t _continue_button = -1000, _load_button = -1000, _new_button = -1000, _hof_button = -1000, _quit_button = -1000;
int16_t _continue_hotkey = -1000, _load_hotkey = -1000, _new_hotkey = -1000, _hof_hotkey = -1000, _quit_hotkey = -1000,
        _esc_hotkey = -1000;
Mouse_List_Entry mouse_list_mainmenu[1] = {{1, 0, 0, 0, 319, 199}};

namespace {

constexpr int16_t ENTRY_X1 = 108;
constexpr int16_t ENTRY_X2 = 211;
constexpr int16_t PICTURE_X = 123;
constexpr int MENU_HELP_RECORDS = 5;

// Help records of the entries: 0 Load, 1 Continue, 2 New Game, 3 Hall of Fame, 4 Quit.
void Set_Help_Record(int index, int16_t help, int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    _help_entries[index] = Help_Entry{help, x1, y1, x2, y2};
}

void Draw_Entry(int16_t field, int16_t under, int16_t x, int16_t y, uint8_t *picture)
{
    if (field == -1000 || picture == nullptr) return;
    Set_Animation_Frame(picture, field == under ? 0 : 1);
    FLIC_Draw(x, y, picture);
}

}  // namespace

void Main_Menu_Load_Pictures(void)
{
    if (main_menu_screen_loaded) return;
    // Start-up loads the front end's pictures; a run that skipped that loads them here.
    if (mainmenu_top == nullptr) Load_DOD_Resources();
    main_menu_screen_loaded = 1;
}

void Main_Menu_Find_Saved_Games(void)
{
    save_game_count = 0;
    cont_flag = 0;
    // Absent slots are the usual case: one line lists them.
    char absent[MAIN_MENU_SAVE_SLOTS * 12 + 1] = "";
    for (int n = 1; n <= MAIN_MENU_SAVE_SLOTS; n++) {
        char name[16];
        char found[GRAF_PATH_MAX];
        snprintf(name, sizeof name, "SAVE%d.GAM", n);
        if (STU_GRAF_User_DIR(name, found) == 0) {
            size_t used = strlen(absent);
            snprintf(absent + used, sizeof absent - used, "%s%s", used > 0 ? " " : "", name);
            continue;
        }
        if (n == MAIN_MENU_SAVE_SLOTS)
            cont_flag = 1;
        else
            save_game_slots[save_game_count++] = (int16_t)n;
    }
    load_flag = save_game_count > 0 ? 1 : 0;
    if (absent[0] != '\0') STU_LOG(SEV_INFO, LC_MAINMENU, "Main_Menu_Find_Saved_Games: no saved game in %s", absent);
}

void Main_Menu_Add_Entry_Fields(void)
{
    _continue_button = _load_button = -1000;
    _continue_hotkey = _load_hotkey = -1000;
    for (int i = 0; i < MENU_HELP_RECORDS; i++) Set_Help_Record(i, -1, 0, 0, 0, 0);

    if (cont_flag) {
        int16_t d = load_flag ? 0 : 1;
        int16_t y1 = (int16_t)(138 + 12 * d), y2 = (int16_t)(149 + 12 * d);
        _continue_button = Add_Hidden_Field(ENTRY_X1, y1, ENTRY_X2, y2, "C", -1);
        _continue_hotkey = _continue_button;
        Set_Help_Record(1, 628, ENTRY_X1, y1, ENTRY_X2, y2);
    }
    if (load_flag) {
        _load_button = Add_Hidden_Field(ENTRY_X1, 150, ENTRY_X2, 161, "L", -1);
        _load_hotkey = _load_button;
        Set_Help_Record(0, 629, ENTRY_X1, 148, ENTRY_X2, 162);
    }
    _new_button = Add_Hidden_Field(ENTRY_X1, 162, ENTRY_X2, 173, "N", -1);
    _new_hotkey = _new_button;
    Set_Help_Record(2, 630, ENTRY_X1, 162, ENTRY_X2, 173);
    _hof_button = Add_Hidden_Field(ENTRY_X1, 174, ENTRY_X2, 185, "H", -1);
    _hof_hotkey = _hof_button;
    Set_Help_Record(3, 798, ENTRY_X1, 174, ENTRY_X2, 185);
    _quit_button = Add_Hidden_Field(ENTRY_X1, 186, ENTRY_X2, 199, "Q", -1);
    _quit_hotkey = _quit_button;
    _esc_hotkey = Add_Hot_Key("\x1B");
    Set_Help_Record(4, 631, ENTRY_X1, 186, ENTRY_X2, 199);
}

int16_t Main_Menu_Select(int16_t hit)
{
    if (hit <= 0) return mm_None;
    if (hit == _continue_button) {
        current_screen = scr_Continue;
        return mm_Continue;
    }
    if (hit == _load_button) {
        current_screen = scr_Load_Screen;
        return mm_Load;
    }
    if (hit == _new_button) {
        current_screen = scr_New_Game_Screen;
        return mm_New_Game;
    }
    if (hit == _quit_button || hit == _esc_hotkey) {
        current_screen = scr_Quit_To_DOS;
        return mm_Quit;
    }
    if (hit == _hof_button) {
        current_screen = scr_Hall_Of_Fame_Screen;
        return mm_Hall_Of_Fame;
    }
    return mm_None;
}

void Main_Menu_Screen_Draw(void)
{
    int16_t under = Scan_Input();
    Set_Page_Off();
    Fill(0, 0, 319, 199, 0);
    // Every frame from the first up to the current one is drawn, so frames that change only part
    // of the title build on those before; each pass moves the title on by one frame.
    if (mainmenu_top != nullptr) {
        int16_t current = (int16_t)FLIC_Get_CurrentFrame(mainmenu_top);
        for (int16_t frame = 0; frame <= current; frame++) {
            Set_Animation_Frame(mainmenu_top, frame);
            FLIC_Draw(0, 0, mainmenu_top);
        }
    }
    if (mainmenu_bot != nullptr) FLIC_Draw(0, 41, mainmenu_bot);
    if (!screen_change) Draw_Credits();
    int16_t continue_y = load_flag ? 141 : 153;
    Draw_Entry(_continue_button, under, PICTURE_X, continue_y, mainmenu_c);
    Draw_Entry(_load_button, under, PICTURE_X, 153, mainmenu_l);
    Draw_Entry(_new_button, under, PICTURE_X, 165, mainmenu_n);
    Draw_Entry(_hof_button, under, PICTURE_X, 177, mainmenu_h);
    Draw_Entry(_quit_button, under, PICTURE_X, 189, mainmenu_q);
}

void Main_Menu_Add_Fields(void)
{
    Clear_Fields();
    _continue_hotkey = Add_Hot_Key("C");
    _load_hotkey = Add_Hot_Key("L");
    _new_hotkey = Add_Hot_Key("N");
    _hof_hotkey = Add_Hot_Key("H");
    _quit_hotkey = Add_Hot_Key("Q");
    _esc_hotkey = Add_Hot_Key("\x1B");
}

void UU_HLP_Load_MainMenu(void) { Set_Help_List_From_Entry(25, 4); }

void Main_Menu_Screen_Control(void)
{
    char found[GRAF_PATH_MAX];
    (void)DIR("CONFIG.KEL", found);
    while (Main_Menu_Screen() != mm_Quit) {
    }
}

int16_t Main_Menu_Screen(void)
{
    Main_Menu_Load_Pictures();
    cont_flag = 0;
    load_flag = 0;
    screen_change = 1;

    Set_Page_Off();
    Fill(0, 0, 319, 199, 7);
    Set_Page_On();
    Fill(0, 0, 319, 199, 3);
    Set_Page_Off();
    Load_Palette(2, -1, 0);
    Load_MAGIC_SET();

    Main_Menu_Find_Saved_Games();
    Clear_Fields();
    Main_Menu_Add_Entry_Fields();

    Set_Mouse_List(1, mouse_list_mainmenu);
    Save_Mouse_On_Page(Pointer_X(), Pointer_Y());
    if (!mouse_enabled) Center_Emulated_Pointer_On_Field(_new_button);
    current_menu_screen = mm_None;
    Assign_Auto_Function(Main_Menu_Screen_Draw, 2);
    Set_Help_List(_help_entries, MENU_HELP_RECORDS);
    Set_Input_Delay(4);
    Platform_Demo_Reset_Idle_Timer();

    int frames = 0;
    while (current_menu_screen == mm_None) {
        Mark_Time();
        if (!Platform_Replay_Active() && Platform_Demo_Idle_Expired(MAIN_MENU_DEMO_IDLE_MS)) {
            if (Platform_Demo_Start() == 0) STU_LOG(SEV_INFO, LC_REPLAY, "DEMO: auto-started after idle timeout");
            Platform_Demo_Reset_Idle_Timer();
        }
        int16_t hit = Get_Input();
        if (hit != 0) {
            Platform_Demo_Reset_Idle_Timer();
            frames = 0;
        }
        if (quit_game_flag) {
            current_screen = scr_Quit_To_DOS;
            current_menu_screen = mm_Quit;
            break;
        }
        current_menu_screen = Main_Menu_Select(hit);
        if (current_menu_screen != mm_None) break;

        Main_Menu_Screen_Draw();
        Toggle_Pages();
        if (screen_change) {
            Fade_In();
            Copy_On_To_Off_Page();
            screen_change = 0;
        }
        Release_Time(2);
        if (Unattended_Frame_Done(&frames)) {
            STU_LOG(SEV_INFO, LC_MAINMENU, "Main_Menu_Screen: unattended headless run; quitting");
            current_screen = scr_Quit_To_DOS;
            current_menu_screen = mm_Quit;
        }
    }

    STU_LOG(SEV_INFO, LC_MAINMENU, "Main_Menu_Screen: entry %d chosen, next screen %d", (int)current_menu_screen,
            (int)current_screen);
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    return current_menu_screen;
}
