#include "Bitmap_Transforms.h"

#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "Fonts.h"
#include "GENDRAW.h"
#include "Palette.h"
#include "Pictures.h"
#include "STU_LE.h"

namespace {

int Width(const uint8_t *b) { return LE_U16(b + PICTURE_WIDTH); }
int Height(const uint8_t *b) { return LE_U16(b + PICTURE_HEIGHT); }
uint8_t *Pixels(uint8_t *b) { return b + PICTURE_BITMAP_HEADER; }
int Pixel_Count(const uint8_t *b) { return Width(b) * Height(b); }

// Thresholds 1..100 spread so that neighbouring entries differ widely.
constexpr std::array<uint8_t, 256> Build_Thresholds()
{
    std::array<uint8_t, 256> t{};
    for (int i = 0; i < 256; ++i) t[(size_t)i] = (uint8_t)(1 + (i * 61 + (i >> 4) * 29 + (i >> 2) * 7) % 100);
    return t;
}
constexpr std::array<uint8_t, 256> THRESHOLDS = Build_Thresholds();

void Gray_Table(uint8_t base, int divisor, int direction)
{
    for (int i = 0; i < 256; ++i) {
        const uint8_t *c = current_palette + i * 3;
        int sum = (c[0] + c[0] / 2 + c[1] + c[1] / 2 + c[2]) & 0xFF;
        palette_intensity_remap_table[i] = (uint8_t)(base + direction * (sum / divisor));
    }
}

void Apply_Table_To_Shape(uint8_t *bitmap, const uint8_t *table)
{
    uint8_t *p = Pixels(bitmap);
    for (int i = 0, n = Pixel_Count(bitmap); i < n; ++i)
        if (p[i] != 0) p[i] = table[p[i]];
}

// Walks one line (a column or a row) painting background pixels that touch the shape.
void Outline_Line(uint8_t *first, int step, int count, uint8_t color, int no_glass)
{
    auto shape = [&](uint8_t v) { return v != 0 && v != color && (!no_glass || v < 224); };
    for (int i = 1; i < count; ++i) {
        uint8_t *previous = first + (i - 1) * step;
        uint8_t *current = first + i * step;
        bool prev_shape = shape(*previous), cur_shape = shape(*current);
        if (prev_shape && !cur_shape)
            *current = color;
        else if (!prev_shape && cur_shape)
            *previous = color;
    }
}

void Outline(uint8_t *bitmap, uint8_t color, int no_glass)
{
    int w = Width(bitmap), h = Height(bitmap);
    uint8_t *p = Pixels(bitmap);
    for (int x = 0; x < w; ++x) Outline_Line(p + x * h, 1, h, color, no_glass);
    for (int y = 0; y < h; ++y) Outline_Line(p + y, h, w, color, no_glass);
}

// Moves count pixels spaced step apart by n places (positive towards the end), clearing what
// is left behind; |n| above count clears the line and |n| equal to count leaves it.
void Shift_Line(uint8_t *first, int step, int count, int n)
{
    if (n == 0 || n == count || -n == count) return;
    if (n > count || -n > count) {
        for (int i = 0; i < count; ++i) first[i * step] = 0;
        return;
    }
    if (n > 0) {
        for (int i = count - 1; i >= n; --i) first[i * step] = first[(i - n) * step];
        for (int i = 0; i < n; ++i) first[i * step] = 0;
    } else {
        int m = -n;
        for (int i = 0; i + m < count; ++i) first[i * step] = first[(i + m) * step];
        for (int i = count - m; i < count; ++i) first[i * step] = 0;
    }
}

}  // namespace

const uint8_t m_dither_threshold_matrix[256] = {
#define T(i) THRESHOLDS[i]
#define T8(i) T(i), T(i + 1), T(i + 2), T(i + 3), T(i + 4), T(i + 5), T(i + 6), T(i + 7)
#define T64(i) T8(i), T8(i + 8), T8(i + 16), T8(i + 24), T8(i + 32), T8(i + 40), T8(i + 48), T8(i + 56)
    T64(0), T64(64), T64(128), T64(192)
#undef T64
#undef T8
#undef T
};
uint32_t m_vanish_state = 0xA2893;

