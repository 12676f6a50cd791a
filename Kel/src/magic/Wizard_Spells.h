// Spells aimed at a wizard.
#pragma once

#include <cstdint>

// The skill points lost.
int16_t Apply_Cruel_Unminding(int16_t wizard_idx);
// The mana drained.
int16_t Apply_Drain_Power(int16_t wizard_idx);
// The other wizards' regard for the wizard falls.
void Apply_Subversion(int16_t wizard_idx);
