// The game proper's resources loaded from the stand-in installation once per suite, on an engine and
// a world that the test binary starts once, whichever suite runs first.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include "Init_Drivers.h"
#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "Test_Temp_Dir.h"
#include "overland/Game_Resources.h"
#include "world/ALLOC.h"

class Resources_Test : public ::testing::Test {
protected:
    static inline Test_Temp_Dir *user = nullptr;

    static void SetUpTestSuite()
    {
        static bool started = false;
        if (!started) {
            SDL_Init(SDL_INIT_EVENTS);
            Init_Drivers(-1, 0, nullptr);
            Allocate_Data_Space(6100);
            started = true;
        }
        user = new Test_Temp_Dir();
        STU_GRAF_Reset();
        STU_GRAF_Add_Search_Dir(TOLVA_BINARY_DIR "/standin");
        STU_GRAF_Set_User_Data_Dir(user->path.c_str());
        LBX_Close();
        Load_VEZ_Resources_Once();
    }
    static void TearDownTestSuite()
    {
        STU_GRAF_Set_User_Data_Dir(nullptr);
        delete user;
        user = nullptr;
    }
};
