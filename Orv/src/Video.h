// The four 320 x 200 video pages, the choice of the page drawn on, page flips with their
// transitions, and frame pacing in timer ticks of 55 ms.
#pragma once

#include <cstdint>

constexpr int SCREEN_WIDTH = 320;
constexpr int SCREEN_HEIGHT = 200;
constexpr int SCREEN_SIZE = SCREEN_WIDTH * SCREEN_HEIGHT;
constexpr uint32_t VIDEO_PAGE_SPACING = 65536;
constexpr int VIDEO_PAGE_COUNT = 4;
constexpr uint32_t TICK_MILLISECONDS = 55;
constexpr uint32_t RELEASE_TIME_MAX_MILLISECONDS = 220;

extern uint8_t *video_page_buffer[VIDEO_PAGE_COUNT];
extern int16_t draw_page_num;
extern uint8_t *draw_page;
extern uint8_t *current_video_page;
extern int16_t screen_pixel_width;
extern int16_t screen_pixel_height;
extern int32_t screen_pixel_size;
extern int16_t _page_flip_effect;
extern int16_t _page_flip_grow_out_x;
extern int16_t _page_flip_grow_out_y;
extern int16_t _page_flip_grow_out_frames;
extern int32_t g_pageflip_dissolve_pass_delay;

extern const uint8_t Mosaic_Rnd50_Tbl[50];
extern const uint8_t Mosaic_Rnd40_Tbl[40];
extern const uint8_t Mosaic_Rnd256_Bits[256];

void Init_Video_Drivers(int16_t mode);
void Assign_Video_Function_Pointers(int16_t mode);
void Create_Screen_Buffers(void);
uint8_t *Set_Page_On(void);
uint8_t *Set_Page_Off(void);
void Page_Flip(void);
void Copy_On_To_Off_Page(void);
void Copy_Off_To_Back(void);
void Copy_Back_To_Off(void);
void Copy_Off_To_Page4(void);
void Copy_Page4_To_Off(void);
void VGA_PartCopyFromF3(int16_t dx, int16_t dy);
void VGA_ShiftCopyFromF3(int16_t dx, int16_t dy);
void Clear_Screens(void);
void Copy_Screen_To_Bitmap(uint8_t *pixels);
void PageFlip_FX(void);
void PageFlip_Dissolve(void);
void PageFlip_Wipe_Right(void);
int16_t Draw_Expanding_Bitmap(int16_t x, int16_t y, int16_t frames, uint8_t *picture);
void Fade_In(void);
void Fade_Out(void);
void s01p11_empty_function(void);
void s01p12_empty_function(void);

void Mark_Time(void);
void Release_Time(int16_t ticks);
// The millisecond time at which Release_Time(ticks) stops waiting after a mark at mark_ms.
uint64_t Release_Time_Deadline(uint64_t mark_ms, int16_t ticks);
uint64_t Video_Requested_Ticks_Total(void);

// A known picture for checking the presentation from outside: 16 x 16 swatches of 20 x 12
// pixels showing colours 0..255 row by row, and a bottom band of colour 15 with a colour-4
// marker at its left end.
void Draw_Test_Page(void);
