#include "overland/Unit_List_Window.h"

#include <cstdio>

#include "Allocate.h"
#include "Animation.h"
#include "Expanding_Box.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "Mouse.h"
#include "Palette.h"
#include "STU_Log.h"
#include "Video.h"
#include "overland/Unit_Figure.h"
#include "overland/Unit_View_Panel.h"
#include "shell/Graphics_Cache.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Battle_Unit.h"
#include "world/Battle_Unit_Record.h"
#include "world/Movement_Modes.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t UNITVIEW_LIST_BACKGROUND = 28;
constexpr int16_t UNITVIEW_LIST_BOTTOM = 29;
constexpr int16_t UNITVIEW_ICON = 13;
constexpr int16_t STATS_FIRST_COLUMN = 185;
constexpr int16_t STATS_COLUMN_STEP = 20;
constexpr uint16_t ABILITY_SUMMONED = 0x0001;
// Title colour by banner (the first six of the second banner colour table).
constexpr uint8_t COL_Banners2[6] = {98, 216, 123, 43, 179, 50};

int16_t m_ulw_unit_idx;
int16_t m_ulw_unit_owner_idx;
int16_t m_ulw_troops[ULW_MAX_TROOPS];
int16_t m_ulw_troop_count;
int16_t m_ulw_start_x = ULW_START_X;
int16_t m_ulw_start_y;
int16_t m_ulw_height;
int16_t ULW_stack_fields[ULW_MAX_TROOPS];
int16_t _ulw_window_field = UV_NO_FIELD;
int16_t _ulw_full_screen_ESC_field = UV_NO_FIELD;

bool Valid_Unit(int16_t unit_idx) { return _UNITS != nullptr && unit_idx >= 0 && unit_idx < UNIT_TABLE_CAPACITY; }

int16_t Owner_Banner(int16_t owner_idx)
{
    if (owner_idx < 0 || owner_idx >= NUM_PLAYERS) return 0;
    int16_t banner = _players[owner_idx].banner_id;
    return banner >= 0 && banner < 6 ? banner : (int16_t)0;
}

void Unit_Name(int16_t unit_idx, char *name, int size)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    if (unit.Hero_Slot >= 0 && unit.Hero_Slot < NUM_HERO_SLOTS && unit.owner_idx >= 0 && unit.owner_idx < NUM_PLAYERS) {
        const Hero_Slot_Record &slot = _players[unit.owner_idx].Heroes[unit.Hero_Slot];
        snprintf(name, (size_t)size, "%.*s", (int)sizeof slot.name, slot.name);
    } else {
        snprintf(name, (size_t)size, "%s", unit.type < NUM_UNIT_TYPES ? _unit_type_names[unit.type] : "");
    }
}

void Draw_Stat(int16_t cx, int16_t ry, int16_t value, int16_t icon)
{
    if (value <= 0) return;
    Print_Integer_Right(cx, (int16_t)(ry + 7), value);
    if (icon >= 0 && icon < 15 && gfx_unitview_seg[UNITVIEW_ICON + icon] != nullptr) {
        FLIC_Draw((int16_t)(cx + 1), (int16_t)(ry + 5), gfx_unitview_seg[UNITVIEW_ICON + icon]);
    }
    Line((int16_t)(cx + 1), (int16_t)(ry + 6), (int16_t)(cx + 1), (int16_t)(ry + 12), 197);
    Line((int16_t)(cx + 1), (int16_t)(ry + 12), (int16_t)(cx + 9), (int16_t)(ry + 12), 246);
}

