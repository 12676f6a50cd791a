// Today's column drawers, kept as the reference the row-form drawing is compared with: the frame
// decoder (plain, remap and clipped), the bitmap column drawer and the glyph column drawer,
// all writing current_video_page.
#pragma once

#include <cstdint>

#include "Palette.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Video.h"

namespace reference {

// Where a frame lands: picture column 0, row 0 sits at target (x, y); only pixels inside the
// inclusive rectangle (x1, y1)-(x2, y2), already cut to the target, are written.
struct Frame_Target {
    uint8_t *base;
    int col_step;
    int row_step;
    int x, y;
    int x1, y1, x2, y2;
    int remap;
    int strict;     // a pixel outside the rectangle means the data are malformed (bitmap targets)
    int pass_over;  // leading column records the clipped decoder steps over by their lengths
};

struct Frame_Reader {
    const uint8_t *p;
    const uint8_t *end;
    int bad;
    uint8_t Next()
    {
        if (p >= end) {
            bad = 1;
            return 0;
        }
        return *p++;
    }
};

inline void Put_Frame_Pixel(const Frame_Target &t, uint8_t *column, int row, uint8_t value, int &outside)
{
    int ty = t.y + row;
    if (ty < t.y1 || ty > t.y2) {
        outside = 1;
        return;
    }
    uint8_t *at = column + ty * t.row_step;
    if (t.remap && value >= FRAME_REMAP_FIRST) {
        *at = remap_color_palettes[value - FRAME_REMAP_FIRST][*at];
    } else {
        *at = value;
    }
}

// 1 when rows row .. row + count - 1 all land inside the rectangle: such a run is written
// without a test per pixel.
inline bool Run_Inside(const Frame_Target &t, int row, int count)
{
    return t.y + row >= t.y1 && t.y + row + count - 1 <= t.y2;
}

// Decodes column records; columns left of the rectangle are passed over by their lengths.
inline int Decode_Frame(const uint8_t *data, uint32_t length, int columns, const Frame_Target &t)
{
    Frame_Reader r{data, data + length, 0};
    int outside = 0;
    if (t.x1 > t.x2 || t.y1 > t.y2) return 1;
    for (int c = 0; c < columns && !r.bad; ++c) {
        int tx = t.x + c;
        if (tx > t.x2) break;
        uint8_t type = r.Next();
        if (r.bad || type == FRAME_COLUMN_EMPTY) continue;
        uint8_t left = r.Next();
        if (r.bad) break;
        // The clipped decoder steps over its hidden columns as L + 2 bytes whatever their type;
        // when decoding, other column types consume only their two head bytes.
        if (c < t.pass_over || (tx < t.x1 && (type == FRAME_COLUMN_PLAIN || type == FRAME_COLUMN_PACKED))) {
            if ((uint32_t)(r.end - r.p) < left) {
                r.bad = 1;
                break;
            }
            r.p += left;
            continue;
        }
        if (type != FRAME_COLUMN_PLAIN && type != FRAME_COLUMN_PACKED) continue;
        uint8_t *column = t.base + tx * t.col_step;
        int row = 0;
        do {
            uint8_t count = r.Next();
            uint8_t skip = r.Next();
            if (r.bad) break;
            row += skip;
            left = (uint8_t)(left - (count + 2));
            if (type == FRAME_COLUMN_PLAIN) {
                if ((uint32_t)(r.end - r.p) < count) {
                    r.bad = 1;
                    break;
                }
                if (Run_Inside(t, row, count) && !t.remap) {
                    const int step = t.row_step;
                    uint8_t *at = column + (t.y + row) * step;
                    const uint8_t *from = r.p;
                    for (int k = 0; k < count; ++k, at += step) *at = from[k];
                    row += count;
                } else {
                    for (int k = 0; k < count; ++k) Put_Frame_Pixel(t, column, row++, r.p[k], outside);
                }
                r.p += count;
            } else {
                int remaining = count;
                while (remaining > 0 && !r.bad) {
                    uint8_t b = r.Next();
                    if (r.bad) break;
                    if (b < FRAME_REPEAT_FIRST) {
                        Put_Frame_Pixel(t, column, row++, b, outside);
                        remaining -= 1;
                    } else {
                        uint8_t v = r.Next();
                        if (r.bad) break;
                        int n = b - 223;
                        if (Run_Inside(t, row, n) && !(t.remap && v >= FRAME_REMAP_FIRST)) {
                            const int step = t.row_step;
                            uint8_t *at = column + (t.y + row) * step;
                            for (int k = 0; k < n; ++k, at += step) *at = v;
                            row += n;
                        } else {
                            for (int k = 0; k < n; ++k) Put_Frame_Pixel(t, column, row++, v, outside);
                        }
                        remaining -= 2;
                    }
                }
            }
        } while (left != 0 && !r.bad);
    }
    return !(r.bad || (t.strict && outside));
}

inline Frame_Target Page_Target(int x, int y, int remap)
{
    return Frame_Target{
        current_video_page, 1, SCREEN_WIDTH, x, y, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, remap, 0, 0};
}

inline int Draw_Frame(int x, int y, int width, const uint8_t *data, uint32_t length, int remap)
{
    return Decode_Frame(data, length, width, Page_Target(x, y, remap));
}

inline int Clipped_Decode(int x, int y, int columns, int rows, int skip_columns, int skip_rows, const uint8_t *data,
                          uint32_t length, int remap)
{
    if (columns <= 0 || rows <= 0 || skip_columns < 0 || skip_rows < 0) return 1;
    Frame_Target t = Page_Target(x - skip_columns, y - skip_rows, remap);
    t.x1 = x < 0 ? 0 : x;
    t.y1 = y < 0 ? 0 : y;
    if (x + columns - 1 < t.x2) t.x2 = x + columns - 1;
    if (y + rows - 1 < t.y2) t.y2 = y + rows - 1;
    t.pass_over = skip_columns;
    return Decode_Frame(data, length, skip_columns + columns, t);
}

template <bool REMAP>
void Draw_Bitmap_Columns(int x, int y, uint16_t start, const uint8_t *bitmap, int columns, int rows, int step)
{
    uint32_t size = PICTURE_BITMAP_HEADER + (uint32_t)LE_U16(bitmap + PICTURE_WIDTH) * LE_U16(bitmap + PICTURE_HEIGHT);
    uint32_t source = start;
    for (int c = 0; c < columns; ++c, source += (uint32_t)(rows + step)) {
        int px = x + c;
        if (source >= size) break;
        if (px < 0 || px >= SCREEN_WIDTH) continue;
        for (int r = 0; r < rows; ++r) {
            uint32_t at = source + (uint32_t)r;
            if (at >= size) break;
            int py = y + r;
            uint8_t value = bitmap[at];
            if (value == 0 || py < 0 || py >= SCREEN_HEIGHT) continue;
            uint8_t *pixel = current_video_page + py * SCREEN_WIDTH + px;
            if (REMAP && value > FRAME_REMAP_FIRST) {
                *pixel = remap_color_palettes[value - FRAME_REMAP_FIRST][*pixel];
            } else {
                *pixel = value;
            }
        }
    }
}

inline void Draw_Picture_ASM(int x, int y, uint16_t start, const uint8_t *bitmap, int columns, int rows, int step)
{
    if (LE_U16(bitmap + PICTURE_REMAP_WORD) != 0) {
        Draw_Bitmap_Columns<true>(x, y, start, bitmap, columns, rows, step);
    } else {
        Draw_Bitmap_Columns<false>(x, y, start, bitmap, columns, rows, step);
    }
}

inline void Draw_Picture_Windowed(int x, int y, const uint8_t *bitmap, int wx1, int wy1, int wx2, int wy2)
{
    int w = LE_U16(bitmap + PICTURE_WIDTH);
    int h = LE_U16(bitmap + PICTURE_HEIGHT);
    int dx = x, dy = y;
    if (dx > wx2 || dy > wy2 || dx + w - 1 < wx1 || dy + h - 1 < wy1) return;
    int skip_x = 0, skip_y = 0;
    if (dx < wx1) {
        skip_x = wx1 - dx;
        dx = wx1;
    }
    if (dy < wy1) {
        skip_y = wy1 - dy;
        dy = wy1;
    }
    int columns = (x + w - 1 < wx2) ? (x + w - 1) - dx + 1 : wx2 - dx + 1;
    int rows = (y + h - 1 < wy2) ? (y + h - 1) - dy + 1 : wy2 - dy + 1;
    Draw_Picture_ASM(dx, dy, (uint16_t)(PICTURE_BITMAP_HEADER + skip_y + h * skip_x), bitmap, columns, rows, h - rows);
}

// One glyph of a font image: width columns of run bytes from at, colours[index], index 0 left
// out when alias is set; only inside (x1, y1)-(x2, y2) of the page.
inline void Draw_Glyph(const uint8_t *font, uint32_t font_size, uint32_t at, int width, const uint8_t *colours,
                       bool alias, int x, int y, int x1, int y1, int x2, int y2)
{
    for (int c = 0; c < width; ++c) {
        int px = x + c;
        int row = y;
        while (at < font_size) {
            uint8_t b = font[at++];
            if (b == 0x80) break;
            if (b > 0x80) {
                row += b & 0x7F;
                continue;
            }
            int n = b >> 4;
            int index = b & 15;
            if (index == 0 && alias) {
                row += n;
                continue;
            }
            uint8_t color = colours[index];
            for (int k = 0; k < n; ++k, ++row)
                if (px >= x1 && px <= x2 && row >= y1 && row <= y2) current_video_page[px + row * SCREEN_WIDTH] = color;
        }
    }
}

}  // namespace reference
