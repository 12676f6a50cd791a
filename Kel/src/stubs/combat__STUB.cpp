// Stand-ins of the combat screen and of the moving spells.
#include "STU_Log.h"
#include "combat/Combat_Moving_Spells.h"
#include "combat/Strategic_Combat.h"
#include "combat/screens/Combat_Screen.h"
#include "stubs/STUB_HIT.h"

// Until the combat screen is built every battle is resolved automatically.
int16_t Combat_Screen(int16_t attacker_idx, int16_t defender_idx, int16_t *troops, int16_t troop_count, int16_t wx,
                      int16_t wy, int16_t wp, int16_t *item_count, int16_t *item_list)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_COMBAT,
            "Combat_Screen__STUB: player %d against %d: the combat screen is not built yet; resolved automatically",
            attacker_idx, defender_idx);
    return Strategic_Combat(troops, troop_count, wx, wy, wp, item_count, item_list);
}

// Until the moving spells are built, a teleporting or merging unit arrives at once, unseen.
void Battle_Unit_Teleport(Battle_Unit_Record *bu, int16_t x, int16_t y)
{
    STUB_HIT();
    bu->Grid_X = bu->Target_X = x;
    bu->Grid_Y = bu->Target_Y = y;
}

void Battle_Unit_Tunnel(Battle_Unit_Record *bu, int16_t x, int16_t y)
{
    STUB_HIT();
    bu->Grid_X = bu->Target_X = x;
    bu->Grid_Y = bu->Target_Y = y;
}
