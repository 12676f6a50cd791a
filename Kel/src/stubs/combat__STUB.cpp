// Stand-ins of the combat spells.
#include "STU_Log.h"
#include "combat/Combat_Casting.h"
#include "stubs/STUB_HIT.h"

// Until the combat spells are built nothing is cast in battle.
int16_t Combat_Cast_Spell(int16_t caster, int16_t wx, int16_t wy, int16_t wp)
{
    STUB_HIT();
    (void)caster, (void)wx, (void)wy, (void)wp;
    return 0;
}

void Summon_Demon(int16_t battle_unit_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_COMBAT, "Summon_Demon__STUB: battle unit %d: no demon answers yet; nothing spent",
            battle_unit_idx);
}
