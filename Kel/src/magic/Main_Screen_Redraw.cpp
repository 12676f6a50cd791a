#include "Video.h"
#include "magic/Spellbook_Screen.h"
#include "overland/Main_Screen_Draw.h"

void Full_Draw_Main_Screen(void)
{
    Main_Screen_Draw();
    PageFlip_FX();
}
