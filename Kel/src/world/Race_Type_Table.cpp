#include "world/Race_Type_Table.h"

#include "world/Building_Data_Record.h"

const Race_Type_Record _race_type_table[NUM_RACES] = {
    {"Barbarian", 3, {20, 10, 25}, 0},
    {"Beastmen", 2, {11, 13}, 0},
    {"Dark Elf", 2, {25, 14}, 1},
    {"Draconian", 3, {33, 11, 14}, 0},
    {"Dwarven", 4, {9, 13, 20, 24}, 0},
    {"Gnoll", 5, {10, 17, 24, 6, 14}, 2},
    {"Halfling", 4, {20, 6, 9, 13}, 0},
    {"High Elf", 2, {24, 14}, 1},
    {"High Men", 1, {11}, 0},
    {"Klackon", 3, {23, 11, 13}, 2},
    {"Lizardman", 7, {7, 10, 17, 18, 34, 12, 15}, 2},
    {"Nomad", 2, {14, 21}, 0},
    {"Orc", 0, {}, 0},
    {"Troll", 4, {11, 17, 34, 13}, 1},
};

int16_t Race_Can_Build(int16_t race, int16_t bldg_idx)
{
    if (race < 0 || race >= NUM_RACES || bldg_idx < 0 || bldg_idx >= NUM_BUILDING_TYPES) {
        return 0;
    }
    const Race_Type_Record &record = _race_type_table[race];
    for (int k = 0; k < record.forbidden_count && k < RACE_MAX_FORBIDDEN_BUILDINGS; k++) {
        if (record.forbidden_buildings[k] == bldg_idx) {
            return 0;
        }
    }
    return 1;
}
