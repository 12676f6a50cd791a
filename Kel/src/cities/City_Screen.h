// The city screen (screen 100) of the city in _city_idx.
#pragma once

#include <cstdint>

extern int16_t _city_idx;

void City_Screen(void);
