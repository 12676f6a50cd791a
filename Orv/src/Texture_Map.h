// Whole-degree trigonometry in fixed point and the texture mapper that draws a bitmap
// rotated about its centre onto the page.
#pragma once

#include <cstdint>

extern const uint8_t Tangents_0_44[45];
extern const uint16_t Tangents_45_89[45];
extern const uint16_t angle_to_sin[90];
extern const uint16_t angle_to_cos[90];

int16_t Get_Base_Angle(uint16_t n, uint16_t d);
int16_t Get_Angle(int16_t dx, int16_t dy);
int16_t Sin(int16_t angle, int16_t value);
int16_t Cos(int16_t angle, int16_t value);
void Draw_Bitmap_Rotated(int16_t x, int16_t y, int16_t angle, uint8_t *bitmap);
// Maps the bitmap onto the quadrilateral whose corners receive bitmap corners (0, 0),
// (W - 1, 0), (W - 1, H - 1) and (0, H - 1), clipped to the window.
void Draw_Bitmap_Animation_Block(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t x3, int16_t y3, int16_t x4,
                                 int16_t y4, uint8_t *bitmap, int16_t height, int16_t width);
