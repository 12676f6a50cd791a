// The Items screen: the human's six heroes with their item places, the fortress vault and the
// anvil. An item travels on the cursor; a pending pool is handed out one item at a time, and the
// screen is left only with an empty cursor.
#include "heroes/Item_Screen.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "heroes/Heroes_Services.h"
#include "heroes/Item_Making.h"
#include "heroes/Item_Rules.h"
#include "heroes/Item_View.h"
#include "magic/screens/Alchemy_Popup.h"
#include "overland/Main_Screen.h"
#include "shell/Graphics_Cache.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Item_Record.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

Mouse_List_Entry mouse_list_item_cursor[1] = {{0, 0, 0, 0, 319, 199}};

namespace {

constexpr int16_t NO_FIELD = -1000;
constexpr int16_t WINDOW_X = 17;
constexpr int16_t WINDOW_Y = 2;

struct Item_Screen_Pictures {
    uint8_t *background;
    uint8_t *frame;
    uint8_t *alchemy;
    uint8_t *ok;
    uint8_t *portraits[NUM_HERO_SLOTS];
};
Item_Screen_Pictures m_pictures;

int16_t _item_window_start_x = WINDOW_X;
int16_t _item_window_start_y = WINDOW_Y;
int16_t m_portrait_fields[NUM_HERO_SLOTS];
int16_t m_item_fields[NUM_HERO_SLOTS][NUM_ITEM_PLACES];
int16_t m_vault_fields[NUM_VAULT_PLACES];
int16_t m_alchemy_field = NO_FIELD;
int16_t m_ok_field = NO_FIELD;
int16_t m_anvil_field = NO_FIELD;
int16_t m_window_field = NO_FIELD;
int16_t m_screen_field = NO_FIELD;
int16_t m_esc_field = NO_FIELD;
// While the anvil asks, the cursor's item is drawn on the anvil instead.
bool m_item_on_anvil = false;
uint8_t m_icon_picture[PICTURE_BITMAP_HEADER + 19 * 19];

bool Live_Item(int16_t item_idx)
{
    return _ITEMS != nullptr && item_idx >= 0 && item_idx < NUM_LIVE_ITEMS && _ITEMS[item_idx].cost > 0;
}

bool Hero_Slot_Live(int16_t slot)
{
    const int16_t unit_idx = _players[HUMAN_PLAYER_IDX].Heroes[slot].unit_idx;
    return unit_idx >= 0 && unit_idx < _units && _UNITS[unit_idx].owner_idx == HUMAN_PLAYER_IDX;
}

void Item_Screen_Load(void)
{
    m_pictures = Item_Screen_Pictures{};
    Allocate_First_Block(_screen_seg, 1);
    m_pictures.background = LBX_Reload_Next_Picture("ARMYLIST", 5, _screen_seg);
    m_pictures.frame = LBX_Reload_Next_Picture("ARMYLIST", 6, _screen_seg);
    m_pictures.alchemy = LBX_Reload_Next_Picture("ARMYLIST", 7, _screen_seg);
    m_pictures.ok = LBX_Reload_Next_Picture("ARMYLIST", 8, _screen_seg);
    for (int16_t slot = 0; slot < NUM_HERO_SLOTS; slot++) {
        if (!Hero_Slot_Live(slot)) continue;
        const uint8_t type = _UNITS[_players[HUMAN_PLAYER_IDX].Heroes[slot].unit_idx].type;
        const int16_t portrait = type < NUM_UNIT_TYPES ? _unit_type_table[type].hero_portrait : 0;
        m_pictures.portraits[slot] = LBX_Reload_Next_Picture("PORTRAIT", portrait, _screen_seg);
    }
}

void Item_Screen_Add_Fields(void)
{
    const int16_t X = _item_window_start_x;
    const int16_t Y = _item_window_start_y;
    for (int16_t slot = 0; slot < NUM_HERO_SLOTS; slot++) {
        m_portrait_fields[slot] = NO_FIELD;
        for (int j = 0; j < NUM_ITEM_PLACES; j++) m_item_fields[slot][j] = NO_FIELD;
        if (!Hero_Slot_Live(slot)) continue;
        int16_t x1, y1, x2, y2;
        Item_Window_Picture_Coords(slot, &x1, &y1, &x2, &y2);
        m_portrait_fields[slot] = Add_Hidden_Field(x1, y1, x2, y2, "", -1);
        for (int16_t j = 0; j < NUM_ITEM_PLACES; j++) {
            m_item_fields[slot][j] = Add_Hidden_Field((int16_t)(x1 + 29 * j + 40), (int16_t)(y1 + 16),
                                                      (int16_t)(x1 + 29 * j + 61), (int16_t)(y1 + 33), "", -1);
        }
    }
    for (int16_t k = 0; k < NUM_VAULT_PLACES; k++) {
        m_vault_fields[k] = Add_Hidden_Field((int16_t)(X + 21 * k + 52), (int16_t)(Y + 172), (int16_t)(X + 21 * k + 71),
                                             (int16_t)(Y + 187), "", -1);
    }
    m_alchemy_field = NO_FIELD;
    m_ok_field = NO_FIELD;
    if (item_cursor_item_idx < 0) {
        m_alchemy_field = Add_Button_Field((int16_t)(X + 219), (int16_t)(Y + 155), "", m_pictures.alchemy, "A", -1);
        m_ok_field = Add_Button_Field((int16_t)(X + 219), (int16_t)(Y + 175), "", m_pictures.ok, "O", -1);
    }
    m_anvil_field =
        Add_Hidden_Field((int16_t)(X + 9), (int16_t)(Y + 155), (int16_t)(X + 48), (int16_t)(Y + 189), "", -1);
    m_window_field = Add_Hidden_Field(X, Y, (int16_t)(X + 283), (int16_t)(Y + 195), "", -1);
    m_screen_field = Add_Hidden_Field(0, 0, 319, 199, "", -1);
    m_esc_field = Add_Hot_Key("\x1B");
}

void Set_Name_Font(void)
{
    static const uint8_t colours[16] = {225, 179, 179, 179, 179, 179, 179, 179, 179, 179, 179, 179, 179, 179, 179, 179};
    Set_Font_Colors_15(1, colours);
    Set_Font_Style(1, 15, 15, 15);
}

void Draw_Icon(int16_t x, int16_t y, int16_t item_idx)
{
    Draw_Item_Icon_With_Enchantment_Outline(item_idx, m_icon_picture);
    Draw_Picture(x, y, m_icon_picture);
}

void Draw_Hero(int16_t slot)
{
    int16_t x1, y1, x2, y2;
    Item_Window_Picture_Coords(slot, &x1, &y1, &x2, &y2);
    const Hero_Slot_Record &hero = _players[HUMAN_PLAYER_IDX].Heroes[slot];
    if (m_pictures.frame != nullptr) FLIC_Draw(x1, y1, m_pictures.frame);
    if (m_pictures.portraits[slot] != nullptr)
        FLIC_Draw((int16_t)(x1 + 1), (int16_t)(y1 + 1), m_pictures.portraits[slot]);
    char name[sizeof hero.name + 1];
    memcpy(name, hero.name, sizeof hero.name);
    name[sizeof hero.name] = '\0';
    Set_Name_Font();
    Print((int16_t)(x1 + 37), y1, name);
    for (int16_t j = 0; j < NUM_ITEM_PLACES; j++) {
        if (Live_Item(hero.Items[j])) {
            Draw_Icon((int16_t)(x1 + 29 * j + 40), (int16_t)(y1 + 15), hero.Items[j]);
            continue;
        }
        const int16_t kind = hero.Item_Slots[j];
        if (kind >= 1 && kind <= 6 && item_slot_icons_seg[kind - 1] != nullptr)
            FLIC_Draw((int16_t)(x1 + 29 * j + 41), (int16_t)(y1 + 17), item_slot_icons_seg[kind - 1]);
    }
    if (item_cursor_item_idx < 0) return;
    if (Check_Same_Location(item_cursor_source, slot)) {
        static const uint8_t same[16] = {225, 157, 157, 157, 157, 157, 157, 157,
                                         157, 157, 157, 157, 157, 157, 157, 157};
        Set_Font_Colors_15(1, same);
        Set_Font_Style(1, 15, 15, 15);
        Print((int16_t)(x1 + 37), (int16_t)(y1 + 7), "Same Location");
    } else {
        Set_Outline_Color(225);
        Set_Font_Style_Shadow_Down(1, 2, 2, 2);
        Print((int16_t)(x1 + 37), (int16_t)(y1 + 7), "Item Teleport");
        Set_Outline_Color(0);
    }
}

void Draw_Reserves(void)
{
    const int16_t X = _item_window_start_x;
    const int16_t Y = _item_window_start_y;
    const Player_Record &wizard = _players[HUMAN_PLAYER_IDX];
    const int16_t style = Item_Screen_Reserve_Font(wizard.gold_reserve, wizard.mana_reserve);
    Set_Font_Style(style, 1, 1, 1);
    char text[16];
    snprintf(text, sizeof text, "%d", wizard.gold_reserve);
    Print_Right((int16_t)(X + 166), (int16_t)(Y + 164), text);
    snprintf(text, sizeof text, "%d", wizard.mana_reserve);
    Print_Right((int16_t)(X + 200), (int16_t)(Y + 164), text);
    Set_Font_Style(0, 1, 1, 1);
    Print((int16_t)(X + 169), (int16_t)(Y + 164), "GP");
    Print((int16_t)(X + 203), (int16_t)(Y + 164), "MP");
}

void Item_Screen_Draw(void)
{
    const int16_t X = _item_window_start_x;
    const int16_t Y = _item_window_start_y;
    Set_Mouse_List(1, item_cursor_item_idx >= 0 && !m_item_on_anvil ? mouse_list_item_cursor : mouse_list_default);
    Copy_Back_To_Off();
    if (m_pictures.background != nullptr) FLIC_Draw(X, Y, m_pictures.background);
    for (int16_t slot = 0; slot < NUM_HERO_SLOTS; slot++) {
        if (Hero_Slot_Live(slot)) Draw_Hero(slot);
    }
    const Player_Record &wizard = _players[HUMAN_PLAYER_IDX];
    for (int16_t k = 0; k < NUM_VAULT_PLACES; k++) {
        if (Live_Item(wizard.Vault_Items[k]))
            Draw_Icon((int16_t)(X + 21 * k + 52), (int16_t)(Y + 170), wizard.Vault_Items[k]);
    }
    Draw_Reserves();
    if (m_pictures.alchemy != nullptr) {
        Set_Animation_Frame(m_pictures.alchemy, 0);
        FLIC_Draw((int16_t)(X + 219), (int16_t)(Y + 155), m_pictures.alchemy);
    }
    if (m_pictures.ok != nullptr) {
        Set_Animation_Frame(m_pictures.ok, 0);
        FLIC_Draw((int16_t)(X + 219), (int16_t)(Y + 175), m_pictures.ok);
    }
    if (Live_Item(item_cursor_item_idx)) {
        if (m_item_on_anvil) {
            Draw_Item_With_Name((int16_t)(X + 18), (int16_t)(Y + 160), item_cursor_item_idx);
        } else {
            Draw_Item_With_Name((int16_t)(Pointer_X() - 5), (int16_t)(Pointer_Y() - 5), item_cursor_item_idx);
        }
    }
    Cycle_Item_Enchantment_Animation();
}

void Item_Screen_Prepare(void)
{
    Item_Screen_Load();
    Assign_Auto_Function(Item_Screen_Draw, 1);
}

// The next pool item is shown and then carried.
void Hand_Out_Pool_Item(void)
{
    item_pool_item_idx = item_pool_list_array[item_pool_list_index];
    item_pool_list_index++;
    if (item_pool_list_index >= item_pool_list_count) item_pool_active = 0;
    if (!Live_Item(item_pool_item_idx)) return;
    Item_Screen_Draw();
    Item_Pool_View();
    Item_Cursor_Take(item_pool_item_idx, item_pool_in_process == 1 ? ITEM_SOURCE_LAIR : ITEM_SOURCE_VAULT);
    Item_Screen_Prepare();
}

void Anvil(void)
{
    Clear_Fields();
    m_item_on_anvil = true;
    Item_Screen_Draw();
    Toggle_Pages();
    Destroy_Item();
    m_item_on_anvil = false;
}

}  // namespace

