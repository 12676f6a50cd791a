#include "sdl2_PFL.h"
#include <ctime>

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

#include "Input_Metrics.h"
#include "Replay.h"
#include "STU_Log.h"
#include "sdl2_Init.h"
#include "sdl2_Log.h"
#include "sdl2_Video.h"

#define PFL_LOG(severity, ...) SDL2_LOG("platform/sdl2/sdl2_PFL", severity, LC_SDL2_PFL, __VA_ARGS__)

Platform_Keyboard_Buffer platform_keyboard_buffer = {};
uint8_t key_pressed = 0;
uint16_t platform_frame_mouse_buttons = 0;
int32_t platform_mouse_input_enabled = 0;
uint8_t pfl_mouse_grabbed = 0;
uint8_t pfl_option_relative_mouse = 1;
int32_t pfl_option_mouse_speed = 100;
int platform_quit_requested = 0;

namespace {

constexpr uint32_t SCANCODE_BIT = 0x40000000u;
int32_t m_scancode_xlat[512];
int32_t m_keycode_xlat[128];
int32_t m_hotkey_keycode = 0;
int m_textinput_on = 0;

Platform_Pointer_Hooks m_hooks = {};
void (*m_frame_callback)(void) = nullptr;
void (*m_quit_callback)(void) = nullptr;

int16_t m_relative_x = 0;
int16_t m_relative_y = 0;
int32_t m_relative_remainder_x = 0;
int32_t m_relative_remainder_y = 0;
int m_relative_mode = 0;
uint64_t m_warp_guard_until = 0;
int16_t m_synthetic_button = 0;
int16_t m_synthetic_reads = 0;
int m_pointer_update_busy = 0;

int m_hw_cursor_decision = -1;
int m_overlay_decision = 0;
int m_cursor_image = -1;
int m_cursor_width = -1;
int m_cursor_height = -1;
SDL_Cursor *m_cursor = nullptr;
SDL_Texture *m_overlay_texture = nullptr;
int m_overlay_width = 0;
int m_overlay_height = 0;
int m_last_move_x = -1;
int m_last_move_y = -1;

// Frame statistics: the counts start again with every frame.
struct Frame_Statistics {
    uint32_t passes;
    uint32_t key_events;
    uint32_t window_events;
    uint32_t motion_events;
    uint32_t button_down_events;
    uint32_t button_up_events;
    uint32_t other_events;
    uint32_t pointer_updates;
    uint64_t interval_sum;
    uint64_t interval_max;
};
uint64_t m_frame_counter = 0;
Frame_Statistics m_frame = {};
uint64_t m_previous_pass_ms = 0;

int16_t Engine_Pointer_X(void) { return m_hooks.pointer_x != nullptr ? *m_hooks.pointer_x : 0; }
int16_t Engine_Pointer_Y(void) { return m_hooks.pointer_y != nullptr ? *m_hooks.pointer_y : 0; }
int16_t Engine_Pointer_Image(void)
{
    return m_hooks.pointer_image_number != nullptr ? m_hooks.pointer_image_number() : 0;
}

void Request_Quit(void)
{
    if (platform_quit_requested) {
        return;
    }
    platform_quit_requested = 1;
    PFL_LOG(SEV_INFO, "graphics: quit requested");
    if (m_quit_callback != nullptr) {
        m_quit_callback();
    }
}

void Set_Grab(int on)
{
    if (sdl2_window != nullptr) {
        SDL_SetWindowGrab(sdl2_window, on ? SDL_TRUE : SDL_FALSE);
    }
    if (pfl_option_relative_mouse && (!Platform_HW_Cursor_Active() || m_overlay_decision)) {
        if (on) {
            sdl2_Mouse_Relative_Set(Engine_Pointer_X(), Engine_Pointer_Y());
        }
        if (sdl2_window != nullptr) {
            SDL_SetRelativeMouseMode(on ? SDL_TRUE : SDL_FALSE);
        }
        m_relative_mode = on;
    }
    sdl2_Mouse_Confine_Update();
}

void Take_Relative_Motion(void)
{
    int dx = 0;
    int dy = 0;
    SDL_GetRelativeMouseState(&dx, &dy);
    if (sdl2_window == nullptr || SDL_GetMouseFocus() != sdl2_window || (dx == 0 && dy == 0)) {
        return;
    }
    int iw = sdl2_viewport.image_width > 0 ? sdl2_viewport.image_width : 1;
    int ih = sdl2_viewport.image_height > 0 ? sdl2_viewport.image_height : 1;
    m_relative_remainder_x += dx * PLATFORM_GAME_WIDTH;
    int x = m_relative_x + m_relative_remainder_x / iw;
    m_relative_remainder_x %= iw;
    m_relative_remainder_y += dy * PLATFORM_GAME_HEIGHT;
    int y = m_relative_y + m_relative_remainder_y / ih;
    m_relative_remainder_y %= ih;
    m_relative_x = (int16_t)(x < 0 ? 0 : (x > PLATFORM_GAME_WIDTH - 1 ? PLATFORM_GAME_WIDTH - 1 : x));
    m_relative_y = (int16_t)(y < 0 ? 0 : (y > PLATFORM_GAME_HEIGHT - 1 ? PLATFORM_GAME_HEIGHT - 1 : y));
}

void Relative_Window_Position(int *wx, int *wy) { Platform_Game_To_Window(m_relative_x, m_relative_y, wx, wy); }

void Pointer_Update_From_Window(int wx, int wy)
{
    int gx = 0;
    int gy = 0;
    Platform_Window_To_Game(wx, wy, &gx, &gy);
    sdl2_Mouse_Keep_On_Image(wx, wy);
    if (m_hooks.pointer_x != nullptr) *m_hooks.pointer_x = (int16_t)gx;
    if (m_hooks.pointer_y != nullptr) *m_hooks.pointer_y = (int16_t)gy;
    Input_Metrics_Note_Poll(gx, gy);
    if (!m_pointer_update_busy) {
        m_pointer_update_busy = 1;
        if (m_hooks.mouse_enabled != nullptr && *m_hooks.mouse_enabled == 1) {
            *m_hooks.mouse_enabled = 0;
            if (m_hooks.check_mouse_shape != nullptr && m_hooks.mouse_list_count != nullptr &&
                m_hooks.mouse_list_count() > 1) {
                m_hooks.check_mouse_shape((int16_t)gx, (int16_t)gy);
            }
            if (m_hooks.restore_mouse_on_page != nullptr) m_hooks.restore_mouse_on_page();
            if (m_hooks.save_mouse_on_page != nullptr) m_hooks.save_mouse_on_page((int16_t)gx, (int16_t)gy);
            if (m_hooks.draw_mouse_on_page != nullptr) m_hooks.draw_mouse_on_page((int16_t)gx, (int16_t)gy);
            *m_hooks.mouse_enabled = 1;
        }
        m_pointer_update_busy = 0;
    }
    Platform_HW_Cursor_Refresh();
}

void Set_Key(int32_t sdl_key, int32_t code)
{
    if (((uint32_t)sdl_key & SCANCODE_BIT) != 0) {
        uint32_t index = (uint32_t)sdl_key & ~SCANCODE_BIT;
        if (index < 512) {
            m_scancode_xlat[index] = code;
        }
    } else if (sdl_key >= 0 && sdl_key < 128) {
        m_keycode_xlat[sdl_key] = code;
    }
}

}  // namespace

