// Stand-in of the new-game dialogue.
#include "STU_Log.h"
#include "newgame/Newgame_Control.h"
#include "stubs/STUB_HIT.h"

int16_t Newgame_Control(void)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Newgame_Control__STUB: not built yet; back to the main menu");
    return 0;
}
