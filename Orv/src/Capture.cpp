#include "Capture.h"

#include <cstdlib>

#include "Pictures.h"
#include "Video.h"

void Screen_Picture_Capture(int16_t x1, int16_t y1, int16_t x2, int16_t y2, uint8_t *picture)
{
    Set_Page_Off();
    int16_t width = (int16_t)abs(x2 - x1 + 1);
    int16_t height = (int16_t)abs(y2 - y1 + 1);
    Create_Picture(width, height, picture);
    Capture_Screen_Block(picture + 16, x1, y1, x2, y2);
}

void Capture_Screen_Block(uint8_t *pixels, int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    // Rows and columns outside the page give 0 rather than reading past it.
    size_t at = 0;
    for (int x = x1; x <= x2; ++x)
        for (int y = y1; y <= y2; ++y) {
            bool inside = x >= 0 && x < SCREEN_WIDTH && y >= 0 && y < SCREEN_HEIGHT;
            pixels[at++] = inside ? current_video_page[y * SCREEN_WIDTH + x] : 0;
        }
}
