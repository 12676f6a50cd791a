#include "Palette.h"

#include <cstdlib>
#include <cstring>

#include "Fonts.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "STU_Log.h"
#include "sdl2_Video.h"

SAMB_ptr palette_block = nullptr;
uint8_t *palette_data = nullptr;
namespace {
uint8_t m_palette_and_flags[768 + 256];
}
uint8_t *current_palette = m_palette_and_flags;
uint8_t *palette_flags = m_palette_and_flags + 768;
uint8_t *font_colors = nullptr;
uint8_t *mouse_palette = nullptr;
uint8_t *remap_colors = nullptr;
uint8_t remap_color_palettes[PALETTE_REMAP_TABLES][256];

int16_t cycle_direction_flag = -1;
int16_t cycle_color_value = 0;
int16_t cycle_step_value = 0;
int16_t rotate_pass1_src_color = 0, rotate_pass1_dst_color = 0, rotate_pass1_count = 0;
int16_t rotate_pass2_src_color = 0, rotate_pass2_dst_color = 0, rotate_pass2_count = 0;

namespace {

int16_t m_tint_red = 0;
int16_t m_tint_green = 0;
int16_t m_tint_blue = 0;

int Clamp_Color_Index(int value) { return value < 0 ? 0 : (value > 255 ? 255 : value); }

void Put_Platform_Color(int index, int red, int green, int blue)
{
    uint8_t *entry = &platform_palette_buffer[(index & 0xFF) * 4];
    entry[0] = (uint8_t)red;
    entry[1] = (uint8_t)green;
    entry[2] = (uint8_t)blue;
    entry[3] = 255;
}

void Put_Platform_Color_6bit(int index, const uint8_t *rgb)
{
    Put_Platform_Color(index, rgb[0] * 4, rgb[1] * 4, rgb[2] * 4);
}

void Clear_All_Palette_Changes(void) { std::memset(palette_flags, 0, 256); }

// The palette entry lives 16 bytes into its block; the block is carved on first use when
// the font loader has not carved it yet.
uint8_t *Palette_Block_Entry(void)
{
    if (palette_block == nullptr) {
        palette_block = Allocate_Space(PALETTE_BLOCK_PARAGRAPHS);
    }
    return palette_block + 16;
}

}  // namespace

int Load_Palette(int16_t n, int16_t first, int16_t last)
{
    if (n < 0) {
        STU_LOG(SEV_ERROR, LC_ORV2, "Load_Palette: no palette %d; the current palette stays", n);
        return 0;
    }
    uint8_t *entry = nullptr;
    if (n == 0) {
        entry = Palette_Block_Entry();
        std::memcpy(entry, Palette_Builtin_Image(), PALETTE_DATA_SIZE);
        palette_block[10] = 'X';
        palette_block[11] = 1;
    } else {
        uint32_t start = 0;
        uint32_t length = 0;
        LBX_Get_Entry_Data("FONTS.LBX", (int16_t)(n + 2), &start, &length);
        if (length < (uint32_t)PALETTE_DATA_SIZE) {
            STU_LOG(SEV_ERROR, LC_ORV2,
                    "Load_Palette: FONTS.LBX entry %d holds %u bytes, a palette needs %d; the current palette stays",
                    n + 2, length, PALETTE_DATA_SIZE);
            return 0;
        }
        Palette_Block_Entry();
        entry = LBX_Reload_Palette("FONTS.LBX", (int16_t)(n + 2), palette_block);
    }
    palette_data = entry;
    font_colors = entry + PALETTE_FONT_COLORS_OFFSET;
    mouse_palette = entry + PALETTE_POINTERS_OFFSET;
    remap_colors = entry + PALETTE_REMAP_OFFSET;

    if (first == -1) {
        first = 0;
        last = 255;
    }
    int lo = Clamp_Color_Index(first);
    int hi = Clamp_Color_Index(last);
    if (lo <= hi) {
        std::memcpy(current_palette + lo * 3, entry + PALETTE_COLORS_OFFSET + lo * 3, (size_t)(hi - lo + 1) * 3);
    }
    Set_Font_Style(0, 0, 0, 0);
    Set_Palette_Changes((int16_t)lo, (int16_t)hi);
    return 1;
}

void Set_Palette_Changes(int16_t first, int16_t last)
{
    for (int i = Clamp_Color_Index(first); i <= Clamp_Color_Index(last); ++i) {
        palette_flags[i] = 1;
    }
}

