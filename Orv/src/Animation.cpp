#include "Animation.h"

#include <cstring>

#include "EMM.h"
#include "GENDRAW.h"
#include "Palette.h"
#include "Pictures.h"
#include "STU_LE.h"

namespace {

uint16_t Last_Frame_Clamp(uint16_t frame, uint16_t count) { return frame < count ? frame : (uint16_t)(count - 1); }

// Draws frame c with the page decoders; malformed data warn once for the picture.
void Draw_Frame_On_Page(int16_t x, int16_t y, const uint8_t *animation, uint16_t frame)
{
    const uint8_t *data = nullptr;
    uint32_t length = 0;
    if (!FLIC_Frame_Data(animation, frame, &data, &length)) {
        Picture_Warn_Malformed(animation, "frame offsets out of order");
        return;
    }
    uint16_t width = FLIC_Get_Width(animation);
    int ok = animation[FLIC_REMAP] != 0 ? FLIC_Remap_Draw_Frame(x, y, width, data, length)
                                        : FLIC_Draw_Frame(x, y, width, data, length);
    if (!ok) Picture_Warn_Malformed(animation, "frame data run past the frame's end");
}

}  // namespace

int32_t FLIC_Advance_Frame(uint8_t *animation)
{
    uint16_t count = LE_U16(animation + FLIC_FRAME_COUNT);
    if (count == 0) return -1;
    uint16_t shown = Last_Frame_Clamp(LE_U16(animation + FLIC_CURRENT_FRAME), count);
    uint16_t loop = Last_Frame_Clamp(LE_U16(animation + FLIC_LOOP_FRAME), count);
    uint16_t next = (int16_t)(shown + 1) < (int16_t)count ? (uint16_t)(shown + 1) : loop;
    LE_Put_U16(animation + FLIC_CURRENT_FRAME, next);
    return shown;
}

void FLIC_Draw(int16_t x, int16_t y, uint8_t *animation)
{
    int32_t shown = FLIC_Advance_Frame(animation);
    if (shown < 0) return;
    if (LE_U16(animation + FLIC_PALETTE_INFO) != 0) FLIC_Load_Palette(animation, (int16_t)shown);
    Draw_Frame_On_Page(x, y, animation, (uint16_t)shown);
}

void Clipped_Draw(int16_t x, int16_t y, uint8_t *animation)
{
    int w = FLIC_Get_Width(animation);
    int h = FLIC_Get_Height(animation);
    if (x > screen_window_x2 || y > screen_window_y2 || x + w - 1 < screen_window_x1 || y + h - 1 < screen_window_y1)
        return;
    int dx = x, dy = y, skip_columns = 0, skip_rows = 0;
    if (x < screen_window_x1) {
        skip_columns = screen_window_x1 - x;
        dx = screen_window_x1;
    }
    if (y < screen_window_y1) {
        skip_rows = screen_window_y1 - y;
        dy = screen_window_y1;
    }
    int columns = (x + w - 1 < screen_window_x2) ? x + w - dx : screen_window_x2 - dx + 1;
    int rows = (y + h - 1 < screen_window_y2) ? (y + h - 1) - dy + 1 : screen_window_y2 - dy + 1;

    int32_t shown = FLIC_Advance_Frame(animation);
    if (shown < 0) return;
    if (LE_U16(animation + FLIC_PALETTE_INFO) != 0) FLIC_Load_Palette(animation, (int16_t)shown);
    const uint8_t *data = nullptr;
    uint32_t length = 0;
    if (!FLIC_Frame_Data(animation, (uint16_t)shown, &data, &length)) {
        Picture_Warn_Malformed(animation, "frame offsets out of order");
        return;
    }
    // A remap animation is drawn clipped with the remap rule too, so that its codes never
    // show as plain colours at the window's edges.
    int ok = animation[FLIC_REMAP] != 0
                 ? Clipped_Remap_Draw_Frame((int16_t)dx, (int16_t)dy, (int16_t)columns, (int16_t)rows,
                                            (int16_t)skip_columns, (int16_t)skip_rows, data, length)
                 : Clipped_Draw_Frame((int16_t)dx, (int16_t)dy, (int16_t)columns, (int16_t)rows, (int16_t)skip_columns,
                                      (int16_t)skip_rows, data, length);
    if (!ok) Picture_Warn_Malformed(animation, "frame data run past the frame's end");
}

