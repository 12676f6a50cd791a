// Land and sea of a new plane: height walks, landmass numbers, base terrain, polar tundra, deserts
// and swamps, islands around lone nodes and towers, and the terrain queries used while generating.
#pragma once

#include <cstdint>

// Base terrain tiles written while the planes are made.
constexpr int16_t TT_OCEAN = 0;
constexpr int16_t TT_GRASSLAND = 162;
constexpr int16_t TT_FOREST = 163;
constexpr int16_t TT_MOUNTAIN = 164;
constexpr int16_t TT_DESERT = 165;
constexpr int16_t TT_SWAMP = 166;
constexpr int16_t TT_TUNDRA = 167;
constexpr int16_t TT_SORCERY_NODE = 168;
constexpr int16_t TT_NATURE_NODE = 169;
constexpr int16_t TT_CHAOS_NODE = 170;
constexpr int16_t TT_HILLS = 171;

// Squares of land that Generate_Landmasses raises per plane, by land size 0..2.
constexpr int16_t LANDSIZE_TARGETS[3] = {360, 480, 720};

// Landmass numbers are handed out from this counter for both planes of one generation.
extern int16_t m_landmasses_ctr;

// Direction pairs shared by the walks: 0 south, 1 west, 2 north, 3 east, 4 none.
extern const int8_t dir_chg_tbl_wx[5];
extern const int8_t dir_chg_tbl_wy[5];

void Init_Landmasses(int16_t plane);
void Generate_Landmasses(int16_t plane);
void Build_Landmass(int16_t plane, int16_t wx, int16_t wy);
void Translate_Heightmap_To_Base_Terrain_Types(int16_t plane);
void Add_Tundra(int16_t plane);
void Generate_Climate_Terrain_Types(int16_t plane);
void Extend_Islands(int16_t plane);

// Terrain queries of the generator: 1 when the square's class is in the set, else 0. Columns wrap;
// a row off the map answers 0.
int16_t Square_Is_Ocean_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Forest_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Desert_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Mountain_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Hills_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_River_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Bad_River_Mouth(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Grassland_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Swamp_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_River_Mouth_NewGame(int16_t wx, int16_t wy, int16_t wp);
int16_t Square_Is_Shore_NewGame(int16_t wx, int16_t wy, int16_t wp);
