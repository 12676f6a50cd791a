#include "GENDRAW.h"

#include <cstdlib>
#include <cstring>

#include "Palette.h"
#include "Video.h"

int16_t screen_window_x1 = 0;
int16_t screen_window_y1 = 0;
int16_t screen_window_x2 = SCREEN_WIDTH - 1;
int16_t screen_window_y2 = SCREEN_HEIGHT - 1;

namespace {

struct Rect {
    int x1, y1, x2, y2;
};

// Even the operations that honour no clip window stay on the 64,000-byte page.
bool Clamp_To_Area(Rect &r, int left, int top, int right, int bottom)
{
    if (r.x1 > r.x2 || r.y1 > r.y2) {
        return false;
    }
    if (r.x2 < left || r.x1 > right || r.y2 < top || r.y1 > bottom) {
        return false;
    }
    r.x1 = r.x1 < left ? left : r.x1;
    r.y1 = r.y1 < top ? top : r.y1;
    r.x2 = r.x2 > right ? right : r.x2;
    r.y2 = r.y2 > bottom ? bottom : r.y2;
    return true;
}

bool Clamp_To_Page(Rect &r) { return Clamp_To_Area(r, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1); }

void Fill_Rect(const Rect &r, uint8_t color)
{
    for (int y = r.y1; y <= r.y2; ++y) {
        std::memset(current_video_page + y * SCREEN_WIDTH + r.x1, color, (size_t)(r.x2 - r.x1 + 1));
    }
}

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

// Walks the line pixel by pixel in the engine's 8.8 fixed-point manner and hands each pixel,
// numbered from 0 after the endpoint swap, to the plotter. Clipped drawers plot only inside
// the window, so they keep exactly the pixels and pattern phase of the unclipped line.
template <typename Plot> void Walk_Line(int x1, int y1, int x2, int y2, Plot plot)
{
    if (x1 > x2) {
        int t = x1;
        x1 = x2;
        x2 = t;
        t = y1;
        y1 = y2;
        y2 = t;
    }
    int dx = x2 - x1;
    int ady = std::abs(y2 - y1);
    int y_dir = y2 < y1 ? -1 : 1;
    int count;
    int x_step_fraction = 0;
    int y_step_fraction = 0;
    int x_whole = 0;
    int y_whole = 0;
    if (dx < ady) {
        count = ady + 1;
        y_whole = 1;
        x_step_fraction = dx * 256 / ady;
    } else {
        count = dx + 1;
        x_whole = 1;
        y_step_fraction = dx == 0 ? 0 : ady * 256 / dx;
    }
    int x = x1;
    int y = y1;
    int x_accumulator = 128;
    int y_accumulator = 128;
    for (int k = 0; k < count; ++k) {
        plot(x, y, k);
        x += x_whole;
        y += y_whole * y_dir;
        x_accumulator += x_step_fraction;
        y_accumulator += y_step_fraction;
        if (x_accumulator >= 256) {
            x += 1;
            x_accumulator &= 0xFF;
        }
        if (y_accumulator >= 256) {
            y += y_dir;
            y_accumulator &= 0xFF;
        }
    }
}

void Put_Pixel_In(int x, int y, uint8_t color, int left, int top, int right, int bottom)
{
    if (x >= left && x <= right && y >= top && y <= bottom) {
        current_video_page[y * SCREEN_WIDTH + x] = color;
    }
}

bool Line_Misses_Window(int x1, int y1, int x2, int y2)
{
    return (x1 < screen_window_x1 && x2 < screen_window_x1) || (x1 > screen_window_x2 && x2 > screen_window_x2) ||
           (y1 < screen_window_y1 && y2 < screen_window_y1) || (y1 > screen_window_y2 && y2 > screen_window_y2);
}

void Pattern_Line(int x1, int y1, int x2, int y2, const uint8_t *colors, int count, int start, int left, int top,
                  int right, int bottom)
{
    if (colors == nullptr || count <= 0) {
        return;
    }
    int phase = ((start % count) + count) % count;
    Walk_Line(x1, y1, x2, y2, [&](int x, int y, int k) {
        uint8_t color = colors[(phase + k) % count];
        if (color != 0) {
            Put_Pixel_In(x, y, color, left, top, right, bottom);
        }
    });
}

}  // namespace

