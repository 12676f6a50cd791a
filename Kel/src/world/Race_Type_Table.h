// The fourteen races of cities and wizards: their names, the buildings each can never build, and
// the kind of houses their cityscapes show.
#pragma once

#include <cstdint>

#include "world/City_Record.h"

constexpr int RACE_MAX_FORBIDDEN_BUILDINGS = 7;

struct Race_Type_Record {
    const char *name;
    int16_t forbidden_count;
    int16_t forbidden_buildings[RACE_MAX_FORBIDDEN_BUILDINGS];
    int16_t house_kind;  // 0, 1 or 2
};

extern const Race_Type_Record _race_type_table[NUM_RACES];

// 1 when the race may build the building; a race or building off the tables gives 0.
int16_t Race_Can_Build(int16_t race, int16_t bldg_idx);
