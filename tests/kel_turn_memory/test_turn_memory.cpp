// Three hundred ends of turn in one process, as the game plays them headless from the stand-in
// continue game with the log on: the resident size after the last turn is within 1 MiB of the
// size after turn 50, so nothing the turns allocate is kept.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "Init_Drivers.h"
#include "LBX_Load.h"
#include "Resident_Size.h"
#include "STU_GRAF.h"
#include "STU_Log.h"
#include "Standin_Save.h"
#include "Test_Temp_Dir.h"
#include "overland/Game_Resources.h"
#include "overland/Main_Screen.h"
#include "overland/Resume_Game.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Screen_Control.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/Player_Record.h"

// Under AddressSanitizer freed memory waits in a quarantine of up to 256 MiB before it is reused,
// which grows the resident size by itself; this binary keeps no quarantine so that the
// measurement sees the game's own memory.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TOLVA_TURN_MEMORY_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TOLVA_TURN_MEMORY_ASAN 1
#endif
#ifdef TOLVA_TURN_MEMORY_ASAN
extern "C" const char *__asan_default_options(void) { return "quarantine_size_mb=0:thread_local_quarantine_size_kb=0"; }
#endif

namespace {

// Nobody has met the human, so no audience waits on him; the computer wizards still treat among
// themselves.
void Keep_The_Human_Out_Of_Audiences(void)
{
    for (int p = 0; p < NUM_PLAYERS; p++) {
        _players[p].Dipl_Contacted[0] = 0;
        _players[0].Dipl_Contacted[p] = 0;
    }
}

}  // namespace

TEST(TurnMemory, ThreeHundredEndsOfTurnKeepTheResidentSizeFlat)
{
    if (Resident_Kilobytes() < 0) GTEST_SKIP() << "no /proc/self/status";
    Test_Temp_Dir logs;
    Test_Temp_Dir user;
    setenv("TOLVA_LOG_DIR", logs.path.c_str(), 1);
    std::string ini = logs / "Tolva.ini";
    std::ofstream(ini) << "";
    STU_Log_Startup(ini.c_str());
    SDL_Init(SDL_INIT_EVENTS);
    Init_Drivers(-1, 0, nullptr);
    Allocate_Data_Space(6100);
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(TOLVA_BINARY_DIR "/standin");
    STU_GRAF_Set_User_Data_Dir(user.path.c_str());
    LBX_Close();
    Load_VEZ_Resources_Once();
    std::string why;
    ASSERT_TRUE(Load_Standin_Save("SAVE9.GAM", &why)) << why;
    magic_set.words[GS_RANDOM_EVENTS] = 0;
    magic_set.words[6] = 0;  // no end-of-turn summary
    magic_set.words[GS_BACKGROUND_MUSIC] = 0;
    g_headless_unattended = 1;
    Loaded_Game_Update();

    long at_50 = 0;
    const int16_t first_turn = _turn;
    for (int turn = 1; turn <= 300; turn++) {
        Keep_The_Human_Out_Of_Audiences();
        Next_Turn_Proc();
        Main_Screen_Draw();
        STU_Log_Pump();
        if (turn == 50) at_50 = Resident_Kilobytes();
        if (magic_master_idx != -1) break;
    }
    long at_300 = Resident_Kilobytes();
    STU_Log_Shutdown();
    unsetenv("TOLVA_LOG_DIR");
    ASSERT_EQ(_turn, first_turn + 300) << "the game ended early";
    EXPECT_LE(at_300 - at_50, 1024) << "resident size " << at_50 << " KiB after turn 50, " << at_300
                                    << " KiB after turn 300";
    printf("resident size: %ld KiB after turn 50, %ld KiB after turn 300\n", at_50, at_300);
}
