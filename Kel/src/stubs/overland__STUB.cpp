// Stand-ins of the overland screens and pop-ups of later issues: each logs and goes back.
#include "STU_Log.h"
#include "overland/Road_Build_Screen.h"
#include "overland/Screen_Control.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"

void Road_Build_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Road_Build_Screen");
}
