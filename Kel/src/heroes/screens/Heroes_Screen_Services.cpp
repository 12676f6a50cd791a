// The heroes rules ask the human through the engine's boxes and the heroes' own screens. The boxes
// keep the declining answers of the rules in a run without a window; the screens run in every
// run and end by themselves in an unattended one.
#include "heroes/screens/Heroes_Screen_Services.h"

#include <cstdio>

#include "Dialog_Boxes.h"
#include "LBX_Load.h"
#include "heroes/Hero_Popups.h"
#include "heroes/Heroes_Services.h"
#include "heroes/Item_Screen.h"
#include "heroes/screens/Lair_Boxes.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Item_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t MESSAGE_POOL_NOTICE = 67;
constexpr int MESSAGE_RECORD_ROOM = 150;

int16_t Merchant_Box(int16_t item_idx, int16_t price)
{
    if (!Window_Shown()) return 0;
    char text[200];
    snprintf(text, sizeof text,
             "A merchant arrives and offers a magic %s for sale.  The price is only %d gold pieces.  Buy it?",
             _ITEMS[item_idx].name, price);
    return Confirmation_Box(text);
}

int16_t Hero_Box(int16_t slot_idx, int16_t kind, int16_t price)
{
    if (!Window_Shown()) return 0;
    const Unit_Record &unit = _UNITS[_units - 1];
    const char *name =
        unit.type < NUM_UNIT_TYPES && _unit_type_table[unit.type].name ? _unit_type_table[unit.type].name : "";
    char text[200];
    switch (kind) {
    case 0: snprintf(text, sizeof text, "Hero for Hire: %d gold.  Hire the %s?", price, name); break;
    case 1: snprintf(text, sizeof text, "Hero Summoned.  Accept the %s?", name); break;
    case 3: snprintf(text, sizeof text, "Champion Summoned.  Accept the %s?", name); break;
    default: snprintf(text, sizeof text, "A prisoner asks to join your army.  Accept the %s?", name); break;
    }
    return Confirmation_Box(text);
}

int16_t Merc_Box(int16_t count, int16_t price)
{
    if (!Window_Shown()) return 0;
    const Unit_Record &unit = _UNITS[_units - 1];
    const char *name =
        unit.type < NUM_UNIT_TYPES && _unit_type_table[unit.type].name ? _unit_type_table[unit.type].name : "";
    char text[200];
    if (count == 1) {
        snprintf(text, sizeof text, "Mercenary for Hire: %d gold.  Hire the %s?", price, name);
    } else {
        snprintf(text, sizeof text, "%d Mercenaries for Hire: %d gold.  Hire the %s?", count, price, name);
    }
    return Confirmation_Box(text);
}

void Level_Box(int16_t unit_idx)
{
    if (!Window_Shown()) return;
    Hero_Special_Line list[HERO_SPECIALS_ROOM];
    int16_t count = 0;
    Hero_Build_Specials_List(unit_idx, list, &count);
    if (count < 1) return;
    char text[300];
    int len = snprintf(text, sizeof text, "%s", list[0].text);
    for (int i = 1; i < count && i < 8 && len < (int)sizeof text; i++) {
        len += snprintf(text + len, sizeof text - (size_t)len, ", %s", list[i].text);
    }
    Warn0(text);
}

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
    current_screen = screen;
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
    services.merchant_offer = Merchant_Box;
    services.hero_offer = Hero_Box;
    services.merc_offer = Merc_Box;
    services.level_up = Level_Box;
    services.warn = Warn_Box;
    services.confirm = Confirm_Box;
    Heroes_Set_Services(services);
}
