// Stand-ins of the magic screens.
#include "magic/Magic_Screen.h"
#include "magic/Spellbook_Screen.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"

void Magic_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Magic_Screen");
}

void Spellbook_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Spellbook_Screen");
}
