// The coarse grids of land and sea links between 5 x 5 blocks of squares, built once from the
// walking and sailing cost maps at the end of world generation and kept with the saved game.
#pragma once

#include <cstdint>

constexpr int GRID_CELL_SQUARES = 5;
constexpr int GRID_COLUMNS = 12;
constexpr int GRID_ROWS = 8;
constexpr int GRID_CELLS = GRID_COLUMNS * GRID_ROWS;  // 96 bytes a plane

// A cell byte: a link bit is set only when units can both step across the edge (its contact bit)
// and find a way through the window around it; the symmetry pass may add links, never contacts.
enum Connectivity_Bit : uint8_t {
    cg_North_Link = 0x01,
    cg_East_Link = 0x02,
    cg_South_Link = 0x04,
    cg_West_Link = 0x08,
    cg_North_Contact = 0x10,
    cg_East_Contact = 0x20,
    cg_South_Contact = 0x40,
    cg_West_Contact = 0x80,
};

// One 96-byte grid from one plane's 2,400-byte cost map (255: impassable).
void Build_Connectivity_Graph(const uint8_t *cost_map, uint8_t *grid);
// The plane's land grid from its walking map, then its sea grid from its sailing map.
void Build_Connectivity_Graphs(int16_t wp);
