// Stand-ins of the city screens.
#include "STU_Log.h"
#include "cities/Building_Built_Message.h"
#include "cities/CityList_Screen.h"
#include "cities/City_Screen.h"
#include "cities/Outpost_Screen.h"
#include "cities/Outposts.h"
#include "cities/Production_Screen.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "world/ALLOC.h"

void CityList_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("CityList_Screen");
}

// Settling is refused until outposts can be founded.
int16_t Create_Outpost(int16_t wx, int16_t wy, int16_t wp, int16_t race, int16_t owner_idx, int16_t unit_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_GENERAL, "Create_Outpost__STUB: no outpost at (%d, %d, %d) yet; settling is refused", wx, wy,
            wp);
    return 0;
}

void Outpost_Screen(int16_t from_city_add)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Outpost_Screen__STUB: city %d; not built yet", _city_idx);
}

void Enemy_City_Screen(void)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Enemy_City_Screen__STUB: city %d; not built yet", _city_idx);
}

void Change_Home_City_Name_Popup(int16_t city_idx) { STUB_HIT(); }

void City_Built_Building_Message(int16_t x, int16_t y, int16_t city_idx, int16_t bldg_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_NEXTTURN, "City_Built_Building_Message(%d, %d, %d, %d)", x, y, city_idx, bldg_idx);
}
