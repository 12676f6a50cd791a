// The spells a wizard may research next.
#pragma once

#include <cstdint>

// Refills the wizard's eight research candidates; their number.
int16_t Player_Research_Spells(int16_t player_idx);
