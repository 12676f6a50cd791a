#include <cstring>

#include "Animation.h"
#include "Font_Image.h"
#include "Palette.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "Standin.h"
#include "Video.h"

// The font image and border styles are the program's own bytes; palette 0 is the built-in
// palette; palettes 1 and later are variants of it.
Bytes Standin_Font_Image(void) { return Bytes(FONTS_LBX_ENTRY_0(), FONTS_LBX_ENTRY_0() + FONTS_LBX_ENTRY_0_SIZE); }

Bytes Standin_Border_Styles(void) { return Bytes(FONTS_LBX_ENTRY_1(), FONTS_LBX_ENTRY_1() + FONTS_LBX_ENTRY_1_SIZE); }

Bytes Standin_Builtin_Palette(void)
{
    return Bytes(Palette_Builtin_Image(), Palette_Builtin_Image() + PALETTE_DATA_SIZE);
}

// Draws every frame of a picture with the program's decoders, on a page with guard bytes
// around it and into a bitmap, and compares the result with the frames it was made from.
void Standin_Check_Picture(const Bytes &picture, const std::vector<Standin_Frame> &frames, const std::string &what)
{
    if (!FLIC_Check_Animation(picture.data(), (uint32_t)picture.size())) Standin_Fail(what + ": offsets do not fit");
    Bytes work = picture;
    int w = frames[0].width, h = frames[0].height;
    Bytes bitmap((size_t)PICTURE_BITMAP_HEADER + (size_t)w * h + 16, 0xA5);
    for (size_t f = 0; f < frames.size(); ++f) {
        Set_Animation_Frame(work.data(), (int16_t)f);
        Draw_Picture_To_Bitmap(work.data(), bitmap.data());
        for (size_t i = 0; i < 16; ++i)
            if (bitmap[bitmap.size() - 1 - i] != 0xA5) Standin_Fail(what + ": decoding wrote past the bitmap");
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y) {
                uint8_t expected = frames[f].pixels[(size_t)y * w + x];
                uint8_t got = bitmap[(size_t)PICTURE_BITMAP_HEADER + (size_t)x * h + y];
                if (picture[FLIC_WHOLE_FRAMES] != 0 && expected != got)
                    Standin_Fail(what + ": frame " + std::to_string(f) + " does not decode as drawn");
            }
    }
    Bytes page((size_t)SCREEN_SIZE + 2 * 4096, 0xA5);
    uint8_t *saved = current_video_page;
    current_video_page = page.data() + 4096;
    std::memset(current_video_page, 0, SCREEN_SIZE);
    Set_Animation_Frame(work.data(), 0);
    FLIC_Draw(0, 0, work.data());
    current_video_page = saved;
    for (size_t i = 0; i < 4096; ++i)
        if (page[i] != 0xA5 || page[page.size() - 1 - i] != 0xA5) Standin_Fail(what + ": drawing wrote off the page");
}
