// What a city can build: the products a building unlocks and the text that describes it.
#pragma once

#include <cstdint>

constexpr int BUILDING_ALLOWS_MAX = 20;

// The description of the building last shown in the unit statistics view.
extern const char *building_description;

// What the building would unlock in the current city: buildings, and unit types as type + 100.
// list holds BUILDING_ALLOWS_MAX entries.
void Building_Allows_List(int16_t bldg_idx, int16_t *count, int16_t *list);
