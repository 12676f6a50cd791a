// The active stack: the units on one square that the player has picked, which of them move, and
// the choice of the next stack that still has moves.
#pragma once

#include <cstdint>

constexpr int MAX_STACK = 9;

#pragma pack(push, 1)
struct Unit_Stack_Entry {
    int16_t unit_idx;
    int16_t active;  // 1 when the unit is selected to move
};
#pragma pack(pop)
static_assert(sizeof(Unit_Stack_Entry) == 4);

extern Unit_Stack_Entry _unit_stack[MAX_STACK];
extern int16_t _unit_stack_count;

// The map position the search for the next stack measures from.
extern int16_t _active_world_x;
extern int16_t _active_world_y;

// Selects the player's next stack with moves left; the map position and plane follow it.
void WIZ_NextIdleStack(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t *map_plane);
