// The overland target screen: the main map with the casting panel, a pointer that tells a valid
// target in every map cell, and the main screen's scrolling, reduced map, plane button and city and
// stack views while the human chooses.
#include <cstdio>
#include <cstring>

#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "Mouse.h"
#include "Paragraph.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "cities/screens/City_Screen.h"
#include "cities/screens/Outpost_Screen.h"
#include "magic/Spell_Casting_Screen.h"
#include "overland/Game_Resources.h"
#include "overland/Main_Screen.h"
#include "overland/Plane_Button.h"
#include "overland/Unit_View.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"
#include "shell/Reduced_Map.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"

namespace {

constexpr int16_t REDUCED_X = 251;
constexpr int16_t REDUCED_Y = 21;
constexpr int16_t REDUCED_WIDTH = 58;
constexpr int16_t REDUCED_HEIGHT = 30;
constexpr int16_t NO_FIELD = -1000;
constexpr int16_t POINTER_PLAIN = 1;
constexpr int16_t POINTER_NO_TARGET = 3;
constexpr int16_t TITLE_BYTES = 100;

int16_t m_map_grid_field = NO_FIELD;
int16_t m_reduced_grid_field = NO_FIELD;
int16_t _osc_cancel_button_field = NO_FIELD;
int16_t m_grid_x = 0;
int16_t m_grid_y = 0;
int16_t m_reduced_x = 0;
int16_t m_reduced_y = 0;
char _osc_panel_title[TITLE_BYTES];
Mouse_List_Entry _scastscr_mouse_list[1 + MAP_VIEW_ENTITIES];

void Spell_Casting_Screen_Assign_Mouse_Images(void)
{
    if (_osc_spell_target_type == stk_Magic_Node) Add_Nodes_To_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
    _scastscr_mouse_list[0] = Mouse_List_Entry{POINTER_PLAIN, 0, 0, 0, 319, 199};
    const int16_t target_image = Spell_Casting_Next_Target_Image();
    for (int16_t row = 0; row < MAP_VIEW_ROWS; row++) {
        for (int16_t column = 0; column < MAP_VIEW_COLUMNS; column++) {
            const int16_t cell = (int16_t)(row * MAP_VIEW_COLUMNS + column);
            const int16_t entity = entities_on_movement_map[cell];
            const int16_t image =
                Spell_Casting_Cell_Is_Target(_osc_spell_target_type, column, row, entity, _current_player_idx)
                    ? target_image
                    : POINTER_NO_TARGET;
            const int16_t x1 = (int16_t)(MAP_VIEW_SCREEN_X + column * MAP_VIEW_SQUARE_WIDTH);
            const int16_t y1 = (int16_t)(MAP_VIEW_SCREEN_Y + row * MAP_VIEW_SQUARE_HEIGHT);
            _scastscr_mouse_list[1 + cell] = Mouse_List_Entry{image,
                                                              0,
                                                              x1,
                                                              y1,
                                                              (int16_t)(x1 + MAP_VIEW_SQUARE_WIDTH - 1),
                                                              (int16_t)(y1 + MAP_VIEW_SQUARE_HEIGHT - 1)};
        }
    }
    Set_Mouse_List((int16_t)(1 + MAP_VIEW_ENTITIES), _scastscr_mouse_list);
    if (_osc_spell_target_type == stk_Magic_Node) Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
}

void Spell_Casting_Screen_Draw_Panel(void)
{
    if (deselect_button_blockout != nullptr) FLIC_Draw(242, 173, deselect_button_blockout);
    if (cast_background != nullptr) FLIC_Draw(240, 76, cast_background);
    if (cast_button_border != nullptr) FLIC_Draw(240, 173, cast_button_border);
    uint8_t title_colours[16];
    memset(title_colours, 161, sizeof title_colours);
    title_colours[0] = 8;
    Set_Font_Colors_15(4, title_colours);
    Set_Font_Style_Shadow_Down(4, 15, 15, 15);
    Set_Outline_Color(148);
    Print_Centered(280, 80, "Casting");
    Set_Font_Style_Shadow_Down(1, 15, 15, 15);
    Set_Outline_Color(148);
    Print_Paragraph(249, 114, 60, _osc_panel_title, PARAGRAPH_LEFT);
}

void Spell_Casting_Screen_Draw(void)
{
    Reset_Window();
    Set_Page_Off();
    Draw_Maps(MAP_VIEW_SCREEN_X, MAP_VIEW_SCREEN_Y, MAP_VIEW_COLUMNS, MAP_VIEW_ROWS, &_map_x, &_map_y, _map_plane,
              _prev_world_x, _prev_world_y, _current_player_idx);
    if (main_background_seg != nullptr) FLIC_Draw(0, 0, main_background_seg);
    Draw_World_Window(REDUCED_X, REDUCED_Y, REDUCED_WIDTH, REDUCED_HEIGHT);
    Main_Screen_Draw_Unit_Action_Locked_Buttons();
    Main_Screen_Draw_Game_Buttons();
    Main_Screen_Draw_Status_Window();
    Spell_Casting_Screen_Draw_Panel();
    Spell_Casting_Screen_Assign_Mouse_Images();
    if (cast_cancel_button != nullptr) {
        Set_Animation_Frame(cast_cancel_button, 0);
        FLIC_Draw(263, 181, cast_cancel_button);
    }
}

void Spell_Casting_Screen_Allocate(void) { Allocate_Reduced_Map(); }

void Spell_Casting_Screen_Add_Fields(void)
{
    Add_Game_Button_Fields();
    m_map_grid_field = NO_FIELD;
    m_reduced_grid_field = NO_FIELD;
    if (_map_x == _prev_world_x && _map_y == _prev_world_y) {
        m_map_grid_field =
            Add_Grid_Field(MAP_VIEW_SCREEN_X, MAP_VIEW_SCREEN_Y, MAP_VIEW_SQUARE_WIDTH, MAP_VIEW_SQUARE_HEIGHT,
                           MAP_VIEW_COLUMNS, MAP_VIEW_ROWS, &m_grid_x, &m_grid_y, -1);
        m_reduced_grid_field =
            Add_Grid_Field(REDUCED_X, REDUCED_Y, 1, 1, REDUCED_WIDTH, REDUCED_HEIGHT, &m_reduced_x, &m_reduced_y, -1);
    }
    if (cast_cancel_button != nullptr) {
        _osc_cancel_button_field = Add_Button_Field(263, 181, "", cast_cancel_button, "C'", -1);
    } else {
        _osc_cancel_button_field = Add_Hidden_Field(263, 181, 311, 194, "C'", -1);
    }
}

// The screen as it is on entry, and again after a view or a list closed.
void Spell_Casting_Screen_Build(void)
{
    Spell_Casting_Screen_Allocate();
    Assign_Auto_Function(Spell_Casting_Screen_Draw, 1);
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
    Spell_Casting_Screen_Assign_Mouse_Images();
    Reset_Map_Draw();
    MainScr_Create_Reduced_Map_Picture();
    Set_Spell_Cast_Screen_Help_List();
}

void Rebuild_After_View(void)
{
    Deactivate_Help_List();
    Spell_Casting_Screen_Build();
}

}  // namespace

