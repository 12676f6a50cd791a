// The instant moves of teleporting and merging units.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// Moves the unit to the cell at once.
void Battle_Unit_Teleport(Battle_Unit_Record *bu, int16_t x, int16_t y);
void Battle_Unit_Tunnel(Battle_Unit_Record *bu, int16_t x, int16_t y);
