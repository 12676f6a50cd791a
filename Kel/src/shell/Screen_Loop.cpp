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

namespace {
bool Waiting_Through_World_Turn(void) { return g_headless_turn_wait && current_screen == scr_Next_Turn; }
}  // namespace

bool Unattended_Frame_Done(int *frames)
{
    bool counts = g_headless_unattended || Waiting_Through_World_Turn();
    return counts && ++*frames >= HEADLESS_UNATTENDED_FRAMES;
}

int16_t Unattended_Box_Frames(void) { return Waiting_Through_World_Turn() ? (int16_t)HEADLESS_UNATTENDED_FRAMES : 0; }
