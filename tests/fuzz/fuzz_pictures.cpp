// Random archive pictures through the game's own load-and-draw path (the checked picture loader,
// then the player as the screens use it), random frames to the decoders, random streamed frames
// to their decoder, random text to the printers and the paragraph layout. Nothing may read or
// write outside the buffers given; the sanitizers watch. A refused picture ends the program
// through the archive error path, which the exit hook turns into an exception here.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Allocate.h"
#include "Animation.h"
#include "EMM.h"
#include "EXIT.h"
#include "File_Animation.h"
#include "Fonts.h"
#include "Fuzz_Survive.h"
#include "Fuzz_Temp_Folder.h"
#include "GENDRAW.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Palette.h"
#include "Paragraph.h"
#include "Pictures.h"
#include "STU_GRAF.h"
#include "STU_LE.h"
#include "Video.h"

namespace {

uint8_t m_page[SCREEN_SIZE];
uint8_t m_sets[256];
uint8_t m_area[EMM_SCREEN_AREA_SIZE];
std::string m_archive;
SAMB_ptr m_block = nullptr;
constexpr uint16_t BLOCK_PARAGRAPHS = 4200;

// The input as entry 0 of PICS.LBX, loaded by the checked loader into a block as the screens do.
uint8_t *Load_As_Archive_Picture(const uint8_t *entry, size_t size)
{
    std::vector<uint8_t> file(LBX_HEADER_SIZE, 0);
    LE_Put_U16(file.data(), 1);
    LE_Put_U16(file.data() + 2, LBX_SIGNATURE);
    LE_Put_U32(file.data() + LBX_HEADER_OFFSETS, LBX_HEADER_SIZE);
    LE_Put_U32(file.data() + LBX_HEADER_OFFSETS + 4, (uint32_t)(LBX_HEADER_SIZE + size));
    file.insert(file.end(), entry, entry + size);
    FILE *out = fopen(m_archive.c_str(), "wb");
    if (out == nullptr) return nullptr;
    fwrite(file.data(), 1, file.size(), out);
    fclose(out);
    LBX_Close();
    try {
        return LBX_Reload_Picture("PICS", 0, m_block);
    } catch (const Fatal_Exit &) {
        return nullptr;
    }
}

int16_t Take16(const uint8_t *&p, const uint8_t *end)
{
    if (end - p < 2) return 0;
    int16_t v = (int16_t)LE_U16(p);
    p += 2;
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::string folder = Fuzz_Temp_Folder("pictures");
    m_archive = folder + "/PICS.LBX";
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(folder.c_str());
    Exit_Set_Fatal_Hook(Throw_On_Fatal);
    Pool_Init_Guard_Mode(1);
    m_block = Allocate_Space(BLOCK_PARAGRAPHS);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    current_video_page = m_page;
    for (int i = 0; i < 256; ++i) m_sets[i] = (uint8_t)i;
    font_colors = m_sets;
    if (size < 1) return 0;
    const uint8_t *p = data + 1, *end = data + size;
    switch (data[0] % 5) {
    case 0: {  // a bare frame at a random place, plain, remapped, clipped and into a bitmap
        int16_t x = Take16(p, end), y = Take16(p, end);
        uint16_t w = (uint16_t)Take16(p, end);
        uint8_t dims = p < end ? *p++ : 0;
        std::vector<uint8_t> frame(p, end);
        FLIC_Draw_Frame(x, y, w, frame.data(), (uint32_t)frame.size());
        FLIC_Remap_Draw_Frame(x, y, w, frame.data(), (uint32_t)frame.size());
        Clipped_Draw_Frame((int16_t)(x & 0xFF), (int16_t)(y & 0x7F), (int16_t)(w & 0x1FF), 50, 3, 7, frame.data(),
                           (uint32_t)frame.size());
        int bw = 1 + (dims & 15), bh = 1 + (dims >> 4);
        std::vector<uint8_t> bitmap((size_t)16 + bw * bh);
        Create_Picture((int16_t)bw, (int16_t)bh, bitmap.data());
        Add_Picture_To_Bitmap(frame.data(), (uint32_t)frame.size(), bitmap.data());
        break;
    }
    case 1: {  // an archive picture: loaded and checked, then drawn as the screens draw it
        uint8_t *loaded = Load_As_Archive_Picture(p, (size_t)(end - p));
        if (loaded == nullptr) break;
        // Drawn from a copy of exactly the entry's size, so that a read past it is seen.
        std::vector<uint8_t> entry(loaded, loaded + lbxload_entry_length);
        uint8_t *anim = entry.data();
        uint16_t w = FLIC_Get_Width(anim), h = FLIC_Get_Height(anim);
        for (int i = 0; i < 3; ++i) FLIC_Draw((int16_t)(i * 40 - 20), (int16_t)(i * 30 - 10), anim);
        Set_Window(10, 10, 200, 150);
        Clipped_Draw(5, 5, anim);
        Reset_Window();
        Load_Palette_From_Animation(anim);
        if ((uint32_t)w * h <= 200000) {
            std::vector<uint8_t> bitmap((size_t)16 + (size_t)w * h);
            Draw_Picture_To_Bitmap(anim, bitmap.data());
            Draw_Picture_Windowed(-3, -3, bitmap.data());
        }
        Set_Animation_Frame(anim, (int16_t)(size * 7));
        FLIC_Draw(0, 0, anim);
        break;
    }
    case 2: {  // a streamed frame in the file-animation area
        uint8_t *saved = _VGAFILEH_seg;
        _VGAFILEH_seg = m_area;
        size_t n = (size_t)(end - p) < sizeof m_area ? (size_t)(end - p) : sizeof m_area;
        std::memset(m_area, 0, sizeof m_area);
        std::memcpy(m_area, p, n);
        uint8_t header[16];
        std::memcpy(header, m_area, 16);
        header[FLIC_STREAMED] = 1;
        header[FLIC_STREAM_PAGE] = (uint8_t)(data[0] >> 5);
        Draw_File_Animation_Frame_ASM(0, 0, header, (int16_t)(data[0] >> 3));
        FLIC_Load_Palette(header, (int16_t)(data[0] >> 4));
        _VGAFILEH_seg = saved;
        break;
    }
    default: {  // text through every printer and the paragraph layout
        int16_t x = Take16(p, end), y = Take16(p, end);
        uint8_t style = p < end ? *p++ : 0;
        std::vector<char> text(p, end);
        text.push_back(0);
        switch ((style >> 3) % 4) {
        case 0: Set_Font_Style((int16_t)(style & 7), style >> 4, 1, 2); break;
        case 1: Set_Font_Style_Outline_Heavy((int16_t)(style & 7), style >> 4, 1, 2); break;
        case 2: Set_Font_Style_Shadow_Down((int16_t)(style & 7), style >> 4, 1, 2); break;
        default: Set_Font_Style_Outline((int16_t)(style & 7), style >> 4, 1, 2); break;
        }
        Get_String_Width(text.data());
        Print(x, y, text.data());
        Print_Centered((int16_t)(x & 0x1FF), (int16_t)(y & 0xFF), text.data());
        Print_Full((int16_t)(x & 0xFF), (int16_t)(y & 0xFF), text.data(), (int16_t)(x >> 4));
        Set_Window(20, 20, 300, 180);
        Clipped_Print(x, (int16_t)(y & 0xFF), text.data());
        Reset_Window();
        uint8_t bitmap[16 + 60 * 20];
        Create_Picture(60, 20, bitmap);
        Print_Right_To_Bitmap((int16_t)(x & 0x7F), (int16_t)(y & 0x1F), text.data(), bitmap);
        Set_Paragraph_Exclusion_Area(100, 0, 140, 80);
        std::vector<char> copy = text;
        Print_Paragraph((int16_t)(x & 0xFF), (int16_t)(y & 0xFF), (int16_t)(1 + (x >> 8 & 0xFF)), copy.data(),
                        (int16_t)(style & 3));
        Get_Paragraph_Max_Width(150, copy.data(), (int16_t)(style & 3));
        Trim(copy.data());
        break;
    }
    }
    return 0;
}
