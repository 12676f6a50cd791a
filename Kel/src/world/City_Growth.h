// Population growth of cities and outposts.
#pragma once

#include <cstdint>

// Each race's growth modifiers (the race table's values; 0 until the race table is read).
struct Race_Growth_Modifiers {
    int16_t outpost_growth;
    int16_t growth;
};
extern Race_Growth_Modifiers race_growth_modifiers[14];

// Population points per turn; negative while the city starves.
int16_t City_Growth_Rate(int16_t city_idx);
// Every outpost (population 0) may gain or lose houses; draws random numbers.
void All_Outpost_Population_Growth(void);
