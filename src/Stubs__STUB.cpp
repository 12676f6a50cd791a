// Minimal stand-ins, each removed when the module that owns the name lands.
#include "Stubs__STUB.h"

#include <SDL.h>
#include <cstring>

#include "STU_Log.h"
#include "STU_Wrappers.h"
#include "Tolva.h"

// ---- automation driver ----
int Automation_Driver_Load_Scenario(const char *file) { return -1; }
void Automation_Driver_Frame(void) {}
void Automation_Driver_Shutdown(void) {}

// ---- engine ----
void Init_Mouse_Keyboard(int16_t input_type) {}
void Enable_Cancel(void) {}
int Fields_Count__STUB(void) { return 0; }
Field_Rect__STUB Field_Rect_At__STUB(int index) { return Field_Rect__STUB{0, 0, 0, 0}; }

// ---- game ----
