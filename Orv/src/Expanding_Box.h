// The screen-segment save that lets a modal box load its pictures into the picture scratch
// block and give it back, the expanding-box opening effect of pop-ups with its speckled trail,
// and the item view's growth.
#pragma once

#include <cstdint>

#include "Allocate.h"

constexpr uint32_t SCREEN_SEG_SAVE_BYTES = 65536;
constexpr uint32_t SCREEN_SEG_SAVE_OFFSET = 16384;

extern int16_t _draw_expanding_box;
extern int16_t expanding_box_x1, expanding_box_y1, expanding_box_x2, expanding_box_y2;
extern int16_t expanding_origin_x1, expanding_origin_y1, expanding_origin_x2, expanding_origin_y2;
extern int16_t m_item_view_grow_stage;

// The bitmap of the growing picture is carved from the picture scratch block for the length of
// the animation; a captured area larger than it is not animated.
constexpr uint16_t EXPANDING_BOX_PARAGRAPHS = 3125;
constexpr uint32_t EXPANDING_BOX_BYTES = 50000;
constexpr int16_t EXPANDING_BOX_STEPS = 5;
// The trail's own sequence: the same speckles every time, the game's sequence untouched.
constexpr uint32_t EXPANDING_LINES_SEED = 100589;

// The game's "Expanding Help" settings word (word 17 of RAROZ.SET): non-zero animates, 0 only
// records the boxes. The engine cannot see the game's settings; start-up hands the word over.
// Unset (engine-only programs) counts as the default setting, 1.
void Expanding_Box_Register_Setting(const uint16_t *expanding_help_word);
uint16_t Expanding_Box_Setting(void);

// The block boxes load their pictures into: _screen_seg, or a private one when it is absent.
SAMB_ptr Box_Picture_Block(void);

void Save_ScreenSeg(void);
void Restore_ScreenSeg(void);

// Grows the off page's area (x1, y1)-(x2, y2) out of the origin box in five steps of one tick.
void Draw_Expanding_Box(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t origin_x1, int16_t origin_y1,
                        int16_t origin_x2, int16_t origin_y2, int16_t lines);
// The same with the picture of the off page's area cap_* growing into the target box x*, y*.
// The boxes and the lines flag are recorded first, whatever the setting.
void Draw_Expanding_Box_Picture(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t cap_x1, int16_t cap_y1,
                                int16_t cap_x2, int16_t cap_y2, int16_t origin_x1, int16_t origin_y1, int16_t origin_x2,
                                int16_t origin_y2, int16_t lines);
// The speckled trail of rectangle outlines from the origin box towards the target box, on the
// off page, in the colour pairs (c1, c2), (c3, c4), (c5, c6).
void Draw_Expanding_Box_Lines(int16_t origin_x1, int16_t origin_y1, int16_t origin_x2, int16_t origin_y2, int16_t x1,
                              int16_t y1, int16_t x2, int16_t y2, uint8_t c1, uint8_t c2, uint8_t c3, uint8_t c4,
                              uint8_t c5, uint8_t c6);
// Draws the last animation's trail again when it had one (for the pop-up's own draw routine).
void Redraw_Expanding_Box_Lines(void);

void ITEM_ResetViewGrow(void);
// The item view's position for the current growth stage (the picture is scaled in place
// before the last stage).
void Expanding_Picture_Position(int16_t start_x, int16_t start_y, uint8_t *picture, int16_t stages, int16_t *x,
                                int16_t *y);
