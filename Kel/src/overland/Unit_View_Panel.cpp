#include "overland/Unit_View_Panel.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Paragraph.h"
#include "Pictures.h"
#include "cities/Product_Rules.h"
#include "cities/screens/City_Screen.h"
#include "cities/screens/City_Screen_Icons.h"
#include "cities/screens/Production_Screen.h"
#include "heroes/Item_View.h"
#include "heroes/Text_Lists.h"
#include "overland/Unit_View_Figures.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit_Record.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"
#include "world/Race_Type_Table.h"
#include "world/Spell_Data_Record.h"
#include "world/Square_Queries.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

int16_t uv_view_type;
int16_t UV_x_start;
int16_t UV_y_start;
int16_t uv_unit_idx;
int16_t uv_combat;
int16_t uv_hero;
Specials_List *uv_specials_list_array;
int16_t uv_specials_list_count;
int16_t uv_specials_list_index;
int16_t uv_multipage;
int16_t uv_fill_base;

int16_t unitview_up_button = UV_NO_FIELD;
int16_t unitview_dn_button = UV_NO_FIELD;
int16_t uv_special_icon_fields[UV_ROWS_PER_PAGE];
int16_t uv_special_desc_fields[UV_ROWS_PER_PAGE];
int32_t uv_specials_fields_ability_flags[UV_ROWS_PER_PAGE];
int16_t uv_item_icon_fields[UV_ITEM_SLOTS];
int16_t uv_item_desc_fields[UV_ITEM_SLOTS];

uint8_t *UV_item_icon_pict_seg;
char *GUI_String_1;

