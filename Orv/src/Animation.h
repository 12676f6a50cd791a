// The animation player: draws an animation's current frame (plain, clipped, or rendered into
// a bitmap), loads the colours it carries, and moves the current frame on after each draw.
#pragma once

#include <cstdint>

// Palette information, at the offset held in header byte 14.
constexpr int FLIC_PALETTE_DATA = 0;           // u16 offset of the colour data from the animation's start
constexpr int FLIC_PALETTE_FIRST = 2;          // u16 first palette index
constexpr int FLIC_PALETTE_COUNT = 4;          // u16 number of colours
constexpr int FLIC_PALETTE_PER_FRAME = 6;      // u8 frames 1 and later carry their own entries
constexpr int FLIC_PALETTE_FRAME_ENTRIES = 8;  // 4 bytes per frame f >= 1: u16 data, u8 first, u8 count

void FLIC_Draw(int16_t x, int16_t y, uint8_t *animation);
void Clipped_Draw(int16_t x, int16_t y, uint8_t *animation);
void Draw_Picture_To_Bitmap(uint8_t *animation, uint8_t *bitmap);
void FLIC_Load_Palette(const uint8_t *animation, int16_t frame);
void Load_Palette_From_Animation(const uint8_t *animation);
void Set_Animation_Frame(uint8_t *animation, int16_t frame);
void Reset_Animation_Frame(uint8_t *animation);
void FLIC_Set_LoopFrame_1(uint8_t *animation);
uint8_t Get_Full_Store_Flag(const uint8_t *animation);

// Moves the current frame on (to the loop frame after the last) and returns the frame to show,
// or -1 for an animation without frames. A current or loop frame past the last is taken as the last.
int32_t FLIC_Advance_Frame(uint8_t *animation);
