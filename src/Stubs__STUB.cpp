// Minimal stand-ins, each removed when the module that owns the name lands.
#include "Stubs__STUB.h"

#include <SDL.h>
#include <cstring>

#include "STU_Log.h"
#include "STU_Wrappers.h"
#include "Tolva.h"

// ---- platform ----
void Startup_Platform(void) {}
void Shutdown_Platform(void) {}

void Platform_Show_Error(const char *title, const char *text)
{
    STU_LOG(SEV_ERROR, LC_SDL2_INIT, "%s: %s", title, text);
    STU_Log_Flush_All();
    // A box would block a headless run: there the title and text go to standard error only.
    fprintf(stderr, "%s\n\n%s\n", title, text);
    if (!Tolva_Headless()) SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, text, nullptr);
}

void Platform_Register_Frame_Callback(void (*callback)(void)) {}

namespace {
int m_video[3] = {2, 0, 0};
const char *const m_window_names[3] = {"windowed", "", "fullscreen"};
const char *const m_scale_names[3] = {"integer", "fit_nearest", "fit_sharp_bilinear"};
const char *const m_aspect_names[2] = {"16:10", "4:3"};

int From_Name(const char *text, const char *const *names, const int *values, int count, int *out)
{
    if (text == nullptr) return 0;
    for (int i = 0; i < count; i++)
        if (stu_stricmp(text, names[values[i]]) == 0) {
            *out = values[i];
            return 1;
        }
    return 0;
}
} // namespace

void Platform_Set_Video_Settings(int window_state, int scale_mode, int pixel_aspect)
{
    m_video[0] = window_state == 2 ? 2 : 0;
    m_video[1] = (scale_mode == 1 || scale_mode == 2) ? scale_mode : 0;
    m_video[2] = pixel_aspect == 1 ? 1 : 0;
}

int Viewport_Window_State_From_Name(const char *text, int *out)
{
    static const int values[2] = {0, 2};
    return From_Name(text, m_window_names, values, 2, out);
}
int Viewport_Scale_Mode_From_Name(const char *text, int *out)
{
    static const int values[3] = {0, 1, 2};
    return From_Name(text, m_scale_names, values, 3, out);
}
int Viewport_Aspect_Ratio_From_Name(const char *text, int *out)
{
    static const int values[2] = {0, 1};
    return From_Name(text, m_aspect_names, values, 2, out);
}
const char *Viewport_Window_State_Name(int value) { return m_window_names[value == 2 ? 2 : 0]; }
const char *Viewport_Scale_Mode_Name(int value) { return m_scale_names[(value == 1 || value == 2) ? value : 0]; }
const char *Viewport_Aspect_Ratio_Name(int value) { return m_aspect_names[value == 1 ? 1 : 0]; }

// ---- recording and replay ----
void Platform_Replay_Register_Random_Seed_Callbacks(uint32_t (*get_seed)(void), void (*set_seed)(uint32_t)) {}
void Platform_Replay_Register_Field_Log_Callback(void (*callback)(FILE *stream, int x, int y)) {}
int Platform_Record_Start(const char *file) { return -1; }
void Platform_Record_Stop(void) {}
int Platform_Record_Active(void) { return 0; }
int Platform_Replay_Start(const char *file) { return -1; }
void Platform_Replay_Stop(void) {}
int Platform_Replay_Active(void) { return 0; }

// ---- capture and profiler ----
int Platform_Capture_Start(const char *folder, int fps) { return -1; }
void Platform_Capture_Stop(void) {}
void Perf_Init(const char *platform, const char *build) {}

// ---- automation driver ----
int Automation_Driver_Load_Scenario(const char *file) { return -1; }
void Automation_Driver_Frame(void) {}
void Automation_Driver_Shutdown(void) {}

// ---- engine ----
void Load_Font_File(const char *font_file) {}
void Init_Mouse_Keyboard(int16_t input_type) {}
void Mark_Time(void) {}
void Release_Time(int16_t ticks) {}
void Load_Palette(int16_t entry, int16_t first, int16_t last) {}
void Apply_Palette(void) {}
uint8_t *Set_Page_On(void) { return nullptr; }
uint8_t *Set_Page_Off(void) { return nullptr; }
void Fill(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t colour) {}
void Enable_Cancel(void) {}
void Play_Background_Music_Entry__STUB(int16_t entry) {}
int Fields_Count__STUB(void) { return 0; }
Field_Rect__STUB Field_Rect_At__STUB(int index) { return Field_Rect__STUB{0, 0, 0, 0}; }

// ---- game ----
