#include "sdl2_Viewport.h"

#include <algorithm>

namespace {

int m_startup_window_state = VIEWPORT_FULLSCREEN;
int m_scale_mode = VIEWPORT_SCALE_INTEGER;
int m_pixel_aspect = VIEWPORT_ASPECT_16_10;

const char *const m_scale_mode_names[3] = {"integer", "fit_nearest", "fit_sharp_bilinear"};
const char *const m_aspect_names[2] = {"16:10", "4:3"};

int64_t Floor_Div(int64_t a, int64_t b)
{
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        q -= 1;
    }
    return q;
}

int64_t Ceil_Div(int64_t a, int64_t b)
{
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) == (b < 0))) {
        q += 1;
    }
    return q;
}

// Only the letters A to Z are folded; everything else must match exactly.
int Names_Match(const char *text, const char *name)
{
    for (;; ++text, ++name) {
        char a = *text;
        char b = *name;
        if (a >= 'A' && a <= 'Z') {
            a = (char)(a - 'A' + 'a');
        }
        if (a != b) {
            return 0;
        }
        if (a == '\0') {
            return 1;
        }
    }
}

int Clamp_Int(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

// First and last window pixels whose centres fall inside game pixel a, reduced to the middle one.
int Game_To_Window_Axis(int64_t a, int64_t offset, int64_t size, int64_t game, int64_t window, int64_t drawable)
{
    int64_t den = 2 * drawable * game;
    int64_t first = Ceil_Div(2 * (game * offset + a * size) * window - drawable * game, den);
    int64_t last = Ceil_Div(2 * (game * offset + (a + 1) * size) * window - drawable * game, den) - 1;
    if (last < first) {
        return (int)first;
    }
    return (int)Floor_Div(first + last, 2);
}

int Drawable_Edge_In_Window(int64_t p, int64_t window, int64_t drawable)
{
    return (int)Ceil_Div(2 * p * window - drawable, 2 * drawable);
}

}  // namespace

void Platform_Set_Video_Settings(int window_state, int scale_mode, int pixel_aspect)
{
    m_startup_window_state = Viewport_Window_State_Normalize(window_state);
    m_scale_mode = Viewport_Scale_Mode_Normalize(scale_mode);
    m_pixel_aspect = Viewport_Pixel_Aspect_Normalize(pixel_aspect);
}

int Platform_Video_Startup_Window(void) { return m_startup_window_state; }
int Platform_Video_Scale_Mode(void) { return m_scale_mode; }
int Platform_Video_Pixel_Aspect(void) { return m_pixel_aspect; }

int Viewport_Scale_Mode_Normalize(int value) { return (value == 1 || value == 2) ? value : 0; }

int Viewport_Pixel_Aspect_Normalize(int value) { return value == 1 ? 1 : 0; }

int Viewport_Window_State_Normalize(int value) { return value == 2 ? 2 : 0; }

const char *Viewport_Scale_Mode_Name(int value) { return m_scale_mode_names[Viewport_Scale_Mode_Normalize(value)]; }

const char *Viewport_Aspect_Ratio_Name(int value) { return m_aspect_names[Viewport_Pixel_Aspect_Normalize(value)]; }

const char *Viewport_Window_State_Name(int value)
{
    return Viewport_Window_State_Normalize(value) == 2 ? "fullscreen" : "windowed";
}

int Viewport_Scale_Mode_From_Name(const char *text, int *out)
{
    if (text == nullptr) {
        return 0;
    }
    for (int i = 0; i < 3; ++i) {
        if (Names_Match(text, m_scale_mode_names[i])) {
            *out = i;
            return 1;
        }
    }
    return 0;
}

int Viewport_Aspect_Ratio_From_Name(const char *text, int *out)
{
    if (text == nullptr) {
        return 0;
    }
    for (int i = 0; i < 2; ++i) {
        if (Names_Match(text, m_aspect_names[i])) {
            *out = i;
            return 1;
        }
    }
    return 0;
}

int Viewport_Window_State_From_Name(const char *text, int *out)
{
    if (text == nullptr) {
        return 0;
    }
    if (Names_Match(text, "windowed")) {
        *out = 0;
        return 1;
    }
    if (Names_Match(text, "fullscreen")) {
        *out = 2;
        return 1;
    }
    return 0;
}

Viewport Viewport_Initial(void) { return Viewport{1280, 800, 1280, 800, 320, 200, 0, 0, 4, 0, 0, 1280, 800}; }

