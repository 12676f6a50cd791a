// Stand-ins for game rules that are being built now; each is the least that lets unit creation,
// compaction and the test hooks run. The real rules delete these lines.
#pragma once

#include <cstdint>

int16_t Calc_Unit_Level(int16_t unit_idx);
int16_t City_Best_Weapon(int16_t city_idx);
void Kill_Unit(int16_t unit_idx, int16_t kill_type);
