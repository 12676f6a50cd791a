// The computer wizards' answers to offers made to them.
#pragma once

#include <cstdint>

// 1 when the computer wizard takes a mercenary offer of that cost, else 0.
int16_t AI_Accept_Mercenaries(int16_t player_idx, int16_t cost);
