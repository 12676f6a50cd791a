#include "magic/screens/Alchemy_Popup.h"

#include <cstring>

#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "magic/Alchemy.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"

int16_t m_alchemy_arrowbar_pos = ALCHEMY_BAR_START;
int16_t m_alchemy_amount = 0;
int16_t m_alchemy_divisor = 2;

namespace {

struct Alchemy_Pictures {
    uint8_t *popup;
    uint8_t *cancel;
    uint8_t *ok;
    uint8_t *right_arrow;
    uint8_t *left_arrow;
    uint8_t *bar;
    uint8_t *star;
    uint8_t *power_to_gold;
};
Alchemy_Pictures m_pictures = {};

struct Alchemy_Fields {
    int16_t bar, cancel, ok, arrow, popup, screen, esc;
};
Alchemy_Fields m_fields = {};
int16_t m_x = 0;
int16_t m_y = 0;
int16_t m_cycle = 0;

int16_t Source(void)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    return m_alchemy_conversion_direction == 1 ? human.gold_reserve : human.mana_reserve;
}

void Set_Colours(uint8_t colour)
{
    uint8_t colours[16];
    std::memset(colours, colour, sizeof colours);
    Set_Font_Colors_15(1, colours);
    Set_Font_Colors_15(4, colours);
}

}  // namespace

void Alchemy_Popup_Draw(void)
{
    if (Source() <= 1) m_alchemy_arrowbar_pos = ALCHEMY_BAR_START;
    m_alchemy_amount = Alchemy_Amount(Source(), m_alchemy_arrowbar_pos);
    Reset_Window();
    Copy_Back_To_Off();
    if (m_pictures.popup != nullptr) FLIC_Draw((int16_t)(m_x - 5), m_y, m_pictures.popup);
    if (m_alchemy_conversion_direction == 0 && m_pictures.power_to_gold != nullptr)
        FLIC_Draw((int16_t)(m_x + 7), (int16_t)(m_y + 10), m_pictures.power_to_gold);
    int16_t style = Source() <= 1 ? 4 : 1;
    Set_Colours(190);
    Set_Font_Style(style, 15, 15, 15);
    int16_t converted = (int16_t)(m_alchemy_amount / m_alchemy_divisor);
    int16_t gold = m_alchemy_conversion_direction == 1 ? m_alchemy_amount : converted;
    int16_t power = m_alchemy_conversion_direction == 1 ? converted : m_alchemy_amount;
    Print_Integer_Right((int16_t)(m_x + 28), (int16_t)(m_y + 26), gold);
    Print((int16_t)(m_x + 40), (int16_t)(m_y + 26), "GP");
    Print_Integer_Right((int16_t)(m_x + 130), (int16_t)(m_y + 26), power);
    Print((int16_t)(m_x + 142), (int16_t)(m_y + 26), "PP");
    m_cycle = (int16_t)((m_cycle + (m_alchemy_conversion_direction == 1 ? 1 : 7)) % 8);
    if (m_pictures.bar != nullptr && m_alchemy_arrowbar_pos > ALCHEMY_BAR_START) {
        Set_Window((int16_t)(m_x + 50), (int16_t)(m_y + 25), (int16_t)(m_x + 50 + m_alchemy_arrowbar_pos),
                   (int16_t)(m_y + 32));
        Clipped_Draw((int16_t)(m_x + 2 + m_cycle), (int16_t)(m_y + 25), m_pictures.bar);
        Clipped_Draw((int16_t)(m_x + 50 + m_cycle), (int16_t)(m_y + 25), m_pictures.bar);
        Reset_Window();
    }
    if (m_pictures.star != nullptr)
        FLIC_Draw((int16_t)(m_x + m_alchemy_arrowbar_pos + 47), (int16_t)(m_y + 25), m_pictures.star);
}

