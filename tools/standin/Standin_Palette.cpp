#include "Standin.h"

// Colours 0-15 greys, 16-231 a 6 x 6 x 6 cube, 232-255 a second grey ramp; the variant tints
// the cube so that palettes can be told apart on screen.
Bytes Standin_Palette(int variant)
{
    Bytes out(5472, 0);
    for (int i = 0; i < 256; ++i) {
        int r, g, b;
        if (i < 16) {
            r = g = b = i * 63 / 15;
        } else if (i < 232) {
            int c = i - 16;
            r = (c / 36) * 63 / 5;
            g = ((c / 6) % 6) * 63 / 5;
            b = (c % 6) * 63 / 5;
            r = (r + variant * 5) % 64;
        } else {
            r = g = b = (i - 232) * 63 / 23;
        }
        out[(size_t)i * 3 + 0] = (uint8_t)r;
        out[(size_t)i * 3 + 1] = (uint8_t)g;
        out[(size_t)i * 3 + 2] = (uint8_t)b;
    }
    // 16 font colour sets of 16 indices: set s runs through the cube's column s.
    for (int s = 0; s < 16; ++s)
        for (int k = 0; k < 16; ++k)
            out[768 + (size_t)s * 16 + k] = (uint8_t)(k == 0 ? 0 : 16 + ((s * 13 + k * 7) % 216));
    // Pointer image 1: a white arrow with a black edge; images 2-16 a small cross.
    for (int image = 0; image < 16; ++image) {
        uint8_t *p = out.data() + 1280 + (size_t)image * 256;
        for (int x = 0; x < 16; ++x)
            for (int y = 0; y < 16; ++y) {
                uint8_t colour = 0;
                if (image == 0) {
                    if (x <= y && y < 12 && x < 8) colour = (x == 0 || x == y || y == 11) ? 1 : 15;
                } else if (x == 7 || y == 7) {
                    colour = 15;
                }
                p[x * 16 + y] = colour;
            }
    }
    // 24 remap recipes (entry 0 unused): darkening shades and a few tints.
    for (int t = 1; t < 24; ++t) {
        uint8_t *recipe = out.data() + 5376 + (size_t)t * 4;
        recipe[0] = (uint8_t)((t * 11) % 64);
        recipe[1] = (uint8_t)((t * 23) % 64);
        recipe[2] = (uint8_t)((t * 37) % 64);
        recipe[3] = (uint8_t)(20 + (t * 3) % 61);
    }
    return out;
}
