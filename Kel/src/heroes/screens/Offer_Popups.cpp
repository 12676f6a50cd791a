// The offers over the main screen: a hero or a band of mercenaries in the unit view with the hire
// banner, the merchant's item in the item view with the merchant's banner; and the pop-up that
// shows what a hero's new level brings. Each ends by itself in an unattended run, declining.
#include "heroes/screens/Offer_Popups.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "Input_Box.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "Paragraph.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "heroes/Hero_Popups.h"
#include "heroes/Item_Screen.h"
#include "heroes/Item_View.h"
#include "magic/Spellbook_Screen.h"
#include "overland/Unit_Specials_List.h"
#include "overland/Unit_View_Panel.h"
#include "shell/Graphics_Cache.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Item_Record.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t VIEW_X = 25;
constexpr int16_t VIEW_Y = 17;
constexpr int16_t LEVEL_X = 31;
constexpr int16_t LEVEL_Y = 41;
constexpr int LEVEL_SPECIALS_SHOWN = 8;

uint8_t *m_banner = nullptr;
uint8_t *m_button = nullptr;
uint8_t *m_level_top = nullptr;
uint8_t *m_level_bottom = nullptr;
uint8_t *m_portrait = nullptr;
int16_t m_unit_idx = -1;
int16_t m_item_idx = -1;
char m_title[120];
char m_text[300];
int16_t m_count = 0;
Hero_Special_Line m_specials[HERO_SPECIALS_ROOM];

// The main screen in full, behind the pop-up and after it.
void Draw_Main_Screen(void)
{
    Allocate_Reduced_Map();
    Full_Draw_Main_Screen();
}

void Title_Font(void)
{
    Set_Outline_Color(163);
    Set_Font_Style_Outline(4, 4, 4, 4);
}

// ---- the unit offers ----

void Unit_Offer_Draw(void)
{
    Copy_Back_To_Off();
    Thing_View_Draw__WIP(VIEW_X, VIEW_Y, uvk_Overland, m_unit_idx, uv_specials_list_array, uv_specials_list_count,
                         UV_item_icon_pict_seg);
    if (m_banner != nullptr) FLIC_Draw(0, 0, m_banner);
    Title_Font();
    Print_Centered(128, 6, m_title);
    Set_Outline_Color(0);
}

// The unit view of the newest unit with the title; 1 for the first button.
int16_t Run_Unit_Offer(const char *accept, const char *accept_key)
{
    Draw_Main_Screen();
    Copy_On_To_Off_Page();
    Copy_Off_To_Back();
    Cache_Graphics_Things();
    Allocate_First_Block(_screen_seg, 1);
    Mark_Block(_screen_seg);
    m_banner = LBX_Reload_Next_Picture("HIRE", 0, _screen_seg);
    Unit_View_Allocate();
    Unit_View_Load_Picture(m_unit_idx);
    Load_Battle_Unit(m_unit_idx, global_battle_unit);
    uv_specials_list_count = 0;
    USW_Build_Effect_List(m_unit_idx, uv_specials_list_array, &uv_specials_list_count);
    UV_Setup_HireScr(m_unit_idx, uv_specials_list_count);
    uint8_t *button = gfx_backgrnd_seg[24];
    Set_Mouse_List(1, mouse_list_default);
    Assign_Auto_Function(Unit_Offer_Draw, 1);
    int frames = 0;
    int16_t answer = -1;
    while (answer < 0) {
        Mark_Time();
        Clear_Fields();
        const int16_t take = Add_Button_Field(246, 160, accept, button, accept_key, -1);
        const int16_t reject = Add_Button_Field(246, 179, "Reject", button, "R", -1);
        const int16_t hit = Get_Input();
        if (quit_game_flag) {
            answer = 0;
        } else if (hit != 0 && hit == take) {
            Play_Left_Click();
            answer = 1;
        } else if (hit != 0 && hit == reject) {
            Play_Left_Click();
            answer = 0;
        } else {
            Unit_Offer_Draw();
            Toggle_Pages();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) answer = 0;
        }
    }
    Clear_Fields();
    Deactivate_Auto_Function();
    Release_Block(_screen_seg);
    Cache_Graphics_Overland();
    Draw_Main_Screen();
    return answer;
}

