// Spells on the caster's fortress; each takes the caster and returns 1 when it took effect.
#pragma once

#include <cstdint>

int16_t Cast_Move_Fortress(int16_t caster_idx);
int16_t Cast_Spell_Of_Return(int16_t caster_idx);
