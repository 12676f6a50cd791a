// The wizards' fortresses and capitals of a new game, and the pieces that the neutral cities share
// with them: the new-game city area and food rating, unit creation and city names.
#pragma once

#include <cstdint>

constexpr int NEWGAME_CITY_AREA_SQUARES = 21;
constexpr int FORTRESS_SITE_TRIES = 1000;
constexpr int FORTRESS_POOR_SITES = 500;
// Placement passes relax the spacing down to 10 and 1; a land too small for six fortresses even
// then gets the remaining ones on any land square after this many passes.
constexpr int FORTRESS_PLACEMENT_PASSES = 64;
constexpr int CAPITAL_RACE_REDRAWS = 100;

void Generate_Home_Cities(void);

// Sum of the food ratings (in halves) over the city area, halved.
int16_t City_Maximum_Size_NewGame(int16_t wx, int16_t wy, int16_t wp);
// The 5 x 5 block without its corners, rows off the map left out, columns wrapped; returns the count.
int16_t Get_Useable_City_Area_NewGame(int16_t wx, int16_t wy, int16_t wp, int16_t *xs, int16_t *ys);
int16_t Square_Food2_NewGame(int16_t wx, int16_t wy, int16_t wp);

// Names the city from CITYNAME entry 0, at most 13 characters and a NUL.
void Random_City_Name_By_Race_NewGame(int16_t race, int16_t city_idx);
// Appends a unit; a type of 0 makes none. city_idx -1 for none.
void Create_Unit_NewGame(int16_t unit_type, int16_t owner_idx, int16_t wx, int16_t wy, int16_t wp, int16_t city_idx);

// A race's first two foot units; Spearmen is 0 for the Dwarven race, which has none.
int16_t Race_Spearmen_Type_NewGame(int16_t race);
int16_t Race_Swordsmen_Type_NewGame(int16_t race);
