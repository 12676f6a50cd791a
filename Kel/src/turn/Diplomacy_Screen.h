// The audience with another wizard (screen 115).
#pragma once

// Runs screen 115; leaves current_screen at the magic screen.
void Diplomacy_Screen__WIP(void);
