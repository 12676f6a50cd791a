#include "Picture_Rows.h"

#include <cstring>
#include <memory>
#include <unordered_map>

#include "Core_Services.h"
#include "Palette.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Video.h"

namespace {

// Pictures larger than this many pixels either way are drawn as stored.
constexpr int ROW_FORM_SIDE_MAX = 4096;
constexpr uint32_t ROW_FORM_PIXELS_MAX = 1u << 22;
// Past this many bytes kept, everything is dropped and kept again as it is drawn.
constexpr uint64_t KEPT_BYTES_MAX = 64ull << 20;
constexpr uint32_t TAG_BITMAP = 0xFFFFFFFFu;
constexpr int RECENT_SLOTS = 1024;

struct Entry {
    const uint8_t *key = nullptr;
    uint32_t tag = 0;  // a frame's width, or TAG_BITMAP
    std::vector<uint8_t> source;
    bool formed = false;   // form holds the rows of source
    bool refused = false;  // source is left to the column drawers
    Row_Form form;
};

struct Entry_Key {
    const uint8_t *key;
    uint32_t tag;
    bool operator==(const Entry_Key &o) const { return key == o.key && tag == o.tag; }
};

struct Entry_Key_Hash {
    size_t operator()(const Entry_Key &k) const
    {
        return (size_t)(((uint64_t)(uintptr_t)k.key ^ ((uint64_t)k.tag << 32)) * 0x9E3779B97F4A7C15ull >> 17);
    }
};

struct Kept {
    std::unordered_map<Entry_Key, std::unique_ptr<Entry>, Entry_Key_Hash> entries;
    Entry *recent[RECENT_SLOTS] = {};
    uint64_t bytes = 0;
};
Kept m_kept;
void (*m_forget_listener)(const uint8_t *start, uint32_t length) = nullptr;

// An archive entry loaded over a kept picture's bytes makes its rows stale: the loader tells the
// cache once it holds anything.
void Listen_To_Loader(void)
{
    if (core_services.forget_area != Picture_Rows_Forget_Area) {
        Core_Services services = core_services;
        services.forget_area = Picture_Rows_Forget_Area;
        Core_Set_Services(services);
    }
}

size_t Recent_Slot(const uint8_t *key, uint32_t tag)
{
    return (size_t)((((uintptr_t)key >> 4) ^ ((uintptr_t)key >> 14) ^ tag) & (RECENT_SLOTS - 1));
}

uint64_t Form_Bytes(const Row_Form &f)
{
    return f.pixels.capacity() + f.runs.capacity() * sizeof(Row_Run) + f.row_first.capacity() * sizeof(uint32_t);
}

void Clear_Form(Entry &e)
{
    if (e.formed) m_kept.bytes -= Form_Bytes(e.form);
    e.form = Row_Form{};
    e.formed = false;
    e.refused = false;
}

Entry *Find(const uint8_t *key, uint32_t tag)
{
    Entry *&slot = m_kept.recent[Recent_Slot(key, tag)];
    if (slot != nullptr && slot->key == key && slot->tag == tag) return slot;
    auto it = m_kept.entries.find(Entry_Key{key, tag});
    if (it == m_kept.entries.end()) return nullptr;
    slot = it->second.get();
    return slot;
}

// Adds rows of runs from a column-ordered canvas: pixel (c, r) at c * height + r, kept where
// covered(c, r) says so.
template <typename Covered>
void Form_From_Columns(Row_Form &f, const uint8_t *columns, int width, int height, uint8_t remap_first, Covered covered)
{
    f.width = width;
    f.height = height;
    f.remap_first = remap_first;
    f.row_first.assign((size_t)height + 1, 0);
    f.runs.clear();
    f.pixels.clear();
    bool opaque = true;
    for (int r = 0; r < height; ++r) {
        f.row_first[r] = (uint32_t)f.runs.size();
        int c = 0;
        while (c < width) {
            while (c < width && !covered(c, r)) ++c;
            if (c >= width) break;
            Row_Run run{(int16_t)c, 0, (uint32_t)f.pixels.size(), 0};
            while (c < width && covered(c, r)) {
                uint8_t v = columns[(size_t)c * height + r];
                f.pixels.push_back(v);
                if (v >= remap_first) run.remap = 1;
                ++c;
            }
            run.length = (int16_t)(c - run.x);
            if (run.x != 0 || run.length != width) opaque = false;
            f.runs.push_back(run);
        }
        if (f.runs.size() != (size_t)r + 1) opaque = false;
    }
    f.row_first[height] = (uint32_t)f.runs.size();
    f.opaque = opaque && height > 0;
    f.pixels.shrink_to_fit();
    f.runs.shrink_to_fit();
}

bool Form_Bitmap(Row_Form &f, const uint8_t *bitmap)
{
    int w = LE_U16(bitmap + PICTURE_WIDTH);
    int h = LE_U16(bitmap + PICTURE_HEIGHT);
    const uint8_t *p = bitmap + PICTURE_BITMAP_HEADER;
    Form_From_Columns(f, p, w, h, (uint8_t)(FRAME_REMAP_FIRST + 1),
                      [&](int c, int r) { return p[(size_t)c * h + r] != 0; });
    return true;
}

// Walks the column records as the page decoder reads them when nothing is clipped. Accepted
// only when every column is empty, plain or packed and its runs use exactly the bytes its
// length gives: then a clipped decoder that steps over hidden columns by their lengths reads
// the same runs, and the rows reached give the canvas height.
bool Frame_Layout(const uint8_t *data, uint32_t length, int width, int *rows)
{
    const uint8_t *p = data;
    const uint8_t *end = data + length;
    int max_row = 0;
    for (int c = 0; c < width; ++c) {
        if (p >= end) return false;
        uint8_t type = *p++;
        if (type == FRAME_COLUMN_EMPTY) continue;
        if (type != FRAME_COLUMN_PLAIN && type != FRAME_COLUMN_PACKED) return false;
        if (p >= end) return false;
        int left = *p++;
        if (end - p < left) return false;
        const uint8_t *column_end = p + left;
        int row = 0;
        do {
            if (end - p < 2) return false;
            int count = p[0];
            row += p[1];
            p += 2;
            if (count + 2 > left) return false;
            left -= count + 2;
            if (type == FRAME_COLUMN_PLAIN) {
                p += count;
                row += count;
            } else {
                int remaining = count;
                while (remaining > 0) {
                    if (p >= column_end) return false;
                    uint8_t b = *p++;
                    if (b < FRAME_REPEAT_FIRST) {
                        row += 1;
                        remaining -= 1;
                    } else {
                        if (p >= column_end) return false;
                        ++p;
                        row += b - 223;
                        remaining -= 2;
                    }
                }
                if (remaining != 0) return false;
            }
            if (row > max_row) max_row = row;
        } while (left != 0);
        if (p != column_end) return false;
    }
    *rows = max_row;
    return true;
}

// The frame is decoded by the column decoder into two canvases, one cleared to 0 and one to
// 255: a pixel the frame writes holds the same value in both.
bool Form_Frame(Row_Form &f, const uint8_t *data, uint32_t length, int width)
{
    int height = 0;
    if (!Frame_Layout(data, length, width, &height)) return false;
    if (height > ROW_FORM_SIDE_MAX || (uint32_t)width * (uint32_t)height > ROW_FORM_PIXELS_MAX) return false;
    size_t pixels = (size_t)width * height;
    std::vector<uint8_t> low(PICTURE_BITMAP_HEADER + pixels, 0), high(PICTURE_BITMAP_HEADER + pixels, 0xFF);
    for (std::vector<uint8_t> *canvas : {&low, &high}) {
        LE_Put_U16(canvas->data() + PICTURE_WIDTH, (uint16_t)width);
        LE_Put_U16(canvas->data() + PICTURE_HEIGHT, (uint16_t)height);
        if (height > 0 && !Add_Picture_To_Bitmap(data, length, canvas->data())) return false;
    }
    const uint8_t *a = low.data() + PICTURE_BITMAP_HEADER;
    const uint8_t *b = high.data() + PICTURE_BITMAP_HEADER;
    Form_From_Columns(f, a, width, height, FRAME_REMAP_FIRST,
                      [&](int c, int r) { return a[(size_t)c * height + r] == b[(size_t)c * height + r]; });
    return true;
}

// The kept form of the picture at key, when its bytes are those seen the last time.
template <typename Former>
const Row_Form *Kept_Form(const uint8_t *key, uint32_t tag, const uint8_t *bytes, uint32_t size, Former former)
{
    Entry *e = Find(key, tag);
    if (e == nullptr) {
        Listen_To_Loader();
        if (m_kept.bytes + size > KEPT_BYTES_MAX) Picture_Rows_Forget_All();
        auto made = std::make_unique<Entry>();
        e = made.get();
        e->key = key;
        e->tag = tag;
        e->source.assign(bytes, bytes + size);
        m_kept.bytes += size;
        m_kept.entries.emplace(Entry_Key{key, tag}, std::move(made));
        m_kept.recent[Recent_Slot(key, tag)] = e;
        return nullptr;
    }
    // An empty picture has no bytes to compare (memcmp takes no null pointer, even for 0 bytes).
    if (e->source.size() != size || (size != 0 && std::memcmp(e->source.data(), bytes, size) != 0)) {
        Clear_Form(*e);
        m_kept.bytes -= e->source.size();
        e->source.assign(bytes, bytes + size);
        m_kept.bytes += size;
        return nullptr;
    }
    if (e->refused) return nullptr;
    if (!e->formed) {
        if (!former(e->form)) {
            e->form = Row_Form{};
            e->refused = true;
            return nullptr;
        }
        e->formed = true;
        m_kept.bytes += Form_Bytes(e->form);
    }
    return &e->form;
}

// Runs are mostly a few to a few dozen pixels: fixed-size copies that overlap at the end
// instead of a call per run.
inline void Copy_Run(uint8_t *to, const uint8_t *from, int n)
{
    if (n >= 16) {
        if (n > 32) {
            std::memcpy(to, from, (size_t)n);
            return;
        }
        std::memcpy(to, from, 16);
        std::memcpy(to + n - 16, from + n - 16, 16);
    } else if (n >= 8) {
        std::memcpy(to, from, 8);
        std::memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(to, from, 4);
        std::memcpy(to + n - 4, from + n - 4, 4);
    } else {
        for (int k = 0; k < n; ++k) to[k] = from[k];
    }
}

inline void Remap_Pixels(uint8_t *to, const uint8_t *from, int n, uint8_t remap_first)
{
    for (int k = 0; k < n; ++k) {
        uint8_t v = from[k];
        to[k] = v >= remap_first ? remap_color_palettes[v - FRAME_REMAP_FIRST][to[k]] : v;
    }
}

}  // namespace

