// The human chooses the wizard his spell is aimed at.
#pragma once

#include <cstdint>

// Picks the wizard and applies the spell; the last wizard clicked (1 to 4), 0 when none was.
int16_t Target_Wizard_Screen(int16_t spell_idx);
