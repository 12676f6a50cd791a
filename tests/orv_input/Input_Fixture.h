// The engine's input state started once without a window, reset before each test, and a
// per-poll script: each input poll runs the next step, as the automation driver does.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "Fields.h"
#include "Help.h"
#include "Input.h"
#include "Mouse.h"
#include "Test_Engine.h"
#include "sdl2_PFL.h"

inline std::deque<std::function<void()>> &Poll_Script()
{
    static std::deque<std::function<void()>> script;
    return script;
}

inline void Run_Poll_Script(void)
{
    if (Poll_Script().empty()) return;
    std::function<void()> step = Poll_Script().front();
    Poll_Script().pop_front();
    step();
}

inline void Key(int32_t code, int32_t character, int32_t modifiers = 0)
{
    Platform_Keyboard_Buffer_Add_Key_Press(code, modifiers, character);
}

// A press and release that fell between two polls.
inline void Buffered_Click(int16_t x, int16_t y, int16_t button)
{
    int wx = 0;
    int wy = 0;
    Platform_Game_To_Window(x, y, &wx, &wy);
    User_Mouse_Handler(button, (int16_t)wx, (int16_t)wy);
}

// A button held for the next four reads, with the click buffered as the platform does.
inline void Held_Click(int16_t x, int16_t y, int16_t button)
{
    Set_Pointer_Position(x, y);
    Platform_Set_Synthetic_Mouse_Button(button);
    Buffered_Click(x, y, button);
}

class Input_Test : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Test_Engine_Start(); }

    void SetUp() override
    {
        Platform_Mouse_Input_Disable();
        Platform_Set_Synthetic_Mouse_Button(0);
        Input_Reset_State();
        Mouse_Reset_State();
        Clear_Fields();
        Deactivate_Auto_Function();
        Deactivate_Help_List();
        Poll_Script().clear();
        Platform_Register_Frame_Callback(Run_Poll_Script);
        while (Mouse_Buffer() || Mouse_Buffer2()) {
        }
    }

    void TearDown() override
    {
        Platform_Register_Frame_Callback(nullptr);
        Poll_Script().clear();
        Platform_Set_Synthetic_Mouse_Button(0);
    }
};

// A one- or two-frame picture in the archive form, every column empty.
inline std::vector<uint8_t> Blank_Picture(uint16_t width, uint16_t height, uint16_t frames = 1)
{
    std::vector<uint8_t> bytes(18 + 4 * (frames + 1) + (size_t)frames * (1 + width), 0);
    auto put16 = [&](size_t at, uint16_t v) {
        bytes[at] = (uint8_t)v;
        bytes[at + 1] = (uint8_t)(v >> 8);
    };
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = (uint8_t)(v >> (8 * i));
    };
    put16(0, width);
    put16(2, height);
    put16(6, frames);
    bytes[16] = 1;
    uint32_t start = 18 + 4 * (frames + 1);
    for (uint16_t f = 0; f <= frames; ++f) put32(18 + 4 * f, start + f * (1u + width));
    for (uint16_t f = 0; f < frames; ++f) {
        for (uint16_t c = 0; c < width; ++c) bytes[start + f * (1u + width) + 1 + c] = 0xFF;
    }
    return bytes;
}
