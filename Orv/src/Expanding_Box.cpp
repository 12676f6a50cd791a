#include "Expanding_Box.h"

#include <cstring>

#include "Bitmap_Transforms.h"
#include "Capture.h"
#include "EMM.h"
#include "Fields.h"
#include "GENDRAW.h"
#include "Input.h"
#include "Pictures.h"
#include "STU_LE.h"
#include "STU_Log.h"
#include "Video.h"
#include "random.h"

int16_t _draw_expanding_box = 0;
int16_t expanding_box_x1 = 0, expanding_box_y1 = 0, expanding_box_x2 = 0, expanding_box_y2 = 0;
int16_t expanding_origin_x1 = 0, expanding_origin_y1 = 0, expanding_origin_x2 = 0, expanding_origin_y2 = 0;
int16_t m_item_view_grow_stage = 1;

namespace {
constexpr uint16_t PRIVATE_BLOCK_PARAGRAPHS = 4095;
constexpr int LINE_PATTERN_ROWS = 4;
constexpr int LINE_PATTERN_LENGTH = 12;
SAMB_ptr m_private_block = nullptr;
const uint16_t *m_expanding_help_word = nullptr;

void Order(int16_t &low, int16_t &high)
{
    if (low > high) {
        int16_t kept = low;
        low = high;
        high = kept;
    }
}

void Swap(uint8_t &a, uint8_t &b)
{
    uint8_t kept = a;
    a = b;
    b = kept;
}

// Step i of five from the origin edge towards the target edge, truncated as the integer
// division of the original does.
int16_t Step_Edge(int16_t origin, int16_t target, int16_t step)
{
    return (int16_t)((target - origin) * step / EXPANDING_BOX_STEPS + origin);
}

int16_t Sweep_Edge(int16_t origin, int16_t target, int s, int start, int end)
{
    return (int16_t)(origin + (target - origin) * (s - start) / (end - start));
}

enum Trail_Side { SIDE_RIGHT, SIDE_BOTTOM, SIDE_LEFT, SIDE_TOP };

}  // namespace

void Expanding_Box_Register_Setting(const uint16_t *expanding_help_word)
{
    m_expanding_help_word = expanding_help_word;
}

uint16_t Expanding_Box_Setting(void) { return m_expanding_help_word != nullptr ? *m_expanding_help_word : 1; }

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

void Draw_Expanding_Box(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t origin_x1, int16_t origin_y1,
                        int16_t origin_x2, int16_t origin_y2, int16_t lines)
{
    Draw_Expanding_Box_Picture(x1, y1, x2, y2, x1, y1, x2, y2, origin_x1, origin_y1, origin_x2, origin_y2, lines);
}

