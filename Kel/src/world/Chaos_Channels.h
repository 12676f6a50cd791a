// The chaos mutation of an overland unit: the spell Chaos Channels gives it, and so does the
// creation of a unit whose owner holds the global enchantment that grants it to new units.
#pragma once

#include <cstdint>

void Apply_Chaos_Channels(int16_t unit_idx);
