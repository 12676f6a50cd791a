// A unit's picture on the map and in the unit window.
#pragma once

#include <cstdint>

void Draw_Unit_Picture(int16_t x, int16_t y, int16_t unit_idx, int16_t mode);

// Outlines the figure in UnitDraw_WorkArea in the colours of the unit's first enchantment.
void Draw_Unit_Enchantment_Outline(int16_t unit_idx);
// Advances the outline colours every second call.
void Cycle_Unit_Enchantment_Animation(void);
