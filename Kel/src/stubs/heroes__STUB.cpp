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

// No level-up pop-up.
void Hero_LevelUp_Popup(int16_t unit_idx) { STUB_HIT(); }

// No item is made, so no merchant comes and no gift arrives.
int16_t Make_Item(int16_t kind, const int16_t *requirements, int16_t flag)
{
    STUB_HIT();
    return -1;
}

void Process_Item_Pool(int16_t item_count, int16_t *items) { STUB_HIT(); }

void Player_Process_Item_Pool(int16_t player_idx, int16_t item_count, int16_t *items) { STUB_HIT(); }
