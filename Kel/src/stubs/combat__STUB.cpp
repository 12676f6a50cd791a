// Stand-in for the battle of an overland attack: it is not fought and nobody dies.
#include "Dialog_Boxes.h"
#include "STU_Log.h"
#include "combat/Combat_Entry.h"
#include "combat/Combat_Moving_Spells.h"
#include "stubs/STUB_HIT.h"

int16_t Combat(int16_t attacker_idx, int16_t defender, int16_t count, int16_t *units)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_COMBAT, "Combat__STUB: player %d attacks %d with %d units; not fought", attacker_idx, defender,
            count);
    if (Window_Shown()) {
        Warn0("This battle cannot be fought yet.");
    }
    return 0;
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
