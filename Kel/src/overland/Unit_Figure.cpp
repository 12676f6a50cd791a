#include "overland/Unit_Figure.h"

#include "Animation.h"
#include "Bitmap_Transforms.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Pictures.h"
#include "overland/Game_Resources.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Movement_Modes.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

// clang-format off
const uint8_t COL_Banners[6][NUM_BANNER_COLORS] = {
    {105, 106, 107, 108, 109},
    { 73,  74,  75,  76,  77},
    {121, 122, 123, 124, 125},
    {201, 165, 203, 166,  45},
    {160, 161, 162, 178, 180},
    { 48,  49,  50,  51,  52},
};
// clang-format on

uint8_t enchantment_outline_colors[NUM_OUTLINE_SETS][OUTLINE_FRAMES][8];

int16_t unit_enchantment_animation_count = 0;
int16_t unit_enchantment_animation_flag = 0;
int16_t unit_weapon_type_animation_count = 0;

namespace {

constexpr int NEUTRAL_BANNER = 5;
constexpr uint8_t FIGURE_BANNER_FIRST = 214;
constexpr uint8_t INVISIBLE_COLOR = 233;
constexpr uint8_t OUTLINE_MARKER = 255;
constexpr uint8_t PATROL_GREY_BASE = 16;
constexpr uint32_t WORK_AREA_BYTES = 60 * 16;

// Each set cycles its eight colours, rotated left by the frame.
const uint8_t outline_sequences[NUM_OUTLINE_SETS][8] = {
    {45, 44, 43, 42, 41, 42, 43, 44}, {36, 35, 34, 33, 32, 33, 34, 35},  {11, 12, 13, 14, 15, 14, 13, 12},
    {68, 67, 66, 65, 64, 65, 66, 67}, {100, 99, 98, 97, 96, 97, 98, 99},
};

// (enchantment bit, colour set), first match wins.
const uint8_t outline_order[][2] = {
    {6, 3},  {18, 4}, {30, 2}, {28, 2}, {4, 1},  {26, 2}, {12, 3}, {19, 4}, {16, 4}, {10, 3}, {22, 2},
    {31, 2}, {7, 3},  {17, 4}, {21, 0}, {5, 1},  {27, 3}, {0, 0},  {1, 4},  {14, 4}, {24, 2}, {2, 1},
    {29, 2}, {8, 3},  {13, 2}, {3, 1},  {11, 3}, {20, 0}, {25, 2}, {23, 2}, {9, 3},
};
constexpr int OUTLINE_ORDER_COUNT = (int)(sizeof outline_order / sizeof outline_order[0]);

struct Outline_Table_Init {
    Outline_Table_Init()
    {
        for (int s = 0; s < NUM_OUTLINE_SETS; ++s)
            for (int f = 0; f < OUTLINE_FRAMES; ++f)
                for (int c = 0; c < 8; ++c) enchantment_outline_colors[s][f][c] = outline_sequences[s][(c + f) % 8];
    }
} m_outline_table_init;

int16_t Unit_Banner(int16_t owner)
{
    if (owner == NEUTRAL_PLAYER_IDX) return NEUTRAL_BANNER;
    if (owner < 0 || owner >= NUM_PLAYERS) return 0;
    int16_t banner = _players[owner].banner_id;
    return (banner >= 0 && banner <= NEUTRAL_BANNER) ? banner : 0;
}

bool Valid_Unit(int16_t unit_idx)
{
    return _UNITS != nullptr && unit_idx >= 0 && unit_idx < _units && _UNITS[unit_idx].type < NUM_UNIT_TYPES;
}

}  // namespace

int16_t Unit_Enchantment_Outline_Set(uint32_t enchantments)
{
    for (int i = 0; i < OUTLINE_ORDER_COUNT; ++i)
        if ((enchantments >> outline_order[i][0]) & 1u) return outline_order[i][1];
    return -1;
}

int16_t Unit_Damage_Bar_Length(int16_t full, int16_t damage)
{
    int32_t left = (int32_t)full - damage;
    if (damage <= 0 || left <= 0 || full <= 0) return -1;
    return (int16_t)(left * 10 / full - 1);
}

void Draw_Unit_Picture(int16_t x, int16_t y, int16_t unit_idx, int16_t selected)
{
    if (!Valid_Unit(unit_idx)) return;
    if (selected != 0) {
        uint8_t *background = _unit_colored_backgrounds_seg[Unit_Banner(_UNITS[unit_idx].owner_idx)];
        if (background != nullptr) FLIC_Draw(x, y, background);
    }
    Draw_Unit_StatFig(x, y, unit_idx, selected);
}

void Draw_Unit_Enchantment_Outline(int16_t unit_idx)
{
    if (!Valid_Unit(unit_idx) || Unit_Has_Invisibility(unit_idx)) return;
    int16_t set = Unit_Enchantment_Outline_Set(_UNITS[unit_idx].enchantments);
    if (set < 0) return;
    Outline_Bitmap_Pixels_No_Glass(UnitDraw_WorkArea, OUTLINE_MARKER);
    Bitmap_Aura_Pixels(UnitDraw_WorkArea, OUTLINE_MARKER,
                       enchantment_outline_colors[set][unit_enchantment_animation_count & 7]);
}

