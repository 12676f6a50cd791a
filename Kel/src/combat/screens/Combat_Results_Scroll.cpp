#include "combat/screens/Combat_Results_Scroll.h"

#include "combat/screens/Combat_Spell_Animations.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Expanding_Box.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Paragraph.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "cities/City_Records.h"
#include "combat/City_Aftermath.h"
#include "combat/Combat_Entry.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Results.h"
#include "combat/Combat_Tables.h"
#include "combat/screens/Combat_Screen.h"
#include "magic/Spellbook_Screen.h"
#include "magic/Undead_Animation.h"
#include "sdl2_PFL.h"
#include "shell/Background_Music.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"
#include "shell/Screen_Control.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"
#include "world/Stack_Movement.h"

namespace {

constexpr int MESSAGE_RECORD_SIZE = 150;
constexpr int16_t SCROLL_X = 54;
constexpr int16_t TEXT_X = 75;
constexpr int16_t TEXT_WIDTH = 175;
constexpr int SCROLL_PASSES_MAX = 400;
constexpr int16_t PAPER_CONQUEST = 9;
constexpr int16_t PAPER_PLAIN = 10;
constexpr int16_t PAPER_UNDECIDED = 11;

uint8_t *m_paper = nullptr;
uint8_t *m_bottom = nullptr;
int16_t m_text_height = 0;
int16_t m_text_top = 0;
int16_t m_city = -1;  // the city of a city battle, -1 none

uint8_t *m_prompt_top = nullptr;
uint8_t *m_prompt_bottom = nullptr;
int16_t m_prompt_height = 0;

void Colours(uint8_t first, uint8_t rest)
{
    uint8_t colours[16];
    memset(colours, rest, sizeof colours);
    colours[0] = first;
    Set_Font_Colors_15(0, colours);
    Set_Font_Style(0, 0, 0, 0);
}

void Message_Record(int16_t record, char *out)
{
    memset(out, 0, MESSAGE_RECORD_SIZE + 1);
    LBX_Load_Data_Static("MESSAGE", 0, (uint8_t *)out, record, 1, MESSAGE_RECORD_SIZE);
}

int16_t Paragraph(int16_t y, char *text)
{
    Set_Font_LF(2);
    Print_Paragraph(TEXT_X, y, TEXT_WIDTH, text, PARAGRAPH_LEFT);
    return (int16_t)(Get_Paragraph_Max_Height(TEXT_WIDTH, text) + 2);
}

bool Razing_Offered(void)
{
    const int16_t code = combat_results_scroll_message;
    return m_city >= 0 && (code == crc_Won || code == crc_Computer_Fled || code == crc_Auto_Won) &&
           _combat_attacker_player == HUMAN_PLAYER_IDX;
}

int16_t Paper_Entry(void)
{
    const int16_t code = combat_results_scroll_message;
    const bool won = code == crc_Won || code == crc_Computer_Fled || code == crc_Auto_Won;
    const bool human_attacked = _combat_attacker_player == HUMAN_PLAYER_IDX;
    if (code == crc_Turn_Limit) return PAPER_UNDECIDED;
    if (m_city >= 0) {
        if (won) return human_attacked ? PAPER_CONQUEST : PAPER_PLAIN;
        return human_attacked ? PAPER_PLAIN : PAPER_CONQUEST;
    }
    return won ? PAPER_PLAIN : PAPER_UNDECIDED;
}

void Busy_Mouse(void) {}

int16_t Treaty_Question(const char *text)
{
    if (g_headless_unattended || !Window_Shown()) return 0;
    return Confirmation_Box(text);
}

int16_t Fight_On_Screen(int16_t attacker_idx, int16_t defender_idx, int16_t *troops, int16_t troop_count, int16_t wx,
                        int16_t wy, int16_t wp, int16_t *item_count, int16_t *item_list)
{
    Stop_All_Sounds();
    const int16_t result =
        Combat_Screen(attacker_idx, defender_idx, troops, troop_count, wx, wy, wp, item_count, item_list);
    Play_Background_Music();
    return result;
}

void Backdrop(void)
{
    if (!Window_Shown()) return;
    Set_Page_Off();
    Allocate_Reduced_Map();
    Main_Screen_Draw();
    Copy_Off_To_Back();
}

void World_View_Refresh(int16_t human_took_part)
{
    Allocate_Reduced_Map();
    if (!human_took_part) return;
    Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
    if (Window_Shown()) {
        Full_Draw_Main_Screen();
        Copy_On_To_Off_Page();
    }
}

}  // namespace

