#include "Font_Image.h"

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "STU_LE.h"

namespace {

// The glyph source: a small 3-wide face, one art per character 32..126, rows split by '/',
// '#' a pixel. Rows 0-4 hold capitals; a sixth row is the descender.
const char *const TINY[95] = {
    "..",                             // space
    "#/#/#/./#",                      // !
    "#.#/#.#",                        // "
    "#.#/###/#.#/###/#.#",            // #
    ".##/##./.#./.##/##.",            // $
    "#.#/..#/.#./#../#.#",            // %
    ".#./#.#/.#./#.#/.##",            // &
    "#/#",                            // '
    ".#/#./#./#./.#",                 // (
    "#./.#/.#/.#/#.",                 // )
    ".../#.#/.#./#.#",                // *
    ".../.#./###/.#.",                // +
    "./././#/#",                      // ,
    ".../.../###",                    // -
    "././././#",                      // .
    "..#/..#/.#./#../#..",            // /
    "###/#.#/#.#/#.#/###",            // 0
    ".#./##./.#./.#./###",            // 1
    "###/..#/###/#../###",            // 2
    "###/..#/.##/..#/###",            // 3
    "#.#/#.#/###/..#/..#",            // 4
    "###/#../###/..#/###",            // 5
    "###/#../###/#.#/###",            // 6
    "###/..#/.#./.#./.#.",            // 7
    "###/#.#/###/#.#/###",            // 8
    "###/#.#/###/..#/###",            // 9
    "./#/./#",                        // :
    "./#/./#/#",                      // ;
    "..#/.#./#../.#./..#",            // <
    ".../###/.../###",                // =
    "#../.#./..#/.#./#..",            // >
    "###/..#/.#./.../.#.",            // ?
    ".#./#.#/###/#../.##",            // @
    ".#./#.#/###/#.#/#.#",            // A
    "##./#.#/##./#.#/##.",            // B
    ".##/#../#../#../.##",            // C
    "##./#.#/#.#/#.#/##.",            // D
    "###/#../##./#../###",            // E
    "###/#../##./#../#..",            // F
    ".##/#../#.#/#.#/.##",            // G
    "#.#/#.#/###/#.#/#.#",            // H
    "###/.#./.#./.#./###",            // I
    "..#/..#/..#/#.#/.#.",            // J
    "#.#/#.#/##./#.#/#.#",            // K
    "#../#../#../#../###",            // L
    "#...#/##.##/#.#.#/#...#/#...#",  // M
    "#..#/##.#/#.##/#..#/#..#",       // N
    ".#./#.#/#.#/#.#/.#.",            // O
    "##./#.#/##./#../#..",            // P
    ".#./#.#/#.#/##./.##",            // Q
    "##./#.#/##./#.#/#.#",            // R
    ".##/#../.#./..#/##.",            // S
    "###/.#./.#./.#./.#.",            // T
    "#.#/#.#/#.#/#.#/###",            // U
    "#.#/#.#/#.#/#.#/.#.",            // V
    "#...#/#...#/#.#.#/##.##/#...#",  // W
    "#.#/#.#/.#./#.#/#.#",            // X
    "#.#/#.#/.#./.#./.#.",            // Y
    "###/..#/.#./#../###",            // Z
    "##/#./#./#./##",                 // [
    "#../#../.#./..#/..#",            // backslash
    "##/.#/.#/.#/##",                 // ]
    ".#./#.#",                        // ^
    ".../.../.../.../###",            // _
    "#./.#",                          // `
    ".../.##/#.#/#.#/.##",            // a
    "#../##./#.#/#.#/##.",            // b
    ".../.##/#../#../.##",            // c
    "..#/.##/#.#/#.#/.##",            // d
    ".../.#./###/#../.##",            // e
    ".##/#../###/#../#..",            // f
    ".../.##/#.#/.##/..#/##.",        // g
    "#../##./#.#/#.#/#.#",            // h
    "#/./#/#/#",                      // i
    ".#/../.#/.#/.#/#.",              // j
    "#../#.#/##./#.#/#.#",            // k
    "#/#/#/#/#",                      // l
    "...../####./#.#.#/#.#.#/#.#.#",  // m
    ".../##./#.#/#.#/#.#",            // n
    ".../.#./#.#/#.#/.#.",            // o
    ".../##./#.#/#.#/##./#..",        // p
    ".../.##/#.#/#.#/.##/..#",        // q
    "../##/#./#./#.",                 // r (two wide, so that a name fits its column)
    ".../.##/#../..#/##.",            // s
    ".#./###/.#./.#./..#",            // t
    ".../#.#/#.#/#.#/.##",            // u
    ".../#.#/#.#/#.#/.#.",            // v
    "...../#...#/#.#.#/#.#.#/.#.#.",  // w
    ".../#.#/.#./.#./#.#",            // x
    ".../#.#/#.#/.##/..#/##.",        // y
    ".../###/.#./#../###",            // z
    ".##/.#./##./.#./.##",            // {
    "#/#/#/#/#",                      // |
    "##./.#./.##/.#./##.",            // }
    "..../.#.#/#.#.",                 // ~
};

// A glyph as a grid of colour indices, -1 where nothing is drawn.
struct Grid {
    int width = 0;
    int height = 0;
    std::vector<int> cells;
    int At(int x, int y) const
    {
        return (x < 0 || y < 0 || x >= width || y >= height) ? -1 : cells[(size_t)y * width + x];
    }
    void Set(int x, int y, int v) { cells[(size_t)y * width + x] = v; }
};

Grid Parse(const char *art, int height)
{
    std::vector<std::string> rows;
    std::string row;
    for (const char *p = art;; ++p) {
        if (*p == '/' || *p == 0) {
            rows.push_back(row);
            row.clear();
            if (*p == 0) break;
        } else {
            row += *p;
        }
    }
    Grid g;
    g.width = (int)rows[0].size();
    g.height = height;
    g.cells.assign((size_t)g.width * height, -1);
    for (int y = 0; y < (int)rows.size() && y < height; ++y)
        for (int x = 0; x < g.width && x < (int)rows[(size_t)y].size(); ++x)
            if (rows[(size_t)y][(size_t)x] == '#') g.Set(x, y, 1);
    return g;
}

// Five rows to seven and the descender doubled: rows 1 and 3 and the descender repeat;
// the middle column repeats so that the face is four wide.
Grid Tall(const Grid &g)
{
    static const int ROW_FROM[9] = {0, 1, 1, 2, 3, 3, 4, 5, 5};
    Grid t;
    t.width = g.width >= 3 ? g.width + 1 : g.width;
    t.height = 9;
    t.cells.assign((size_t)t.width * t.height, -1);
    int middle = g.width / 2;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < t.width; ++x) {
            int sx = (g.width >= 3 && x > middle) ? x - 1 : x;
            t.Set(x, y, g.At(sx, ROW_FROM[y]));
        }
    return t;
}

