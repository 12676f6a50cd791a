// The pop-ups of a city that is not a full city of the human: the outpost and a foreign city.
#pragma once

#include <cstdint>

void Outpost_Screen(int16_t from_city_add);
void Enemy_City_Screen(void);
// The offer, on turn 0, to rename the human's home city.
void Change_Home_City_Name_Popup(int16_t city_idx);