namespace {

constexpr int16_t UNITVIEW_SMALL_BACKGROUND = 0;
constexpr int16_t UNITVIEW_LARGE_BACKGROUND = 1;
constexpr int16_t UNITVIEW_BUTTON_BACKGROUND = 2;
constexpr int16_t UNITVIEW_ROW_BORDER = 5;
constexpr int16_t UNITVIEW_ICON = 13;
constexpr int16_t UNITVIEW_GOLD_ICON = 35;
constexpr int16_t UNITVIEW_PORTRAIT_BORDER = 33;
constexpr int16_t UNITVIEW_WATER_DIAMOND = 34;
constexpr int16_t CITYSCAP_GRASS_DIAMOND = 103;
constexpr int16_t BACKGRND_GOLD_COIN = 42;
// Small and big resource icons: food, production, gold, power.
constexpr int16_t BACKGRND_SMALL_FOOD = 40, BACKGRND_SMALL_GOLD = 42, BACKGRND_SMALL_POWER = 43;
constexpr int16_t BACKGRND_BIG_FOOD = 88, BACKGRND_BIG_GOLD = 90, BACKGRND_BIG_POWER = 91;
constexpr int16_t SPECIAL_ITEM_SLOT_BACKGROUND = 3;
constexpr int16_t HELP_SLOT_UP = 7, HELP_SLOT_DOWN = 8, HELP_SLOT_HERO_ROWS = 11, HELP_SLOT_ROWS = 15;
constexpr int HELP_ROW_SLOTS = 12;
constexpr uint16_t ATTRIB_SHOWS_RACE = 0x8000;
constexpr uint16_t ABILITY_SUMMONED = 0x0001;
constexpr int16_t FIRST_FOOD_EATING_TYPE = 36;
constexpr int16_t BUILDING_BOX_WIDTH = 44, BUILDING_BOX_HEIGHT = 36;
constexpr int BUILDING_BITMAP_BYTES = PICTURE_BITMAP_HEADER + 320 * 200;
constexpr int TEXT_BUFFER_SIZE = 400;

uint8_t *m_hero_portrait_seg;
char m_message[UV_MESSAGE_SIZE];
Specials_List m_specials_list;
uint8_t m_building_bitmap[BUILDING_BITMAP_BYTES];

void Draw_If(int16_t x, int16_t y, uint8_t *picture)
{
    if (picture != nullptr) FLIC_Draw(x, y, picture);
}

uint8_t *Unitview_Picture(int16_t entry) { return entry >= 0 && entry < 50 ? gfx_unitview_seg[entry] : nullptr; }

void Label_Font(void)
{
    Set_Outline_Color(251);
    Set_Font_Style_Outline(4, 0, 0, 0);
}

void Name_Font(void)
{
    Set_Outline_Color(251);
    Set_Font_Style_Outline(1, 0, 0, 0);
}

int16_t Icon_Offset(int16_t j) { return (int16_t)(j * 10 + (j / 5) * 2); }

int16_t Single_Figure_Type(void)
{
    if (spell_data_table == nullptr) return -1;
    return spell_data_table[SPELL_SINGLE_FIGURE_TYPE].Param_Words[0];
}

bool Valid_Unit(int16_t unit_idx) { return _UNITS != nullptr && unit_idx >= 0 && unit_idx < UNIT_TABLE_CAPACITY; }

const Hero_Slot_Record *Hero_Slot_Of(int16_t unit_idx)
{
    if (!Valid_Unit(unit_idx)) return nullptr;
    const Unit_Record &unit = _UNITS[unit_idx];
    if (unit.Hero_Slot < 0 || unit.Hero_Slot >= NUM_HERO_SLOTS) return nullptr;
    if (unit.owner_idx < 0 || unit.owner_idx >= NUM_PLAYERS) return nullptr;
    return &_players[unit.owner_idx].Heroes[unit.Hero_Slot];
}

// Gold, mana and food share one spacing: each row is given their sum.
void Draw_Upkeep(int16_t x, int16_t y, int16_t gold, int16_t mana, int16_t food)
{
    int16_t total = (int16_t)(gold + mana + food);
    Draw_Resource_Icons(&x, y, total, gold, gfx_backgrnd_seg[BACKGRND_BIG_GOLD], gfx_backgrnd_seg[BACKGRND_SMALL_GOLD]);
    Draw_Resource_Icons(&x, y, total, mana, gfx_backgrnd_seg[BACKGRND_BIG_POWER],
                        gfx_backgrnd_seg[BACKGRND_SMALL_POWER]);
    Draw_Resource_Icons(&x, y, total, food, gfx_backgrnd_seg[BACKGRND_BIG_FOOD], gfx_backgrnd_seg[BACKGRND_SMALL_FOOD]);
}

void Draw_Type_Upkeep(int16_t x, int16_t y, int16_t unit_type)
{
    if (unit_type < 0 || unit_type >= NUM_UNIT_TYPES) return;
    Draw_Upkeep(x, y, _unit_type_table[unit_type].Upkeep, 0, 1);
}

void Draw_Unit_Upkeep(int16_t x, int16_t y, int16_t unit_idx)
{
    if (!Valid_Unit(unit_idx)) return;
    const Unit_Record &unit = _UNITS[unit_idx];
    int16_t food = 0;
    if (unit.type >= FIRST_FOOD_EATING_TYPE && (_unit_type_table[unit.type].Abilities & ABILITY_SUMMONED) == 0 &&
        (unit.mutations & UM_UNDEAD) == 0) {
        food = 1;
    }
    Draw_Upkeep(x, y, Unit_Gold_Upkeep(unit_idx), Unit_Mana_Upkeep(unit_idx), food);
}

void Draw_Icon_Places(int16_t x, int16_t y, int16_t icon, const Stat_Icon_Place *places, int16_t n)
{
    for (int16_t i = 0; i < n; ++i) {
        const Stat_Icon_Place &p = places[i];
        int16_t ix = (int16_t)(x + p.dx), iy = (int16_t)(y + p.dy);
        Draw_If(ix, iy, Unitview_Picture((int16_t)((p.gold ? UNITVIEW_GOLD_ICON : UNITVIEW_ICON) + icon)));
        if (p.shaded) Gradient_Fill(ix, iy, (int16_t)(ix + 8), (int16_t)(iy + 7), 3, 0);
    }
}

int16_t Product_Cost_In_Current_City(int16_t product)
{
    if (_CITIES == nullptr || _city_idx < 0 || _city_idx >= NUM_CITIES) return 0;
    City_Record &city = _CITIES[_city_idx];
    int16_t saved = city.construction;
    city.construction = product;
    int16_t cost = City_Current_Product_Cost(_city_idx);
    city.construction = saved;
    return cost;
}

void Draw_Building(int16_t x, int16_t y, int16_t dx, int16_t bldg_idx)
{
    int16_t bx = 0, by = 0, bw = 0, bh = 0;
    memset(m_building_bitmap, 0, PICTURE_BITMAP_HEADER);
    Draw_Building_Picture_To_Bitmap(_city_idx, bldg_idx, &bx, &by, &bw, &bh, m_building_bitmap);
    if (bw > 0 && bh > 0) {
        Draw_Picture((int16_t)(x + 6 + (BUILDING_BOX_WIDTH - bw) / 2 - bx),
                     (int16_t)(y + 4 + (BUILDING_BOX_HEIGHT - bh) / 2 - by), m_building_bitmap);
    }
    if (bldg_data_table == nullptr || bldg_idx < 0 || bldg_idx >= NUM_BUILDINGS) return;
    const Building_Data_Record &building = bldg_data_table[bldg_idx];
    char text[TEXT_BUFFER_SIZE];
    snprintf(text, sizeof text, "%.*s", (int)sizeof building.name, building.name);
    Name_Font();
    if (Get_String_Width(text) >= 101) {
        Print_Paragraph((int16_t)(x + dx + 51), (int16_t)(y + 7), 100, text, 0);
    } else {
        Print((int16_t)(x + dx + 51), (int16_t)(y + 11), text);
    }
    Label_Font();
    Print((int16_t)(x + dx + 8), (int16_t)(y + 47), "Maintenance");
    if (building.maintenance_cost > 0) {
        for (int16_t i = 0; i < building.maintenance_cost; ++i) {
            Draw_If((int16_t)(x + dx + 89 + 9 * i), (int16_t)(y + 49), gfx_backgrnd_seg[BACKGRND_GOLD_COIN]);
        }
    } else {
        Print_Right((int16_t)(x + dx + 92), (int16_t)(y + 48), "0");
    }
    Print((int16_t)(x + dx + 8), (int16_t)(y + 58), "Allows");
    int16_t allows[BUILDING_ALLOWS_LIST_MAX];
    int16_t allows_count = 0;
    Building_Allows_List(bldg_idx, &allows_count, allows);
    allows_count = std::clamp<int16_t>(allows_count, 0, BUILDING_ALLOWS_LIST_MAX);
    text[0] = '\0';
    int16_t counter = 0;
    for (int16_t i = 0; i < allows_count; ++i) {
        const char *name = "";
        if (allows[i] >= 100 && allows[i] - 100 < NUM_UNIT_TYPES) {
            name = _unit_type_names[allows[i] - 100];
        } else if (allows[i] >= 0 && allows[i] < NUM_BUILDINGS) {
            name = bldg_data_table[allows[i]].name;
        }
        Add_Comma_Or_And(&counter, allows_count, text, sizeof text);
        size_t used = strlen(text);
        snprintf(text + used, sizeof text - used, "%.19s", name);
    }
    if (allows_count > 0) {
        size_t used = strlen(text);
        snprintf(text + used, sizeof text - used, ".");
    }
    Print_Paragraph((int16_t)(x + dx + 60), (int16_t)(y + 59), 100, text, 0);
    snprintf(text, sizeof text, "%s", building_description);
    Print_Paragraph((int16_t)(x + dx + 9), (int16_t)(y + 107), 147, text, 0);
}

void Draw_Unit_Name(int16_t x, int16_t y, int16_t kind, int16_t unit_type, const Battle_Unit_Record *bu)
{
    Name_Font();
    const char *type_name = _unit_type_names[unit_type];
    if (kind != uvk_Production && (bu->Attribs_1 & ATTRIB_SHOWS_RACE) != 0 && bu->race < NUM_RACES) {
        int16_t after = Print(x, y, _race_type_table[bu->race].name);
        Print((int16_t)(after + 5), y, type_name);
    } else {
        Print(x, y, type_name);
    }
}

// The specials page position of row p of a page of rows rows.
void Row_Position(int16_t x, int16_t y, int16_t p, int16_t rows, int16_t *rx, int16_t *ry)
{
    if (rows >= 5 && p >= 4) {
        *rx = (int16_t)(x + 107);
        *ry = (int16_t)(y + 17 * (p - 4));
    } else {
        *rx = x;
        *ry = (int16_t)(y + 17 * p);
    }
}

bool Hero_First_Page(int16_t first) { return uv_hero != 0 && first == 0; }

// An item slot holds an item when its help is the item's number; an empty slot is -(576 + kind).
bool Slot_Holds_Item(int16_t help) { return help >= 0; }

}  // namespace

