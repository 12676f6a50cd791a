// The spell a wizard has fully paid for takes effect on the world.
#pragma once

#include <cstdint>

void Cast_Spell_Overland(int16_t player_idx);

// Starts the wizard's overland spell: sets the spell being cast and its costs (spell 0 sets none).
// The slot matters only to the human's variable-cost choice. Returns 1 when the human's spell was
// paid and completed at once, else 0; a computer wizard's spell is paid by the turns.
int16_t Cast_Spell_Overland_Do(int16_t player_idx, int16_t spell_idx, int16_t spellbook_slot);
