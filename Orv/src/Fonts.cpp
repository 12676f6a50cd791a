#include "Fonts.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "File_Animation.h"
#include "Font_Image.h"
#include "GENDRAW.h"
#include "Glyph_Rows.h"
#include "Palette.h"
#include "Pictures.h"
#include "Release.h"
#include "STU_LE.h"
#include "Video.h"

namespace {
// Until Load_Font_File carves the areas, the engine works on these copies.
uint8_t m_font_until_carved[FONTS_LBX_ENTRY_0_SIZE];
uint8_t m_intensity_until_carved[256];

uint8_t *Initial_Font_Image(void)
{
    std::memcpy(m_font_until_carved, FONTS_LBX_ENTRY_0(), FONTS_LBX_ENTRY_0_SIZE);
    return m_font_until_carved;
}
}  // namespace

uint8_t *font_style_data = Initial_Font_Image();
uint8_t *font_header = font_style_data;
uint8_t *border_style_data = nullptr;
char font_name[FONT_NAME_SIZE] = "";
uint8_t *palette_intensity_remap_table = m_intensity_until_carved;

int16_t print_xpos = 0;
int16_t print_ypos = 0;
uint8_t outline_color = 0;
int16_t draw_alias_flag = 0;

namespace {

int16_t m_current_font_style = 0;
int16_t m_current_normal_color = 0;
int16_t m_current_highlight_color = 0;
int16_t m_current_special_color = 0;
uint8_t old_alias_colors[16];
uint8_t m_old_slot_alias[4];
uint8_t *Font(void) { return font_style_data; }

// Where glyphs land: pixel (x, y) at base + x * col_step + y * row_step, only inside the
// inclusive rectangle; alias_skip leaves colour index 0 undrawn during outline passes.
struct Text_Target {
    uint8_t *base;
    int col_step, row_step;
    int x1, y1, x2, y2;
    int page;
};

Text_Target Page_Text_Target(void)
{
    return {current_video_page, 1, SCREEN_WIDTH, 0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, 1};
}

Text_Target Window_Text_Target(void)
{
    Text_Target t = Page_Text_Target();
    t.x1 = screen_window_x1 < 0 ? 0 : screen_window_x1;
    t.y1 = screen_window_y1 < 0 ? 0 : screen_window_y1;
    t.x2 = screen_window_x2 > SCREEN_WIDTH - 1 ? SCREEN_WIDTH - 1 : screen_window_x2;
    t.y2 = screen_window_y2 > SCREEN_HEIGHT - 1 ? SCREEN_HEIGHT - 1 : screen_window_y2;
    t.page = 0;
    return t;
}

Text_Target Bitmap_Text_Target(uint8_t *bitmap)
{
    int w = LE_U16(bitmap + PICTURE_WIDTH);
    int h = LE_U16(bitmap + PICTURE_HEIGHT);
    return {bitmap + PICTURE_BITMAP_HEADER, h, 1, 0, 0, w - 1, h - 1, 0};
}

// Draws one character with its top left at (x, y) and returns the pen after it.
int Print_Glyph(const Text_Target &t, int x, int y, uint8_t ch)
{
    uint8_t *font = Font();
    if (ch < 32 || ch > 126) return x;
    int width = font[FONT_CURRENT_WIDTHS + ch - 32];
    int spacing = (int16_t)LE_U16(font + FONT_HORIZONTAL_SPACING);
    uint32_t at = LE_U16(font + FONT_CURRENT_OFFSETS + 2 * (ch - 32));
    if (t.base == current_video_page && t.col_step == 1 && t.row_step == SCREEN_WIDTH &&
        Glyph_Rows_Draw(font, FONTS_LBX_ENTRY_0_SIZE, at, width, font + FONT_CURRENT_COLORS, draw_alias_flag && t.page,
                        t.base, x, y, t.x1, t.y1, t.x2, t.y2))
        return x + spacing + width;
    for (int c = 0; c < width; ++c) {
        int px = x + c;
        int row = y;
        while (at < (uint32_t)FONTS_LBX_ENTRY_0_SIZE) {
            uint8_t b = font[at++];
            if (b == GLYPH_END_COLUMN) break;
            if (b > GLYPH_END_COLUMN) {
                row += b & 0x7F;
                continue;
            }
            int n = b >> 4;
            int index = b & 15;
            if (index == 0 && draw_alias_flag && t.page) {
                row += n;
                continue;
            }
            uint8_t color = font[FONT_CURRENT_COLORS + index];
            for (int k = 0; k < n; ++k, ++row)
                if (px >= t.x1 && px <= t.x2 && row >= t.y1 && row <= t.y2)
                    t.base[px * t.col_step + row * t.row_step] = color;
        }
    }
    return x + spacing + width;
}

bool Ends_Measure(uint8_t ch)
{
    return ch == TEXT_END || ch == TEXT_LINE_BREAK || ch == TEXT_LINE_BREAK_2 || ch == TEXT_STOP || ch == TEXT_TAB ||
           ch == TEXT_TAB_2;
}

struct Justify {
    int each = 0;   // pixels every blank adds
    int extra = 0;  // the first this many blanks add one more
};

Justify Plan_Justify(const char *text, int16_t width)
{
    Justify j;
    if (width & 0x8000) return j;
    int blanks = 0;
    for (const uint8_t *p = (const uint8_t *)text; !Ends_Measure(*p); ++p)
        if (*p == ' ') ++blanks;
    int extra = width - Get_String_Width(text);
    if (blanks > 0 && extra > 0) {
        j.each = extra / blanks;
        j.extra = extra % blanks;
    }
    return j;
}

// The string printer: control codes, then every byte to the glyph printer. Colour codes act
// only when colours are honoured (the final pass).
int Print_String(const Text_Target &t, int x, int y, const char *text, int colours, const Justify &justify)
{
    const uint8_t *p = (const uint8_t *)text;
    int start_x = x;
    int blank = 0;
    int line_feed = (int16_t)LE_U16(Font() + FONT_LINE_FEED);
    for (;; ++p) {
        uint8_t ch = *p;
        if (ch == TEXT_END || ch == TEXT_STOP) break;
        switch (ch) {
        case TEXT_NORMAL_COLORS:
            if (colours) Set_Normal_Colors_On();
            continue;
        case TEXT_HIGHLIGHT_COLORS:
        case TEXT_HIGHLIGHT_COLORS_2:
            if (colours) Set_Highlight_Colors_On();
            continue;
        case TEXT_SPECIAL_COLORS:
            if (colours) Set_Special_Colors_On();
            continue;
        case TEXT_LINE_BREAK:
        case TEXT_LINE_BREAK_2:
            y += line_feed;
            x = start_x;
            continue;
        case TEXT_TAB:
        case TEXT_TAB_2:
            // The position byte follows; a text ending here has none to read.
            if (p[1] == TEXT_END) return x;
            ++p;
            x = start_x + (int8_t)*p;
            continue;
        default: break;
        }
        x = Print_Glyph(t, x, y, ch);
        if (ch == ' ' && (justify.each > 0 || justify.extra > 0)) {
            x += justify.each + (blank < justify.extra ? 1 : 0);
            ++blank;
        }
    }
    return x;
}

struct Offset {
    int dx, dy;
};

// Shadow and outline passes, then the coloured pass.
int Print_Passes(const Text_Target &t, int x, int y, const char *text, int16_t width)
{
    uint8_t *font = Font();
    Justify justify = Plan_Justify(text, width);
    int mode = font[FONT_DRAW_MODE];
    if (mode != 0) {
        static const Offset PASS1[3] = {{1, 1}, {0, 1}, {1, 0}};
        static const Offset PASS2[3] = {{-1, 0}, {-1, -1}, {0, -1}};
        static const Offset PASS3[3] = {{2, 2}, {1, 2}, {2, 1}};
        static const Offset PASS4[2] = {{1, -1}, {-1, 1}};
        static const Offset PASS5[2] = {{2, 0}, {0, 2}};
        std::memset(font + FONT_CURRENT_COLORS, outline_color, 16);
        draw_alias_flag = 1;
        auto run = [&](const Offset *offsets, int count) {
            for (int i = 0; i < count; ++i) Print_String(t, x + offsets[i].dx, y + offsets[i].dy, text, 0, justify);
        };
        if (mode != 2) run(PASS1, 3);
        if (mode != 1 && mode != 3) run(PASS2, 3);
        if (mode == 3 || mode == 5) run(PASS3, 3);
        if (mode == 4 || mode == 5) run(PASS4, 2);
        if (mode == 5) run(PASS5, 2);
        Set_Color_Set(font[FONT_COLOR_SET]);
        draw_alias_flag = 0;
    }
    int end = Print_String(t, x, y, text, 1, justify);
    print_xpos = (int16_t)end;
    print_ypos = (int16_t)y;
    return end;
}

// Far texts are copied into the near buffer's first 256 bytes, cut to fit.
const char *Near_Copy(const char *text)
{
    char *buffer = (char *)near_buffer;
    snprintf(buffer, NEAR_BUFFER_START, "%s", text);
    return buffer;
}

int Clipped_Print_String(int x, int y, const char *text)
{
    uint8_t *font = Font();
    int height = (int16_t)LE_U16(font + FONT_CURRENT_HEIGHT);
    int width = Get_String_Width(text);
    if (y > screen_window_y2 || y + height < screen_window_y1) return 0;
    if (x > screen_window_x2) return x;
    if (x + width < screen_window_x1) return x + width;
    Text_Target t = Window_Text_Target();
    for (const uint8_t *p = (const uint8_t *)text; *p != TEXT_END; ++p) {
        uint8_t ch = *p;
        if (ch == TEXT_LINE_BREAK) break;
        if (ch == TEXT_NORMAL_COLORS) {
            Set_Normal_Colors_On();
        } else if (ch == TEXT_HIGHLIGHT_COLORS || ch == TEXT_HIGHLIGHT_COLORS_2) {
            Set_Highlight_Colors_On();
        } else if (ch == TEXT_SPECIAL_COLORS) {
            Set_Special_Colors_On();
        } else {
            x = Print_Glyph(t, x, y, ch);
        }
    }
    return x;
}

int Clipped_Print_Display(int x, int y, const char *text)
{
    uint8_t *font = Font();
    int mode = font[FONT_DRAW_MODE];
    if (mode != 0) {
        static const Offset PASSES[13] = {{1, 1}, {0, 1}, {1, 0},  {-1, 0}, {-1, -1}, {0, -1}, {2, 2},
                                          {1, 2}, {2, 1}, {1, -1}, {-1, 1}, {2, 0},   {0, 2}};
        std::memset(font + FONT_CURRENT_COLORS, outline_color, 16);
        draw_alias_flag = 1;
        for (int i = 0; i < 13; ++i) {
            bool on = (i < 3 && mode != 2) || (i >= 3 && i < 6 && mode != 1 && mode != 3) ||
                      (i >= 6 && i < 9 && (mode == 3 || mode == 5)) || (i >= 9 && i < 11 && (mode == 4 || mode == 5)) ||
                      (i >= 11 && mode == 5);
            if (on) {
                // Outline passes must not switch colours: only glyph bytes are drawn.
                char plain[256];
                int n = 0;
                for (const uint8_t *p = (const uint8_t *)text; *p && *p != TEXT_LINE_BREAK && n < 255; ++p)
                    if (*p > TEXT_HIGHLIGHT_COLORS_2) plain[n++] = (char)*p;
                plain[n] = 0;
                Clipped_Print_String(x + PASSES[i].dx, y + PASSES[i].dy, plain);
            }
        }
        Set_Color_Set(font[FONT_COLOR_SET]);
        draw_alias_flag = 0;
    }
    return Clipped_Print_String(x, y, text);
}

}  // namespace