void Unit_View_Allocate(void)
{
    GUI_String_1 = m_message;
    GUI_String_1[0] = '\0';
    uv_specials_list_array = &m_specials_list;
    UV_item_icon_pict_seg = Allocate_Next_Block(_screen_seg, UV_ITEM_PICTURE_PARAGRAPHS);
}

void Unit_View_Load_Picture(int16_t unit_idx)
{
    m_hero_portrait_seg = nullptr;
    unit_figure_seg = nullptr;
    if (!Valid_Unit(unit_idx)) return;
    int16_t unit_type = _UNITS[unit_idx].type;
    if (unit_type < NUM_HERO_TYPES) {
        m_hero_portrait_seg =
            LBX_Reload_Next_Picture("PORTRAIT", _unit_type_table[unit_type].hero_portrait, _screen_seg);
    } else {
        Load_Unit_Figure(unit_idx, 0);
    }
}

int16_t UV_Is_Multipage(int16_t hero, int16_t count)
{
    return (int16_t)((hero != 0 && count > UV_HERO_FIRST_PAGE_ROWS) || count > UV_ROWS_PER_PAGE ? 1 : 0);
}

void UV_Setup_HireScr(int16_t unit_idx, int16_t count)
{
    uv_unit_idx = unit_idx;
    uv_specials_list_index = 0;
    uv_hero = 0;
    if (Valid_Unit(unit_idx) && _UNITS[unit_idx].Hero_Slot != -1) {
        uv_hero = 1;
        uv_specials_list_index = UV_HERO_FIRST_PAGE_ROWS;
        m_hero_portrait_seg =
            LBX_Reload_Next_Picture("PORTRAIT", _unit_type_table[_UNITS[unit_idx].type].hero_portrait, _screen_seg);
    }
    uv_specials_list_count = count;
    uv_multipage = UV_Is_Multipage(uv_hero, count);
    uv_fill_base = 0;
}

