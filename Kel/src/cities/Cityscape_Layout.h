// Where a city's scene puts things: a grid of 15 rows by 23 columns, filled from the random
// generator as it stands (the caller seeds it).
#pragma once

#include <cstdint>

constexpr int CITYSCAPE_ROWS = 15;
constexpr int CITYSCAPE_COLUMNS = 23;
constexpr int CITYSCAPE_CELLS = CITYSCAPE_ROWS * CITYSCAPE_COLUMNS;

// Cell values besides a building 3..34 or a magic building 100..106 at the front-left cell of its
// footprint.
enum Cityscape_Cell : int16_t {
    csc_Road_Laid = -5,
    csc_Rock = -4,
    csc_Tree = -3,
    csc_Road = -2,  // a road cell not laid
    csc_Blocked = -1,
    csc_Free = 0,
    csc_Footprint = 1,
    csc_House = 2,
};

enum Magic_Building : int16_t {
    mb_Summoning_Circle = 100,
    mb_Earth_Gate = 101,
    mb_Stream_Of_Life = 102,
    mb_Astral_Gate = 103,
    mb_Fortress = 104,
    mb_Dark_Rituals = 105,
    mb_Altar_Of_Battle = 106,
};

// Footprint classes: 0 2 wide x 2 deep, 1 3 x 2, 2 2 x 3, 3 3 x 3.
constexpr int CITYSCAPE_FOOTPRINT_CLASSES = 4;
constexpr int CITYSCAPE_PLACE_ATTEMPTS = 500;

// The grid, cell (row, column) at [row * CITYSCAPE_COLUMNS + column]; the drawing points it at
// scratch memory of its own for as long as it draws.
extern int16_t *cityscape_bldg_array;

inline int16_t &Cityscape_Cell_At(int row, int column)
{
    return cityscape_bldg_array[row * CITYSCAPE_COLUMNS + column];
}

// Fills the grid for the city: blocked corners, roads, the places of its buildings by footprint
// class, houses, trees and rocks. The last layout is remembered and given again, with the same
// generator state and draw count after it, for the same inputs.
void Cityscape_Make_Buildings_Array(int16_t city_idx, int16_t placed);
// Drops the remembered layout.
void Cityscape_Layout_Forget(void);
// 1 when some wizard's active fortress stands on the city's square; 1 when a wizard with an active
// fortress has the summoning circle there.
int16_t Cityscape_Is_Fortress_City(int16_t city_idx);
int16_t Cityscape_Is_Summon_City(int16_t city_idx);
