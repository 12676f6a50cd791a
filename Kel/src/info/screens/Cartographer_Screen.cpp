#include <cstdio>
#include <cstring>

#include "Allocate.h"
#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "LBX_Pictures.h"
#include "Mouse.h"
#include "Pictures.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "info/Advisors.h"
#include "info/screens/Advisor_Screen.h"
#include "shell/Map_Window.h"
#include "shell/Reduced_Map.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Scouting.h"
#include "world/Unit_Record.h"
#include "world/Unit_Stacks.h"

int16_t m_cartograph_plane = 0;
int16_t m_cartograph_x = 16;
int16_t m_cartograph_y = 27;

namespace {

constexpr int16_t NUM_FLAGS = 6;
uint8_t *cartograph_seg = nullptr;

void Marker(int16_t wx, int16_t wy, uint8_t color)
{
    Dot((int16_t)(m_cartograph_x + 4 * wx + 2), (int16_t)(m_cartograph_y + 4 * wy + 1), color);
}

}  // namespace

void Cartograph_Screen_Draw_Map(int16_t plane)
{
    Allocate_First_Block(_screen_seg, 1);
    uint8_t *background = LBX_Reload_Next_Picture("RELOAD", 2, _screen_seg);
    cartograph_seg = Allocate_Next_Block(_screen_seg, (uint16_t)((CARTOGRAPH_BUFFER_BYTES + 15) / 16));
    uint8_t *flags[NUM_FLAGS];
    for (int16_t f = 0; f < NUM_FLAGS; f++) flags[f] = LBX_Reload_Next_Picture("RELOAD", (int16_t)(3 + f), _screen_seg);
    Set_Page_Off();
    FLIC_Draw(0, 0, background);
    Cartograph_Screen_Draw_Map_Terrain(plane, cartograph_seg);
    Draw_Picture(m_cartograph_x, m_cartograph_y, cartograph_seg + 256);

    Set_Font_Style(1, 1, 1, 1);
    Set_Alias_Color(238);
    Set_Outline_Color(254);
    Set_Font_Spacing(1);
    int16_t r = 0;
    char name[24];
    for (int16_t p = 0; p < _num_players && p < NUM_PLAYERS; p++) {
        if (_players[_current_player_idx].Dipl_Contacted[p] != 1) continue;
        uint8_t banner = _players[p].banner_id < 5 ? _players[p].banner_id : 0;
        FLIC_Draw(260, (int16_t)(80 + 9 * r), flags[banner]);
        memset(name, 0, sizeof name);
        memcpy(name, _players[p].name, sizeof _players[p].name);
        Print(269, (int16_t)(82 + 9 * r), name);
        r++;
    }
    FLIC_Draw(260, (int16_t)(80 + 9 * r), flags[5]);
    Print(269, (int16_t)(82 + 9 * r), "Neutral");

    Set_Font_Style_Outline(5, 1, 1, 1);
    Set_Alias_Color(25);
    Set_Outline_Color(239);
    Print_Centered(160, 12, plane == 0 ? "Duravav Plane" : "Dudaze Plane");

    for (int16_t n = 0; n < NUM_NODES; n++) {
        const Node_Record &node = _NODES[n];
        if (node.wp == plane && Check_Square_Explored(node.wx, node.wy, plane) != 0) Marker(node.wx, node.wy, 7);
    }
    for (int16_t l = 0; l < NUM_LAIRS; l++) {
        const Lair_Record &lair = _LAIRS[l];
        if (lair.wp == plane && lair.Intact == 1 && Check_Square_Explored(lair.wx, lair.wy, plane) != 0)
            Marker(lair.wx, lair.wy, 7);
    }
    for (int16_t t = 0; t < NUM_TOWERS; t++) {
        const Tower_Record &tower = _TOWERS[t];
        if (Check_Square_Explored(tower.wx, tower.wy, plane) != 0) Marker(tower.wx, tower.wy, 140);
    }
    for (int16_t u = 0; u < _units && u < UNIT_TABLE_CAPACITY; u++) {
        if (!Cartograph_Unit_Shown(u, plane, _current_player_idx)) continue;
        Marker(_UNITS[u].wx, _UNITS[u].wy, Cartograph_Banner_Color(_UNITS[u].owner_idx));
    }
    for (int16_t c = 0; c < _cities && c < NUM_CITIES; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wp != plane || Check_Square_Explored(city.wx, city.wy, plane) == 0) continue;
        int16_t x = (int16_t)(m_cartograph_x + 4 * city.wx), y = (int16_t)(m_cartograph_y + 4 * city.wy);
        Fill((int16_t)(x + 1), (int16_t)(y + 1), (int16_t)(x + 3), (int16_t)(y + 3), 1);
        uint8_t color = city.owner_idx == NEUTRAL_PLAYER_IDX ? (uint8_t)16 : Cartograph_Banner_Color(city.owner_idx);
        Fill(x, y, (int16_t)(x + 2), (int16_t)(y + 2), color);
    }
    if (plane == 0) {
        Copy_Off_To_Back();
    } else {
        Copy_Off_To_Page4();
    }
}

