// Stand-ins of the Items screen and the item view.
#include "Animation.h"
#include "Pictures.h"
#include "STU_Log.h"
#include "heroes/Item_Making.h"
#include "heroes/Item_Screen.h"
#include "heroes/Item_View.h"
#include "shell/Graphics_Cache.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "world/ALLOC.h"
#include "world/Item_Record.h"
#include "world/Items.h"

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

// No item is made yet: the item spell is dropped.
int16_t Item_Make_Screen(int16_t player_idx, int16_t kind)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Item_Make_Screen__STUB: player %d kind %d; not built yet", player_idx, kind);
    return 0;
}
