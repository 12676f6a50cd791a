// The reduced map (one pixel per square, with the map window's corner brackets or a blinking
// mark), the placing of the map window around a square, and the cartographer's plane picture.
#pragma once

#include <cstdint>

// Enough for the main screen's 58 x 30 and the list screens' 49 x 33 pictures.
constexpr int REDUCED_MAP_PICTURE_BYTES = 303 * 16;
constexpr int CARTOGRAPH_WIDTH = 240;
constexpr int CARTOGRAPH_HEIGHT = 160;
// Colour table, then the picture.
constexpr int CARTOGRAPH_BUFFER_BYTES = 256 + 16 + CARTOGRAPH_WIDTH * CARTOGRAPH_HEIGHT;

extern uint8_t *_reduced_map_seg;
extern int16_t reduced_map_x;
extern int16_t reduced_map_y;
extern int16_t reduced_map_mark_cycle;
extern const uint8_t COL_MinimapBanners[6];
constexpr uint8_t COL_MinimapNeutral = 50;

void Reduced_Map_Coords(int16_t *x, int16_t *y, int16_t cx, int16_t cy, int16_t w, int16_t h);
void Create_Reduced_Map_Picture(int16_t left, int16_t top, int16_t plane, uint8_t *picture, int16_t w, int16_t h,
                                int16_t mark_x, int16_t mark_y, int16_t mark_on);
void Draw_World_Window(int16_t x, int16_t y, int16_t w, int16_t h);
void List_Screen_Draw_Reduced_Map(int16_t x, int16_t y, int16_t w, int16_t h, int16_t plane, int16_t cx, int16_t cy);

void Center_Map(int16_t *wx, int16_t *wy, int16_t x, int16_t y, int16_t plane);
void City_Center_Map(int16_t *wx, int16_t *wy, int16_t x, int16_t y, int16_t plane);
void Clamp_Map_Window_Position(void);

// buffer: CARTOGRAPH_BUFFER_BYTES.
void Cartograph_Screen_Draw_Map_Terrain(int16_t plane, uint8_t *buffer);

int16_t IsPassableTower(int16_t x, int16_t y);
int16_t Square_Is_Sailable__NIU(int16_t x, int16_t y, int16_t plane);