void Platform_Register_Pointer_Hooks(const Platform_Pointer_Hooks *hooks)
{
    m_hooks = hooks != nullptr ? *hooks : Platform_Pointer_Hooks{};
}

int16_t Platform_Engine_Pointer_X(void) { return Engine_Pointer_X(); }
int16_t Platform_Engine_Pointer_Y(void) { return Engine_Pointer_Y(); }
void Platform_Engine_Set_Pointer(int16_t gx, int16_t gy)
{
    if (m_hooks.pointer_x != nullptr) *m_hooks.pointer_x = gx;
    if (m_hooks.pointer_y != nullptr) *m_hooks.pointer_y = gy;
}
int16_t Platform_Engine_Mouse_Enabled(void) { return m_hooks.mouse_enabled != nullptr ? *m_hooks.mouse_enabled : 0; }
void Platform_Engine_User_Mouse_Handler(int16_t buttons, int16_t window_x, int16_t window_y)
{
    if (m_hooks.user_mouse_handler != nullptr) m_hooks.user_mouse_handler(buttons, window_x, window_y);
}

void Platform_Register_Frame_Callback(void (*callback)(void)) { m_frame_callback = callback; }

void Platform_Register_Quit_Callback(void (*callback)(void)) { m_quit_callback = callback; }

int Platform_Quit_Requested(void) { return platform_quit_requested; }
void Platform_Request_Quit(void) { Request_Quit(); }

// ---------------------------------------------------------------- keyboard