void Draw_Picture_To_Bitmap(uint8_t *animation, uint8_t *bitmap)
{
    int32_t shown = FLIC_Advance_Frame(animation);
    if (shown < 0) return;
    if (LE_U16(animation + FLIC_PALETTE_INFO) != 0) FLIC_Load_Palette(animation, (int16_t)shown);
    uint16_t width = FLIC_Get_Width(animation);
    uint16_t height = FLIC_Get_Height(animation);
    LE_Put_U16(bitmap + PICTURE_WIDTH, width);
    LE_Put_U16(bitmap + PICTURE_HEIGHT, height);
    LE_Put_U16(bitmap + PICTURE_MAGIC, PICTURE_BITMAP_MAGIC);
    LE_Put_U16(bitmap + PICTURE_FRAME_NUM, (uint16_t)shown);
    LE_Put_U16(bitmap + PICTURE_REMAP_WORD, 0);
    // Exactly width x height bytes: rounding the count up to whole words would touch one byte
    // past a bitmap of odd size.
    std::memset(bitmap + PICTURE_BITMAP_HEADER, 0, (size_t)width * height);
    uint16_t first = animation[FLIC_WHOLE_FRAMES] != 0 ? (uint16_t)shown : 0;
    for (uint16_t f = first; f <= (uint16_t)shown; ++f) {
        const uint8_t *data = nullptr;
        uint32_t length = 0;
        if (!FLIC_Frame_Data(animation, f, &data, &length)) {
            Picture_Warn_Malformed(animation, "frame offsets out of order");
            continue;
        }
        if (!Add_Picture_To_Bitmap(data, length, bitmap))
            Picture_Warn_Malformed(animation, "frame data run past the frame or the bitmap");
    }
}

void FLIC_Load_Palette(const uint8_t *animation, int16_t frame)
{
    const uint8_t *base = animation;
    uint32_t limit = 0xFFFFFFFFu;  // bytes readable from base; known only inside the streamed area
    if (animation[FLIC_STREAMED] != 0) {
        if (_VGAFILEH_seg == nullptr) return;
        uint32_t at = (uint32_t)animation[FLIC_STREAM_PAGE] * EMM_PAGE_SIZE + LE_U16(animation + FLIC_STREAM_OFFSET);
        if (at + FLIC_FRAME_OFFSETS > EMM_SCREEN_AREA_SIZE) return;
        base = _VGAFILEH_seg + at;
        limit = EMM_SCREEN_AREA_SIZE - at;
    }
    uint32_t info = LE_U16(base + FLIC_PALETTE_INFO);
    if (info == 0 || info + FLIC_PALETTE_FRAME_ENTRIES > limit) return;
    const uint8_t *p = base + info;
    uint32_t data = LE_U16(p + FLIC_PALETTE_DATA);
    uint32_t first = LE_U16(p + FLIC_PALETTE_FIRST);
    uint32_t count = LE_U16(p + FLIC_PALETTE_COUNT);
    if (frame != 0 && p[FLIC_PALETTE_PER_FRAME] != 0) {
        uint32_t entry = info + FLIC_PALETTE_FRAME_ENTRIES + 4u * (uint32_t)((uint16_t)frame - 1);
        if (entry + 4 > limit) return;
        const uint8_t *e = base + entry;
        count = e[3];
        if (count == 0) return;
        data = LE_U16(e);
        first = e[2];
    }
    // The palette has 256 colours; an entry reaching past the last is cut there.
    if (first >= 256) return;
    if (first + count > 256) count = 256 - first;
    if (data + 3 * count > limit) return;
    for (uint32_t i = 0; i < count; ++i) {
        std::memcpy(current_palette + (first + i) * 3, base + data + 3 * i, 3);
        palette_flags[first + i] = 1;
    }
}

void Load_Palette_From_Animation(const uint8_t *animation)
{
    if (LE_U16(animation + FLIC_PALETTE_INFO) != 0) FLIC_Load_Palette(animation, 0);
}

void Set_Animation_Frame(uint8_t *animation, int16_t frame)
{
    uint16_t f = (uint16_t)frame & 0x7FFF;
    uint16_t count = LE_U16(animation + FLIC_FRAME_COUNT);
    uint16_t loop = LE_U16(animation + FLIC_LOOP_FRAME);
    if (count != 0 && f >= count) {
        // With no frames between the loop frame and the end there is nothing to wrap over:
        // the animation stays on its last frame.
        if (loop >= count) {
            f = (uint16_t)(count - 1);
        } else {
            f = (uint16_t)(loop + (f - count) % (count - loop));
        }
    }
    LE_Put_U16(animation + FLIC_CURRENT_FRAME, f);
}

void Reset_Animation_Frame(uint8_t *animation) { LE_Put_U16(animation + FLIC_CURRENT_FRAME, 0); }

void FLIC_Set_LoopFrame_1(uint8_t *animation) { LE_Put_U16(animation + FLIC_LOOP_FRAME, 1); }

uint8_t Get_Full_Store_Flag(const uint8_t *animation) { return animation[FLIC_WHOLE_FRAMES]; }
