// A computer wizard's choice of the next spell to research.
#pragma once

#include <cstdint>

// Draws the spell being researched from the wizard's research candidates, cheap spells of kinds it
// has none of yet weighing most; returns it, or 0 (nothing to research) without candidates.
int16_t AI_Spell_Research_Select(int16_t player_idx);
// The candidate's score at the wizard's research income: its adjusted research cost, raised for kinds
// the wizard already knows and for spells its income pays slowly, lowered for wanted kinds; the
// lowest score weighs most. 0 for a spell without an AI group code.
int32_t AI_Spell_Research_Score(int16_t player_idx, int16_t spell_idx, int16_t research_income);