void Build_Key_Xlat(void)
{
    std::memset(m_scancode_xlat, 0, sizeof(m_scancode_xlat));
    std::memset(m_keycode_xlat, 0, sizeof(m_keycode_xlat));
    Set_Key(SDLK_LEFT, KEY_LEFT);
    Set_Key(SDLK_KP_4, KEY_LEFT);
    Set_Key(SDLK_RIGHT, KEY_RIGHT);
    Set_Key(SDLK_KP_6, KEY_RIGHT);
    Set_Key(SDLK_UP, KEY_UP);
    Set_Key(SDLK_KP_8, KEY_UP);
    Set_Key(SDLK_DOWN, KEY_DOWN);
    Set_Key(SDLK_KP_2, KEY_DOWN);
    Set_Key(SDLK_KP_9, KEY_UP_RIGHT);
    Set_Key(SDLK_KP_3, KEY_DOWN_RIGHT);
    Set_Key(SDLK_KP_7, KEY_UP_LEFT);
    Set_Key(SDLK_KP_1, KEY_DOWN_LEFT);
    Set_Key(SDLK_INSERT, KEY_INSERT);
    Set_Key(SDLK_DELETE, KEY_DELETE);
    Set_Key(SDLK_BACKSPACE, KEY_BACKSPACE);
    Set_Key(SDLK_RETURN, KEY_ENTER);
    Set_Key(SDLK_KP_ENTER, KEY_ENTER);
    Set_Key(SDLK_TAB, KEY_TAB);
    const SDL_Keycode f_keys[10] = {SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4, SDLK_F5,
                                    SDLK_F6, SDLK_F7, SDLK_F8, SDLK_F9, SDLK_F10};
    for (int i = 0; i < 10; ++i) {
        Set_Key(f_keys[i], KEY_F1 + i);
    }
    Set_Key(SDLK_HOME, KEY_HOME);
    Set_Key(SDLK_ESCAPE, KEY_ESCAPE);
    Set_Key(SDLK_END, KEY_END);
    for (int c = 'a'; c <= 'z'; ++c) {
        Set_Key(c, c);
    }
    Set_Key(SDLK_F11, KEY_F11);
    Set_Key(SDLK_F12, KEY_F12);
}

int32_t Platform_Translate_Keycode(int32_t sdl_keycode, int32_t *character)
{
    int32_t code = 0;
    int32_t ch = 0;
    if (((uint32_t)sdl_keycode & SCANCODE_BIT) != 0) {
        uint32_t index = (uint32_t)sdl_keycode & ~SCANCODE_BIT;
        code = index < 512 ? m_scancode_xlat[index] : 0;
    } else if (sdl_keycode >= 0 && sdl_keycode < 128) {
        code = m_keycode_xlat[sdl_keycode];
        int32_t low = sdl_keycode & 0xFF;
        ch = (low >= 32 && low <= 122) ? low : 0;
    }
    if (m_textinput_on && code >= 32 && code <= 122) {
        code = KEY_TEXT_MARKER;
    }
    if (character != nullptr) {
        *character = ch;
    }
    return code;
}

void Hw_Textinput_Start(void)
{
    SDL_StartTextInput();
    m_textinput_on = 1;
}

void Hw_Textinput_Stop(void)
{
    SDL_StopTextInput();
    m_textinput_on = 0;
}

int Hw_Textinput_Active(void) { return m_textinput_on; }

void Platform_Keyboard_Buffer_Add_Key_Press(int32_t code, int32_t modifiers, int32_t character)
{
    if (code == KEY_TEXT_MARKER) {
        return;
    }
    Platform_Keyboard_Buffer &kb = platform_keyboard_buffer;
    int32_t next = (kb.write_index + 1) % KEYBOARD_BUFFER_SIZE;
    if (next == kb.read_index) {
        // Full: a wrapped write index would make 256 unread presses look like none.
        kb.dropped += 1;
        return;
    }
    kb.entries[kb.write_index] = code | modifiers | ((character & 0xFF) << 8);
    kb.write_index = next;
    key_pressed = 1;
}

int Platform_Keyboard_Buffer_Pending_Count(void)
{
    const Platform_Keyboard_Buffer &kb = platform_keyboard_buffer;
    return (kb.write_index - kb.read_index + KEYBOARD_BUFFER_SIZE) % KEYBOARD_BUFFER_SIZE;
}

int32_t Platform_Keyboard_Buffer_Peek_Latest(void)
{
    const Platform_Keyboard_Buffer &kb = platform_keyboard_buffer;
    if (kb.write_index == kb.read_index) {
        return 0;
    }
    return kb.entries[(kb.write_index + KEYBOARD_BUFFER_SIZE - 1) % KEYBOARD_BUFFER_SIZE];
}

void Platform_Keyboard_Buffer_Clear(void)
{
    platform_keyboard_buffer.write_index = 0;
    platform_keyboard_buffer.read_index = 0;
}

