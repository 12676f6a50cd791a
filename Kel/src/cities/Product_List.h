// The text that describes a building.
#pragma once

#include <cstdint>

// The description of the building last shown in the unit statistics view.
extern const char *building_description;
