#include "turn/screens/Turn_Screen_Services.h"

#include <cstdio>

#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "Paragraph.h"
#include "SOUND.h"
#include "overland/Main_Screen.h"
#include "shell/Background_Music.h"
#include "shell/Main_Screen_Draw.h"
#include "turn/Diplomatic_Statements.h"
#include "turn/Event_Messages.h"
#include "turn/Proposals_Answers.h"
#include "turn/Relations.h"
#include "turn/Turn_Services.h"
#include "turn/screens/Diplomacy_Screen.h"

namespace {

constexpr int16_t MENU_X = 38;
constexpr int16_t MENU_Y = 142;
constexpr int16_t MENU_WIDTH = 245;
constexpr int16_t MENU_FILL_KIND = 15;
constexpr int16_t MENU_REMAP_TABLE = 11;
constexpr int16_t MENU_REDRAW_TICKS = 2;
constexpr int16_t SPEECH_ALIAS_COLOUR = 187;

void Set_Speech_Font(void)
{
    Set_Font_Style_Shadow_Down(4, 4, 4, 4);
    Set_Outline_Color(0);
    Set_Alias_Color(SPEECH_ALIAS_COLOUR);
    Set_Font_LF(1);
}

int16_t Speech_Height(const char *text)
{
    char copy[DIPL_MESSAGE_SIZE];
    std::snprintf(copy, sizeof copy, "%s", text);
    Set_Speech_Font();
    return Get_Paragraph_Max_Height(MENU_WIDTH, copy);
}

void Diplomacy_Menu_Left(void) { Assign_Auto_Function(Diplomacy_Screen_Draw, MENU_REDRAW_TICKS); }

}  // namespace

int16_t Diplomacy_Engine_Pick(const Diplomacy_Menu &menu)
{
    int16_t y = MENU_Y;
    if (menu.under_statement) {
        Get_Diplomacy_Statement(m_IDK_diplomatic_order, Diplomacy_Wizard_On_Screen());
        y = static_cast<int16_t>(MENU_Y + Speech_Height(Diplomacy_Message()));
        Assign_Auto_Function(Diplomacy_Screen_Draw, MENU_REDRAW_TICKS);
    } else {
        if (menu.below_message) y = static_cast<int16_t>(MENU_Y + Speech_Height(menu.message));
        Diplomacy_Set_Menu_Message(menu.message);
        Assign_Auto_Function(Diplomacy_Menu_Draw, MENU_REDRAW_TICKS);
    }
    Set_Font_Style(1, 4, 3, 3);
    Set_Alias_Color(SPEECH_ALIAS_COLOUR);
    int16_t selected = 0;
    return Get_List_Field(MENU_X, y, MENU_WIDTH, "", &menu.lines[0][0], DIPL_MENU_LINE_SIZE, &selected, menu.enabled,
                          MENU_FILL_KIND, MENU_REMAP_TABLE, 0, 0, 0, -1);
}

namespace {

void Restart_Music(void)
{
    Stop_All_Sounds();
    Play_Background_Music();
}

}  // namespace

void Turn_Install_Screen_Services(void)
{
    Turn_Services services = turn_services;
    services.announce_event = Show_Event_Message;
    services.conquest_redraw = Main_Screen_Draw;
    services.conquest_ask = Confirmation_Box;
    services.diplomacy_pick = Diplomacy_Engine_Pick;
    services.diplomacy_respond = Diplomacy_Display_Response;
    services.diplomacy_menu_left = Diplomacy_Menu_Left;
    services.diplomacy_audience = Npc_Diplomacy_Screen;
    services.diplomacy_mood_music = Diplomacy_Play_Mood_Music;
    services.window_shown = Window_Shown;
    services.warn = Warn0;
    services.research_pointer = Set_Mouse_List_Default;
    services.restart_music = Restart_Music;
    Turn_Set_Services(services);
}
