#include "File_Animation.h"

#include <cstdio>
#include <cstring>

#include "Animation.h"
#include "EMM.h"
#include "LBX_Load.h"
#include "Palette.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Video.h"

char file_animation_file_name[FILE_ANIMATION_NAME_SIZE] = "";
int16_t file_animation_entry_num = 0;
namespace {
uint8_t m_header_until_carved[32];
}
uint8_t *file_animation_header = m_header_until_carved;

namespace {

// The body of the streamed animation named by a header: page byte 11, in-page offset at 12.
uint32_t Body_Start(const uint8_t *header)
{
    return (uint32_t)header[FLIC_STREAM_PAGE] * EMM_PAGE_SIZE + LE_U16(header + FLIC_STREAM_OFFSET);
}

int Decode_Streamed_Frame(int x, int y, const uint8_t *header, uint32_t at, uint32_t end, int remap)
{
    if (_VGAFILEH_seg == nullptr) return 0;
    if (end > EMM_SCREEN_AREA_SIZE) end = EMM_SCREEN_AREA_SIZE;
    const uint8_t *p = _VGAFILEH_seg + at;
    const uint8_t *stop = _VGAFILEH_seg + (at < end ? end : at);
    int width = LE_U16(header + PICTURE_WIDTH);
    int bad = 0;
    auto next = [&]() -> uint8_t {
        if (p >= stop) {
            bad = 1;
            return 0;
        }
        return *p++;
    };
    for (int c = 0; c < width && !bad; ++c) {
        int px = x + c;
        if (px >= SCREEN_WIDTH) break;
        uint8_t t = next();
        if (bad || t == FRAME_COLUMN_EMPTY) continue;
        uint16_t word = (uint16_t)((t << 8) | next());
        int packed = (word & 0x8000) != 0;
        int left = packed ? (word & 0x7FFF) : word;
        int visible = px >= 0;
        int row = y;
        auto put = [&](uint8_t value) {
            if (visible && row >= 0 && row < SCREEN_HEIGHT) {
                uint8_t *pixel = current_video_page + row * SCREEN_WIDTH + px;
                *pixel = (remap && value >= FRAME_REMAP_FIRST) ? remap_color_palettes[value - FRAME_REMAP_FIRST][*pixel]
                                                               : value;
            }
            ++row;
        };
        while (left > 0 && !bad) {
            uint8_t count = next();
            uint8_t skip = next();
            if (bad) break;
            row += skip;
            left -= count + 2;
            int remaining = count;
            while (remaining > 0 && !bad) {
                uint8_t b = next();
                if (bad) break;
                if (packed && b >= FRAME_REPEAT_FIRST) {
                    uint8_t v = next();
                    for (int k = 0; k < (b & 31) + 1; ++k) put(v);
                    remaining -= 2;
                } else {
                    put(b);
                    remaining -= 1;
                }
            }
        }
    }
    return !bad;
}

int Draw_Streamed(int16_t x, int16_t y, const uint8_t *header, int16_t frame, uint32_t end, int remap)
{
    if (_VGAFILEH_seg == nullptr) return 0;
    uint32_t body = Body_Start(header);
    uint32_t entry = body + FLIC_FRAME_OFFSETS + 4u * (uint16_t)frame;
    if (entry + 4 > EMM_SCREEN_AREA_SIZE) return 0;
    uint32_t at = body + LE_U32(_VGAFILEH_seg + entry) + 1;
    if (at >= EMM_SCREEN_AREA_SIZE) return 0;
    return Decode_Streamed_Frame(x, y, header, at, end, remap);
}

}  // namespace

void Load_File_Animation_Frame(uint32_t start, uint32_t max_bytes, int16_t page)
{
    if (_VGAFILEH_seg == nullptr) Error_Handler(file_animation_file_name, 12, file_animation_entry_num, 0);
    uint32_t offset = 0;
    uint32_t length = 0;
    FILE *file = LBX_Get_Entry_Data(file_animation_file_name, file_animation_entry_num, &offset, &length);
    if (file == nullptr || start >= length || fseek(file, (long)(offset + start), SEEK_SET) != 0)
        Error_Handler(file_animation_file_name, 2, file_animation_entry_num, 0);
    length -= start;
    if (length > max_bytes) length = max_bytes;
    // The area holds five 16 KB pages; nothing is read past its end.
    uint32_t at = (uint32_t)(uint16_t)page * EMM_PAGE_SIZE;
    if (at >= EMM_SCREEN_AREA_SIZE) return;
    if (length > EMM_SCREEN_AREA_SIZE - at) length = EMM_SCREEN_AREA_SIZE - at;
    while (length > 0) {
        uint32_t piece = length < EMM_PAGE_SIZE ? length : EMM_PAGE_SIZE;
        if (fread(_VGAFILEH_seg + at, 1, piece, file) != piece)
            Error_Handler(file_animation_file_name, 2, file_animation_entry_num, 0);
        at += piece;
        length -= piece;
    }
}

