#include "Texture_Map.h"

#include <cstdlib>

#include "GENDRAW.h"
#include "Palette.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Video.h"

// tan k x 256, sin k x 65,536 and cos (k + 1) x 65,536, each truncated.
const uint8_t Tangents_0_44[45] = {
    0,   4,   8,   13,  17,  22,  26,  31,  35,  40,  45,  49,  54,  59,  63,  68,  73,  78,  83,  88,  93,  98,  103,
    108, 113, 119, 124, 130, 136, 141, 147, 153, 159, 166, 172, 179, 185, 192, 200, 207, 214, 222, 230, 238, 247,
};
const uint16_t Tangents_45_89[45] = {
    256, 265,  274,  284,  294,  305,  316,  327,  339,  352,  365,  379,  394,  409,  426,
    443, 461,  481,  502,  524,  548,  574,  603,  633,  666,  703,  743,  787,  837,  892,
    955, 1026, 1108, 1204, 1317, 1451, 1616, 1821, 2085, 2435, 2926, 3661, 4885, 7331, 14669,
};
const uint16_t angle_to_sin[90] = {
    0,     1143,  2287,  3429,  4571,  5711,  6850,  7986,  9120,  10252, 11380, 12504, 13625, 14742, 15854,
    16961, 18064, 19160, 20251, 21336, 22414, 23486, 24550, 25606, 26655, 27696, 28729, 29752, 30767, 31772,
    32768, 33753, 34728, 35693, 36647, 37589, 38521, 39440, 40347, 41243, 42125, 42995, 43852, 44695, 45525,
    46340, 47142, 47929, 48702, 49460, 50203, 50931, 51643, 52339, 53019, 53683, 54331, 54963, 55577, 56175,
    56755, 57319, 57864, 58393, 58903, 59395, 59870, 60326, 60763, 61183, 61583, 61965, 62328, 62672, 62997,
    63302, 63589, 63856, 64103, 64331, 64540, 64729, 64898, 65047, 65176, 65286, 65376, 65446, 65496, 65526,
};
const uint16_t angle_to_cos[90] = {
    65526, 65496, 65446, 65376, 65286, 65176, 65047, 64898, 64729, 64540, 64331, 64103, 63856, 63589, 63302,
    62997, 62672, 62328, 61965, 61583, 61183, 60763, 60326, 59870, 59395, 58903, 58393, 57864, 57319, 56755,
    56175, 55577, 54963, 54331, 53683, 53019, 52339, 51643, 50931, 50203, 49460, 48702, 47929, 47142, 46340,
    45525, 44695, 43852, 42995, 42125, 41243, 40347, 39440, 38521, 37589, 36647, 35693, 34728, 33753, 32768,
    31772, 30767, 29752, 28729, 27696, 26655, 25606, 24550, 23486, 22414, 21336, 20251, 19160, 18064, 16961,
    15854, 14742, 13625, 12504, 11380, 10252, 9120,  7986,  6850,  5711,  4571,  3429,  2287,  1143,  0,
};

namespace {

// The largest k in [from, to] whose entry does not exceed t (from when none does).
template <typename T> int Largest_Not_Above(const T *table, int from, int to, uint32_t t)
{
    int k = from;
    for (int i = from; i <= to; ++i)
        if (table[i] <= t) k = i;
    return k;
}

int Fold(int angle)
{
    if (angle <= 90) return angle;
    if (angle <= 180) return 180 - angle;
    if (angle <= 270) return angle - 180;
    return 360 - angle;
}

int16_t Scale_Magnitude(int value, uint32_t factor)
{
    int64_t magnitude = value < 0 ? -(int64_t)value : value;
    int64_t scaled = magnitude * factor / 65536;
    return (int16_t)(value < 0 ? -scaled : scaled);
}

}  // namespace

int16_t Get_Base_Angle(uint16_t n, uint16_t d)
{
    if (d == 0) return 90;
    uint32_t t = (uint32_t)n * 256u / d;
    if (t < 256) {
        // The two searches end one short of their tables' last entries: faithful quirks.
        if (t <= 102) return (int16_t)Largest_Not_Above(Tangents_0_44, 0, 21, t);
        int k = Largest_Not_Above(Tangents_0_44, 22, 44, t);
        return (int16_t)(k == 44 ? 43 : k);
    }
    if (t < 603) return (int16_t)(45 + Largest_Not_Above(Tangents_45_89, 0, 21, t));
    int k = Largest_Not_Above(Tangents_45_89, 22, 44, t);
    return (int16_t)(k == 44 ? 90 : 45 + k);
}

int16_t Get_Angle(int16_t dx, int16_t dy)
{
    uint16_t ady = (uint16_t)std::abs((int)dy);
    uint16_t adx = (uint16_t)std::abs((int)dx);
    int a = Get_Base_Angle(ady, adx);
    if (dx >= 0) return (int16_t)(dy >= 0 ? a : 360 - a);
    return (int16_t)(dy >= 0 ? 180 - a : 180 + a);
}

