// The final picture tiles of a new world: edge tiles of shores, mountains, tundra and hills by
// their eight neighbours (before the rivers), desert edges (after them), and the look-alike
// variants of plain squares (last).
#pragma once

#include <cstdint>

// TERRTYPE entry 0: five tables of 256 tile numbers indexed by the 8-neighbour mask (1 north-west,
// 2 north, 4 north-east, 8 east, 16 south-east, 32 south, 64 south-west, 128 west). Table 0 gives
// shores and, raised by 290 or 600, desert and tundra edges; table 1 mountains and, raised by 16,
// hills.
constexpr int EDGE_TABLES = 5;
constexpr int EDGE_TABLE_MASKS = 256;
constexpr int16_t DESERT_EDGE_OFFSET = 290;
constexpr int16_t TUNDRA_EDGE_OFFSET = 600;
constexpr int16_t HILLS_EDGE_OFFSET = 16;
// Highest terrain value an edge tile may give (the plain ocean of the second tile set).
constexpr int16_t EDGE_TILE_MAX = 762;
// A table entry that no square takes.
constexpr int16_t EDGE_TILE_REFUSED = -1;
// What the river mouths leave on a one-square lake that no river reaches; the desert pass reads it
// as desert.
constexpr int16_t TILE_DRY_LAKE = 308;

// Loads the edge-tile tables. An entry whose tile, raised as its passes raise it, would lie below 0
// or above 762 is refused (logged once per load): a square whose mask picks it keeps its plain tile.
void Load_Edge_Tile_Tables(void);
// The loaded entry of table t for mask (EDGE_TILE_REFUSED for a refused one).
int16_t Edge_Tile(int table, int mask);

// Shores, mountains, tundra and hills on both planes.
void Korvad_Autotiling(void);
// Desert edges on both planes.
void Desert_Autotile(void);
// Random look-alike variants of grassland, forest, desert, swamp and tundra on both planes.
void Shuffle_Terrains(void);
