#include "magic/screens/Cast_Screens.h"

#include <cstdio>
#include <cstring>

#include "Dialog_Boxes.h"
#include "LBX_Load.h"
#include "magic/Spell_Animations.h"
#include "magic/Spell_Casting_Screen.h"
#include "magic/Spellbook_Screen.h"
#include "magic/Target_Wizard_Screen.h"
#include "magic/screens/Global_Enchantment_Panel.h"
#include "magic/screens/Magic_Choices.h"
#include "magic/screens/Mastery_Scenes.h"
#include "overland/Stack_Orders.h"
#include "shell/Map_Window.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Stacks.h"

namespace {

constexpr int16_t MESSAGE_RECORD_BYTES = 150;

int16_t Spell_Target(int16_t kind, int16_t *wx, int16_t *wy, int16_t *wp, int16_t spell_idx)
{
    char name[sizeof spell_data_table[0].name + 1] = {};
    if (spell_data_table != nullptr && spell_idx > 0 && spell_idx < NUM_SPELLS) {
        memcpy(name, spell_data_table[spell_idx].name, sizeof spell_data_table[0].name);
    }
    int16_t screen_x = 0, screen_y = 0;
    return Spell_Casting_Screen(kind, wx, wy, wp, &screen_x, &screen_y, name);
}

void Show_Warning(const char *text) { Warn0(text); }

void Message_Record(int16_t record, const char *tail)
{
    char text[MESSAGE_RECORD_BYTES + 1] = {};
    LBX_Load_Data_Static("MESSAGE", 0, (uint8_t *)text, record, 1, MESSAGE_RECORD_BYTES);
    char message[MESSAGE_RECORD_BYTES + 80];
    snprintf(message, sizeof message, "%s%s", text, tail);
    Warn0(message);
}

// The scene is shown whole; a change made in its middle is made by the caller before or after.
void Square_Scene(int16_t spell_idx, int16_t wx, int16_t wy, int16_t wp, int16_t frames, void (*at_frame)(int16_t))
{
    (void)frames;
    (void)at_frame;
    Spell_Animation_Load_Graphics(spell_idx);
    Spell_Animation_Load_Sound_Effect__WIP(spell_idx);
    Spell_Animation_Screen__WIP(wx, wy, wp);
    Full_Draw_Main_Screen();
}

void City_Scene(int16_t half, int16_t city_idx, int16_t spell_idx, int16_t caster_idx)
{
    if (half == 1) {
        City_Enchantment_Anim_1__WIP(city_idx, spell_idx, caster_idx);
    } else {
        City_Enchantment_Anim_2__WIP(city_idx, spell_idx);
    }
}

void Select_New_Unit(int16_t unit_idx)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    _active_world_x = unit.wx;
    _active_world_y = unit.wy;
    _map_plane = unit.wp;
    Select_Stack_At_Unit(unit_idx);
}

void Back_To_Main_Screen(void) { current_screen = scr_Main_Screen; }

void Fizzle_Scene(const char *text) { Notify2(160, 80, 0, text, 0, nullptr, 0, 0, nullptr, 0, 0, 0, 0); }

}  // namespace

void Magic_Install_Cast_Screens(Magic_Services &services)
{
    services.spell_target = Spell_Target;
    services.warn = Show_Warning;
    services.message_record = Message_Record;
    services.fizzle_scene = Fizzle_Scene;
    services.summon_scene = Summon_Animation;
    services.square_scene = Square_Scene;
    services.city_scene = City_Scene;
    services.global_scene = WIZ_GlobalSpellAnim;
    services.target_wizard = Target_Wizard_Screen;
    services.select_new_unit = Select_New_Unit;
    services.back_to_main_screen = Back_To_Main_Screen;
    Magic_Install_Global_Enchantment_Panel(services);
    Magic_Install_Choices(services);
    Magic_Install_Mastery_Scenes(services);
}
