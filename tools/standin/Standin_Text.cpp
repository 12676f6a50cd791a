#include "Standin_Text.h"

#include "Font_Image.h"
#include "STU_LE.h"

namespace {

constexpr int FIRST_GLYPH = 32;

int Glyph_Index(char c)
{
    int code = (unsigned char)c;
    if (code < FIRST_GLYPH || code >= FIRST_GLYPH + FONT_GLYPHS) code = '?';
    return code - FIRST_GLYPH;
}

// Draws one glyph's columns; returns its width.
int Draw_Glyph(Standin_Frame &frame, int x, int y, int style, char c, uint8_t ink)
{
    const uint8_t *font = FONTS_LBX_ENTRY_0();
    int glyph = Glyph_Index(c);
    int width = font[FONT_STYLE_WIDTHS + FONT_GLYPHS * style + glyph];
    size_t at = LE_U16(font + FONT_STYLE_OFFSETS + 2 * (FONT_GLYPHS * style + glyph));
    for (int column = 0; column < width; ++column) {
        int row = 0;
        while (at < (size_t)FONTS_LBX_ENTRY_0_SIZE) {
            uint8_t code = font[at++];
            if (code == GLYPH_END_COLUMN) break;
            if (code > GLYPH_END_COLUMN) {
                row += code & 0x7F;
                continue;
            }
            int run = code >> 4;
            bool visible = (code & 0x0F) != 0;
            for (int i = 0; i < run; ++i, ++row)
                if (visible) frame.Fill_Rect(x + column, y + row, x + column, y + row, ink);
        }
    }
    return width;
}

int Spacing(int style) { return LE_U16(FONTS_LBX_ENTRY_0() + FONT_STYLE_HSPACING + 2 * style); }

}  // namespace

int Standin_Text_Width(const std::string &text, int style)
{
    const uint8_t *font = FONTS_LBX_ENTRY_0();
    int width = 0;
    for (char c : text) width += font[FONT_STYLE_WIDTHS + FONT_GLYPHS * style + Glyph_Index(c)] + Spacing(style);
    return text.empty() ? 0 : width - Spacing(style);
}

int Standin_Text_Height(int style) { return LE_U16(FONTS_LBX_ENTRY_0() + FONT_STYLE_HEIGHTS + 2 * style); }

void Standin_Print(Standin_Frame &frame, int x, int y, const std::string &text, int style, uint8_t ink)
{
    if (style < 0 || style >= FONT_STYLES) Standin_Fail("no font style " + std::to_string(style));
    for (char c : text) x += Draw_Glyph(frame, x, y, style, c, ink) + Spacing(style);
}

void Standin_Print_Centred(Standin_Frame &frame, const std::string &text, int start_style, uint8_t ink)
{
    // Styles from the largest down that still read as words.
    static const int by_size[] = {5, 4, 7, 3, 2, 1, 0, 6};
    int style = -1;
    bool started = false;
    for (int candidate : by_size) {
        if (candidate == start_style) started = true;
        if (!started) continue;
        if (Standin_Text_Width(text, candidate) <= frame.width - 2 && Standin_Text_Height(candidate) <= frame.height) {
            style = candidate;
            break;
        }
    }
    if (style < 0)
        Standin_Fail("\"" + text + "\" does not fit a picture of " + std::to_string(frame.width) + " x " +
                     std::to_string(frame.height));
    int x = (frame.width - Standin_Text_Width(text, style)) / 2;
    int y = (frame.height - Standin_Text_Height(style) + 1) / 2;
    Standin_Print(frame, x, y, text, style, ink);
}

Standin_Frame Standin_Label(int width, int height, uint8_t body, uint8_t border, const std::string &text, uint8_t ink,
                            int style)
{
    Standin_Frame frame(width, height, border);
    frame.Fill_Rect(1, 1, width - 2, height - 2, body);
    if (!text.empty()) Standin_Print_Centred(frame, text, style, ink);
    return frame;
}

Bytes Standin_Thing(int width, int height, uint8_t body, const std::string &letters)
{
    return Standin_Picture({Standin_Label(width, height, body, 1, letters, 15, 4)});
}

Bytes Standin_Word_Button(int width, int height, uint8_t body, const std::string &word, int style)
{
    Standin_Frame up = Standin_Label(width, height, body, 15, word, 1, style);
    Standin_Frame down = Standin_Label(width, height, (uint8_t)(body + 2), 1, word, 15, style);
    return Standin_Picture({up, down});
}
