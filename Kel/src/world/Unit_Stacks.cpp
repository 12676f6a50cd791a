#include "world/Unit_Stacks.h"

int16_t _active_world_x;
int16_t _active_world_y;
