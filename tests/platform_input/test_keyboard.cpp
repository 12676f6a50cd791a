#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>

#include "sdl2_PFL.h"

namespace {

SDL_Event Key_Event(uint32_t type, SDL_Keycode sym, uint16_t mod, int repeat = 0)
{
    SDL_Event e;
    std::memset(&e, 0, sizeof(e));
    e.type = type;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    e.key.repeat = (uint8_t)repeat;
    return e;
}

SDL_Event Text_Event(const char *text)
{
    SDL_Event e;
    std::memset(&e, 0, sizeof(e));
    e.type = SDL_TEXTINPUT;
    std::snprintf(e.text.text, sizeof(e.text.text), "%s", text);
    return e;
}

void Press(SDL_Keycode sym, uint16_t mod = KMOD_NONE)
{
    SDL_Event down = Key_Event(SDL_KEYDOWN, sym, mod);
    Platform_Keyboard_Event(&down);
}

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        Build_Key_Xlat();
        Hw_Textinput_Stop();
        Platform_Keyboard_Buffer_Clear();
        platform_keyboard_buffer.dropped = 0;
        std::memset(platform_keyboard_buffer.held, 0, sizeof(platform_keyboard_buffer.held));
    }
    // Keys a test left unread would reach the next test in the process.
    void TearDown() override { Platform_Keyboard_Buffer_Clear(); }
};

TEST_F(Keyboard, KeyPressesBecomeEngineEntries)
{
    struct Case {
        const char *name;
        SDL_Keycode sym;
        uint16_t mod;
        int32_t entry;  // 0: nothing stored
    } cases[] = {
        {"a", SDLK_a, KMOD_NONE, 97 | (97 << 8)},
        {"Shift+a keeps the code and the lower-case character", SDLK_a, KMOD_LSHIFT, 97 | 0x10000 | (97 << 8)},
        {"Ctrl+Alt+z", SDLK_z, KMOD_RCTRL | KMOD_LALT, 122 | 0x40000 | 0x20000 | (122 << 8)},
        {"F1", SDLK_F1, KMOD_NONE, 14},
        {"F10", SDLK_F10, KMOD_NONE, 23},
        {"F11", SDLK_F11, KMOD_NONE, 145},
        {"F12 with Shift", SDLK_F12, KMOD_RSHIFT, 146 | 0x10000},
        {"Left arrow", SDLK_LEFT, KMOD_NONE, 1},
        {"keypad 4 is Left", SDLK_KP_4, KMOD_NONE, 1},
        {"keypad 9 is up-right", SDLK_KP_9, KMOD_NONE, 5},
        {"keypad 3 is down-right", SDLK_KP_3, KMOD_NONE, 6},
        {"keypad 7 is up-left", SDLK_KP_7, KMOD_NONE, 7},
        {"keypad 1 is down-left", SDLK_KP_1, KMOD_NONE, 8},
        {"Return carries no character", SDLK_RETURN, KMOD_NONE, 12},
        {"keypad Enter", SDLK_KP_ENTER, KMOD_NONE, 12},
        {"Backspace", SDLK_BACKSPACE, KMOD_NONE, 11},
        {"Delete", SDLK_DELETE, KMOD_NONE, 10},
        {"Escape", SDLK_ESCAPE, KMOD_NONE, 27},
        {"Home", SDLK_HOME, KMOD_NONE, 26},
        {"End", SDLK_END, KMOD_NONE, 28},
        {"Tab", SDLK_TAB, KMOD_NONE, 13},
        {"a digit has no code", SDLK_5, KMOD_NONE, 0},
        {"space has no code", SDLK_SPACE, KMOD_NONE, 0},
        {"F13 has no code", SDLK_F13, KMOD_NONE, 0},
    };
    for (const Case &c : cases) {
        Platform_Keyboard_Buffer_Clear();
        Press(c.sym, c.mod);
        if (c.entry == 0) {
            EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 0) << c.name;
        } else {
            EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 1) << c.name;
            EXPECT_EQ(Platform_Keyboard_Buffer_Peek_Latest(), c.entry) << c.name;
        }
    }
}

TEST_F(Keyboard, TextInputTakesOnlyPrintableAscii)
{
    Hw_Textinput_Start();
    Press(SDLK_5);
    Press(SDLK_q);
    EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 0) << "printable keys arrive as text only";
    Press(SDLK_BACKSPACE);
    EXPECT_EQ(Platform_Keyboard_Buffer_Peek_Latest(), 11) << "editing keys still arrive as keys";

    Platform_Keyboard_Buffer_Clear();
    const struct {
        const char *text;
        int32_t entry;
    } texts[] = {
        {"5", '5' << 8}, {" ", ' ' << 8}, {"~", '~' << 8}, {"Q", 'Q' << 8}, {"\xC3\xA9", 0}, {"\x7F", 0}, {"\x01", 0},
    };
    for (const auto &t : texts) {
        Platform_Keyboard_Buffer_Clear();
        SDL_Event e = Text_Event(t.text);
        Platform_Keyboard_Event(&e);
        EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), t.entry != 0 ? 1 : 0) << (int)(uint8_t)t.text[0];
        EXPECT_EQ(Platform_Keyboard_Buffer_Peek_Latest(), t.entry) << (int)(uint8_t)t.text[0];
    }
    Hw_Textinput_Stop();
    SDL_Event e = Text_Event("x");
    Platform_Keyboard_Event(&e);
    EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 0) << "text is ignored while text input is off";
}

