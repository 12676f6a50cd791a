#include "Expanding_Box.h"

#include <cstring>

#include "Bitmap_Transforms.h"
#include "EMM.h"
#include "Pictures.h"
#include "STU_LE.h"

// The game's allocation defines the real block; this one stands only in programs without it.
__attribute__((weak)) uint8_t *_screen_seg = nullptr;

int16_t _draw_expanding_box = 0;
int16_t expanding_box_x1 = 0, expanding_box_y1 = 0, expanding_box_x2 = 0, expanding_box_y2 = 0;
int16_t expanding_origin_x1 = 0, expanding_origin_y1 = 0, expanding_origin_x2 = 0, expanding_origin_y2 = 0;
int16_t m_item_view_grow_stage = 1;

namespace {
constexpr uint16_t PRIVATE_BLOCK_PARAGRAPHS = 4095;
SAMB_ptr m_private_block = nullptr;
}  // namespace

SAMB_ptr Box_Picture_Block(void)
{
    if (_screen_seg != nullptr) return _screen_seg;
    if (m_private_block == nullptr) m_private_block = Allocate_Space(PRIVATE_BLOCK_PARAGRAPHS);
    return m_private_block;
}

void Save_ScreenSeg(void)
{
    if (_screen_seg == nullptr) return;
    if (_VGAFILEH_seg == nullptr) EMS_Startup();
    if (_VGAFILEH_seg == nullptr) return;
    uint32_t bytes = ((uint32_t)SAMB_Size(_screen_seg) + 1) * 16;
    if (bytes > SCREEN_SEG_SAVE_BYTES) bytes = SCREEN_SEG_SAVE_BYTES;
    std::memcpy(_VGAFILEH_seg + SCREEN_SEG_SAVE_OFFSET, _screen_seg, bytes);
}

void Restore_ScreenSeg(void)
{
    if (_screen_seg == nullptr || _VGAFILEH_seg == nullptr) return;
    uint32_t bytes = ((uint32_t)SAMB_Size(_screen_seg) + 1) * 16;
    if (bytes > SCREEN_SEG_SAVE_BYTES) bytes = SCREEN_SEG_SAVE_BYTES;
    std::memcpy(_screen_seg, _VGAFILEH_seg + SCREEN_SEG_SAVE_OFFSET, bytes);
}

void ITEM_ResetViewGrow(void) { m_item_view_grow_stage = 1; }

void Expanding_Picture_Position(int16_t start_x, int16_t start_y, uint8_t *picture, int16_t stages, int16_t *x,
                                int16_t *y)
{
    int16_t width = (int16_t)LE_U16(picture + PICTURE_WIDTH);
    int16_t height = (int16_t)LE_U16(picture + PICTURE_HEIGHT);
    int16_t e = (int16_t)(start_x - width / 2);
    int16_t target_x = e > 4 ? e : (int16_t)5;
    int16_t right_end = e > 4 ? (int16_t)(e + width - 1) : (int16_t)(width / 2 + 4);
    if (right_end >= 316) target_x = (int16_t)(316 - width);
    int16_t target_y = (int16_t)(start_y - height) > 4 ? (int16_t)(start_y - height) : (int16_t)5;
    int16_t bottom_end = (int16_t)(start_y - height) > 4 ? (int16_t)(start_y - 1) : (int16_t)(height / 2 + 4);
    if (bottom_end >= 316) target_y = (int16_t)(316 - height);
    if (stages < 1) stages = 1;
    if (m_item_view_grow_stage > stages) m_item_view_grow_stage = stages;
    if (m_item_view_grow_stage >= stages) {
        *x = target_x;
        *y = target_y;
    } else {
        int16_t stage = m_item_view_grow_stage < 1 ? (int16_t)1 : m_item_view_grow_stage;
        *x = (int16_t)(start_x + (target_x - start_x) * stage / stages);
        *y = (int16_t)(start_y + (target_y - start_y) * stage / stages);
        int16_t percent = (int16_t)(stage * 100 / stages);
        Scale_Bitmap(picture, percent, percent);
    }
    m_item_view_grow_stage = (int16_t)(m_item_view_grow_stage + 1);
}
