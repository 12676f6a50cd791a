// Palette 0, built into the program: a plain 256-colour palette of our own in the
// 5,472-byte palette-entry layout, with font colour sets, pointer images and remap recipes.
// The stand-in installation writes these same bytes as FONTS.LBX entry 2.
#include <array>
#include <cstdint>

#include "Palette.h"

namespace {

using Image = std::array<uint8_t, PALETTE_DATA_SIZE>;

constexpr int BASE_COLORS[16][3] = {
    {0, 0, 0},    {0, 0, 42},   {0, 42, 0},   {0, 42, 42},  {42, 0, 0},   {42, 0, 42},  {42, 21, 0},  {42, 42, 42},
    {21, 21, 21}, {21, 21, 63}, {21, 63, 21}, {21, 63, 63}, {63, 21, 21}, {63, 21, 63}, {63, 63, 21}, {63, 63, 63},
};

// Twelve hues at full strength; each becomes a ramp of 16 shades, dark to light.
constexpr int HUES[12][3] = {
    {63, 0, 0},  {63, 32, 0}, {63, 63, 0}, {32, 63, 0}, {0, 63, 0},  {0, 63, 32},
    {0, 63, 63}, {0, 32, 63}, {0, 0, 63},  {32, 0, 63}, {63, 0, 63}, {63, 0, 32},
};

// Earth tones for 224..231, metals for the remap codes 232..255.
constexpr int EARTH[8][3] = {
    {16, 10, 4}, {24, 15, 7}, {32, 21, 11}, {40, 28, 16}, {46, 35, 22}, {52, 42, 30}, {57, 49, 38}, {61, 56, 47},
};

// Recipes of remap tables 1..23: red, green, blue, per cent. Entry 0 is never read.
constexpr int REMAP_RECIPES[24][4] = {
    {0, 0, 0, 0},    {0, 0, 0, 25},  {0, 0, 0, 50},  {0, 0, 0, 75},   {63, 63, 63, 25}, {63, 63, 63, 50},
    {63, 0, 0, 50},  {0, 63, 0, 50}, {0, 0, 63, 50}, {63, 63, 0, 50}, {63, 0, 63, 50},  {0, 63, 63, 50},
    {63, 32, 0, 50}, {63, 0, 0, 25}, {0, 63, 0, 25}, {0, 0, 63, 25},  {63, 63, 0, 25},  {32, 32, 32, 50},
    {63, 48, 0, 40}, {0, 0, 20, 60}, {40, 0, 0, 70}, {0, 30, 0, 70},  {63, 63, 63, 75}, {20, 0, 30, 60},
};

// Green, blue, red, purple, yellow and the neutral player's grey-brown: far apart in hue and lightness.
constexpr int BANNER_RGB[PALETTE_BANNERS][3] = {
    {8, 50, 12}, {14, 26, 63}, {58, 8, 6}, {46, 10, 54}, {63, 54, 0}, {36, 30, 22},
};

// clang-format off
// Per banner, the entries that carry its colour, each with its shade (0 lightest .. 4 darkest):
// the unit figure colours, the city colours, the reduced-map mark, the unit list title, the tower
// colour and the city enchantment lines. An entry named by two banners keeps the first.
struct Banner_Entry {
    uint8_t index;
    uint8_t shade;
};
constexpr Banner_Entry BANNER_ENTRIES[PALETTE_BANNERS][16] = {
    {{105, 0}, {106, 1}, {107, 2}, {108, 3}, {109, 4}, {95, 0}, {96, 1}, {97, 2}, {98, 3}, {99, 4},
     {171, 1}, {170, 2}, {222, 1}, {221, 1}, {0, 0}, {0, 0}},
    {{73, 0}, {74, 1}, {75, 2}, {76, 3}, {77, 4}, {71, 0}, {72, 1}, {216, 1}, {175, 2}, {79, 1},
     {218, 1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
    {{121, 0}, {122, 1}, {123, 2}, {124, 3}, {125, 4}, {204, 0}, {205, 1}, {206, 2}, {207, 3}, {208, 4},
     {127, 1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
    {{201, 0}, {165, 1}, {203, 2}, {166, 3}, {45, 4}, {200, 0}, {164, 1}, {202, 2}, {44, 4}, {43, 2},
     {185, 2}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
    {{160, 0}, {161, 1}, {162, 2}, {178, 3}, {180, 4}, {209, 1}, {210, 2}, {211, 3}, {212, 4}, {179, 2},
     {190, 2}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
    {{48, 0}, {49, 1}, {50, 2}, {51, 3}, {52, 4}, {53, 2}, {54, 3}, {55, 4}, {0, 0}, {0, 0},
     {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
};
// clang-format on

constexpr bool Is_Banner_Entry(int index)
{
    for (const auto &banner : BANNER_ENTRIES)
        for (const Banner_Entry &entry : banner)
            if (entry.index != 0 && entry.index == index) return true;
    return false;
}

// The arrow pointer; '#' outline (black), '+' body (white), '.' transparent.
constexpr const char *ARROW[16] = {
    "#...............", "##..............", "#+#.............", "#++#............",
    "#+++#...........", "#++++#..........", "#+++++#.........", "#++++++#........",
    "#+++++++#.......", "#++++++++#......", "#+++++####......", "#++#++#.........",
    "#+#.#++#........", "##..#++#........", "#....#++#.......", ".....####.......",
};

constexpr void Put_Color(Image &image, int index, int red, int green, int blue)
{
    image[PALETTE_COLORS_OFFSET + index * 3 + 0] = (uint8_t)red;
    image[PALETTE_COLORS_OFFSET + index * 3 + 1] = (uint8_t)green;
    image[PALETTE_COLORS_OFFSET + index * 3 + 2] = (uint8_t)blue;
}

constexpr void Put_Pointer_Pixel(Image &image, int picture, int x, int y, uint8_t color)
{
    // Pointer images are stored column by column.
    image[PALETTE_POINTERS_OFFSET + (picture - 1) * PALETTE_POINTER_IMAGE_SIZE + x * 16 + y] = color;
}

constexpr Image Build_Builtin_Palette()
{
    Image image{};

    for (int i = 0; i < 16; ++i) {
        Put_Color(image, i, BASE_COLORS[i][0], BASE_COLORS[i][1], BASE_COLORS[i][2]);
        int grey = i * 63 / 15;
        Put_Color(image, 16 + i, grey, grey, grey);
    }
    for (int h = 0; h < 12; ++h) {
        for (int s = 0; s < 16; ++s) {
            int rgb[3] = {};
            for (int c = 0; c < 3; ++c) {
                int full = HUES[h][c];
                // Shades 0..7 rise from dark to the pure hue; 8..15 pale it toward white, steeply,
                // so that a pale shade is light enough for text on a dark surface.
                rgb[c] = s < 8 ? full * (s + 2) / 9 : full + (63 - full) * (s - 4) / 11;
            }
            Put_Color(image, 32 + h * 16 + s, rgb[0], rgb[1], rgb[2]);
        }
    }
    for (int i = 0; i < 8; ++i) {
        Put_Color(image, 224 + i, EARTH[i][0], EARTH[i][1], EARTH[i][2]);
    }
    for (int i = 0; i < 24; ++i) {
        int step = i % 8;
        int kind = i / 8;  // gold, silver, bronze
        int base = 20 + step * 6;
        int red = kind == 1 ? base : (base + 8 > 63 ? 63 : base + 8);
        int green = kind == 0 ? base : (kind == 1 ? base : base * 3 / 4);
        int blue = kind == 0 ? base / 3 : (kind == 1 ? (base + 4 > 63 ? 63 : base + 4) : base / 2);
        Put_Color(image, 232 + i, red, green, blue);
    }

    // Banner shades: 0 the colour mixed with 40 per cent white, 1 with 20, 2 the colour itself,
    // 3 and 4 darkened to five and four sixths.
    for (int banner = 0; banner < PALETTE_BANNERS; ++banner) {
        for (const Banner_Entry &entry : BANNER_ENTRIES[banner]) {
            if (entry.index == 0) continue;
            int rgb[3] = {};
            for (int c = 0; c < 3; ++c) {
                int full = BANNER_RGB[banner][c];
                rgb[c] = entry.shade <= 1 ? full + (63 - full) * (2 - entry.shade) / 5 : full * (8 - entry.shade) / 6;
                if (rgb[c] > 63) rgb[c] = 63;
            }
            Put_Color(image, entry.index, rgb[0], rgb[1], rgb[2]);
        }
    }

    // Font colour sets: light inks for dark surfaces, so that text has a contrast of at least
    // 4.5:1. Colours 5-15 are the ones the glyphs use. Set 0 runs from a mid grey to white; sets
    // 1-12 are a pale shade of hue 0-11 (the palest one that carries no banner colour; white where
    // all do); sets 13-15 white, yellow and cyan. Colours 0-4 keep the ramps.
    for (int set = 0; set < 16; ++set) {
        uint8_t ink = 31;
        if (set >= 1 && set <= 12) {
            for (int shade = 15; shade >= 12; --shade) {
                int index = 32 + (set - 1) * 16 + shade;
                if (!Is_Banner_Entry(index)) {
                    ink = (uint8_t)index;
                    break;
                }
            }
        } else if (set >= 13) {
            ink = set == 13 ? 15 : (set == 14 ? 14 : 11);
        }
        for (int j = 0; j < 16; ++j) {
            uint8_t color = 0;
            if (set == 0) {
                color = (uint8_t)(16 + (j < 5 ? j : 10 + (j - 5) / 2));
            } else if (j >= 5) {
                color = ink;
            } else if (set <= 12) {
                color = (uint8_t)(32 + (set - 1) * 16 + j);
            } else {
                color = (uint8_t)j;
            }
            image[PALETTE_FONT_COLORS_OFFSET + set * 16 + j] = color;
        }
    }

    // Pointer images: 1 white arrow, 2..8 arrows in other body colours, 9 a crosshair,
    // 10 an hourglass, 11..16 small squares of the base colours.
    for (int picture = 1; picture <= 8; ++picture) {
        uint8_t body = picture == 1 ? 15 : (uint8_t)(7 + picture);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                char c = ARROW[y][x];
                Put_Pointer_Pixel(image, picture, x, y, c == '#' ? 16 : (c == '+' ? body : 0));
            }
        }
    }
    for (int i = 0; i < 16; ++i) {
        if (i != 7) {
            Put_Pointer_Pixel(image, 9, i, 7, 15);
            Put_Pointer_Pixel(image, 9, 7, i, 15);
        }
    }
    for (int y = 0; y < 16; ++y) {
        int half = y < 8 ? 7 - y : y - 8;
        for (int x = 7 - half; x <= 8 + half; ++x) {
            bool edge = y == 0 || y == 15 || x == 7 - half || x == 8 + half;
            Put_Pointer_Pixel(image, 10, x, y, edge ? 16 : 14);
        }
    }
    for (int picture = 11; picture <= 16; ++picture) {
        for (int y = 4; y < 12; ++y) {
            for (int x = 4; x < 12; ++x) {
                bool edge = x == 4 || x == 11 || y == 4 || y == 11;
                Put_Pointer_Pixel(image, picture, x, y, edge ? 16 : (uint8_t)(picture - 2));
            }
        }
    }

    for (int i = 0; i < 24; ++i) {
        for (int c = 0; c < 4; ++c) {
            image[PALETTE_REMAP_OFFSET + i * 4 + c] = (uint8_t)REMAP_RECIPES[i][c];
        }
    }
    return image;
}

constexpr Image m_builtin_palette = Build_Builtin_Palette();

}  // namespace

const uint8_t PALETTE_BANNER_RGB[PALETTE_BANNERS][3] = {
    {BANNER_RGB[0][0], BANNER_RGB[0][1], BANNER_RGB[0][2]}, {BANNER_RGB[1][0], BANNER_RGB[1][1], BANNER_RGB[1][2]},
    {BANNER_RGB[2][0], BANNER_RGB[2][1], BANNER_RGB[2][2]}, {BANNER_RGB[3][0], BANNER_RGB[3][1], BANNER_RGB[3][2]},
    {BANNER_RGB[4][0], BANNER_RGB[4][1], BANNER_RGB[4][2]}, {BANNER_RGB[5][0], BANNER_RGB[5][1], BANNER_RGB[5][2]},
};

const uint8_t *Palette_Builtin_Image(void) { return m_builtin_palette.data(); }