void Draw_Expanding_Box_Picture(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t cap_x1, int16_t cap_y1,
                                int16_t cap_x2, int16_t cap_y2, int16_t origin_x1, int16_t origin_y1, int16_t origin_x2,
                                int16_t origin_y2, int16_t lines)
{
    _draw_expanding_box = lines;
    expanding_box_x1 = x1;
    expanding_box_y1 = y1;
    expanding_box_x2 = x2;
    expanding_box_y2 = y2;
    expanding_origin_x1 = origin_x1;
    expanding_origin_y1 = origin_y1;
    expanding_origin_x2 = origin_x2;
    expanding_origin_y2 = origin_y2;
    if (Expanding_Box_Setting() == 0) return;

    Clear_Fields();
    Order(cap_x1, cap_x2);
    Order(cap_y1, cap_y2);
    Order(origin_x1, origin_x2);
    Order(origin_y1, origin_y2);
    int32_t cap_width = cap_x2 - cap_x1 + 1;
    int32_t cap_height = cap_y2 - cap_y1 + 1;
    uint32_t bitmap_bytes = (uint32_t)(PICTURE_BITMAP_HEADER + cap_width * cap_height);
    SAMB_ptr block = Box_Picture_Block();
    if (bitmap_bytes > EXPANDING_BOX_BYTES) {
        STU_LOG(SEV_WARN, LC_ORV2, "Expanding box: area %dx%d does not fit its %u-byte bitmap; shown without growing",
                (int)cap_width, (int)cap_height, (unsigned)EXPANDING_BOX_BYTES);
        return;
    }
    if (Get_Free_Blocks(block) < EXPANDING_BOX_PARAGRAPHS + 1) {
        STU_LOG(SEV_WARN, LC_ORV2,
                "Expanding box: %u paragraphs free in the picture block, %u needed; shown without growing",
                (unsigned)Get_Free_Blocks(block), (unsigned)EXPANDING_BOX_PARAGRAPHS + 1);
        return;
    }
    if (_VGAFILEH_seg == nullptr) EMS_Startup();
    if (_VGAFILEH_seg == nullptr) return;
    Mark_Block(block);
    uint8_t *bitmap = Allocate_Next_Block(block, EXPANDING_BOX_PARAGRAPHS);
    Create_Picture((int16_t)cap_width, (int16_t)cap_height, bitmap);
    Set_Page_Off();
    Capture_Screen_Block(bitmap + PICTURE_BITMAP_HEADER, cap_x1, cap_y1, cap_x2, cap_y2);
    std::memcpy(_VGAFILEH_seg, bitmap, bitmap_bytes);

    Copy_On_To_Off_Page();
    Copy_Off_To_Back();
    for (int16_t step = 0; step < EXPANDING_BOX_STEPS; ++step) {
        Mark_Time();
        Copy_Back_To_Off();
        int16_t sx1 = Step_Edge(origin_x1, cap_x1, step), sx2 = Step_Edge(origin_x2, cap_x2, step);
        int16_t sy1 = Step_Edge(origin_y1, cap_y1, step), sy2 = Step_Edge(origin_y2, cap_y2, step);
        Order(sx1, sx2);
        Order(sy1, sy2);
        int32_t x_percent = (sx2 - sx1 + 1) * 100 / cap_width;
        int32_t y_percent = (sy2 - sy1 + 1) * 100 / cap_height;
        // An origin larger than the captured area would enlarge the bitmap; it may do so only
        // within the carved block.
        int32_t grown_width = cap_width * (x_percent > 100 ? x_percent : 100) / 100;
        int32_t grown_height = cap_height * (y_percent > 100 ? y_percent : 100) / 100;
        if ((uint32_t)(PICTURE_BITMAP_HEADER + grown_width * grown_height) > EXPANDING_BOX_BYTES) {
            if (x_percent > 100) x_percent = 100;
            if (y_percent > 100) y_percent = 100;
        }
        Scale_Bitmap(bitmap, (int16_t)x_percent, (int16_t)y_percent);
        int16_t dx1 = Step_Edge(origin_x1, x1, step), dx2 = Step_Edge(origin_x2, x2, step);
        int16_t dy1 = Step_Edge(origin_y1, y1, step), dy2 = Step_Edge(origin_y2, y2, step);
        Order(dx1, dx2);
        Order(dy1, dy2);
        if (step > 0 && lines != 0)
            Draw_Expanding_Box_Lines(origin_x1, origin_y1, origin_x2, origin_y2, dx1, dy1, dx2, dy2, 180, 181, 185, 186,
                                     187, 186);
        Draw_Picture(dx1, dy1, bitmap);
        Toggle_Pages();
        if (step != EXPANDING_BOX_STEPS - 1) std::memcpy(bitmap, _VGAFILEH_seg, bitmap_bytes);
        Release_Time(1);
    }
    Release_Block(block);
}