void Set_Window(int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    // Every corner is brought onto the page before the pairs are ordered, so the window can
    // never reach outside it.
    int ax = Clamp(x1, 0, SCREEN_WIDTH - 1);
    int ay = Clamp(y1, 0, SCREEN_HEIGHT - 1);
    int bx = Clamp(x2, 0, SCREEN_WIDTH - 1);
    int by = Clamp(y2, 0, SCREEN_HEIGHT - 1);
    screen_window_x1 = (int16_t)(ax < bx ? ax : bx);
    screen_window_x2 = (int16_t)(ax < bx ? bx : ax);
    screen_window_y1 = (int16_t)(ay < by ? ay : by);
    screen_window_y2 = (int16_t)(ay < by ? by : ay);
}

void Reset_Window(void)
{
    screen_window_x1 = 0;
    screen_window_y1 = 0;
    screen_window_x2 = SCREEN_WIDTH - 1;
    screen_window_y2 = SCREEN_HEIGHT - 1;
}

void Fill(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t color)
{
    Rect r{x1, y1, x2, y2};
    if (Clamp_To_Page(r)) {
        Fill_Rect(r, (uint8_t)color);
    }
}

void Clipped_Fill(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t color)
{
    Rect r{x1, y1, x2, y2};
    if (Clamp_To_Area(r, screen_window_x1, screen_window_y1, screen_window_x2, screen_window_y2)) {
        Fill_Rect(r, (uint8_t)color);
    }
}

void Dot(int16_t x, int16_t y, int16_t color)
{
    Put_Pixel_In(x, y, (uint8_t)color, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
}

void Line(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t color)
{
    Walk_Line(x1, y1, x2, y2, [&](int x, int y, int) {
        Put_Pixel_In(x, y, (uint8_t)color, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
    });
}

void Clipped_Line(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t color)
{
    if (Line_Misses_Window(x1, y1, x2, y2)) {
        return;
    }
    Walk_Line(x1, y1, x2, y2, [&](int x, int y, int) {
        Put_Pixel_In(x, y, (uint8_t)color, screen_window_x1, screen_window_y1, screen_window_x2, screen_window_y2);
    });
}

void Multi_Colored_Line(int16_t x1, int16_t y1, int16_t x2, int16_t y2, const uint8_t *colors, int16_t count,
                        int16_t start)
{
    Pattern_Line(x1, y1, x2, y2, colors, count, start, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
}

void Clipped_Multi_Colored_Line(int16_t x1, int16_t y1, int16_t x2, int16_t y2, const uint8_t *colors, int16_t count,
                                int16_t start)
{
    if (Line_Misses_Window(x1, y1, x2, y2)) {
        return;
    }
    Pattern_Line(x1, y1, x2, y2, colors, count, start, screen_window_x1, screen_window_y1, screen_window_x2,
                 screen_window_y2);
}

void Tint_Fill(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t table)
{
    if (table < 0 || table >= PALETTE_REMAP_TABLES) {
        return;
    }
    Rect r{x1, y1, x2, y2};
    if (!Clamp_To_Page(r)) {
        return;
    }
    const uint8_t *remap = remap_color_palettes[table];
    for (int y = r.y1; y <= r.y2; ++y) {
        uint8_t *row = current_video_page + y * SCREEN_WIDTH;
        for (int x = r.x1; x <= r.x2; ++x) {
            row[x] = remap[row[x]];
        }
    }
}

void Gradient_Fill(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t type, int16_t table)
{
    if (type == 3) {
        Tint_Fill(x1, y1, x2, y2, 0);
    } else if (type == 15) {
        Tint_Fill(x1, y1, x2, y2, table);
    }
}

uint16_t Dither_Scramble_Seed(uint16_t seed)
{
    uint16_t s = seed == 0 ? (uint16_t)13768 : seed;
    for (int step = 0; step < 8; ++step) {
        uint16_t b = (uint16_t)((s ^ (s >> 1) ^ (s >> 2) ^ (s >> 4) ^ (s >> 6) ^ (s >> 15)) & 1);
        s = (uint16_t)((s >> 1) | (b << 15));
    }
    return s;
}
