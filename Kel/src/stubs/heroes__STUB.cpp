// Stand-in of the Items screen.
#include "heroes/Item_Screen.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"

void Item_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Item_Screen");
}
