#include "overland/Unit_View_Popup.h"

#include <cstdio>

#include "Allocate.h"
#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Expanding_Box.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "Palette.h"
#include "STU_Log.h"
#include "Video.h"
#include "heroes/Item_View.h"
#include "overland/Stack_Selection.h"
#include "overland/Unit_Enchantment_Removal.h"
#include "overland/Unit_View_Panel.h"
#include "shell/Graphics_Cache.h"
#include "shell/Map_Window.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Battle_Unit.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

int16_t unitview_ok_button = UV_NO_FIELD;
int16_t unitview_dismiss_button = UV_NO_FIELD;
int16_t unitview_window = UV_NO_FIELD;
int16_t unitview_button_box = UV_NO_FIELD;
int16_t unitview_full_screen = UV_NO_FIELD;

namespace {

constexpr int16_t BACKGRND_RED_BUTTON = 24;
constexpr int16_t WINDOW_WIDTH = 217, WINDOW_HEIGHT = 184;
constexpr int16_t PICTURE_WIDTH = 282;

bool Hit(int16_t input, int16_t field) { return field != UV_NO_FIELD && input == field; }

// After the block was given back (an item pop-up or a removal used it): the work memory and the
// portrait or figure again, and the list rebuilt.
void Reload_And_Rebuild(int16_t unit_idx)
{
    Release_Block(_screen_seg);
    Mark_Block(_screen_seg);
    Unit_View_Allocate();
    Unit_View_Load_Picture(unit_idx);
    uv_specials_list_count = 0;
    if (uv_view_type != uvk_Production) {
        USW_Build_Effect_List(unit_idx, uv_specials_list_array, &uv_specials_list_count);
    }
    uv_specials_list_index = Unit_View_Keep_First_Row(uv_specials_list_index, uv_specials_list_count);
    uv_multipage = UV_Is_Multipage(uv_hero, uv_specials_list_count);
}

void Run_Statistics_Window(int16_t x, int16_t y, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t kind,
                           int16_t unit_idx)
{
    Mark_Block(_screen_seg);
    Unit_View_Allocate();
    Unit_View_Load_Picture(unit_idx);
    Unit_Statistics_Popup(x, y, x1, y1, x2, y2, kind, unit_idx);
    Release_Block(_screen_seg);
}

}  // namespace

void Overland_Unit_Statistics_Window(int16_t x, int16_t y, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t kind,
                                     int16_t unit_idx)
{
    Cache_Graphics_Things();
    Allocate_First_Block(_screen_seg, 1);
    uv_combat = 0;
    Run_Statistics_Window(x, y, x1, y1, x2, y2, kind, unit_idx);
    Cache_Graphics_Overland();
}

void Combat_Unit_Statistics_Window(int16_t x, int16_t y, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t kind,
                                   int16_t unit_idx)
{
    Cache_Graphics_Things();
    uv_combat = 1;
    Run_Statistics_Window(x, y, x1, y1, x2, y2, kind, unit_idx);
    Cache_Graphics_Combat();
}

int16_t Unit_View_Keep_First_Row(int16_t first, int16_t count)
{
    if (first >= count) first = (int16_t)(first - UV_ROWS_PER_PAGE);
    return first < 0 ? (int16_t)0 : first;
}

void Unit_View_Dismiss_Question(int16_t unit_idx, char *text, int size)
{
    if (text == nullptr || size <= 0) return;
    text[0] = '\0';
    if (_UNITS == nullptr || unit_idx < 0 || unit_idx >= UNIT_TABLE_CAPACITY) return;
    const Unit_Record &unit = _UNITS[unit_idx];
    if (unit.Hero_Slot != -1 && unit.Hero_Slot >= 0 && unit.Hero_Slot < NUM_HERO_SLOTS && _current_player_idx >= 0 &&
        _current_player_idx < NUM_PLAYERS) {
        const Hero_Slot_Record &slot = _players[_current_player_idx].Heroes[unit.Hero_Slot];
        snprintf(text, (size_t)size, "Do you wish to dismiss \x02%.*s\x01?", (int)sizeof slot.name, slot.name);
    } else {
        const char *type_name = unit.type < NUM_UNIT_TYPES ? _unit_type_names[unit.type] : "";
        snprintf(text, (size_t)size, "Do you wish to disband the unit of \x02%s\x01?", type_name);
    }
}