void Kbd_Set_Pressed(int32_t code, int32_t modifiers, int down)
{
    platform_keyboard_buffer.modifiers = modifiers;
    if (code >= 1 && code <= 185) {
        uint8_t bit = (uint8_t)(1u << (code % 8));
        if (down) {
            platform_keyboard_buffer.held[code / 8] |= bit;
        } else {
            platform_keyboard_buffer.held[code / 8] &= (uint8_t)~bit;
        }
    }
}

int Kbd_Is_Pressed(int32_t code, int32_t required_modifiers, int32_t forbidden_modifiers)
{
    if (code < 1 || code > 185) {
        return 0;
    }
    int32_t mods = platform_keyboard_buffer.modifiers;
    if ((mods & required_modifiers) != required_modifiers || (mods & forbidden_modifiers) != 0) {
        return 0;
    }
    return (platform_keyboard_buffer.held[code / 8] >> (code % 8)) & 1;
}

int32_t Mod_Xlat(uint32_t sdl_modifiers)
{
    int32_t bits = 0;
    if (sdl_modifiers & KMOD_SHIFT) bits |= KEY_MOD_SHIFT;
    if (sdl_modifiers & KMOD_ALT) bits |= KEY_MOD_ALT;
    if (sdl_modifiers & KMOD_CTRL) bits |= KEY_MOD_CTRL;
    return bits;
}

void Platform_Keyboard_Event(const SDL_Event *event)
{
    if (event->type == SDL_KEYDOWN) {
        const SDL_Keysym &key = event->key.keysym;
        uint32_t mods = key.mod;
        if ((mods & KMOD_CTRL) && (mods & KMOD_ALT) && (mods & KMOD_SHIFT) && key.sym == SDLK_q) {
            SDL_Event quit;
            std::memset(&quit, 0, sizeof(quit));
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
            return;
        }
        if ((mods & KMOD_ALT) && (key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER)) {
            if (!event->key.repeat) {
                sdl2_Toggle_Fullscreen();
            }
            m_hotkey_keycode = key.sym;
            return;
        }
        int32_t character = 0;
        int32_t code = Platform_Translate_Keycode(key.sym, &character);
        int32_t modifiers = Mod_Xlat(mods);
        if (code >= 1 && code <= 185) {
            Platform_Keyboard_Buffer_Add_Key_Press(code, modifiers, character);
        }
        Kbd_Set_Pressed(code, modifiers, 1);
    } else if (event->type == SDL_KEYUP) {
        const SDL_Keysym &key = event->key.keysym;
        if (m_hotkey_keycode != 0 && key.sym == m_hotkey_keycode) {
            m_hotkey_keycode = 0;
            return;
        }
        int32_t code = Platform_Translate_Keycode(key.sym, nullptr);
        Kbd_Set_Pressed(code, Mod_Xlat(key.mod), 0);
    } else if (event->type == SDL_TEXTINPUT) {
        if (!m_textinput_on) {
            return;
        }
        uint8_t first = (uint8_t)event->text.text[0];
        // Only printable ASCII is typed into the engine's text boxes.
        if (first < 32 || first > 126) {
            return;
        }
        SDL_StopTextInput();
        SDL_StartTextInput();
        Platform_Keyboard_Buffer_Add_Key_Press(0, 0, first);
    }
}

// ---------------------------------------------------------------- mouse

int16_t Platform_Get_Mouse_Button_State(void)
{
    int16_t state = 0;
    if (platform_mouse_input_enabled) {
        uint32_t buttons = SDL_GetMouseState(nullptr, nullptr);
        if (buttons & SDL_BUTTON(SDL_BUTTON_RIGHT)) {
            state = 2;
        } else if (buttons & SDL_BUTTON(SDL_BUTTON_LEFT)) {
            state = 1;
        }
    }
    if (m_synthetic_reads > 0) {
        state = (int16_t)(state | m_synthetic_button);
        m_synthetic_reads -= 1;
        if (m_synthetic_reads == 0) {
            m_synthetic_button = 0;
        }
    }
    return state;
}

void Platform_Set_Synthetic_Mouse_Button(int16_t button)
{
    m_synthetic_button = button;
    m_synthetic_reads = button == 0 ? 0 : 4;
}

int Platform_Window_To_Game(int wx, int wy, int *gx, int *gy)
{
    return Viewport_Window_To_Game(&sdl2_viewport, wx, wy, gx, gy);
}

void Platform_Game_To_Window(int gx, int gy, int *wx, int *wy)
{
    Viewport_Game_To_Window(&sdl2_viewport, gx, gy, wx, wy);
}

