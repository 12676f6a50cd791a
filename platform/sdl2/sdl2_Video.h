// Presenting the shown page: the platform's copy of the palette, conversion of the 8-bit
// page into the streaming texture, scaling into the window, and the window state.
#pragma once

#include <cstdint>

#include "sdl2_Viewport.h"

constexpr int PLATFORM_GAME_WIDTH = 320;
constexpr int PLATFORM_GAME_HEIGHT = 200;

// 256 entries of red, green, blue, alpha (8 bits each, alpha always 255): the palette shown.
extern uint8_t platform_palette_buffer[256 * 4];
extern Viewport sdl2_viewport;

// The engine tells the platform where the shown page and the working palette live: the
// platform sits below the engine and never names the engine's globals itself.
void Platform_Set_Page_Source(uint8_t *const *shown_page);
void Platform_Set_Palette_Source(const uint8_t *current_palette_6bit);

void Platform_Video_Update(void);
void Platform_Palette_Update(void);
void Platform_Set_Palette_Color(int index, int red, int green, int blue);
void Platform_Get_Palette_Color(int index, int *red, int *green, int *blue);

int sdl2_Viewport_Refresh(void);
void sdl2_Viewport_Log(void);
void sdl2_Viewport_Note_Metrics(void);
void sdl2_Present_Image(void);
int sdl2_Sharp_Bilinear_Ready(void);
void sdl2_Sharp_Bilinear_Give_Up(const char *reason);
void sdl2_Set_Window_State(int state);
void sdl2_Toggle_Fullscreen(void);
int sdl2_Is_Fullscreen(void);
int sdl2_Current_Window_State(void);
void sdl2_Video_Shutdown(void);

int Platform_Get_Scale(void);
void Platform_Set_Window_Title(const char *text);
int Platform_Get_Window_Width(void);

// Turns 320 x 200 palette indices into ARGB8888 pixels through a palette of 256 RGBA entries;
// pitch is the output's row length in bytes.
// A processor with byte permutes over 64-byte registers converts 64 pixels a step; any other
// takes the 256-entry table a pixel at a time. Both give the same pixels.
void sdl2_Convert_Page_ARGB8888(const uint8_t *page, const uint8_t *palette_rgba, void *out, int pitch);
// The table conversion alone, whatever the processor.
void sdl2_Convert_Page_ARGB8888_Table(const uint8_t *page, const uint8_t *palette_rgba, void *out, int pitch);