int16_t Spell_Casting_Screen(int16_t kind, int16_t *target, int16_t *wy, int16_t *wp, int16_t *screen_x,
                             int16_t *screen_y, const char *spell_name)
{
    _page_flip_effect = 0;
    _osc_spell_target_type = kind;
    _osc_spell_idx = _players[_current_player_idx].casting_spell_idx;
    int16_t result = 1;
    Reset_Spell_Casting_Map_Draw();
    Set_Draw_Active_Stack_Always();
    Set_Outline_Color(0);
    Build_Select_Target_String(kind, spell_name != nullptr ? spell_name : "", _osc_panel_title, TITLE_BYTES);
    Spell_Casting_Screen_Build();
    Set_Input_Delay(4);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Spell_Casting_Screen: kind %d for spell %d", (int)kind, (int)_osc_spell_idx);

    int frames = 0;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        Clear_Fields();
        Spell_Casting_Screen_Add_Fields();
        const int16_t hit = Get_Input();
        bool skip_draw = false;
        if (quit_game_flag) {
            result = 0;
            leave = true;
        } else if (hit == _osc_cancel_button_field) {
            Play_Left_Click();
            result = 0;
            leave = true;
        } else if (hit == _plane_button && hit > 0) {
            Do_Plane_Button__WIP(_current_player_idx, &_map_x, &_map_y, &_map_plane);
            Reset_Map_Draw();
            MainScr_Create_Reduced_Map_Picture();
            Assign_Auto_Function(Spell_Casting_Screen_Draw, 1);
            Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
            Spell_Casting_Screen_Assign_Mouse_Images();
        } else if (hit == m_map_grid_field && hit > 0) {
            const int16_t entity = entities_on_movement_map[m_grid_y * MAP_VIEW_COLUMNS + m_grid_x];
            if (entity >= 0 || kind == stk_Magic_Node) Play_Left_Click();
            int16_t unit_idx = -1;
            const int16_t click =
                Spell_Casting_Left_Click(kind, m_grid_x, m_grid_y, entity, _current_player_idx, &unit_idx);
            if (click == stc_Chosen) {
                leave = true;
            } else if (click == stc_Pick_Unit) {
                const int16_t picked =
                    Unit_List_Window(unit_idx, 1, (int16_t)(m_grid_x * MAP_VIEW_SQUARE_WIDTH),
                                     (int16_t)(m_grid_y * MAP_VIEW_SQUARE_HEIGHT + MAP_VIEW_SCREEN_Y));
                if (picked >= 0) {
                    Set_Spell_Casting_Map_Draw_WX_1(picked);
                    leave = true;
                } else {
                    Reset_Spell_Casting_Map_Draw();
                    Rebuild_After_View();
                }
            }
        } else if ((hit == m_reduced_grid_field || hit == -m_reduced_grid_field) && m_reduced_grid_field > 0) {
            int16_t left = 0, top = 0;
            Reduced_Map_Coords(&left, &top, (int16_t)((_map_x + 6) % WORLD_WIDTH), (int16_t)(_map_y + 5), REDUCED_WIDTH,
                               REDUCED_HEIGHT);
            const int16_t wx = (int16_t)((left + m_reduced_x) % WORLD_WIDTH);
            const int16_t wy = (int16_t)(top + m_reduced_y);
            _prev_world_x = wx;
            _prev_world_y = wy;
            Center_Map(&_map_x, &_map_y, wx, wy, _map_plane);
            _prev_world_x = _map_x;
            _prev_world_y = _map_y;
            MainScr_Create_Reduced_Map_Picture();
            Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
            Spell_Casting_Screen_Assign_Mouse_Images();
            Reset_Map_Draw();
            skip_draw = true;
        } else if (hit == -m_map_grid_field && m_map_grid_field > 0) {
            const int16_t entity = entities_on_movement_map[m_grid_y * MAP_VIEW_COLUMNS + m_grid_x];
            int16_t index = -1;
            const int16_t view = Spell_Casting_Right_Click_View(kind, entity, _current_player_idx, &index);
            if (entity < 0) {
                _prev_world_x = (int16_t)(_prev_world_x + m_grid_x - 6);
                _prev_world_y = (int16_t)(_prev_world_y + m_grid_y - 5);
                Clamp_Map_Window_Position();
            } else if (view == stv_City) {
                Deactivate_Auto_Function();
                _city_idx = index;
                Enemy_City_Screen();
                Rebuild_After_View();
            } else if (view == stv_Units) {
                Deactivate_Auto_Function();
                Unit_List_Window(index, 0, (int16_t)(m_grid_x * MAP_VIEW_SQUARE_WIDTH),
                                 (int16_t)(m_grid_y * MAP_VIEW_SQUARE_HEIGHT + MAP_VIEW_SCREEN_Y));
                Rebuild_After_View();
            }
        }
        if (!leave && !skip_draw) {
            Spell_Casting_Screen_Draw();
            PageFlip_FX();
            Release_Time(1);
        }
        if (!leave && Unattended_Frame_Done(&frames)) {
            result = 0;
            leave = true;
        }
    }
    if (result == 0) Reset_Spell_Casting_Map_Draw();
    Set_Mouse_List(1, mouse_list_default);
    Deactivate_Help_List();
    Deactivate_Auto_Function();
    Clear_Fields();
    Reset_Window();
    Reset_Map_Draw();
    Reset_Draw_Active_Stack();
    *target = _osc_wx;
    *wy = _osc_wy;
    *wp = _osc_wp;
    *screen_x = (int16_t)(_osc_main_map_grid_x * MAP_VIEW_SQUARE_WIDTH);
    *screen_y = (int16_t)(_osc_main_map_grid_y * MAP_VIEW_SQUARE_HEIGHT + MAP_VIEW_SCREEN_Y);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Spell_Casting_Screen: result %d target (%d,%d,%d)", (int)result, (int)_osc_wx,
            (int)_osc_wy, (int)_osc_wp);
    return result;
}
