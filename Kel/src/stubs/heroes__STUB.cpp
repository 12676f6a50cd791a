// Stand-ins of the Items screen and of the entry into a lair.
#include "Dialog_Boxes.h"
#include "STU_Log.h"
#include "heroes/Hero_Popups.h"
#include "heroes/Item_Making.h"
#include "heroes/Item_Screen.h"
#include "heroes/Lairs.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"

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

// No level-up pop-up; hire, mercenary and merchant offers are declined, and so are computer wizards'
// heroes.
void Hero_LevelUp_Popup(int16_t unit_idx) { STUB_HIT(); }

void Hire_Hero_Popup(int16_t slot_idx, int16_t hero_type, int16_t kind) { STUB_HIT(); }

int16_t Hire_Merc_Popup(int16_t unit_type, int16_t count, int16_t level, int16_t price)
{
    STUB_HIT();
    return 0;
}

int16_t GUI_InHeroNaming = -1;

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
