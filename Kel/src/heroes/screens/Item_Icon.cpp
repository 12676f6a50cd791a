// An item's icon with the animated outline of its powers, in the units' aura colours.
#include "Animation.h"
#include "Bitmap_Transforms.h"
#include "Pictures.h"
#include "heroes/Item_View.h"
#include "overland/Unit_Figure.h"
#include "shell/Graphics_Cache.h"
#include "world/ALLOC.h"
#include "world/Item_Record.h"

int16_t item_enchantment_animation_flag = 0;
int16_t item_enchantment_animation_count = 0;

namespace {

constexpr uint8_t OUTLINE_MARKER = 255;
constexpr int ICON_ROOM = 17;

struct Outline_Row {
    uint32_t power;
    int16_t set;
};
// The first power of the item in this order picks the colour set.
const Outline_Row m_outline_rows[] = {
    {ip_Haste, 4},           {ip_Phantasmal, 4},    {ip_Doom, 0},
    {ip_True_Sight, 2},      {ip_Lion_Heart, 2},    {ip_Regeneration, 3},
    {ip_Invisibility, 4},    {ip_Wraithform, 1},    {ip_Planar_Travel, 2},
    {ip_Invulnerability, 2}, {ip_Vampiric, 0},      {ip_Lightning, 0},
    {ip_Destruction, 0},     {ip_Power_Drain, 1},   {ip_Elemental_Armor, 3},
    {ip_Magic_Immunity, 4},  {ip_Righteousness, 2}, {ip_Merging, 3},
    {ip_Flight, 4},          {ip_Pathfinding, 3},   {ip_Guardian_Wind, 4},
    {ip_Giant_Strength, 3},  {ip_Holy_Avenger, 2},  {ip_Death, 1},
    {ip_Flaming, 0},         {ip_Cloak_of_Fear, 1}, {ip_Resist_Elements, 3},
    {ip_Stoning, 3},         {ip_Resist_Magic, 4},  {ip_Bless, 2},
    {ip_Endurance, 2},       {ip_Water_Walking, 3},
};

}  // namespace

int16_t Item_Enchantment_Outline_Set(uint32_t powers)
{
    for (const Outline_Row &row : m_outline_rows) {
        if (powers & row.power) return row.set;
    }
    return -1;
}

void Draw_Item_Icon_With_Enchantment_Outline(int16_t item_idx, uint8_t *picture)
{
    Create_Blank_Picture(19, 19, picture, 0);
    if (_ITEMS == nullptr || item_idx < 0 || item_idx >= NUM_ITEMS) return;
    const int16_t icon = _ITEMS[item_idx].icon_idx;
    if (icon < 0 || icon >= NUM_ITEM_ICONS || item_icons_seg[icon] == nullptr) return;
    uint8_t *animation = item_icons_seg[icon];
    if ((int)FLIC_Get_Width(animation) * FLIC_Get_Height(animation) > ICON_ROOM * ICON_ROOM) return;
    static uint8_t icon_bitmap[PICTURE_BITMAP_HEADER + ICON_ROOM * ICON_ROOM];
    Draw_Picture_To_Bitmap(animation, icon_bitmap);
    Clipped_Copy_Bitmap(2, 2, picture, icon_bitmap);
    const int16_t set = Item_Enchantment_Outline_Set(_ITEMS[item_idx].Powers);
    if (set < 0 || set >= NUM_OUTLINE_SETS) return;
    Outline_Bitmap_Pixels_No_Glass(picture, OUTLINE_MARKER);
    Bitmap_Aura_Pixels(picture, OUTLINE_MARKER,
                       enchantment_outline_colors[set][item_enchantment_animation_count & (OUTLINE_FRAMES - 1)]);
}

void Cycle_Item_Enchantment_Animation(void)
{
    item_enchantment_animation_flag = (int16_t)(1 - item_enchantment_animation_flag);
    if (item_enchantment_animation_flag == 0) {
        item_enchantment_animation_count = (int16_t)((item_enchantment_animation_count + 1) % OUTLINE_FRAMES);
    }
}