void Cartographer_Screen_Draw(void)
{
    Reset_Window();
    if (m_cartograph_plane == 0) {
        Copy_Back_To_Off();
    } else {
        Copy_Page4_To_Off();
    }
    int16_t px = Pointer_X(), py = Pointer_Y();
    if (px < 16 || px > 256 || py < 27 || py > 187) return;
    int16_t wx = (int16_t)((px - 16) / 4), wy = (int16_t)((py - 27) / 4);
    int16_t city_idx = Cartograph_City_At(wx, wy, m_cartograph_plane);
    if (city_idx < 0) return;
    const City_Record &city = _CITIES[city_idx];
    uint8_t colors[16];
    memset(colors, Cartograph_Banner_Color(city.owner_idx), sizeof colors);
    colors[0] = 1;
    Set_Font_Colors_15(0, colors);
    Set_Font_Style_Outline(0, 15, 15, 15);
    Set_Outline_Color(1);
    char name[24] = {};
    memcpy(name, city.name, sizeof city.name < sizeof name ? sizeof city.name : sizeof name - 1);
    Print_Centered((int16_t)(16 + 4 * wx + 2), (int16_t)(27 + 4 * wy - 6), name);
}

void Cartographer_Screen(void)
{
    Assign_Auto_Function(Cartographer_Screen_Draw, 1);
    Deactivate_Help_List();
    m_cartograph_plane = _map_plane == 1 ? (int16_t)1 : (int16_t)0;
    m_cartograph_x = 16;
    m_cartograph_y = 27;
    Set_Cartographer_Screen_Help_List();
    Cartograph_Screen_Draw_Map(0);
    Cartograph_Screen_Draw_Map(1);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Cartographer_Screen: plane %d", (int)m_cartograph_plane);
    int frames = 0;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        Clear_Fields();
        int16_t toggle = Add_Hidden_Field(285, 180, 314, 199, "N", -1);
        int16_t close = Add_Hidden_Field(265, 143, 299, 169, "C", -1);
        int16_t esc = Add_Hot_Key("\x1B");
        int16_t grid_x = 0, grid_y = 0;
        int16_t grid = Add_Grid_Field(m_cartograph_x, m_cartograph_y, 4, 4, 60, 40, &grid_x, &grid_y, -1);
        int16_t hit = Get_Input();
        if (quit_game_flag != 0) {
            leave = true;
        } else if (hit != 0 && hit == toggle) {
            Play_Left_Click();
            m_cartograph_plane = (int16_t)(1 - m_cartograph_plane);
        } else if (hit != 0 && (hit == close || hit == esc)) {
            Play_Left_Click();
            leave = true;
        } else if (hit != 0 && hit == grid) {
            _map_plane = m_cartograph_plane;
            _unit_stack_count = 0;
            Center_Map(&_map_x, &_map_y, grid_x, grid_y, _map_plane);
            Set_Draw_Active_Stack_Always();
            Set_Unit_Draw_Priority();
            Reset_Stack_Draw_Priority();
            Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
            Reset_Map_Draw();
            STU_LOG(SEV_INFO, LC_KEL_SCR, "Cartographer_Screen: map moved to %d,%d plane %d", (int)grid_x, (int)grid_y,
                    (int)_map_plane);
            leave = true;
        }
        if (!leave) {
            Cartographer_Screen_Draw();
            Toggle_Pages();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) leave = true;
        }
    }
    Deactivate_Auto_Function();
    Deactivate_Help_List();
    Reset_Window();
    Clear_Fields();
    _page_flip_effect = 2;
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Cartographer_Screen: closed");
}
