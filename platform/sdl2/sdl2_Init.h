// Bringing the SDL2 platform up and down: window, renderer (software fallback), surfaces,
// texture, key tables, audio and input metrics; and the error box of start-up.
#pragma once

#include <cstdint>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Surface;
struct SDL_Texture;

extern SDL_Window *sdl2_window;
extern SDL_Renderer *sdl2_renderer;
extern SDL_Surface *sdl2_surface_RGB666;
extern SDL_Surface *sdl2_surface_ARGB8888;
extern SDL_Texture *sdl2_texture;
extern int32_t sdl2_window_width;
extern int32_t sdl2_window_height;
extern char sdl2_window_title[56];
extern uint64_t sdl2_ticks_startup;
extern uint64_t sdl2_performance_counter;
extern int16_t platform_start_id;

int Startup_Platform(void);
void Shutdown_Platform(void);
void Platform_Report_Startup_Platform(void);
// Title and text go to standard error and the log; a box is shown only when not headless.
void Platform_Show_Error(const char *title, const char *text);
// Headless runs (SDL's dummy video driver) never show message boxes.
void Platform_Set_Headless(int headless);
int Platform_Is_Headless(void);
// 1 when the video driver SDL chose shows nothing (its offscreen or dummy driver, or none at all).
int Platform_Video_Shows_Nothing(void);
void sdl2_Log_SDL_Output(void *userdata, int category, int priority, const char *message);
SDL_Renderer *sdl2_Create_Renderer_With_Fallback(SDL_Window *window);
void sdl2_Log_Graphics_Environment(void);
// The renderer's flags as text: "software ", "accelerated ", "vsync ", "target-texture".
void sdl2_Renderer_Flags_Text(uint32_t flags, char *out, int size);
