// Icon rows and building pictures shared by the city screen, the unit view and the production
// item pictures: an amount as icons of ten and of one, and a building's picture with the
// bounding box of its frames.
#pragma once

#include <cstdint>

// Draws count as pictures of ten and of one starting at *x on row y, spaced so that total icons
// would fit; advances *x past what was drawn and returns it.
int16_t Draw_Resource_Icons(int16_t *x, int16_t y, int16_t total, int16_t count, uint8_t *ten, uint8_t *one);

// Draws the picture of building bldg_idx of city city_idx into bitmap and gives the largest
// bounding box of its non-zero pixels over all frames. The bitmap ends on the frame that was
// current, and the animation one frame on. A building without a picture gives an empty box and
// leaves the bitmap alone.
void Draw_Building_Picture_To_Bitmap(int16_t city_idx, int16_t bldg_idx, int16_t *x, int16_t *y, int16_t *width,
                                     int16_t *height, uint8_t *bitmap);
