// The screen-segment save that lets a modal box load its pictures into the picture scratch
// block and give it back, and the expanding-box opening effect of pop-ups.
#pragma once

#include <cstdint>

#include "Allocate.h"

// The picture scratch block. The game's world allocation carves it; engine-only programs
// (tests, tools) run with a block of their own (Box_Picture_Block).
extern uint8_t *_screen_seg;

constexpr uint32_t SCREEN_SEG_SAVE_BYTES = 65536;
constexpr uint32_t SCREEN_SEG_SAVE_OFFSET = 16384;

extern int16_t _draw_expanding_box;
extern int16_t expanding_box_x1, expanding_box_y1, expanding_box_x2, expanding_box_y2;
extern int16_t expanding_origin_x1, expanding_origin_y1, expanding_origin_x2, expanding_origin_y2;
extern int16_t m_item_view_grow_stage;

// The block boxes load their pictures into: _screen_seg, or a private one when it is absent.
SAMB_ptr Box_Picture_Block(void);

void Save_ScreenSeg(void);
void Restore_ScreenSeg(void);

void ITEM_ResetViewGrow(void);
// The item view's position for the current growth stage (the picture is scaled in place
// before the last stage).
void Expanding_Picture_Position(int16_t start_x, int16_t start_y, uint8_t *picture, int16_t stages, int16_t *x,
                                int16_t *y);