const Row_Form *Picture_Rows_Of_Frame(const uint8_t *data, uint32_t length, int width)
{
    if (width <= 0 || width > ROW_FORM_SIDE_MAX) return nullptr;
    return Kept_Form(data, (uint32_t)width, data, length,
                     [&](Row_Form &f) { return Form_Frame(f, data, length, width); });
}

const Row_Form *Picture_Rows_Of_Bitmap(const uint8_t *bitmap)
{
    int w = LE_U16(bitmap + PICTURE_WIDTH);
    int h = LE_U16(bitmap + PICTURE_HEIGHT);
    if (w > ROW_FORM_SIDE_MAX || h > ROW_FORM_SIDE_MAX || (uint32_t)w * (uint32_t)h > ROW_FORM_PIXELS_MAX)
        return nullptr;
    uint32_t size = PICTURE_BITMAP_HEADER + (uint32_t)w * (uint32_t)h;
    return Kept_Form(bitmap, TAG_BITMAP, bitmap, size, [&](Row_Form &f) { return Form_Bitmap(f, bitmap); });
}

void Row_Form_Draw(const Row_Form &f, int x, int y, int x1, int y1, int x2, int y2, bool remap)
{
    int r0 = y1 - y > 0 ? y1 - y : 0;
    int r1 = y2 - y < f.height - 1 ? y2 - y : f.height - 1;
    int c0 = x1 - x;  // picture columns c0 .. c1 are inside
    int c1 = x2 - x;
    if (r0 > r1 || c1 < 0 || c0 > f.width - 1) return;
    if (f.opaque) {
        int a = c0 > 0 ? c0 : 0;
        int b = c1 < f.width - 1 ? c1 : f.width - 1;
        for (int r = r0; r <= r1; ++r) {
            uint8_t *to = current_video_page + (y + r) * SCREEN_WIDTH + x + a;
            const uint8_t *from = f.pixels.data() + (size_t)r * f.width + a;
            if (remap && f.runs[r].remap) {
                Remap_Pixels(to, from, b - a + 1, f.remap_first);
            } else {
                Copy_Run(to, from, b - a + 1);
            }
        }
        return;
    }
    for (int r = r0; r <= r1; ++r) {
        uint8_t *line = current_video_page + (y + r) * SCREEN_WIDTH + x;
        for (uint32_t i = f.row_first[r]; i < f.row_first[r + 1]; ++i) {
            const Row_Run &run = f.runs[i];
            if (run.x > c1) break;
            int a = run.x > c0 ? run.x : c0;
            int b = run.x + run.length - 1 < c1 ? run.x + run.length - 1 : c1;
            if (a > b) continue;
            const uint8_t *from = f.pixels.data() + run.at + (a - run.x);
            if (remap && run.remap) {
                Remap_Pixels(line + a, from, b - a + 1, f.remap_first);
            } else {
                Copy_Run(line + a, from, b - a + 1);
            }
        }
    }
}

