// The city screen (screen 100) of the city in _city_idx.
#pragma once

void City_Screen(void);
