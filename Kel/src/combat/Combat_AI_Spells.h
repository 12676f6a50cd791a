// The computer's choice of a combat spell.
#pragma once

#include <cstdint>

// The spell the caster casts now, 0 none.
int16_t AI_Select_Combat_Spell(int16_t caster);