void Item_Window_Picture_Coords(int16_t hero_slot, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2)
{
    *x1 = (int16_t)(31 + 135 * (hero_slot % 2));
    *y1 = (int16_t)(_item_window_start_y + 12 + 46 * (hero_slot / 2));
    *x2 = (int16_t)(*x1 + 32);
    *y2 = (int16_t)(*y1 + 32);
}

void Draw_Item_With_Name(int16_t x, int16_t y, int16_t item_idx)
{
    if (!Live_Item(item_idx)) return;
    Draw_Icon(x, y, item_idx);
    char name[sizeof _ITEMS[0].name + 1];
    memcpy(name, _ITEMS[item_idx].name, sizeof _ITEMS[0].name);
    name[sizeof _ITEMS[0].name] = '\0';
    Set_Outline_Color(0);
    Set_Font_Style_Shadow_Down(1, 4, 4, 4);
    Print_Centered((int16_t)(x + 12), (int16_t)(y + 19), name);
}

void Item_Screen(void)
{
    _item_window_start_x = WINDOW_X;
    _item_window_start_y = WINDOW_Y;
    Item_Cursor_Take(-1, -1);
    m_item_on_anvil = false;
    Clear_Fields();
    Item_Screen_Load();
    if (m_pictures.background != nullptr) {
        Load_Palette_From_Animation(m_pictures.background);
        Apply_Palette();
    }
    Copy_Off_To_Back();
    Assign_Auto_Function(Item_Screen_Draw, 1);
    Set_Input_Delay(1);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Item_Screen: %d pool items to hand out",
            item_pool_active ? (int)item_pool_list_count : 0);

    int frames = 0;
    bool leave = false;
    while (!leave) {
        if (item_pool_active == 1 && item_cursor_item_idx < 0 && item_pool_list_index < item_pool_list_count) {
            Hand_Out_Pool_Item();
            continue;
        }
        Mark_Time();
        Clear_Fields();
        Item_Screen_Add_Fields();
        const int16_t hit = Get_Input();
        if (quit_game_flag) {
            // The game ends: what is carried or pending is kept in the vault as far as it holds.
            Item_Cursor_Drop_Unattended();
            Heroes_Place_Pool_Unattended();
            break;
        }
        const bool empty = item_cursor_item_idx < 0;
        bool reload = false;
        if (hit != 0 && empty && (hit == m_ok_field || hit == m_esc_field || hit == m_screen_field)) {
            Play_Left_Click();
            leave = true;
        } else if (hit != 0 && empty && hit == m_alchemy_field) {
            Play_Left_Click();
            Alchemy_Popup((int16_t)(_item_window_start_x + 63), (int16_t)(_item_window_start_y + 58));
            reload = true;
        } else if (hit != 0 && hit == m_anvil_field && !empty) {
            Anvil();
        } else if (hit != 0) {
            for (int16_t slot = 0; slot < NUM_HERO_SLOTS && !reload; slot++) {
                if (m_portrait_fields[slot] == NO_FIELD) continue;
                if (empty && hit == -m_portrait_fields[slot]) {
                    int16_t x1, y1, x2, y2;
                    Item_Window_Picture_Coords(slot, &x1, &y1, &x2, &y2);
                    Main_Unit_Statistics_Window(_players[HUMAN_PLAYER_IDX].Heroes[slot].unit_idx, x1, y1, x2, y2);
                    reload = true;
                }
                for (int16_t j = 0; j < NUM_ITEM_PLACES && !reload; j++) {
                    const int16_t field = m_item_fields[slot][j];
                    const int16_t item_idx = _players[HUMAN_PLAYER_IDX].Heroes[slot].Items[j];
                    if (hit == field) {
                        Move_Item(slot, j);
                    } else if (hit == -field && Live_Item(item_idx)) {
                        Item_View_Popup(item_idx, (int16_t)(_item_window_start_x + (slot % 2) * 136 + j * 29 + 62),
                                        (int16_t)(_item_window_start_y + (slot / 2) * 47 + 36));
                        reload = true;
                    }
                }
            }
            for (int16_t k = 0; k < NUM_VAULT_PLACES && !reload; k++) {
                const int16_t item_idx = _players[HUMAN_PLAYER_IDX].Vault_Items[k];
                if (hit == m_vault_fields[k]) {
                    Move_Item(ITEM_PLACE_VAULT, k);
                } else if (hit == -m_vault_fields[k] && Live_Item(item_idx)) {
                    Item_View_Popup(item_idx, (int16_t)(_item_window_start_x + 21 * k + 59),
                                    (int16_t)(_item_window_start_y + 179));
                    reload = true;
                }
            }
        }
        if (reload) {
            Item_Screen_Prepare();
            continue;
        }
        if (leave) break;
        Item_Screen_Draw();
        Toggle_Pages();
        if (item_cursor_item_idx < 0) Release_Time(1);
        if (Unattended_Frame_Done(&frames)) {
            // Nobody answers: the carried item and the rest of the pool go to the vault.
            Item_Cursor_Drop_Unattended();
            Heroes_Place_Pool_Unattended();
            leave = true;
        }
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Item_Screen: leaving");
    Clear_Fields();
    Deactivate_Auto_Function();
    Set_Mouse_List(1, mouse_list_default);
    current_screen = quit_game_flag ? scr_Quit_To_DOS : scr_Armies_Screen;
}