TEST_F(Keyboard, FullBufferDropsNewKeysInsteadOfLosingUnreadOnes)
{
    for (int i = 0; i < 300; ++i) {
        Platform_Keyboard_Buffer_Add_Key_Press(1 + (i % 100), 0, 0);
    }
    EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 255);
    EXPECT_EQ(platform_keyboard_buffer.dropped, 45u);
    EXPECT_EQ(platform_keyboard_buffer.entries[platform_keyboard_buffer.read_index], 1);
    EXPECT_EQ(Platform_Keyboard_Buffer_Peek_Latest(), 1 + (254 % 100));

    // Reading one makes room for exactly one more.
    platform_keyboard_buffer.read_index = (platform_keyboard_buffer.read_index + 1) % KEYBOARD_BUFFER_SIZE;
    Platform_Keyboard_Buffer_Add_Key_Press(42, 0, 0);
    Platform_Keyboard_Buffer_Add_Key_Press(43, 0, 0);
    EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 255);
    EXPECT_EQ(Platform_Keyboard_Buffer_Peek_Latest(), 42);
    EXPECT_EQ(platform_keyboard_buffer.dropped, 46u);

    Platform_Keyboard_Buffer_Add_Key_Press(KEY_TEXT_MARKER, 0, 'x');
    EXPECT_EQ(platform_keyboard_buffer.dropped, 46u) << "the text marker is never stored nor counted";
}

TEST_F(Keyboard, HeldKeysFollowDownAndUpWithModifiers)
{
    Press(SDLK_a, KMOD_LCTRL);
    EXPECT_EQ(Kbd_Is_Pressed(97, KEY_MOD_CTRL, 0), 1);
    EXPECT_EQ(Kbd_Is_Pressed(97, 0, KEY_MOD_CTRL), 0);
    EXPECT_EQ(Kbd_Is_Pressed(97, KEY_MOD_SHIFT, 0), 0);
    SDL_Event up = Key_Event(SDL_KEYUP, SDLK_a, KMOD_NONE);
    Platform_Keyboard_Event(&up);
    EXPECT_EQ(Kbd_Is_Pressed(97, 0, 0), 0);
    EXPECT_EQ(Kbd_Is_Pressed(186, 0, 0), 0);
}

TEST_F(Keyboard, AltReturnIsAWindowKeyAndItsReleaseIsSwallowed)
{
    SDL_Event down = Key_Event(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT);
    SDL_Event repeat = Key_Event(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT, 1);
    Platform_Keyboard_Event(&down);
    Platform_Keyboard_Event(&repeat);
    EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 0);
    EXPECT_EQ(Kbd_Is_Pressed(12, 0, 0), 0);
    // A Return held from before: the swallowed release must not clear it.
    Kbd_Set_Pressed(12, 0, 1);
    SDL_Event up = Key_Event(SDL_KEYUP, SDLK_RETURN, KMOD_NONE);
    Platform_Keyboard_Event(&up);
    EXPECT_EQ(Kbd_Is_Pressed(12, 0, 0), 1);
    Platform_Keyboard_Event(&up);
    EXPECT_EQ(Kbd_Is_Pressed(12, 0, 0), 0);
}

int g_quit_calls = 0;
void Count_Quit(void) { g_quit_calls += 1; }

TEST(Events, QuitRequestEndsThroughTheHookNotAnExit)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0) << SDL_GetError();
    Build_Key_Xlat();
    Platform_Register_Quit_Callback(Count_Quit);
    Press(SDLK_q, KMOD_LCTRL | KMOD_LALT | KMOD_LSHIFT);
    EXPECT_EQ(Platform_Keyboard_Buffer_Pending_Count(), 0);
    Platform_Event_Handler();
    EXPECT_EQ(g_quit_calls, 1);
    EXPECT_EQ(Platform_Quit_Requested(), 1);
    SDL_Event quit;
    std::memset(&quit, 0, sizeof(quit));
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    Platform_Event_Handler();
    EXPECT_EQ(g_quit_calls, 1) << "the game is told once";
    Platform_Register_Quit_Callback(nullptr);
    SDL_Quit();
}

TEST(Mouse, SyntheticButtonLastsFourReads)
{
    Platform_Mouse_Input_Disable();
    Platform_Set_Synthetic_Mouse_Button(2);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Platform_Get_Mouse_Button_State(), 2) << i;
    }
    EXPECT_EQ(Platform_Get_Mouse_Button_State(), 0);
    Platform_Set_Synthetic_Mouse_Button(1);
    Platform_Set_Synthetic_Mouse_Button(0);
    EXPECT_EQ(Platform_Get_Mouse_Button_State(), 0);
}

}  // namespace
