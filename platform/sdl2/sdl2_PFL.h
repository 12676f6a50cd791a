// Input as the engine asks for it: one event pass per poll, engine key codes in a 256-entry
// buffer, the pointer in game pixels, grab and confinement, the hardware cursor, and clocks.
#pragma once

#include <cstdint>

union SDL_Event;

// Engine key codes.
enum Engine_Key_Code : int32_t {
    KEY_NONE = 0,
    KEY_LEFT = 1,
    KEY_RIGHT = 2,
    KEY_UP = 3,
    KEY_DOWN = 4,
    KEY_UP_RIGHT = 5,    // keypad 9
    KEY_DOWN_RIGHT = 6,  // keypad 3
    KEY_UP_LEFT = 7,     // keypad 7
    KEY_DOWN_LEFT = 8,   // keypad 1
    KEY_INSERT = 9,
    KEY_DELETE = 10,
    KEY_BACKSPACE = 11,
    KEY_ENTER = 12,
    KEY_TAB = 13,
    KEY_F1 = 14,
    KEY_F10 = 23,
    KEY_HOME = 26,
    KEY_ESCAPE = 27,
    KEY_END = 28,
    KEY_A = 97,
    KEY_Z = 122,
    KEY_F11 = 145,
    KEY_F12 = 146,
    KEY_TEXT_MARKER = 186,  // a printable key while text input is on: its character comes as text
};

constexpr int32_t KEY_MOD_SHIFT = 0x10000;
constexpr int32_t KEY_MOD_ALT = 0x20000;
constexpr int32_t KEY_MOD_CTRL = 0x40000;

constexpr int KEYBOARD_BUFFER_SIZE = 256;

// Entry layout: engine code in the low byte, typed character in the second, modifier bits above.
struct Platform_Keyboard_Buffer {
    int32_t write_index;
    int32_t read_index;
    int32_t entries[KEYBOARD_BUFFER_SIZE];
    int32_t modifiers;
    uint8_t held[24];  // one bit per engine code 1..185
    uint32_t dropped;  // presses refused while the buffer was full
};

extern Platform_Keyboard_Buffer platform_keyboard_buffer;
extern uint8_t key_pressed;
extern uint16_t platform_frame_mouse_buttons;
extern int32_t platform_mouse_input_enabled;
extern uint8_t pfl_mouse_grabbed;
extern uint8_t pfl_option_relative_mouse;
extern int32_t pfl_option_mouse_speed;
extern int platform_quit_requested;

// What the platform needs of the engine's pointer (its position, its drawing on the shown
// page, its images). Registered by the engine; any member may be null.
struct Platform_Pointer_Hooks {
    void (*user_mouse_handler)(int16_t buttons, int16_t window_x, int16_t window_y);
    int16_t *pointer_x;
    int16_t *pointer_y;
    int16_t *mouse_enabled;
    int16_t (*mouse_list_count)(void);
    void (*check_mouse_shape)(int16_t x, int16_t y);
    void (*restore_mouse_on_page)(void);
    void (*save_mouse_on_page)(int16_t x, int16_t y);
    void (*draw_mouse_on_page)(int16_t x, int16_t y);
    int16_t (*pointer_image_number)(void);
    uint8_t *const *mouse_palette;  // the pointer images of the current palette entry
};
void Platform_Register_Pointer_Hooks(const Platform_Pointer_Hooks *hooks);
// The engine's pointer as recording and replay read and drive it (0 and no effect without hooks).
int16_t Platform_Engine_Pointer_X(void);
int16_t Platform_Engine_Pointer_Y(void);
void Platform_Engine_Set_Pointer(int16_t gx, int16_t gy);
int16_t Platform_Engine_Mouse_Enabled(void);
void Platform_Engine_User_Mouse_Handler(int16_t buttons, int16_t window_x, int16_t window_y);

