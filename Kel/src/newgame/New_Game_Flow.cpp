#include "newgame/New_Game_Flow.h"

#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "STU_Log.h"
#include "Video.h"
#include "newgame/New_Game_Resets.h"
#include "newgame/Newgame_Control.h"
#include "newgame/Options_Screen.h"
#include "newgame/Picks_Screen.h"
#include "newgame/Player_Setup.h"
#include "newgame/Race_Banner_Screens.h"
#include "newgame/Spell_Picks_Screen.h"
#include "newgame/Wizard_Screens.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Army_Services.h"
#include "world/LOADSAVE.h"
#include "worldgen/World_Generation.h"

Mouse_List_Entry mouse_list_newgame[1] = {{1, 0, 0, 0, 319, 199}};
Mouse_List_Entry mouselist_mapgen[1] = {{0, 0, 0, 0, 319, 199}};
uint8_t *newgame_BUILDWOR_map_build_bar_seg = nullptr;

int16_t Newgame_Next_Screen(int16_t screen, int16_t result, int16_t *custom)
{
    switch (screen) {
    case 1: *custom = result == 2 ? 1 : 0; return result;
    case 3:
        if (*custom) return result == NEWGAME_BACK ? 2 : 4;
        return result == NEWGAME_BACK ? 1 : 6;
    case 6:
        if (result == NEWGAME_BACK) return *custom ? 5 : 3;
        return result;
    default: return result;
    }
}

int16_t Newgame_Run_Screen(int16_t screen)
{
    switch (screen) {
    case 0: return Newgame_Screen_0();
    case 1: return Newgame_Screen_1();
    case 2: return Newgame_Screen_2();
    case 3: return Newgame_Screen_3();
    case 4: return Newgame_Screen_4();
    case 5: return Newgame_Screen_5();
    case 6: return Newgame_Screen_6();
    case 7: return Newgame_Screen_7();
    default: return NEWGAME_BACK;
    }
}

void Newgame_Building_Worlds_Panel(void)
{
    Set_Mouse_List(1, mouselist_mapgen);
    Copy_On_To_Off_Page();
    Set_Page_Off();
    if (newgame_BUILDWOR_map_build_bar_seg != nullptr) FLIC_Draw(75, 67, newgame_BUILDWOR_map_build_bar_seg);
    Set_Font_Style(3, 3, 3, 3);
    Print(88, 76, "Building The Worlds...");
    Clear_Fields();
    Deactivate_Auto_Function();
    Toggle_Pages();
    Copy_On_To_Off_Page();
}

void Newgame_Building_Worlds_Progress(int16_t percent)
{
    Set_Page_Off();
    if (percent == 0) return;
    int16_t right = percent >= 100 ? 225 : (int16_t)(percent * 136 / 100 + 90);
    Fill(90, 89, right, 94, 172);
    Toggle_Pages();
}

void Newgame_Install_World_Services(void)
{
    Army_World_Services services = army_world_services;
    services.building_worlds_panel = Newgame_Building_Worlds_Panel;
    services.building_worlds_progress = Newgame_Building_Worlds_Progress;
    Army_Set_World_Services(services);
}

int16_t Newgame_Control(void)
{
    _landsize = 1;
    _magic = 1;
    _num_players = 1;
    _difficulty = 1;
    int16_t screen = 0;
    int16_t custom = 0;
    while (screen != NEWGAME_FINISHED) {
        // A closed window leaves the dialogue as the options screen's Quit does.
        if (screen == NEWGAME_BACK || quit_game_flag) {
            STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Control: left to the main menu");
            return 0;
        }
        Deactivate_Help_List();
        int16_t result = Newgame_Run_Screen(screen);
        int16_t next = Newgame_Next_Screen(screen, result, &custom);
        STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Control: screen %d gave %d, next %d", (int)screen, (int)result,
                (int)next);
        screen = next;
    }

    Init_New_Game();
    Initialize_Events();
    Init_Runtime();
    if (Save_SAVE_GAM(SAVE_GAM_SLOT_CONTINUE) != 1) {
        // The continue path would otherwise load an older continue game as if it were this one.
        STU_LOG(SEV_ERROR, LC_NEWGAME, "Newgame_Control: the new game could not be written to SAVE9.GAM");
        LOADSAVE_Warn_Player("The new game could not be saved.");
        return 0;
    }
    STU_LOG(SEV_INFO, LC_NEWGAME, "Newgame_Control: new game written to SAVE9.GAM");
    return 1;
}

void GAME_WizardsLaunch__WIP(int16_t slot)
{
    Fade_Out();
    if (slot != SAVE_GAM_SLOT_CONTINUE) {
        if (Load_SAVE_GAM(slot) == 1) Save_SAVE_GAM(SAVE_GAM_SLOT_CONTINUE);
    }
}

void PageFlip_FX_DOD(void) { Toggle_Pages(); }
void s01p11_empty_function_DOD(void) {}
void s01p12_empty_function_DOD(void) {}