int16_t Cos(int16_t angle, int16_t value)
{
    int e = Fold(angle);
    int result = value;
    if (e > 0 && e <= 90) result = Scale_Magnitude(value, angle_to_cos[e - 1]);
    return (int16_t)((angle >= 91 && angle <= 270) ? -result : result);
}

int16_t Sin(int16_t angle, int16_t value)
{
    int f = Fold(angle);
    int result = value;
    if (f != 90 && f >= 0 && f < 90) result = Scale_Magnitude(value, angle_to_sin[f]);
    return (int16_t)(angle >= 181 ? -result : result);
}

void Draw_Bitmap_Rotated(int16_t x, int16_t y, int16_t angle, uint8_t *bitmap)
{
    int w = LE_U16(bitmap + PICTURE_WIDTH);
    int h = LE_U16(bitmap + PICTURE_HEIGHT);
    int cx = x + w / 2, cy = y + h / 2;
    const int corners[4][2] = {{x, y}, {x + w - 1, y}, {x + w - 1, y + h - 1}, {x, y + h - 1}};
    int16_t out[4][2];
    for (int i = 0; i < 4; ++i) {
        int dx = corners[i][0] - cx, dy = corners[i][1] - cy;
        // 12/10 and 22/25 allow for the page's non-square pixels.
        out[i][0] = (int16_t)(cx + Cos(angle, (int16_t)dx) - Sin(angle, (int16_t)(dy * 12)) / 10);
        out[i][1] = (int16_t)(cy + Cos(angle, (int16_t)dy) + Sin(angle, (int16_t)(dx * 22)) / 25);
    }
    Draw_Bitmap_Animation_Block(out[0][0], out[0][1], out[1][0], out[1][1], out[2][0], out[2][1], out[3][0], out[3][1],
                                bitmap, (int16_t)h, (int16_t)w);
}

void Draw_Bitmap_Animation_Block(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t x3, int16_t y3, int16_t x4,
                                 int16_t y4, uint8_t *bitmap, int16_t height, int16_t width)
{
    if (width <= 0 || height <= 0) return;
    int min_x = x1, max_x = x1, min_y = y1, max_y = y1;
    const int xs[3] = {x2, x3, x4}, ys[3] = {y2, y3, y4};
    for (int i = 0; i < 3; ++i) {
        if (xs[i] < min_x) min_x = xs[i];
        if (xs[i] > max_x) max_x = xs[i];
        if (ys[i] < min_y) min_y = ys[i];
        if (ys[i] > max_y) max_y = ys[i];
    }
    if (max_x < screen_window_x1 || min_x > screen_window_x2 || max_y < screen_window_y1 || min_y > screen_window_y2)
        return;
    if (min_x < screen_window_x1) min_x = screen_window_x1;
    if (max_x > screen_window_x2) max_x = screen_window_x2;
    if (min_y < screen_window_y1) min_y = screen_window_y1;
    if (max_y > screen_window_y2) max_y = screen_window_y2;
    if (min_x < 0) min_x = 0;
    if (min_y < 0) min_y = 0;
    if (max_x > SCREEN_WIDTH - 1) max_x = SCREEN_WIDTH - 1;
    if (max_y > SCREEN_HEIGHT - 1) max_y = SCREEN_HEIGHT - 1;

    // The inverse of the affine map whose axes run from corner 1 to corners 2 and 4.
    int64_t ax = x2 - x1, ay = y2 - y1, bx = x4 - x1, by = y4 - y1;
    int64_t det = ax * by - ay * bx;
    int64_t wm = width > 1 ? width - 1 : 0, hm = height > 1 ? height - 1 : 0;
    const uint8_t *pixels = bitmap + PICTURE_BITMAP_HEADER;
    int remap = LE_U16(bitmap + PICTURE_REMAP_WORD) != 0;
    for (int px = min_x; px <= max_x; ++px) {
        for (int py = min_y; py <= max_y; ++py) {
            int64_t rx = px - x1, ry = py - y1;
            int64_t u, v;
            if (det == 0) {
                // A quadrilateral squeezed to a line or a point: the nearest bitmap pixel on it.
                if (rx != 0 || ry != 0) continue;
                u = 0;
                v = 0;
            } else {
                int64_t un = (rx * by - ry * bx) * wm, vn = (ax * ry - ay * rx) * hm, d = det;
                if (d < 0) {
                    un = -un;
                    vn = -vn;
                    d = -d;
                }
                if (un < -d / 2 || vn < -d / 2) continue;
                u = (2 * un + d) / (2 * d);
                v = (2 * vn + d) / (2 * d);
            }
            if (u < 0 || v < 0 || u > wm || v > hm) continue;
            uint8_t value = pixels[u * height + v];
            if (value == 0) continue;
            uint8_t *at = current_video_page + py * SCREEN_WIDTH + px;
            *at = (remap && value >= FRAME_REMAP_FIRST) ? remap_color_palettes[value - FRAME_REMAP_FIRST][*at] : value;
        }
    }
}
