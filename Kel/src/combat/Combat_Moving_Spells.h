// The magical ways a battle unit moves: teleporting (fading out and in) and tunnelling (sinking and
// rising). The caller passes a reachable free cell.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

void Battle_Unit_Teleport(Battle_Unit_Record *bu, int16_t x, int16_t y);
void Battle_Unit_Tunnel(Battle_Unit_Record *bu, int16_t x, int16_t y);