// ---- set-up and state ----

void Load_Font_File(const char *name)
{
    snprintf(font_name, sizeof font_name, "%s", name == nullptr ? "" : name);
    font_style_data = Allocate_Space_No_Header(FONT_STYLE_PARAGRAPHS);
    font_header = font_style_data;
    std::memcpy(font_style_data, FONTS_LBX_ENTRY_0(), FONTS_LBX_ENTRY_0_SIZE);
    Glyph_Rows_Forget_All();
    border_style_data = Allocate_Space_No_Header(BORDER_STYLE_PARAGRAPHS);
    std::memcpy(border_style_data, FONTS_LBX_ENTRY_1(), FONTS_LBX_ENTRY_1_SIZE);

    if (palette_block == nullptr) palette_block = Allocate_Space(PALETTE_BLOCK_PARAGRAPHS);
    // The current palette and its change flags stay in the palette module's own storage: the
    // platform layer holds their address from video start-up on.
    file_animation_header = Allocate_Space_No_Header(2);
    std::memset(file_animation_header, 0, 32);
    palette_intensity_remap_table = Allocate_Space_No_Header(96);
    std::memset(current_palette, 0, 768);
    std::memset(palette_flags, 1, 256);
}

void Set_Font_Style(int16_t style, int16_t normal, int16_t highlight, int16_t special)
{
    uint8_t *font = Font();
    if (style < 0 || style >= FONT_STYLES) style = 0;
    if (normal < 0 || normal > 15) normal = 0;
    if (highlight < 0 || highlight > 15) highlight = 0;
    if (special < 0 || special > 15) special = 0;
    m_current_font_style = style;
    m_current_normal_color = normal;
    m_current_highlight_color = highlight;
    m_current_special_color = special;
    if (font_colors != nullptr) {
        std::memcpy(font + FONT_CURRENT_COLORS, font_colors + normal * 16, 16);
        std::memcpy(font + FONT_SET_SLOTS + 0, font_colors + normal * 16, 16);
        std::memcpy(font + FONT_SET_SLOTS + 16, font_colors + highlight * 16, 16);
        std::memcpy(font + FONT_SET_SLOTS + 32, font_colors + special * 16, 16);
    }
    font[FONT_COLOR_SET] = 0;
    uint16_t height = LE_U16(font + FONT_STYLE_HEIGHTS + 2 * style);
    uint16_t vspacing = LE_U16(font + FONT_STYLE_VSPACING + 2 * style);
    LE_Put_U16(font + FONT_CURRENT_HEIGHT, height);
    LE_Put_U16(font + FONT_HORIZONTAL_SPACING, LE_U16(font + FONT_STYLE_HSPACING + 2 * style));
    LE_Put_U16(font + FONT_VERTICAL_SPACING, vspacing);
    LE_Put_U16(font + FONT_LINE_FEED, (uint16_t)(height + vspacing));
    std::memcpy(font + FONT_CURRENT_WIDTHS, font + FONT_STYLE_WIDTHS + FONT_GLYPHS * style, FONT_GLYPHS);
    std::memcpy(font + FONT_CURRENT_OFFSETS, font + FONT_STYLE_OFFSETS + 2 * FONT_GLYPHS * style, 2 * FONT_GLYPHS);
    font[FONT_DRAW_MODE] = 0;
}

