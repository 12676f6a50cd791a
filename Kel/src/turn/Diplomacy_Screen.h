// The audience with another wizard (screen 115).
#pragma once

#include <cstdint>

// Runs screen 115; leaves current_screen at the magic screen.
void Diplomacy_Screen__WIP(void);
// Plays the wizard's mood tune of a statement: music 0 and 1 the first, 2 the second, others none.
void Diplomacy_Play_Mood_Music(int16_t music);
