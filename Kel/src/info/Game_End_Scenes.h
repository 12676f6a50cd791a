// The scenes of a wizard's fall, return, victory and defeat, the final score, and whether any
// rival is left.
#pragma once

#include <cstdint>

// The conquest scene; marks the loser in a human conqueror's banished mask.
void Conquest_Animation(int16_t loser_idx, int16_t conqueror_idx);
// The wizard's name and " begins casting the Spell Of Return.".
void Return_Animation(int16_t player_idx);
void Win_Animation(int16_t player_idx);
void Lose_Animation(int16_t player_idx);
// The final score screen and the hall of fame entry.
void End_Of_Game_Score(void);
// 1 when no computer wizard is left: one is alive while its fortress stands or it owns a city.
int16_t CP_Is_Dead(void);