// Screens recolour small pictures several times a frame; sixteen pixels a step, without a
// branch per pixel.
void Replace_Color(uint8_t *bitmap, uint8_t old_color, uint8_t new_color)
{
    uint8_t *p = Pixels(bitmap);
    int n = Pixel_Count(bitmap);
    int i = 0;
#if defined(__SSE2__)
    const __m128i from = _mm_set1_epi8((char)old_color);
    const __m128i to = _mm_set1_epi8((char)new_color);
    for (; i + 16 <= n; i += 16) {
        __m128i v = _mm_loadu_si128((const __m128i *)(p + i));
        __m128i hit = _mm_cmpeq_epi8(v, from);
        _mm_storeu_si128((__m128i *)(p + i), _mm_or_si128(_mm_andnot_si128(hit, v), _mm_and_si128(hit, to)));
    }
#endif
    for (; i < n; ++i) p[i] = p[i] == old_color ? new_color : p[i];
}

void Replace_Color_All(uint8_t *bitmap, uint8_t color)
{
    uint8_t *p = Pixels(bitmap);
    int n = Pixel_Count(bitmap);
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i to = _mm_set1_epi8((char)color);
    for (; i + 16 <= n; i += 16) {
        __m128i v = _mm_loadu_si128((const __m128i *)(p + i));
        __m128i clear = _mm_cmpeq_epi8(v, zero);
        _mm_storeu_si128((__m128i *)(p + i), _mm_andnot_si128(clear, to));
    }
#endif
    for (; i < n; ++i) p[i] = p[i] != 0 ? color : 0;
}

void Transparent_Color_Range(uint8_t *bitmap, uint8_t low, uint8_t high)
{
    uint8_t *p = Pixels(bitmap);
    for (int i = 0, n = Pixel_Count(bitmap); i < n; ++i)
        if (p[i] >= low && p[i] <= high) p[i] = 0;
}

void Gray_Scale_Bitmap(uint8_t *bitmap, uint8_t base)
{
    Gray_Table(base, 16, 1);
    Apply_Table_To_Shape(bitmap, palette_intensity_remap_table);
}

void Inverse_Gray_Scale_Bitmap(uint8_t *bitmap, uint8_t base)
{
    Gray_Table(base, 32, -1);
    Apply_Table_To_Shape(bitmap, palette_intensity_remap_table);
}

void Outline_Bitmap_Pixels(uint8_t *bitmap, uint8_t color) { Outline(bitmap, color, 0); }

void Outline_Bitmap_Pixels_No_Glass(uint8_t *bitmap, uint8_t color) { Outline(bitmap, color, 1); }

void Bitmap_Aura_Pixels(uint8_t *bitmap, uint8_t color, const uint8_t *colors8)
{
    uint8_t c = 0, k = 0;
    uint8_t *p = Pixels(bitmap);
    for (int i = 0, n = Pixel_Count(bitmap); i < n; ++i) {
        if (p[i] == color) p[i] = colors8[k];
        k = (uint8_t)((k + c) % 8);
        c = (uint8_t)((c + 1) % 8);
    }
}

void Vanish_Bitmap(uint8_t *bitmap, int16_t percent)
{
    for (int step = 0; step < 9; ++step) {
        if (m_vanish_state == 0) m_vanish_state = 12478;
        uint32_t s = m_vanish_state;
        uint32_t bit = (s ^ (s >> 1) ^ (s >> 2) ^ (s >> 4) ^ (s >> 6) ^ (s >> 31)) & 1u;
        m_vanish_state = (s >> 1) | (bit << 31);
    }
    uint16_t seed = (uint16_t)(m_vanish_state & 0x3FF);
    while (seed >= 1000) seed = (uint16_t)(seed - 1000);
    int w = Width(bitmap), h = Height(bitmap);
    uint8_t *p = Pixels(bitmap);
    for (int x = 0; x < w; ++x) {
        seed = Dither_Scramble_Seed(seed);
        uint8_t j = (uint8_t)(seed >> 8);
        for (int y = 0; y < h; ++y, ++j)
            if (percent < m_dither_threshold_matrix[j]) p[x * h + y] = 0;
    }
}

void Flip_Bitmap(uint8_t *bitmap)
{
    int w = Width(bitmap), h = Height(bitmap);
    uint8_t *p = Pixels(bitmap);
    for (int i = 0; i < h; ++i) {
        uint8_t *a = p + i * w, *b = a + w - 1;
        while (a < b) {
            uint8_t t = *a;
            *a++ = *b;
            *b-- = t;
        }
    }
}