void UV_Setup_ProdScr(int16_t count)
{
    uv_specials_list_index = 0;
    uv_multipage = 0;
    uv_hero = 0;
    uv_specials_list_count = count;
    uv_fill_base = 0;
}

void Moves_Type_Icon(uint16_t move_flags, int16_t *icon)
{
    if (move_flags & 0x1) {
        *icon = uvi_Moves_Foot;
    } else if (move_flags & 0x2) {
        *icon = uvi_Moves_Water;
    } else if (move_flags & 0x8) {
        *icon = uvi_Moves_Flying;
    } else if (move_flags & 0x4) {
        *icon = uvi_Moves_Water;
    } else {
        *icon = uvi_Moves_Foot;
    }
}

void Melee_Type_Icon(int16_t weapon_kind, int16_t *icon)
{
    switch (weapon_kind) {
    case 2: *icon = uvi_Melee_2; break;
    case 3: *icon = uvi_Melee_3; break;
    case 4: *icon = uvi_Melee_4; break;
    default: *icon = uvi_Melee; break;
    }
}

void Ranged_Type_Icon(int16_t ranged_kind, int16_t *icon)
{
    if (ranged_kind == 10 || ranged_kind == 11 || ranged_kind == 21 || ranged_kind == 22) {
        *icon = uvi_Rocks_Bullets;
    } else if (ranged_kind >= 30 && ranged_kind <= 38) {
        *icon = uvi_Magic_Ranged;
    } else if (ranged_kind == 100) {
        *icon = uvi_Thrown;
    } else if (ranged_kind >= 101 && ranged_kind <= 103) {
        *icon = uvi_Breath;
    } else {
        *icon = uvi_Arrows;
    }
}

void UV_Draw_Upkeep_Icons(int16_t x, int16_t y, int16_t unit_or_negated_type)
{
    if (unit_or_negated_type < 0) {
        Draw_Type_Upkeep(x, y, (int16_t)-unit_or_negated_type);
    } else {
        Draw_Unit_Upkeep(x, y, unit_or_negated_type);
    }
}

int16_t UV_Stat_Icon_Layout(int16_t value, int16_t per_row, int16_t bonus, int16_t lost,
                            Stat_Icon_Place places[UV_MAX_ROW_ICONS])
{
    if (per_row < 1) return 0;
    int n = value + lost;
    if (n <= 0) return 0;
    n = std::min({n, 2 * (int)per_row, UV_MAX_ROW_ICONS});
    for (int i = 0; i < n; ++i) {
        bool second = i >= per_row;
        int16_t j = (int16_t)(second ? i - per_row : i);
        places[i] = {(int16_t)(Icon_Offset(j) + (second ? 3 : 0)), (int16_t)(second ? 2 : 0), i >= n - bonus,
                     i >= value};
    }
    return (int16_t)n;
}

