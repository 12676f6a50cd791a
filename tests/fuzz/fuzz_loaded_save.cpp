// The game's use of a loaded save, not only its check: an image that passes the saved-game check
// is read into the world, the resume runs as after a load (Loaded_Game_Update), the main screen
// draws one frame and one world turn is played headless, with every screen that opens ending by
// itself. Refusals and fatal ends of the archive path end one input, through the exit hook; a
// wild read or write shows under the sanitizers.
#include <SDL.h>

#include <cstdint>
#include <string>

#include "EXIT.h"
#include "Fuzz_Archive.h"
#include "Fuzz_Survive.h"
#include "Fuzz_Temp_Folder.h"
#include "Init_Drivers.h"
#include "Input.h"
#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "overland/Game_Resources.h"
#include "overland/Main_Screen.h"
#include "overland/Resume_Game.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Screen_Control.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/LOADSAVE.h"
#include "world/Wizard_Economy.h"

#ifndef TOLVA_BINARY_DIR
#error "fuzz_loaded_save needs TOLVA_BINARY_DIR"
#endif

namespace {
std::string m_user;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    m_user = Fuzz_Temp_Folder("loaded-save");
    Exit_Set_Fatal_Hook(Throw_On_Fatal);
    SDL_Init(SDL_INIT_EVENTS);
    Init_Drivers(-1, 0, nullptr);
    Allocate_Data_Space(6100);
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(TOLVA_BINARY_DIR "/standin");
    STU_GRAF_Set_User_Data_Dir(m_user.c_str());
    LBX_Close();
    Load_VEZ_Resources_Once();
    // Screens that wait on the player end by themselves, and their frames wait for nothing.
    g_headless_unattended = 1;
    wait_for_input_unattended_frames = HEADLESS_UNATTENDED_FRAMES;
    Platform_Set_Clock(Fuzz_Racing_Clock);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    char why[256];
    if (!Save_Game_Check_Image(data, size, why, (int)sizeof why)) return 0;
    Save_Game_Read_Image(data, size);
    magic_set.words[GS_BACKGROUND_MUSIC] = 0;
    magic_set.words[GS_SOUND_EFFECTS] = 0;
    magic_master_idx = -1;
    m_magic_winner_idx = -1;
    g_conquest_winner_idx = -1;
    g_timestop_player_num = 0;
    quit_game_flag = 0;
    Survive([] {
        Loaded_Game_Update();
        Main_Screen_Draw();
        Next_Turn_Proc();
    });
    return 0;
}
