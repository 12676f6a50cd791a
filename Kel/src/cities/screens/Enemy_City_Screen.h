// The read-only view of a city the human does not manage: garrison, enchantments and cityscape.
#pragma once

#include <cstdint>

constexpr int ENEMY_CITY_TROOPS_MAX = 9;
constexpr int16_t ENEMY_CITY_X = 60;
constexpr int16_t ENEMY_CITY_Y = 0;

extern int16_t m_troops[ENEMY_CITY_TROOPS_MAX];
extern int16_t m_troop_count;
// 1 when the last drawing showed "No Report" instead of the garrison.
extern int16_t enemy_city_no_report;

void Enemy_City_Screen_Load(void);
// The owner's visible units on the city's square (towers joining both planes), at most
// ENEMY_CITY_TROOPS_MAX.
void Enemy_City_Build_Garrison(int16_t city_idx);
void Enemy_City_Screen_Draw(void);
