// The built-in font image and border styles: FONTS.LBX entries 0 and 1 as this program
// carries them. Eight styles of our own design, built from one glyph source; the stand-in
// installation writes the same bytes.
#pragma once

#include <cstdint>

constexpr int FONTS_LBX_ENTRY_0_SIZE = 17780;
constexpr int FONTS_LBX_ENTRY_1_SIZE = 652;
constexpr int FONT_STYLES = 8;
constexpr int FONT_GLYPHS = 96;  // characters 32..127

// Font_Header: offsets within the font image.
constexpr int FONT_CURRENT_COLORS = 0;       // 16 palette indices
constexpr int FONT_CURRENT_HEIGHT = 16;      // u16
constexpr int FONT_DRAW_MODE = 18;           // u8 0..5
constexpr int FONT_COLOR_SET = 19;           // u8 0 normal, 1 highlight, 2 special
constexpr int FONT_SET_SLOTS = 20;           // 3 x 16 bytes: normal, highlight, special
constexpr int FONT_LINE_FEED = 68;           // u16
constexpr int FONT_VERTICAL_SPACING = 70;    // u16
constexpr int FONT_HORIZONTAL_SPACING = 72;  // u16
constexpr int FONT_CURRENT_WIDTHS = 74;      // 96 bytes
constexpr int FONT_CURRENT_OFFSETS = 170;    // 96 x u16 from the image's start
constexpr int FONT_STYLE_HEIGHTS = 362;      // 8 x u16
constexpr int FONT_STYLE_HSPACING = 378;     // 8 x u16
constexpr int FONT_STYLE_VSPACING = 394;     // 8 x u16
constexpr int FONT_STYLE_WIDTHS = 410;       // 8 x 96 bytes
constexpr int FONT_STYLE_OFFSETS = 1178;     // 8 x 96 x u16
constexpr int FONT_GLYPH_DATA = 2714;
static_assert(FONT_STYLE_WIDTHS + FONT_STYLES * FONT_GLYPHS == FONT_STYLE_OFFSETS, "font image layout");
static_assert(FONT_STYLE_OFFSETS + FONT_STYLES * FONT_GLYPHS * 2 == FONT_GLYPH_DATA, "font image layout");

// Glyph bytes: 0x80 ends a column, 0x81..0xFF skip (low 7 bits) rows, 0x00..0x7F a run of
// (byte / 16) pixels in glyph colour index (byte mod 16).
constexpr uint8_t GLYPH_END_COLUMN = 0x80;

const uint8_t *FONTS_LBX_ENTRY_0(void);
const uint8_t *FONTS_LBX_ENTRY_1(void);
