// The new-game screens run on the stand-in data with a script of input: each input poll runs the
// next step (a key, a click or nothing), as the automation driver does.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "Fields.h"
#include "Help.h"
#include "Input.h"
#include "Mouse.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "World_Fixture.h"
#include "sdl2_PFL.h"
#include "shell/Screen_Control.h"
#include "world/LOADER.h"
#include "world/Player_Record.h"

inline std::deque<std::function<void()>> &Newgame_Script()
{
    static std::deque<std::function<void()>> script;
    return script;
}

inline void Newgame_Run_Script_Step(void)
{
    if (Newgame_Script().empty()) return;
    std::function<void()> step = Newgame_Script().front();
    Newgame_Script().pop_front();
    step();
}

inline void Press_Key(int32_t code, int32_t character = 0)
{
    Platform_Keyboard_Buffer_Add_Key_Press(code, 0, character != 0 ? character : code);
}

// A press and release between two polls, with the pointer moved there.
inline void Click_At(int16_t x, int16_t y)
{
    Set_Pointer_Position(x, y);
    int wx = 0;
    int wy = 0;
    Platform_Game_To_Window(x, y, &wx, &wy);
    User_Mouse_Handler(1, (int16_t)wx, (int16_t)wy);
}

inline std::string Read_Bytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Newgame_Test : public World_Test {
protected:
    static void SetUpTestSuite()
    {
        Test_Engine_Start();
        World_Clear();
        Test_Search_Standin_Data();
        Load_SPELLDAT();
    }
    void SetUp() override
    {
        World_Test::SetUp();
        Platform_Mouse_Input_Disable();
        Platform_Set_Synthetic_Mouse_Button(0);
        Input_Reset_State();
        Mouse_Reset_State();
        Enable_Cancel();
        Clear_Fields();
        Deactivate_Auto_Function();
        Deactivate_Help_List();
        while (Mouse_Buffer() || Mouse_Buffer2()) {
        }
        quit_game_flag = 0;
        Newgame_Script().clear();
        Platform_Register_Frame_Callback(Newgame_Run_Script_Step);
    }
    void TearDown() override
    {
        Platform_Register_Frame_Callback(nullptr);
        Newgame_Script().clear();
        Deactivate_Auto_Function();
        Deactivate_Help_List();
        quit_game_flag = 0;
        World_Test::TearDown();
    }
    // Steps run one a poll; a few empty ones let a screen draw before it is clicked.
    static void Then(std::function<void()> step) { Newgame_Script().push_back(std::move(step)); }
    static void Idle(int polls)
    {
        for (int i = 0; i < polls; i++) Then([] {});
    }
    static void Then_Click(int16_t x, int16_t y)
    {
        Idle(2);
        Then([x, y] { Click_At(x, y); });
    }
    static void Then_Key(int32_t code, int32_t character = 0)
    {
        Idle(2);
        Then([code, character] { Press_Key(code, character); });
    }
    static Player_Record &Human() { return _players[0]; }
};