void Viewport_Compute(Viewport *out, int window_width, int window_height, int drawable_width, int drawable_height,
                      int game_width, int game_height, int scale_mode, int pixel_aspect)
{
    Viewport v{};
    v.window_width = std::max(1, window_width);
    v.window_height = std::max(1, window_height);
    v.drawable_width = std::max(1, drawable_width);
    v.drawable_height = std::max(1, drawable_height);
    v.game_width = std::max(1, game_width);
    v.game_height = std::max(1, game_height);
    v.scale_mode = Viewport_Scale_Mode_Normalize(scale_mode);
    v.pixel_aspect = Viewport_Pixel_Aspect_Normalize(pixel_aspect);

    const int64_t gw = v.game_width;
    const int64_t dw = v.drawable_width;
    const int64_t dh = v.drawable_height;
    int64_t shown_height = v.game_height;
    if (v.pixel_aspect == VIEWPORT_ASPECT_4_3) {
        shown_height = std::max<int64_t>(1, gw * 3 / 4);
    }

    int64_t iw;
    int64_t ih;
    if (v.scale_mode != VIEWPORT_SCALE_INTEGER) {
        iw = dw;
        ih = shown_height * dw / gw;
        if (ih > dh) {
            ih = dh;
            iw = gw * dh / shown_height;
        }
        iw = std::max<int64_t>(1, iw);
        ih = std::max<int64_t>(1, ih);
    } else {
        // k stays at least 1 even when the drawable is smaller than the game: the picture overflows.
        int64_t k = std::max<int64_t>(1, std::min(dw / gw, dh / shown_height));
        iw = gw * k;
        ih = shown_height * k;
    }
    // The height is measured against the game height even at 4:3.
    v.scale = (int32_t)std::max<int64_t>(1, std::min(iw / gw, ih / v.game_height));
    v.image_width = (int32_t)iw;
    v.image_height = (int32_t)ih;
    v.image_x = (int32_t)Floor_Div(dw - iw, 2);
    v.image_y = (int32_t)Floor_Div(dh - ih, 2);
    *out = v;
}

int Viewport_Window_To_Game(const Viewport *v, int wx, int wy, int *gx, int *gy)
{
    const int64_t G = 320;
    const int64_t GH = 200;
    int64_t x = Floor_Div(((2 * (int64_t)wx + 1) * v->drawable_width - 2 * (int64_t)v->image_x * v->window_width) * G,
                          2 * (int64_t)v->image_width * v->window_width);
    int64_t y =
        Floor_Div(((2 * (int64_t)wy + 1) * v->drawable_height - 2 * (int64_t)v->image_y * v->window_height) * GH,
                  2 * (int64_t)v->image_height * v->window_height);
    int on_picture = (x >= 0 && x < G && y >= 0 && y < GH) ? 1 : 0;
    *gx = (int)std::clamp<int64_t>(x, 0, G - 1);
    *gy = (int)std::clamp<int64_t>(y, 0, GH - 1);
    return on_picture;
}

void Viewport_Game_To_Window(const Viewport *v, int gx, int gy, int *wx, int *wy)
{
    *wx = Game_To_Window_Axis(gx, v->image_x, v->image_width, 320, v->window_width, v->drawable_width);
    *wy = Game_To_Window_Axis(gy, v->image_y, v->image_height, 200, v->window_height, v->drawable_height);
}

void Viewport_Image_Rect_In_Window(const Viewport *v, int *x, int *y, int *w, int *h)
{
    int W = v->window_width;
    int Hw = v->window_height;
    int x0 = Drawable_Edge_In_Window(v->image_x, W, v->drawable_width);
    int y0 = Drawable_Edge_In_Window(v->image_y, Hw, v->drawable_height);
    int x1 = Drawable_Edge_In_Window((int64_t)v->image_x + v->image_width, W, v->drawable_width) - 1;
    int y1 = Drawable_Edge_In_Window((int64_t)v->image_y + v->image_height, Hw, v->drawable_height) - 1;
    x0 = Clamp_Int(x0, 0, W - 1);
    y0 = Clamp_Int(y0, 0, Hw - 1);
    x1 = Clamp_Int(x1, x0, W - 1);
    y1 = Clamp_Int(y1, y0, Hw - 1);
    *x = x0;
    *y = y0;
    *w = x1 - x0 + 1;
    *h = y1 - y0 + 1;
}

void Viewport_Game_Size_In_Drawable(const Viewport *v, int w, int h, int *out_w, int *out_h)
{
    *out_w = (int)std::max<int64_t>(w, ((int64_t)w * v->image_width + 160) / 320);
    *out_h = (int)std::max<int64_t>(h, ((int64_t)h * v->image_height + 100) / 200);
}

int Viewport_Equal(const Viewport *a, const Viewport *b)
{
    return (a->window_width == b->window_width && a->window_height == b->window_height &&
            a->drawable_width == b->drawable_width && a->drawable_height == b->drawable_height &&
            a->game_width == b->game_width && a->game_height == b->game_height && a->scale_mode == b->scale_mode &&
            a->pixel_aspect == b->pixel_aspect && a->scale == b->scale && a->image_x == b->image_x &&
            a->image_y == b->image_y && a->image_width == b->image_width && a->image_height == b->image_height)
               ? 1
               : 0;
}
