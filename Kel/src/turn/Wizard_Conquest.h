// What becomes of a wizard who loses his fortress city or his last city.
#pragma once

#include <cstdint>

// Banishes or eliminates the loser; the victor took the city (-1: no city changes hands here).
// When no rival is left, or the human falls, the game ends and g_conquest_winner_idx is set.
void Resolve_Wizard_Conquest(int16_t loser_idx, int16_t victor_idx, int16_t city_idx);

enum Banish_Result : int16_t {
    br_Banished = 0,
    br_Resigned = 1,   // the human chose to resign
    br_Too_Weak = 99,  // a computer wizard could never return
};
// The loser loses his fortress and starts casting the Spell of Return.
int16_t Banish_Wizard(int16_t loser_idx, int16_t victor_idx);

// The human's banishment is shown over the redrawn main screen and answered with a Yes/No box
// through the turn's services (Turn_Conquest_Redraw, Turn_Conquest_Ask).
