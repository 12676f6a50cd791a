// Magic vortices on the battlefield.
#pragma once

#include <cstdint>

// Appends a vortex of the owner at the cell.
void Magic_Vortex_Create(int16_t owner, int16_t x, int16_t y);