int Combat_Results_Scroll_Lines(int16_t city_idx, Combat_Results_Line *lines)
{
    int n = 0;
    auto add = [&](int16_t kind, const char *format, auto... values) {
        if (n >= COMBAT_RESULTS_LINES_MAX) return;
        lines[n].kind = kind;
        snprintf(lines[n].text, sizeof lines[n].text, format, values...);
        n++;
    };
    const char *city = (city_idx >= 0 && city_idx < _cities && city_idx < NUM_CITIES) ? _CITIES[city_idx].name : "";
    char record[MESSAGE_RECORD_SIZE + 1];
    switch (combat_results_scroll_message) {
    case crc_Won:
    case crc_Auto_Won: Message_Record(5, record), add(crl_Headline, "%s", record); break;
    case crc_Lost:
    case crc_Auto_Lost: Message_Record(6, record), add(crl_Headline, "%s", record); break;
    case crc_Fled:
        Message_Record(7, record), add(crl_Headline, "%s", record);
        if (GUI_NearMsgString[0] != '\0') add(crl_Message, "%s", GUI_NearMsgString);
        break;
    case crc_Turn_Limit: Message_Record(8, record), add(crl_Headline, "%s", record); break;
    case crc_Computer_Fled: Message_Record(9, record), add(crl_Headline, "%s", record); break;
    case crc_City_Conquered: add(crl_Headline, "%.20s has been conquered", city); break;
    default: break;
    }
    if (city_idx >= 0) {
        if (_active_battle_unit == RAMPAGE_NONE) {
            Message_Record(10, record), add(crl_Paragraph, "%s", record);
        } else if (_active_battle_unit == RAMPAGE_RUINS) {
            add(crl_Paragraph, "%.20s has been reduced to ruins", city);
        } else if (_active_battle_unit == RAMPAGE_RAIDERS) {
            add(crl_Paragraph, "%.20s has fallen to raiders", city);
        }
    }
    if (GUI_Multipurpose_Int != 0) {
        const int magnitude = GUI_Multipurpose_Int < 0 ? -GUI_Multipurpose_Int : GUI_Multipurpose_Int;
        add(crl_Centred, "You have %s%d fame.", GUI_Multipurpose_Int < 0 ? "lost " : "gained ", magnitude);
    }
    if (combat_results_gold > 0) add(crl_Centred, "%d gold pieces were looted.", combat_results_gold);
    if (destroy_combat_city != 0) {
        add(crl_Centred, "%s", "The city has been completly destroyed.");
        return n;
    }
    if (combat_results_population_lost > 0) {
        add(crl_Centred, "%d thousand inhabitants killed.", combat_results_population_lost);
    }
    if (combat_results_buildings_lost > 0) {
        add(crl_Heading, "%s", "Destroyed Buildings");
        const int listed =
            combat_results_buildings_lost > NUM_BUILDINGS ? NUM_BUILDINGS : combat_results_buildings_lost;
        for (int i = 0; i < listed; i++) {
            const int16_t b = combat_results_lost_buildings[i];
            const bool named = b > 0 && b < NUM_BUILDINGS && bldg_data_table != nullptr;
            add(i % 2 == 0 ? crl_Left : crl_Right, "%.20s", named ? bldg_data_table[b].name : "");
        }
    }
    return n;
}

int16_t Combat_Results_Scroll_Text(void)
{
    static Combat_Results_Line lines[COMBAT_RESULTS_LINES_MAX];
    const int count = Combat_Results_Scroll_Lines(m_city, lines);
    const int16_t top = m_text_top;
    int16_t y = (int16_t)(top + 92);
    bool columns = false;
    for (int i = 0; i < count; i++) {
        Combat_Results_Line &line = lines[i];
        if (columns && line.kind != crl_Left && line.kind != crl_Right) columns = false;
        switch (line.kind) {
        case crl_Headline: Colours(0xF5, 0x2F), Print_Centered(160, (int16_t)(top + 25), line.text); break;
        case crl_Message:
            Colours(0xF7, 0x37);
            Set_Font_LF(2);
            Print_Paragraph(TEXT_X, (int16_t)(top + 92), TEXT_WIDTH, line.text, PARAGRAPH_LEFT);
            y = (int16_t)(top + 94 + Get_Paragraph_Max_Height(TEXT_WIDTH, line.text));
            break;
        case crl_Paragraph: Colours(0xF7, 0x37), y = (int16_t)(y + Paragraph(y, line.text)); break;
        case crl_Centred:
            Colours(0xF7, 0x37), Print_Centered(160, y, line.text);
            y = (int16_t)(y + 9);
            break;
        case crl_Heading:
            Colours(0xF5, 0x2F), Print_Centered(160, y, line.text);
            y = (int16_t)(y + 11);
            columns = true;
            break;
        case crl_Left: Colours(0xF7, 0x37), Print(75, y, line.text); break;
        case crl_Right:
            Colours(0xF7, 0x37), Print(165, y, line.text);
            y = (int16_t)(y + 7);
            break;
        default: break;
        }
    }
    if (columns) y = (int16_t)(y + 2);
    return (int16_t)(y - top);
}

