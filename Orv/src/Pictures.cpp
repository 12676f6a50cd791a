#include "Pictures.h"

#include <cstring>

#include "GENDRAW.h"
#include "Palette.h"
#include "Picture_Rows.h"
#include "STU_LE.h"
#include "STU_Log.h"
#include "Video.h"

namespace {

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
int Decode_Frame(const uint8_t *data, uint32_t length, int columns, const Frame_Target &t)
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

Frame_Target Page_Target(int x, int y, int remap)
{
    return Frame_Target{
        current_video_page, 1, SCREEN_WIDTH, x, y, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, remap, 0, 0};
}

// Recently warned pictures, so that a malformed picture drawn every frame warns once.
constexpr int WARNED_MAX = 32;
const uint8_t *m_warned[WARNED_MAX];
int m_warned_next = 0;

}  // namespace

void Picture_Warn_Malformed(const uint8_t *picture, const char *what)
{
    for (const uint8_t *seen : m_warned)
        if (seen == picture) return;
    m_warned[m_warned_next] = picture;
    m_warned_next = (m_warned_next + 1) % WARNED_MAX;
    STU_LOG(SEV_WARN, LC_ORV2, "Picture at %p: %s; the rest is skipped", (const void *)picture, what);
}

namespace {

// Draws a frame from its row form when one is kept; the rectangle of t is where it may write.
bool Draw_Kept_Frame(const uint8_t *data, uint32_t length, int width, const Frame_Target &t)
{
    const Row_Form *form = Picture_Rows_Of_Frame(data, length, width);
    if (form == nullptr) return false;
    if (t.x1 <= t.x2 && t.y1 <= t.y2) Row_Form_Draw(*form, t.x, t.y, t.x1, t.y1, t.x2, t.y2, t.remap != 0);
    return true;
}

int Page_Frame(int x, int y, uint16_t width, const uint8_t *data, uint32_t length, int remap)
{
    Frame_Target t = Page_Target(x, y, remap);
    if (Draw_Kept_Frame(data, length, width, t)) return 1;
    return Decode_Frame(data, length, width, t);
}

}  // namespace

int FLIC_Draw_Frame(int16_t x, int16_t y, uint16_t width, const uint8_t *data, uint32_t length)
{
    return Page_Frame(x, y, width, data, length, 0);
}

int FLIC_Remap_Draw_Frame(int16_t x, int16_t y, uint16_t width, const uint8_t *data, uint32_t length)
{
    return Page_Frame(x, y, width, data, length, 1);
}

namespace {

int Clipped_Decode(int x, int y, int columns, int rows, int skip_columns, int skip_rows, const uint8_t *data,
                   uint32_t length, int remap)
{
    if (columns <= 0 || rows <= 0 || skip_columns < 0 || skip_rows < 0) return 1;
    Frame_Target t = Page_Target(x - skip_columns, y - skip_rows, remap);
    t.x1 = x < 0 ? 0 : x;
    t.y1 = y < 0 ? 0 : y;
    if (x + columns - 1 < t.x2) t.x2 = x + columns - 1;
    if (y + rows - 1 < t.y2) t.y2 = y + rows - 1;
    t.pass_over = skip_columns;
    if (t.x1 <= t.x2 && t.y1 <= t.y2 && Draw_Kept_Frame(data, length, skip_columns + columns, t)) return 1;
    return Decode_Frame(data, length, skip_columns + columns, t);
}

}  // namespace

int Clipped_Draw_Frame(int16_t x, int16_t y, int16_t columns, int16_t rows, int16_t skip_columns, int16_t skip_rows,
                       const uint8_t *data, uint32_t length)
{
    return Clipped_Decode(x, y, columns, rows, skip_columns, skip_rows, data, length, 0);
}

int Clipped_Remap_Draw_Frame(int16_t x, int16_t y, int16_t columns, int16_t rows, int16_t skip_columns,
                             int16_t skip_rows, const uint8_t *data, uint32_t length)
{
    return Clipped_Decode(x, y, columns, rows, skip_columns, skip_rows, data, length, 1);
}

int Add_Picture_To_Bitmap(const uint8_t *data, uint32_t length, uint8_t *bitmap)
{
    int width = LE_U16(bitmap + PICTURE_WIDTH);
    int height = LE_U16(bitmap + PICTURE_HEIGHT);
    Frame_Target t{bitmap + PICTURE_BITMAP_HEADER, height, 1, 0, 0, 0, 0, width - 1, height - 1, 0, 1, 0};
    return Decode_Frame(data, length, width, t);
}

