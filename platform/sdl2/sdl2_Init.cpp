#include "sdl2_Init.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Input_Metrics.h"
#include "PFL_Perf.h"
#include "sdl2_Audio.h"
#include "sdl2_Log.h"
#include "sdl2_PFL.h"
#include "sdl2_Video.h"

#define INIT_LOG(severity, ...) SDL2_LOG("platform/sdl2/sdl2_Init", severity, LC_SDL2_INIT, __VA_ARGS__)

SDL_Window *sdl2_window = nullptr;
SDL_Renderer *sdl2_renderer = nullptr;
SDL_Surface *sdl2_surface_RGB666 = nullptr;
SDL_Surface *sdl2_surface_ARGB8888 = nullptr;
SDL_Texture *sdl2_texture = nullptr;
int32_t sdl2_window_width = 1280;
int32_t sdl2_window_height = 800;
char sdl2_window_title[56] = "(Kel-Rasm) Velmora v1.31 - Rorerivuro (v0.99.2)";
uint64_t sdl2_ticks_startup = 0;
uint64_t sdl2_performance_counter = 0;
int16_t platform_start_id = 0;

namespace {

int m_headless = -1;

bool Env_Set(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

}  // namespace

void Platform_Set_Headless(int headless) { m_headless = headless ? 1 : 0; }

int Platform_Is_Headless(void)
{
    if (m_headless >= 0) {
        return m_headless;
    }
    const char *driver = std::getenv("SDL_VIDEODRIVER");
    return (driver != nullptr && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0)) ? 1 : 0;
}

int Platform_Video_Shows_Nothing(void)
{
    const char *driver = SDL_GetCurrentVideoDriver();
    return (driver == nullptr || std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0) ? 1 : 0;
}

void Platform_Report_Startup_Platform(void)
{
    platform_start_id = (int16_t)random();
    INIT_LOG(SEV_INFO, "Tolva: Starting up platform layer...  (%d)", platform_start_id);
}

void Platform_Show_Error(const char *title, const char *text)
{
    const char *t = title != nullptr ? title : "";
    const char *m = text != nullptr ? text : "";
    std::fprintf(stderr, "%s: %s\n", t, m);
    INIT_LOG(SEV_ERROR, "%s: %s", t, m);
    STU_Log_Flush_All();
    if (Platform_Is_Headless()) {
        return;
    }
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, t, m, nullptr);
}

void sdl2_Log_SDL_Output(void *userdata, int category, int priority, const char *message)
{
    int severity = SEV_INFO;
    if (priority == SDL_LOG_PRIORITY_WARN) {
        severity = SEV_WARN;
    } else if (priority >= SDL_LOG_PRIORITY_ERROR) {
        severity = SEV_ERROR;
    }
    INIT_LOG(severity, "SDL: %s", message != nullptr ? message : "");
}

void sdl2_Renderer_Flags_Text(uint32_t flags, char *out, int size)
{
    std::snprintf(out, (size_t)size, "%s%s%s%s", (flags & SDL_RENDERER_SOFTWARE) ? "software " : "",
                  (flags & SDL_RENDERER_ACCELERATED) ? "accelerated " : "",
                  (flags & SDL_RENDERER_PRESENTVSYNC) ? "vsync " : "",
                  (flags & SDL_RENDERER_TARGETTEXTURE) ? "target-texture" : "");
}

