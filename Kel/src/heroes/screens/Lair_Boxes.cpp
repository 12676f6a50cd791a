// The entry box of a site: the site's picture in the box's corner, the text beside it, Yes and No
// when guards were spotted. The treasure message is a notification with the treasure picture.
#include "heroes/screens/Lair_Boxes.h"

#include <cstring>

#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Expanding_Box.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Paragraph.h"
#include "SOUND.h"
#include "Video.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Map_Feature_Records.h"

namespace {

constexpr int16_t BOX_LEFT = 68;
constexpr int16_t TEXT_WIDTH = 166;
constexpr int16_t NUM_SITE_TYPES = 11;
constexpr int16_t TREASURE_PICTURE = 20;

char m_text[600];
uint8_t *m_picture = nullptr;
uint8_t *m_border = nullptr;
uint8_t *m_bottom = nullptr;
uint8_t *m_yes = nullptr;
uint8_t *m_no = nullptr;
int16_t m_picture_x = 0;
int16_t m_picture_y = 0;
int16_t m_box_top = 0;
int16_t m_bottom_y = 0;

void Print_Text(int16_t x, int16_t y)
{
    Set_Paragraph_Exclusion_Area(x, y, (int16_t)(x + 57), (int16_t)(y + 55));
    Print_Paragraph(x, y, TEXT_WIDTH, m_text, PARAGRAPH_LEFT);
    Reset_Paragraph_Exclusions();
}

void Lair_Confirm_Draw(void)
{
    Set_Page_Off();
    Copy_Back_To_Off();
    Set_Window(0, 0, 319, m_bottom_y);
    if (m_border != nullptr) Clipped_Draw(BOX_LEFT, m_box_top, m_border);
    Reset_Window();
    if (m_picture != nullptr) FLIC_Draw((int16_t)(BOX_LEFT + 7), (int16_t)(m_box_top + 7), m_picture);
    if (m_bottom != nullptr) Clipped_Draw(BOX_LEFT, m_bottom_y, m_bottom);
    Set_Font_Colors_15(4, COL_ConfirmShadows);
    Set_Font_Style(4, 15, 15, 0);
    Set_Font_LF(2);
    Print_Text((int16_t)(BOX_LEFT + 10), (int16_t)(m_box_top + 11));
    Print_Text((int16_t)(BOX_LEFT + 9), (int16_t)(m_box_top + 11));
    Set_Alias_Color(18);
    Set_Font_Colors_15(4, COL_Dialog_Text);
    Set_Font_Style(4, 15, 15, 0);
    Print_Text((int16_t)(BOX_LEFT + 9), (int16_t)(m_box_top + 10));
    Set_Font_LF(0);
}

}  // namespace

int16_t Lair_Confirm(const char *text, uint8_t *picture, int16_t picture_x, int16_t picture_y, int16_t buttons,
                     int16_t colour_slide)
{
    (void)colour_slide;
    strncpy(m_text, text, sizeof m_text - 1);
    m_text[sizeof m_text - 1] = '\0';
    m_picture = picture;
    m_picture_x = picture_x;
    m_picture_y = picture_y;
    Save_Alias_Colors();
    Copy_On_To_Off_Page();
    Copy_Off_To_Back();
    Set_Font_Style(4, 4, 15, 0);
    Set_Paragraph_Exclusion_Area(0, 0, 57, 45);
    const int16_t height = Get_Paragraph_Max_Height(TEXT_WIDTH, m_text);
    Reset_Paragraph_Exclusions();
    m_box_top = (int16_t)((200 - (height + 34)) / 2);
    if (m_box_top < 0) m_box_top = 0;
    m_bottom_y = (int16_t)(m_box_top + (height > 75 ? height : 75) + 12);
    Set_Mouse_List(1, mouse_list_default);
    Assign_Auto_Function(Lair_Confirm_Draw, 1);
    int frames = 0;
    int16_t answer = -1;
    while (answer < 0) {
        Mark_Time();
        Clear_Fields();
        int16_t yes = -1000, no = -1000;
        if (buttons) {
            yes = Add_Button_Field((int16_t)(BOX_LEFT + 100), (int16_t)(m_bottom_y + 5), "", m_yes, "Y", -1);
            no = Add_Button_Field((int16_t)(BOX_LEFT + 17), (int16_t)(m_bottom_y + 5), "", m_no, "N", -1);
            Add_Hidden_Field(BOX_LEFT, m_box_top, (int16_t)(BOX_LEFT + 184), (int16_t)(m_bottom_y + 28), "", -1);
        }
        const int16_t whole = Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
        const int16_t hit = Get_Input();
        const int16_t field = hit < 0 ? (int16_t)-hit : hit;
        if (quit_game_flag) {
            answer = buttons ? 0 : 1;
        } else if (field != 0 && field == yes) {
            Play_Left_Click();
            answer = 1;
        } else if (field != 0 && (field == no || field == whole)) {
            Play_Left_Click();
            answer = buttons ? 0 : 1;
        } else {
            Lair_Confirm_Draw();
            Toggle_Pages();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) answer = buttons ? 0 : 1;
        }
    }
    Deactivate_Auto_Function();
    Clear_Fields();
    Restore_Alias_Colors();
    Reset_Window();
    Reset_Paragraph_Exclusions();
    return answer;
}

int16_t Lair_Confirm_Box(int16_t lair_idx, const char *text, int16_t buttons)
{
    const int16_t type = _LAIRS != nullptr && lair_idx >= 0 && lair_idx < NUM_LAIRS ? _LAIRS[lair_idx].type : 0;
    Save_ScreenSeg();
    uint8_t *picture = LBX_Reload_Picture("RELOAD", (int16_t)((type < NUM_SITE_TYPES ? type : 0) + 9), _screen_seg);
    m_border = LBX_Reload_Next_Picture("BACKGRND", 25, _screen_seg);
    m_bottom = LBX_Reload_Next_Picture("BACKGRND", buttons ? 26 : 27, _screen_seg);
    m_yes = LBX_Reload_Next_Picture("RESOURCE", 3, _screen_seg);
    m_no = LBX_Reload_Next_Picture("RESOURCE", 4, _screen_seg);
    const int16_t answer = Lair_Confirm(text, picture, 7, 7, buttons, type >= 1 && type <= 3 ? 1 : 0);
    Restore_ScreenSeg();
    return answer;
}

void Lair_Treasure_Popup_Box(int16_t lair_idx, const char *text, int16_t row)
{
    (void)lair_idx;
    Save_ScreenSeg();
    uint8_t *picture = LBX_Reload_Picture("RELOAD", TREASURE_PICTURE, _screen_seg);
    Notify1(190, row, 3, text, 0, picture, 2, 8, nullptr, 0, 0, 2, 0);
    Restore_ScreenSeg();
}
