// The computer wizards' ferry meeting points, their units at sea, and the re-rating of a landmass.
#pragma once

#include <cstdint>

constexpr int AI_FERRY_POINTS_MAX = 15;
constexpr int16_t AI_MEETING_ROOM = 9;

// Meeting points of this order pass; a plane of -1 marks a full point. _ai_ferry_count counts them.
extern int16_t _ai_ferry_wx_array[AI_FERRY_POINTS_MAX];
extern int16_t _ai_ferry_wy_array[AI_FERRY_POINTS_MAX];
extern int16_t _ai_ferry_wp_array[AI_FERRY_POINTS_MAX];

// Appends a meeting point unless it is listed or the list is full.
void AI_Stacks_Ferry_Add_Location(int16_t wx, int16_t wy, int16_t wp);
// Sends roaming landmass stack stack_idx toward the gathering square (gx, gy) and its boarding.
void AI_Stacks_Setup_Ferry(int16_t stack_idx, int16_t landmass_idx, int16_t wp, int16_t gx, int16_t gy, int16_t room,
                           int16_t player_idx);
// Re-rates the landmass for the player and moves its gathering square.
void AI_Reevaluate_Continent(int16_t player_idx, int16_t landmass_idx, int16_t wp);
// 1 when a unit of the owner stands on a square of the landmass within the box of the radius.
int16_t AI_Enemy_Unit_In_Range(int16_t wx, int16_t wy, int16_t wp, int16_t radius, int16_t owner, int16_t landmass_idx);
