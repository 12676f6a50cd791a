// The scenes of a wizard's fall, return, victory and defeat, the final score, and whether any
// rival is left. The scenes show through the information screens' services and are skipped
// without them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "info/End_Of_Game_Score.h"

// The conquest scene. Nothing when the neutral player falls to a wizard; a human conqueror marks
// the loser in its banished mask.
void Conquest_Animation(int16_t loser_idx, int16_t conqueror_idx);
// The wizard's name and " begins casting the Spell Of Return.".
void Return_Animation(int16_t player_idx);
void Win_Animation(int16_t player_idx);
void Lose_Animation(int16_t player_idx);
// 1 when no computer wizard is left: one is alive while its fortress stands or it owns a city.
int16_t CP_Is_Dead(void);

// The caption of the conquest scene ("X defeats Y", "X banishes Y", "Raiders destroy Y." or
// "Raiders destroy Y's fortress."); the conquered wizard's cities are counted up to 2.
void Conquest_Caption(int16_t loser_idx, int16_t conqueror_idx, char *out, size_t size);
// The caption of the return scene.
void Return_Caption(int16_t player_idx, char *out, size_t size);