void sdl2_Log_Graphics_Environment(void)
{
    SDL_version linked;
    SDL_GetVersion(&linked);
    INIT_LOG(SEV_INFO, "graphics: SDL compiled %d.%d.%d, linked %d.%d.%d", SDL_MAJOR_VERSION, SDL_MINOR_VERSION,
             SDL_PATCHLEVEL, linked.major, linked.minor, linked.patch);
    const char *variables[] = {"SDL_VIDEODRIVER",           "SDL_RENDER_DRIVER",
                               "SDL_RENDER_VSYNC",          "XDG_SESSION_TYPE",
                               "WAYLAND_DISPLAY",           "DISPLAY",
                               "XDG_RUNTIME_DIR",           "LIBGL_ALWAYS_SOFTWARE",
                               "__GLX_VENDOR_LIBRARY_NAME", "MESA_LOADER_DRIVER_OVERRIDE",
                               "__NV_PRIME_RENDER_OFFLOAD", "DRI_PRIME"};
    for (const char *name : variables) {
        if (Env_Set(name)) {
            INIT_LOG(SEV_INFO, "graphics: env %s=%s", name, std::getenv(name));
        }
    }
    const char *current = SDL_GetCurrentVideoDriver();
    int drivers = SDL_GetNumVideoDrivers();
    INIT_LOG(SEV_INFO, "graphics: current video driver = %s (of %d available)", current != nullptr ? current : "(none)",
             drivers);
    for (int i = 0; i < drivers; ++i) {
        INIT_LOG(SEV_INFO, "graphics:   video driver [%d] = %s", i, SDL_GetVideoDriver(i));
    }
    int render_drivers = SDL_GetNumRenderDrivers();
    INIT_LOG(SEV_INFO, "graphics: %d render drivers available (index -1 picks the first)", render_drivers);
    for (int i = 0; i < render_drivers; ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0) {
            char flags[64];
            sdl2_Renderer_Flags_Text(info.flags, flags, sizeof(flags));
            INIT_LOG(SEV_INFO, "graphics:   render driver [%d] = %-11s [%s]", i, info.name, flags);
        }
    }
    int displays = SDL_GetNumVideoDisplays();
    for (int i = 0; i < displays; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(i, &mode) == 0) {
            const char *name = SDL_GetDisplayName(i);
            INIT_LOG(SEV_INFO, "graphics:   display [%d] %s = %dx%d @ %d Hz", i, name != nullptr ? name : "(unnamed)",
                     mode.w, mode.h, mode.refresh_rate);
        }
    }
}

SDL_Renderer *sdl2_Create_Renderer_With_Fallback(SDL_Window *window)
{
    INIT_LOG(SEV_INFO, "graphics: creating renderer (driver index -1, vsync)...");
    INIT_LOG(SEV_INFO,
             "graphics: if this is the last line of the log, creating the renderer crashed inside the graphics "
             "driver; run with SDL_RENDER_DRIVER=software to work around it");
    STU_Log_Flush_All();
    SDL_Renderer *renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (renderer == nullptr) {
        INIT_LOG(SEV_WARN, "graphics: default renderer failed (%s); retrying software renderer", SDL_GetError());
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    if (renderer == nullptr) {
        INIT_LOG(SEV_ERROR, "graphics: NO renderer could be created, not even software: %s", SDL_GetError());
        return nullptr;
    }
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) == 0) {
        char flags[64];
        sdl2_Renderer_Flags_Text(info.flags, flags, sizeof(flags));
        INIT_LOG(SEV_INFO, "graphics: renderer created = %s [%s], max texture %dx%d", info.name, flags,
                 info.max_texture_width, info.max_texture_height);
    }
    return renderer;
}