namespace {
void Set_Font_Style_Mode(int16_t style, int16_t normal, int16_t highlight, int16_t special, uint8_t mode)
{
    Set_Font_Style(style, normal, highlight, special);
    Font()[FONT_DRAW_MODE] = mode;
}
}  // namespace

void Set_Font_Style_Shadow_Down(int16_t style, int16_t normal, int16_t highlight, int16_t special)
{
    Set_Font_Style_Mode(style, normal, highlight, special, 1);
}
void Set_Font_Style_Shadow_Up(int16_t style, int16_t normal, int16_t highlight, int16_t special)
{
    Set_Font_Style_Mode(style, normal, highlight, special, 2);
}
void Set_Font_Style_Outline(int16_t style, int16_t normal, int16_t highlight, int16_t special)
{
    Set_Font_Style_Mode(style, normal, highlight, special, 4);
}
void Set_Font_Style_Outline_Heavy(int16_t style, int16_t normal, int16_t highlight, int16_t special)
{
    Set_Font_Style_Mode(style, normal, highlight, special, 5);
}

void Set_Font_Colors_15(int16_t style, const uint8_t *colors)
{
    if (font_colors != nullptr) std::memcpy(font_colors + 15 * 16, colors, 16);
    Set_Font_Style(style, 15, 0, 0);
}

