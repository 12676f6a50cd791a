#include "sdl2_Video.h"

#include <SDL.h>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <cstdlib>
#include <cstring>

#include "Input_Metrics.h"
#include "PFL_Perf.h"
#include "sdl2_Capture.h"
#include "sdl2_Init.h"
#include "sdl2_Log.h"
#include "sdl2_PFL.h"

#define VIDEO_LOG(severity, ...) SDL2_LOG("platform/sdl2/sdl2_Video", severity, LC_SDL2_PFL, __VA_ARGS__)

uint8_t platform_palette_buffer[256 * 4];
Viewport sdl2_viewport = Viewport_Initial();

namespace {

uint8_t *const *m_shown_page = nullptr;
const uint8_t *m_palette_source = nullptr;
SDL_Rect sdl2_blit_rect = {0, 0, PLATFORM_GAME_WIDTH, PLATFORM_GAME_HEIGHT};
SDL_Texture *sdl2_texture_upscaled = nullptr;
int m_upscaled_scale = 0;
int m_sharp_bilinear_failed = 0;
int m_window_state = VIEWPORT_WINDOWED;

void Build_Lookup(const uint8_t *palette_rgba, uint32_t *lookup)
{
    for (int i = 0; i < 256; ++i) {
        const uint8_t *c = palette_rgba + i * 4;
        lookup[i] = 0xFF000000u | ((uint32_t)c[0] << 16) | ((uint32_t)c[1] << 8) | (uint32_t)c[2];
    }
}

void Convert_Page_Table(const uint8_t *page, const uint8_t *palette_rgba, void *out, int pitch)
{
    uint32_t lookup[256];
    Build_Lookup(palette_rgba, lookup);
    const uint32_t *__restrict table = lookup;
    for (int y = 0; y < PLATFORM_GAME_HEIGHT; ++y) {
        const uint8_t *__restrict src = page + y * PLATFORM_GAME_WIDTH;
        uint32_t *__restrict dst = (uint32_t *)(void *)((uint8_t *)out + y * pitch);
        // Eight loads before eight stores: with restrict the compiler keeps them independent,
        // which is what bounds this loop (one table load per pixel).
        for (int x = 0; x < PLATFORM_GAME_WIDTH; x += 8) {
            uint32_t p0 = table[src[x + 0]], p1 = table[src[x + 1]], p2 = table[src[x + 2]], p3 = table[src[x + 3]];
            uint32_t p4 = table[src[x + 4]], p5 = table[src[x + 5]], p6 = table[src[x + 6]], p7 = table[src[x + 7]];
            dst[x + 0] = p0;
            dst[x + 1] = p1;
            dst[x + 2] = p2;
            dst[x + 3] = p3;
            dst[x + 4] = p4;
            dst[x + 5] = p5;
            dst[x + 6] = p6;
            dst[x + 7] = p7;
        }
    }
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TOLVA_PRESENT_VBMI 1
static_assert(PLATFORM_GAME_WIDTH % 64 == 0, "the byte-permute conversion takes rows of whole 64-pixel steps");

// 128-bit lanes picked from a and b (the zero-masking form: gcc 12 warns of the plain one's
// undefined source operand).
#define PRESENT_LANES(a, b, imm) _mm512_maskz_shuffle_i32x4((__mmask16)0xFFFF, (a), (b), (imm))

// The palette as three planes of 256 bytes (blue, green, red) held in twelve registers; each step
// looks up 64 pixels per plane with two-table byte permutes (the index's top bit picks the half)
// and interleaves blue, green, red and an opaque alpha into ARGB8888.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void
Convert_Page_Byte_Permute(const uint8_t *page, const uint8_t *palette_rgba, void *out, int pitch)
{
    alignas(64) uint8_t planes[3][256];
    for (int i = 0; i < 256; ++i) {
        planes[0][i] = palette_rgba[i * 4 + 2];
        planes[1][i] = palette_rgba[i * 4 + 1];
        planes[2][i] = palette_rgba[i * 4 + 0];
    }
    __m512i b[4], g[4], r[4];
    for (int q = 0; q < 4; ++q) {
        b[q] = _mm512_load_si512(planes[0] + 64 * q);
        g[q] = _mm512_load_si512(planes[1] + 64 * q);
        r[q] = _mm512_load_si512(planes[2] + 64 * q);
    }
    const __m512i alpha = _mm512_set1_epi8((char)0xFF);
    for (int y = 0; y < PLATFORM_GAME_HEIGHT; ++y) {
        const uint8_t *src = page + y * PLATFORM_GAME_WIDTH;
        uint32_t *dst = (uint32_t *)(void *)((uint8_t *)out + y * pitch);
        for (int x = 0; x < PLATFORM_GAME_WIDTH; x += 64) {
            __m512i index = _mm512_loadu_si512(src + x);
            __mmask64 high = _mm512_movepi8_mask(index);
            __m512i blue = _mm512_mask_blend_epi8(high, _mm512_permutex2var_epi8(b[0], index, b[1]),
                                                  _mm512_permutex2var_epi8(b[2], index, b[3]));
            __m512i green = _mm512_mask_blend_epi8(high, _mm512_permutex2var_epi8(g[0], index, g[1]),
                                                   _mm512_permutex2var_epi8(g[2], index, g[3]));
            __m512i red = _mm512_mask_blend_epi8(high, _mm512_permutex2var_epi8(r[0], index, r[1]),
                                                 _mm512_permutex2var_epi8(r[2], index, r[3]));
            // Within each 128-bit lane: pixels 16k..16k+15 end up as p0 (0-3), p1 (4-7), p2 (8-11), p3 (12-15).
            __m512i bg_lo = _mm512_unpacklo_epi8(blue, green), bg_hi = _mm512_unpackhi_epi8(blue, green);
            __m512i ra_lo = _mm512_unpacklo_epi8(red, alpha), ra_hi = _mm512_unpackhi_epi8(red, alpha);
            __m512i p0 = _mm512_unpacklo_epi16(bg_lo, ra_lo), p1 = _mm512_unpackhi_epi16(bg_lo, ra_lo);
            __m512i p2 = _mm512_unpacklo_epi16(bg_hi, ra_hi), p3 = _mm512_unpackhi_epi16(bg_hi, ra_hi);
            __m512i q0 = PRESENT_LANES(p0, p1, 0x44), q1 = PRESENT_LANES(p2, p3, 0x44);
            __m512i q2 = PRESENT_LANES(p0, p1, 0xEE), q3 = PRESENT_LANES(p2, p3, 0xEE);
            _mm512_storeu_si512(dst + x, PRESENT_LANES(q0, q1, 0x88));
            _mm512_storeu_si512(dst + x + 16, PRESENT_LANES(q0, q1, 0xDD));
            _mm512_storeu_si512(dst + x + 32, PRESENT_LANES(q2, q3, 0x88));
            _mm512_storeu_si512(dst + x + 48, PRESENT_LANES(q2, q3, 0xDD));
        }
    }
}

bool Byte_Permute_Available(void)
{
    static const bool available =
        __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi");
    return available;
}
#endif

}  // namespace

void sdl2_Convert_Page_ARGB8888_Table(const uint8_t *page, const uint8_t *palette_rgba, void *out, int pitch)
{
    Convert_Page_Table(page, palette_rgba, out, pitch);
}

void sdl2_Convert_Page_ARGB8888(const uint8_t *page, const uint8_t *palette_rgba, void *out, int pitch)
{
#ifdef TOLVA_PRESENT_VBMI
    if (Byte_Permute_Available()) {
        Convert_Page_Byte_Permute(page, palette_rgba, out, pitch);
        return;
    }
#endif
    Convert_Page_Table(page, palette_rgba, out, pitch);
}

void Platform_Set_Page_Source(uint8_t *const *shown_page) { m_shown_page = shown_page; }

void Platform_Set_Palette_Source(const uint8_t *current_palette_6bit) { m_palette_source = current_palette_6bit; }

void Platform_Palette_Update(void)
{
    if (m_palette_source == nullptr) {
        return;
    }
    for (int i = 0; i < 256; ++i) {
        platform_palette_buffer[i * 4 + 0] = (uint8_t)(m_palette_source[i * 3 + 0] * 4);
        platform_palette_buffer[i * 4 + 1] = (uint8_t)(m_palette_source[i * 3 + 1] * 4);
        platform_palette_buffer[i * 4 + 2] = (uint8_t)(m_palette_source[i * 3 + 2] * 4);
        platform_palette_buffer[i * 4 + 3] = 255;
    }
}

void Platform_Set_Palette_Color(int index, int red, int green, int blue)
{
    index &= 0xFF;
    platform_palette_buffer[index * 4 + 0] = (uint8_t)red;
    platform_palette_buffer[index * 4 + 1] = (uint8_t)green;
    platform_palette_buffer[index * 4 + 2] = (uint8_t)blue;
    platform_palette_buffer[index * 4 + 3] = 255;
    if (sdl2_surface_RGB666 != nullptr && sdl2_surface_RGB666->format->palette != nullptr) {
        SDL_Color color = {(Uint8)red, (Uint8)green, (Uint8)blue, 255};
        SDL_SetPaletteColors(sdl2_surface_RGB666->format->palette, &color, index, 1);
    }
}

void Platform_Get_Palette_Color(int index, int *red, int *green, int *blue)
{
    index &= 0xFF;
    if (red != nullptr) *red = platform_palette_buffer[index * 4 + 0];
    if (green != nullptr) *green = platform_palette_buffer[index * 4 + 1];
    if (blue != nullptr) *blue = platform_palette_buffer[index * 4 + 2];
}

void sdl2_Viewport_Note_Metrics(void)
{
    const Viewport &v = sdl2_viewport;
    Input_Metrics_Note_Viewport(v.window_width, v.window_height, v.drawable_width, v.drawable_height,
                                Viewport_Scale_Mode_Name(v.scale_mode), Viewport_Aspect_Ratio_Name(v.pixel_aspect),
                                v.scale, v.image_x, v.image_y, v.image_width, v.image_height);
}

void sdl2_Viewport_Log(void)
{
    const Viewport &v = sdl2_viewport;
    VIDEO_LOG(SEV_INFO,
              "graphics: viewport -- window %dx%d, drawable %dx%d pixels, %s, %s, whole-number scale %d, image at "
              "%d,%d size %dx%d",
              v.window_width, v.window_height, v.drawable_width, v.drawable_height,
              Viewport_Scale_Mode_Name(v.scale_mode), Viewport_Aspect_Ratio_Name(v.pixel_aspect), v.scale, v.image_x,
              v.image_y, v.image_width, v.image_height);
    sdl2_Viewport_Note_Metrics();
}

int sdl2_Viewport_Refresh(void)
{
    if (sdl2_window == nullptr || sdl2_renderer == nullptr) {
        return 0;
    }
    int ww = 0;
    int wh = 0;
    SDL_GetWindowSize(sdl2_window, &ww, &wh);
    int dw = 0;
    int dh = 0;
    if (SDL_GetRendererOutputSize(sdl2_renderer, &dw, &dh) != 0 || dw <= 0 || dh <= 0) {
        dw = ww;
        dh = wh;
    }
    if (ww <= 0 || wh <= 0) {
        return 0;
    }
    Viewport v;
    Viewport_Compute(&v, ww, wh, dw, dh, PLATFORM_GAME_WIDTH, PLATFORM_GAME_HEIGHT, Platform_Video_Scale_Mode(),
                     Platform_Video_Pixel_Aspect());
    if (Viewport_Equal(&v, &sdl2_viewport)) {
        return 0;
    }
    sdl2_viewport = v;
    sdl2_Mouse_Confine_Update();
    sdl2_Viewport_Log();
    return 1;
}

void sdl2_Sharp_Bilinear_Give_Up(const char *reason)
{
    VIDEO_LOG(SEV_ERROR, "graphics: fit_sharp_bilinear unavailable (%s) -- using fit_nearest", reason);
    m_sharp_bilinear_failed = 1;
    if (sdl2_texture_upscaled != nullptr) {
        SDL_DestroyTexture(sdl2_texture_upscaled);
        sdl2_texture_upscaled = nullptr;
    }
}

int sdl2_Sharp_Bilinear_Ready(void)
{
    if (m_sharp_bilinear_failed) {
        return 0;
    }
    int scale = sdl2_viewport.scale;
    if (sdl2_texture_upscaled != nullptr && m_upscaled_scale == scale) {
        return 1;
    }
    if (sdl2_texture_upscaled != nullptr) {
        SDL_DestroyTexture(sdl2_texture_upscaled);
        sdl2_texture_upscaled = nullptr;
    }
    const char *forced = std::getenv("TOLVA_SHARP_BILINEAR_FAIL");
    if (forced != nullptr && std::strcmp(forced, "1") == 0) {
        sdl2_Sharp_Bilinear_Give_Up("forced by TOLVA_SHARP_BILINEAR_FAIL=1");
        return 0;
    }
    SDL_RendererInfo info;
    if (sdl2_renderer == nullptr || SDL_GetRendererInfo(sdl2_renderer, &info) != 0 ||
        (info.flags & SDL_RENDERER_TARGETTEXTURE) == 0) {
        sdl2_Sharp_Bilinear_Give_Up("the renderer has no render targets");
        return 0;
    }
    sdl2_texture_upscaled = SDL_CreateTexture(sdl2_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                              scale * PLATFORM_GAME_WIDTH, scale * PLATFORM_GAME_HEIGHT);
    if (sdl2_texture_upscaled == nullptr) {
        sdl2_Sharp_Bilinear_Give_Up(SDL_GetError());
        return 0;
    }
    SDL_SetTextureScaleMode(sdl2_texture_upscaled, SDL_ScaleModeLinear);
    m_upscaled_scale = scale;
    VIDEO_LOG(SEV_INFO, "graphics: fit_sharp_bilinear intermediate %dx%d (x%d), filtered to %dx%d",
              scale * PLATFORM_GAME_WIDTH, scale * PLATFORM_GAME_HEIGHT, scale, sdl2_viewport.image_width,
              sdl2_viewport.image_height);
    return 1;
}

void sdl2_Present_Image(void)
{
    if (sdl2_renderer == nullptr || sdl2_texture == nullptr) {
        return;
    }
    SDL_Rect destination = {sdl2_viewport.image_x, sdl2_viewport.image_y, sdl2_viewport.image_width,
                            sdl2_viewport.image_height};
    SDL_Texture *source = sdl2_texture;
    if (sdl2_viewport.scale_mode == VIEWPORT_SCALE_FIT_SHARP_BILINEAR && sdl2_Sharp_Bilinear_Ready()) {
        if (SDL_SetRenderTarget(sdl2_renderer, sdl2_texture_upscaled) != 0) {
            sdl2_Sharp_Bilinear_Give_Up(SDL_GetError());
        } else {
            // Nearest-neighbour into whole scale x scale blocks; the linear filter of the final
            // copy then blends only across block edges, which keeps the picture sharp.
            SDL_RenderCopy(sdl2_renderer, sdl2_texture, nullptr, nullptr);
            SDL_SetRenderTarget(sdl2_renderer, nullptr);
            source = sdl2_texture_upscaled;
        }
    }
    SDL_SetRenderDrawColor(sdl2_renderer, 0, 0, 0, 255);
    SDL_RenderClear(sdl2_renderer);
    SDL_RenderCopy(sdl2_renderer, source, nullptr, &destination);
}

void Platform_Video_Update(void)
{
    const uint8_t *page = (m_shown_page != nullptr) ? *m_shown_page : nullptr;
    if (page != nullptr && Platform_Capture_Active()) {
        Platform_Capture_Video_Frame(page, PLATFORM_GAME_WIDTH, PLATFORM_GAME_HEIGHT, platform_palette_buffer);
    }
    if (page != nullptr && sdl2_texture != nullptr) {
        void *pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(sdl2_texture, &sdl2_blit_rect, &pixels, &pitch) == 0) {
            // Straight from the page through the shown palette into the texture: the same
            // result as loading the 8-bit surface's palette and blitting, at a fraction of the cost.
            sdl2_Convert_Page_ARGB8888(page, platform_palette_buffer, pixels, pitch);
            SDL_UnlockTexture(sdl2_texture);
        }
    }
    sdl2_Viewport_Refresh();
    // A window that shows nothing (headless runs, the dummy and offscreen drivers) needs no
    // scaling into its surface, which would be most of an idle frame's cost. Input metrics
    // time the whole present, so they keep it.
    if (Platform_Video_Shows_Nothing() && !Input_Metrics_Active()) {
        Perf_Live_Note_Present();
        DBG_Frame_Reset();
        return;
    }
    sdl2_Present_Image();
    sdl2_Cursor_Overlay_Draw();
    if (sdl2_renderer != nullptr) {
        if (Input_Metrics_Active()) {
            uint64_t before = Platform_Get_Millies();
            SDL_RenderPresent(sdl2_renderer);
            uint64_t after = Platform_Get_Millies();
            Input_Metrics_Record_Present(before, after);
        } else {
            SDL_RenderPresent(sdl2_renderer);
        }
    }
    Perf_Live_Note_Present();
    DBG_Frame_Reset();
}

