#include "cities/screens/Enemy_City_Screen.h"

#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "cities/screens/City_Enchantment_List.h"
#include "cities/screens/City_Screen.h"
#include "cities/screens/City_Screen_Draw.h"
#include "cities/screens/Cityscape_Draw.h"
#include "cities/screens/Outpost_Screen.h"
#include "overland/Unit_Figure.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/City_Economy.h"
#include "world/City_Record.h"
#include "world/Movement_Modes.h"
#include "world/Race_Type_Table.h"
#include "world/Scouting.h"
#include "world/Unit_Death.h"
#include "world/Unit_Type_Record.h"

int16_t m_troops[ENEMY_CITY_TROOPS_MAX];
int16_t m_troop_count = 0;
int16_t enemy_city_no_report = 0;

namespace {

constexpr int16_t NO_FIELD = -1000;
constexpr int16_t TROOPS_PER_ROW = 6;

uint8_t *_enemy_city_seg = nullptr;
int16_t m_troop_fields[ENEMY_CITY_TROOPS_MAX];
int16_t m_cityscape_fields[CITYSCAPE_MAX_FIELDS];
int16_t m_scanned_field = -1;
int16_t m_x = ENEMY_CITY_X;
int16_t m_y = ENEMY_CITY_Y;

void Troop_Corner(int16_t i, int16_t *x, int16_t *y)
{
    *x = (int16_t)(m_x + 5 + 22 * (i % TROOPS_PER_ROW));
    *y = (int16_t)(m_y + 52 + 20 * (i / TROOPS_PER_ROW));
}

int16_t Troop_Under_Pointer(void)
{
    int16_t px = Pointer_X(), py = Pointer_Y();
    for (int16_t i = 0; i < m_troop_count; ++i) {
        int16_t x = 0, y = 0;
        Troop_Corner(i, &x, &y);
        if (px >= x && px <= x + 19 && py >= y && py <= y + 18) return m_troops[i];
    }
    return -1;
}

}  // namespace

void Enemy_City_Screen_Load(void)
{
    for (int16_t &f : m_troop_fields) f = NO_FIELD;
    for (int16_t &f : m_cityscape_fields) f = NO_FIELD;
}

void Enemy_City_Build_Garrison(int16_t city_idx)
{
    const City_Record &city = _CITIES[city_idx];
    int16_t all[ARMY_AT_SQUARE_MAX];
    int16_t count = 0;
    Player_Army_At_Square(city.wx, city.wy, city.wp, city.owner_idx, &count, all);
    m_troop_count = 0;
    for (int16_t i = 0; i < count && m_troop_count < ENEMY_CITY_TROOPS_MAX; ++i)
        if (Unit_Has_Invisibility(all[i]) != 1) m_troops[m_troop_count++] = all[i];
}

void Enemy_City_Screen_Draw(void)
{
    const City_Record &city = _CITIES[_city_idx];
    int16_t x = m_x, y = m_y;
    Reset_Window();
    Set_Page_Off();
    if (_enemy_city_seg != nullptr) FLIC_Draw((int16_t)(x - 1), y, _enemy_city_seg);

    Set_Font_Style_Shadow_Down(5, 5, 5, 5);
    Set_Font_Spacing(1);
    Set_Outline_Color(0);
    char text[80];
    uint8_t size = city.size < NUM_CITY_SIZES ? city.size : (uint8_t)(NUM_CITY_SIZES - 1);
    snprintf(text, sizeof text, "%s of %.*s", _city_size_names[size], (int)sizeof city.name, city.name);
    Print_Centered((int16_t)(x + 106), (int16_t)(y + 3), text);

    uint8_t colours[16] = {190, 179};
    Set_Font_Colors_15(1, colours);
    Set_Outline_Color(19);
    Set_Font_Style_Shadow_Down(1, 15, 15, 15);
    if (city.race < NUM_RACES && _race_type_table[city.race].name != nullptr)
        Print((int16_t)(x + 6), (int16_t)(y + 19), _race_type_table[city.race].name);
    Print((int16_t)(x + 6), 43, "Units");

    City_Screen_Draw_Population_Row(_city_idx, (int16_t)(x + 4), (int16_t)(y + 27));
    Set_Font_Spacing(1);

    if (Check_Square_Scouted(city.wx, city.wy, city.wp) == 1) {
        enemy_city_no_report = 0;
        int16_t under = Troop_Under_Pointer();
        if (under >= 0 && _UNITS[under].type < NUM_UNIT_TYPES && _unit_type_names[_UNITS[under].type] != nullptr)
            Print((int16_t)(x + 36), 43, _unit_type_names[_UNITS[under].type]);
        for (int16_t i = 0; i < m_troop_count; ++i) {
            int16_t tx = 0, ty = 0;
            Troop_Corner(i, &tx, &ty);
            Draw_Unit_StatFig(tx, ty, m_troops[i], 1);
        }
        Cycle_Unit_Enchantment_Animation();
    } else {
        enemy_city_no_report = 1;
        Print((int16_t)(x + 54), (int16_t)(y + 64), "No Report");
    }

    City_Screen_Draw_City_Enchantments((int16_t)(x + 139), (int16_t)(y + 51));
    Cityscape_Window__WIP(_city_idx, (int16_t)(x + 4), (int16_t)(y + 101), -1, -1);
    Cityscape_Draw_Scanned_Building_Name(m_scanned_field, x, city.owner_idx);
}

