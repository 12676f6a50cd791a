// Stand-ins of the turn cycle's screens.
#include "STU_Log.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "turn/Building_Complete_Messages.h"
#include "turn/Diplomacy_Screen.h"
#include "turn/End_Of_Turn.h"
#include "turn/Magic_Power_Research.h"
#include "turn/Unit_Strength.h"
#include "turn/Wizard_Conquest.h"
#include "world/Spell_Data_Record.h"

void Next_Turn_Proc(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Next_Turn_Proc");
}

void Diplomacy_Screen__WIP(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Diplomacy_Screen");
}

int16_t Player_Units_Max_Range(int16_t player_idx, int16_t wx, int16_t wy, int16_t wp)
{
    STUB_HIT();
    return 1;
}

// No message is queued before the turn's message step exists.
void City_Delete_Building_Complete_Messages(int16_t city_idx) { STUB_HIT(); }

int16_t Player_Hero_Casting_Skill(int16_t player_idx)
{
    STUB_HIT();
    return 0;
}

// The listed cost, without reductions.
int16_t Casting_Cost(int16_t player_idx, int16_t spell_idx, int16_t in_battle)
{
    STUB_HIT();
    if (spell_data_table == nullptr || spell_idx < 0 || spell_idx >= NUM_SPELLS) {
        return 0;
    }
    return spell_data_table[spell_idx].casting_cost < 0 ? (int16_t)0 : spell_data_table[spell_idx].casting_cost;
}
