#include "world/Unit_Stacks.h"

Unit_Stack_Entry _unit_stack[MAX_STACK];
int16_t _unit_stack_count;
int16_t _active_world_x;
int16_t _active_world_y;