void Set_Outline_Color(uint8_t color) { outline_color = color; }

void Set_Font_LF(int16_t n)
{
    uint8_t *font = Font();
    LE_Put_U16(font + FONT_LINE_FEED, (uint16_t)(LE_U16(font + FONT_CURRENT_HEIGHT) + n));
}

void Set_Font_Spacing(int16_t n) { LE_Put_U16(Font() + FONT_HORIZONTAL_SPACING, (uint16_t)n); }

void Set_Font_Spacing_Width(int16_t n) { Font()[FONT_CURRENT_WIDTHS] = (uint8_t)n; }

void Set_Alias_Color(uint8_t color)
{
    uint8_t *font = Font();
    if (font_colors != nullptr)
        for (int s = 0; s < 16; ++s) font_colors[s * 16] = color;
    font[FONT_CURRENT_COLORS] = color;
    for (int slot = 0; slot < 3; ++slot) font[FONT_SET_SLOTS + slot * 16] = color;
}

void Save_Alias_Colors(void)
{
    uint8_t *font = Font();
    if (font_colors != nullptr)
        for (int s = 0; s < 16; ++s) old_alias_colors[s] = font_colors[s * 16];
    m_old_slot_alias[0] = font[FONT_CURRENT_COLORS];
    for (int slot = 0; slot < 3; ++slot) m_old_slot_alias[1 + slot] = font[FONT_SET_SLOTS + slot * 16];
}