void Combat_Results_Scroll_Draw(void)
{
    Copy_Back_To_Off();
    if (m_paper != nullptr) {
        Set_Window(0, 0, 319, (int16_t)(m_text_top + m_text_height));
        Clipped_Draw(SCROLL_X, m_text_top, m_paper);
        Reset_Window();
    }
    if (m_bottom != nullptr) Clipped_Draw(SCROLL_X, (int16_t)(m_text_top + m_text_height), m_bottom);
    Combat_Results_Scroll_Text();
}

void Combat_Results_Scroll(void)
{
    m_city = (_combat_environ == cenv_City && _combat_environ_idx >= 0 && _combat_environ_idx < _cities)
                 ? _combat_environ_idx
                 : (int16_t)-1;
    if (!Window_Shown()) {
        STU_LOG(SEV_INFO, LC_COMBAT, "Combat results: outcome %d, gold %d, fame %d, population %d, buildings %d",
                combat_results_scroll_message, combat_results_gold, GUI_Multipurpose_Int,
                combat_results_population_lost, combat_results_buildings_lost);
        return;
    }
    SAMB_ptr block = Box_Picture_Block();
    m_paper = LBX_Reload_Picture("SCROLL", Paper_Entry(), block);
    m_bottom = LBX_Reload_Next_Picture("HELP", 1, block);
    Set_Page_Off();
    m_text_top = 0;
    m_text_height = Combat_Results_Scroll_Text();
    m_text_top = (int16_t)((199 - (m_text_height + 22)) / 2);
    Combat_Results_Scroll_Draw();
    PageFlip_FX();
    Assign_Auto_Function(Combat_Results_Scroll_Draw, 1);
    Clear_Fields();
    bool offer = Razing_Offered();
    int16_t r_lower = Add_Hot_Key("r");
    int16_t r_upper = Add_Hot_Key("R");
    const char escape[2] = {(char)KEY_ESCAPE, '\0'};
    int16_t screen_field = Add_Hidden_Field(0, 0, 319, 199, escape, -1);
    for (int pass = 0; pass < SCROLL_PASSES_MAX; pass++) {
        const int16_t input = Get_Input();
        if (input != 0 && input == screen_field) break;
        if (input != 0 && (input == r_lower || input == r_upper)) {
            if (offer && destroy_combat_city == 0 && m_city >= 0 &&
                Raze_City_Prompt("Do you wish to completely destroy this city?") == 0) {
                destroy_combat_city = 1;
                const int16_t loss = (int16_t)(_CITIES[m_city].size + 1);
                const int fame = (uint16_t)_players[HUMAN_PLAYER_IDX].fame - loss;
                _players[HUMAN_PLAYER_IDX].fame = (int16_t)(uint16_t)(fame < 0 ? 0 : fame);
                GUI_Multipurpose_Int = (int16_t)(GUI_Multipurpose_Int - loss);
                const int16_t value = City_Building_Value(m_city);
                combat_results_gold =
                    (int16_t)(combat_results_gold + value > 32767 ? 32767 : combat_results_gold + value);
                Player_Add_Gold(HUMAN_PLAYER_IDX, value);
                m_text_height = Combat_Results_Scroll_Text();
            }
            offer = false;
            Clear_Fields();
            screen_field = Add_Hidden_Field(0, 0, 319, 199, escape, -1);
            r_lower = r_upper = -100;
        }
        if (g_headless_unattended || quit_game_flag != 0) break;
        Combat_Results_Scroll_Draw();
        PageFlip_FX();
    }
    Deactivate_Auto_Function();
    Clear_Fields();
}