// The taken hero's name is edited in a box over the main screen; it becomes the hero type's name.
void Name_Hero(int16_t slot_idx)
{
    if (slot_idx < 0 || slot_idx >= NUM_HERO_SLOTS) return;
    Hero_Slot_Record &slot = _players[HUMAN_PLAYER_IDX].Heroes[slot_idx];
    char name[sizeof slot.name + 1];
    memcpy(name, slot.name, sizeof slot.name);
    name[sizeof slot.name] = '\0';
    Mark_Block(_screen_seg);
    uint8_t *box = LBX_Reload_Next_Picture("HIRE", 4, _screen_seg);
    Set_Page_Off();
    if (box != nullptr) FLIC_Draw(54, 72, box);
    Title_Font();
    Print_Centered(129, 78, "Name Your Hero");
    Set_Outline_Color(0);
    Toggle_Pages();
    static const uint8_t cursor[10] = {176, 177, 178, 179, 180, 181, 182, 183, 184, 185};
    Setup_Input_Box_Popup(70, 92, 120, name, (int16_t)(sizeof slot.name - 1), 0, 0, 0, cursor, -1);
    Release_Block(_screen_seg);
    if (name[0] == '\0') return;
    memset(slot.name, 0, sizeof slot.name);
    memcpy(slot.name, name, strnlen(name, sizeof slot.name - 1));
    const int16_t unit_idx = slot.unit_idx;
    if (hero_names_table != nullptr && unit_idx >= 0 && unit_idx < _units && _UNITS[unit_idx].type < NUM_HERO_TYPES)
        memcpy(hero_names_table[_UNITS[unit_idx].type].name, slot.name, sizeof slot.name);
    Draw_Main_Screen();
}

