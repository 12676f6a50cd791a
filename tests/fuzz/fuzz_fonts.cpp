// Font images as FONTS.LBX entries 0 and 1 hold them (the styles' heights, spacings, widths and
// glyph offsets, then the glyph data; the border styles), laid over the program's own image and
// put through one of the printers, the outlined and shadowed styles or the paragraph layout. The
// glyph offsets and widths may name anything: nothing may be read or written outside the font
// image or the page.
#include <SDL.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "Font_Image.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Glyph_Rows.h"
#include "Init_Drivers.h"
#include "Palette.h"
#include "Paragraph.h"
#include "Video.h"

namespace {
uint8_t m_page[SCREEN_SIZE];
uint8_t m_sets[256];
}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    SDL_Init(SDL_INIT_EVENTS);
    Init_Drivers(-1, 0, nullptr);
    return 0;
}

// Byte 0: the style and colours, byte 1: where the text goes and the printer; then entry 0 (cut
// at its size), then entry 1.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2) return 0;
    current_video_page = m_page;
    for (int i = 0; i < 256; ++i) m_sets[i] = (uint8_t)i;
    font_colors = m_sets;
    const uint8_t *p = data + 2;
    size_t left = size - 2;
    size_t font = left < (size_t)FONTS_LBX_ENTRY_0_SIZE ? left : (size_t)FONTS_LBX_ENTRY_0_SIZE;
    std::memcpy(font_style_data, FONTS_LBX_ENTRY_0(), FONTS_LBX_ENTRY_0_SIZE);
    std::memcpy(font_style_data, p, font);
    Glyph_Rows_Forget_All();
    size_t border = left - font < (size_t)FONTS_LBX_ENTRY_1_SIZE ? left - font : (size_t)FONTS_LBX_ENTRY_1_SIZE;
    std::memcpy(border_style_data, FONTS_LBX_ENTRY_1(), FONTS_LBX_ENTRY_1_SIZE);
    std::memcpy(border_style_data, p + font, border);

    uint8_t style = data[0];
    int16_t x = (int16_t)(data[1] & 0x7F), y = (int16_t)(data[1] >> 1);
    char text[] = "Tolva \x01 0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz !?.,:;'\"()-+/%\x02 "
                  "\x7f\x80\x9f\xa0\xff end";
    switch ((style >> 3) % 4) {
    case 0: Set_Font_Style((int16_t)(style & 7), style >> 4, 1, 2); break;
    case 1: Set_Font_Style_Outline_Heavy((int16_t)(style & 7), style >> 4, 1, 2); break;
    case 2: Set_Font_Style_Shadow_Down((int16_t)(style & 7), style >> 4, 1, 2); break;
    default: Set_Font_Style_Outline((int16_t)(style & 7), style >> 4, 1, 2); break;
    }
    // One printer per input: a damaged font's glyphs are large, and each is drawn pixel by pixel.
    Get_String_Width(text);
    std::vector<char> copy(text, text + sizeof text);
    switch (data[1] % 5) {
    case 0: Print(x, y, text); break;
    case 1: Print_Centered(160, y, text); break;
    case 2: Print_Right(319, y, text); break;
    case 3:
        Set_Window(20, 20, 300, 180);
        Clipped_Print((int16_t)(x - 40), y, text);
        Reset_Window();
        break;
    default:
        Print_Paragraph(x, y, 120, copy.data(), (int16_t)(style & 3));
        Get_Paragraph_Max_Height(120, copy.data());
        break;
    }
    return 0;
}