void Alchemy_Popup_Add_Fields(void)
{
    m_fields.bar = Add_Scroll_Field((int16_t)(m_x + 50), (int16_t)(m_y + 25), ALCHEMY_BAR_START, ALCHEMY_BAR_END,
                                    ALCHEMY_BAR_START, ALCHEMY_BAR_END, 55, 7, &m_alchemy_arrowbar_pos, "A", -1);
    m_fields.cancel = Add_Button_Field((int16_t)(m_x + 13), (int16_t)(m_y + 39), "", m_pictures.cancel, "C", -1);
    m_fields.ok = Add_Button_Field((int16_t)(m_x + 96), (int16_t)(m_y + 39), "", m_pictures.ok, "O", -1);
    m_fields.arrow =
        Add_Button_Field((int16_t)(m_x + 66), (int16_t)(m_y + 39), "",
                         m_alchemy_conversion_direction == 1 ? m_pictures.right_arrow : m_pictures.left_arrow, " ", -1);
    m_fields.popup = Add_Hidden_Field(m_x, m_y, (int16_t)(m_x + 157), (int16_t)(m_y + 65), "", -1);
    m_fields.screen = Add_Hidden_Field(0, 0, 319, 199, "", -1);
    m_fields.esc = Add_Hot_Key("\x1B");
}

void Alchemy_Popup(int16_t x, int16_t y)
{
    m_x = x;
    m_y = y;
    m_alchemy_arrowbar_pos = ALCHEMY_BAR_START;
    m_alchemy_amount = 0;
    m_pictures = {};
    m_pictures.popup = LBX_Reload_Next_Picture("RAROZ", 52, _screen_seg);
    m_pictures.cancel = LBX_Reload_Next_Picture("RAROZ", 53, _screen_seg);
    m_pictures.ok = LBX_Reload_Next_Picture("RAROZ", 54, _screen_seg);
    m_pictures.right_arrow = LBX_Reload_Next_Picture("RAROZ", 55, _screen_seg);
    m_pictures.left_arrow = LBX_Reload_Next_Picture("RAROZ", 56, _screen_seg);
    m_pictures.bar = LBX_Reload_Next_Picture("RAROZ", 57, _screen_seg);
    m_pictures.star = LBX_Reload_Next_Picture("RAROZ", 58, _screen_seg);
    m_pictures.power_to_gold = LBX_Reload_Next_Picture("RAROZ", 59, _screen_seg);
    m_alchemy_divisor = Alchemy_Divisor(HUMAN_PLAYER_IDX);
    Copy_On_To_Off_Page();
    Copy_Off_To_Back();
    Assign_Auto_Function(Alchemy_Popup_Draw, 2);
    int frames = 0;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        Clear_Fields();
        Alchemy_Popup_Add_Fields();
        int16_t hit = Get_Input();
        if (quit_game_flag || hit == m_fields.cancel || hit == m_fields.esc || hit == m_fields.screen) {
            if (hit > 0) Play_Left_Click();
            leave = true;
        } else if (hit == m_fields.ok) {
            Play_Left_Click();
            m_alchemy_amount = Alchemy_Amount(Source(), m_alchemy_arrowbar_pos);
            STU_LOG(SEV_INFO, LC_KEL_SCR, "Alchemy_Popup: direction %d amount %d divisor %d",
                    (int)m_alchemy_conversion_direction, (int)m_alchemy_amount, (int)m_alchemy_divisor);
            Alchemy_Convert(HUMAN_PLAYER_IDX, m_alchemy_conversion_direction, m_alchemy_amount);
            leave = true;
        } else if (hit == m_fields.arrow) {
            Play_Left_Click();
            m_alchemy_conversion_direction = (int16_t)(m_alchemy_conversion_direction == 1 ? 0 : 1);
        }
        if (!leave) {
            Alchemy_Popup_Draw();
            Toggle_Pages();
            Release_Time(2);
            if (Unattended_Frame_Done(&frames)) leave = true;
        }
    }
    Deactivate_Auto_Function();
    Reset_Window();
    Clear_Fields();
}