int16_t UV_Hits_Icon_Layout(int16_t hits, int16_t damage, int16_t per_row, int16_t bonus,
                            Stat_Icon_Place places[UV_MAX_ROW_ICONS])
{
    if (hits < 1 || per_row < 1) return 0;
    int n = std::min({(int)hits, 2 * (int)per_row, UV_MAX_ROW_ICONS});
    int second_count = n > per_row ? n - per_row : 0;
    int first_count = n - second_count;
    int placed = 0;
    auto place = [&](int i, int16_t j, int16_t sx, int16_t sy, bool shaded) {
        places[placed++] = {(int16_t)(Icon_Offset(j) + sx), sy, i >= hits - bonus, shaded};
    };
    if (second_count == 0 || damage < second_count) {
        for (int i = 0; i < first_count; ++i) place(i, (int16_t)i, 0, 0, i >= n - damage);
        for (int i = first_count; i < n; ++i) place(i, (int16_t)(i - first_count), 3, 2, i >= n - damage);
    } else {
        // The damage reaches the first row: the second row goes behind it, all shaded.
        for (int i = first_count; i < n; ++i) place(i, (int16_t)(i - first_count), 0, 0, true);
        for (int i = 0; i < first_count; ++i) place(i, (int16_t)i, 3, 2, i >= n - damage);
    }
    return (int16_t)placed;
}

void UV_Draw_Stat_Icons(int16_t x, int16_t y, int16_t icon, int16_t value, int16_t per_row, int16_t bonus, int16_t lost)
{
    Stat_Icon_Place places[UV_MAX_ROW_ICONS];
    int16_t n = UV_Stat_Icon_Layout(value, per_row, bonus, lost, places);
    Draw_Icon_Places(x, y, icon, places, n);
}

void UV_Draw_Hits_Icons(int16_t x, int16_t y, int16_t icon, int16_t hits, int16_t damage, int16_t per_row,
                        int16_t bonus)
{
    Stat_Icon_Place places[UV_MAX_ROW_ICONS];
    int16_t n = UV_Hits_Icon_Layout(hits, damage, per_row, bonus, places);
    Draw_Icon_Places(x, y, icon, places, n);
}

