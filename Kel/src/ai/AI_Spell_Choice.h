// The computer wizards' choice of the next overland spell.
#pragma once

#include <cstdint>

// Chooses and starts the wizard's next overland spell, or none.
void AI_Spell_Select(int16_t player_idx);
