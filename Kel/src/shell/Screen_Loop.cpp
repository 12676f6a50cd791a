#include "shell/Screen_Loop.h"

#include "Fields.h"
#include "GENDRAW.h"
#include "Help.h"
#include "shell/Screen_Control.h"

void Leave_Screen(void)
{
    Clear_Fields();
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    Reset_Window();
}

bool Unattended_Frame_Done(int *frames)
{
    bool counts = g_headless_unattended || (g_headless_turn_wait && current_screen == scr_Next_Turn);
    return counts && ++*frames >= HEADLESS_UNATTENDED_FRAMES;
}
