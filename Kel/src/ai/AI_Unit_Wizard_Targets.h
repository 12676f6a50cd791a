// Targets of the computer wizards' unit, wizard and enchantment spells, and their checks.
#pragma once

#include <cstdint>

// Checks the wizard's own overland enchantments once per turn; the result is not used.
int16_t AI_Sanity_Check_Overland_Enchantments(int16_t player_idx);
