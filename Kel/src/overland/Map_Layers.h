// The ten layers of the overland map, each painted over a block of w by h squares whose top-left
// world square (wx, wy) is drawn at pixel (sx, sy): square (c, r) at (sx + 20c, sy + 18r), world
// square ((wx + c) mod 60, wy + r).
#pragma once

#include <cstdint>

constexpr int TERRAIN_PICTURES_PER_PLANE = 762;
constexpr int TERRAIN_PICTURE_NUMBERS = 2 * TERRAIN_PICTURES_PER_PLANE;

// Five colours for each banner 0..6, replacing a city picture's colours 214..218.
extern const uint8_t COL_City_Banner[35];
extern int8_t m_node_warp_shear_array[20];
extern uint32_t warp_node_seed_save;

void Draw_Map_Terrain(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane);
void Draw_Map_Minerals(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane);
void Draw_Map_Biota(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane);
void Draw_Map_Roads(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane);
void Draw_Map_Cities(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane);
void Draw_Map_Towers(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane);
void Draw_Map_Lairs(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane);
void Draw_Map_Units(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy);
void Draw_Map_Nodes(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane);
void Draw_Map_Unexplored_Area(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane);

// The cities layer clipped to the main map window whatever the screen.
void Draw_Map_Cities_In_Map_Window(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane);
// Paints unexplored squares black and partly explored ones' edges again, over whatever was drawn
// after the map.
void Redraw_Map_Unexplored_Area(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane);

// The 20 x 18 terrain picture of a square (the animation frame added), or nullptr when the square,
// its terrain index or the picture's place in TERRAIN.LBX is out of range: such a square is refused.
uint8_t *Terrain_Square_Picture(int16_t wx, int16_t wy, int16_t plane);
// The terrain picture of a picture number (terrain index + 762 x plane) at an animation frame,
// or nullptr when its place in TERRAIN.LBX is out of range.
uint8_t *Terrain_Number_Picture(uint32_t number, int16_t animation_frame);
// The reduced-map colour of a square's terrain; -1 when the square or its terrain is out of range.
int16_t Terrain_Square_Reduced_Map_Colour(int16_t wx, int16_t wy, int16_t plane);
// The reduced-map colours of the explored squares of world row wy from column left on, w of
// them, into pixels[0], pixels[step], ...; unexplored squares and those out of range are left.
void Terrain_Reduced_Map_Row(int16_t left, int16_t wy, int16_t plane, int16_t w, uint8_t *pixels, int step);
// Forgets which refused-squares reports were made (tests start from a fresh run's state).
void Map_Layers_Reset_Refused_Latches(void);
