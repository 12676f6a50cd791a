#include "Standin.h"

// Colours 0-15 greys, 16-231 a 6 x 6 x 6 cube, 232-255 a second grey ramp; the variant tints
// the cube toward red so that palettes can be told apart on screen. The font colour sets are
// light colours of the cube, for text on the dark surfaces of the stand-in pictures.
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
            r = r + (63 - r) * variant / 20;
        } else {
            r = g = b = (i - 232) * 63 / 23;
        }
        out[(size_t)i * 3 + 0] = (uint8_t)r;
        out[(size_t)i * 3 + 1] = (uint8_t)g;
        out[(size_t)i * 3 + 2] = (uint8_t)b;
    }
    // 16 font colour sets of 16 indices: set s is one light colour of the cube (levels 0-5 of red,
    // green and blue, each at least 2 and together at least 12), colour 0 black.
    static const int light[16][3] = {{5, 5, 5}, {5, 5, 3}, {3, 5, 5}, {5, 4, 4}, {4, 5, 4}, {4, 4, 5},
                                     {5, 5, 4}, {5, 4, 5}, {4, 5, 5}, {5, 5, 2}, {2, 5, 5}, {5, 3, 5},
                                     {3, 5, 3}, {5, 4, 3}, {3, 4, 5}, {4, 4, 4}};
    for (int s = 0; s < 16; ++s)
        for (int k = 0; k < 16; ++k)
            out[768 + (size_t)s * 16 + k] =
                (uint8_t)(k == 0 ? 0 : 16 + 36 * light[s][0] + 6 * light[s][1] + light[s][2]);
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
