// Stand-ins of the information screens.
#include "STU_Log.h"
#include "info/Advisor_Screen.h"
#include "info/ArmyList_Screen.h"
#include "info/Hall_Of_Fame.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"

void ArmyList_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("ArmyList_Screen");
}

void Advisor_Screen(int16_t advisor)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Advisor_Screen");
}

void Hall_Of_Fame_Screen(void)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Hall_Of_Fame_Screen__STUB: not built yet");
}
