// Stand-ins of the city screens.
#include "STU_Log.h"
#include "cities/CityList_Screen.h"
#include "cities/City_Screen.h"
#include "cities/Outpost_Screen.h"
#include "cities/Product_List.h"
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

int16_t _city_idx = 0;

void Enemy_City_Screen(void)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Enemy_City_Screen__STUB: city %d; not built yet", _city_idx);
}

const char *building_description = "";
