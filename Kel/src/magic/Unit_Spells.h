// Overland spells that move, freeze, heal or change units: Word of Recall, Stasis, Nature's Cures,
// Lycanthropy and Plane Shift. Each returns 1 when the spell took effect, else the target's result.
#pragma once

#include <cstdint>

int16_t Cast_Word_Of_Recall(int16_t caster_idx);
int16_t Cast_Stasis(int16_t caster_idx);
int16_t Cast_Natures_Cures(int16_t caster_idx);
int16_t Cast_Lycantrophy(int16_t caster_idx);
int16_t Cast_Plane_Shift(int16_t caster_idx);

// Why the stack on the square cannot shift to the other plane: 0 it can, 1 water it cannot cross,
// 2 the square there is held, 3 too many units there with the stack.
int16_t Cast_Plane_Shift_Check(int16_t wx, int16_t wy, int16_t wp);
