// Which units stand on a square or in a city, which city stands on a wizard's fortress or summoning
// circle, which node lies on a square; exploring a block, the Nature Awareness reveal and dismissing
// a unit. Unit lists are filled in unit order. The queries without a limit of 9 write at most
// ARMY_AT_SQUARE_MAX (100) entries, and their count is the number written: their lists must hold 100.
#pragma once

#include <cstdint>

#include "world/Unit_Death.h"

constexpr int ARMY_LIST_STACK_MAX = 9;

// A unit in a tower (in_tower 1) stands on both planes.
constexpr int16_t UNIT_IN_TOWER = 1;

int16_t Player_Fortress_City(int16_t player_idx);
int16_t Player_Summon_City(int16_t player_idx);

// The city owner's units on the city's own plane; at most 9.
void Army_At_City(int16_t city_idx, int16_t *count, int16_t *list);
// The player's units on the square, towers counted; no limit.
void Player_Army_At_Square(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx, int16_t *count, int16_t *list);
// The units of every other living owner on the square, towers counted; no limit.
void Enemy_Army_At_Square(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx, int16_t *count, int16_t *list);
// The living units of any owner on the square, towers counted; at most 9.
void Army_At_Square_2(int16_t wx, int16_t wy, int16_t wp, int16_t *count, int16_t *list);
// The living units whose plane is exactly wp; no limit.
void Army_At_Square_3(int16_t wx, int16_t wy, int16_t wp, int16_t *count, int16_t *list);

int16_t Get_Map_Square_Magic_Node(int16_t wx, int16_t wy, int16_t wp);

// 1, and special_action_flag 1, when a living settler of the list may found a city on the square
// of the list's first unit.
int16_t Unit_Action_Special_Settle(int16_t count, const int16_t *list);

void Dismiss_Unit(int16_t unit_idx);

// Radius 1 explores the square, radius r the block of side 2r - 1 around it (rows kept on the map,
// the block's side kept, columns wrapping).
void Set_Square_Explored_Flags_Range(int16_t wx, int16_t wy, int16_t wp, int16_t radius);

// Nature Awareness: both planes explored, every wizard in play in contact with every other.
void Cheat_Reveal(void);

void o59p10_empty_function(void);
void o108p3_empty_function(void);
void s146p4_empty_function(void);
void s146p5_empty_function(void);

// The unit counts as standing on the plane: its own, or both while it is in a tower.
bool Unit_On_Plane(int16_t unit_idx, int16_t wp);
