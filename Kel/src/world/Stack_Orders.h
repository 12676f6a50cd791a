// Orders of stacks: moving the active stack, following a go-to order, the next stack with moves,
// melding with a node and the turn's purifying of corrupted land.
#pragma once

#include <cstdint>

// The spirit that guards a node it melds with.
constexpr int16_t UNIT_TYPE_GUARDIAN_SPIRIT = 155;

int16_t Move_Stack(int16_t dst_x, int16_t dst_y, int16_t player_idx, int16_t *map_x, int16_t *map_y,
                   int16_t *map_plane);
int16_t Stack_Move_To(int16_t player_idx, int16_t unit_idx, int16_t dst_x, int16_t dst_y, int16_t *map_x,
                      int16_t *map_y, int16_t wp);
// 1 when the player has no unit left to move, else 0 with _unit set.
int16_t Next_Unit_Nearest_Available(int16_t player_idx, int16_t *map_plane);
void Army_Do_Meld(int16_t count, const int16_t *list);
void Active_Army_Do_Meld(void);
void Next_Turn_Process_Purify(void);
int16_t Any_Units_Not_Busy(void);
