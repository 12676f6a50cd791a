// The item-making screen: the human picks the item's type, icon and up to four powers (one power
// may store a spell with charges) and sees the name and the cost that the rules compose.
#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Palette.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "heroes/Item_Making.h"
#include "heroes/Item_View.h"
#include "shell/Graphics_Cache.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "turn/Magic_Power_Research.h"
#include "world/ALLOC.h"
#include "world/Item_Record.h"
#include "world/Spell_Data_Record.h"

namespace {

constexpr int16_t NO_FIELD = -1000;
constexpr int16_t SMALL_COST_LIMIT = 200;
constexpr int16_t LARGE_COST_LIMIT = 10000;
constexpr int16_t ITEM_MAKING_SPELL = 207;
constexpr int16_t MESSAGE_TOO_MANY_POWERS = 0;
constexpr int16_t MESSAGE_NO_POWERS = 1;
constexpr int16_t MESSAGE_CHOOSE_SPELL = 2;
constexpr int MESSAGE_RECORD_SIZE = 150;
constexpr int16_t COLUMN_X[ITEM_MAKE_COLUMNS] = {10, 95, 197};
constexpr int16_t COLUMN_WIDTH[ITEM_MAKE_COLUMNS] = {78, 78, 98};
constexpr int16_t ROW_TOP = 41;
constexpr int16_t ROW_STEP = 11;
constexpr int16_t SEPARATOR_STEP = 3;
constexpr int SPELLS_A_PAGE = 28;
constexpr int SPELL_ROWS = 14;

struct Item_Make_Pictures {
    uint8_t *background;
    uint8_t *types[NUM_ITEM_TYPES];
    uint8_t *types_lit[NUM_ITEM_TYPES];
    uint8_t *ok;
    uint8_t *left;
    uint8_t *right;
};
Item_Make_Pictures m_pictures;

int16_t m_player_idx = 0;
int16_t m_cost_limit = SMALL_COST_LIMIT;
Item_Make_Choice m_choice;
Item_Make_Power_List m_list;
char m_name[ITEM_NAME_ROOM];
int16_t m_item_cost = 0;
uint8_t m_icon_picture[PICTURE_BITMAP_HEADER + 19 * 19];
int16_t m_power_fields[ITEM_MAKE_COLUMNS][ITEM_MAKE_THIRD_ROOM];

// The charge-spell picker.
int16_t m_spells[ITEM_MAKE_SPELL_ROOM];
int16_t m_spell_count = 0;
int16_t m_spell_page = 0;
int16_t m_picked_spell = 0;
char m_title[MESSAGE_RECORD_SIZE + 1];

bool Chosen(int16_t power)
{
    for (int i = 0; i < m_choice.power_count; i++)
        if (m_choice.powers[i] == power) return true;
    return false;
}

int16_t Reduced_Cost(void)
{
    const int32_t reduction = Casting_Cost_Reduction(m_player_idx, ITEM_MAKING_SPELL);
    const int32_t cost = m_item_cost - (int32_t)m_item_cost * reduction / 100;
    return (int16_t)(cost < 0 ? 0 : cost > ITEM_COST_CAP ? ITEM_COST_CAP : cost);
}

// Cost, name and record 137 follow the choice.
void Recompute(void)
{
    m_item_cost = Item_Make_Compute_Cost(m_choice);
    Item_Make_Compose_Name(m_choice, m_name);
    Item_Make_Fill_Record(m_choice, m_name, ITEM_BEING_MADE);
}

void Message(int16_t record, char *out)
{
    memset(out, 0, MESSAGE_RECORD_SIZE + 1);
    LBX_Load_Data_Static("MESSAGE", 0, (uint8_t *)out, record, 1, MESSAGE_RECORD_SIZE);
}

void Item_Make_Screen_Load(void)
{
    m_pictures = Item_Make_Pictures{};
    Allocate_First_Block(_screen_seg, 1);
    m_pictures.background = LBX_Reload_Next_Picture("SPELLSCR", 13, _screen_seg);
    for (int16_t i = 0; i < NUM_ITEM_TYPES; i++) {
        m_pictures.types[i] = LBX_Reload_Next_Picture("SPELLSCR", (int16_t)(14 + i), _screen_seg);
        m_pictures.types_lit[i] = LBX_Reload_Next_Picture("SPELLSCR", (int16_t)(25 + i), _screen_seg);
    }
    m_pictures.ok = LBX_Reload_Next_Picture("SPELLSCR", 24, _screen_seg);
    m_pictures.left = LBX_Reload_Next_Picture("SPELLSCR", 35, _screen_seg);
    m_pictures.right = LBX_Reload_Next_Picture("SPELLSCR", 36, _screen_seg);
}

int16_t Type_X(int16_t i) { return (int16_t)(156 + 33 * (i % 5)); }
int16_t Type_Y(int16_t i) { return (int16_t)(3 + 15 * (i / 5)); }

// The row of each entry of a column, a separator taking 3 pixels.
int16_t Entry_Y(int column, int index)
{
    int16_t y = (int16_t)(column == 2 && m_list.count[2] > 0 && m_list.column[2][0] < 0 ? 36 : ROW_TOP);
    for (int i = 0; i < index; i++) y = (int16_t)(y + (m_list.column[column][i] < 0 ? SEPARATOR_STEP : ROW_STEP));
    return y;
}

void Item_Make_Screen_Draw(void)
{
    Set_Page_Off();
    if (m_pictures.background != nullptr) FLIC_Draw(0, 0, m_pictures.background);
    for (int16_t i = 0; i < NUM_ITEM_TYPES; i++) {
        uint8_t *picture = m_choice.type == i ? m_pictures.types_lit[i] : m_pictures.types[i];
        if (picture != nullptr) FLIC_Draw(Type_X(i), Type_Y(i), picture);
    }
    if (m_pictures.ok != nullptr) FLIC_Draw(281, 180, m_pictures.ok);
    if (m_pictures.left != nullptr) FLIC_Draw(4, 24, m_pictures.left);
    if (m_pictures.right != nullptr) FLIC_Draw(17, 24, m_pictures.right);
    Draw_Item_Icon_With_Enchantment_Outline(ITEM_BEING_MADE, m_icon_picture);
    Draw_Picture(4, 5, m_icon_picture);
    Set_Font_Style(2, 2, 2, 2);
    Print(30, 13, m_name);
    for (int c = 0; c < ITEM_MAKE_COLUMNS; c++) {
        for (int i = 0; i < m_list.count[c]; i++) {
            const int16_t power = m_list.column[c][i];
            if (power < 0) continue;
            Set_Font_Style(1, Chosen(power) ? 3 : 1, 3, 3);
            char name[sizeof item_powers[0].name + 1];
            memcpy(name, item_powers[power].name, sizeof item_powers[0].name);
            name[sizeof item_powers[0].name] = '\0';
            Print(COLUMN_X[c], Entry_Y(c, i), name);
        }
    }
    Set_Font_Style(2, 2, 2, 2);
    char cost[32];
    snprintf(cost, sizeof cost, "Cost: %d", Reduced_Cost());
    Print(198, 185, cost);
    Cycle_Item_Enchantment_Animation();
}

int16_t m_picker_spell = 0;  // the spell whose charges are being chosen, 0 none

int16_t Spell_X(int k) { return (int16_t)(k / SPELL_ROWS == 0 ? 44 : 166); }
int16_t Spell_Y(int k) { return (int16_t)(36 + 10 * (k % SPELL_ROWS)); }

void Spell_Picker_Draw(void)
{
    Item_Make_Screen_Draw();
    if (small_spellbook_seg[0] != nullptr) {
        FLIC_Draw(28, 12, small_spellbook_seg[0]);
    } else {
        Fill(28, 12, 291, 199, 18);
    }
    Set_Font_Style(4, 4, 4, 4);
    Print_Centered(160, 18, m_title);
    Set_Font_Style(1, 1, 3, 3);
    for (int k = 0; k < SPELLS_A_PAGE; k++) {
        const int index = m_spell_page * SPELLS_A_PAGE + k;
        if (index >= m_spell_count) break;
        const int16_t spell = m_spells[index];
        char name[sizeof spell_data_table[0].name + 1];
        memcpy(name, spell_data_table[spell].name, sizeof spell_data_table[0].name);
        name[sizeof spell_data_table[0].name] = '\0';
        Set_Font_Style(1, spell == m_picker_spell ? 3 : 1, 3, 3);
        Print(Spell_X(k), Spell_Y(k), name);
    }
    Set_Font_Style(1, 1, 1, 1);
    if (m_spell_page > 0) Print(36, 184, "B");
    if ((m_spell_page + 1) * SPELLS_A_PAGE < m_spell_count) Print(276, 184, "F");
    Print(188, 184, "X");
    if (m_picker_spell > 0) {
        Fill(100, 80, 220, 112, 18);
        Set_Font_Style(4, 4, 4, 4);
        Print_Centered(160, 84, "Charges");
        Set_Font_Style(2, 2, 2, 2);
        for (int16_t n = 1; n <= 4; n++) {
            char digit[2] = {(char)('0' + n), '\0'};
            Fill((int16_t)(106 + 28 * (n - 1)), 96, (int16_t)(126 + 28 * (n - 1)), 108, 46);
            Print_Centered((int16_t)(116 + 28 * (n - 1)), 99, digit);
        }
    }
}

}  // namespace

