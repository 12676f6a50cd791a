// The working 256-colour palette (6-bit VGA components), its change flags, the remap tables,
// and the palette effects, which write into the platform palette shown at the next present.
#pragma once

#include <cstdint>

#include "Allocate.h"

// Palette_Data: one palette entry of FONTS.LBX (entry n + 2 for palette n), 5,472 bytes.
constexpr int PALETTE_DATA_SIZE = 5472;
constexpr int PALETTE_COLORS_OFFSET = 0;         // 256 x (red, green, blue), each 0..63
constexpr int PALETTE_FONT_COLORS_OFFSET = 768;  // 16 sets of 16 palette indices
constexpr int PALETTE_UNUSED_OFFSET = 1024;      // 256 bytes the engine never reads
constexpr int PALETTE_POINTERS_OFFSET = 1280;    // 16 images of 16 x 16, column by column
constexpr int PALETTE_REMAP_OFFSET = 5376;       // 24 x (red, green, blue, per cent)
constexpr int PALETTE_POINTER_IMAGE_SIZE = 256;
constexpr int PALETTE_REMAP_TABLES = 24;
constexpr int PALETTE_BLOCK_PARAGRAPHS = 348;
static_assert(PALETTE_REMAP_OFFSET + PALETTE_REMAP_TABLES * 4 == PALETTE_DATA_SIZE, "palette entry layout");
static_assert(PALETTE_POINTERS_OFFSET + 16 * PALETTE_POINTER_IMAGE_SIZE == PALETTE_REMAP_OFFSET, "pointer images");
static_assert(16 + PALETTE_DATA_SIZE <= (PALETTE_BLOCK_PARAGRAPHS + 1) * 16, "palette block holds an entry");

// The built-in palette 0: the exact bytes that FONTS.LBX entry 2 carries.
const uint8_t *Palette_Builtin_Image(void);
// The six banner colours of palette 0 (banners 0-4, then the neutral player's), 6-bit red, green,
// blue. Every entry that the game's banner tables name carries a shade of its banner's colour.
constexpr int PALETTE_BANNERS = 6;
extern const uint8_t PALETTE_BANNER_RGB[PALETTE_BANNERS][3];

extern SAMB_ptr palette_block;
extern uint8_t *palette_data;
extern uint8_t *current_palette;  // 768 bytes, immediately followed by palette_flags
extern uint8_t *palette_flags;    // 256 bytes: 1 when the colour changed since the last upload
extern uint8_t *font_colors;
extern uint8_t *mouse_palette;
extern uint8_t *remap_colors;
extern uint8_t remap_color_palettes[PALETTE_REMAP_TABLES][256];

extern int16_t cycle_direction_flag;
extern int16_t cycle_color_value;
extern int16_t cycle_step_value;
extern int16_t rotate_pass1_src_color, rotate_pass1_dst_color, rotate_pass1_count;
extern int16_t rotate_pass2_src_color, rotate_pass2_dst_color, rotate_pass2_count;

// Palette 0 is the built-in copy; n > 0 reads FONTS.LBX entry n + 2. first = -1 loads all colours.
// Returns 1 when the palette was taken, 0 when the entry was unusable (the current palette stays).
int Load_Palette(int16_t n, int16_t first, int16_t last);
void Set_Palette_Changes(int16_t first, int16_t last);
void Clear_Palette_Changes(int16_t first, int16_t last);
void Apply_Palette(void);
void Cycle_Palette(int16_t percent);
void Tint_Palette(int16_t percent, int16_t red, int16_t green, int16_t blue);
void Cycle_Palette_Color(int16_t index, int16_t red1, int16_t green1, int16_t blue1, int16_t red2, int16_t green2,
                         int16_t blue2, int16_t step);
void Reset_Cycle_Palette_Color(void);
void Rotate_Palette_Colors(int16_t first, int16_t count, int16_t n);
void Create_Remap_Palette(int16_t table, int16_t red, int16_t green, int16_t blue, int16_t percent);
void Update_Remap_Gray_Palette(void);
void Calculate_Remap_Colors(void);
void Update_Remap_Color_Range(int16_t first, int16_t last);
uint8_t Find_Closest_Color(int16_t red, int16_t green, int16_t blue);
