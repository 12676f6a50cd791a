// Selecting, sorting and bringing into view the main screen's active stack.
#pragma once

#include <cstdint>

// 1 when the selected units (all of them when none is selected) can travel between planes.
int16_t Stack_Has_PlanarTravel(void);
