// Stand-ins for services that start-up calls before the code that owns them exists.
// Each is the least that lets start-up run in its fixed order; the owning module
// replaces it (and removes it from here) when it lands.
#pragma once

#include <cstdint>
#include <cstdio>

// ---- platform: SDL2 start-up, video, error box ----
void Startup_Platform(void);
void Shutdown_Platform(void);
void Platform_Show_Error(const char *title, const char *text);
void Platform_Register_Frame_Callback(void (*callback)(void));
void Platform_Set_Video_Settings(int window_state, int scale_mode, int pixel_aspect);
int Viewport_Window_State_From_Name(const char *text, int *out);
int Viewport_Scale_Mode_From_Name(const char *text, int *out);
int Viewport_Aspect_Ratio_From_Name(const char *text, int *out);
const char *Viewport_Window_State_Name(int value);
const char *Viewport_Scale_Mode_Name(int value);
const char *Viewport_Aspect_Ratio_Name(int value);

// ---- platform: recording and replay ----
void Platform_Replay_Register_Random_Seed_Callbacks(uint32_t (*get_seed)(void), void (*set_seed)(uint32_t));
void Platform_Replay_Register_Field_Log_Callback(void (*callback)(FILE *stream, int x, int y));
int Platform_Record_Start(const char *file);
void Platform_Record_Stop(void);
int Platform_Record_Active(void);
int Platform_Replay_Start(const char *file);
void Platform_Replay_Stop(void);
int Platform_Replay_Active(void);

// ---- platform: capture and profiler ----
int Platform_Capture_Start(const char *folder, int fps);
void Platform_Capture_Stop(void);
void Perf_Init(const char *platform, const char *build);

// ---- automation driver ----
int Automation_Driver_Load_Scenario(const char *file);
void Automation_Driver_Frame(void);
void Automation_Driver_Shutdown(void);

// ---- engine ----
// Called by Init_Drivers (Orv/src/Init_Drivers.cpp) until the font and input modules land.
void Load_Font_File(const char *font_file);
void Init_Mouse_Keyboard(int16_t input_type);
void Mark_Time(void);
void Release_Time(int16_t ticks);
void Load_Palette(int16_t entry, int16_t first, int16_t last);
void Apply_Palette(void);
uint8_t *Set_Page_On(void);
uint8_t *Set_Page_Off(void);
void Fill(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t colour);
void Enable_Cancel(void);
void Play_Background_Music_Entry__STUB(int16_t entry);

// Fields of the current screen, read by the replay layer's field-log callback.
struct Field_Rect__STUB { int16_t x1, y1, x2, y2; };
int Fields_Count__STUB(void);
Field_Rect__STUB Field_Rect_At__STUB(int index);

// ---- game ----
