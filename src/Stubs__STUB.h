// Stand-ins for services that start-up calls before the code that owns them exists.
// Each is the least that lets start-up run in its fixed order; the owning module
// replaces it (and removes it from here) when it lands.
#pragma once

#include <cstdint>
#include <cstdio>

// ---- automation driver ----
int Automation_Driver_Load_Scenario(const char *file);
void Automation_Driver_Frame(void);
void Automation_Driver_Shutdown(void);

// ---- engine ----
// Called by Init_Drivers (Orv/src/Init_Drivers.cpp) until the font and input modules land.
void Init_Mouse_Keyboard(int16_t input_type);
void Enable_Cancel(void);

// Fields of the current screen, read by the replay layer's field-log callback.
struct Field_Rect__STUB { int16_t x1, y1, x2, y2; };
int Fields_Count__STUB(void);
Field_Rect__STUB Field_Rect_At__STUB(int index);

// ---- game ----
