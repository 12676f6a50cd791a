// Overland spells that move a wizard's fortress: Move Fortress and the Spell of Return.
#pragma once

#include <cstdint>

// 1 when the fortress moved, else the target's result.
int16_t Cast_Move_Fortress(int16_t caster_idx);
// The human's target is asked until a city is picked; 1 when the fortress stands again.
int16_t Cast_Spell_Of_Return(int16_t caster_idx);
