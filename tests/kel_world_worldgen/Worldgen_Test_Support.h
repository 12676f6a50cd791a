// Helpers of the map generator's tests: whole planes of one terrain, and the log of a block of
// code read back as text.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "world/ALLOC.h"

inline void Fill_Plane(int16_t plane, int16_t tile)
{
    for (int i = 0; i < WORLD_SIZE; i++) _world_maps[plane * WORLD_SIZE + i] = tile;
}

inline int16_t &Tile(int wx, int wy, int wp) { return _world_maps[World_Square_Index(wx, wy, wp)]; }
inline uint8_t &Landmass(int wx, int wy, int wp) { return _landmasses[World_Square_Index(wx, wy, wp)]; }

// Runs the block with the log opened in a temporary folder and returns the log's text.
std::string Logged_Text(const std::function<void()> &block);
// The number of lines of text holding every one of the parts.
int Lines_With(const std::string &text, const std::string &part1, const std::string &part2 = "");
