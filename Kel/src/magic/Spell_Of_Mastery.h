// The Spell of Mastery: announced when a wizard begins it, ending the game when it completes.
#pragma once

#include <cstdint>

// The rivals of the human struck down in the victory, in player order: those not casting the Spell
// of Return. Fills rivals (room for 5) and returns how many.
int16_t Spell_Of_Mastery_Rivals(int16_t *rivals);
// Frames of the human's victory: 60 per player less 48, less 60 per rival casting the Spell of Return.
int16_t Spell_Of_Mastery_Victory_Frames(void);

// The announcement that the wizard has begun casting it.
void Cast_Spell_Of_Mastery(int16_t wizard_idx);
// The wizard's casting completes: the victory or defeat sequence, the scene and the final score.
// Returns the stored winner at once when the game is already won, else the score's result.
int16_t Spell_Of_Mastery(int16_t wizard_idx);
// The human's defeat; the score's result.
int16_t Spell_Of_Mastery_Lose(void);
