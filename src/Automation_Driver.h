// Plays a scripted scenario into the running game: clicks, keys, typed text and waits for time,
// a screen, a turn or a field, one action per input poll.
#pragma once

#include <cstdint>

constexpr int AUTOMATION_ACTIONS_MAX = 4096;
constexpr int AUTOMATION_ALIAS_MAX = 512;
constexpr int AUTOMATION_VARIABLES_MAX = 4;
constexpr int AUTOMATION_INCLUDE_DEPTH_LIMIT = 8;
constexpr uint64_t AUTOMATION_DEFAULT_TIMEOUT_MS = 30000;
constexpr uint64_t AUTOMATION_FRAME_MS = 55;

enum Automation_Action_Kind : int32_t {
    AA_WAIT = 1,
    AA_KEY = 2,
    AA_ESCAPE = 3,
    AA_ENTER = 4,
    AA_BACKSPACE = 5,
    AA_CLICK = 6,
    AA_RCLICK = 7,
    AA_MOVE = 8,
    AA_WAIT_SCREEN = 9,
    AA_WAIT_TURN = 10,
    AA_WAIT_FIELD = 11,
    AA_QUIT = 12,
    AA_END = 13,
};

struct Automation_Action {
    int32_t kind;
    uint64_t duration_ms;  // wait: its length; state waits: the time-out
    int16_t x;             // screen wait: the screen; turn wait: the turn
    int16_t y;
    uint8_t character;
    uint32_t packed_key;  // low byte engine code, second byte character, bit 16 Shift
};

struct Alias_Point {
    char name[128];
    int16_t x;
    int16_t y;
};

struct Scenario_Variable {
    char name[32];
    char value[64];
};

int Automation_Driver_Load_Scenario(const char *path);
void Automation_Driver_Frame(void);
void Automation_Driver_Shutdown(void);
int Automation_Driver_Active(void);
// Called with 1 when the scenario starts waiting for a turn or a screen (wait_turn, wait_screen)
// and with 0 when that wait ends; nullptr for none.
void Automation_Driver_Register_Turn_Wait_Callback(void (*callback)(int waiting));
void Automation_Driver_Set_Alias_Points_Path(const char *path);

// ---- pieces exposed for checking without a running game ----
// Milliseconds of a duration text, or 0 when it is bad.
uint64_t Automation_Parse_Duration(const char *text);
uint32_t Automation_Pack_Key(char c);
// The screen number a wait_screen name gives, or -1.
int Automation_Screen_From_Name(const char *name);
const char *Automation_Screen_Short_Name(int screen);
void Automation_Set_Variable(const char *name, const char *value);
const char *Automation_Get_Variable(const char *name);
void Automation_Expand_Variables(const char *text, char *out, int out_size);
int Automation_Action_Count(void);
const Automation_Action *Automation_Action_At(int index);
int Automation_Alias_Count(void);
// Why the last load failed ("" when it did not); the load also says it on standard error.
const char *Automation_Driver_Load_Error(void);
// 1 when the last scenario loaded had more actions than the table holds.
int Automation_Driver_Scenario_Cut(void);