void Thing_View_Draw__WIP(int16_t x, int16_t y, int16_t kind, int16_t index, Specials_List *list, int16_t count,
                          uint8_t *item_picture)
{
    int16_t dx = kind == uvk_Production ? 4 : 0;
    // On the production screen the moves and upkeep lines stand 7 pixels higher.
    int16_t line_up = kind == uvk_Production ? 7 : 0;
    if (uv_fill_base == 1) Fill(x, y, (int16_t)(x + 281), (int16_t)(y + 183), 0);
    if (kind == uvk_Production) {
        Draw_If(x, y, Unitview_Picture(UNITVIEW_SMALL_BACKGROUND));
    } else {
        Draw_If(x, y, Unitview_Picture(UNITVIEW_LARGE_BACKGROUND));
        if (kind == uvk_Overland) {
            Draw_If((int16_t)(x + 213), (int16_t)(y + 133), Unitview_Picture(UNITVIEW_BUTTON_BACKGROUND));
        }
    }

    int16_t unit_type = 0;
    int16_t unit_idx = -1;
    if (kind == uvk_Production) {
        char cost[24];
        int16_t city_cost = Product_Cost_In_Current_City(index);
        Label_Font();
        Print((int16_t)(x + 55), (int16_t)(y + 34), "Cost");
        if (index <= 99) {
            snprintf(cost, sizeof cost, "%d", city_cost);
            Print((int16_t)(x + dx + 73), (int16_t)(y + 34), cost);
            Draw_Building(x, y, dx, index);
            return;
        }
        unit_type = (int16_t)(index - 100);
        if (unit_type < 0 || unit_type >= NUM_UNIT_TYPES) return;
        snprintf(cost, sizeof cost, "%d(%d)", city_cost, _unit_type_table[unit_type].cost);
        Print((int16_t)(x + dx + 73), (int16_t)(y + 34), cost);
    } else {
        if (!Valid_Unit(index)) return;
        unit_idx = index;
        unit_type = _UNITS[index].type;
        if (unit_type >= NUM_UNIT_TYPES) return;
    }
    const Battle_Unit_Record *bu = global_battle_unit;
    if (bu == nullptr) return;

    const Hero_Slot_Record *hero_slot = kind != uvk_Production ? Hero_Slot_Of(unit_idx) : nullptr;
    if (hero_slot != nullptr) {
        Draw_If((int16_t)(x + 9), (int16_t)(y + 7), m_hero_portrait_seg);
        Draw_If((int16_t)(x + 8), (int16_t)(y + 6), Unitview_Picture(UNITVIEW_PORTRAIT_BORDER));
        char name[sizeof hero_slot->name + 1];
        snprintf(name, sizeof name, "%.*s", (int)sizeof hero_slot->name, hero_slot->name);
        Name_Font();
        Print((int16_t)(x + 51), (int16_t)(y + 6), name);
        Print((int16_t)(x + 51), (int16_t)(y + 17), "The");
        Print((int16_t)(x + 75), (int16_t)(y + 17), _unit_type_names[unit_type]);
    } else {
        const Unit_Record *unit = unit_idx >= 0 ? &_UNITS[unit_idx] : nullptr;
        bool on_water = bu->Transport > 0 ||
                        (kind == uvk_Overland && unit != nullptr && Square_Is_Sailable(unit->wx, unit->wy, unit->wp));
        if (on_water) {
            Draw_If((int16_t)(x + dx + 6), (int16_t)(y + 18), Unitview_Picture(UNITVIEW_WATER_DIAMOND));
        } else if (gfx_cityscap_seg[CITYSCAP_GRASS_DIAMOND] != nullptr) {
            Set_Animation_Frame(gfx_cityscap_seg[CITYSCAP_GRASS_DIAMOND], 0);
            FLIC_Draw((int16_t)(x + dx + 5), (int16_t)(y + 5), gfx_cityscap_seg[CITYSCAP_GRASS_DIAMOND]);
        }
        Draw_Unit_Figure((int16_t)(x + dx + 11), (int16_t)(y - 3), kind == uvk_Production ? unit_type : unit_idx,
                         (int16_t)(kind == uvk_Production ? 0 : 1));
        Draw_Unit_Name((int16_t)(x + dx + 51), (int16_t)(y + (kind == uvk_Production ? 7 : 11)), kind, unit_type, bu);
    }

    Label_Font();
    Print((int16_t)(x + dx + 51), (int16_t)(y + 27 - line_up), "Moves");
    int16_t icon = 0;
    Moves_Type_Icon(bu->Move_Flags, &icon);
    for (int16_t i = 0; i < bu->Move_Halves / 2; ++i) {
        Draw_If((int16_t)(x + dx + 84 + 8 * i), (int16_t)(y + 25 - line_up), Unitview_Picture(UNITVIEW_ICON + icon));
    }
    if (kind != uvk_Production && unit_type == Single_Figure_Type()) {
        Print((int16_t)(x + dx + 121), (int16_t)(y + 27), "Heads");
        Print_Integer_Right((int16_t)(x + dx + 153), (int16_t)(y + 27), bu->Cur_Figures);
    }
    if (kind == uvk_Combat) {
        Print((int16_t)(x + 51), (int16_t)(y + 34), "Damage");
        Print_Integer_Right((int16_t)(x + 90), (int16_t)(y + 34), bu->Damage);
    } else {
        Print((int16_t)(x + dx + 51), (int16_t)(y + 34 - line_up), "Upkeep");
        if (kind == uvk_Production) {
            Draw_Type_Upkeep((int16_t)(x + dx + 85), (int16_t)(y + 33 - line_up), unit_type);
        } else {
            Draw_Unit_Upkeep((int16_t)(x + dx + 85), (int16_t)(y + 33), unit_idx);
        }
    }

    int16_t per_row = kind == uvk_Production ? 10 : 15;
    int16_t lx = (int16_t)(x + dx + 8), ix = (int16_t)(x + dx + 49);
    Label_Font();
    Print(lx, (int16_t)(y + 47), "Melee");
    Melee_Type_Icon(bu->Weapon_Quality, &icon);
    UV_Draw_Stat_Icons(ix, (int16_t)(y + 47), icon, bu->Melee, per_row, bu->Shown_Melee_Bonus, bu->Shown_Melee_Penalty);
    Label_Font();
    Print(lx, (int16_t)(y + 58), "Range");
    if (bu->Ranged_Type >= 10 && bu->Ranged_Type <= 39) {
        Ranged_Type_Icon(bu->Ranged_Type, &icon);
        UV_Draw_Stat_Icons(ix, (int16_t)(y + 58), icon, bu->Ranged, per_row, bu->Shown_Ranged_Bonus,
                           bu->Shown_Ranged_Penalty);
    }
    Label_Font();
    Print(lx, (int16_t)(y + 68), "Armor");
    UV_Draw_Stat_Icons(ix, (int16_t)(y + 68), uvi_Armor, bu->Defense, per_row, bu->Shown_Defense_Bonus,
                       bu->Shown_Defense_Penalty);
    Label_Font();
    Print(lx, (int16_t)(y + 79), "Resist");
    UV_Draw_Stat_Icons(ix, (int16_t)(y + 79), uvi_Resist, bu->Resist, per_row, bu->Shown_Resist_Bonus,
                       bu->Shown_Resist_Penalty);
    Label_Font();
    Print(lx, (int16_t)(y + 90), "Hits");
    UV_Draw_Hits_Icons(ix, (int16_t)(y + 90), uvi_Hits, bu->Hits, bu->Front_Figure_Damage, per_row,
                       bu->Shown_Hits_Bonus);

    USW_DrawListPage((int16_t)(x + dx + 8), (int16_t)(y + 108), list, count, uv_specials_list_index, item_picture);
    Cycle_Item_Enchantment_Animation();
}

