// The turn messages about cities' products: a finished building, or a product that a city can no
// longer build (the negated product). The turn cycle shows them at its message step.
#pragma once

#include <cstdint>

constexpr int MSG_BUILDING_COMPLETE_MAX = 20;

#pragma pack(push, 1)
struct Msg_Building_Complete {
    uint8_t city_idx;
    int16_t bldg_idx;  // a building, or the negated product the city can no longer build
};
#pragma pack(pop)
static_assert(sizeof(Msg_Building_Complete) == 3);

extern Msg_Building_Complete MSG_Building_Complete[MSG_BUILDING_COMPLETE_MAX];
extern int8_t g_bldg_msg_ctr;

// Drops the messages of a city leaving the table and lowers the city index of later cities' ones.
void City_Delete_Building_Complete_Messages(int16_t city_idx);
