// Stand-ins of the city screens.
#include "STU_Log.h"
#include "cities/CityList_Screen.h"
#include "cities/City_Screen.h"
#include "cities/Outposts.h"
#include "cities/Production_Screen.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"

void City_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("City_Screen");
}

void CityList_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("CityList_Screen");
}

void Production_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Production_Screen");
}

// Settling is refused until outposts can be founded.
int16_t Create_Outpost(int16_t wx, int16_t wy, int16_t wp, int16_t race, int16_t owner_idx, int16_t unit_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_GENERAL, "Create_Outpost__STUB: no outpost at (%d, %d, %d) yet; settling is refused", wx, wy,
            wp);
    return 0;
}