void Draw_Expanding_Box_Lines(int16_t origin_x1, int16_t origin_y1, int16_t origin_x2, int16_t origin_y2, int16_t x1,
                              int16_t y1, int16_t x2, int16_t y2, uint8_t c1, uint8_t c2, uint8_t c3, uint8_t c4,
                              uint8_t c5, uint8_t c6)
{
    Set_Page_Off();
    // Set directly rather than through Set_Random_Seed: the pop-ups redraw the trail every
    // frame, and the trail's private sequence is no new segment of the game's.
    uint32_t kept_seed = random_seed;
    random_seed = EXPANDING_LINES_SEED;

    uint8_t t1[LINE_PATTERN_ROWS][LINE_PATTERN_LENGTH];
    uint8_t t2[LINE_PATTERN_ROWS][LINE_PATTERN_LENGTH];
    uint8_t t3[LINE_PATTERN_ROWS][LINE_PATTERN_LENGTH];
    for (int j = 0; j < LINE_PATTERN_ROWS; ++j) {
        for (int i = 0; i < LINE_PATTERN_LENGTH; ++i) {
            if (RANDOM(2) == 1) {
                Swap(c1, c2);
                Swap(c3, c4);
                Swap(c5, c6);
            }
            t1[j][i] = RANDOM(4) == 1 ? c2 : c1;
            t2[j][i] = RANDOM(4) == 1 ? c4 : c3;
            t3[j][i] = RANDOM(4) == 1 ? c6 : c5;
        }
    }
    (void)t2;  // built as the original builds it, drawn with nowhere

    Order(origin_x1, origin_x2);
    Order(origin_y1, origin_y2);
    Order(x1, x2);
    Order(y1, y2);

    // Which sides a step draws: four sides (right, bottom, left, top) for the x sweeps of an
    // origin above or below the target; three for the other sweeps, leaving out the side that
    // trails behind the sweep line.
    enum Sweep { SWEEP_X_UP, SWEEP_X_DOWN, SWEEP_Y_UP, SWEEP_Y_DOWN };
    Sweep sweep;
    bool four_sides = true;
    if (origin_y1 < y1 || y2 < origin_y2) {
        if (origin_x1 < x1) {
            sweep = SWEEP_X_UP;
        } else if (x2 < origin_x2) {
            sweep = SWEEP_X_DOWN;
        } else {
            sweep = origin_y1 < y1 ? SWEEP_Y_UP : SWEEP_Y_DOWN;
            four_sides = false;
        }
    } else {
        sweep = origin_x1 < x1 ? SWEEP_X_UP : SWEEP_X_DOWN;
        four_sides = false;
    }

    static const Trail_Side all_sides[4] = {SIDE_RIGHT, SIDE_BOTTOM, SIDE_LEFT, SIDE_TOP};
    Trail_Side sides[4] = {SIDE_RIGHT, SIDE_BOTTOM, SIDE_LEFT, SIDE_TOP};
    int side_count = 4;
    if (!four_sides) {
        Trail_Side left_out = sweep == SWEEP_X_UP     ? SIDE_RIGHT
                              : sweep == SWEEP_X_DOWN ? SIDE_LEFT
                              : sweep == SWEEP_Y_UP   ? SIDE_BOTTOM
                                                      : SIDE_TOP;
        side_count = 0;
        for (Trail_Side side : all_sides)
            if (side != left_out) sides[side_count++] = side;
    }

    int start = 0, end = 0, s = 0, direction = 2;
    switch (sweep) {
    case SWEEP_X_UP:
        start = origin_x1;
        end = x1;
        s = origin_x1;
        break;
    case SWEEP_X_DOWN:
        start = origin_x2;
        end = x2;
        s = origin_x2 - 2;
        direction = -2;
        break;
    case SWEEP_Y_UP:
        start = origin_y1;
        end = y1;
        s = origin_y1;
        break;
    case SWEEP_Y_DOWN:
        start = origin_y2;
        end = y2;
        s = origin_y2 - 2;
        direction = -2;
        break;
    }
    for (; direction > 0 ? s < end : s > end; s += direction) {
        int16_t left = Sweep_Edge(origin_x1, x1, s, start, end);
        int16_t right = Sweep_Edge(origin_x2, x2, s, start, end);
        int16_t top = Sweep_Edge(origin_y1, y1, s, start, end);
        int16_t bottom = Sweep_Edge(origin_y2, y2, s, start, end);
        if (sweep == SWEEP_X_UP) left = (int16_t)s;
        if (sweep == SWEEP_X_DOWN) right = (int16_t)s;
        if (sweep == SWEEP_Y_UP) top = (int16_t)s;
        if (sweep == SWEEP_Y_DOWN) bottom = (int16_t)s;
        for (int k = 0; k < side_count; ++k) {
            const uint8_t *pattern = (k < 2 ? t3 : t1)[RANDOM(4) - 1];
            switch (sides[k]) {
            case SIDE_RIGHT: Multi_Colored_Line(right, top, right, bottom, pattern, LINE_PATTERN_LENGTH, 0); break;
            case SIDE_BOTTOM: Multi_Colored_Line(left, bottom, right, bottom, pattern, LINE_PATTERN_LENGTH, 0); break;
            case SIDE_LEFT: Multi_Colored_Line(left, top, left, bottom, pattern, LINE_PATTERN_LENGTH, 0); break;
            case SIDE_TOP: Multi_Colored_Line(left, top, right, top, pattern, LINE_PATTERN_LENGTH, 0); break;
            }
        }
    }
    random_seed = kept_seed;
}

void Redraw_Expanding_Box_Lines(void)
{
    if (_draw_expanding_box == 0) return;
    Draw_Expanding_Box_Lines(expanding_origin_x1, expanding_origin_y1, expanding_origin_x2, expanding_origin_y2,
                             expanding_box_x1, expanding_box_y1, expanding_box_x2, expanding_box_y2, 180, 181, 185, 186,
                             187, 186);
}
