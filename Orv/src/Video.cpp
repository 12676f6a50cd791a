#include "Video.h"

#include <cstring>

#include "Bitmap_Transforms.h"
#include "Expanding_Box.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "Mouse.h"
#include "PFL_Perf.h"
#include "Palette.h"
#include "Pictures.h"
#include "sdl2_PFL.h"
#include "sdl2_Video.h"

namespace {
// One zeroed block of four pages at 64 KB spacing; 64,000 bytes of each are used.
alignas(16) uint8_t m_screen_block[VIDEO_PAGE_COUNT * VIDEO_PAGE_SPACING];
uint64_t m_mark_time_ms = 0;
uint32_t m_mark_clock = 0;
uint64_t m_requested_ticks_total = 0;
}  // namespace

uint8_t *video_page_buffer[VIDEO_PAGE_COUNT] = {m_screen_block, m_screen_block + VIDEO_PAGE_SPACING,
                                                m_screen_block + 2 * VIDEO_PAGE_SPACING,
                                                m_screen_block + 3 * VIDEO_PAGE_SPACING};
int16_t draw_page_num = 0;
uint8_t *draw_page = m_screen_block;
uint8_t *current_video_page = m_screen_block + VIDEO_PAGE_SPACING;
int16_t screen_pixel_width = SCREEN_WIDTH;
int16_t screen_pixel_height = SCREEN_HEIGHT;
int32_t screen_pixel_size = SCREEN_SIZE;
int16_t _page_flip_effect = 0;
int16_t _page_flip_grow_out_x = 0;
int16_t _page_flip_grow_out_y = 0;
int16_t _page_flip_grow_out_frames = 0;
int32_t g_pageflip_dissolve_pass_delay = 0;

const uint8_t Mosaic_Rnd50_Tbl[50] = {
    0,  3,  30, 18, 28, 22, 29, 12, 34, 47, 31, 32, 7,  49, 46, 14, 38, 43, 35, 40, 11, 9,  36, 4,  33,
    26, 39, 15, 5,  21, 2,  16, 25, 10, 48, 13, 24, 37, 17, 19, 44, 6,  8,  20, 1,  23, 41, 27, 45, 42,
};
const uint8_t Mosaic_Rnd40_Tbl[40] = {
    2,  9,  30, 38, 13, 27, 31, 1,  19, 8,  24, 36, 37, 26, 0, 11, 23, 32, 22, 12,
    16, 20, 29, 18, 28, 7,  10, 35, 14, 25, 5,  33, 15, 21, 4, 17, 6,  3,  39, 34,
};
const uint8_t Mosaic_Rnd256_Bits[256] = {
    2, 2, 2, 1, 1, 3, 0, 3, 3, 2, 0, 1, 3, 3, 1, 3, 3, 0, 3, 1, 2, 3, 0, 2, 1, 1, 2, 2, 1, 1, 3, 3, 2, 3, 3, 0, 2,
    3, 0, 2, 0, 3, 2, 0, 2, 0, 0, 3, 1, 0, 1, 1, 1, 3, 3, 1, 1, 0, 0, 2, 1, 1, 2, 1, 0, 0, 0, 3, 3, 1, 1, 2, 2, 1,
    2, 2, 0, 2, 3, 1, 2, 2, 2, 0, 0, 0, 1, 1, 0, 2, 0, 3, 2, 2, 1, 0, 3, 1, 2, 3, 0, 0, 1, 0, 2, 2, 3, 2, 1, 1, 2,
    2, 0, 3, 0, 0, 2, 0, 0, 3, 3, 1, 2, 1, 0, 0, 1, 3, 1, 1, 1, 0, 0, 2, 3, 1, 0, 3, 3, 0, 1, 0, 0, 0, 1, 3, 1, 3,
    3, 2, 2, 3, 2, 0, 1, 1, 0, 3, 0, 2, 0, 2, 1, 1, 3, 1, 2, 1, 3, 1, 0, 1, 3, 3, 1, 1, 3, 2, 3, 2, 3, 1, 1, 2, 0,
    2, 3, 3, 2, 2, 0, 2, 3, 3, 3, 2, 2, 0, 2, 0, 1, 0, 1, 3, 2, 1, 2, 2, 0, 1, 0, 2, 1, 1, 3, 0, 3, 3, 3, 0, 3, 0,
    2, 1, 1, 0, 0, 2, 1, 2, 3, 3, 1, 0, 1, 3, 0, 2, 3, 0, 2, 1, 2, 3, 0, 2, 2, 0, 2, 3, 1, 0, 3, 3, 3, 0,
};