void Platform_Warp_Mouse(int gx, int gy)
{
    m_warp_guard_until = Platform_Get_Millies() + 100;
    int wx = 0;
    int wy = 0;
    Platform_Game_To_Window(gx, gy, &wx, &wy);
    if (m_relative_mode) {
        m_relative_x = (int16_t)gx;
        m_relative_y = (int16_t)gy;
        m_relative_remainder_x = 0;
        m_relative_remainder_y = 0;
    }
    if (sdl2_window != nullptr) {
        SDL_WarpMouseInWindow(sdl2_window, wx, wy);
    }
}

void Platform_Mouse_Input_Enable(void) { platform_mouse_input_enabled = 1; }

void Platform_Mouse_Input_Disable(void) { platform_mouse_input_enabled = 0; }

int Platform_HW_Cursor_Active(void)
{
    if (m_hw_cursor_decision < 0) {
        const char *value = std::getenv("TOLVA_HW_CURSOR");
        if (value != nullptr && std::strcmp(value, "0") == 0) {
            m_hw_cursor_decision = 0;
            m_overlay_decision = 0;
        } else if (value != nullptr && std::strcmp(value, "1") == 0) {
            m_hw_cursor_decision = 1;
            m_overlay_decision = 0;
        } else {
            m_hw_cursor_decision = 1;
            m_overlay_decision = 1;
        }
    }
    return m_hw_cursor_decision;
}

int sdl2_Cursor_Overlay_Active(void)
{
    Platform_HW_Cursor_Active();
    return m_overlay_decision;
}

int sdl2_Mouse_Is_Relative(void) { return m_relative_mode; }

void sdl2_Mouse_Relative_Set(int gx, int gy)
{
    m_relative_x = (int16_t)gx;
    m_relative_y = (int16_t)gy;
    m_relative_remainder_x = 0;
    m_relative_remainder_y = 0;
}

void sdl2_Mouse_Confine_Update(void)
{
    if (sdl2_window == nullptr) {
        return;
    }
    if (!pfl_mouse_grabbed) {
        SDL_SetWindowMouseRect(sdl2_window, nullptr);
        return;
    }
    SDL_Rect rect;
    Viewport_Image_Rect_In_Window(&sdl2_viewport, &rect.x, &rect.y, &rect.w, &rect.h);
    if (SDL_SetWindowMouseRect(sdl2_window, &rect) != 0) {
        PFL_LOG(SEV_WARN, "graphics: could not confine the mouse to the image %d,%d %dx%d: %s", rect.x, rect.y, rect.w,
                rect.h, SDL_GetError());
    }
}

void sdl2_Mouse_Keep_On_Image(int wx, int wy)
{
    if (!pfl_mouse_grabbed || sdl2_window == nullptr) {
        return;
    }
    int x = 0, y = 0, w = 0, h = 0;
    Viewport_Image_Rect_In_Window(&sdl2_viewport, &x, &y, &w, &h);
    int cx = wx < x ? x : (wx > x + w - 1 ? x + w - 1 : wx);
    int cy = wy < y ? y : (wy > y + h - 1 ? y + h - 1 : wy);
    if (cx != wx || cy != wy) {
        SDL_WarpMouseInWindow(sdl2_window, cx, cy);
    }
}

void sdl2_Mouse_Grab(void)
{
    if (pfl_mouse_grabbed) {
        return;
    }
    if (Platform_HW_Cursor_Active() && !sdl2_Is_Fullscreen()) {
        return;
    }
    pfl_mouse_grabbed = 1;
    if (!Platform_HW_Cursor_Active()) {
        SDL_ShowCursor(SDL_DISABLE);
    }
    Set_Grab(1);
}

void sdl2_Mouse_Release(void)
{
    if (!pfl_mouse_grabbed) {
        return;
    }
    pfl_mouse_grabbed = 0;
    if (!Platform_HW_Cursor_Active()) {
        SDL_ShowCursor(SDL_ENABLE);
    }
    Set_Grab(0);
}

