// Orders that the main screen gives to the selected stack.
#pragma once

#include <cstdint>

// The path shown for a stack on a go-to order.
void Set_Active_Stack_Movement_Path(int16_t unit_idx);