void Restore_Alias_Colors(void)
{
    uint8_t *font = Font();
    if (font_colors != nullptr)
        for (int s = 0; s < 16; ++s) font_colors[s * 16] = old_alias_colors[s];
    font[FONT_CURRENT_COLORS] = m_old_slot_alias[0];
    for (int slot = 0; slot < 3; ++slot) font[FONT_SET_SLOTS + slot * 16] = m_old_slot_alias[1 + slot];
}

void Set_Color_Set(int16_t n)
{
    uint8_t *font = Font();
    if (n < 0 || n > 2) n = 0;
    std::memcpy(font + FONT_CURRENT_COLORS, font + FONT_SET_SLOTS + n * 16, 16);
    font[FONT_COLOR_SET] = (uint8_t)n;
}

void Set_Normal_Colors_On(void) { Set_Color_Set(0); }
void Set_Highlight_Colors_On(void) { Set_Color_Set(Font()[FONT_COLOR_SET] == 1 ? 0 : 1); }
void Set_Special_Colors_On(void) { Set_Color_Set(2); }

int16_t Get_Current_Font_Style(void) { return m_current_font_style; }
int16_t Get_Current_Normal_Color(void) { return m_current_normal_color; }
int16_t Get_Current_Highlight_Color(void) { return m_current_highlight_color; }
int16_t Get_Current_Special_Color(void) { return m_current_special_color; }
int16_t Get_Font_Height(void) { return (int16_t)LE_U16(Font() + FONT_CURRENT_HEIGHT); }
int16_t Get_Font_Vertical_Spacing(void) { return (int16_t)LE_U16(Font() + FONT_VERTICAL_SPACING); }

int16_t Get_String_Width(const char *text)
{
    uint8_t *font = Font();
    int spacing = (int16_t)LE_U16(font + FONT_HORIZONTAL_SPACING);
    int width = 0;
    for (const uint8_t *p = (const uint8_t *)text; !Ends_Measure(*p); ++p)
        if (*p >= 32 && *p <= 127) width += font[FONT_CURRENT_WIDTHS + *p - 32] + spacing;
    return (int16_t)(width - spacing);
}

// ---- printing ----

int16_t Print_Display(int16_t x, int16_t y, const char *text, int16_t width)
{
    return (int16_t)Print_Passes(Page_Text_Target(), x, y, text, width);
}

int16_t Print(int16_t x, int16_t y, const char *text) { return Print_Display(x, y, text, (int16_t)0x8000); }

int16_t Print_Centered(int16_t x, int16_t y, const char *text)
{
    return Print((int16_t)(x + Get_String_Width(text) / -2), y, text);
}

int16_t Print_Right(int16_t x, int16_t y, const char *text)
{
    return Print((int16_t)(x - Get_String_Width(text) + 1), y, text);
}