void Platform_HW_Cursor_Refresh(void)
{
    if (!Platform_HW_Cursor_Active()) {
        return;
    }
    int image = Engine_Pointer_Image();
    int width = 16;
    int height = 16;
    Viewport_Game_Size_In_Drawable(&sdl2_viewport, 16, 16, &width, &height);
    if (image == m_cursor_image && width == m_cursor_width && height == m_cursor_height) {
        return;
    }
    m_cursor_image = image;
    m_cursor_width = width;
    m_cursor_height = height;
    if (image == 0) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    const uint8_t *images = (m_hooks.mouse_palette != nullptr) ? *m_hooks.mouse_palette : nullptr;
    if (images == nullptr || image < 1 || image > 16) {
        m_cursor_image = -1;
        return;
    }
    const uint8_t *pixels = images + (image - 1) * 256;
    SDL_Surface *surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) {
        m_cursor_image = -1;
        return;
    }
    SDL_LockSurface(surface);
    for (int i = 0; i < height; ++i) {
        uint32_t *row = (uint32_t *)(void *)((uint8_t *)surface->pixels + i * surface->pitch);
        for (int j = 0; j < width; ++j) {
            uint8_t index = pixels[(j * 16 / width) * 16 + (i * 16 / height)];
            if (index == 0) {
                row[j] = 0;
            } else {
                const uint8_t *c = &platform_palette_buffer[index * 4];
                row[j] = 0xFF000000u | ((uint32_t)c[0] << 16) | ((uint32_t)c[1] << 8) | c[2];
            }
        }
    }
    SDL_UnlockSurface(surface);
    SDL_Cursor *cursor = SDL_CreateColorCursor(surface, 0, 0);
    if (m_overlay_decision && sdl2_renderer != nullptr) {
        if (m_overlay_texture != nullptr) {
            SDL_DestroyTexture(m_overlay_texture);
        }
        m_overlay_texture = SDL_CreateTextureFromSurface(sdl2_renderer, surface);
        if (m_overlay_texture != nullptr) {
            SDL_SetTextureBlendMode(m_overlay_texture, SDL_BLENDMODE_BLEND);
            m_overlay_width = width;
            m_overlay_height = height;
        }
    }
    SDL_FreeSurface(surface);
    if (cursor != nullptr) {
        SDL_ShowCursor(SDL_ENABLE);
        SDL_SetCursor(cursor);
        if (m_cursor != nullptr) {
            SDL_FreeCursor(m_cursor);
        }
        m_cursor = cursor;
    }
}

void sdl2_Cursor_Overlay_Draw(void)
{
    if (!m_overlay_decision || !m_relative_mode || m_overlay_texture == nullptr || sdl2_renderer == nullptr ||
        Engine_Pointer_Image() == 0) {
        return;
    }
    SDL_Rect rect;
    rect.x = sdl2_viewport.image_x + Engine_Pointer_X() * sdl2_viewport.image_width / PLATFORM_GAME_WIDTH;
    rect.y = sdl2_viewport.image_y + Engine_Pointer_Y() * sdl2_viewport.image_height / PLATFORM_GAME_HEIGHT;
    rect.w = m_overlay_width;
    rect.h = m_overlay_height;
    SDL_RenderCopy(sdl2_renderer, m_overlay_texture, nullptr, &rect);
}

void Platform_Maybe_Move_Mouse(void)
{
    if (Engine_Pointer_Image() == 0) {
        return;
    }
    int gx = 0;
    int gy = 0;
    if (Platform_Get_Millies() < m_warp_guard_until) {
        gx = Engine_Pointer_X();
        gy = Engine_Pointer_Y();
    } else if (m_relative_mode) {
        Take_Relative_Motion();
        gx = m_relative_x;
        gy = m_relative_y;
    } else {
        int wx = 0;
        int wy = 0;
        SDL_GetMouseState(&wx, &wy);
        Platform_Window_To_Game(wx, wy, &gx, &gy);
        sdl2_Mouse_Keep_On_Image(wx, wy);
    }
    Input_Metrics_Note_Poll(gx, gy);
    bool moved = gx != m_last_move_x || gy != m_last_move_y;
    m_last_move_x = gx;
    m_last_move_y = gy;
    if (Platform_HW_Cursor_Active()) {
        if (m_hooks.pointer_x != nullptr) *m_hooks.pointer_x = (int16_t)gx;
        if (m_hooks.pointer_y != nullptr) *m_hooks.pointer_y = (int16_t)gy;
        if (m_hooks.check_mouse_shape != nullptr && m_hooks.mouse_list_count != nullptr &&
            m_hooks.mouse_list_count() > 1) {
            m_hooks.check_mouse_shape((int16_t)gx, (int16_t)gy);
        }
        Platform_HW_Cursor_Refresh();
        if (moved && m_overlay_decision && m_relative_mode) {
            Input_Metrics_Set_Reason("cursor");
            Platform_Video_Update();
        }
        return;
    }
    if (!moved) {
        return;
    }
    bool enabled = m_hooks.mouse_enabled != nullptr && *m_hooks.mouse_enabled == 1;
    if (enabled && m_hooks.restore_mouse_on_page != nullptr) {
        m_hooks.restore_mouse_on_page();
    }
    if (m_hooks.pointer_x != nullptr) *m_hooks.pointer_x = (int16_t)gx;
    if (m_hooks.pointer_y != nullptr) *m_hooks.pointer_y = (int16_t)gy;
    if (enabled) {
        if (m_hooks.check_mouse_shape != nullptr && m_hooks.mouse_list_count != nullptr &&
            m_hooks.mouse_list_count() > 1) {
            m_hooks.check_mouse_shape((int16_t)gx, (int16_t)gy);
        }
        if (m_hooks.save_mouse_on_page != nullptr) m_hooks.save_mouse_on_page((int16_t)gx, (int16_t)gy);
        if (m_hooks.draw_mouse_on_page != nullptr) m_hooks.draw_mouse_on_page((int16_t)gx, (int16_t)gy);
        Input_Metrics_Set_Reason("cursor");
        Platform_Video_Update();
        // The page itself stays clean: the pointer is drawn only for this present.
        if (m_hooks.restore_mouse_on_page != nullptr) m_hooks.restore_mouse_on_page();
    }
}

