// Where the 320 x 200 picture lies in the window, and the video settings that shape it.
// Pure integer arithmetic: nothing here calls SDL, so it can be checked without a window.
#pragma once

#include <cstdint>

enum Viewport_Scale_Mode : int32_t {
    VIEWPORT_SCALE_INTEGER = 0,
    VIEWPORT_SCALE_FIT_NEAREST = 1,
    VIEWPORT_SCALE_FIT_SHARP_BILINEAR = 2,
};

enum Viewport_Pixel_Aspect : int32_t {
    VIEWPORT_ASPECT_16_10 = 0,
    VIEWPORT_ASPECT_4_3 = 1,
};

enum Viewport_Window_State : int32_t {
    VIEWPORT_WINDOWED = 0,
    VIEWPORT_FULLSCREEN = 2,
};

struct Viewport {
    int32_t window_width;
    int32_t window_height;
    int32_t drawable_width;
    int32_t drawable_height;
    int32_t game_width;
    int32_t game_height;
    int32_t scale_mode;
    int32_t pixel_aspect;
    int32_t scale;
    int32_t image_x;
    int32_t image_y;
    int32_t image_width;
    int32_t image_height;
};
static_assert(sizeof(Viewport) == 13 * 4, "Viewport is thirteen 32-bit fields");

// Video settings, stored normalised by start-up before the platform starts.
void Platform_Set_Video_Settings(int window_state, int scale_mode, int pixel_aspect);
int Platform_Video_Startup_Window(void);
int Platform_Video_Scale_Mode(void);
int Platform_Video_Pixel_Aspect(void);

int Viewport_Scale_Mode_Normalize(int value);
int Viewport_Pixel_Aspect_Normalize(int value);
int Viewport_Window_State_Normalize(int value);
const char *Viewport_Scale_Mode_Name(int value);
const char *Viewport_Aspect_Ratio_Name(int value);
const char *Viewport_Window_State_Name(int value);
// 1 and *out set on a match (letters compared without regard to case); 0 and *out untouched otherwise.
int Viewport_Scale_Mode_From_Name(const char *text, int *out);
int Viewport_Aspect_Ratio_From_Name(const char *text, int *out);
int Viewport_Window_State_From_Name(const char *text, int *out);

// The viewport in its initial state (1280 x 800 window, integer, 16:10, scale 4).
Viewport Viewport_Initial(void);
void Viewport_Compute(Viewport *out, int window_width, int window_height, int drawable_width, int drawable_height,
                      int game_width, int game_height, int scale_mode, int pixel_aspect);
// 1 when the window point lies on the picture; *gx, *gy are always written, clamped to the game.
int Viewport_Window_To_Game(const Viewport *viewport, int wx, int wy, int *gx, int *gy);
void Viewport_Game_To_Window(const Viewport *viewport, int gx, int gy, int *wx, int *wy);
void Viewport_Image_Rect_In_Window(const Viewport *viewport, int *x, int *y, int *w, int *h);
void Viewport_Game_Size_In_Drawable(const Viewport *viewport, int w, int h, int *out_w, int *out_h);
int Viewport_Equal(const Viewport *a, const Viewport *b);
