#include "Glyph_Rows.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "Font_Image.h"
#include "Video.h"

namespace {

constexpr int GLYPH_ROWS_MAX = 32;
constexpr int GLYPH_WIDTH_MAX = 16;
constexpr int GLYPH_CODE_MAX = 128;
constexpr int GLYPH_SLOTS = 256;
constexpr int GLYPH_WAYS = 4;

// What a kept glyph was expanded from; kept apart from the rows so that a look-up reads a few
// cache lines, not one per way.
struct Key {
    const uint8_t *font;
    uint32_t at;
    uint32_t used;
    int width;
    bool alias;
    uint8_t colours[16];
};

struct Expanded {
    bool alias;
    bool usable;  // every pixel fits the 16 x 32 rows
    int width;
    uint8_t colours[16];
    int first_row, last_row, first_column, last_column;  // where pixels are; first > last when none
    // Per row the pixels, then the mask of those drawn.
    alignas(16) uint8_t rows[GLYPH_ROWS_MAX][2][GLYPH_WIDTH_MAX];
};

struct Glyph_Store {
    Key keys[GLYPH_SLOTS][GLYPH_WAYS];
    Expanded ways[GLYPH_SLOTS][GLYPH_WAYS];
    uint32_t clock;
};
Glyph_Store m_store;

inline int Slot(uint32_t at) { return (int)((at ^ (at >> 8)) & (GLYPH_SLOTS - 1)); }

// The bytes of width columns from at; 0 when the image ends first.
int Code_Length(const uint8_t *font, uint32_t font_size, uint32_t at, int width)
{
    uint32_t p = at;
    int columns = 0;
    while (columns < width && p < font_size)
        if (font[p++] == GLYPH_END_COLUMN) ++columns;
    return columns < width ? 0 : (int)(p - at);
}

// Reads the columns as the column drawer does: above 0x80 a skip of rows, 0x80 the column's
// end, else n = high nibble pixels of colour index low nibble.
void Expand(Expanded &e, const uint8_t *code)
{
    std::memset(e.rows, 0, sizeof e.rows);
    e.usable = true;
    e.first_row = e.first_column = GLYPH_ROWS_MAX;
    e.last_row = e.last_column = -1;
    int p = 0;
    for (int c = 0; c < e.width; ++c) {
        int row = 0;
        for (;;) {
            uint8_t b = code[p++];
            if (b == GLYPH_END_COLUMN) break;
            if (b > GLYPH_END_COLUMN) {
                row += b & 0x7F;
                continue;
            }
            int n = b >> 4;
            int index = b & 15;
            if (index == 0 && e.alias) {
                row += n;
                continue;
            }
            for (int k = 0; k < n; ++k, ++row) {
                if (c >= GLYPH_WIDTH_MAX || row >= GLYPH_ROWS_MAX) {
                    e.usable = false;
                    continue;
                }
                e.rows[row][0][c] = e.colours[index];
                e.rows[row][1][c] = 0xFF;
                if (row < e.first_row) e.first_row = row;
                if (row > e.last_row) e.last_row = row;
                if (c < e.first_column) e.first_column = c;
                if (c > e.last_column) e.last_column = c;
            }
        }
    }
}

// n bytes alike, compared in overlapping pieces that stay inside both.
inline bool Same_Bytes(const uint8_t *a, const uint8_t *b, int n)
{
    if (n >= 16) {
        for (int i = 0;; i += 16) {
            if (i + 16 > n) i = n - 16;
#if defined(__SSE2__)
            __m128i d =
                _mm_cmpeq_epi8(_mm_loadu_si128((const __m128i *)(a + i)), _mm_loadu_si128((const __m128i *)(b + i)));
            if (_mm_movemask_epi8(d) != 0xFFFF) return false;
#else
            if (std::memcmp(a + i, b + i, 16) != 0) return false;
#endif
            if (i + 16 >= n) return true;
        }
    }
    uint64_t x = 0, y = 0;
    if (n >= 8) {
        std::memcpy(&x, a, 8);
        std::memcpy(&y, b, 8);
        if (x != y) return false;
        std::memcpy(&x, a + n - 8, 8);
        std::memcpy(&y, b + n - 8, 8);
        return x == y;
    }
    for (int i = 0; i < n; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// The kept expansion whose place, colours and alias rule are those given, or nullptr. The
// glyph bytes are not compared: whoever writes glyph bytes into a font image forgets every kept
// glyph first (Glyph_Rows_Forget_All).
inline Expanded *Find(const uint8_t *font, uint32_t at, int width, const uint8_t *colours, bool alias)
{
    int slot = Slot(at);
    Key *keys = m_store.keys[slot];
    for (int w = 0; w < GLYPH_WAYS; ++w) {
        Key &k = keys[w];
        if (k.at == at && k.font == font && k.width == width && k.alias == alias &&
            Same_Bytes(k.colours, colours, 16)) {
            k.used = ++m_store.clock;
            return &m_store.ways[slot][w];
        }
    }
    return nullptr;
}

Expanded &Expand_New(const uint8_t *font, uint32_t at, int width, const uint8_t *colours, bool alias,
                     const uint8_t *code)
{
    int slot = Slot(at);
    Key *keys = m_store.keys[slot];
    int oldest = 0;
    ++m_store.clock;
    for (int w = 1; w < GLYPH_WAYS; ++w)
        if (keys[w].used < keys[oldest].used) oldest = w;
    Key &k = keys[oldest];
    k.font = font;
    k.at = at;
    k.width = width;
    k.alias = alias;
    std::memcpy(k.colours, colours, 16);
    k.used = m_store.clock;
    Expanded &e = m_store.ways[slot][oldest];
    e.width = width;
    e.alias = alias;
    std::memcpy(e.colours, colours, 16);
    Expand(e, code);
    return e;
}

}  // namespace

bool Glyph_Rows_Draw(const uint8_t *font, uint32_t font_size, uint32_t at, int width, const uint8_t *colours,
                     bool alias, uint8_t *page, int x, int y, int x1, int y1, int x2, int y2)
{
    if (width <= 0 || width > GLYPH_WIDTH_MAX || x < 0 || y < 0) return false;
    const Expanded *kept = Find(font, at, width, colours, alias);
    if (kept == nullptr) {
        int length = Code_Length(font, font_size, at, width);
        if (length == 0 || length > GLYPH_CODE_MAX) return false;
        kept = &Expand_New(font, at, width, colours, alias, font + at);
    }
    const Expanded &e = *kept;
    if (!e.usable) return false;
    if (e.last_row < 0) return true;
    // Every pixel inside the rectangle, and every 16-byte row inside the page.
    if (x + e.first_column < x1 || x + e.last_column > x2 || y + e.first_row < y1 || y + e.last_row > y2) return false;
    if ((y + e.last_row) * SCREEN_WIDTH + x + GLYPH_WIDTH_MAX > SCREEN_SIZE) return false;
    for (int r = e.first_row; r <= e.last_row; ++r) {
        uint8_t *to = page + (y + r) * SCREEN_WIDTH + x;
#if defined(__SSE2__)
        __m128i m = _mm_load_si128((const __m128i *)e.rows[r][1]);
        __m128i v = _mm_loadu_si128((const __m128i *)to);
        __m128i p = _mm_load_si128((const __m128i *)e.rows[r][0]);
        _mm_storeu_si128((__m128i *)to, _mm_or_si128(_mm_andnot_si128(m, v), _mm_and_si128(m, p)));
#else
        for (int c = 0; c < GLYPH_WIDTH_MAX; ++c)
            if (e.rows[r][1][c]) to[c] = e.rows[r][0][c];
#endif
    }
    return true;
}

void Glyph_Rows_Forget_All(void) { std::memset(&m_store, 0, sizeof m_store); }
