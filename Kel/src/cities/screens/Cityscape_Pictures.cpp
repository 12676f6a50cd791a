#include "cities/screens/Cityscape_Pictures.h"

#include "Animation.h"
#include "Pictures.h"
#include "shell/Graphics_Cache.h"

uint8_t *cityscape_scene_bitmap = nullptr;

namespace {

// clang-format off
constexpr int16_t LANDSCAPE_ENTRIES[2][NUM_CITYSCAPE_LANDSCAPES] = {
    {0, 1, 2,  3,  4,  91,  92,  93},
    {8, 9, 10, 11, 111, 113, 115, 116},
};
// clang-format on

}  // namespace

int16_t Cityscape_Landscape_Entry(int16_t plane, int what)
{
    if (what < 0 || what >= NUM_CITYSCAPE_LANDSCAPES) return -1;
    return LANDSCAPE_ENTRIES[plane == 1 ? 1 : 0][what];
}

uint8_t *Cityscape_Picture(int16_t entry)
{
    if (entry < 0 || entry >= (int16_t)(sizeof(gfx_cityscap_seg) / sizeof(gfx_cityscap_seg[0]))) return nullptr;
    return gfx_cityscap_seg[entry];
}

int Cityscape_Render(uint8_t *picture, int16_t frame, uint8_t *bitmap, uint32_t capacity)
{
    if (picture == nullptr || bitmap == nullptr || FLIC_Get_FrameCount(picture) == 0) return 0;
    uint32_t bytes = PICTURE_BITMAP_HEADER + (uint32_t)FLIC_Get_Width(picture) * FLIC_Get_Height(picture);
    if (bytes > capacity) return 0;
    if (frame >= 0) Set_Animation_Frame(picture, frame);
    Draw_Picture_To_Bitmap(picture, bitmap);
    return 1;
}
