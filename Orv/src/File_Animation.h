// Streamed full-screen animations: too large to load whole, their frames are read from the
// archive one at a time into the file-animation area and drawn at the page's top left.
#pragma once

#include <cstdint>

constexpr uint32_t FILE_ANIMATION_HEAD_BYTES = 16300;  // header, offsets and palette info must lie here
constexpr uint32_t FILE_ANIMATION_FRAME_AT = 16384;    // the current frame is read to page 1 onwards
constexpr int FILE_ANIMATION_NAME_SIZE = 16;

extern char file_animation_file_name[FILE_ANIMATION_NAME_SIZE];
extern int16_t file_animation_entry_num;
// A 16-byte copy of the animation's header, whose bytes 10-13 point into the area.
extern uint8_t *file_animation_header;

void Open_File_Animation(const char *name, int16_t entry);
void Draw_File_Animation(void);
int16_t Get_File_Animation_Frame(void);
void Set_File_Animation_Frame(int16_t frame);
void Load_File_Animation_Frame(uint32_t start, uint32_t max_bytes, int16_t page);
// The streamed decoder: column heads are big-endian words (bit 15 packed, bits 0-14 the byte
// count), so a column may hold more than 255 bytes of runs. Returns 0 for malformed data.
int Draw_File_Animation_Frame_ASM(int16_t x, int16_t y, const uint8_t *header, int16_t frame);
int Remap_Draw_File_Animation_Frame_ASM(int16_t x, int16_t y, const uint8_t *header, int16_t frame);
