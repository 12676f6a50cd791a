// Spells taken from a fallen wizard's ruins.
#pragma once

#include <cstdint>

// The victor learns up to two spells the loser knew and it did not; the human is told.
void Conquest_Spells(int16_t victor_idx, int16_t loser_idx);
