#include "dev/PoC_Screen.h"

#include <cstdio>

#include "Dialog_Boxes.h"
#include "Expanding_Box.h"
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
#include "shell/Screen_Control.h"

char m_poc_text[POC_TEXT_SIZE] = "";
int16_t m_poc_last_answer = -1;

namespace {

constexpr int16_t POC_ASK_X = 20, POC_ASK_Y = 40;
constexpr int16_t POC_TEXT_X = 20, POC_TEXT_Y = 90, POC_TEXT_WIDTH = 140;
constexpr int16_t POC_HELP_X1 = 200, POC_HELP_Y1 = 120, POC_HELP_X2 = 300, POC_HELP_Y2 = 180;
const uint8_t m_cursor_ramp[16] = {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 1};
const char *const m_choices[13] = {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf",
                                   "Hotel", "India", "Juliett", "Kilo",  "Lima", ""};

Help_Entry m_poc_help[1] = {{0, POC_HELP_X1, POC_HELP_Y1, POC_HELP_X2, POC_HELP_Y2}};
uint8_t *m_ask_picture = nullptr;
// Shown in the notification's frame; loaded once, outside the block the boxes reload.
uint8_t *m_notify_picture = nullptr;
int16_t m_poc_last_choice = -2;

void Load_Pictures(void) { m_ask_picture = LBX_Reload_Picture("RESOURCE", 3, Box_Picture_Block()); }

}  // namespace

void PoC_Screen_Draw(void)
{
    Set_Page_Off();
    Fill(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, 1);
    Set_Font_Style(4, 4, 15, 0);
    Print_Centered(160, 8, "Tolva PoC");
    Set_Font_Style(1, 4, 15, 0);
    Print(POC_ASK_X + 70, POC_ASK_Y + 3, "Ask (A)");
    Print(20, 62, "W warning, S selection, Q quit");
    Print(20, 72, "N and M notifications");
    Print(POC_TEXT_X, POC_TEXT_Y - 10, "Text:");
    Fill(POC_HELP_X1, POC_HELP_Y1, POC_HELP_X2, POC_HELP_Y2, 3);
    Print(POC_HELP_X1 + 4, POC_HELP_Y1 + 4, "Help area");
    char status[64];
    std::snprintf(status, sizeof(status), "Answer: %s",
                  m_poc_last_answer < 0 ? "-" : (m_poc_last_answer == 1 ? "Yes" : "No"));
    Print(20, 120, status);
    std::snprintf(status, sizeof(status), "Choice: %d", (int)m_poc_last_choice);
    Print(20, 132, status);
}

void PoC_Screen(void)
{
    STU_LOG(SEV_INFO, LC_KEL_SCR, "[PoC] screen entered");
    Load_Pictures();
    Set_Mouse_List(1, mouse_list_default);
    Set_Help_List(m_poc_help, 1);
    bool leave = false;
    while (!leave && !quit_game_flag) {
        Clear_Fields();
        int16_t ask = Add_Button_Field(POC_ASK_X, POC_ASK_Y, "Ask", m_ask_picture, "A", -1);
        int16_t text = Add_Input_Field(POC_TEXT_X, POC_TEXT_Y, POC_TEXT_WIDTH, m_poc_text, POC_TEXT_SIZE - 1, 2, 0, 0,
                                       m_cursor_ramp, "", -1);
        int16_t warn = Add_Hot_Key("W");
        int16_t select = Add_Hot_Key("S");
        int16_t quit = Add_Hot_Key("Q");
        int16_t notify = Add_Hot_Key("N");
        int16_t notify_left = Add_Hot_Key("M");
        const char escape[2] = {27, 0};
        int16_t back = Add_Hot_Key(escape);
        Assign_Auto_Function(PoC_Screen_Draw, 2);
        bool refields = false;
        while (!refields && !leave && !quit_game_flag) {
            Mark_Time();
            int16_t input = Get_Input();
            if (input == ask) {
                m_poc_last_answer = Confirmation_Box("Do you want to go on with the test?");
                STU_LOG(SEV_INFO, LC_KEL_SCR, "[PoC] confirmation answer %d", (int)m_poc_last_answer);
                Load_Pictures();
                refields = true;
            } else if (input == text) {
                STU_LOG(SEV_INFO, LC_KEL_SCR, "[PoC] text field: \"%s\"", m_poc_text);
            } else if (input == warn) {
                Warn0("This is a warning.");
                Load_Pictures();
                refields = true;
            } else if (input == select) {
                m_poc_last_choice = Selection_Box(10, m_choices, 0, "Choose");
                STU_LOG(SEV_INFO, LC_KEL_SCR, "[PoC] selection %d", (int)m_poc_last_choice);
                Load_Pictures();
                refields = true;
            } else if (input == notify || input == notify_left) {
                if (m_notify_picture == nullptr) m_notify_picture = LBX_Load_Picture("RESOURCE", 2);
                if (input == notify)
                    Notify1(160, 60, 0, "A notification for the test.", 0, m_notify_picture, 10, 10, nullptr, 0, 0, 0,
                            0);
                else
                    Notify2(0, 60, 1, "A notification beside the mascot.", 1, m_notify_picture, 10, 10, nullptr, 0, 0,
                            1, 1);
                STU_LOG(SEV_INFO, LC_KEL_SCR, "[PoC] notification closed");
                Load_Pictures();
                refields = true;
            } else if (input == quit) {
                current_screen = scr_Quit_To_DOS;
                leave = true;
            } else if (input == back) {
                current_screen = scr_Main_Menu_Screen;
                leave = true;
            }
            if (refields || leave) break;
            PoC_Screen_Draw();
            PageFlip_FX();
            Release_Time(2);
        }
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "[PoC] leaving with text field \"%s\"", m_poc_text);
    Deactivate_Help_List();
    Deactivate_Auto_Function();
    Clear_Fields();
    if (quit_game_flag) current_screen = scr_Quit_To_DOS;
}