void Shear_Bitmap_Y(int16_t x1, int16_t shift1, int16_t x2, int16_t shift2, uint8_t *bitmap)
{
    int w = Width(bitmap), h = Height(bitmap);
    int a = x1, b = x2, sa = shift1, sb = shift2;
    if (a < 0) a = 0;
    if (b > w - 1) b = w - 1;
    if (b < a) {
        int t = a;
        a = b;
        b = t;
        t = sa;
        sa = sb;
        sb = t;
    }
    // Exchanged ends are cut to the bitmap again so that no column outside it is touched.
    if (a < 0) a = 0;
    if (b > w - 1) b = w - 1;
    int32_t slope = (a == b) ? 0 : (int32_t)(sb - sa) * 1000 / (b - a);
    int32_t acc = (int32_t)sa * 1000;
    uint8_t *p = Pixels(bitmap);
    for (int x = a; x <= b; ++x, acc += slope) {
        int n = acc / 1000;
        if (n >= h || -n >= h) {
            std::memset(p + x * h, 0, (size_t)h);
        } else {
            Shift_Line(p + x * h, 1, h, n);
        }
    }
}

void Shear_Array_Bitmap_Y(const int8_t *offsets, uint8_t *bitmap)
{
    int w = Width(bitmap), h = Height(bitmap);
    for (int x = 0; x < w; ++x) Shift_Line(Pixels(bitmap) + x * h, 1, h, offsets[x]);
}

void Shear_Array_Bitmap_X(const int8_t *offsets, uint8_t *bitmap)
{
    int w = Width(bitmap), h = Height(bitmap);
    for (int y = 0; y < h; ++y) Shift_Line(Pixels(bitmap) + y, h, w, offsets[y]);
}

void Scale_Bitmap(uint8_t *bitmap, int16_t x_percent, int16_t y_percent)
{
    int w = Width(bitmap), h = Height(bitmap);
    if (x_percent <= 0 || y_percent <= 0 || w * x_percent / 100 <= 0 || h * y_percent / 100 <= 0) {
        Create_Picture((int16_t)w, (int16_t)h, bitmap);
        return;
    }
    // One axis never shrinks while the other grows.
    if (x_percent < 100 && y_percent > 100) x_percent = 100;
    if (x_percent > 100 && y_percent < 100) y_percent = 100;
    if (x_percent > 100 || y_percent > 100) {
        Enlarge_Bitmap(bitmap, x_percent, y_percent);
    } else if (x_percent < 100 || y_percent < 100) {
        Reduce_Bitmap(bitmap, x_percent, y_percent);
    }
}

void Reduce_Bitmap(uint8_t *bitmap, int16_t x_percent, int16_t y_percent)
{
    int w = Width(bitmap), h = Height(bitmap);
    int nw = (uint16_t)(w * x_percent / 100), nh = (uint16_t)(h * y_percent / 100);
    if (x_percent <= 0 || y_percent <= 0 || nw > w || nh > h) return;
    int x_step = 25600 / x_percent, y_step = 25600 / y_percent;
    uint8_t *p = Pixels(bitmap);
    int out = 0, sx = 0, x_frac = 0;
    for (int c = 0; c < nw; ++c) {
        int sy = 0, y_frac = 0;
        for (int r = 0; r < nh; ++r) {
            int col = sx < w ? sx : w - 1, row = sy < h ? sy : h - 1;
            p[out++] = p[col * h + row];
            int a = y_frac + y_step;
            sy += a >> 8;
            y_frac = a & 255;
        }
        int a = x_frac + x_step;
        sx += a >> 8;
        x_frac = a & 255;
    }
    LE_Put_U16(bitmap + PICTURE_WIDTH, (uint16_t)nw);
    LE_Put_U16(bitmap + PICTURE_HEIGHT, (uint16_t)nh);
}

void Enlarge_Bitmap(uint8_t *bitmap, int16_t x_percent, int16_t y_percent)
{
    int w = Width(bitmap), h = Height(bitmap);
    int nw = (uint16_t)(w * x_percent / 100), nh = (uint16_t)(h * y_percent / 100);
    if (x_percent <= 0 || y_percent <= 0 || nw < w || nh < h || w == 0 || h == 0) return;
    int x_step = 25600 / x_percent, y_step = 25600 / y_percent;
    uint8_t *p = Pixels(bitmap);
    int sx = w - 1, x_frac = 0;
    for (int c = nw - 1; c >= 0; --c) {
        int sy = h - 1, y_frac = 0;
        for (int r = nh - 1; r >= 0; --r) {
            p[c * nh + r] = p[(sx > 0 ? sx : 0) * h + (sy > 0 ? sy : 0)];
            int a = y_frac + y_step;
            sy -= a >> 8;
            y_frac = a & 255;
        }
        int a = x_frac + x_step;
        sx -= a >> 8;
        x_frac = a & 255;
    }
    LE_Put_U16(bitmap + PICTURE_WIDTH, (uint16_t)nw);
    LE_Put_U16(bitmap + PICTURE_HEIGHT, (uint16_t)nh);
}
