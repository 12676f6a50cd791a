// Landmasses, heights and climate of a new world, and the terrain queries used while generating.
#pragma once

#include <cstdint>

// Each is 1 when the square's terrain class (value modulo 762) is of that kind, else 0.
int16_t Square_Is_Grassland_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Forest_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Mountain_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Hills_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Swamp_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Desert_NewGame(int16_t wx, int16_t wy, int16_t wp);