void Clear_Palette_Changes(int16_t first, int16_t last)
{
    for (int i = Clamp_Color_Index(first); i <= Clamp_Color_Index(last); ++i) {
        palette_flags[i] = 0;
    }
}

void Apply_Palette(void)
{
    for (int i = 0; i < 256; ++i) {
        if (palette_flags[i] != 0) {
            Put_Platform_Color_6bit(i, current_palette + i * 3);
        }
    }
}

void Cycle_Palette(int16_t percent)
{
    if (percent <= 0) {
        Apply_Palette();
        return;
    }
    int factor = percent >= 100 ? 0 : (100 - percent) * 256 / 100;
    for (int i = 0; i < 256; ++i) {
        if (palette_flags[i] != 0) {
            const uint8_t *c = current_palette + i * 3;
            Put_Platform_Color(i, (c[0] * factor / 256) * 4, (c[1] * factor / 256) * 4, (c[2] * factor / 256) * 4);
        }
    }
    Clear_All_Palette_Changes();
}

void Tint_Palette(int16_t percent, int16_t red, int16_t green, int16_t blue)
{
    if (percent == 0) {
        Apply_Palette();
        Platform_Video_Update();
        return;
    }
    if (percent > 0 && percent < 100) {
        int f = percent * 256 / 100;
        m_tint_red = (int16_t)(red * f / 256);
        m_tint_green = (int16_t)(green * f / 256);
        m_tint_blue = (int16_t)(blue * f / 256);
        int m = (100 - percent) * 256 / 100;
        for (int i = 1; i < 256; ++i) {
            if (palette_flags[i] != 0) {
                const uint8_t *c = current_palette + i * 3;
                Put_Platform_Color(i, (c[0] * m / 256 + m_tint_red) * 4, (c[1] * m / 256 + m_tint_green) * 4,
                                   (c[2] * m / 256 + m_tint_blue) * 4);
            }
        }
    } else {
        for (int i = 0; i < 256; ++i) {
            if (palette_flags[i] != 0) {
                Put_Platform_Color(i, m_tint_red * 4, m_tint_green * 4, m_tint_blue * 4);
            }
        }
    }
    Clear_All_Palette_Changes();
    Platform_Video_Update();
}

void Reset_Cycle_Palette_Color(void) { cycle_direction_flag = -1; }

namespace {

void Update_Cycle(int lead1, int lead2, int step)
{
    int value = cycle_color_value;
    bool rising_range = lead1 < lead2;
    int low = rising_range ? lead1 : lead2;
    int high = rising_range ? lead2 : lead1;
    // In a rising range direction 0 climbs toward lead2; in a falling one it descends.
    bool climbing = rising_range ? (cycle_direction_flag == 0) : (cycle_direction_flag == 1);
    if (climbing) {
        value += step;
        if (value > high) {
            value = high - 1;
            cycle_direction_flag = (int16_t)(rising_range ? 1 : 0);
        }
    } else {
        value -= step;
        if (value < low) {
            value = low + 1;
            cycle_direction_flag = (int16_t)(rising_range ? 0 : 1);
        }
    }
    cycle_color_value = (int16_t)value;
}

}  // namespace

void Cycle_Palette_Color(int16_t index, int16_t red1, int16_t green1, int16_t blue1, int16_t red2, int16_t green2,
                         int16_t blue2, int16_t step)
{
    int c1[3] = {red1, green1, blue1};
    int c2[3] = {red2, green2, blue2};
    int d[3] = {std::abs(red2 - red1), std::abs(green2 - green1), std::abs(blue2 - blue1)};
    int lead = 2;
    if (d[0] >= d[1] && d[0] >= d[2]) {
        lead = 0;
    } else if (d[1] >= d[0] && d[1] >= d[2]) {
        lead = 1;
    }
    cycle_step_value = step;
    if (cycle_direction_flag == -1) {
        cycle_direction_flag = 0;
        cycle_color_value = (int16_t)c1[lead];
    }
    int out[3] = {c1[0], c1[1], c1[2]};
    if (c1[lead] == c2[lead]) {
        // Nothing to glow between: the first colour is shown steadily (no division by zero).
        out[lead] = c1[lead];
    } else {
        for (int c = 0; c < 3; ++c) {
            if (c == lead) {
                out[c] = cycle_color_value;
            } else {
                out[c] = c1[c] + (c2[c] - c1[c]) * (cycle_color_value - c1[lead]) / (c2[lead] - c1[lead]);
            }
        }
        Update_Cycle(c1[lead], c2[lead], step);
    }
    for (int c = 0; c < 3; ++c) {
        out[c] = out[c] < 0 ? 0 : (out[c] > 63 ? 63 : out[c]);
    }
    Platform_Set_Palette_Color(index, out[0] * 255 / 63, out[1] * 255 / 63, out[2] * 255 / 63);
}

