// Stand-ins of the moving spells and of the combat spells.
#include "STU_Log.h"
#include "combat/Combat_AI_Spells.h"
#include "combat/Combat_Moving_Spells.h"
#include "combat/Combat_Raise_Summon.h"
#include "combat/Combat_Spell_Effects.h"
#include "combat/Magic_Vortex.h"
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

int16_t AI_Select_Combat_Spell(int16_t caster)
{
    STUB_HIT();
    (void)caster;
    return 0;
}

// Until the spell families are built their effects do nothing.
void Combat_Battlefield_Instant(int16_t player, int16_t spell, int16_t caster)
{
    STUB_HIT();
    (void)player, (void)spell, (void)caster;
}

void Apply_Cracks_Call(int16_t x, int16_t y)
{
    STUB_HIT();
    (void)x, (void)y;
}

void Apply_Warp_Creature(int16_t battle_unit_idx)
{
    STUB_HIT();
    (void)battle_unit_idx;
}

void Apply_Life_Drain(int16_t target, int16_t *damage, int16_t caster, int16_t strength)
{
    STUB_HIT();
    (void)target, (void)caster, (void)strength;
    damage[0] = damage[1] = damage[2] = 0;
}

void Cast_Raise_Dead(int16_t player, int16_t caster, int16_t x, int16_t y)
{
    STUB_HIT();
    (void)player, (void)caster, (void)x, (void)y;
}

void Cast_Animate_Dead(int16_t player, int16_t caster)
{
    STUB_HIT();
    (void)player, (void)caster;
}

void Wall_Rise(int16_t spell, int16_t caster)
{
    STUB_HIT();
    (void)spell, (void)caster;
}

void Magic_Vortex_Create(int16_t owner, int16_t x, int16_t y)
{
    STUB_HIT();
    (void)owner, (void)x, (void)y;
}

// Until the computer's targeting is built it aims at nothing.
int16_t AITP_Combat_Spell(int16_t spell, int16_t player, int16_t *x, int16_t *y)
{
    STUB_HIT();
    (void)spell, (void)player;
    *x = *y = 0;
    return -1;
}

void AI_Prepare_Combat_Realm_Threats(void) { STUB_HIT(); }
