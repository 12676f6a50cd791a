// Stand-ins of the overland screens and pop-ups of later issues: each logs and goes back.
#include "STU_Log.h"
#include "overland/Road_Build_Screen.h"
#include "overland/Screen_Control.h"
#include "overland/Unit_View.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"

void Road_Build_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Road_Build_Screen");
}

void Overland_Unit_Statistics_Window(int16_t x, int16_t y, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t kind,
                                     int16_t unit_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Overland_Unit_Statistics_Window__STUB: unit %d; not built yet", unit_idx);
}

void Unit_List_Window(int16_t unit_idx, int16_t kind, int16_t x, int16_t y)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Unit_List_Window__STUB: unit %d; not built yet", unit_idx);
}

void Thing_View_Draw__WIP(int16_t x, int16_t y, int16_t kind, int16_t index, Specials_List *list, int16_t count,
                          uint8_t *item_picture)
{
    STUB_HIT();
}

void UV_Setup_ProdScr(int16_t count) { STUB_HIT(); }

void UV_Clear_Specials_Fields(void) { STUB_HIT(); }

void UV_Add_Specials_Fields(int16_t x, int16_t y, Specials_List *list, int16_t count, int16_t first) { STUB_HIT(); }

void UV_Handle_Arrow_Buttons(int16_t field, int16_t *rows)
{
    STUB_HIT();
    *rows = 0;
}
