// The neutral cities of a new world: up to fifteen a plane, with buildings and garrisons that grow
// with their population.
#pragma once

#include <cstdint>

constexpr int NEUTRAL_CITIES_PER_PLANE = 15;
constexpr int NEUTRAL_CITY_SITE_TRIES = 1000;
constexpr int NUM_LANDMASS_RACES = 200;  // landmass numbers 1..199 have a default race
constexpr int NEUTRAL_GARRISON_MAX = 9;

// Race of each landmass number, rebuilt for each plane by Generate_Neutral_Cities.
extern int16_t m_landmasses_default_race[NUM_LANDMASS_RACES];

void Generate_Neutral_Cities(int16_t wp);

// The buildings of a fresh neutral city of this race and population: set by population, then
// those the race cannot build and those whose required buildings are missing are taken away, and
// replaced buildings get status 0. Statuses are written into the city record.
void Neutral_City_Buildings(int16_t city_idx);
// The unit types of a neutral garrison (0 when none fits): melee when ranged is 0, ranged when 1.
int16_t Neutral_Garrison_Type(int16_t city_idx, int16_t ranged);
