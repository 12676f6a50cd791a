// The computer's choice of a combat spell.
#pragma once

#include <cstdint>

// The spell the caster casts now, 0 none.
int16_t AI_Select_Combat_Spell(int16_t caster);
// The computer's target for the spell: a battle unit, 99 a cell (written to x, y), -1 none.
int16_t AITP_Combat_Spell(int16_t spell, int16_t player, int16_t *x, int16_t *y);
// Rebuilds the computer's view of the realms its enemies field.
void AI_Prepare_Combat_Realm_Threats(void);
