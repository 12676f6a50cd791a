// The spells aimed at a wizard: Cruel Unminding, Drain Power and Subversion.
// Spells aimed at another wizard: what each does to its target.
#pragma once

#include <cstdint>

// The wizard's base casting skill falls by 1 to 10 percent (at least 1); returns the loss.
int16_t Apply_Cruel_Unminding(int16_t wizard_idx);
// Up to ten times 1 to 20 mana, no more than the wizard holds; returns the mana drained.
int16_t Apply_Drain_Power(int16_t wizard_idx);
// Every computer wizard in contact with the target thinks 25 worse of it, and their peace ends.
void Apply_Subversion(int16_t wizard_idx);
// Skill points the target loses for good.
int16_t Apply_Cruel_Unminding(int16_t target_idx);
// Mana the target loses.
int16_t Apply_Drain_Power(int16_t target_idx);
// The other wizards' regard for the target falls.
void Apply_Subversion(int16_t target_idx);
