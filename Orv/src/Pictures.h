// Pictures: the two forms of Picture_Header (bitmap and animation), the column-run frame
// decoders, bitmap drawing with and without the clip window, and the bitmap utilities.
#pragma once

#include <cstdint>

// ---- Picture_Header, bitmap form: 16 bytes, then pixels column by column ----
// pixel (x, y) at byte 16 + x * height + y; colour 0 is transparent.
constexpr int PICTURE_WIDTH = 0;       // u16
constexpr int PICTURE_HEIGHT = 2;      // u16
constexpr int PICTURE_MAGIC = 4;       // u16 0xDE0A in a bitmap
constexpr int PICTURE_FRAME_NUM = 6;   // u16 the animation frame a rendered bitmap shows
constexpr int PICTURE_REMAP_WORD = 8;  // u16 non-zero: drawn with the remap rule
constexpr int PICTURE_BITMAP_HEADER = 16;
constexpr uint16_t PICTURE_BITMAP_MAGIC = 0xDE0A;

// ---- Picture_Header, animation form (archive entries) ----
constexpr int FLIC_CURRENT_FRAME = 4;   // u16
constexpr int FLIC_FRAME_COUNT = 6;     // u16
constexpr int FLIC_LOOP_FRAME = 8;      // u16
constexpr int FLIC_STREAMED = 10;       // u8, 1 only in a streamed animation's header copy
constexpr int FLIC_STREAM_PAGE = 11;    // u8 first 16 KB page of the body
constexpr int FLIC_STREAM_OFFSET = 12;  // u16 body offset within that page
constexpr int FLIC_PALETTE_INFO = 14;   // u16 0 = no palette
constexpr int FLIC_WHOLE_FRAMES = 16;   // u8
constexpr int FLIC_REMAP = 17;          // u8
// The fixed part ends at byte 18; u32 frame offsets (count + 1 of them) follow.
constexpr int FLIC_FRAME_OFFSETS = 18;

// Column record types of a frame.
constexpr uint8_t FRAME_COLUMN_PLAIN = 0x00;
constexpr uint8_t FRAME_COLUMN_PACKED = 0x80;
constexpr uint8_t FRAME_COLUMN_EMPTY = 0xFF;
constexpr uint8_t FRAME_REPEAT_FIRST = 224;  // packed data bytes from here are (count, colour) pairs
constexpr uint8_t FRAME_REMAP_FIRST = 232;   // frame values from here are remap codes

// ---- frame decoders ----
// Each takes the first column record (offset[i] + 1 within the animation) and the number of
// bytes that belong to the frame from there. Reads stop at the frame's end and writes stay on
// the page or in the bitmap; each returns 1 when the data were well formed, 0 when something
// ran past the frame or the target (what could be drawn is drawn).
int FLIC_Draw_Frame(int16_t x, int16_t y, uint16_t width, const uint8_t *data, uint32_t length);
int FLIC_Remap_Draw_Frame(int16_t x, int16_t y, uint16_t width, const uint8_t *data, uint32_t length);
int Clipped_Draw_Frame(int16_t x, int16_t y, int16_t columns, int16_t rows, int16_t skip_columns, int16_t skip_rows,
                       const uint8_t *data, uint32_t length);
// The same with the frame remap rule, for clipped draws of remap animations.
int Clipped_Remap_Draw_Frame(int16_t x, int16_t y, int16_t columns, int16_t rows, int16_t skip_columns,
                             int16_t skip_rows, const uint8_t *data, uint32_t length);
int Add_Picture_To_Bitmap(const uint8_t *data, uint32_t length, uint8_t *bitmap);

// The data and length of frame f of an animation; 0 when the offset table gives no frame.
int FLIC_Frame_Data(const uint8_t *animation, uint16_t frame, const uint8_t **data, uint32_t *length);
// 1 when an animation of size bytes has a header, a frame offset table, frames in order and
// palette information that all lie within it. The archive picture loaders check every entry so.
int FLIC_Check_Animation(const uint8_t *animation, uint32_t size);
// What is wrong with an animation of size bytes, or nullptr when it is sound.
const char *FLIC_Animation_Fault(const uint8_t *animation, uint32_t size);
// Logs one WARN per picture for malformed data, naming what was wrong.
void Picture_Warn_Malformed(const uint8_t *picture, const char *what);

// ---- bitmap drawers ----
void Draw_Picture(int16_t x, int16_t y, uint8_t *bitmap);
void Draw_Picture_ASM(int16_t x, int16_t y, uint16_t start, uint8_t *bitmap, int16_t columns, int16_t rows,
                      int16_t step);
void Remap_Draw_Picture_ASM(int16_t x, int16_t y, uint16_t start, uint8_t *bitmap, int16_t columns, int16_t rows,
                            int16_t step);
void Draw_Picture_Windowed(int16_t x, int16_t y, uint8_t *bitmap);

// ---- bitmap utilities ----
void Create_Picture(int16_t width, int16_t height, uint8_t *bitmap);
void Create_Blank_Picture(int16_t width, int16_t height, uint8_t *bitmap, uint8_t color);
void Copy_Bitmap_To_Bitmap(uint8_t *target, const uint8_t *source);
void Clipped_Copy_Bitmap(int16_t x, int16_t y, uint8_t *target, const uint8_t *source);
void Mask_Bitmap_Pixels(uint8_t *target_at, const uint8_t *source_at, int16_t target_step, int16_t source_step,
                        int16_t columns, int16_t rows);
void Clipped_Copy_Mask(int16_t x, int16_t y, const uint8_t *mask, uint8_t *target);
void Mask_Bitmap_Pixels_Inverse(uint8_t *target_at, const uint8_t *mask_at, int16_t target_step, int16_t mask_step,
                                int16_t columns, int16_t rows);
void Clear_Bitmap_Region(int16_t x1, int16_t y1, int16_t x2, int16_t y2, uint8_t *bitmap);
void Get_Bitmap_Actual_Size(const uint8_t *bitmap, int16_t *x, int16_t *y, int16_t *width, int16_t *height);

uint16_t FLIC_Get_Width(const uint8_t *picture);
uint16_t FLIC_Get_Height(const uint8_t *picture);
uint16_t FLIC_Get_CurrentFrame(const uint8_t *picture);
uint16_t FLIC_Get_FrameCount(const uint8_t *picture);
