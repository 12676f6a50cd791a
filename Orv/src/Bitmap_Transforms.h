// In-place pixel operations on bitmaps: recolour, grey, outline, aura, dissolve, flip, shear
// and scale. None allocates; an operation that changes the size rewrites the header and the
// pixels in the same buffer, which must be large enough for the result.
#pragma once

#include <cstdint>

extern const uint8_t m_dither_threshold_matrix[256];
extern uint32_t m_vanish_state;  // the dissolve's own generator, 0xA2893 at program load

void Replace_Color(uint8_t *bitmap, uint8_t old_color, uint8_t new_color);
void Replace_Color_All(uint8_t *bitmap, uint8_t color);
void Transparent_Color_Range(uint8_t *bitmap, uint8_t low, uint8_t high);
void Gray_Scale_Bitmap(uint8_t *bitmap, uint8_t base);
void Inverse_Gray_Scale_Bitmap(uint8_t *bitmap, uint8_t base);
void Outline_Bitmap_Pixels(uint8_t *bitmap, uint8_t color);
void Outline_Bitmap_Pixels_No_Glass(uint8_t *bitmap, uint8_t color);
void Bitmap_Aura_Pixels(uint8_t *bitmap, uint8_t color, const uint8_t *colors8);
void Vanish_Bitmap(uint8_t *bitmap, int16_t percent);
void Flip_Bitmap(uint8_t *bitmap);
void Shear_Bitmap_Y(int16_t x1, int16_t shift1, int16_t x2, int16_t shift2, uint8_t *bitmap);
void Shear_Array_Bitmap_Y(const int8_t *offsets, uint8_t *bitmap);
void Shear_Array_Bitmap_X(const int8_t *offsets, uint8_t *bitmap);
void Scale_Bitmap(uint8_t *bitmap, int16_t x_percent, int16_t y_percent);
void Enlarge_Bitmap(uint8_t *bitmap, int16_t x_percent, int16_t y_percent);
void Reduce_Bitmap(uint8_t *bitmap, int16_t x_percent, int16_t y_percent);