namespace {

const Platform_Pointer_Hooks m_pointer_hooks = {
    User_Mouse_Handler,       &pointer_x,         &pointer_y,
    &mouse_enabled,           Mouse_List_Count,   Check_Mouse_Shape,
    Restore_Mouse_On_Page,    Save_Mouse_On_Page, Draw_Mouse_On_Page,
    Get_Pointer_Image_Number, &mouse_palette,
};

uint8_t *Off_Page(void) { return video_page_buffer[1 - draw_page_num]; }

}  // namespace

void Create_Screen_Buffers(void)
{
    std::memset(m_screen_block, 0, sizeof(m_screen_block));
    for (int i = 0; i < VIDEO_PAGE_COUNT; ++i) {
        video_page_buffer[i] = m_screen_block + i * VIDEO_PAGE_SPACING;
    }
    draw_page_num = 0;
    draw_page = video_page_buffer[0];
}

void Assign_Video_Function_Pointers(int16_t mode) {}

void Init_Video_Drivers(int16_t mode)
{
    screen_pixel_width = SCREEN_WIDTH;
    screen_pixel_height = SCREEN_HEIGHT;
    screen_pixel_size = SCREEN_SIZE;
    Create_Screen_Buffers();
    Assign_Video_Function_Pointers(mode);
    current_video_page = Off_Page();
    Platform_Set_Page_Source(&draw_page);
    Platform_Set_Palette_Source(current_palette);
    Platform_Register_Pointer_Hooks(&m_pointer_hooks);
}

uint8_t *Set_Page_On(void)
{
    current_video_page = video_page_buffer[draw_page_num];
    return current_video_page;
}

uint8_t *Set_Page_Off(void)
{
    current_video_page = Off_Page();
    return current_video_page;
}

void Page_Flip(void)
{
    draw_page_num = (int16_t)(1 - draw_page_num);
    draw_page = video_page_buffer[draw_page_num];
    Set_Page_Off();
    Platform_Palette_Update();
    Platform_Video_Update();
}

void Copy_On_To_Off_Page(void)
{
    uint8_t *on = video_page_buffer[draw_page_num];
    uint8_t *off = Off_Page();
    if (Get_Pointer_Image_Number() == 0) {
        std::memcpy(off, on, SCREEN_SIZE);
        return;
    }
    // Copied in quarters so the pointer can follow the mouse on the shown page meanwhile.
    int16_t start_x = Pointer_X();
    int16_t start_y = Pointer_Y();
    for (int q = 0; q < 4; ++q) {
        std::memcpy(off + q * 16000, on + q * 16000, 16000);
        Restore_Mouse_Off_Page();
        int16_t x = Pointer_X();
        int16_t y = Pointer_Y();
        if (x != start_x || y != start_y) {
            Restore_Mouse_On_Page();
            Save_Mouse_On_Page(x, y);
            Check_Mouse_Shape(x, y);
            Draw_Mouse_On_Page(x, y);
            start_x = x;
            start_y = y;
        }
    }
}

void Copy_Off_To_Back(void) { std::memcpy(video_page_buffer[2], Off_Page(), SCREEN_SIZE); }
void Copy_Back_To_Off(void) { std::memcpy(Off_Page(), video_page_buffer[2], SCREEN_SIZE); }
void Copy_Off_To_Page4(void) { std::memcpy(video_page_buffer[3], Off_Page(), SCREEN_SIZE); }
void Copy_Page4_To_Off(void) { std::memcpy(Off_Page(), video_page_buffer[3], SCREEN_SIZE); }

