// Drawing primitives on the current page (pixel x, y at y x 320 + x): the clip window,
// filled and tinted rectangles, dots, single- and multi-coloured lines, and the dither scrambler.
#pragma once

#include <cstdint>

extern int16_t screen_window_x1;
extern int16_t screen_window_y1;
extern int16_t screen_window_x2;
extern int16_t screen_window_y2;

void Set_Window(int16_t x1, int16_t y1, int16_t x2, int16_t y2);
void Reset_Window(void);
void Fill(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t color);
void Clipped_Fill(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t color);
void Dot(int16_t x, int16_t y, int16_t color);
void Line(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t color);
void Clipped_Line(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t color);
void Multi_Colored_Line(int16_t x1, int16_t y1, int16_t x2, int16_t y2, const uint8_t *colors, int16_t count,
                        int16_t start);
void Clipped_Multi_Colored_Line(int16_t x1, int16_t y1, int16_t x2, int16_t y2, const uint8_t *colors, int16_t count,
                                int16_t start);
void Tint_Fill(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t table);
void Gradient_Fill(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t type, int16_t table);
uint16_t Dither_Scramble_Seed(uint16_t seed);