int16_t Hero_Offer_Popup(int16_t slot_idx, int16_t kind, int16_t price)
{
    m_unit_idx = (int16_t)(_units - 1);
    switch (kind) {
    case 0: snprintf(m_title, sizeof m_title, "Hero for Hire: %d gold", price); break;
    case 1: snprintf(m_title, sizeof m_title, "Hero Summoned"); break;
    case 3: snprintf(m_title, sizeof m_title, "Champion Summoned"); break;
    default: snprintf(m_title, sizeof m_title, "A prisoner asks to join your army"); break;
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Hire_Hero_Popup: %s (slot %d)", m_title, (int)slot_idx);
    const int16_t taken = kind == 0 ? Run_Unit_Offer("Hire", "H") : Run_Unit_Offer("Accept", "A");
    if (taken) Name_Hero(slot_idx);
    return taken;
}

int16_t Merc_Offer_Popup(int16_t count, int16_t price)
{
    m_unit_idx = (int16_t)(_units - 1);
    if (count == 1) {
        snprintf(m_title, sizeof m_title, "Mercenary for Hire: %d gold", price);
    } else {
        snprintf(m_title, sizeof m_title, "%d Mercenaries for Hire: %d gold", count, price);
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Hire_Merc_Popup: %s", m_title);
    return Run_Unit_Offer("Hire", "H");
}

// ---- the merchant ----

void Merchant_Draw(void)
{
    Copy_Back_To_Off();
    if (m_banner != nullptr) FLIC_Draw(5, 15, m_banner);
    Set_Outline_Color(253);
    Set_Font_Style_Outline(4, 4, 4, 4);
    Print_Paragraph(62, 24, 182, m_text, PARAGRAPH_LEFT);
    Set_Outline_Color(0);
    Item_View_Draw(m_item_idx, 19, 80);
    Cycle_Item_Enchantment_Animation();
}

int16_t Merchant_Offer_Popup(int16_t item_idx, int16_t price)
{
    m_item_idx = item_idx;
    char name[sizeof _ITEMS[0].name + 1];
    memcpy(name, _ITEMS[item_idx].name, sizeof _ITEMS[0].name);
    name[sizeof _ITEMS[0].name] = '\0';
    snprintf(m_text, sizeof m_text,
             "A merchant arrives and offers a magic %s for sale.  The price is only %d gold pieces.", name, price);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Merchant_Popup: %s", m_text);
    Draw_Main_Screen();
    Copy_On_To_Off_Page();
    Copy_Off_To_Back();
    Mark_Block(_screen_seg);
    m_banner = LBX_Reload_Next_Picture("HIRE", 2, _screen_seg);
    m_button = LBX_Reload_Next_Picture("HIRE", 1, _screen_seg);
    Set_Button_Down_Offsets(1, 1);
    Set_Mouse_List(1, mouse_list_default);
    Assign_Auto_Function(Merchant_Draw, 1);
    int frames = 0;
    int16_t answer = -1;
    while (answer < 0) {
        Mark_Time();
        Clear_Fields();
        const int16_t buy = Add_Button_Field(257, 136, "Buy", m_button, "B", -1);
        const int16_t reject = Add_Button_Field(257, 155, "Reject", m_button, "R", -1);
        const int16_t hit = Get_Input();
        if (quit_game_flag) {
            answer = 0;
        } else if (hit != 0 && hit == buy) {
            Play_Left_Click();
            answer = 1;
        } else if (hit != 0 && hit == reject) {
            Play_Left_Click();
            answer = 0;
        } else {
            Merchant_Draw();
            Toggle_Pages();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) answer = 0;
        }
    }
    Clear_Fields();
    Deactivate_Auto_Function();
    Release_Block(_screen_seg);
    Draw_Main_Screen();
    return answer;
}

// ---- the level-up pop-up ----

void Special_Place(int i, int16_t *x, int16_t *y)
{
    *x = (int16_t)(i % 2 == 0 ? LEVEL_X + 13 : LEVEL_X + 128);
    *y = (int16_t)(LEVEL_Y + 48 + 17 * (i / 2));
}

void Bullet_Line(int16_t x, int16_t y, const char *text)
{
    if (item_view_bullet_seg != nullptr) FLIC_Draw(x, (int16_t)(y + 1), item_view_bullet_seg);
    Print((int16_t)(x + 8), y, text);
}

void Level_Up_Draw(void)
{
    Copy_Back_To_Off();
    const int16_t bottom = (int16_t)(LEVEL_Y + 49 + 17 * ((m_count + 1) / 2));
    Set_Window(LEVEL_X, LEVEL_Y, (int16_t)(LEVEL_X + 250), bottom);
    if (m_level_top != nullptr) Clipped_Draw(LEVEL_X, LEVEL_Y, m_level_top);
    Reset_Window();
    if (m_level_bottom != nullptr) FLIC_Draw(LEVEL_X, bottom, m_level_bottom);
    if (m_portrait != nullptr) FLIC_Draw((int16_t)(LEVEL_X + 10), (int16_t)(LEVEL_Y + 10), m_portrait);
    const Unit_Record &unit = _UNITS[m_unit_idx];
    char name[sizeof _players[0].Heroes[0].name + 1] = "";
    if (unit.owner_idx >= 0 && unit.owner_idx < NUM_PLAYERS && unit.Hero_Slot >= 0 && unit.Hero_Slot < NUM_HERO_SLOTS) {
        memcpy(name, _players[unit.owner_idx].Heroes[unit.Hero_Slot].name, sizeof _players[0].Heroes[0].name);
        name[sizeof _players[0].Heroes[0].name] = '\0';
    }
    char line[64];
    snprintf(line, sizeof line, "%s has made a level.", name);
    static const uint8_t title[16] = {240, 178, 179, 180, 180, 180, 180, 180, 180, 180, 180, 180, 180, 180, 180, 180};
    Set_Font_Colors_15(4, title);
    Set_Outline_Color(240);
    Set_Font_Style_Shadow_Down(4, 15, 15, 15);
    Print((int16_t)(LEVEL_X + 48), (int16_t)(LEVEL_Y + 9), line);
    static const uint8_t body[16] = {240, 178, 178, 178, 178, 178, 178, 178, 178, 178, 178, 178, 178, 178, 178, 178};
    Set_Font_Colors_15(2, body);
    Set_Font_Style_Shadow_Down(2, 15, 15, 15);
    Bullet_Line((int16_t)(LEVEL_X + 47), (int16_t)(LEVEL_Y + 24), "+1 Hit Points");
    Bullet_Line((int16_t)(LEVEL_X + 47), (int16_t)(LEVEL_Y + 34), "+1 Resistance");
    Bullet_Line((int16_t)(LEVEL_X + 139), (int16_t)(LEVEL_Y + 24), "+1 Attack");
    if (unit.Level % 2 == 1) Bullet_Line((int16_t)(LEVEL_X + 139), (int16_t)(LEVEL_Y + 34), "+1 Defense");
    for (int i = 0; i < m_count; i++) {
        int16_t x, y;
        Special_Place(i, &x, &y);
        uint8_t *picture = Special_Picture(m_specials[i].picture);
        if (picture != nullptr) FLIC_Draw(x, y, picture);
        Print((int16_t)(x + 19), (int16_t)(y + 5), m_specials[i].text);
    }
    Set_Outline_Color(0);
}

void Level_Up_Popup(int16_t unit_idx)
{
    m_unit_idx = unit_idx;
    Draw_Main_Screen();
    Copy_On_To_Off_Page();
    Copy_Off_To_Back();
    Cache_Graphics_Things();
    Mark_Block(_screen_seg);
    m_level_top = LBX_Reload_Next_Picture("RELOAD", 23, _screen_seg);
    m_level_bottom = LBX_Reload_Next_Picture("RELOAD", 24, _screen_seg);
    const uint8_t type = _UNITS[unit_idx].type;
    m_portrait = type < NUM_UNIT_TYPES
                     ? LBX_Reload_Next_Picture("PORTRAIT", _unit_type_table[type].hero_portrait, _screen_seg)
                     : nullptr;
    m_count = 0;
    Hero_Build_Specials_List(unit_idx, m_specials, &m_count);
    if (m_count > LEVEL_SPECIALS_SHOWN) m_count = LEVEL_SPECIALS_SHOWN;
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Hero_LevelUp_Popup: unit %d reaches level %d, %d specials shown", (int)unit_idx,
            (int)_UNITS[unit_idx].Level, (int)m_count);
    Set_Mouse_List(1, mouse_list_default);
    Assign_Auto_Function(Level_Up_Draw, 1);
    int frames = 0;
    for (;;) {
        Mark_Time();
        Clear_Fields();
        const int16_t whole = Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
        const int16_t hit = Get_Input();
        if (quit_game_flag || (hit != 0 && (hit == whole || hit == -whole))) break;
        Level_Up_Draw();
        Toggle_Pages();
        Release_Time(1);
        if (Unattended_Frame_Done(&frames)) break;
    }
    Clear_Fields();
    Deactivate_Auto_Function();
    Release_Block(_screen_seg);
    Cache_Graphics_Overland();
    Draw_Main_Screen();
}

}  // namespace

void Heroes_Install_Offer_Popups(Heroes_Services *services)
{
    services->hero_offer = Hero_Offer_Popup;
    services->merc_offer = Merc_Offer_Popup;
    services->merchant_offer = Merchant_Offer_Popup;
    services->level_up = Level_Up_Popup;
}
