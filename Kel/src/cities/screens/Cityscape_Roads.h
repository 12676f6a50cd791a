// The roads of a city's scene: which road cells of the grid are laid, and the road picture with
// the cells not laid erased from it.
#pragma once

#include <cstdint>

// Lays the road cells next to buildings and houses, joins junctions, then draws the road picture
// with every road cell still not laid erased, at (x + 1, y + 17).
void Cityscape_Roads_1__WIP(int16_t x, int16_t y);
// The laying alone (grid only).
void Cityscape_Lay_Roads(void);
// Clears the pixels of every road cell not laid from a bitmap of the road picture.
void Cityscape_Roads_2__WIP(uint8_t *bitmap);
// Erase stamps at (px, py) of a bitmap: long, short and slanted road pieces. Pixels outside the
// bitmap are left alone.
void Cityscape_Roads_3__WIP(int16_t px, int16_t py, uint8_t *bitmap);
void Cityscape_Roads_4__WIP(int16_t px, int16_t py, uint8_t *bitmap);
void Cityscape_Roads_5__WIP(int16_t px, int16_t py, uint8_t *bitmap);
