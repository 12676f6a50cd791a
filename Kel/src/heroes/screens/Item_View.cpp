// The item view (the item's picture, name and powers), the pop-up that shows it over any screen and
// the pool view that shows an item about to reach the human.
#include <cstring>

#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "Input.h"
#include "Mouse.h"
#include "Pictures.h"
#include "SOUND.h"
#include "Video.h"
#include "heroes/Item_Making.h"
#include "heroes/Item_Screen.h"
#include "heroes/Item_View.h"
#include "overland/Unit_Specials_List.h"
#include "shell/Graphics_Cache.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Item_Record.h"

namespace {

constexpr int16_t VIEW_WIDTH = 160;
constexpr int16_t VIEW_HEIGHT = 80;
constexpr int16_t POOL_VIEW_X = 50;
constexpr int16_t POOL_VIEW_Y = 50;

uint8_t m_icon_picture[PICTURE_BITMAP_HEADER + 19 * 19];

int16_t m_popup_item_idx = -1;
int16_t m_popup_x = 0;
int16_t m_popup_y = 0;

bool Live(int16_t item_idx) { return _ITEMS != nullptr && item_idx >= 0 && item_idx < NUM_ITEMS; }

void Item_View_Popup_Draw(void)
{
    Copy_Page4_To_Off();
    int16_t x = m_popup_x;
    int16_t y = m_popup_y;
    if (x + VIEW_WIDTH > 320) x = (int16_t)(320 - VIEW_WIDTH);
    if (y + VIEW_HEIGHT > 200) y = (int16_t)(200 - VIEW_HEIGHT);
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    Item_View_Draw(m_popup_item_idx, x, y);
    Cycle_Item_Enchantment_Animation();
}

void Item_Pool_View_Draw(void)
{
    Copy_Back_To_Off();
    Item_View_Draw(item_pool_item_idx, POOL_VIEW_X, POOL_VIEW_Y);
    Cycle_Item_Enchantment_Animation();
}

// Runs a view until a click anywhere (or Esc); an unattended run closes it by itself.
void Run_View(void (*draw)(void))
{
    Assign_Auto_Function(draw, 1);
    Set_Mouse_List(1, mouse_list_default);
    int frames = 0;
    for (;;) {
        Mark_Time();
        Clear_Fields();
        const int16_t whole = Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
        const int16_t hit = Get_Input();
        if (quit_game_flag || (hit != 0 && (hit == whole || hit == -whole))) {
            if (hit != 0) Play_Left_Click();
            break;
        }
        draw();
        Toggle_Pages();
        Release_Time(1);
        if (Unattended_Frame_Done(&frames)) break;
    }
    Clear_Fields();
    Deactivate_Auto_Function();
}

}  // namespace

void Item_View_Draw(int16_t item_idx, int16_t x, int16_t y)
{
    if (item_view_background_seg != nullptr) {
        FLIC_Draw(x, y, item_view_background_seg);
    }
    if (!Live(item_idx)) return;
    Draw_Item_Icon_With_Enchantment_Outline(item_idx, m_icon_picture);
    Draw_Picture((int16_t)(x + 9), (int16_t)(y + 6), m_icon_picture);
    static const uint8_t name_colours[16] = {46, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47, 47};
    Set_Font_Colors_15(4, name_colours);
    Set_Outline_Color(47);
    Set_Font_Style_Outline(4, 15, 15, 15);
    Set_Font_Spacing(1);
    char name[sizeof _ITEMS[0].name + 1];
    memcpy(name, _ITEMS[item_idx].name, sizeof _ITEMS[0].name);
    name[sizeof _ITEMS[0].name] = '\0';
    Print((int16_t)(x + 31), (int16_t)(y + 12), name);

    char names[ITEM_POWER_LINES][ITEM_POWER_NAME_SIZE];
    char descriptions[ITEM_POWER_LINES][ITEM_POWER_TEXT_SIZE];
    int16_t count = 0;
    ITEM_GetPowerNames(item_idx, names, descriptions, &count);
    if (count > ITEM_POWER_LINES) count = ITEM_POWER_LINES;
    const int16_t step = count == ITEM_POWER_LINES ? 8 : 11;
    const int16_t top = count == ITEM_POWER_LINES ? 34 : 33;
    static const uint8_t line_colours[16] = {46,  177, 177, 177, 177, 177, 177, 177,
                                             177, 177, 177, 177, 177, 177, 177, 177};
    Set_Font_Colors_15(2, line_colours);
    Set_Font_Style(2, 15, 15, 15);
    for (int16_t i = 0; i < count; i++) {
        if (item_view_bullet_seg != nullptr)
            FLIC_Draw((int16_t)(x + 11), (int16_t)(y + 34 + i * step), item_view_bullet_seg);
        Print((int16_t)(x + 20), (int16_t)(y + top + i * step), names[i]);
        Print((int16_t)(x + 23 + Get_String_Width(names[i])), (int16_t)(y + top + i * step), descriptions[i]);
    }
    Set_Outline_Color(0);
}

void Item_View_Popup(int16_t item_idx, int16_t x, int16_t y)
{
    if (!Live(item_idx)) return;
    m_popup_item_idx = item_idx;
    m_popup_x = x;
    m_popup_y = y;
    Copy_Off_To_Page4();
    Run_View(Item_View_Popup_Draw);
}

void Item_Pool_View(void)
{
    Copy_Off_To_Back();
    Run_View(Item_Pool_View_Draw);
    Set_Mouse_List(1, mouse_list_item_cursor);
}
