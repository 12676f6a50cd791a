// Spells and events that change single squares: new terrain with its edge tiles re-fitted, volcano
// counts, minerals.
#pragma once

#include <cstdint>

constexpr int TERRTYPE_RECORDS = 5;
constexpr int TERRTYPE_RECORD_SIZE = 512;
constexpr int TERRTYPE_ENTRIES = TERRTYPE_RECORDS * TERRTYPE_RECORD_SIZE / 2;  // 1,280 i16

void Set_Terrain_Type_Volcano_With_Owner(int16_t wx, int16_t wy, int16_t wp, int16_t owner_idx);
void Set_Terrain_Type_Grasslands(int16_t wx, int16_t wy, int16_t wp);
void Set_Terrain_Type_Forest(int16_t wx, int16_t wy, int16_t wp);
void Set_Terrain_Type_Mountain(int16_t wx, int16_t wy, int16_t wp);
void Set_Terrain_Type_Hills(int16_t wx, int16_t wy, int16_t wp);
// One chance in five of a new mineral on the square.
void Generate_Ore(int16_t wx, int16_t wy, int16_t wp);
void Volcano_Counts(void);
// Loads the edge-tile table and re-fits the square and its eight neighbours.
void Adjust_Map_Flow(int16_t wx, int16_t wy, int16_t wp);
void Adjacent_Flow(int16_t wx, int16_t wy, int16_t wp);
// 1 water, 2 plain, 3 desert, 4 hills, 5 mountain, 0 node or volcano, 6 tundra; 0 off the map.
int16_t Get_Rough_Type(int16_t wx, int16_t wy, int16_t wp);
void Replace_Minerals(int16_t wx, int16_t wy, int16_t wp, int16_t mineral);
void Clear_Terrain_Specials(int16_t wx, int16_t wy, int16_t wp);
// The mineral events of the turn never happen: both return -1 and change nothing.
int16_t Depletion_Event(int16_t player_idx);
int16_t New_Mineral_Event(int16_t player_idx);

// The edge-tile table in use (TERRTYPE entry 0, values out of their class replaced by the plain tile).
const int16_t *Terrain_Edge_Table(void);
