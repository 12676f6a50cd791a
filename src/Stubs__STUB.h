// Stand-ins for services that start-up calls before the code that owns them exists.
// Each is the least that lets start-up run in its fixed order; the owning module
// replaces it (and removes it from here) when it lands.
#pragma once

#include <cstdint>
#include <cstdio>

// ---- platform: recording and replay ----
void Platform_Replay_Register_Random_Seed_Callbacks(uint32_t (*get_seed)(void), void (*set_seed)(uint32_t));
void Platform_Replay_Register_Field_Log_Callback(void (*callback)(FILE *stream, int x, int y));
int Platform_Record_Start(const char *file);
void Platform_Record_Stop(void);
int Platform_Record_Active(void);
int Platform_Replay_Start(const char *file);
void Platform_Replay_Stop(void);
int Platform_Replay_Active(void);

// ---- automation driver ----
int Automation_Driver_Load_Scenario(const char *file);
void Automation_Driver_Frame(void);
void Automation_Driver_Shutdown(void);

// ---- engine ----
// Called by Init_Drivers (Orv/src/Init_Drivers.cpp) until the font and input modules land.
void Init_Mouse_Keyboard(int16_t input_type);
void Enable_Cancel(void);
void Play_Background_Music_Entry__STUB(int16_t entry);

// Fields of the current screen, read by the replay layer's field-log callback.
struct Field_Rect__STUB { int16_t x1, y1, x2, y2; };
int Fields_Count__STUB(void);
Field_Rect__STUB Field_Rect_At__STUB(int index);

// ---- game ----