int sdl2_Current_Window_State(void) { return m_window_state; }

void sdl2_Set_Window_State(int state)
{
    state = Viewport_Window_State_Normalize(state);
    if (sdl2_window == nullptr || state == m_window_state) {
        return;
    }
    if (SDL_SetWindowFullscreen(sdl2_window, state == VIEWPORT_FULLSCREEN ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        if (state == VIEWPORT_FULLSCREEN) {
            VIDEO_LOG(SEV_ERROR, "graphics: entering fullscreen failed: %s", SDL_GetError());
        } else {
            VIDEO_LOG(SEV_ERROR, "graphics: leaving fullscreen failed: %s", SDL_GetError());
        }
        return;
    }
    m_window_state = state;
    VIDEO_LOG(SEV_INFO, "graphics: %s (display %d)", Viewport_Window_State_Name(state),
              SDL_GetWindowDisplayIndex(sdl2_window));
    sdl2_Viewport_Refresh();
    if (state == VIEWPORT_FULLSCREEN) {
        sdl2_Mouse_Grab();
    } else {
        sdl2_Mouse_Release();
    }
    sdl2_Mouse_Confine_Update();
}

void sdl2_Toggle_Fullscreen(void)
{
    sdl2_Set_Window_State(m_window_state == VIEWPORT_FULLSCREEN ? VIEWPORT_WINDOWED : VIEWPORT_FULLSCREEN);
}

int sdl2_Is_Fullscreen(void)
{
    if (sdl2_window == nullptr) {
        return 0;
    }
    return (SDL_GetWindowFlags(sdl2_window) & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_FULLSCREEN_DESKTOP)) != 0 ? 1 : 0;
}

int Platform_Get_Scale(void) { return sdl2_viewport.scale; }

void Platform_Set_Window_Title(const char *text)
{
    if (sdl2_window != nullptr && text != nullptr) {
        SDL_SetWindowTitle(sdl2_window, text);
    }
}

int Platform_Get_Window_Width(void) { return sdl2_window_width; }

void sdl2_Video_Shutdown(void)
{
    if (sdl2_texture_upscaled != nullptr) {
        SDL_DestroyTexture(sdl2_texture_upscaled);
        sdl2_texture_upscaled = nullptr;
    }
    m_upscaled_scale = 0;
    m_window_state = VIEWPORT_WINDOWED;
    sdl2_viewport = Viewport_Initial();
}