int FLIC_Frame_Data(const uint8_t *animation, uint16_t frame, const uint8_t **data, uint32_t *length)
{
    uint16_t count = LE_U16(animation + FLIC_FRAME_COUNT);
    if (frame >= count) return 0;
    uint32_t table_end = FLIC_FRAME_OFFSETS + 4u * ((uint32_t)count + 1);
    uint32_t start = LE_U32(animation + FLIC_FRAME_OFFSETS + 4 * frame);
    uint32_t end = LE_U32(animation + FLIC_FRAME_OFFSETS + 4 * (frame + 1));
    // The byte at offset[i] is never read; a frame needs at least that one.
    if (start < table_end || end <= start) return 0;
    *data = animation + start + 1;
    *length = end - start - 1;
    return 1;
}

const char *FLIC_Animation_Fault(const uint8_t *animation, uint32_t size)
{
    if (size < FLIC_FRAME_OFFSETS) return "shorter than a picture header";
    uint16_t count = LE_U16(animation + FLIC_FRAME_COUNT);
    if (count == 0) return "no frames";
    uint32_t table_end = FLIC_FRAME_OFFSETS + 4u * ((uint32_t)count + 1);
    if (table_end > size) return "frame offset table runs past the entry";
    uint32_t previous = table_end;
    for (uint32_t i = 0; i <= count; ++i) {
        uint32_t offset = LE_U32(animation + FLIC_FRAME_OFFSETS + 4 * i);
        if (offset > size) return "frame offset outside the entry";
        // Every frame holds at least its first, unread byte.
        if (offset < previous || (i > 0 && offset == previous)) return "frame offsets out of order";
        previous = offset;
    }
    uint32_t info = LE_U16(animation + FLIC_PALETTE_INFO);
    if (info == 0) return nullptr;
    if (info + 8u > size) return "palette information outside the entry";
    const uint8_t *p = animation + info;
    if (LE_U16(p + 2) > 256 || LE_U16(p) + 3u * LE_U16(p + 4) > size) return "palette colours outside the entry";
    if (p[6] == 0) return nullptr;
    for (uint32_t f = 1; f < count; ++f) {
        uint32_t at = info + 8u + 4u * (f - 1);
        if (at + 4 > size) return "frame palette table runs past the entry";
        if (LE_U16(animation + at) + 3u * animation[at + 3] > size) return "frame palette colours outside the entry";
    }
    return nullptr;
}

int FLIC_Check_Animation(const uint8_t *animation, uint32_t size)
{
    return FLIC_Animation_Fault(animation, size) == nullptr;
}

// ---- bitmap drawers ----