int16_t UV_Rows_On_Page(int16_t first, int16_t count)
{
    if (first < 0 || first >= count) return 0;
    if (Hero_First_Page(first)) return std::min<int16_t>(UV_HERO_FIRST_PAGE_ROWS, count);
    return std::min<int16_t>(UV_ROWS_PER_PAGE, (int16_t)(count - first));
}

void UV_Clear_Specials_Fields(void)
{
    unitview_up_button = UV_NO_FIELD;
    unitview_dn_button = UV_NO_FIELD;
    for (int i = 0; i < UV_ROWS_PER_PAGE; ++i) {
        uv_special_icon_fields[i] = UV_NO_FIELD;
        uv_special_desc_fields[i] = UV_NO_FIELD;
        uv_specials_fields_ability_flags[i] = UV_NO_FIELD;
    }
    for (int i = 0; i < UV_ITEM_SLOTS; ++i) {
        uv_item_icon_fields[i] = UV_NO_FIELD;
        uv_item_desc_fields[i] = UV_NO_FIELD;
    }
}

void UV_Add_UpDn_Buttons(int16_t x, int16_t y)
{
    unitview_up_button = Add_Button_Field((int16_t)(x + 196), (int16_t)(y - 3), "", Unitview_Picture(3), "U", -1);
    unitview_dn_button = Add_Button_Field((int16_t)(x + 196), (int16_t)(y + 60), "", Unitview_Picture(4), "D", -1);
}

void UV_Add_Specials_Fields(int16_t x, int16_t y, Specials_List *list, int16_t count, int16_t first)
{
    UV_Clear_Specials_Fields();
    if (uv_multipage == 1) UV_Add_UpDn_Buttons(x, y);
    if (list == nullptr) return;
    int16_t rows = UV_Rows_On_Page(first, count);
    int16_t item = 0;
    for (int16_t p = 0; p < rows; ++p) {
        int16_t row = (int16_t)(first + p);
        int16_t rx = 0, ry = 0;
        Row_Position(x, y, p, rows, &rx, &ry);
        bool item_row = list->flag[row] == SPECIALS_FLAG_ITEM_SLOT;
        int16_t help = item_row ? (int16_t)-1 : list->help[row];
        int16_t icon_field = list->picture[row] != nullptr
                                 ? Add_Picture_Field(rx, ry, list->picture[row], "", help)
                                 : Add_Hidden_Field(rx, ry, (int16_t)(rx + 17), (int16_t)(ry + 15), "", help);
        int16_t desc_field =
            Add_Hidden_Field((int16_t)(rx + 19), (int16_t)(ry + 5), (int16_t)(rx + 93), (int16_t)(ry + 13), "", -1);
        if (item_row) {
            if (item < UV_ITEM_SLOTS) {
                uv_item_icon_fields[item] = icon_field;
                uv_item_desc_fields[item] = desc_field;
                ++item;
            }
        } else {
            uv_special_icon_fields[p] = icon_field;
            uv_special_desc_fields[p] = desc_field;
            uv_specials_fields_ability_flags[p] = list->flag[row];
        }
    }
}