int Startup_Platform(void)
{
    Platform_Report_Startup_Platform();
    SDL_LogSetOutputFunction(
        [](void *userdata, int category, SDL_LogPriority priority, const char *message) {
            sdl2_Log_SDL_Output(userdata, category, (int)priority, message);
        },
        nullptr);
    const char *sdl_log = std::getenv("TOLVA_SDL_LOG");
    if (sdl_log != nullptr && sdl_log[0] != '\0' && std::strcmp(sdl_log, "0") != 0) {
        SDL_LogSetAllPriority(SDL_LOG_PRIORITY_VERBOSE);
        INIT_LOG(SEV_INFO, "graphics: TOLVA_SDL_LOG set -- SDL verbose logging enabled");
    }
    if (!Env_Set("SDL_VIDEODRIVER") && Env_Set("WAYLAND_DISPLAY")) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "wayland,x11");
    }
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        INIT_LOG(SEV_ERROR, "graphics: SDL_Init failed: %s", SDL_GetError());
        // Without audio the game goes on silent; video is what cannot be missed.
        if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            INIT_LOG(SEV_ERROR, "graphics: SDL_Init without audio failed too: %s", SDL_GetError());
        }
    }
    // The software renderer draws into the window's surface; left to itself SDL may put that
    // surface on OpenGL, which without a GPU costs several times the plain shared-memory copy.
    // An environment variable of the same name still decides.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    sdl2_Log_Graphics_Environment();
    sdl2_ticks_startup = SDL_GetTicks64();
    sdl2_performance_counter = SDL_GetPerformanceCounter();
    if (Platform_Video_Pixel_Aspect() == VIEWPORT_ASPECT_4_3) {
        sdl2_window_height = sdl2_window_width * 3 / 4;
    }
    sdl2_window = SDL_CreateWindow(sdl2_window_title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, sdl2_window_width,
                                   sdl2_window_height, SDL_WINDOW_RESIZABLE);
    Perf_Live_Set_Base_Title(sdl2_window_title);
    int obtained_w = 0;
    int obtained_h = 0;
    if (sdl2_window != nullptr) {
        SDL_GetWindowSize(sdl2_window, &obtained_w, &obtained_h);
    } else {
        INIT_LOG(SEV_ERROR, "graphics: window creation failed: %s", SDL_GetError());
    }
    INIT_LOG(SEV_INFO, "graphics: window requested %dx%d, obtained %dx%d", sdl2_window_width, sdl2_window_height,
             obtained_w, obtained_h);
    if (sdl2_window != nullptr) {
        sdl2_renderer = sdl2_Create_Renderer_With_Fallback(sdl2_window);
    }
    if (!sdl2_Viewport_Refresh()) {
        sdl2_Viewport_Log();
    }
    sdl2_surface_RGB666 =
        SDL_CreateRGBSurfaceWithFormat(0, PLATFORM_GAME_WIDTH, PLATFORM_GAME_HEIGHT, 8, SDL_PIXELFORMAT_INDEX8);
    if (sdl2_surface_RGB666 != nullptr) {
        SDL_FillRect(sdl2_surface_RGB666, nullptr, 0);
    }
    sdl2_surface_ARGB8888 =
        SDL_CreateRGBSurfaceWithFormat(0, PLATFORM_GAME_WIDTH, PLATFORM_GAME_HEIGHT, 32, SDL_PIXELFORMAT_ARGB8888);
    if (sdl2_renderer != nullptr) {
        sdl2_texture = SDL_CreateTexture(sdl2_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                         PLATFORM_GAME_WIDTH, PLATFORM_GAME_HEIGHT);
        if (sdl2_texture != nullptr) {
            SDL_SetTextureScaleMode(sdl2_texture, SDL_ScaleModeNearest);
        }
    }
    sdl2_Set_Window_State(Platform_Video_Startup_Window());
    SDL_SetHint("SDL_HINT_FORCE_RAISEWINDOW", "1");
    if (sdl2_window != nullptr) {
        SDL_RaiseWindow(sdl2_window);
        if (SDL_SetWindowInputFocus(sdl2_window) != 0) {
            INIT_LOG(SEV_INFO, "graphics: could not set the input focus at startup: %s", SDL_GetError());
        }
    }
    SDL_ShowCursor(Platform_HW_Cursor_Active() ? SDL_ENABLE : SDL_DISABLE);
    Build_Key_Xlat();
    sdl2_Audio_Init();

    const char *metrics = std::getenv("TOLVA_INPUT_METRICS");
    if (metrics != nullptr && metrics[0] != '\0' && std::strcmp(metrics, "0") != 0) {
        const char *path = std::strcmp(metrics, "1") == 0 ? IM_DEFAULT_FILE : metrics;
        int scale = Platform_Get_Scale() < 1 ? 1 : Platform_Get_Scale();
        int refresh = 0;
        SDL_DisplayMode mode;
        if (sdl2_window != nullptr && SDL_GetWindowDisplayMode(sdl2_window, &mode) == 0) {
            refresh = mode.refresh_rate;
        }
        const char *driver = SDL_GetCurrentVideoDriver();
        if (Input_Metrics_Init(path, "SDL2", driver != nullptr ? driver : "", scale, refresh) == 0) {
            sdl2_Viewport_Note_Metrics();
            INIT_LOG(SEV_INFO, "graphics: input metrics enabled -> %s", path);
        } else {
            INIT_LOG(SEV_WARN, "graphics: input metrics could not be started at %s", path);
        }
    }
    return 0;
}

void Shutdown_Platform(void)
{
    Input_Metrics_Shutdown();
    SDL_ShowCursor(SDL_ENABLE);
    sdl2_Audio_Deinit();
    sdl2_PFL_Shutdown();
    sdl2_Video_Shutdown();
    if (sdl2_texture != nullptr) {
        SDL_DestroyTexture(sdl2_texture);
        sdl2_texture = nullptr;
    }
    if (sdl2_surface_RGB666 != nullptr) {
        SDL_FreeSurface(sdl2_surface_RGB666);
        sdl2_surface_RGB666 = nullptr;
    }
    if (sdl2_surface_ARGB8888 != nullptr) {
        SDL_FreeSurface(sdl2_surface_ARGB8888);
        sdl2_surface_ARGB8888 = nullptr;
    }
    if (sdl2_renderer != nullptr) {
        SDL_DestroyRenderer(sdl2_renderer);
        sdl2_renderer = nullptr;
    }
    if (sdl2_window != nullptr) {
        SDL_DestroyWindow(sdl2_window);
        sdl2_window = nullptr;
    }
    SDL_Quit();
}