void Unit_Statistics_Popup_Do_Draw(void)
{
    int16_t x = UV_x_start, y = UV_y_start;
    if (uv_combat == 0) Redraw_Expanding_Box_Lines();
    Thing_View_Draw__WIP(x, y, uv_view_type, uv_unit_idx, uv_specials_list_array, uv_specials_list_count,
                         UV_item_icon_pict_seg);
    if (uv_view_type != uvk_Combat && gfx_backgrnd_seg[BACKGRND_RED_BUTTON] != nullptr) {
        Set_Animation_Frame(gfx_backgrnd_seg[BACKGRND_RED_BUTTON], 0);
        FLIC_Draw((int16_t)(x + 222), (int16_t)(y + 162), gfx_backgrnd_seg[BACKGRND_RED_BUTTON]);
        Set_Animation_Frame(gfx_backgrnd_seg[BACKGRND_RED_BUTTON], 0);
        FLIC_Draw((int16_t)(x + 222), (int16_t)(y + 143), gfx_backgrnd_seg[BACKGRND_RED_BUTTON]);
    }
    if (uv_multipage == 1) {
        if (gfx_unitview_seg[3] != nullptr) FLIC_Draw((int16_t)(x + 204), (int16_t)(y + 105), gfx_unitview_seg[3]);
        if (gfx_unitview_seg[4] != nullptr) FLIC_Draw((int16_t)(x + 204), (int16_t)(y + 168), gfx_unitview_seg[4]);
    }
}