void UV_Set_Specials_Help_Fields(Specials_List *list, int16_t count, int16_t help_base)
{
    auto slot = [&](int16_t n) -> Help_Entry * {
        int index = help_base + n;
        return index >= 0 && index < HELP_ENTRIES_MAX ? &_help_entries[index] : nullptr;
    };
    for (int16_t n = 0; n < HELP_ROW_SLOTS; ++n) {
        if (Help_Entry *e = slot((int16_t)(HELP_SLOT_HERO_ROWS + n))) e->help_idx = -1;
    }
    if (uv_multipage != 1) {
        if (Help_Entry *e = slot(HELP_SLOT_UP)) e->help_idx = -1;
        if (Help_Entry *e = slot(HELP_SLOT_DOWN)) e->help_idx = -1;
    }
    if (list == nullptr) return;
    int16_t first = uv_specials_list_index;
    int16_t rows = UV_Rows_On_Page(first, count);
    int16_t base = Hero_First_Page(first) ? HELP_SLOT_HERO_ROWS : HELP_SLOT_ROWS;
    for (int16_t p = 0; p < rows; ++p) {
        int16_t row = (int16_t)(first + p);
        Help_Entry *e = slot((int16_t)(base + p));
        if (e == nullptr) continue;
        if (list->flag[row] == SPECIALS_FLAG_ITEM_SLOT) {
            e->help_idx = Slot_Holds_Item(list->help[row]) ? (int16_t)-1 : (int16_t)-list->help[row];
        } else {
            e->help_idx = list->help[row];
        }
    }
}

void UV_Handle_Arrow_Buttons(int16_t field, int16_t *rows)
{
    int16_t count = uv_specials_list_count;
    int16_t first = uv_specials_list_index;
    if (field != UV_NO_FIELD && field == unitview_dn_button) {
        first = (int16_t)(first + (Hero_First_Page(first) ? UV_HERO_FIRST_PAGE_ROWS : UV_ROWS_PER_PAGE));
        if (first >= count) first = 0;
    } else if (field != UV_NO_FIELD && field == unitview_up_button) {
        if (Hero_First_Page(first)) {
            first = (int16_t)(((count - UV_HERO_FIRST_PAGE_ROWS) / UV_ROWS_PER_PAGE) * UV_ROWS_PER_PAGE +
                              UV_HERO_FIRST_PAGE_ROWS);
            if (first == count) first = (int16_t)(first - UV_ROWS_PER_PAGE);
        } else {
            first = (int16_t)(first - UV_ROWS_PER_PAGE);
            if (uv_hero != 0 && first == -UV_HERO_FIRST_PAGE_ROWS) {
                first = 0;
            } else if (uv_hero == 0 && first < 0) {
                first = (int16_t)(((count - 1) / UV_ROWS_PER_PAGE) * UV_ROWS_PER_PAGE);
            }
        }
        if (first < 0) first = 0;
    }
    uv_specials_list_index = first;
    if (rows != nullptr) *rows = UV_Rows_On_Page(first, count);
}

void USW_DrawListPage(int16_t x, int16_t y, Specials_List *list, int16_t count, int16_t first, uint8_t *item_picture)
{
    if (list == nullptr) return;
    int16_t rows = UV_Rows_On_Page(first, count);
    Set_Outline_Color(251);
    for (int16_t p = 0; p < rows; ++p) {
        int16_t row = (int16_t)(first + p);
        int16_t rx = 0, ry = 0;
        Row_Position(x, y, p, rows, &rx, &ry);
        bool item_row = list->flag[row] == SPECIALS_FLAG_ITEM_SLOT;
        if (list->picture[row] != nullptr || item_row) {
            Draw_If((int16_t)(rx - 1), (int16_t)(ry - 1), Unitview_Picture((int16_t)(UNITVIEW_ROW_BORDER + p)));
        }
        if (item_row) {
            Draw_If(rx, ry, Special_Picture(SPECIAL_ITEM_SLOT_BACKGROUND));
            if (Slot_Holds_Item(list->help[row]) && item_picture != nullptr) {
                Draw_Item_Icon_With_Enchantment_Outline(list->help[row], item_picture);
                Draw_Picture((int16_t)(rx - 2), (int16_t)(ry - 2), item_picture);
            } else {
                Draw_If(rx, ry, list->picture[row]);
            }
        } else {
            Draw_If(rx, ry, list->picture[row]);
        }
        Set_Font_Style_Outline(2, 0, 0, 0);
        char text[SPECIALS_TEXT_SIZE + 1];
        snprintf(text, sizeof text, "%.*s", SPECIALS_TEXT_SIZE, list->text[row]);
        Print((int16_t)(rx + 19), (int16_t)(ry + 5), text);
    }
}