// ---------------------------------------------------------------- events

void Platform_Window_Event(const SDL_Event *event)
{
    switch (event->window.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_DISPLAY_CHANGED: Platform_Video_Update(); break;
    case SDL_WINDOWEVENT_ENTER:
    case SDL_WINDOWEVENT_LEAVE: SDL_GetMouseState(nullptr, nullptr); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        PFL_LOG(SEV_INFO, "graphics: focus gained");
        Platform_Mouse_Input_Enable();
        if (sdl2_Is_Fullscreen()) {
            sdl2_Mouse_Grab();
            sdl2_Mouse_Confine_Update();
        }
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        PFL_LOG(SEV_INFO, "graphics: focus lost");
        Platform_Mouse_Input_Disable();
        break;
    default: break;
    }
}

void Platform_Event_Handler(void)
{
    uint64_t now = Platform_Get_Millies();
    if (m_previous_pass_ms != 0) {
        uint64_t interval = now - m_previous_pass_ms;
        m_frame.interval_sum += interval;
        if (interval > m_frame.interval_max) {
            m_frame.interval_max = interval;
        }
    }
    m_previous_pass_ms = now;
    m_frame.passes += 1;
    Input_Metrics_Note_Tick(now);

    if (Platform_Replay_Active()) {
        // A real key or button press takes over from the replay; other input is dropped.
        SDL_PumpEvents();
        SDL_Event queued;
        while (SDL_PeepEvents(&queued, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
            if (queued.type == SDL_KEYDOWN || queued.type == SDL_MOUSEBUTTONDOWN) {
                PFL_LOG(SEV_INFO, "REPLAY: cancelled by user input");
                Platform_Replay_Stop();
                SDL_PeepEvents(&queued, 1, SDL_GETEVENT, queued.type, queued.type);
                STU_Log_Pump();
                return;
            }
            if (queued.type == SDL_QUIT) {
                Platform_Replay_Stop();
                break;
            }
            SDL_PeepEvents(&queued, 1, SDL_GETEVENT, queued.type, queued.type);
        }
        if (Platform_Replay_Active() && Replay_Inject_Frame()) {
            STU_Log_Pump();
            return;
        }
    }

    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT:
            // The game ends through its orderly way out, so recording and capture finish properly.
            Request_Quit();
            break;
        case SDL_WINDOWEVENT:
            m_frame.window_events += 1;
            if (sdl2_window != nullptr && event.window.windowID == SDL_GetWindowID(sdl2_window)) {
                Platform_Window_Event(&event);
            }
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
        case SDL_TEXTINPUT:
            m_frame.key_events += 1;
            Platform_Keyboard_Event(&event);
            break;
        case SDL_MOUSEBUTTONDOWN: {
            m_frame.button_down_events += 1;
            if (!platform_mouse_input_enabled) {
                break;
            }
            sdl2_Mouse_Grab();
            int x = event.button.x;
            int y = event.button.y;
            if (m_relative_mode) {
                Relative_Window_Position(&x, &y);
            }
            if (event.button.button == SDL_BUTTON_LEFT) {
                platform_frame_mouse_buttons |= 1;
                if (m_hooks.user_mouse_handler != nullptr) m_hooks.user_mouse_handler(1, (int16_t)x, (int16_t)y);
            } else if (event.button.button == SDL_BUTTON_RIGHT) {
                platform_frame_mouse_buttons |= 2;
                if (m_hooks.user_mouse_handler != nullptr) m_hooks.user_mouse_handler(2, (int16_t)x, (int16_t)y);
            } else if (event.button.button == SDL_BUTTON_MIDDLE) {
                sdl2_Mouse_Release();
            }
            break;
        }
        case SDL_MOUSEMOTION: m_frame.motion_events += 1; break;
        case SDL_MOUSEBUTTONUP: m_frame.button_up_events += 1; break;
        default: m_frame.other_events += 1; break;
        }
    }

    if (platform_mouse_input_enabled) {
        int wx = 0;
        int wy = 0;
        if (m_relative_mode) {
            Take_Relative_Motion();
            Relative_Window_Position(&wx, &wy);
        } else {
            SDL_GetMouseState(&wx, &wy);
        }
        if (wx != 0 || wy != 0) {
            Pointer_Update_From_Window(wx, wy);
            m_frame.pointer_updates += 1;
        }
    }

    if (m_frame_callback != nullptr) {
        m_frame_callback();
    }
    STU_Log_Pump();
    if (Platform_Record_Active()) {
        Replay_Capture_Frame();
    }
    platform_frame_mouse_buttons = 0;
}