void Enemy_City_Screen(void)
{
    Clear_Fields();
    Copy_On_To_Off_Page();
    Copy_Off_To_Back();
    Toggle_Pages();
    Set_Mouse_List(1, mouse_list_default);
    Assign_Auto_Function(Enemy_City_Screen_Draw, 1);
    m_x = ENEMY_CITY_X;
    m_y = ENEMY_CITY_Y;
    Set_Enemy_City_Screen_Help_List();
    Enemy_City_Screen_Load();
    Enemy_City_Build_Garrison(_city_idx);
    Allocate_First_Block(_screen_seg, 1);
    _enemy_city_seg = LBX_Reload_Next_Picture("RELOAD", 26, _screen_seg);
    Do_Build_City_Enchantment_List();
    Do_City_Calculations(_city_idx);
    m_scanned_field = -1;
    cityscape_bldg_count = 0;
    Clear_Fields();
    Set_Input_Delay(1);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Enemy_City_Screen: city %d, %d units shown", (int)_city_idx, (int)m_troop_count);

    int frames = 0;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        Clear_Fields();
        City_Add_Fields_City_Enchantments((int16_t)(m_x + 139), (int16_t)(m_y + 51));
        for (int16_t &f : m_cityscape_fields) f = NO_FIELD;
        for (int16_t e = 0; e < cityscape_bldg_count && e < CITYSCAPE_MAX_FIELDS; ++e) {
            const Cityscape_Bldg_Field &b = cityscape_bldg_fields[e];
            m_cityscape_fields[e] = Add_Hidden_Field(b.x1, b.y1, b.x2, b.y2, "", -1);
        }
        for (int16_t i = 0; i < ENEMY_CITY_TROOPS_MAX; ++i) {
            m_troop_fields[i] = NO_FIELD;
            if (i >= m_troop_count) continue;
            int16_t tx = 0, ty = 0;
            Troop_Corner(i, &tx, &ty);
            m_troop_fields[i] = Add_Hidden_Field(tx, ty, (int16_t)(tx + 19), (int16_t)(ty + 18), "", -1);
        }
        int16_t whole = Add_Hidden_Field(0, 0, 319, 199, "\x1B", -1);
        Add_Hot_Key("X");
        int16_t hit = Get_Input();
        int16_t scanned = Scan_Input();
        m_scanned_field = -1;
        for (int16_t e = 0; e < cityscape_bldg_count && e < CITYSCAPE_MAX_FIELDS; ++e)
            if (scanned != 0 && scanned == m_cityscape_fields[e]) m_scanned_field = e;
        int16_t field = hit < 0 ? (int16_t)-hit : hit;
        if (quit_game_flag) {
            leave = true;
        } else if ((field != 0 && field == whole) || (hit == -1 && mouse_cancel_disabled == 0)) {
            Play_Left_Click();
            leave = true;
        }
        for (int16_t i = 0; i < m_troop_count && !leave; ++i) {
            if (field != 0 && field == m_troop_fields[i]) {
                Play_Left_Click();
                leave = true;
            }
        }
        for (int16_t e = 0; e < cityscape_bldg_count && e < CITYSCAPE_MAX_FIELDS && !leave; ++e) {
            if (field != 0 && field == m_cityscape_fields[e]) {
                Play_Left_Click();
                leave = true;
            }
        }
        for (int16_t i = 0; i < city_enchantment_display_count && i < CITY_ENCHANTMENT_PAGE_LINES && !leave; ++i) {
            if (hit <= 0 || hit != city_enchantment_fields[i]) continue;
            if (City_Enchantment_Line_Turn_Off(_city_idx, i, HUMAN_PLAYER_IDX, false) < 0) continue;
            Assign_Auto_Function(Enemy_City_Screen_Draw, 1);
            Set_Enemy_City_Screen_Help_List();
        }
        if (!leave && hit > 0 && hit == city_up_button) {
            City_Enchantment_Page_Up();
        } else if (!leave && hit > 0 && hit == city_dn_button) {
            City_Enchantment_Page_Down();
        }
        if (!leave) {
            Copy_Back_To_Off();
            Enemy_City_Screen_Draw();
            Toggle_Pages();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) leave = true;
        }
    }
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Enemy_City_Screen: left city %d", (int)_city_idx);
    _page_flip_effect = 3;
    Leave_Screen();
}
