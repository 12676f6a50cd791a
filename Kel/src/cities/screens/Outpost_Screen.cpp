#include "cities/screens/Outpost_Screen.h"

#include <cstdio>
#include <cstring>

#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "Input_Box.h"
#include "LBX_Load.h"
#include "Mouse.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "cities/screens/City_Enchantment_List.h"
#include "cities/screens/City_Naming.h"
#include "cities/screens/City_Screen.h"
#include "cities/screens/Cityscape_Draw.h"
#include "overland/Main_Screen.h"
#include "overland/Stack_Selection.h"
#include "overland/Unit_Figure.h"
#include "shell/Background_Music.h"
#include "shell/Graphics_Cache.h"
#include "shell/Map_Window.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/City_Area.h"
#include "world/City_Names.h"
#include "world/City_Record.h"
#include "world/Game_Settings.h"
#include "world/Race_Type_Table.h"

int16_t CTY_Garrison_Units[OUTPOST_GARRISON_MAX];
int16_t CTY_Garrison_Count = 0;
int16_t m_new_outpost_flag = 0;

namespace {

constexpr int16_t NO_FIELD = -1000;
constexpr int16_t GARRISON_PER_ROW = 5;
constexpr int16_t HOUSE_ICONS = 10;
constexpr int16_t ENCHANTMENTS_X = 144;
constexpr int16_t ENCHANTMENTS_Y = 104;
constexpr int16_t NAME_POPUP_X = 85;
constexpr int16_t NAME_POPUP_Y = 100;
constexpr int BACKGRND_OUTPOST = 32;
constexpr int BACKGRND_NAME_PANEL = 33;
constexpr int BACKGRND_HOUSE_BRIGHT = 34;
constexpr int BACKGRND_HOUSE_DARK = 37;

const uint8_t name_cursor_colours[14] = {97, 97, 98, 98, 99, 99, 100, 100, 101, 101, 102, 102, 103, 103};

int16_t m_garrison_fields[OUTPOST_GARRISON_MAX];

void Draw_If(int16_t x, int16_t y, uint8_t *picture)
{
    if (picture != nullptr) FLIC_Draw(x, y, picture);
}

int16_t Race_House_Kind(const City_Record &city)
{
    int16_t kind = city.race < NUM_RACES ? _race_type_table[city.race].house_kind : 0;
    return kind < 0 || kind > 2 ? (int16_t)0 : kind;
}

// The garrison unit under field, or -1.
int16_t Garrison_Entry_Of(int16_t field)
{
    if (field == 0) return -1;
    for (int16_t i = 0; i < CTY_Garrison_Count && i < OUTPOST_GARRISON_MAX; ++i)
        if (m_garrison_fields[i] == field) return i;
    return -1;
}

}  // namespace

void Outpost_Garrison_Picture_Coords(int16_t i, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2)
{
    *x1 = (int16_t)(36 + 20 * (i % GARRISON_PER_ROW));
    *y1 = (int16_t)(103 + 24 * (i / GARRISON_PER_ROW));
    *x2 = (int16_t)(*x1 + 17);
    *y2 = (int16_t)(*y1 + 15);
}

void Outpost_Screen_Load(void)
{
    for (int16_t &f : m_garrison_fields) f = NO_FIELD;
}

