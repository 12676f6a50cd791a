// Stand-ins of the turn cycle's screens.
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "turn/Diplomacy_Screen.h"
#include "turn/End_Of_Turn.h"

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

void Diplomacy_Play_Mood_Music(int16_t music)
{
    STUB_HIT();
    (void)music;
}
