// The target list of one landmass: what a computer wizard could attack there, with the strength
// that guards it and its worth, and the choice of a target for a roaming stack.
#pragma once

#include <cstdint>

constexpr int AI_TARGETS_MAX = 25;

extern int16_t _ai_targets_count;
extern int16_t _ai_targets_wx[AI_TARGETS_MAX];
extern int16_t _ai_targets_wy[AI_TARGETS_MAX];
extern int16_t _ai_targets_strength[AI_TARGETS_MAX];
extern int16_t _ai_targets_value[AI_TARGETS_MAX];  // 0 once a stack has been given the target

// Appends a target; ignored when the list is full.
void AI_Add_Target(int16_t wx, int16_t wy, int16_t strength, int16_t value);
// 1 when the tower at (x, y) leads somewhere worth going for the player.
int16_t AI_Tower_Target_Worthwhile(int16_t player_idx, int16_t wx, int16_t wy, int16_t wp);
// 1 and the square of the best target per distance that landmass stack stack_idx at (x, y)
// outweighs (the target is then taken off the list); else 0.
int16_t AI_Stacks_Assign_Target(int16_t wx, int16_t wy, int16_t *out_x, int16_t *out_y, int16_t stack_idx);
