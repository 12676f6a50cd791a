// Rivers of a new world.
#pragma once

#include <cstdint>

// Tries to lay one river on the plane: 1 when laid, 0 when the attempt failed.
int16_t Generate_River(int16_t wp);
void River_Autotile(int16_t wp);