Grid Bold(const Grid &g)
{
    Grid b;
    b.width = g.width + 1;
    b.height = g.height;
    b.cells.assign((size_t)b.width * b.height, -1);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < b.width; ++x)
            if (g.At(x, y) >= 0 || g.At(x - 1, y) >= 0) b.Set(x, y, 1);
    return b;
}

// Doubled with the corner rule of the EPX scaler, which rounds the diagonals.
Grid Double(const Grid &g, int height)
{
    Grid d;
    d.width = g.width * 2;
    d.height = height;
    d.cells.assign((size_t)d.width * d.height, -1);
    for (int y = 0; y < g.height && y * 2 + 1 < height; ++y)
        for (int x = 0; x < g.width; ++x) {
            bool p = g.At(x, y) >= 0;
            bool a = g.At(x, y - 1) >= 0, b = g.At(x + 1, y) >= 0, c = g.At(x - 1, y) >= 0, dd = g.At(x, y + 1) >= 0;
            bool e1 = p, e2 = p, e3 = p, e4 = p;
            if (!p) {
                e1 = c && a && !dd && !b;
                e2 = a && b && !c && !dd;
                e3 = dd && c && !a && !b;
                e4 = b && dd && !a && !c;
            }
            if (e1) d.Set(2 * x, 2 * y, 1);
            if (e2) d.Set(2 * x + 1, 2 * y, 1);
            if (e3) d.Set(2 * x, 2 * y + 1, 1);
            if (e4) d.Set(2 * x + 1, 2 * y + 1, 1);
        }
    return d;
}

// Flat faces use one bright shade; graded faces run from light at the top to darker below,
// in bands of the given rows. Colour sets are ramps, index 15 the lightest.
void Colour(Grid &g, int band)
{
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (g.At(x, y) >= 0) {
                int shade = band == 0 ? 13 : 15 - (y / band) * 2;
                g.Set(x, y, shade < 5 ? 5 : shade);
            }
}

std::vector<uint8_t> Encode(const Grid &g)
{
    std::vector<uint8_t> out;
    for (int x = 0; x < g.width; ++x) {
        int y = 0;
        while (y < g.height) {
            int v = g.At(x, y);
            int n = 1;
            while (y + n < g.height && g.At(x, y + n) == v && n < (v < 0 ? 127 : 7)) ++n;
            bool trailing = true;
            for (int k = y; k < g.height; ++k)
                if (g.At(x, k) >= 0) trailing = false;
            if (v < 0 && trailing) break;
            out.push_back(v < 0 ? (uint8_t)(0x80 | n) : (uint8_t)(n * 16 + v));
            y += n;
        }
        out.push_back(GLYPH_END_COLUMN);
    }
    return out;
}

struct Style_Plan {
    int height;
    int space;
    int band;  // 0 flat, else rows per shade
};