void Raze_City_Prompt_Draw(void)
{
    const int16_t x = message_box_x, y = message_box_y, h = m_prompt_height;
    Set_Page_Off();
    Set_Window(0, 0, 319, (int16_t)(y + h + 12));
    if (m_prompt_top) Clipped_Draw(x, y, m_prompt_top);
    Reset_Window();
    if (m_prompt_bottom) Clipped_Draw(x, (int16_t)(y + h + 10), m_prompt_bottom);
    Set_Font_Colors_15(4, COL_ConfirmShadows);
    Set_Font_Style(4, 15, 15, 0);
    Print_Paragraph((int16_t)(x + 10), (int16_t)(y + 10), 166, message_box_text, PARAGRAPH_CENTERED);
    Print_Paragraph((int16_t)(x + 9), (int16_t)(y + 10), 166, message_box_text, PARAGRAPH_CENTERED);
    Set_Alias_Color(18);
    Set_Font_Colors_15(4, COL_Dialog_Text);
    Set_Font_Style(4, 4, 15, 0);
    Print_Paragraph((int16_t)(x + 9), (int16_t)(y + 9), 166, message_box_text, PARAGRAPH_CENTERED);
}

int16_t Raze_City_Prompt(const char *text)
{
    if (!Window_Shown() || g_headless_unattended) return 1;
    Save_Alias_Colors();
    Set_Font_Colors_15(0, COL_Dialog_Text);
    Save_ScreenSeg();
    SAMB_ptr block = Box_Picture_Block();
    m_prompt_top = LBX_Reload_Picture("RESOURCE", 0, block);
    m_prompt_bottom = LBX_Reload_Next_Picture("RESOURCE", 1, block);
    uint8_t *no = LBX_Reload_Next_Picture("COMPIX", 81, block);
    uint8_t *raze = LBX_Reload_Next_Picture("COMPIX", 82, block);
    Copy_On_To_Off_Page();
    snprintf(message_box_text, sizeof message_box_text, "%s", text);
    Set_Font_Style(4, 4, 15, 0);
    m_prompt_height = Get_Paragraph_Max_Height(166, message_box_text);
    const int16_t h = m_prompt_height;
    message_box_x = (int16_t)(confirmation_box_x_offset + 68);
    message_box_y = (int16_t)(confirmation_box_y_offset + (200 - (h + 34)) / 2);
    const int16_t x = message_box_x, y = message_box_y;
    Clear_Fields();
    const int16_t no_field = Add_Button_Field((int16_t)(x + 101), (int16_t)(y + h + 15), "", no, "N", -1);
    const int16_t raze_field = Add_Button_Field((int16_t)(x + 18), (int16_t)(y + h + 15), "", raze, "R", -1);
    Add_Hidden_Field(x, y, (int16_t)(x + 185), (int16_t)(y + 63), "", -1);
    const char escape[2] = {(char)KEY_ESCAPE, '\0'};
    Add_Hidden_Field(0, 0, 319, 199, escape, -1);
    Assign_Auto_Function(Raze_City_Prompt_Draw, 1);
    int16_t answer = -1;
    while (answer < 0) {
        const int16_t input = Get_Input();
        const int16_t field = (int16_t)(input < 0 ? -input : input);
        if (field != 0 && field == no_field) {
            answer = 1;
        } else if (field != 0 && field == raze_field) {
            answer = 0;
        } else {
            Raze_City_Prompt_Draw();
            PageFlip_FX();
        }
        if (answer < 0 && quit_game_flag != 0) answer = 1;
    }
    Deactivate_Auto_Function();
    Clear_Fields();
    Restore_Alias_Colors();
    Reset_Window();
    Restore_ScreenSeg();
    return answer;
}

void Combat_Install_Screen_Services(void)
{
    Combat_Rule_Hooks hooks = Combat_Hooks();
    hooks.treaty_question = Treaty_Question;
    hooks.raze_city_prompt = Raze_City_Prompt;
    hooks.results_scroll = Combat_Results_Scroll;
    hooks.undead_animation = Undead_Animation;
    hooks.combat_screen = Fight_On_Screen;
    hooks.main_screen_backdrop = Backdrop;
    hooks.world_view_refresh = World_View_Refresh;
    hooks.busy_mouse = Busy_Mouse;
    Combat_Set_Rule_Hooks(&hooks);
    Combat_Spell_Animations_Install();
}