void Picture_Rows_Form_Bitmap(Row_Form &f, const uint8_t *bitmap) { Form_Bitmap(f, bitmap); }

bool Picture_Rows_Bitmap_Fits(int width, int height)
{
    return width >= 0 && height >= 0 && width <= ROW_FORM_SIDE_MAX && height <= ROW_FORM_SIDE_MAX &&
           (uint32_t)width * (uint32_t)height <= ROW_FORM_PIXELS_MAX;
}

void Picture_Rows_Set_Forget_Listener(void (*listener)(const uint8_t *start, uint32_t length))
{
    m_forget_listener = listener;
    if (listener != nullptr) Listen_To_Loader();
}

void Picture_Rows_Forget_Area(const uint8_t *start, uint32_t length)
{
    if (m_forget_listener != nullptr) m_forget_listener(start, length);
    if (m_kept.entries.empty()) return;
    const uint8_t *end = start + length;
    for (auto it = m_kept.entries.begin(); it != m_kept.entries.end();) {
        Entry *e = it->second.get();
        if (e->key >= start && e->key < end) {
            Clear_Form(*e);
            m_kept.bytes -= e->source.size();
            Entry *&slot = m_kept.recent[Recent_Slot(e->key, e->tag)];
            if (slot == e) slot = nullptr;
            it = m_kept.entries.erase(it);
        } else {
            ++it;
        }
    }
}

void Picture_Rows_Forget_All(void)
{
    m_kept.entries.clear();
    std::memset(m_kept.recent, 0, sizeof m_kept.recent);
    m_kept.bytes = 0;
}

int Picture_Rows_Kept(void)
{
    int n = 0;
    for (const auto &it : m_kept.entries) n += it.second->formed ? 1 : 0;
    return n;
}

uint64_t Picture_Rows_Bytes(void) { return m_kept.bytes; }
