// Stand-ins of the Items screen and of the entry into a lair.
#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Pictures.h"
#include "STU_Log.h"
#include "heroes/Hero_Popups.h"
#include "heroes/Item_Making.h"
#include "heroes/Item_Screen.h"
#include "heroes/Item_View.h"
#include "heroes/Lairs.h"
#include "overland/Graphics_Cache.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "world/ALLOC.h"
#include "world/Item_Record.h"

int16_t item_pool_item_idx = -1;

void Item_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Item_Screen");
}

// Until lairs can be explored every entry is taken as declined.
int16_t Lair_Combat__WIP(int16_t lair_idx, int16_t player_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_GENERAL, "Lair_Combat__WIP__STUB: lair %d, player %d: declined", lair_idx, player_idx);
    if (Window_Shown()) {
        Warn0("Lairs cannot be explored yet.");
    }
    return 99;
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
// No level-up pop-up; hire, mercenary and merchant offers are declined, and so are computer wizards'
// heroes.
void Hero_LevelUp_Popup(int16_t unit_idx) { STUB_HIT(); }

void Hire_Hero_Popup(int16_t slot_idx, int16_t hero_type, int16_t kind) { STUB_HIT(); }

int16_t Hire_Merc_Popup(int16_t unit_type, int16_t count, int16_t level, int16_t price)
{
    STUB_HIT();
    return 0;
}

void Merchant_Popup(void) { STUB_HIT(); }

void AI_Accept_Hero(int16_t player_idx, int16_t slot_idx, int16_t hero_type) { STUB_HIT(); }

// No item is made, so no merchant comes and no gift arrives.
int16_t Make_Item(int16_t kind, const int16_t *requirements, int16_t flag)
{
    STUB_HIT();
    return -1;
}

void Process_Item_Pool(int16_t item_count, int16_t *items) { STUB_HIT(); }

void Player_Process_Item_Pool(int16_t player_idx, int16_t item_count, int16_t *items) { STUB_HIT(); }