int16_t Item_Make_Pick_Charge_Spell(void)
{
    m_spell_count = Item_Make_Build_Spell_List(m_player_idx, m_spells);
    m_spell_page = 0;
    m_picker_spell = 0;
    m_picked_spell = 0;
    Message(MESSAGE_CHOOSE_SPELL, m_title);
    Assign_Auto_Function(Spell_Picker_Draw, 1);
    int frames = 0;
    bool done = false;
    while (!done) {
        Mark_Time();
        Clear_Fields();
        int16_t spell_fields[SPELLS_A_PAGE];
        for (int k = 0; k < SPELLS_A_PAGE; k++) {
            spell_fields[k] = NO_FIELD;
            if (m_picker_spell > 0 || m_spell_page * SPELLS_A_PAGE + k >= m_spell_count) continue;
            spell_fields[k] = Add_Hidden_Field(Spell_X(k), Spell_Y(k), (int16_t)(Spell_X(k) + 110),
                                               (int16_t)(Spell_Y(k) + 8), "", -1);
        }
        int16_t charge_fields[4] = {NO_FIELD, NO_FIELD, NO_FIELD, NO_FIELD};
        if (m_picker_spell > 0) {
            for (int n = 0; n < 4; n++)
                charge_fields[n] = Add_Hidden_Field((int16_t)(106 + 28 * n), 96, (int16_t)(126 + 28 * n), 108, "", -1);
        }
        const int16_t forward = Add_Hot_Key("F");
        const int16_t back = Add_Hot_Key("B");
        const int16_t forward_corner = Add_Hidden_Field(270, 176, 291, 199, "", -1);
        const int16_t back_corner = Add_Hidden_Field(28, 176, 49, 199, "", -1);
        const int16_t cancel = Add_Hidden_Field(187, 168, 205, 199, "\x1B", -1);
        const int16_t hit = Get_Input();
        if (quit_game_flag || (hit != 0 && hit == cancel)) {
            Play_Left_Click();
            done = true;
        } else if (hit != 0 && (hit == forward || hit == forward_corner)) {
            if ((m_spell_page + 1) * SPELLS_A_PAGE < m_spell_count) m_spell_page++;
        } else if (hit != 0 && (hit == back || hit == back_corner)) {
            if (m_spell_page > 0) m_spell_page--;
        } else if (hit > 0) {
            for (int k = 0; k < SPELLS_A_PAGE; k++) {
                if (hit == spell_fields[k]) {
                    Play_Left_Click();
                    m_picker_spell = m_spells[m_spell_page * SPELLS_A_PAGE + k];
                }
            }
            for (int16_t n = 0; n < 4; n++) {
                if (hit == charge_fields[n]) {
                    Play_Left_Click();
                    m_choice.spell = m_picker_spell;
                    m_choice.charges = (int16_t)(n + 1);
                    m_picked_spell = m_picker_spell;
                    done = true;
                }
            }
        }
        if (done) break;
        Spell_Picker_Draw();
        Toggle_Pages();
        Release_Time(1);
        if (Unattended_Frame_Done(&frames)) break;
    }
    Clear_Fields();
    Assign_Auto_Function(Item_Make_Screen_Draw, 1);
    return m_picked_spell;
}