void Draw_Troop_Statistics(int16_t unit_idx, int16_t ry)
{
    if (global_battle_unit == nullptr) return;
    uint8_t saved_type = _UNITS[unit_idx].type;
    Load_Battle_Unit(unit_idx, global_battle_unit);
    _UNITS[unit_idx].type = saved_type;
    const Battle_Unit_Record *bu = global_battle_unit;
    uint8_t colours[16];
    for (int i = 0; i < 16; ++i) colours[i] = (uint8_t)(i == 0 ? 252 : 250);
    Set_Font_Colors_15(1, colours);
    Set_Outline_Color(252);
    Set_Font_Style_Outline(1, 15, 15, 15);
    int16_t icon = 0;
    int16_t cx = STATS_FIRST_COLUMN;
    Melee_Type_Icon(bu->Weapon_Quality, &icon);
    Draw_Stat(cx, ry, bu->Melee, icon);
    cx = (int16_t)(cx + STATS_COLUMN_STEP);
    bool ranged = bu->Ranged_Type >= 10 && bu->Ranged_Type <= 39;
    Ranged_Type_Icon(bu->Ranged_Type, &icon);
    Draw_Stat(cx, ry, ranged ? (int16_t)bu->Ranged : (int16_t)0, icon);
    cx = (int16_t)(cx + STATS_COLUMN_STEP);
    Draw_Stat(cx, ry, bu->Defense, uvi_Armor);
    cx = (int16_t)(cx + STATS_COLUMN_STEP);
    Draw_Stat(cx, ry, bu->Hits, uvi_Hits);
    cx = (int16_t)(cx + STATS_COLUMN_STEP);
    Moves_Type_Icon(bu->Move_Flags, &icon);
    Draw_Stat(cx, ry, (int16_t)(bu->Move_Halves / 2), icon);
}

}  // namespace

void Unit_List_Window_Gather_Troops(int16_t unit_idx, int16_t *troops, int16_t *count)
{
    *count = 0;
    if (!Valid_Unit(unit_idx)) return;
    const Unit_Record &clicked = _UNITS[unit_idx];
    for (int16_t u = 0; u < _units && u < UNIT_TABLE_CAPACITY && *count < ULW_MAX_TROOPS; ++u) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.owner_idx != clicked.owner_idx || unit.wx != clicked.wx || unit.wy != clicked.wy) continue;
        if (unit.wp != clicked.wp && unit.in_tower != UNIT_IN_TOWER) continue;
        if (clicked.owner_idx != _current_player_idx && Unit_Has_Invisibility(u) != 0) continue;
        troops[(*count)++] = u;
    }
}

void Unit_List_Window_Geometry(int16_t troop_count, int16_t *height, int16_t *top, int16_t *bottom)
{
    *height = (int16_t)(ULW_ROW_HEIGHT * troop_count + ULW_FIRST_ROW_DY);
    *top = (int16_t)(97 - *height / 2);
    *bottom = (int16_t)(*top + *height);
}

void Unit_List_Window_Title(int16_t owner_idx, int16_t first_unit_idx, char *title, int size)
{
    if (owner_idx == NEUTRAL_PLAYER_IDX) {
        bool summoned = Valid_Unit(first_unit_idx) && _UNITS[first_unit_idx].type < NUM_UNIT_TYPES &&
                        (_unit_type_table[_UNITS[first_unit_idx].type].Abilities & ABILITY_SUMMONED) != 0;
        snprintf(title, (size_t)size, "%s", summoned ? "Rampaging Monsters" : "Raiders");
    } else if (owner_idx >= 0 && owner_idx < NUM_PLAYERS) {
        const Player_Record &player = _players[owner_idx];
        snprintf(title, (size_t)size, "%.*s Units", (int)sizeof player.name, player.name);
    } else {
        title[0] = '\0';
    }
}

void Unit_List_Window_Draw(void)
{
    int16_t top = m_ulw_start_y, bottom = m_ulw_height;
    if (m_ulw_unit_owner_idx == NEUTRAL_PLAYER_IDX) _players[NEUTRAL_PLAYER_IDX].banner_id = NEUTRAL_PLAYER_IDX;
    uint8_t colours[16];
    uint8_t title_colour = COL_Banners2[Owner_Banner(m_ulw_unit_owner_idx)];
    for (uint8_t &c : colours) c = title_colour;
    for (Help_Entry &entry : _help_entries) entry.help_idx = -1;

    Redraw_Expanding_Box_Lines();
    if (gfx_unitview_seg[UNITVIEW_LIST_BACKGROUND] != nullptr) {
        Set_Window(0, 0, 319, bottom);
        Clipped_Draw(m_ulw_start_x, top, gfx_unitview_seg[UNITVIEW_LIST_BACKGROUND]);
        Reset_Window();
    }
    if (gfx_unitview_seg[UNITVIEW_LIST_BOTTOM] != nullptr) {
        FLIC_Draw(m_ulw_start_x, bottom, gfx_unitview_seg[UNITVIEW_LIST_BOTTOM]);
    }

    char text[ULW_TITLE_SIZE];
    Unit_List_Window_Title(m_ulw_unit_owner_idx, m_ulw_troop_count > 0 ? m_ulw_troops[0] : (int16_t)-1, text,
                           sizeof text);
    Set_Font_Colors_15(4, colours);
    Set_Outline_Color(252);
    Set_Font_Style_Outline(4, 15, 15, 15);
    Print_Centered(163, (int16_t)(top + 7), text);

    for (int16_t i = 0; i < m_ulw_troop_count; ++i) {
        int16_t unit_idx = m_ulw_troops[i];
        int16_t rx = (int16_t)(m_ulw_start_x + ULW_FIRST_ROW_DX);
        int16_t ry = (int16_t)(top + ULW_FIRST_ROW_DY + ULW_ROW_HEIGHT * i);
        Draw_Unit_Picture(rx, ry, unit_idx, (int16_t)(_UNITS[unit_idx].owner_idx == _current_player_idx ? 1 : 3));
        char name[ULW_TITLE_SIZE];
        Unit_Name(unit_idx, name, sizeof name);
        Set_Outline_Color(251);
        Set_Font_Style_Outline(2, 0, 0, 0);
        Print((int16_t)(rx + 24), (int16_t)(ry + 5), name);
        Draw_Troop_Statistics(unit_idx, ry);
    }
    Cycle_Unit_Enchantment_Animation();
}

