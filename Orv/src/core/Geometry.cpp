#include "Geometry.h"

#include <cstdlib>

int16_t Range(int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    int dx = abs(x2 - x1);
    int dy = abs(y2 - y1);
    int longer = dx > dy ? dx : dy;
    int shorter = dx > dy ? dy : dx;
    return (int16_t)(longer + shorter / 2);
}

int16_t Delta_XY_With_Wrap(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t width)
{
    int direct = abs(x2 - x1);
    int across = (x2 < x1) ? abs(x2 - x1 + width) : abs(x2 - x1 - width);
    int dx = direct < across ? direct : across;
    int dy = abs(y2 - y1);
    return (int16_t)(dx > dy ? dx : dy);
}

int16_t Path_Wrap(int16_t x1, int16_t y1, int16_t x2, int16_t y2, uint8_t *xs, uint8_t *ys, int16_t room, int16_t width)
{
    int tx = x2;
    if (abs(width + x1 - tx) < abs(tx - x1)) tx -= width;
    if (abs(width + tx - x1) < abs(tx - x1)) tx += width;
    int dx = tx - x1;
    int dy = y2 - y1;
    int sx = (dx > 0) - (dx < 0);
    int sy = (dy > 0) - (dy < 0);
    int adx = abs(dx);
    int ady = abs(dy);
    int steps = adx > ady ? adx : ady;
    int shorter = adx > ady ? ady : adx;
    // Squares off the map (a damaged saved game) make lines longer than any caller keeps.
    int kept = steps < room ? steps : (room > 0 ? room : 0);
    uint32_t increment = steps > 0 ? (uint32_t)shorter * 65536u / (uint32_t)steps : 0;
    uint32_t fraction = 0x8000;
    int x = x1;
    int y = y1;
    for (int i = 0; i < kept; ++i) {
        if (adx == ady) {
            x += sx;
            y += sy;
        } else {
            uint32_t sum = fraction + increment;
            bool carry = sum > 0xFFFF;
            fraction = sum & 0xFFFF;
            if (adx > ady) {
                x += sx;
                if (carry) y += sy;
            } else {
                y += sy;
                if (carry) x += sx;
            }
        }
        int wx = x;
        if (wx < 0)
            wx += width;
        else if (wx >= width)
            wx -= width;
        xs[i] = (uint8_t)wx;
        ys[i] = (uint8_t)y;
    }
    return (int16_t)kept;
}
