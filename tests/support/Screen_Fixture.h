// Tests that run a screen's loop: the engine started once per process with the stand-in data
// found, and before each test the input, fields, auto function and help list as a screen finds
// them when the game opens it, with a poll script feeding the loop.
#pragma once

#include "Fields.h"
#include "Help.h"
#include "Input.h"
#include "Mouse.h"
#include "Poll_Script.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "World_Fixture.h"
#include "sdl2_PFL.h"

class Screen_Test : public World_Test {
protected:
    static void SetUpTestSuite()
    {
        Test_Engine_Start();
        Test_Search_Standin_Data();
    }
    void SetUp() override
    {
        World_Test::SetUp();
        Platform_Mouse_Input_Disable();
        Platform_Set_Synthetic_Mouse_Button(0);
        Platform_Keyboard_Buffer_Clear();
        Input_Reset_State();
        Enable_Cancel();  // as the game runs: Esc reaches the screens' hot keys
        Clear_Fields();
        Deactivate_Auto_Function();
        Deactivate_Help_List();
        Script() = Poll_Script{};
        Platform_Register_Frame_Callback(Run_Poll_Script);
    }
};