void Open_File_Animation(const char *name, int16_t entry)
{
    snprintf(file_animation_file_name, sizeof file_animation_file_name, "%s", name);
    file_animation_entry_num = entry;
    Load_File_Animation_Frame(0, FILE_ANIMATION_HEAD_BYTES, 0);
    std::memcpy(file_animation_header, _VGAFILEH_seg, 16);
    file_animation_header[FLIC_STREAMED] = 1;
    file_animation_header[FLIC_STREAM_PAGE] = 0;
    file_animation_header[FLIC_STREAM_OFFSET] = 0;
    file_animation_header[FLIC_STREAM_OFFSET + 1] = 0;
}

void Draw_File_Animation(void)
{
    if (_VGAFILEH_seg == nullptr) Error_Handler(file_animation_file_name, 12, file_animation_entry_num, 0);
    uint16_t count = LE_U16(file_animation_header + FLIC_FRAME_COUNT);
    int32_t shown = FLIC_Advance_Frame(file_animation_header);
    if (shown < 0) return;
    if (LE_U16(file_animation_header + FLIC_PALETTE_INFO) != 0)
        FLIC_Load_Palette(file_animation_header, (int16_t)shown);
    uint32_t entry = FLIC_FRAME_OFFSETS + 4u * (uint32_t)shown;
    // The offset table must lie in the part of the entry read at the start.
    if (shown >= count || entry + 8 > FILE_ANIMATION_HEAD_BYTES)
        Error_Handler(file_animation_file_name, 2, file_animation_entry_num, 0);
    uint8_t *offset_at = _VGAFILEH_seg + entry;
    uint32_t start = LE_U32(offset_at);
    uint32_t end = LE_U32(offset_at + 4);
    if (end <= start) Error_Handler(file_animation_file_name, 2, file_animation_entry_num, 0);
    uint32_t size = end - start;
    if (size >= 65536) Error_Handler(file_animation_file_name, 16, file_animation_entry_num, 0);
    uint8_t saved[4];
    std::memcpy(saved, offset_at, 4);
    LE_Put_U32(offset_at, FILE_ANIMATION_FRAME_AT);
    Load_File_Animation_Frame(start, size, 1);
    int remap = _VGAFILEH_seg[Body_Start(file_animation_header) + FLIC_REMAP] != 0;
    int ok = Draw_Streamed(0, 0, file_animation_header, (int16_t)shown, FILE_ANIMATION_FRAME_AT + size, remap);
    std::memcpy(offset_at, saved, 4);
    if (!ok) Picture_Warn_Malformed(file_animation_header, "streamed frame data run past the frame's end");
}

int16_t Get_File_Animation_Frame(void) { return LE_I16(file_animation_header + FLIC_CURRENT_FRAME); }

void Set_File_Animation_Frame(int16_t frame) { LE_Put_I16(file_animation_header + FLIC_CURRENT_FRAME, frame); }

int Draw_File_Animation_Frame_ASM(int16_t x, int16_t y, const uint8_t *header, int16_t frame)
{
    if (_VGAFILEH_seg == nullptr) return 0;
    uint32_t body = Body_Start(header);
    if (body + FLIC_REMAP >= EMM_SCREEN_AREA_SIZE) return 0;
    if (_VGAFILEH_seg[body + FLIC_REMAP] != 0) return Remap_Draw_File_Animation_Frame_ASM(x, y, header, frame);
    return Draw_Streamed(x, y, header, frame, EMM_SCREEN_AREA_SIZE, 0);
}

int Remap_Draw_File_Animation_Frame_ASM(int16_t x, int16_t y, const uint8_t *header, int16_t frame)
{
    return Draw_Streamed(x, y, header, frame, EMM_SCREEN_AREA_SIZE, 1);
}