namespace {

void Add_Power_Fields(void)
{
    for (int c = 0; c < ITEM_MAKE_COLUMNS; c++) {
        for (int i = 0; i < ITEM_MAKE_THIRD_ROOM; i++) {
            m_power_fields[c][i] = NO_FIELD;
            if (i >= m_list.count[c] || m_list.column[c][i] < 0) continue;
            const int16_t y = Entry_Y(c, i);
            m_power_fields[c][i] = Add_Hidden_Field(COLUMN_X[c], y, (int16_t)(COLUMN_X[c] + COLUMN_WIDTH[c] - 1),
                                                    (int16_t)(y + ROW_STEP - 2), "", -1);
        }
    }
}

void Power_Clicked(int16_t power)
{
    if (Chosen(power)) {
        Item_Make_Choose_Power(&m_choice, power);  // a second click takes it back
        return;
    }
    // A power of another group than those chosen, with four chosen already: the warning.
    Item_Make_Choice trial = m_choice;
    if (!Item_Make_Choose_Power(&trial, power)) {
        char text[MESSAGE_RECORD_SIZE + 1];
        Message(MESSAGE_TOO_MANY_POWERS, text);
        if (!g_headless_unattended) Warn0(text);
        return;
    }
    if (power == ITEM_POWER_CHARGES) {
        if (Item_Make_Pick_Charge_Spell() == 0) {
            m_choice.spell = 0;
            m_choice.charges = 0;
            return;
        }
        trial.spell = m_choice.spell;
        trial.charges = m_choice.charges;
    }
    m_choice = trial;
}

}  // namespace

