#include "info/screens/Advisor_Screen.h"

#include "Dialog_Boxes.h"
#include "Help.h"
#include "STU_Log.h"
#include "Video.h"
#include "info/Advisors.h"
#include "info/Mirror_Screen.h"
#include "magic/Spell_Research.h"
#include "magic/screens/Research_Screen.h"
#include "overland/Surveyor_Screen.h"
#include "shell/Screen_Control.h"
#include "turn/screens/Chancellor_Screen.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"

void TaxCollector_Window(void)
{
    char entries[TAX_RATE_COUNT + 1][TAX_ENTRY_SIZE];
    TaxCollector_Entries(_players[_current_player_idx].tax_rate, entries);
    const char *list[TAX_RATE_COUNT + 1];
    for (int i = 0; i <= TAX_RATE_COUNT; i++) list[i] = entries[i];
    int16_t choice = Selection_Box(TAX_RATE_COUNT, list, 0, " Tax Per Population ");
    Deactivate_Help_List();
    TaxCollector_Choose(_current_player_idx, choice);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "TaxCollector_Window: choice %d, tax rate %d", (int)choice,
            (int)_players[_current_player_idx].tax_rate);
}

void Grand_Vizier_Window(void)
{
    if (grand_vizier == 1) {
        grand_vizier = 0;
    } else if (Confirmation_Box("Do you wish to allow the Grand Vizier to select what buildings your cities create?") ==
               1) {
        grand_vizier = 1;
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Grand_Vizier_Window: grand vizier %d", (int)grand_vizier);
}

void Advisor_Screen(int16_t advisor)
{
    int16_t choice = advisor;
    if (advisor == -1) {
        char entries[ADVISOR_COUNT + 1][ADVISOR_ENTRY_SIZE];
        Advisor_List_Entries(entries);
        const char *list[ADVISOR_COUNT + 1];
        for (int i = 0; i <= ADVISOR_COUNT; i++) list[i] = entries[i];
        Set_Advisor_Screen_Help_List();
        choice = Selection_Box(ADVISOR_COUNT, list, 0, "Select An Advisor");
        Deactivate_Help_List();
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Advisor_Screen: advisor %d", (int)choice);
    switch (choice) {
    case adv_Surveyor: Surveyor_Screen(); break;
    case adv_Cartographer: Cartographer_Screen(); break;
    case adv_Apprentice: (void)Apprentice_Screen(); break;
    case adv_Historian: Powergraph_Screen(); break;
    case adv_Astrologer: Status_Screen(); break;
    case adv_Chancellor: Chancellor_Screen__WIP(1); break;
    case adv_Tax_Collector: TaxCollector_Window(); break;
    case adv_Grand_Vizier: Grand_Vizier_Window(); break;
    case adv_Mirror: Mirror_Screen(0, 150, 60, 180, 90); break;
    default: break;
    }
    _page_flip_effect = 3;
    current_screen = scr_Main_Screen;
}
