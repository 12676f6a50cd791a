// How a computer wizard regards the other players, which magic strategy it follows, and what every
// city, stack and landmass is worth to it.
#pragma once

#include <cstdint>

// War leaning by personality (Maniacal, Ruthless, Aggressive, Chaotic, Lawful, Peaceful).
extern const int16_t TBL_AI_PRS_War_Mod[6];

// Chance in percent that the wizard turns hostile towards j (both valid player numbers).
int32_t AI_War_Chance(int16_t player_idx, int16_t j);
// Re-rolls the hostility words every 16 to 25 turns, from turn 100 on.
void AI_Evaluate_Hostility(int16_t player_idx);
// Re-rolls the strategy word (1, 4 or 5) every 16 to 25 turns.
void AI_Evaluate_Magic_Power_Strategy(int16_t player_idx);
// Fills the city values, garrison strengths, own and enemy stacks and ai_transport_count.
void AI_Player_Calculate_Target_Values(int16_t player_idx);
// Fills the per-landmass strengths and values and the strength ratios.
void AI_Landmass_Values_And_Strengths(int16_t player_idx);

// 32-bit sum clamped to the i16 range.
inline int16_t AI_Saturate(int32_t value) { return (int16_t)(value > 32767 ? 32767 : value < -32768 ? -32768 : value); }
