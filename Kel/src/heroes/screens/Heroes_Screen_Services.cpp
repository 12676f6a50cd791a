// The heroes rules ask the human through the engine's boxes and the heroes' own screens. The boxes
// keep the declining answers of the rules in a run without a window; the screens run in every
// run and end by themselves in an unattended one.
#include "heroes/screens/Heroes_Screen_Services.h"

#include <cstdio>

#include "Dialog_Boxes.h"
#include "LBX_Load.h"
#include "Palette.h"
#include "heroes/Hero_Popups.h"
#include "heroes/Heroes_Services.h"
#include "heroes/Item_Screen.h"
#include "heroes/screens/Lair_Boxes.h"
#include "heroes/screens/Offer_Popups.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Item_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t MESSAGE_POOL_NOTICE = 67;
constexpr int MESSAGE_RECORD_ROOM = 150;

// Record 67 of the messages: the notice before the pool.
void Pool_Notice_Box(void)
{
    if (!Window_Shown()) return;
    char text[MESSAGE_RECORD_ROOM + 1] = "";
    LBX_Load_Data_Static("MESSAGE", 0, (uint8_t *)text, MESSAGE_POOL_NOTICE, 1, MESSAGE_RECORD_ROOM);
    text[MESSAGE_RECORD_ROOM] = '\0';
    Warn0(text);
}

// The pool is handed out on the Items screen; the screen that was current stays current.
void Items_Screen_Pool(void)
{
    const int16_t screen = current_screen;
    Item_Screen();
    if (current_screen != scr_Quit_To_DOS) current_screen = screen;
    // Back to the overland colours.
    Load_Palette(0, -1, 0);
    Apply_Palette();
}

void Warn_Box(const char *text)
{
    if (Window_Shown()) Warn0(text);
}

int16_t Confirm_Box(const char *text) { return Window_Shown() ? Confirmation_Box(text) : (int16_t)0; }

}  // namespace

void Heroes_Install_Screen_Services(void)
{
    Heroes_Services services = {};
    services.pool_notice = Pool_Notice_Box;
    services.items_screen_pool = Items_Screen_Pool;
    services.lair_confirm = Lair_Confirm_Box;
    services.lair_treasure = Lair_Treasure_Popup_Box;
    Heroes_Install_Offer_Popups(&services);
    services.warn = Warn_Box;
    services.confirm = Confirm_Box;
    Heroes_Set_Services(services);
}