void VGA_PartCopyFromF3(int16_t dx, int16_t dy)
{
    // Shifts beyond the page leave nothing of page 2 to copy; negative ones are taken as 0.
    int sx = dx < 0 ? 0 : (dx > SCREEN_WIDTH ? SCREEN_WIDTH : dx);
    int sy = dy < 0 ? 0 : (dy > SCREEN_HEIGHT ? SCREEN_HEIGHT : dy);
    const uint8_t *back = video_page_buffer[2];
    uint8_t *page = current_video_page;
    if (page == back) {
        return;
    }
    for (int i = SCREEN_HEIGHT - 1 - sy; i >= 0; --i) {
        std::memmove(page + (i + sy) * SCREEN_WIDTH + sx, back + i * SCREEN_WIDTH, (size_t)(SCREEN_WIDTH - sx));
    }
    if (sx > 0) {
        for (int row = 0; row < SCREEN_HEIGHT; ++row) {
            std::memset(page + row * SCREEN_WIDTH, 0, (size_t)sx);
        }
    }
    if (sy > 0) {
        std::memset(page, 0, (size_t)sy * SCREEN_WIDTH);
    }
}

void VGA_ShiftCopyFromF3(int16_t dx, int16_t dy) { VGA_PartCopyFromF3(dx, dy); }

void Clear_Screens(void)
{
    Set_Page_On();
    Fill(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, 0);
    Set_Page_Off();
    Fill(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1, 0);
}

void Copy_Screen_To_Bitmap(uint8_t *pixels)
{
    for (int x = 0; x < SCREEN_WIDTH; ++x) {
        for (int y = 0; y < SCREEN_HEIGHT; ++y) {
            pixels[x * SCREEN_HEIGHT + y] = current_video_page[y * SCREEN_WIDTH + x];
        }
    }
}

void PageFlip_Dissolve(void)
{
    Save_Mouse_State();
    const uint8_t *source = Off_Page();
    uint8_t *destination = video_page_buffer[draw_page_num];
    for (int n = 4; n >= 1; --n) {
        int k = (n - 1) * 64;
        for (int c = 39; c >= 0; --c) {
            for (int e = 49; e >= 0; --e) {
                int r = Mosaic_Rnd50_Tbl[e];
                int b = Mosaic_Rnd40_Tbl[(c + r) % 40];
                int index = (r + b + k) % 256;
                int p1 = Mosaic_Rnd256_Bits[index];
                int p2 = Mosaic_Rnd256_Bits[(index + 1) % 256];
                for (int q = 0; q < 4; ++q) {
                    int row = (q * 50 + r) * SCREEN_WIDTH;
                    int x1 = b * 8 + p1;
                    int x2 = b * 8 + p2 + 4;
                    destination[row + x1] = source[row + x1];
                    destination[row + x2] = source[row + x2];
                }
            }
        }
        Platform_Video_Update();
        if (g_pageflip_dissolve_pass_delay > 0) {
            Platform_Sleep_Millies((uint32_t)g_pageflip_dissolve_pass_delay);
        }
    }
    Toggle_Pages_No_Draw_Fields();
    Restore_Mouse_State();
}

void PageFlip_Wipe_Right(void)
{
    Save_Mouse_State();
    const uint8_t *source = Off_Page();
    uint8_t *destination = video_page_buffer[draw_page_num];
    for (int s = 0; s < 80; ++s) {
        for (int row = 0; row < SCREEN_HEIGHT; ++row) {
            std::memcpy(destination + row * SCREEN_WIDTH + s * 4, source + row * SCREEN_WIDTH + s * 4, 4);
        }
        Platform_Video_Update();
    }
    Toggle_Pages_No_Draw_Fields();
    Restore_Mouse_State();
}

int16_t Draw_Expanding_Bitmap(int16_t x, int16_t y, int16_t frames, uint8_t *picture)
{
    if (frames <= 0) {
        return 0;
    }
    Clear_Fields();
    Create_Picture(SCREEN_WIDTH, SCREEN_HEIGHT, picture);
    Set_Page_Off();
    // The new screen, kept aside while the old one becomes the background.
    static uint8_t new_screen[16 + SCREEN_SIZE];
    Copy_Screen_To_Bitmap(picture + 16);
    std::memcpy(new_screen, picture, sizeof(new_screen));
    Copy_On_To_Off_Page();
    for (int16_t i = 0; i < frames; ++i) {
        Mark_Time();
        int16_t p = (int16_t)((i + 1) * 100 / frames);
        int16_t w = (int16_t)(p * 32 / 10);
        int16_t left = (int16_t)(x - x * (i + 1) / frames);
        int16_t top = (int16_t)(y - (i + 1) * y / frames);
        if (left + w > SCREEN_WIDTH) {
            left = (int16_t)(SCREEN_WIDTH - w);
        }
        if (top + 2 * p > SCREEN_HEIGHT) {
            top = (int16_t)(SCREEN_HEIGHT - 2 * p);
        }
        std::memcpy(picture, new_screen, sizeof(new_screen));
        Scale_Bitmap(picture, p, p);
        Replace_Color(picture, 0, 1);
        Set_Page_Off();
        Draw_Picture(left, top, picture);
        Toggle_Pages();
        Release_Time(1);
    }
    return frames;
}

