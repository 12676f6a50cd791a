// The unit view's panel: portrait or figures, name, moves, upkeep or damage, the five rows of
// statistic icons and the paged list of specials. The overland and combat statistics windows, the
// hire popups and the production screen all draw it; a building on the production screen too.
#pragma once

#include <cstdint>

#include "overland/Unit_Specials_List.h"

// View kinds: the production screen, the overland window and hire popups, the combat window.
enum Unit_View_Kind : int16_t {
    uvk_Production = 0,
    uvk_Overland = 1,
    uvk_Combat = 2,
};

// Statistic icon numbers (UNITVIEW.LBX 13 + n, gold ones 35 + n).
enum Unit_View_Icon : int16_t {
    uvi_Melee = 0,
    uvi_Magic_Ranged = 1,
    uvi_Melee_3 = 2,
    uvi_Melee_2 = 3,
    uvi_Melee_4 = 4,
    uvi_Arrows = 5,
    uvi_Rocks_Bullets = 6,
    uvi_Breath = 7,
    uvi_Thrown = 8,
    uvi_Armor = 9,
    uvi_Hits = 10,
    uvi_Moves_Foot = 11,
    uvi_Moves_Flying = 12,
    uvi_Moves_Water = 13,
    uvi_Resist = 14,
};

constexpr int UV_ROWS_PER_PAGE = 8;
constexpr int UV_HERO_FIRST_PAGE_ROWS = 4;
constexpr int UV_ITEM_SLOTS = 3;
constexpr int16_t UV_NO_FIELD = -1000;
constexpr int16_t UV_ITEM_PICTURE_PARAGRAPHS = 30;
constexpr int UV_MESSAGE_SIZE = 120;

extern int16_t uv_view_type;
extern int16_t UV_x_start;
extern int16_t UV_y_start;
extern int16_t uv_unit_idx;
extern int16_t uv_combat;
extern int16_t uv_hero;
extern Specials_List *uv_specials_list_array;
extern int16_t uv_specials_list_count;
extern int16_t uv_specials_list_index;
extern int16_t uv_multipage;
extern int16_t uv_fill_base;

extern int16_t unitview_up_button;
extern int16_t unitview_dn_button;
extern int16_t uv_special_icon_fields[UV_ROWS_PER_PAGE];
extern int16_t uv_special_desc_fields[UV_ROWS_PER_PAGE];
extern int32_t uv_specials_fields_ability_flags[UV_ROWS_PER_PAGE];
extern int16_t uv_item_icon_fields[UV_ITEM_SLOTS];
extern int16_t uv_item_desc_fields[UV_ITEM_SLOTS];

extern uint8_t *UV_item_icon_pict_seg;
// The message composed for the yes/no questions of the window; UV_MESSAGE_SIZE characters.
extern char *GUI_String_1;

// The message string and the specials list, then the item picture from _screen_seg.
void Unit_View_Allocate(void);
// The portrait of a hero type, else the unit's figure, appended to _screen_seg.
void Unit_View_Load_Picture(int16_t unit_idx);
// A hero's first page holds its level row and item slots; any other list pages by 8.
int16_t UV_Is_Multipage(int16_t hero, int16_t count);
void UV_Setup_HireScr(int16_t unit_idx, int16_t count);
void UV_Setup_ProdScr(int16_t count);

// kind 0: index is a building (0..99) or a unit type + 100; kinds 1 and 2: a unit.
void Thing_View_Draw__WIP(int16_t x, int16_t y, int16_t kind, int16_t index, Specials_List *list, int16_t count,
                          uint8_t *item_picture);

void Moves_Type_Icon(uint16_t move_flags, int16_t *icon);
void Melee_Type_Icon(int16_t weapon_kind, int16_t *icon);
void Ranged_Type_Icon(int16_t ranged_kind, int16_t *icon);
void UV_Draw_Upkeep_Icons(int16_t x, int16_t y, int16_t unit_or_negated_type);
void UV_Draw_Stat_Icons(int16_t x, int16_t y, int16_t icon, int16_t value, int16_t per_row, int16_t bonus,
                        int16_t lost);
void UV_Draw_Hits_Icons(int16_t x, int16_t y, int16_t icon, int16_t hits, int16_t damage, int16_t per_row,
                        int16_t bonus);

// Where each icon of a statistic row goes: offsets from the row's corner, gold and shaded marks,
// in drawing order. A row holds at most 2 x per_row icons.
struct Stat_Icon_Place {
    int16_t dx;
    int16_t dy;
    bool gold;
    bool shaded;
};
constexpr int UV_MAX_ROW_ICONS = 30;
int16_t UV_Stat_Icon_Layout(int16_t value, int16_t per_row, int16_t bonus, int16_t lost,
                            Stat_Icon_Place places[UV_MAX_ROW_ICONS]);
int16_t UV_Hits_Icon_Layout(int16_t hits, int16_t damage, int16_t per_row, int16_t bonus,
                            Stat_Icon_Place places[UV_MAX_ROW_ICONS]);

// The specials page.
int16_t UV_Rows_On_Page(int16_t first, int16_t count);
void UV_Clear_Specials_Fields(void);
void UV_Add_UpDn_Buttons(int16_t x, int16_t y);
void UV_Add_Specials_Fields(int16_t x, int16_t y, Specials_List *list, int16_t count, int16_t first);
void UV_Set_Specials_Help_Fields(Specials_List *list, int16_t count, int16_t help_base);
// Pages on the up or down arrow field; rows gets the number of rows then shown.
void UV_Handle_Arrow_Buttons(int16_t field, int16_t *rows);
void USW_DrawListPage(int16_t x, int16_t y, Specials_List *list, int16_t count, int16_t first, uint8_t *item_picture);