void Unit_Statistics_Popup(int16_t x, int16_t y, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t kind,
                           int16_t unit_idx)
{
    if (_UNITS == nullptr || unit_idx < 0 || unit_idx >= UNIT_TABLE_CAPACITY) return;
    UV_x_start = x;
    UV_y_start = y;
    uv_view_type = kind;
    uv_unit_idx = unit_idx;
    Clear_Fields();
    Assign_Auto_Function(Unit_Statistics_Popup_Do_Draw, 1);
    Deactivate_Help_List();
    Set_Unit_View_Help(kind);

    uv_specials_list_count = 0;
    if (kind == uvk_Overland || kind == uvk_Combat) {
        USW_Build_Effect_List(unit_idx, uv_specials_list_array, &uv_specials_list_count);
    }
    uv_specials_list_index = 0;
    uv_hero = (int16_t)(_UNITS[unit_idx].Hero_Slot != -1 ? 1 : 0);
    uv_multipage = UV_Is_Multipage(uv_hero, uv_specials_list_count);

    if (gfx_unitview_seg[1] != nullptr) Load_Palette_From_Animation(gfx_unitview_seg[1]);
    Apply_Palette();
    Set_Palette_Changes(244, 255);
    Calculate_Remap_Colors();
    Copy_On_To_Off_Page();
    Copy_Off_To_Back();
    Set_Input_Delay(4);

    Set_Page_Off();
    uv_fill_base = 1;
    Thing_View_Draw__WIP(x, y, kind, unit_idx, uv_specials_list_array, uv_specials_list_count, UV_item_icon_pict_seg);
    uv_fill_base = 0;
    if (uv_combat == 0) {
        Draw_Expanding_Box_Picture(x, y, (int16_t)(x + WINDOW_WIDTH), (int16_t)(y + WINDOW_HEIGHT), x, y,
                                   (int16_t)(x + PICTURE_WIDTH), (int16_t)(y + WINDOW_HEIGHT), x1, y1, x2, y2, 1);
    }
    UV_Set_Specials_Help_Fields(uv_specials_list_array, uv_specials_list_count, 0);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Unit_Statistics_Popup: unit %d, kind %d, %d specials", unit_idx, kind,
            uv_specials_list_count);

    bool leave = false;
    while (!leave) {
        Mark_Time();
        Clear_Fields();
        UV_Add_Specials_Fields((int16_t)(x + 8), (int16_t)(y + 108), uv_specials_list_array, uv_specials_list_count,
                               uv_specials_list_index);
        Set_Font_Style(4, 0, 0, 0);
        Set_Alias_Color(203);
        unitview_ok_button = UV_NO_FIELD;
        unitview_dismiss_button = UV_NO_FIELD;
        unitview_button_box = UV_NO_FIELD;
        if (kind != uvk_Combat) {
            unitview_ok_button = Add_Button_Field((int16_t)(x + 222), (int16_t)(y + 162), "Ok",
                                                  gfx_backgrnd_seg[BACKGRND_RED_BUTTON], "O", -1);
        }
        if (kind == uvk_Overland) {
            unitview_dismiss_button = Add_Button_Field((int16_t)(x + 222), (int16_t)(y + 143), "Dismiss",
                                                       gfx_backgrnd_seg[BACKGRND_RED_BUTTON], "D", -1);
        }
        unitview_window = Add_Hidden_Field(x, y, (int16_t)(x + WINDOW_WIDTH), (int16_t)(y + WINDOW_HEIGHT), "", -1);
        if (kind != uvk_Combat) {
            unitview_button_box = Add_Hidden_Field((int16_t)(x + 213), (int16_t)(y + 133), (int16_t)(x + 280),
                                                   (int16_t)(y + 183), "", -1);
        }
        unitview_full_screen = Add_Hidden_Field(0, 0, 319, 199, "", -1);
        int16_t esc = Add_Hot_Key("\x1B");
        UV_Set_Specials_Help_Fields(uv_specials_list_array, uv_specials_list_count, 0);
        int16_t input = Get_Input();
        if (quit_game_flag) break;
        int16_t rows = 0;
        UV_Handle_Arrow_Buttons(input, &rows);
        bool redrawn = false;

        for (int16_t slot = 0; slot < UV_ITEM_SLOTS && input > 0; ++slot) {
            if (!Hit(input, uv_item_icon_fields[slot]) && !Hit(input, uv_item_desc_fields[slot])) continue;
            const Unit_Record &unit = _UNITS[unit_idx];
            if (unit.owner_idx < 0 || unit.owner_idx >= NUM_PLAYERS || unit.Hero_Slot < 0 ||
                unit.Hero_Slot >= NUM_HERO_SLOTS) {
                break;
            }
            int16_t item_idx = _players[unit.owner_idx].Heroes[unit.Hero_Slot].Items[slot];
            if (item_idx < 0) break;
            Item_View_Popup(item_idx, (int16_t)(x + 16), (int16_t)(y + 133 + 17 * slot));
            Assign_Auto_Function(Unit_Statistics_Popup_Do_Draw, 1);
            Set_Input_Delay(2);
            Reload_And_Rebuild(unit_idx);
            redrawn = true;
            break;
        }

        for (int16_t p = 0; p < UV_ROWS_PER_PAGE && !redrawn && input > 0 && kind != uvk_Combat; ++p) {
            if (!Hit(input, uv_special_icon_fields[p]) && !Hit(input, uv_special_desc_fields[p])) continue;
            int32_t flag = uv_specials_fields_ability_flags[p];
            if (flag == SPECIALS_FLAG_PLAIN || flag == SPECIALS_FLAG_ITEM_SLOT || flag == UV_NO_FIELD) break;
            if (UV_Remove_Unit_Enchantment(unit_idx, (uint32_t)flag, GUI_String_1) == 1) {
                leave = true;
                WIZ_NextIdleStack(HUMAN_PLAYER_IDX, &_map_x, &_map_y, &_map_plane);
            } else {
                Load_Battle_Unit(unit_idx, global_battle_unit);
                Reload_And_Rebuild(unit_idx);
                Assign_Auto_Function(Unit_Statistics_Popup_Do_Draw, 1);
                Set_Unit_View_Help(kind);
                redrawn = true;
            }
            break;
        }

        if (!leave && !redrawn && Hit(input, unitview_dismiss_button)) {
            Unit_View_Dismiss_Question(unit_idx, GUI_String_1, UV_MESSAGE_SIZE);
            if (Confirmation_Box(GUI_String_1) == 1) {
                const Unit_Record &unit = _UNITS[unit_idx];
                int16_t owner = unit.owner_idx, wx = unit.wx, wy = unit.wy, wp = unit.wp;
                STU_LOG(SEV_INFO, LC_KEL_SCR, "Unit_Statistics_Popup: unit %d dismissed", unit_idx);
                Dismiss_Unit(unit_idx);
                Select_Unit_Stack(owner, &_map_x, &_map_y, wp, wx, wy);
                Set_Unit_Draw_Priority();
                Reset_Stack_Draw_Priority();
                leave = true;
            }
            Assign_Auto_Function(Unit_Statistics_Popup_Do_Draw, 1);
            Set_Unit_View_Help(kind);
        }

        if (!leave && (Hit(input, unitview_full_screen) || Hit(input, unitview_ok_button) || input == esc)) {
            leave = true;
        }
        if (!leave && !redrawn) {
            Copy_Back_To_Off();
            Unit_Statistics_Popup_Do_Draw();
            Toggle_Pages();
            Release_Time(1);
        }
    }
    _page_flip_effect = 3;
    Leave_Screen();
}
