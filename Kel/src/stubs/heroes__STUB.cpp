// Stand-ins of the Items screen and the item view.
#include "Animation.h"
#include "Pictures.h"
#include "STU_Log.h"
#include "heroes/Item_Screen.h"
#include "heroes/Item_View.h"
#include "overland/Graphics_Cache.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "world/ALLOC.h"
#include "world/Item_Record.h"

void Item_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Item_Screen");
}

void Item_View_Popup(int16_t item_idx, int16_t x, int16_t y)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Item_View_Popup__STUB: item %d at (%d, %d); not built yet", item_idx, x, y);
}

// The icon alone, without the outline of its powers.
void Draw_Item_Icon_With_Enchantment_Outline(int16_t item_idx, uint8_t *picture)
{
    STUB_HIT();
    Create_Blank_Picture(19, 19, picture, 0);
    if (_ITEMS == nullptr || item_idx < 0 || item_idx >= NUM_ITEMS) return;
    int16_t icon = _ITEMS[item_idx].icon_idx;
    if (icon < 0 || icon >= NUM_ITEM_ICONS || item_icons_seg[icon] == nullptr) return;
    uint8_t *animation = item_icons_seg[icon];
    if ((int)FLIC_Get_Width(animation) * FLIC_Get_Height(animation) > 17 * 17) return;
    static uint8_t icon_bitmap[PICTURE_BITMAP_HEADER + 17 * 17];
    Draw_Picture_To_Bitmap(animation, icon_bitmap);
    Clipped_Copy_Bitmap(2, 2, picture, icon_bitmap);
}

void Cycle_Item_Enchantment_Animation(void) { STUB_HIT(); }