namespace {

// Draws a bitmap from its row form when the columns and rows asked for are a rectangle of it
// (the whole picture, or the part a window shows) and a row form is kept.
bool Draw_Kept_Bitmap(int x, int y, uint16_t start, const uint8_t *bitmap, int columns, int rows, int step, bool remap)
{
    int w = LE_U16(bitmap + PICTURE_WIDTH);
    int h = LE_U16(bitmap + PICTURE_HEIGHT);
    if (h <= 0 || columns <= 0 || rows <= 0 || rows + step != h || start < PICTURE_BITMAP_HEADER) return false;
    int first_column = (start - PICTURE_BITMAP_HEADER) / h;
    int first_row = (start - PICTURE_BITMAP_HEADER) % h;
    if (first_row + rows > h || first_column + columns > w) return false;
    const Row_Form *form = Picture_Rows_Of_Bitmap(bitmap);
    if (form == nullptr) return false;
    int x1 = x > 0 ? x : 0;
    int y1 = y > 0 ? y : 0;
    int x2 = x + columns - 1 < SCREEN_WIDTH - 1 ? x + columns - 1 : SCREEN_WIDTH - 1;
    int y2 = y + rows - 1 < SCREEN_HEIGHT - 1 ? y + rows - 1 : SCREEN_HEIGHT - 1;
    if (x1 <= x2 && y1 <= y2) Row_Form_Draw(*form, x - first_column, y - first_row, x1, y1, x2, y2, remap);
    return true;
}

template <bool REMAP>
void Draw_Bitmap_Columns(int x, int y, uint16_t start, const uint8_t *bitmap, int columns, int rows, int step)
{
    if (Draw_Kept_Bitmap(x, y, start, bitmap, columns, rows, step, REMAP)) return;
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

}  // namespace

void Draw_Picture(int16_t x, int16_t y, uint8_t *bitmap)
{
    Draw_Picture_ASM(x, y, PICTURE_BITMAP_HEADER, bitmap, (int16_t)LE_U16(bitmap + PICTURE_WIDTH),
                     (int16_t)LE_U16(bitmap + PICTURE_HEIGHT), 0);
}

void Draw_Picture_ASM(int16_t x, int16_t y, uint16_t start, uint8_t *bitmap, int16_t columns, int16_t rows,
                      int16_t step)
{
    if (LE_U16(bitmap + PICTURE_REMAP_WORD) != 0) {
        Remap_Draw_Picture_ASM(x, y, start, bitmap, columns, rows, step);
        return;
    }
    Draw_Bitmap_Columns<false>(x, y, start, bitmap, columns, rows, step);
}

void Remap_Draw_Picture_ASM(int16_t x, int16_t y, uint16_t start, uint8_t *bitmap, int16_t columns, int16_t rows,
                            int16_t step)
{
    Draw_Bitmap_Columns<true>(x, y, start, bitmap, columns, rows, step);
}

void Draw_Picture_Windowed(int16_t x, int16_t y, uint8_t *bitmap)
{
    int w = LE_U16(bitmap + PICTURE_WIDTH);
    int h = LE_U16(bitmap + PICTURE_HEIGHT);
    int dx = x, dy = y;
    if (dx > screen_window_x2 || dy > screen_window_y2 || dx + w - 1 < screen_window_x1 ||
        dy + h - 1 < screen_window_y1)
        return;
    int skip_x = 0, skip_y = 0;
    if (dx < screen_window_x1) {
        skip_x = screen_window_x1 - dx;
        dx = screen_window_x1;
    }
    if (dy < screen_window_y1) {
        skip_y = screen_window_y1 - dy;
        dy = screen_window_y1;
    }
    int columns = (x + w - 1 < screen_window_x2) ? (x + w - 1) - dx + 1 : screen_window_x2 - dx + 1;
    int rows = (y + h - 1 < screen_window_y2) ? (y + h - 1) - dy + 1 : screen_window_y2 - dy + 1;
    Draw_Picture_ASM((int16_t)dx, (int16_t)dy, (uint16_t)(PICTURE_BITMAP_HEADER + skip_y + h * skip_x), bitmap,
                     (int16_t)columns, (int16_t)rows, (int16_t)(h - rows));
}

// ---- bitmap utilities ----

void Create_Picture(int16_t width, int16_t height, uint8_t *bitmap) { Create_Blank_Picture(width, height, bitmap, 0); }

void Create_Blank_Picture(int16_t width, int16_t height, uint8_t *bitmap, uint8_t color)
{
    LE_Put_U16(bitmap + PICTURE_WIDTH, (uint16_t)width);
    LE_Put_U16(bitmap + PICTURE_HEIGHT, (uint16_t)height);
    LE_Put_U16(bitmap + PICTURE_MAGIC, PICTURE_BITMAP_MAGIC);
    LE_Put_U16(bitmap + PICTURE_FRAME_NUM, 0);
    LE_Put_U16(bitmap + PICTURE_REMAP_WORD, 0);
    // The pixel count is a 16-bit product, as the header's fields are.
    std::memset(bitmap + PICTURE_BITMAP_HEADER, color, (uint16_t)((uint16_t)width * (uint16_t)height));
}

void Copy_Bitmap_To_Bitmap(uint8_t *target, const uint8_t *source)
{
    uint32_t pixels = (uint32_t)LE_U16(source + PICTURE_WIDTH) * LE_U16(source + PICTURE_HEIGHT);
    std::memmove(target, source, PICTURE_BITMAP_HEADER + pixels);
}

void Mask_Bitmap_Pixels(uint8_t *target_at, const uint8_t *source_at, int16_t target_step, int16_t source_step,
                        int16_t columns, int16_t rows)
{
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r)
            if (source_at[r] != 0) target_at[r] = source_at[r];
        target_at += rows + target_step;
        source_at += rows + source_step;
    }
}

void Mask_Bitmap_Pixels_Inverse(uint8_t *target_at, const uint8_t *mask_at, int16_t target_step, int16_t mask_step,
                                int16_t columns, int16_t rows)
{
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r)
            if (mask_at[r] == 0) target_at[r] = 0;
        target_at += rows + target_step;
        mask_at += rows + mask_step;
    }
}

