// Stand-ins of the moving spells and of the combat spells.
#include "STU_Log.h"
#include "combat/Combat_Casting.h"
#include "combat/Combat_Moving_Spells.h"
#include "combat/Combat_Spell_Effects.h"
#include "stubs/STUB_HIT.h"

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

// Until the combat spells are built nothing is cast in battle.
int16_t Combat_Cast_Spell(int16_t caster, int16_t wx, int16_t wy, int16_t wp)
{
    STUB_HIT();
    (void)caster, (void)wx, (void)wy, (void)wp;
    return 0;
}

void Apply_Wrack(int16_t player)
{
    STUB_HIT();
    (void)player;
}

void Apply_Call_Lightning(int16_t player)
{
    STUB_HIT();
    (void)player;
}

void Vortex_Combat_Round(void) { STUB_HIT(); }

void Summon_Demon(int16_t battle_unit_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_COMBAT, "Summon_Demon__STUB: battle unit %d: no demon answers yet; nothing spent",
            battle_unit_idx);
}