void Outpost_Screen_Draw(void)
{
    const City_Record &city = _CITIES[_city_idx];
    Reset_Window();
    Set_Page_Off();
    Draw_If(OUTPOST_X, OUTPOST_Y, gfx_backgrnd_seg[BACKGRND_OUTPOST]);
    Outpost_Cityscape(_city_idx, 215, 80);
    Reset_Window();

    for (int16_t i = 0; i < CTY_Garrison_Count && i < OUTPOST_GARRISON_MAX; ++i) {
        int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Outpost_Garrison_Picture_Coords(i, &x1, &y1, &x2, &y2);
        Draw_Unit_StatFig(x1, y1, CTY_Garrison_Units[i], 1);
    }

    const int16_t kind = Race_House_Kind(city);
    const int16_t houses = City_House_Count(_city_idx);
    for (int16_t i = 0; i < HOUSE_ICONS; ++i)
        Draw_If((int16_t)(38 + 14 * i), 81,
                gfx_backgrnd_seg[(i < houses ? BACKGRND_HOUSE_BRIGHT : BACKGRND_HOUSE_DARK) + kind]);

    Set_Font_Style_Shadow_Down(5, 5, 5, 5);
    Set_Alias_Color(26);
    Set_Outline_Color(1);
    char title[64];
    if (m_new_outpost_flag != 0) {
        snprintf(title, sizeof title, "New Outpost Founded");
    } else {
        snprintf(title, sizeof title, "Outpost Of %.*s", (int)sizeof city.name, city.name);
    }
    Print_Centered(154, 56, title);

    City_Screen_Draw_City_Enchantments(ENCHANTMENTS_X, ENCHANTMENTS_Y);

    uint8_t colours[16] = {190, 179};
    Set_Font_Colors_15(1, colours);
    Set_Outline_Color(19);
    Set_Font_Style_Shadow_Down(1, 15, 15, 15);
    if (city.race < NUM_RACES && _race_type_table[city.race].name != nullptr)
        Print(36, 73, _race_type_table[city.race].name);
}

void Outpost_Screen(int16_t new_outpost)
{
    _page_flip_effect = 0;
    Set_Mouse_List(1, mouse_list_default);
    Clear_Fields();
    Copy_On_To_Off_Page();
    Toggle_Pages();
    Copy_Off_To_Back();

    m_new_outpost_flag = new_outpost;
    int16_t garrison[ARMY_AT_SQUARE_MAX];
    int16_t count = 0;
    Army_At_City(_city_idx, &count, garrison);
    CTY_Garrison_Count = 0;
    for (int16_t i = 0; i < count && CTY_Garrison_Count < OUTPOST_GARRISON_MAX; ++i)
        CTY_Garrison_Units[CTY_Garrison_Count++] = garrison[i];
    Outpost_Screen_Load();
    Do_Build_City_Enchantment_List();
    Assign_Auto_Function(Outpost_Screen_Draw, 1);
    Set_Outpost_Screen_Help_List();
    Set_Input_Delay(1);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Outpost_Screen: city %d, %s, %d units", (int)_city_idx,
            new_outpost != 0 ? "new" : "standing", (int)CTY_Garrison_Count);

    const City_Record &city = _CITIES[_city_idx];
    int frames = 0;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        Clear_Fields();
        for (int16_t &f : m_garrison_fields) f = NO_FIELD;
        if (m_new_outpost_flag == 0) {
            for (int16_t i = 0; i < CTY_Garrison_Count && i < OUTPOST_GARRISON_MAX; ++i) {
                int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
                Outpost_Garrison_Picture_Coords(i, &x1, &y1, &x2, &y2);
                m_garrison_fields[i] = Add_Hidden_Field(x1, y1, x2, y2, "", -1);
            }
        }
        City_Add_Fields_City_Enchantments(ENCHANTMENTS_X, ENCHANTMENTS_Y);
        const int16_t whole = Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
        const int16_t hit = Get_Input();
        bool redrawn = false;

        if (quit_game_flag) {
            leave = true;
        } else if (hit != 0 && (hit == whole || -hit == whole)) {
            Play_Left_Click();
            leave = true;
        }
        for (int16_t i = 0; i < city_enchantment_display_count && i < CITY_ENCHANTMENT_PAGE_LINES && !leave; ++i) {
            if (hit <= 0 || hit != city_enchantment_fields[i]) continue;
            if (City_Enchantment_Line_Turn_Off(_city_idx, i, _current_player_idx, false) < 0) continue;
            Assign_Auto_Function(Outpost_Screen_Draw, 1);
            Reset_Map_Draw();
            Set_Outpost_Screen_Help_List();
            redrawn = true;
        }
        if (!leave && hit > 0 && hit == city_up_button) {
            City_Enchantment_Page_Up();
        } else if (!leave && hit > 0 && hit == city_dn_button) {
            City_Enchantment_Page_Down();
        }
        const int16_t left = hit > 0 ? Garrison_Entry_Of(hit) : (int16_t)-1;
        if (!leave && left >= 0) {
            Play_Left_Click();
            if (city.owner_idx == _current_player_idx)
                Select_Unit_Stack(_current_player_idx, &_map_x, &_map_y, city.wp, city.wx, city.wy);
            leave = true;
        }
        const int16_t right = hit < 0 ? Garrison_Entry_Of((int16_t)-hit) : (int16_t)-1;
        if (!leave && right >= 0) {
            int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            Outpost_Garrison_Picture_Coords(right, &x1, &y1, &x2, &y2);
            Main_Unit_Statistics_Window(CTY_Garrison_Units[right], (int16_t)(x1 + 1), (int16_t)(y1 + 1),
                                        (int16_t)(x2 + 1), (int16_t)(y2 + 1));
            Outpost_Screen_Load();
            Assign_Auto_Function(Outpost_Screen_Draw, 1);
            Set_Outpost_Screen_Help_List();
            redrawn = true;
        }
        if (!leave && !redrawn) {
            Copy_Back_To_Off();
            Outpost_Screen_Draw();
            Toggle_Pages();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) leave = true;
        }
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Outpost_Screen: left city %d", (int)_city_idx);
    Clear_Fields();
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    _page_flip_effect = 3;
}

