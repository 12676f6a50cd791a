// Stand-ins of the information screens.
#include "STU_Log.h"
#include "info/screens/Advisor_Screen.h"
#include "info/screens/ArmyList_Screen.h"
#include "overland/Screen_Control.h"
#include "overland/Surveyor_Screen.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"

void ArmyList_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("ArmyList_Screen");
}

// The surveyor for the Info button (-1) and F1 (0); the other advisors are not built yet.
void Advisor_Screen(int16_t advisor)
{
    STUB_HIT();
    if (advisor == -1 || advisor == 0) {
        Surveyor_Screen();
        return;
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Advisor_Screen__STUB: advisor %d not built yet", (int)advisor);
    current_screen = scr_Main_Screen;
}