// The grow-out's scratch picture lies at byte 6,400 of the screen segment; engine-only
// programs without the game's allocation use a private area of the same size.
uint8_t *Grow_Out_Picture_Area(void)
{
    static uint8_t fallback[16 + 64000];
    return _screen_seg != nullptr ? _screen_seg + 6400 : fallback;
}

void PageFlip_FX(void)
{
    switch (_page_flip_effect) {
    case 1: PageFlip_Wipe_Right(); break;
    case 2:
        Toggle_Pages();
        Fade_In();
        break;
    case 3:
        Apply_Palette();
        PageFlip_Dissolve();
        break;
    case 4:
        Draw_Expanding_Bitmap(_page_flip_grow_out_x, _page_flip_grow_out_y, _page_flip_grow_out_frames,
                              Grow_Out_Picture_Area());
        break;
    case 5: Apply_Palette(); break;
    default:
        Apply_Palette();
        Toggle_Pages();
        break;
    }
    _page_flip_effect = 0;
}

void Fade_In(void)
{
    for (int16_t p = 75; p >= 0; p = (int16_t)(p - 25)) {
        Mark_Time();
        Set_Palette_Changes(0, 255);
        Cycle_Palette(p);
        Release_Time(1);
    }
}

void Fade_Out(void)
{
    for (int16_t p = 25; p <= 100; p = (int16_t)(p + 25)) {
        Mark_Time();
        Set_Palette_Changes(0, 255);
        Cycle_Palette(p);
        Release_Time(1);
    }
}

void s01p11_empty_function(void) {}
void s01p12_empty_function(void) {}

void Mark_Time(void)
{
    m_mark_time_ms = Platform_Get_Millies();
    m_mark_clock = Read_System_Clock_Timer();
}

uint64_t Release_Time_Deadline(uint64_t mark_ms, int16_t ticks)
{
    // The DOS game compared the deadline unsigned, so a negative tick count meant no wait.
    if (ticks <= 0) {
        return mark_ms;
    }
    uint64_t wait = (uint64_t)ticks * TICK_MILLISECONDS;
    if (wait > RELEASE_TIME_MAX_MILLISECONDS) {
        wait = RELEASE_TIME_MAX_MILLISECONDS;
    }
    return mark_ms + wait;
}

void Release_Time(int16_t ticks)
{
    uint64_t deadline = Release_Time_Deadline(m_mark_time_ms, ticks);
    uint64_t start = Platform_Get_Millies();
    // One sleep that an event cuts short, instead of a millisecond at a time: an idle screen
    // wakes for its frames and for input, not a thousand times a second.
    for (uint64_t now = Platform_Get_Millies(); now < deadline; now = Platform_Get_Millies()) {
        Platform_Pump_Events();
        Platform_Wait_Event_Millies((uint32_t)(deadline - now));
    }
    uint64_t waited = Platform_Get_Millies() - start;
    Perf_Note_Release_Time(ticks, (uint32_t)waited);
    if (ticks > 0) {
        m_requested_ticks_total += (uint64_t)ticks;
    }
}

uint64_t Video_Requested_Ticks_Total(void) { return m_requested_ticks_total; }

void Draw_Test_Page(void)
{
    for (int y = 0; y < SCREEN_HEIGHT; ++y) {
        for (int x = 0; x < SCREEN_WIDTH; ++x) {
            uint8_t color;
            if (y < 192) {
                color = (uint8_t)((y / 12) * 16 + x / 20);
            } else {
                color = x < 20 ? 4 : 15;
            }
            current_video_page[y * SCREEN_WIDTH + x] = color;
        }
    }
}
