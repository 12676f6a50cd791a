#include "world/City_Names.h"

#include <cstdio>
#include <cstring>

#include "LBX_Load.h"
#include "STU_Wrappers.h"
#include "random.h"
#include "world/ALLOC.h"

namespace {

const char *const m_race_names[NUM_RACES] = {"Barbarian", "Beastmen", "Dark Elf", "Draconian", "Dwarven",
                                             "Gnoll",     "Halfling", "High Elf", "High Men",  "Klackon",
                                             "Lizardman", "Nomad",    "Orc",      "Troll"};

void Load_Race_Names(int race, uint8_t *record)
{
    LBX_Load_Data_Static("CITYNAME", 0, record, (int16_t)race, 1, CITYNAME_RECORD_SIZE);
    for (int k = 0; k < CITYNAME_NAMES_PER_RACE; k++) {
        record[k * CITY_NAME_SIZE + CITY_NAME_SIZE - 1] = 0;
    }
}

bool Name_In_Use(const char *candidate)
{
    for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
        char existing[CITY_NAME_SIZE + 1];
        memcpy(existing, _CITIES[c].name, CITY_NAME_SIZE);
        existing[CITY_NAME_SIZE] = 0;
        if (stu_stricmp(existing, candidate) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

void Random_City_Name_By_Race(int16_t race, char *name)
{
    int current = race >= 0 && race < NUM_RACES ? race : 0;
    uint8_t record[CITYNAME_RECORD_SIZE];
    Load_Race_Names(current, record);
    for (int tries = 1; tries <= CITY_NAME_MAX_TRIES; tries++) {
        const char *candidate =
            reinterpret_cast<const char *>(record) + (RANDOM(CITYNAME_NAMES_PER_RACE) - 1) * CITY_NAME_SIZE;
        bool taken = false;
        for (int c = 0; c < _cities && c < NUM_CITIES; c++) {
            char existing[CITY_NAME_SIZE + 1];
            memcpy(existing, _CITIES[c].name, CITY_NAME_SIZE);
            existing[CITY_NAME_SIZE] = 0;
            if (stu_stricmp(existing, candidate) != 0) {
                continue;
            }
            if (tries < CITY_NAME_RACE_SWITCH_TRY) {
                taken = true;
                break;
            }
            // From the 200th try a match swaps in another race's names and the comparison goes on.
            current = RANDOM(NUM_RACES) - 1;
            Load_Race_Names(current, record);
        }
        if (!taken) {
            memcpy(name, candidate, CITY_NAME_SIZE);
            name[CITY_NAME_SIZE - 1] = 0;
            return;
        }
    }
    const char *base = m_race_names[race >= 0 && race < NUM_RACES ? race : 0];
    for (int n = 1;; n++) {
        char candidate[CITY_NAME_SIZE + 8];
        snprintf(candidate, sizeof(candidate), "%.*s %d", CITY_NAME_SIZE - 2 - (n < 10 ? 1 : n < 100 ? 2 : 3), base, n);
        if (!Name_In_Use(candidate)) {
            memcpy(name, candidate, CITY_NAME_SIZE - 1);
            name[CITY_NAME_SIZE - 1] = 0;
            return;
        }
    }
}
