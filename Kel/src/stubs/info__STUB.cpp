// Stand-ins of the information screens.
#include "STU_Log.h"
#include "info/screens/Advisor_Screen.h"
#include "info/screens/ArmyList_Screen.h"
#include "info/Game_End_Scenes.h"
#include "info/screens/Hall_Of_Fame.h"
#include "overland/Screen_Control.h"
#include "overland/Surveyor_Screen.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "world/ALLOC.h"

void ArmyList_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("ArmyList_Screen");
}

// The surveyor for the Info button (-1) and F1 (0); the other advisors are not built yet.
void Advisor_Screen(int16_t advisor)
{
    STUB_HIT();
    if (advisor == -1 || advisor == 0) {
        Surveyor_Screen();
        return;
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Advisor_Screen__STUB: advisor %d not built yet", (int)advisor);
    current_screen = scr_Main_Screen;
}

void Hall_Of_Fame_Screen(void)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Hall_Of_Fame_Screen__STUB: not built yet");
}

void Conquest_Animation(int16_t loser_idx, int16_t conqueror_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Conquest_Animation__STUB: wizard %d falls to player %d", (int)loser_idx,
            (int)conqueror_idx);
}

void Return_Animation(int16_t player_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Return_Animation__STUB: wizard %d", (int)player_idx);
}

void Win_Animation(int16_t player_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Win_Animation__STUB: player %d", (int)player_idx);
}

void Lose_Animation(int16_t player_idx)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Lose_Animation__STUB: player %d", (int)player_idx);
}

void End_Of_Game_Score(void)
{
    STUB_HIT();
    STU_LOG(SEV_INFO, LC_KEL_SCR, "End_Of_Game_Score__STUB: not built yet");
}

int16_t CP_Is_Dead(void)
{
    STUB_HIT();
    int16_t wizards = _num_players < NUM_PLAYERS ? _num_players : (int16_t)NUM_PLAYERS;
    for (int16_t player_idx = 1; player_idx < wizards; player_idx++) {
        if (_FORTRESSES[player_idx].active == 1) {
            return 0;
        }
        for (int16_t city_idx = 0; city_idx < _cities && city_idx < NUM_CITIES; city_idx++) {
            if (_CITIES[city_idx].owner_idx == player_idx) {
                return 0;
            }
        }
    }
    return 1;
}