void Change_City_Name_Popup_Draw(void)
{
    Draw_If(NAME_POPUP_X, NAME_POPUP_Y, gfx_backgrnd_seg[BACKGRND_NAME_PANEL]);
    Set_Font_Style(4, 4, 4, 4);
    Print(95, 106, "New Outpost");
}

void Change_City_Name_Popup(int16_t city_idx, int16_t player_idx)
{
    if (city_idx < 0 || city_idx >= NUM_CITIES) return;
    City_Record &city = _CITIES[city_idx];
    _page_flip_effect = 0;
    Clear_Fields();
    Copy_On_To_Off_Page();
    Toggle_Pages();
    Set_Mouse_List(1, mouse_list_default);

    Random_City_Name_By_Race(city.race, city.name);
    char proposal[CITY_NAME_SIZE + 1] = {};
    memcpy(proposal, city.name, CITY_NAME_SIZE);
    char answer[INPUT_BOX_TEXT_MAX + 1] = {};
    snprintf(answer, CITY_NAME_TYPED_MAX + 1, "%s", proposal);

    Assign_Auto_Function(Change_City_Name_Popup_Draw, 1);
    Set_Font_Style(4, 4, 3, 3);
    Set_Font_Spacing(1);
    Set_Alias_Color(103);
    Setup_Input_Box_Popup(101, 121, 75, answer, CITY_NAME_TYPED_MAX, 0, 0, 0, name_cursor_colours, -1);
    Deactivate_Auto_Function();
    City_Name_From_Answer(city_idx, answer, proposal);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Change_City_Name_Popup: city %d named \"%s\"", (int)city_idx, city.name);
}

namespace {

constexpr int EVENT_MUSIC_WORD = 2;  // word of magic_set: the event music setting
constexpr int16_t NEW_OUTPOST_MUSIC = 107;

}  // namespace

void New_Outpost_Scene(int16_t city_idx, int16_t owner_idx)
{
    if (magic_set.words[EVENT_MUSIC_WORD] == 1) {
        uint8_t *music = LBX_Reload("MUSIC", NEW_OUTPOST_MUSIC, SND_Music_Segment);
        if (music != nullptr) Play_Sound(music, lbxload_entry_length);
    }
    Outpost_Screen(1);
    Change_City_Name_Popup(city_idx, owner_idx);
    Play_Background_Music();
}
