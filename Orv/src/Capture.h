// Capture of a rectangle of the draw page into a picture.
#pragma once

#include <cstdint>

// Makes in picture a bitmap of |x2 - x1 + 1| by |y2 - y1 + 1| pixels from the off-screen page.
void Screen_Picture_Capture(int16_t x1, int16_t y1, int16_t x2, int16_t y2, uint8_t *picture);
// Copies the current page's rectangle column by column, each column top to bottom, into pixels.
void Capture_Screen_Block(uint8_t *pixels, int16_t x1, int16_t y1, int16_t x2, int16_t y2);
