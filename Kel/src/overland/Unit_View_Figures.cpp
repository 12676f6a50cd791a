#include "overland/Unit_View_Figures.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Bitmap_Transforms.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Pictures.h"
#include "overland/Unit_Figure.h"
#include "world/ALLOC.h"
#include "world/Movement_Modes.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

uint8_t *unit_figure_seg;

namespace {

constexpr int8_t m_formation[8][8][2] = {
    {{1, 8}},
    {{-8, 9}, {8, 9}},
    {{0, 4}, {-7, 10}, {8, 10}},
    {{1, 3}, {-9, 8}, {11, 8}, {1, 13}},
    {{1, 3}, {-9, 8}, {1, 8}, {9, 8}, {1, 14}},
    {{1, 3}, {4, 7}, {-10, 8}, {10, 10}, {-3, 11}, {1, 15}},
    {{1, 3}, {6, 6}, {-9, 8}, {1, 8}, {10, 8}, {-3, 11}, {1, 14}},
    {{1, 3}, {6, 6}, {-2, 7}, {-10, 8}, {10, 8}, {3, 9}, {-5, 11}, {1, 14}},
};

constexpr int FIGURES_PER_ARCHIVE = 15;
constexpr int FIGURE_DIRECTIONS = 8;
constexpr int FIGURE_FACING = 2;

// A frame is rendered only when the work bitmap holds its header and pixels.
bool Figure_Fits_Work_Area(const uint8_t *animation)
{
    uint32_t pixels = (uint32_t)FLIC_Get_Width(animation) * FLIC_Get_Height(animation);
    return FLIC_Get_FrameCount(animation) > UNIT_FIGURE_FRAME &&
           pixels + PICTURE_BITMAP_HEADER <= (uint32_t)UNIT_FIGURE_WORK_BYTES;
}

int16_t Single_Figure_Type(void)
{
    if (spell_data_table == nullptr) return -1;
    return spell_data_table[SPELL_SINGLE_FIGURE_TYPE].Param_Words[0];
}

}  // namespace

int16_t Unit_Figure_Archive(int16_t unit_type, char name[16], int16_t *entry)
{
    if (unit_type < 0 || unit_type >= NUM_UNIT_TYPES) return 0;
    int number = unit_type / FIGURES_PER_ARCHIVE + 1;
    snprintf(name, 16, "FIGURE%s%d.LBX", number <= 9 ? "S" : "", number);
    *entry = (int16_t)((unit_type % FIGURES_PER_ARCHIVE) * FIGURE_DIRECTIONS + FIGURE_FACING);
    return 1;
}

void Load_Unit_Figure(int16_t index, int16_t type_flag)
{
    unit_figure_seg = nullptr;
    int16_t unit_type = index;
    if (type_flag != 1) {
        if (_UNITS == nullptr || index < 0 || index >= UNIT_TABLE_CAPACITY) return;
        unit_type = _UNITS[index].type;
    }
    char name[16];
    int16_t entry = 0;
    if (!Unit_Figure_Archive(unit_type, name, &entry)) return;
    unit_figure_seg = LBX_Reload_Next_Picture(name, entry, _screen_seg);
}

void Unit_Figure_Position(int16_t figure_count, int16_t i, int16_t *dx, int16_t *dy)
{
    *dx = 0;
    *dy = 0;
    if (figure_count < 1 || figure_count > 8 || i < 0 || i >= figure_count) return;
    *dx = m_formation[figure_count - 1][i][0];
    *dy = m_formation[figure_count - 1][i][1];
}

void Draw_Unit_Figure(int16_t x, int16_t y, int16_t index, int16_t unit_flag)
{
    int16_t unit_type = 0;
    int figures = 0;
    int banner = 0;
    bool invisible = false;
    if (unit_flag != 0) {
        if (_UNITS != nullptr && index >= 0 && index < UNIT_TABLE_CAPACITY && global_battle_unit != nullptr) {
            const Unit_Record &unit = _UNITS[index];
            unit_type = unit.type;
            figures = global_battle_unit->Cur_Figures;
            if (unit.owner_idx >= 0 && unit.owner_idx < NUM_PLAYERS) banner = _players[unit.owner_idx].banner_id;
            if (unit_type == Single_Figure_Type() && figures > 1) figures = 1;
            invisible = Unit_Has_Invisibility(index) != 0;
        }
    } else if (index >= 0 && index < NUM_UNIT_TYPES) {
        unit_type = index;
        figures = _unit_type_table[index].Figures;
        if (_current_player_idx >= 0 && _current_player_idx < NUM_PLAYERS) {
            banner = _players[_current_player_idx].banner_id;
        }
        invisible = (_unit_type_table[index].Abilities & UA_INVISIBILITY) != 0;
    }
    if (banner < 0 || banner > 5) banner = 0;
    bool drawable =
        unit_figure_seg != nullptr && UnitDraw_WorkArea != nullptr && Figure_Fits_Work_Area(unit_figure_seg);
    for (int i = 0; drawable && i < figures; ++i) {
        Set_Animation_Frame(unit_figure_seg, UNIT_FIGURE_FRAME);
        Draw_Picture_To_Bitmap(unit_figure_seg, UnitDraw_WorkArea);
        for (int c = 0; c < NUM_BANNER_COLORS; ++c) {
            Replace_Color(UnitDraw_WorkArea, (uint8_t)(FIGURE_BANNER_FIRST_COLOUR + c), COL_Banners[banner][c]);
        }
        if (invisible) Replace_Color_All(UnitDraw_WorkArea, FIGURE_INVISIBLE_COLOUR);
        if (unit_flag != 0) Draw_Unit_Enchantment_Outline(index);
        int16_t dx = 0;
        int16_t dy = 0;
        Unit_Figure_Position((int16_t)figures, (int16_t)i, &dx, &dy);
        Draw_Picture((int16_t)(x + dx), (int16_t)(y + dy), UnitDraw_WorkArea);
    }
    Cycle_Unit_Enchantment_Animation();
}

void Prod_Load_Battle_Unit(int16_t unit_type, Battle_Unit_Record *bu)
{
    if (unit_type < 0 || unit_type >= NUM_UNIT_TYPES) unit_type = 0;
    const Unit_Type_Record &type = _unit_type_table[unit_type];
    memset(bu, 0, sizeof *bu);
    memcpy(bu, &type.Melee, BATTLE_UNIT_TYPE_BYTES);
    bu->Cur_Figures = type.Figures;
    bu->Damage = 0;
    bu->Curses = 0;
    bu->Melee_To_Hit_Bonus = bu->Ranged_To_Hit_Bonus = bu->To_Defend_Bonus = 0;
    bu->Weapon_Quality = 0;
    bu->Shown_Melee_Bonus = bu->Shown_Ranged_Bonus = bu->Shown_Defense_Bonus = 0;
    bu->Shown_Resist_Bonus = bu->Shown_Hits_Bonus = 0;
    bu->Shown_Melee_Penalty = bu->Shown_Ranged_Penalty = 0;
    bu->Shown_Defense_Penalty = bu->Shown_Resist_Penalty = 0;
    bu->Kept_Spec_Att_Attr = type.Spec_Att_Attr;
}