void Unit_List_Window_Add_Fields(int16_t mode)
{
    for (int16_t &field : ULW_stack_fields) field = UV_NO_FIELD;
    _ulw_window_field = UV_NO_FIELD;
    if (mode == 1) {
        for (int16_t i = 0; i < m_ulw_troop_count; ++i) {
            int16_t ry = (int16_t)(m_ulw_start_y + ULW_FIRST_ROW_DY + ULW_ROW_HEIGHT * i);
            ULW_stack_fields[i] = Add_Hidden_Field(53, ry, 275, (int16_t)(ry + 18), "", -1);
        }
        _ulw_window_field = Add_Hidden_Field(m_ulw_start_x, m_ulw_start_y, 282, (int16_t)(m_ulw_height + 4), "", -1);
    }
    _ulw_full_screen_ESC_field = Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
}

int16_t Unit_List_Window(int16_t unit_idx, int16_t mode, int16_t x, int16_t y)
{
    if (!Valid_Unit(unit_idx)) return -1;
    m_ulw_unit_idx = unit_idx;
    m_ulw_unit_owner_idx = _UNITS[unit_idx].owner_idx;
    Cache_Graphics_Unit_List_Window();
    if (gfx_unitview_seg[UNITVIEW_LIST_BACKGROUND] != nullptr) {
        Load_Palette_From_Animation(gfx_unitview_seg[UNITVIEW_LIST_BACKGROUND]);
    }
    Apply_Palette();
    Copy_On_To_Off_Page();
    Copy_Off_To_Back();
    Set_Mouse_List(1, mouse_list_default);

    Unit_List_Window_Gather_Troops(unit_idx, m_ulw_troops, &m_ulw_troop_count);
    int16_t height = 0;
    Unit_List_Window_Geometry(m_ulw_troop_count, &height, &m_ulw_start_y, &m_ulw_height);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Unit_List_Window: unit %d, %d troops, mode %d", unit_idx, m_ulw_troop_count, mode);

    Allocate_First_Block(_screen_seg, 1);
    Set_Page_Off();
    Unit_List_Window_Draw();
    Draw_Expanding_Box(m_ulw_start_x, m_ulw_start_y, 283, (int16_t)(m_ulw_height + 5), x, y, (int16_t)(x + 19),
                       (int16_t)(y + 16), 1);
    Assign_Auto_Function(Unit_List_Window_Draw, 1);
    Set_Input_Delay(1);
    Deactivate_Help_List();
    GUI_SetFullHelp();

    int16_t picked = -1;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        Clear_Fields();
        Unit_List_Window_Add_Fields(mode);
        int16_t input = Get_Input();
        if (quit_game_flag || (input != 0 && input == _ulw_full_screen_ESC_field)) {
            leave = true;
        }
        for (int16_t i = 0; i < m_ulw_troop_count && !leave && input > 0; ++i) {
            if (input == ULW_stack_fields[i]) {
                picked = m_ulw_troops[i];
                leave = true;
            }
        }
        if (!leave) {
            Copy_Back_To_Off();
            Unit_List_Window_Draw();
            Toggle_Pages();
            Release_Time(1);
        }
    }
    _page_flip_effect = 3;
    Leave_Screen();
    Cache_Graphics_Overland();
    return picked;
}
