// Stand-ins of the city screens.
#include "STU_Log.h"
#include "cities/City_Screen.h"
#include "cities/City_Screen_Draw.h"
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

int16_t production_screen_return_screen = 2;

void Production_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Production_Screen");
}

int16_t _city_idx = 0;

const char *building_description = "";

void City_Screen_Draw_Population_Row(int16_t city_idx, int16_t x, int16_t y) { STUB_HIT(); }

void Cityscape_Draw_Scanned_Building_Name(int16_t scanned_field, int16_t x_offset, int16_t owner_idx) { STUB_HIT(); }
