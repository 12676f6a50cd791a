// Spells that move, hold, heal or change units; each takes the caster and returns 1 when it took
// effect.
#pragma once

#include <cstdint>

int16_t Cast_Word_Of_Recall(int16_t caster_idx);
int16_t Cast_Stasis(int16_t caster_idx);
int16_t Cast_Natures_Cures(int16_t caster_idx);
int16_t Cast_Lycantrophy(int16_t caster_idx);
int16_t Cast_Plane_Shift(int16_t caster_idx);