int16_t Item_Make_Screen(int16_t player_idx, int16_t large_flag)
{
    if (_ITEMS == nullptr || !Item_Make_Load_Tables()) return 0;
    m_player_idx = player_idx >= 0 && player_idx < NUM_PLAYERS ? player_idx : 0;
    memset(&_ITEMS[ITEM_BEING_MADE], 0, sizeof _ITEMS[0]);
    m_cost_limit = large_flag ? LARGE_COST_LIMIT : SMALL_COST_LIMIT;
    Item_Make_Clear_Choice(&m_choice, it_Sword);
    Item_Make_Screen_Load();
    if (m_pictures.background != nullptr) {
        Load_Palette_From_Animation(m_pictures.background);
        Apply_Palette();
    }
    Item_Make_Build_Power_List(m_player_idx, m_choice.type, m_cost_limit, &m_list);
    Recompute();
    Assign_Auto_Function(Item_Make_Screen_Draw, 1);
    Set_Mouse_List(1, mouse_list_default);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Item_Make_Screen: player %d, powers up to %d", (int)m_player_idx, (int)m_cost_limit);

    int frames = 0;
    int16_t result = -1;
    while (result < 0) {
        Mark_Time();
        Clear_Fields();
        int16_t type_fields[NUM_ITEM_TYPES];
        for (int16_t i = 0; i < NUM_ITEM_TYPES; i++)
            type_fields[i] = Add_Button_Field(Type_X(i), Type_Y(i), "", m_pictures.types[i], "", -1);
        const int16_t ok = Add_Button_Field(281, 180, "", m_pictures.ok, "\x1B", -1);
        const int16_t left = Add_Button_Field(4, 24, "", m_pictures.left, "", -1);
        const int16_t right = Add_Button_Field(17, 24, "", m_pictures.right, "", -1);
        Add_Power_Fields();
        const int16_t hit = Get_Input();
        bool finish = false;
        if (quit_game_flag) {
            result = 0;
            break;
        }
        if (hit != 0 && hit == ok) {
            Play_Left_Click();
            finish = true;
        } else if (hit != 0 && (hit == left || hit == right)) {
            Play_Left_Click();
            const Item_Type_Info &info = item_type_table[m_choice.type];
            int16_t icon = (int16_t)(m_choice.icon + (hit == left ? -1 : 1));
            if (icon < info.first_icon) icon = (int16_t)(info.first_icon + info.icon_count - 1);
            if (icon >= info.first_icon + info.icon_count) icon = info.first_icon;
            m_choice.icon = icon;
        } else if (hit > 0) {
            for (int16_t i = 0; i < NUM_ITEM_TYPES; i++) {
                if (hit != type_fields[i] || i == m_choice.type) continue;
                Play_Left_Click();
                Item_Make_Change_Type(&m_choice, i);
                Item_Make_Build_Power_List(m_player_idx, i, m_cost_limit, &m_list);
            }
            for (int c = 0; c < ITEM_MAKE_COLUMNS; c++) {
                for (int k = 0; k < m_list.count[c]; k++) {
                    if (hit != m_power_fields[c][k]) continue;
                    Play_Left_Click();
                    Power_Clicked(m_list.column[c][k]);
                }
            }
        }
        Recompute();
        if (finish) {
            if (m_choice.power_count > 0) {
                result = Reduced_Cost();
                break;
            }
            char text[MESSAGE_RECORD_SIZE + 1];
            Message(MESSAGE_NO_POWERS, text);
            if (g_headless_unattended || Confirmation_Box(text)) {
                result = 0;
                break;
            }
            Assign_Auto_Function(Item_Make_Screen_Draw, 1);
        }
        Item_Make_Screen_Draw();
        Toggle_Pages();
        Release_Time(1);
        if (Unattended_Frame_Done(&frames)) result = 0;
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Item_Make_Screen: \"%s\" at %d", m_name, (int)result);
    Clear_Fields();
    Deactivate_Auto_Function();
    return result;
}
