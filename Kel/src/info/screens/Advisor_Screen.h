// The advisors: chosen from the list (screen 114) or directly by number.
#pragma once

#include <cstdint>

// Shows advisor 0 to 8, or the advisor list for -1.
void Advisor_Screen(int16_t advisor);
