// Stand-ins of the city screens.
#include "cities/CityList_Screen.h"
#include "cities/City_Screen.h"
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
