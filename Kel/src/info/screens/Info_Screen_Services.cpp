#include "info/screens/Info_Screen_Services.h"

#include "Dialog_Boxes.h"
#include "info/Info_Services.h"
#include "info/screens/End_Scenes.h"
#include "info/screens/Hall_Of_Fame.h"

namespace {

void Show_Warning(const char *text) { Warn(text); }

}  // namespace

void Info_Install_Screen_Services(void)
{
    Info_Screen_Services services = {};
    services.conquest_scene = Conquest_Scene;
    services.lose_scene = Lose_Scene;
    services.win_scene = Win_Scene;
    services.return_scene = Return_Scene;
    services.score_screen = End_Of_Game_Score_Screen;
    services.hall_of_fame_screen = Hall_Of_Fame_Screen;
    services.show_message = Show_Warning;
    Info_Set_Screen_Services(services);
}
