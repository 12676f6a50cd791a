// Palettes of FONTS.LBX (entry n + 2 for palette n) through the palette load as every screen
// calls it, then what the game does with a palette: the colours applied and cycled, the remap
// colours calculated, the font colours and pointer images taken from it, and text printed in its
// colour sets. An archive refusal ends the program through the archive error path, which the
// exit hook turns into an exception here.
#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Allocate.h"
#include "EXIT.h"
#include "Fonts.h"
#include "Fuzz_Archive.h"
#include "Fuzz_Survive.h"
#include "Fuzz_Temp_Folder.h"
#include "Init_Drivers.h"
#include "Palette.h"
#include "STU_GRAF.h"
#include "Video.h"

namespace {
std::string m_folder;
uint8_t m_page[SCREEN_SIZE];
}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    m_folder = Fuzz_Temp_Folder("palettes");
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(m_folder.c_str());
    Exit_Set_Fatal_Hook(Throw_On_Fatal);
    SDL_Init(SDL_INIT_EVENTS);
    Init_Drivers(-1, 0, nullptr);
    return 0;
}

// Byte 0: the palette (1..7, bits 0-2; 0 is built in), byte 1: the range loaded, the colours
// cycled and (bit 7) the remap colours calculated; the rest is the entry.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2) return 0;
    current_video_page = m_page;
    int16_t n = (int16_t)(data[0] & 7);
    int16_t first = (data[1] & 1) ? -1 : (int16_t)(data[1] >> 1);
    int16_t last = (int16_t)(data[0] | 0x80);
    std::vector<std::vector<uint8_t>> entries(10);
    entries[(size_t)(n + 2)] = std::vector<uint8_t>(data + 2, data + size);
    Fuzz_Write_Archive(m_folder, "FONTS.LBX", entries);
    LBX_Close();
    Survive([&] {
        if (!Load_Palette(n, first, last)) return;
        Apply_Palette();
        // The remap search is long; one input in two makes it.
        if (data[1] & 0x80) Calculate_Remap_Colors();
        Cycle_Palette((int16_t)(data[1] % 101));
        Cycle_Palette_Color((int16_t)data[1], 40, 0, 0, 63, 0, 0, 1);
        Set_Palette_Changes(0, 255);
        Apply_Palette();
        for (int16_t style = 0; style < 8; style++) {
            Set_Font_Style(style, (int16_t)(data[1] & 15), (int16_t)(data[1] >> 4), 3);
            Print(10, (int16_t)(10 + style * 20), "Palette 0123 \x02red\x01");
        }
    });
    return 0;
}
