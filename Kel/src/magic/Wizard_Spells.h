// Spells aimed at another wizard: what each does to its target.
#pragma once

#include <cstdint>

// Skill points the target loses for good.
int16_t Apply_Cruel_Unminding(int16_t target_idx);
// Mana the target loses.
int16_t Apply_Drain_Power(int16_t target_idx);
// The other wizards' regard for the target falls.
void Apply_Subversion(int16_t target_idx);