int16_t Print_Full(int16_t x, int16_t y, const char *text, int16_t width) { return Print_Display(x, y, text, width); }

int16_t Print_Integer(int16_t x, int16_t y, int16_t value)
{
    char buffer[8];
    snprintf(buffer, sizeof buffer, "%d", (int)value);
    return Print(x, y, buffer);
}

int16_t Print_Integer_Right(int16_t x, int16_t y, int16_t value)
{
    char buffer[8];
    snprintf(buffer, sizeof buffer, "%d", (int)value);
    return Print_Right(x, y, buffer);
}

int16_t Print_Integer_Centered(int16_t x, int16_t y, int16_t value)
{
    char buffer[8];
    snprintf(buffer, sizeof buffer, "%d", (int)value);
    return Print_Centered(x, y, buffer);
}

int16_t Print_Far(int16_t x, int16_t y, const char *text) { return Print(x, y, Near_Copy(text)); }

int16_t Print_Centered_Far(int16_t x, int16_t y, const char *text) { return Print_Centered(x, y, Near_Copy(text)); }

int16_t Clipped_Print(int16_t x, int16_t y, const char *text) { return (int16_t)Clipped_Print_Display(x, y, text); }

int16_t Clipped_Print_Centered(int16_t x, int16_t y, const char *text)
{
    return Clipped_Print((int16_t)(x + Get_String_Width(text) / -2), y, text);
}

int16_t Clipped_Print_Right(int16_t x, int16_t y, const char *text)
{
    return Clipped_Print((int16_t)(x - Get_String_Width(text) + 1), y, text);
}

int16_t Clipped_Print_Integer(int16_t x, int16_t y, int16_t value)
{
    char buffer[8];
    snprintf(buffer, sizeof buffer, "%d", (int)value);
    return Clipped_Print(x, y, buffer);
}

int16_t Clipped_Print_Far(int16_t x, int16_t y, const char *text) { return Clipped_Print(x, y, Near_Copy(text)); }

int16_t Print_Full_To_Bitmap(int16_t x, int16_t y, const char *text, int16_t width, uint8_t *bitmap)
{
    return (int16_t)Print_Passes(Bitmap_Text_Target(bitmap), x, y, text, width);
}

int16_t Print_To_Bitmap(int16_t x, int16_t y, const char *text, uint8_t *bitmap)
{
    return Print_Full_To_Bitmap(x, y, text, (int16_t)0x8000, bitmap);
}

int16_t Print_Centered_To_Bitmap(int16_t x, int16_t y, const char *text, uint8_t *bitmap)
{
    return Print_To_Bitmap((int16_t)(x + Get_String_Width(text) / -2), y, text, bitmap);
}

// One column further left than Print_Right: a faithful difference between the two.
int16_t Print_Right_To_Bitmap(int16_t x, int16_t y, const char *text, uint8_t *bitmap)
{
    return Print_To_Bitmap((int16_t)(x - Get_String_Width(text)), y, text, bitmap);
}

int16_t Print_To_Bitmap_Far(int16_t x, int16_t y, const char *text, uint8_t *bitmap)
{
    return Print_To_Bitmap(x, y, Near_Copy(text), bitmap);
}

int16_t Trim(char *text)
{
    size_t lead = 0;
    while (text[lead] == ' ') ++lead;
    size_t length = std::strlen(text + lead);
    std::memmove(text, text + lead, length + 1);
    if (length == 0 || text[length - 1] != ' ') return -1;
    text[length - 1] = 0;
    return (int16_t)(length - 1);
}

void String_Copy_Far(char *destination, const char *source) { std::strcpy(destination, source); }

void Disp_PSTR(int16_t x, int16_t y, const char *text)
{
    if (release_flag) return;
    Print(x, y, text);
}
void DBG_Disp_PSTR(int16_t x, int16_t y, const char *text) { Disp_PSTR(x, y, text); }
void ST_PSTR(int16_t x, int16_t y, const char *text) { Disp_PSTR(x, y, text); }
void ST_PSTRM(int16_t x, int16_t y, const char *text) { Disp_PSTR(x, y, text); }
