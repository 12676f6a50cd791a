// What the stand-ins of the game proper's screens share: they log that the screen is not built
// yet and go back to the main screen, so every screen number leads somewhere.
#pragma once

#include "STU_Log.h"
#include "shell/Screen_Control.h"

inline void Stub_Return_To_Main_Screen(const char *name)
{
    STU_LOG(SEV_INFO, LC_KEL_SCR, "%s__STUB: not built yet; back to the main screen", name);
    current_screen = scr_Main_Screen;
}
