// A computer wizard's choice of the next spell to research.
#pragma once

#include <cstdint>

// Sets the wizard's spell being researched from its research candidates.
void AI_Spell_Research_Select(int16_t player_idx);
