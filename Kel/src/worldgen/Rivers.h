// Rivers of a new world: walks from inland sources to the sea or another river, then river tiles
// that join their neighbours and river mouths on the shores where they end.
#pragma once

#include <cstdint>

// Written on every square of a newly laid river; its class (238) counts as river.
constexpr int16_t RIVER_MARKER = 1000;
// A river walk gives up past this many steps, and at this many squares.
constexpr int RIVER_MAX_STEPS = 30;
constexpr int RIVER_FAIL_LENGTH = 29;

// River tiles by 4-neighbour mask (1 north, 2 east, 4 south, 8 west) and variant.
extern const int16_t TILE_River_Types[16][4];

// Tries to lay one river on the plane: 1 when laid, 0 when the attempt failed. A step that would
// leave the map is passed over (it still counts as a step).
int16_t Generate_River(int16_t wp);
// River tiles and river mouths of the plane. Neighbours never cross rows or planes and wrap
// east-west.
void River_Autotile(int16_t wp);
