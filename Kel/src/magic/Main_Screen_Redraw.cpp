#include "Video.h"
#include "magic/Spellbook_Screen.h"
#include "shell/Main_Screen_Draw.h"

void Full_Draw_Main_Screen(void)
{
    Main_Screen_Draw();
    PageFlip_FX();
}

void Dissolve_Main_Screen(void)
{
    Main_Screen_Draw();
    PageFlip_Dissolve();
}
