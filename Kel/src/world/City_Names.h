// Fresh city names by race, from CITYNAME entry 0 (one record of 20 names of 14 bytes per race).
#pragma once

#include <cstdint>

constexpr int CITYNAME_RECORD_SIZE = 280;
constexpr int CITYNAME_NAMES_PER_RACE = 20;
constexpr int CITY_NAME_SIZE = 14;
constexpr int CITY_NAME_RACE_SWITCH_TRY = 200;
constexpr int CITY_NAME_MAX_TRIES = 1000;

// Copies into name (14 bytes) a name of the race that no city uses, ignoring case. After 1,000 tries
// without one, "<race name> <n>" with the smallest unused n.
void Random_City_Name_By_Race(int16_t race, char *name);
