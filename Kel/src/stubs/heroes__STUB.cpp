// Stand-ins of the Items screen and of the entry into a lair.
#include "Dialog_Boxes.h"
#include "STU_Log.h"
#include "heroes/Item_Screen.h"
#include "heroes/Lairs.h"
#include "heroes/Text_Lists.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"

void Item_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Item_Screen");
}

// Until lairs can be explored every entry is taken as declined.
int16_t Lair_Combat__WIP(int16_t lair_idx, int16_t player_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_GENERAL, "Lair_Combat__WIP__STUB: lair %d, player %d: declined", lair_idx, player_idx);
    if (Window_Shown()) {
        Warn0("Lairs cannot be explored yet.");
    }
    return 99;
}

const char *An(const char *word)
{
    STUB_HIT();
    char c = word != nullptr ? word[0] : 0;
    if (c >= 'a' && c <= 'z') c = (char)(c - 'a' + 'A');
    return (c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U') ? "an" : "a";
}