// Events.
void Platform_Event_Handler(void);
void Platform_Pump_Events(void);
void Platform_Register_Frame_Callback(void (*callback)(void));
// Called once when the user asks to quit (window closed, Ctrl+Alt+Shift+Q); the game ends
// through its own orderly way out. platform_quit_requested stays set from then on.
void Platform_Register_Quit_Callback(void (*callback)(void));
int Platform_Quit_Requested(void);
// A quit asked for by the program itself (a script's quit): the same way out as a closed window,
// so every box open at the time closes with its declining answer.
void Platform_Request_Quit(void);
void Platform_Window_Event(const SDL_Event *event);
void Platform_Keyboard_Event(const SDL_Event *event);

// Keyboard.
void Build_Key_Xlat(void);
// The engine code and character of an SDL keycode (character 0 when none); used by key events.
int32_t Platform_Translate_Keycode(int32_t sdl_keycode, int32_t *character);
void Hw_Textinput_Start(void);
void Hw_Textinput_Stop(void);
int Hw_Textinput_Active(void);
void Platform_Keyboard_Buffer_Add_Key_Press(int32_t code, int32_t modifiers, int32_t character);
int Platform_Keyboard_Buffer_Pending_Count(void);
int32_t Platform_Keyboard_Buffer_Peek_Latest(void);
void Platform_Keyboard_Buffer_Clear(void);
void Kbd_Set_Pressed(int32_t code, int32_t modifiers, int down);
int Kbd_Is_Pressed(int32_t code, int32_t required_modifiers, int32_t forbidden_modifiers);
int32_t Mod_Xlat(uint32_t sdl_modifiers);

// Mouse and pointer.
int16_t Platform_Get_Mouse_Button_State(void);
void Platform_Set_Synthetic_Mouse_Button(int16_t button);
void Platform_Warp_Mouse(int gx, int gy);
int Platform_Window_To_Game(int wx, int wy, int *gx, int *gy);
void Platform_Game_To_Window(int gx, int gy, int *wx, int *wy);
void Platform_Mouse_Input_Enable(void);
void Platform_Mouse_Input_Disable(void);
int Platform_HW_Cursor_Active(void);
int sdl2_Cursor_Overlay_Active(void);
void Platform_HW_Cursor_Refresh(void);
void sdl2_Cursor_Overlay_Draw(void);
void Platform_Maybe_Move_Mouse(void);
void sdl2_Mouse_Confine_Update(void);
void sdl2_Mouse_Keep_On_Image(int wx, int wy);
int sdl2_Mouse_Is_Relative(void);
void sdl2_Mouse_Relative_Set(int gx, int gy);
void sdl2_Mouse_Grab(void);
void sdl2_Mouse_Release(void);
void sdl2_PFL_Shutdown(void);

// Frame statistics.
void DBG_Frame_Reset(void);
uint64_t DBG_Frame_Count(void);

// Clocks.
uint64_t Platform_Get_Millies(void);
// Test seam: the process clock (null restores the steady clock). Fuzz targets give a clock that
// runs ahead at every reading, so that frame waits end at once.
void Platform_Set_Clock(uint64_t (*clock)(void));
uint64_t Platform_Get_Micros(void);
uint32_t Read_System_Clock_Timer(void);
void Platform_Sleep_Millies(uint32_t ms);
// Sleeps until an event arrives or ms milliseconds have passed, whichever is first; takes no
// event. With events already waiting it sleeps 1 ms, and where the video driver has no way of
// waking on events (no window, the dummy and offscreen drivers) it sleeps the whole time.
void Platform_Wait_Event_Millies(uint32_t ms);
// A simulated clock for unattended test runs: a sleep returns at once and moves the clock on by
// its length, so a run behaves as on an infinitely fast machine; the clock still follows real
// time in between. Off unless a headless run asks for it (TOLVA_SIMULATED_CLOCK=1).
void Platform_Set_Simulated_Clock(int on);
int Platform_Simulated_Clock(void);