void Rotate_Palette_Colors(int16_t first, int16_t count, int16_t n)
{
    if (count <= 0) {
        return;
    }
    n = (int16_t)(((n % count) + count) % count);
    for (int i = 0; i <= count - n - 1; ++i) {
        Put_Platform_Color_6bit((first + n + i) & 0xFF, current_palette + ((first + i) & 0xFF) * 3);
    }
    for (int i = 0; i < n; ++i) {
        Put_Platform_Color_6bit((first + i) & 0xFF, current_palette + ((first + count - n + i) & 0xFF) * 3);
    }
    rotate_pass1_src_color = first;
    rotate_pass1_dst_color = (int16_t)(first + n);
    rotate_pass1_count = (int16_t)(count - n);
    rotate_pass2_src_color = (int16_t)(first + count - n);
    rotate_pass2_dst_color = first;
    rotate_pass2_count = n;
    Clear_All_Palette_Changes();
}

uint8_t Find_Closest_Color(int16_t red, int16_t green, int16_t blue)
{
    int best = 10000;
    uint8_t result = 0;
    for (int i = 0; i < 256; ++i) {
        const uint8_t *c = current_palette + i * 3;
        int dr = std::abs(red - c[0]);
        int dg = std::abs(green - c[1]);
        int db = std::abs(blue - c[2]);
        if (dr > 20 || dg > 20 || db > 20) {
            continue;
        }
        int d = dr * dr + dg * dg + db * db;
        if (d < best) {
            best = d;
            result = (uint8_t)i;
        }
    }
    return result;
}

void Create_Remap_Palette(int16_t table, int16_t red, int16_t green, int16_t blue, int16_t percent)
{
    if (table < 0 || table >= PALETTE_REMAP_TABLES) {
        STU_LOG(SEV_ERROR, LC_ORV2, "Create_Remap_Palette: no remap table %d", table);
        return;
    }
    uint8_t *out = remap_color_palettes[table];
    if (percent == 100) {
        std::memset(out, Find_Closest_Color(red, green, blue), 256);
        return;
    }
    if (percent <= 0 || percent > 100) {
        for (int i = 0; i < 256; ++i) {
            out[i] = (uint8_t)i;
        }
        return;
    }
    int m = percent * 256 / 100;
    int o = (100 - percent) * 256 / 100;
    // Only colours marked changed are recomputed; the others keep the entry they already have.
    for (int i = 0; i < 256; ++i) {
        if (palette_flags[i] == 0) {
            continue;
        }
        const uint8_t *c = current_palette + i * 3;
        out[i] =
            Find_Closest_Color((int16_t)(red * m / 256 + c[0] * o / 256), (int16_t)(green * m / 256 + c[1] * o / 256),
                               (int16_t)(blue * m / 256 + c[2] * o / 256));
    }
}

void Update_Remap_Gray_Palette(void) { Create_Remap_Palette(0, 0, 0, 0, 50); }

void Update_Remap_Color_Range(int16_t first, int16_t last)
{
    if (first > last) {
        int16_t t = first;
        first = last;
        last = t;
    }
    if (first < 0) {
        first = 0;
    }
    if (last > PALETTE_REMAP_TABLES - 1) {
        last = PALETTE_REMAP_TABLES - 1;
    }
    if (first == 0) {
        Update_Remap_Gray_Palette();
        first = 1;
    }
    for (int t = first; t <= last; ++t) {
        if (remap_colors == nullptr) {
            break;
        }
        const uint8_t *recipe = remap_colors + t * 4;
        Create_Remap_Palette((int16_t)t, recipe[0], recipe[1], recipe[2], recipe[3]);
    }
}

void Calculate_Remap_Colors(void) { Update_Remap_Color_Range(0, PALETTE_REMAP_TABLES - 1); }
