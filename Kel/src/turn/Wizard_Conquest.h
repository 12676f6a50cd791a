// What becomes of a wizard who loses his fortress city or his last city.
#pragma once

#include <cstdint>

// Banishes or eliminates the loser; the victor took the city.
void Resolve_Wizard_Conquest(int16_t loser_idx, int16_t victor_idx, int16_t city_idx);