const Style_Plan PLANS[FONT_STYLES] = {
    {6, 2, 0}, {6, 2, 2}, {9, 3, 0}, {9, 3, 3}, {10, 3, 0}, {16, 4, 3}, {5, 2, 0}, {10, 3, 3},
};

Grid Style_Glyph(int style, int ch)
{
    Grid base = Parse(TINY[ch - 32], 6);
    Grid g;
    switch (style) {
    case 0:
    case 1: g = base; break;
    case 2:
    case 3: g = Tall(base); break;
    case 4:
        // The labels' face: the small face in a taller line, capitals five rows high, so that
        // label lines seven rows apart and a number printed a few pixels after a short label
        // stay apart.
        g = base;
        g.height = 10;
        g.cells.resize((size_t)g.width * 10, -1);
        break;
    case 7:
        g = Bold(Tall(base));
        g.height = 10;
        g.cells.resize((size_t)g.width * 10, -1);
        break;
    case 5: g = Double(base, 12); break;
    default: g = Parse(TINY[ch - 32], 5); break;
    }
    if (ch == 32) {
        g.width = PLANS[style].space;
        g.cells.assign((size_t)g.width * g.height, -1);
    }
    Colour(g, PLANS[style].band);
    return g;
}

void Put_Current_Style(uint8_t *image, int style)
{
    LE_Put_U16(image + FONT_CURRENT_HEIGHT, LE_U16(image + FONT_STYLE_HEIGHTS + 2 * style));
    LE_Put_U16(image + FONT_HORIZONTAL_SPACING, LE_U16(image + FONT_STYLE_HSPACING + 2 * style));
    LE_Put_U16(image + FONT_VERTICAL_SPACING, LE_U16(image + FONT_STYLE_VSPACING + 2 * style));
    LE_Put_U16(image + FONT_LINE_FEED,
               (uint16_t)(LE_U16(image + FONT_CURRENT_HEIGHT) + LE_U16(image + FONT_VERTICAL_SPACING)));
    std::memcpy(image + FONT_CURRENT_WIDTHS, image + FONT_STYLE_WIDTHS + FONT_GLYPHS * style, FONT_GLYPHS);
    std::memcpy(image + FONT_CURRENT_OFFSETS, image + FONT_STYLE_OFFSETS + 2 * FONT_GLYPHS * style, 2 * FONT_GLYPHS);
}

std::array<uint8_t, FONTS_LBX_ENTRY_0_SIZE> Build_Font_Image()
{
    std::array<uint8_t, FONTS_LBX_ENTRY_0_SIZE> image{};
    std::vector<std::pair<std::vector<uint8_t>, uint16_t>> written;  // identical glyphs share their bytes
    size_t at = FONT_GLYPH_DATA;
    auto place = [&](const std::vector<uint8_t> &bytes) -> uint16_t {
        for (const auto &w : written)
            if (w.first == bytes) return w.second;
        if (at + bytes.size() > image.size()) return 0;
        if (!bytes.empty()) std::memcpy(image.data() + at, bytes.data(), bytes.size());
        written.push_back({bytes, (uint16_t)at});
        at += bytes.size();
        return written.back().second;
    };
    uint16_t empty = place({});
    for (int s = 0; s < FONT_STYLES; ++s) {
        LE_Put_U16(image.data() + FONT_STYLE_HEIGHTS + 2 * s, (uint16_t)PLANS[s].height);
        LE_Put_U16(image.data() + FONT_STYLE_HSPACING + 2 * s, 1);
        LE_Put_U16(image.data() + FONT_STYLE_VSPACING + 2 * s, PLANS[s].height >= 9 ? 2 : 1);
        for (int ch = 32; ch < 128; ++ch) {
            uint8_t width = 0;
            uint16_t offset = empty;
            if (ch < 127) {
                Grid g = Style_Glyph(s, ch);
                width = (uint8_t)g.width;
                offset = place(Encode(g));
            }
            image[(size_t)FONT_STYLE_WIDTHS + FONT_GLYPHS * s + (ch - 32)] = width;
            LE_Put_U16(image.data() + FONT_STYLE_OFFSETS + 2 * (FONT_GLYPHS * s + (ch - 32)), offset);
        }
    }
    // Colour set 0 as the current colours, style 0 current.
    for (int i = 0; i < 16; ++i) image[(size_t)FONT_CURRENT_COLORS + i] = (uint8_t)i;
    Put_Current_Style(image.data(), 0);
    return image;
}

}  // namespace

const uint8_t *FONTS_LBX_ENTRY_0(void)
{
    static const std::array<uint8_t, FONTS_LBX_ENTRY_0_SIZE> image = Build_Font_Image();
    return image.data();
}

// Border styles: no engine service reads them; the entry is carried at its size, empty.
const uint8_t *FONTS_LBX_ENTRY_1(void)
{
    static const std::array<uint8_t, FONTS_LBX_ENTRY_1_SIZE> borders{};
    return borders.data();
}