void Platform_Pump_Events(void)
{
    Input_Metrics_Note_Tick(Platform_Get_Millies());
    SDL_PumpEvents();
    Platform_Maybe_Move_Mouse();
}

void DBG_Frame_Reset(void)
{
    m_frame_counter += 1;
    m_frame = {};
}

uint64_t DBG_Frame_Count(void) { return m_frame_counter; }

void sdl2_PFL_Shutdown(void)
{
    if (m_cursor != nullptr) {
        SDL_FreeCursor(m_cursor);
        m_cursor = nullptr;
    }
    if (m_overlay_texture != nullptr) {
        SDL_DestroyTexture(m_overlay_texture);
        m_overlay_texture = nullptr;
    }
    m_cursor_image = -1;
    pfl_mouse_grabbed = 0;
    m_relative_mode = 0;
}

// ---------------------------------------------------------------- clocks

namespace {
int m_simulated_clock = 0;
// Milliseconds of sleep skipped while the clock is simulated; never goes back, so the clock
// stays monotonic when simulation is turned off again.
uint64_t m_skipped_millies = 0;
}  // namespace

void Platform_Set_Simulated_Clock(int on) { m_simulated_clock = on ? 1 : 0; }
int Platform_Simulated_Clock(void) { return m_simulated_clock; }

// A steady clock of the process rather than SDL's tick count: SDL restarts its count at
// SDL_Quit, and exit handlers (capture, metrics) still measure time after that.
namespace {
uint64_t (*m_clock_override)(void) = nullptr;
}

void Platform_Set_Clock(uint64_t (*clock)(void)) { m_clock_override = clock; }

uint64_t Platform_Get_Millies(void)
{
    if (m_clock_override != nullptr) return m_clock_override();
    static const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    return (uint64_t)std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
               .count() +
           m_skipped_millies;
}

uint64_t Platform_Get_Micros(void)
{
    static int started = 0;
    static uint64_t base = 0;
    uint64_t frequency = SDL_GetPerformanceFrequency();
    uint64_t micros;
    if (frequency == 0) {
        micros = SDL_GetTicks64() * 1000;
    } else {
        uint64_t counter = SDL_GetPerformanceCounter();
        // Whole seconds and the remainder apart, so counter x 1,000,000 never overflows.
        micros = (counter / frequency) * 1000000 + (counter % frequency) * 1000000 / frequency;
    }
    if (!started) {
        started = 1;
        base = micros;
    }
    return micros - base;
}

uint32_t Read_System_Clock_Timer(void)
{
    // The clock seeds the random generator at start-up, when the process clock is still near
    // zero: a start offset taken from the time of day makes each run's seed differ. Only
    // differences of this clock carry meaning, and it wraps anyway.
    static const uint32_t start_offset = (uint32_t)((uint64_t)time(nullptr) * 1000000u);
    return (uint32_t)(Platform_Get_Millies() * 1000) + start_offset;
}

void Platform_Sleep_Millies(uint32_t ms)
{
    if (m_simulated_clock) {
        m_skipped_millies += ms;
        return;
    }
    SDL_Delay(ms);
}

void Platform_Wait_Event_Millies(uint32_t ms)
{
    if (ms == 0) {
        return;
    }
    if (m_simulated_clock) {
        m_skipped_millies += ms;
        return;
    }
    const char *driver = SDL_GetCurrentVideoDriver();
    bool can_wake = sdl2_window != nullptr && driver != nullptr && std::strcmp(driver, "dummy") != 0 &&
                    std::strcmp(driver, "offscreen") != 0;
    if (!can_wake) {
        // SDL would poll every millisecond here: nothing but the deadline can end the wait.
        SDL_Delay(ms);
        return;
    }
    // Events left for the game's input poll would end every wait at once.
    if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        SDL_Delay(1);
        return;
    }
    SDL_WaitEventTimeout(nullptr, ms > (uint32_t)INT32_MAX ? INT32_MAX : (int)ms);
}
