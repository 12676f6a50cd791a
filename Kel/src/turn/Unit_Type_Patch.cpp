#include "turn/Unit_Type_Patch.h"

#include <initializer_list>

#include "world/Unit_Type_Record.h"

namespace {

constexpr int PATCHED_UPKEEP_TYPES = 154;

// The first unit type of each race is kept for free.
constexpr int16_t m_free_upkeep_types[] = {39, 46, 57, 66, 76, 83, 89, 95, 104, 114, 120, 127, 137, 147};

struct Sound_Row {
    int16_t sound;
    std::initializer_list<int16_t> types;
};

// Ranges written out: every listed type gets the row's sound.
const Sound_Row m_sound_rows[] = {
    {6, {47}},
    {8, {142, 143}},
    {85, {110, 111}},
    {86, {29, 30, 33, 34, 35, 36, 42, 43, 44, 57, 58, 59, 62,  63,  64,  66,  67,
          68, 71, 72, 75, 78, 79, 82, 90, 91, 92, 95, 96, 100, 101, 102, 103, 104}},
    {102, {0, 2, 3, 4, 5, 6, 8, 10, 14, 15, 16, 19, 21, 22, 23, 24, 25, 31, 40, 73, 76, 80, 84, 99, 105}},
    {103, {1, 7, 9, 11, 13, 17, 18, 20}},
    {112, {147}},
    {113, {129}},
    {114, {139}},
    {116, {55, 109}},
    {130, {119, 120, 126, 127, 128, 145}},
    {131, {41, 118}},
    {134, {12, 26, 27, 28, 48, 49, 50, 51, 56, 77, 121, 132, 133}},
    {135, {52, 53, 135}},
    {146, {197}},
    {147, {115, 116, 125, 134, 137}},
    {149, {113}},
    {150, {39, 46, 54, 61, 65, 69, 70, 83, 85, 86, 87, 88, 89, 93, 108, 123, 124, 130}},
    {151, {32, 37, 38, 45, 74, 81, 97, 98, 106, 107, 112}},
    {161, {122, 140}},
    {162, {114}},
    {165, {138, 144}},
    {179, {131}},
    {182, {146}},
    {192, {141}},
    {210, {136}},
    {213, {117}},
    {214, {60, 94}},
};

}  // namespace

void Patch_Units_Upkeep_And_Sound(void)
{
    for (int type = 0; type < PATCHED_UPKEEP_TYPES; type++) {
        Unit_Type_Record &record = _unit_type_table[type];
        int upkeep = (record.cost + 49) / 50;
        if (upkeep < 0) upkeep = 0;
        if (upkeep > 255) upkeep = 255;
        record.Upkeep = (uint8_t)upkeep;
    }
    for (int16_t type : m_free_upkeep_types) _unit_type_table[type].Upkeep = 0;
    for (const Sound_Row &row : m_sound_rows) {
        for (int16_t type : row.types) _unit_type_table[type].Sound = row.sound;
    }
}
