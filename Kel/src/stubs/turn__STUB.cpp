// Stand-ins of the turn cycle's screens.
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "turn/Computer_Diplomacy.h"
#include "turn/Diplomacy_Screen.h"

// The audience is not shown; the order is dropped by the caller.
void Npc_Diplomacy_Screen(void) { STUB_HIT(); }

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
