// Minimal stand-ins, each removed when the module that owns the name lands.
#include "Stubs__STUB.h"

#include <SDL.h>
#include <cstring>

#include "STU_Log.h"
#include "STU_Wrappers.h"
#include "Tolva.h"

// ---- recording and replay ----
void Platform_Replay_Register_Random_Seed_Callbacks(uint32_t (*get_seed)(void), void (*set_seed)(uint32_t)) {}
void Platform_Replay_Register_Field_Log_Callback(void (*callback)(FILE *stream, int x, int y)) {}
int Platform_Record_Start(const char *file) { return -1; }
void Platform_Record_Stop(void) {}
int Platform_Record_Active(void) { return 0; }
int Platform_Replay_Start(const char *file) { return -1; }
void Platform_Replay_Stop(void) {}
int Platform_Replay_Active(void) { return 0; }

// ---- automation driver ----
int Automation_Driver_Load_Scenario(const char *file) { return -1; }
void Automation_Driver_Frame(void) {}
void Automation_Driver_Shutdown(void) {}

// ---- engine ----
void Init_Mouse_Keyboard(int16_t input_type) {}
void Enable_Cancel(void) {}
void Play_Background_Music_Entry__STUB(int16_t entry) {}
int Fields_Count__STUB(void) { return 0; }
Field_Rect__STUB Field_Rect_At__STUB(int index) { return Field_Rect__STUB{0, 0, 0, 0}; }

// ---- game ----
