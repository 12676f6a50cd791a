#include "dev/Test_Screen.h"

#include <cstdio>

#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "Mouse.h"
#include "STU_Log.h"
#include "Video.h"
#include "shell/Screen_Control.h"

int16_t m_test_scroll_value = 50;

namespace {
int16_t m_grid_column = 0;
int16_t m_grid_row = 0;
int16_t m_list_choice = 0;
// P shows the engine's test page (every palette colour as a swatch), for checking presentation
// and capture from outside; P again returns to the controls.
bool m_show_test_page = false;
// Rows of 12 bytes, ended by an entry whose first two bytes are zero.
const char m_list_table[5][12] = {"First", "Second", "Third", "Fourth", ""};
}  // namespace

void Test_Screen_Draw(void)
{
    Set_Page_Off();
    if (m_show_test_page) {
        Draw_Test_Page();
        return;
    }
    Fill(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, 1);
    Set_Font_Style(4, 4, 15, 0);
    Print_Centered(160, 8, "Tolva Test");
    Fill(20, 40, 220, 48, 3);
    Fill((int16_t)(20 + m_test_scroll_value * 2), 38, (int16_t)(22 + m_test_scroll_value * 2), 50, 15);
    for (int16_t c = 0; c < 4; ++c) {
        for (int16_t r = 0; r < 3; ++r) {
            int16_t color = (c == m_grid_column && r == m_grid_row) ? 15 : 8;
            Fill((int16_t)(20 + c * 20), (int16_t)(70 + r * 20), (int16_t)(37 + c * 20), (int16_t)(87 + r * 20), color);
        }
    }
    Set_Font_Style(1, 4, 15, 0);
    char text[64];
    std::snprintf(text, sizeof(text), "Value %d  List %d  (L list, P page, Esc back)", (int)m_test_scroll_value,
                  (int)m_list_choice);
    Print(20, 150, text);
}

void Test_Screen(void)
{
    STU_LOG(SEV_INFO, LC_KEL_SCR, "[Test] screen entered");
    Set_Mouse_List(1, mouse_list_default);
    bool leave = false;
    while (!leave && !quit_game_flag) {
        Clear_Fields();
        Add_Scroll_Field(20, 40, 0, 100, 0, 100, 200, 8, &m_test_scroll_value, "", -1);
        Add_Grid_Field(20, 70, 20, 20, 4, 3, &m_grid_column, &m_grid_row, -1);
        int16_t list = Add_Hot_Key("L");
        int16_t page = Add_Hot_Key("P");
        const char escape[2] = {27, 0};
        int16_t back = Add_Hot_Key(escape);
        Assign_Auto_Function(Test_Screen_Draw, 2);
        bool refields = false;
        while (!refields && !leave && !quit_game_flag) {
            Mark_Time();
            int16_t input = Get_Input();
            if (input == list) {
                Set_Font_Style(1, 4, 15, 2);
                m_list_choice = Get_List_Field(200, 60, 80, "Pick", &m_list_table[0][0], 12, &m_list_choice, nullptr, 0,
                                               0, 0, 0, 0, -1);
                STU_LOG(SEV_INFO, LC_KEL_SCR, "[Test] list choice %d", (int)m_list_choice);
                refields = true;
                break;
            }
            if (input == page) {
                m_show_test_page = !m_show_test_page;
                STU_LOG(SEV_INFO, LC_KEL_SCR, "[Test] test page %s", m_show_test_page ? "shown" : "hidden");
            }
            if (input == back) {
                current_screen = scr_Main_Menu_Screen;
                leave = true;
                break;
            }
            Test_Screen_Draw();
            PageFlip_FX();
            Release_Time(2);
        }
    }
    Deactivate_Auto_Function();
    Clear_Fields();
    if (quit_game_flag) current_screen = scr_Quit_To_DOS;
}