namespace {

// The overlap of a source placed at (x, y) on a target; 0 when they do not meet.
struct Copy_Plan {
    uint32_t target_start, source_start;
    int columns, rows, target_step, source_step;
};

int Plan_Clipped_Copy(int x, int y, const uint8_t *target, const uint8_t *source, Copy_Plan *plan)
{
    int tw = LE_U16(target + PICTURE_WIDTH), th = LE_U16(target + PICTURE_HEIGHT);
    int sw = LE_U16(source + PICTURE_WIDTH), sh = LE_U16(source + PICTURE_HEIGHT);
    if (x > tw - 1 || y > th - 1 || x + sw - 1 < 0 || y + sh - 1 < 0) return 0;
    int x0 = x > 0 ? x : 0;
    int y0 = y > 0 ? y : 0;
    int columns = (x + sw - 1 < tw - 1) ? (x + sw - 1) - x0 + 1 : tw - x0;
    int rows = (y + sh - 1 < th - 1) ? (y + sh - 1) - y0 + 1 : th - y0;
    if (columns > tw) columns = tw;
    if (rows > th) rows = th;
    if (columns <= 0 || rows <= 0) return 0;
    plan->target_start = PICTURE_BITMAP_HEADER + (uint32_t)y0 + (uint32_t)th * (uint32_t)x0;
    plan->source_start = PICTURE_BITMAP_HEADER + (uint32_t)(y < 0 ? -y : 0) + (uint32_t)sh * (uint32_t)(x < 0 ? -x : 0);
    plan->columns = columns;
    plan->rows = rows;
    plan->target_step = th - rows;
    plan->source_step = sh - rows;
    return 1;
}

}  // namespace

void Clipped_Copy_Bitmap(int16_t x, int16_t y, uint8_t *target, const uint8_t *source)
{
    Copy_Plan plan;
    if (!Plan_Clipped_Copy(x, y, target, source, &plan)) return;
    Mask_Bitmap_Pixels(target + plan.target_start, source + plan.source_start, (int16_t)plan.target_step,
                       (int16_t)plan.source_step, (int16_t)plan.columns, (int16_t)plan.rows);
}

void Clipped_Copy_Mask(int16_t x, int16_t y, const uint8_t *mask, uint8_t *target)
{
    Copy_Plan plan;
    if (!Plan_Clipped_Copy(x, y, target, mask, &plan)) return;
    Mask_Bitmap_Pixels_Inverse(target + plan.target_start, mask + plan.source_start, (int16_t)plan.target_step,
                               (int16_t)plan.source_step, (int16_t)plan.columns, (int16_t)plan.rows);
}

void Clear_Bitmap_Region(int16_t x1, int16_t y1, int16_t x2, int16_t y2, uint8_t *bitmap)
{
    int w = LE_U16(bitmap + PICTURE_WIDTH);
    int h = LE_U16(bitmap + PICTURE_HEIGHT);
    // A right or bottom edge of 0 clears nothing, even inside the bitmap: a faithful quirk.
    if (x1 >= w || y1 >= h || x2 <= 0 || y2 <= 0) return;
    int cx1 = x1 < 0 ? 0 : x1, cy1 = y1 < 0 ? 0 : y1;
    int cx2 = x2 > w - 1 ? w - 1 : x2, cy2 = y2 > h - 1 ? h - 1 : y2;
    for (int c = cx1; c <= cx2; ++c)
        for (int r = cy1; r <= cy2; ++r) bitmap[PICTURE_BITMAP_HEADER + c * h + r] = 0;
}

void Get_Bitmap_Actual_Size(const uint8_t *bitmap, int16_t *x, int16_t *y, int16_t *width, int16_t *height)
{
    int w = LE_U16(bitmap + PICTURE_WIDTH);
    int h = LE_U16(bitmap + PICTURE_HEIGHT);
    int min_x = 1000, min_y = 1000, max_x = 0, max_y = 0;
    const uint8_t *pixels = bitmap + PICTURE_BITMAP_HEADER;
    for (int c = 0; c < w; ++c)
        for (int r = 0; r < h; ++r)
            if (pixels[c * h + r] != 0) {
                if (c < min_x) min_x = c;
                if (r < min_y) min_y = r;
                if (c > max_x) max_x = c;
                if (r > max_y) max_y = r;
            }
    *x = (int16_t)min_x;
    *y = (int16_t)min_y;
    *width = (int16_t)(max_x - min_x + 1);
    *height = (int16_t)(max_y - min_y + 1);
}

uint16_t FLIC_Get_Width(const uint8_t *picture) { return LE_U16(picture + 0); }
uint16_t FLIC_Get_Height(const uint8_t *picture) { return LE_U16(picture + 2); }
uint16_t FLIC_Get_CurrentFrame(const uint8_t *picture) { return LE_U16(picture + 4); }
uint16_t FLIC_Get_FrameCount(const uint8_t *picture) { return LE_U16(picture + 6); }
