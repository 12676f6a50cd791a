#include "Game_Services.h"

#include "ai/AI_Services.h"
#include "ai/AI_World_Hooks.h"
#include "ai/screens/AI_Screen_Services.h"
#include "cities/City_Records.h"
#include "combat/Combat_Hooks.h"
#include "combat/screens/Combat_Results_Scroll.h"
#include "heroes/Heroes_Services.h"
#include "heroes/screens/Heroes_Screen_Services.h"
#include "info/Info_Services.h"
#include "info/screens/Info_Screen_Services.h"
#include "magic/Magic_Services.h"
#include "magic/screens/Research_Screen.h"
#include "newgame/New_Game_Flow.h"
#include "overland/Army_World_Hooks.h"
#include "overland/Stack_Movement_Draw.h"
#include "turn/Turn_Services.h"
#include "turn/screens/Turn_Screen_Services.h"
#include "world/Army_Services.h"

void Install_Game_Services(void)
{
    AI_Install_World_Hooks();
    AI_Install_Screen_Services();
    Army_Install_World_Hooks();
    Heroes_Install_Screen_Services();
    Magic_Install_Screens();
    City_Records_Install_World_Hooks();
    Info_Install_Screen_Services();
    Stack_Movement_Install_Hooks();
    Combat_Install_Screen_Services();
    Newgame_Install_World_Services();
    Turn_Install_Screen_Services();
}

void Reset_Game_Services(void)
{
    AI_Set_Services({});
    Army_Set_World_Services({});
    Combat_Set_Rule_Hooks(nullptr);
    Heroes_Set_Services({});
    Info_Set_Screen_Services({});
    Magic_Set_Services({});
    Turn_Set_Services({});
}
