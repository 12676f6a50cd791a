// Stand-ins of the turn cycle's screens.
#include "STU_Log.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "turn/Diplomacy_Screen.h"
#include "turn/End_Of_Turn.h"
#include "turn/Wizard_Conquest.h"

void Next_Turn_Proc(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Next_Turn_Proc");
}

void Diplomacy_Screen__WIP(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Diplomacy_Screen");
}

void Resolve_Wizard_Conquest(int16_t loser_idx, int16_t victor_idx, int16_t city_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_GENERAL, "Resolve_Wizard_Conquest__STUB: wizard %d lost city %d to player %d", loser_idx,
            city_idx, victor_idx);
}