void Draw_Unit_StatFig(int16_t x, int16_t y, int16_t unit_idx, int16_t mode)
{
    if (!Valid_Unit(unit_idx) || UnitDraw_WorkArea == nullptr) return;
    const Unit_Record &unit = _UNITS[unit_idx];
    uint8_t *figure = Unit_Type_Figure_Picture(unit.type);
    if (figure == nullptr) return;
    if ((uint32_t)FLIC_Get_Width(figure) * FLIC_Get_Height(figure) + PICTURE_BITMAP_HEADER > WORK_AREA_BYTES) return;
    Set_Animation_Frame(figure, FLIC_Get_FrameCount(figure) > 1 ? 1 : 0);
    Draw_Picture_To_Bitmap(figure, UnitDraw_WorkArea);

    int16_t banner = Unit_Banner(unit.owner_idx);
    for (int c = 0; c < NUM_BANNER_COLORS; ++c)
        Replace_Color(UnitDraw_WorkArea, (uint8_t)(FIGURE_BANNER_FIRST + c), COL_Banners[banner][c]);

    if (mode >= 0 && mode <= 3) {
        bool invisible = Unit_Has_Invisibility(unit_idx) != 0;
        if (invisible) {
            Replace_Color_All(UnitDraw_WorkArea, INVISIBLE_COLOR);
            Outline_Bitmap_Pixels(UnitDraw_WorkArea, 1);
        }
        if (mode != 3 && unit.owner_idx == HUMAN_PLAYER_IDX && unit.Status == us_Patrol && !invisible)
            Gray_Scale_Bitmap(UnitDraw_WorkArea, PATROL_GREY_BASE);
        Draw_Unit_Enchantment_Outline(unit_idx);
    }
    Draw_Picture(x + 1, y + 1, UnitDraw_WorkArea);

    if (unit.owner_idx != HUMAN_PLAYER_IDX || (mode != 0 && mode != 1)) return;
    const char *letter = nullptr;
    int16_t lx = x + 2, ly = y + 2;
    switch (unit.Status) {
    case us_BuildRoad: letter = "B"; break;
    case us_GOTO: letter = unit.Rd_Constr_Left != -1 ? "B" : "G"; break;
    case us_Casting:
        letter = "C";
        lx = x + 4;
        ly = y + 5;
        break;
    case us_Purify: letter = "P"; break;
    default: break;
    }
    if (letter == nullptr) return;
    Set_Outline_Color(4);
    Set_Font_Style_Shadow_Down(0, 10, 15, 15);
    Print(lx, ly, letter);
}

void Unit_Window_Draw_Unit_Attributes(int16_t x, int16_t y, int16_t unit_idx)
{
    if (!Valid_Unit(unit_idx)) return;
    const Unit_Record &unit = _UNITS[unit_idx];
    int16_t full = (int16_t)(Unit_Hit_Points(unit_idx) * _unit_type_table[unit.type].Figures);
    int16_t length = Unit_Damage_Bar_Length(full, unit.Damage);
    if (length >= 0) {
        int16_t colour = length >= 6 ? 217 : (length >= 3 ? 211 : 202);
        Line(x + 5, y + 19, x + 5 + length, y + 19, colour);
    }

    int16_t level = unit.Level;
    if (level > 0) {
        uint8_t *medal = main_white_medal_icon;
        int16_t count = level;
        if (level >= 7) {
            medal = main_red_medal_icon;
            count = level - 6;
        } else if (level >= 4) {
            medal = main_gold_medal_icon;
            count = level - 3;
        }
        if (medal != nullptr)
            for (int16_t n = 0; n < count; ++n) FLIC_Draw(x + 2 + 4 * n, y + 21, medal);
    }

    uint8_t *weapon = nullptr;
    switch (unit.mutations & UM_WEAPON_MASK) {
    case 1: weapon = main_magic_weapon_icon; break;
    case 2: weapon = main_mithril_weapon_icon; break;
    case 3: weapon = main_adamantium_weapon_icon; break;
    default: break;
    }
    if (weapon != nullptr) {
        int16_t frames = (int16_t)FLIC_Get_FrameCount(weapon);
        Set_Animation_Frame(weapon, frames > 0 ? unit_weapon_type_animation_count % frames : 0);
        FLIC_Draw(x + 13, y + 19, weapon);
    }
}

void Cycle_Unit_Enchantment_Animation(void)
{
    unit_enchantment_animation_flag = (int16_t)(1 - unit_enchantment_animation_flag);
    if (unit_enchantment_animation_flag == 0)
        unit_enchantment_animation_count = (int16_t)((unit_enchantment_animation_count + 1) % 8);
}
