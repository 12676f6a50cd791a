#include "overland/Main_Screen.h"

#include <cstdio>

#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Help.h"
#include "Input.h"
#include "Mouse.h"
#include "Palette.h"
#include "Release.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "cities/screens/City_Naming.h"
#include "cities/screens/City_Screen.h"
#include "cities/screens/Outpost_Screen.h"
#include "info/screens/Advisor_Screen.h"
#include "overland/Game_Resources.h"
#include "overland/Plane_Button.h"
#include "overland/Stack_Orders.h"
#include "overland/Stack_Selection.h"
#include "overland/Unit_View.h"
#include "random.h"
#include "sdl2_PFL.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"
#include "shell/Reduced_Map.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/City_Record.h"
#include "world/Game_Settings.h"
#include "world/LOADSAVE.h"
#include "world/Player_Record.h"
#include "world/Spell_Ids.h"
#include "world/Stack_Movement.h"
#include "world/Stack_Orders.h"
#include "world/Unit_Order_Rules.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"
#include "world/Wizard_Economy.h"

int16_t _given_chance_to_rename_home_city = 0;
int16_t _unit_window_start_x = 247;
int16_t _unit_window_start_y = 79;

int16_t _main_map_grid_field = -1000;
int16_t _minimap_grid_field = -1000;
int16_t _next_turn_button = -1000;
int16_t _special_button = -1000;
int16_t _patrol_button = -1000;
int16_t _wait_button = -1000;
int16_t _done_button = -1000;
int16_t _game_button = -1000;
int16_t _spells_button = -1000;
int16_t _armies_button = -1000;
int16_t _cities_button = -1000;
int16_t _magic_button = -1000;
int16_t _info_button = -1000;
int16_t _plane_button = -1000;
int16_t g_unit_window_fields[9];
int16_t _main_map_grid_x = 0;
int16_t _main_map_grid_y = 0;
int16_t _minimap_grid_x = 0;
int16_t _minimap_grid_y = 0;

int16_t DBG_Alt_A_State = 0;
int16_t DBG_Alt_K_State = 0;
int16_t DBG_Alt_T_State = 0;
int16_t dbg_show_square_info = 0;

namespace {

constexpr int16_t NO_FIELD = -1000;
constexpr int GS_STRATEGIC_COMBAT_ONLY = 10;
constexpr int GS_END_OF_TURN_WAIT = 9;

// The extra keys of one pass.
struct Main_Screen_Keys {
    int16_t advisor[9];
    int16_t alt_a, alt_p, alt_k, alt_t, alt_n;
    int16_t quick_save;
    int16_t centre;
    int16_t deselect_q, deselect_u;
    int16_t direction[12];
};
// Keypad direction of each direction key, in the order of Main_Screen_Keys::direction.
const int16_t direction_of_key[12] = {7, 8, 9, 4, 6, 1, 2, 3, 7, 9, 1, 3};
const char direction_key_text[12][2] = {
    {(char)KEY_HOME, 0},      {(char)KEY_UP, 0},         {25, 0}, {(char)KEY_LEFT, 0},    {(char)KEY_RIGHT, 0},
    {(char)KEY_END, 0},       {(char)KEY_DOWN, 0},       {29, 0}, {(char)KEY_UP_LEFT, 0}, {(char)KEY_UP_RIGHT, 0},
    {(char)KEY_DOWN_LEFT, 0}, {(char)KEY_DOWN_RIGHT, 0},
};

Main_Screen_Keys m_keys;
// Passes without input of an unattended headless run, across visits of the screen.
int m_unattended_passes = 0;

void Add_Main_Screen_Keys(void)
{
    static const char f_keys[9][2] = {{14, 0}, {15, 0}, {16, 0}, {17, 0}, {18, 0}, {19, 0}, {20, 0}, {21, 0}, {22, 0}};
    for (int i = 0; i < 9; ++i) m_keys.advisor[i] = Add_Hot_Key(f_keys[i]);
    m_keys.alt_a = Add_Multi_Hot_Key_Field("A");
    m_keys.alt_p = Add_Multi_Hot_Key_Field("P");
    m_keys.alt_k = Add_Multi_Hot_Key_Field("K");
    m_keys.alt_t = Add_Multi_Hot_Key_Field("T");
    m_keys.alt_n = Add_Multi_Hot_Key_Field("N");
    static const char f10[2] = {(char)KEY_F10, 0};
    m_keys.quick_save = Add_Hot_Key(f10);
    m_keys.centre = Add_Hot_Key("C");
    m_keys.deselect_q = Add_Hot_Key("Q");
    m_keys.deselect_u = Add_Hot_Key("U");
    for (int i = 0; i < 12; ++i) m_keys.direction[i] = Add_Hot_Key(direction_key_text[i]);
}

bool Hit(int16_t input, int16_t field) { return field != NO_FIELD && field > 0 && input == field; }

void Refresh_Entities(void)
{
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
}

// After a pop-up that used the screen arena and the help list.
void Refresh_After_Popup(void)
{
    Assign_Auto_Function(Main_Screen_Draw, 1);
    Allocate_Reduced_Map();
    Set_Mouse_List_Default();
    Reset_Map_Draw();
    MainScr_Create_Reduced_Map_Picture();
    Set_Main_Screen_Help_List();
}

// Done, Patrol, Wait and purify: the order, the next idle stack and the refresh.
void Stack_Order_Button(int16_t action, int16_t *no_redraw)
{
    Play_Left_Click();
    Reset_Draw_Active_Stack();
    Stack_Action(_current_player_idx, &_map_x, &_map_y, &_map_plane, action, 0, 0);
    WIZ_NextIdleStack(_current_player_idx, &_map_x, &_map_y, &_map_plane);
    Main_Screen_Reset();
    if (all_units_moved == 1) {
        *no_redraw = 1;
        Refresh_Entities();
    }
}

void Select_Stack_At_Remembered_Square(int16_t x, int16_t y)
{
    Select_Unit_Stack(_current_player_idx, &_map_x, &_map_y, _map_plane, x, y);
}

void Assign_Unit(int16_t unit_idx)
{
    STU_LOG(SEV_INFO, LC_GENERAL, "[_unit ASSIGN] %d -> %d", (int)_unit, (int)unit_idx);
    _unit = unit_idx;
}

}  // namespace

int16_t Main_Screen_Banished_Turns(int16_t cost_left, int16_t casting_skill)
{
    if (casting_skill <= 0) return cost_left;
    return (int16_t)(cost_left / casting_skill);
}

void Unit_Window_Picture_Coords(int16_t i, int16_t *x1, int16_t *y1, int16_t *x2, int16_t *y2)
{
    *x1 = (int16_t)(_unit_window_start_x + (i % 3) * 23);
    *y1 = (int16_t)(_unit_window_start_y + (i / 3) * 29);
    *x2 = (int16_t)(*x1 + 22);
    *y2 = (int16_t)(*y1 + 28);
}

void Set_Mouse_List_Default(void) { Set_Mouse_List(1, mouse_list_default); }

void Main_Screen_Reset(void)
{
    Allocate_Reduced_Map();
    Deactivate_Auto_Function();
    Clear_Fields();
    Reset_Draw_Active_Stack();
    Refresh_Entities();
    Set_Mouse_List_Default();
    MainScr_Create_Reduced_Map_Picture();
    Assign_Auto_Function(Main_Screen_Draw, 1);
    Reset_Map_Draw();
    Set_Main_Screen_Help_List();
}

void Main_Unit_Statistics_Window(int16_t unit_idx, int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    Set_Mouse_List_Default();
    Load_Battle_Unit(unit_idx, global_battle_unit);
    Overland_Unit_Statistics_Window(31, 6, x1, y1, x2, y2, 1, unit_idx);
}

void Add_Unit_Window_Fields(void)
{
    for (int16_t i = 0; i < 9; ++i) g_unit_window_fields[i] = NO_FIELD;
    for (int16_t i = 0; i < _unit_stack_count && i < MAX_STACK; ++i) {
        int16_t x1, y1, x2, y2;
        Unit_Window_Picture_Coords(i, &x1, &y1, &x2, &y2);
        g_unit_window_fields[i] =
            Add_Hidden_Field((int16_t)(x1 - 1), (int16_t)(y1 - 1), (int16_t)(x2 - 2), (int16_t)(y2 - 2), "", -1);
    }
}

void Add_Game_Button_Fields(void)
{
    _game_button = Add_Button_Field(7, 4, "", main_game_button, "G", -1);
    _spells_button = Add_Button_Field(47, 4, "", main_spells_button, "S", -1);
    _armies_button = Add_Button_Field(89, 4, "", main_armies_button, "A", -1);
    _cities_button = Add_Button_Field(140, 4, "", main_cities_button, "", -1);
    _magic_button = Add_Button_Field(184, 4, "", main_magic_button, "M", -1);
    _info_button = Add_Button_Field(226, 4, "", main_info_button, "I", -1);
    _plane_button = Add_Button_Field(270, 4, "", main_plane_button, "P", -1);
}

void Add_Unit_Action_Fields(void)
{
    if (_unit_stack_count > 0) {
        _done_button = Add_Button_Field(246, 176, "", main_done_button, "D", -1);
        _patrol_button = Add_Button_Field(280, 176, "", main_patrol_button, "", -1);
        _wait_button = Add_Button_Field(246, 186, "", main_wait_button, "W", -1);
        if (special_action_flag == 0 || special_action_flag == 1) {
            _special_button = Add_Button_Field(280, 186, "", main_build_button, "B", -1);
        } else if (special_action_flag == 2) {
            _special_button = Add_Button_Field(280, 186, "", main_purify_button, "", -1);
        } else if (special_action_flag == 9) {
            _special_button = Add_Button_Field(280, 186, "", main_meld_button, "", -1);
        }
    } else if (all_units_moved == 0) {
        _wait_button = Add_Button_Field(246, 186, "", main_wait_button, "W", -1);
    }
}

void Main_Screen_Add_Fields(void)
{
    _main_map_grid_field = _minimap_grid_field = _next_turn_button = NO_FIELD;
    _special_button = _patrol_button = _wait_button = _done_button = NO_FIELD;
    _game_button = _spells_button = _armies_button = _cities_button = NO_FIELD;
    _magic_button = _info_button = _plane_button = NO_FIELD;
    for (int16_t i = 0; i < 9; ++i) g_unit_window_fields[i] = NO_FIELD;
    if (_unit_stack_count > 0) Add_Unit_Window_Fields();
    if (all_units_moved == 1) _next_turn_button = Add_Hidden_Field(248, 175, 313, 199, "N", -1);
    if (_map_x == _prev_world_x && _map_y == _prev_world_y) {
        _main_map_grid_field =
            Add_Grid_Field(0, 20, 20, 18, MAP_VIEW_COLUMNS, MAP_VIEW_ROWS, &_main_map_grid_x, &_main_map_grid_y, -1);
        _minimap_grid_field = Add_Grid_Field(REDUCED_MAP_X, REDUCED_MAP_Y, 1, 1, REDUCED_MAP_WIDTH, REDUCED_MAP_HEIGHT,
                                             &_minimap_grid_x, &_minimap_grid_y, -1);
    }
    Add_Game_Button_Fields();
    Add_Unit_Action_Fields();
}

namespace {

// One pass of the screen's loop: its input and what its handlers decided.
struct Main_Screen_Pass {
    int16_t input;
    int16_t field;  // the input without the right button's sign
    bool right;
    int16_t leave;
    int16_t no_redraw;
};

// What one visit of the screen keeps from pass to pass.
struct Main_Screen_Visit {
    int16_t declined_starvation;
    int16_t remembered_x, remembered_y;
    int16_t auto_turn_counter;
};
Main_Screen_Visit m_visit;

void Open_Advisor(Main_Screen_Pass &, int16_t advisor)
{
    Advisor_Screen(advisor);
    Assign_Auto_Function(Main_Screen_Draw, 1);
    Main_Screen_Reset();
}

void Toggle_Auto_Turns(Main_Screen_Pass &, int16_t)
{
    if (Check_Release_Version() == 0) DBG_Alt_A_State = (int16_t)!DBG_Alt_A_State;
}

void Shuffle_Personalities(Main_Screen_Pass &, int16_t)
{
    for (int16_t p = 1; p < _num_players && p < NUM_PLAYERS; ++p) _players[p].Personality = (int16_t)(RANDOM(6) - 1);
}

void Toggle_Strategic_Combat(Main_Screen_Pass &, int16_t)
{
    if (Check_Release_Version() != 0) return;
    magic_set.words[GS_STRATEGIC_COMBAT_ONLY] = (uint16_t)!magic_set.words[GS_STRATEGIC_COMBAT_ONLY];
    DBG_Alt_K_State = (int16_t)!DBG_Alt_K_State;
}

void Toggle_Alt_T(Main_Screen_Pass &, int16_t)
{
    if (Check_Release_Version() == 0) DBG_Alt_T_State = (int16_t)!DBG_Alt_T_State;
}

void Toggle_Square_Info(Main_Screen_Pass &, int16_t)
{
    if (Check_Release_Version() == 0) dbg_show_square_info = (int16_t)!dbg_show_square_info;
}

void Quick_Save(Main_Screen_Pass &, int16_t) { Save_SAVE_GAM(8); }

void Centre_On_Stack(Main_Screen_Pass &, int16_t)
{
    if (_unit_stack_count <= 0) return;
    const Unit_Record &first = _UNITS[_unit_stack[0].unit_idx];
    _map_plane = first.wp;
    Center_Map(&_map_x, &_map_y, first.wx, first.wy, _map_plane);
    MainScr_Create_Reduced_Map_Picture();
    Set_Mouse_List_Default();
    Reset_Map_Draw();
}

void Deselect_Stack(Main_Screen_Pass &pass, int16_t)
{
    _unit_stack_count = 0;
    Set_Draw_Active_Stack_Always();
    Refresh_Entities();
    Reset_Map_Draw();
    pass.no_redraw = 1;
}

void Go_To_Screen(Main_Screen_Pass &pass, int16_t screen)
{
    Play_Left_Click();
    current_screen = screen;
    pass.leave = 1;
}

void Open_Spellbook(Main_Screen_Pass &pass, int16_t)
{
    Play_Left_Click();
    const Player_Record &human = _players[0];
    if (human.casting_spell_idx == spl_Spell_Of_Return) {
        char text[200];
        snprintf(text, sizeof text,
                 "You may not throw any spells while you are banished.  There are at least %d turns "
                 "remaining until you may return.",
                 (int)Main_Screen_Banished_Turns(human.casting_cost_remaining, human.Nominal_Skill));
        Warn0(text);
    } else {
        Set_Draw_Active_Stack_Always();
        Refresh_Entities();
        current_screen = scr_Spellbook_Screen;
        pass.leave = 1;
    }
}

void Stack_Order(Main_Screen_Pass &pass, int16_t action) { Stack_Order_Button(action, &pass.no_redraw); }

void Special_Action(Main_Screen_Pass &pass, int16_t)
{
    Play_Left_Click();
    switch (special_action_flag) {
    case 0:
        current_screen = scr_Road_Build;
        pass.leave = 1;
        break;
    case 1:
        if (Active_Army_Do_Settle() == 1) {
            Select_Stack_At_Remembered_Square(m_visit.remembered_x, m_visit.remembered_y);
            WIZ_NextIdleStack(_current_player_idx, &_map_x, &_map_y, &_map_plane);
            Main_Screen_Reset();
            pass.no_redraw = 1;
        }
        Assign_Auto_Function(Main_Screen_Draw, 1);
        break;
    case 2:
        Stack_Action(_current_player_idx, &_map_x, &_map_y, &_map_plane, 8, 0, 0);
        WIZ_NextIdleStack(_current_player_idx, &_map_x, &_map_y, &_map_plane);
        Main_Screen_Reset();
        if (all_units_moved == 1) pass.no_redraw = 1;
        break;
    case 9:
        Active_Army_Do_Meld();
        Select_Stack_At_Remembered_Square(m_visit.remembered_x, m_visit.remembered_y);
        WIZ_NextIdleStack(_current_player_idx, &_map_x, &_map_y, &_map_plane);
        Main_Screen_Reset();
        break;
    default: break;
    }
}

void Wait_Button(Main_Screen_Pass &pass, int16_t)
{
    if (_unit_stack_count > 0) {
        Stack_Order_Button(5, &pass.no_redraw);
    } else {
        Play_Left_Click();
        WIZ_NextIdleStack(_current_player_idx, &_map_x, &_map_y, &_map_plane);
        Main_Screen_Reset();
    }
}

void Plane_Button(Main_Screen_Pass &, int16_t)
{
    Play_Left_Click();
    Do_Plane_Button__WIP(_current_player_idx, &_map_x, &_map_y, &_map_plane);
    Main_Screen_Reset();
    Reset_Map_Draw();
    MainScr_Create_Reduced_Map_Picture();
    Assign_Auto_Function(Main_Screen_Draw, 1);
    Set_Mouse_List_Default();
}

// Left: the unit joins or leaves the active stack; right: its statistics window.
void Unit_Window_Picture(Main_Screen_Pass &pass, int16_t i)
{
    if (!pass.right) {
        Play_Left_Click();
        Update_Stack_Active(i);
        Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
        return;
    }
    int16_t x1, y1, x2, y2;
    Unit_Window_Picture_Coords(i, &x1, &y1, &x2, &y2);
    Set_Draw_Active_Stack_Always();
    Refresh_Entities();
    Main_Screen_Draw();
    PageFlip_FX();
    Main_Unit_Statistics_Window(_unit_stack[i].unit_idx, x1, y1, (int16_t)(x1 + 18), (int16_t)(y1 + 18));
    Refresh_After_Popup();
    Reset_Draw_Active_Stack();
    Refresh_Entities();
    pass.no_redraw = 1;
}

// The next turn button, a time stop of another wizard, or every unit moved without the wait
// setting; starving units are first put to the player.
void Next_Turn(Main_Screen_Pass &pass, int16_t)
{
    int16_t timestop = g_timestop_player_num > 0 && g_timestop_player_num != _current_player_idx + 1;
    bool next_turn_hit = Hit(pass.input, _next_turn_button);
    if (!(next_turn_hit || timestop ||
          (all_units_moved == 1 && m_visit.declined_starvation == 0 && magic_set.words[GS_END_OF_TURN_WAIT] == 0 &&
           Any_Units_Not_Busy())))
        return;
    Play_Left_Click();
    int16_t gold = 0, food = 0, mana = 0;
    Player_Resource_Income_Total(0, &gold, &food, &mana);
    pass.no_redraw = 1;
    bool go = true;
    if (food < 0) {
        if (!next_turn_hit && m_visit.declined_starvation == 1) {
            go = false;
        } else if (!timestop && Confirmation_Box("Some units do not have enough food and will die unless you allocate "
                                                 "more farmers in a city.  Do you wish to allow them to die?") == 0) {
            m_visit.declined_starvation = 1;
            go = false;
        }
    }
    if (go) {
        current_screen = -1;
        Main_Screen_Draw();
        Clear_Fields();
        PageFlip_FX();
        current_screen = scr_Next_Turn;
        m_visit.declined_starvation = 0;
        pass.leave = 1;
    }
    Assign_Auto_Function(Main_Screen_Draw, 1);
}

void Move_By_Key(Main_Screen_Pass &pass, int16_t key)
{
    Move_Stack_DirKey(direction_of_key[key]);
    pass.no_redraw = 1;
}

// Left click on the map: the active stack goes there, or its path is confirmed or cancelled.
void Map_Left_Click(Main_Screen_Pass &pass, int16_t)
{
    if (_unit_stack_count <= 0) return;
    const int16_t first = _unit_stack[0].unit_idx;
    if (Stack_Moves_Active() < 1) {
        Stack_Action(_current_player_idx, &_map_x, &_map_y, &_map_plane, 3, (int16_t)((_map_x + _main_map_grid_x) % 60),
                     (int16_t)((_map_y + _main_map_grid_y) % 40));
        Set_Active_Stack_Movement_Path(first);
        if (_active_stack_path_length <= 0) Stack_Action(_current_player_idx, &_map_x, &_map_y, &_map_plane, 0, 0, 0);
        Set_Mouse_List_Default();
        Reset_Map_Draw();
    }
    if (_active_stack_has_path == 1) {
        const Unit_Record &unit = _UNITS[first];
        int16_t column = (int16_t)(unit.wx - _map_x);
        if (column < 0) column = (int16_t)(column + 60);
        int16_t row = (int16_t)(unit.wy - _map_y);
        if ((unit.wp == _map_plane || unit.in_tower == 1) && column == _main_map_grid_x && row == _main_map_grid_y) {
            Stack_Action(_current_player_idx, &_map_x, &_map_y, &_map_plane, 0, 0, 0);
            _active_stack_has_path = 0;
        }
    } else if (all_units_moved == 0) {
        int16_t tx = (int16_t)((_map_x + _main_map_grid_x) % 60);
        int16_t ty = (int16_t)(_map_y + _main_map_grid_y);
        if (EarthGateTeleport__WIP(tx, ty, _map_plane) == 0) {
            const Unit_Record &unit = _UNITS[first];
            if (unit.wp == _map_plane || unit.in_tower == 1) {
                Move_Stack(tx, ty, _current_player_idx, &_map_x, &_map_y, &_map_plane);
            } else {
                Warn0("The selected units cannot move on this plane.");
            }
        }
        Main_Screen_Reset();
        pass.no_redraw = 1;
    }
}

// Right click on a city of the map: the player's own opens (the city screen, or the outpost
// pop-up), another's shows the enemy city screen.
void Open_City_At(Main_Screen_Pass &pass, int16_t city_idx, int16_t cx, int16_t cy)
{
    _city_idx = city_idx;
    const City_Record &city = _CITIES[_city_idx];
    if (city.owner_idx != _current_player_idx) {
        Enemy_City_Screen();
        Refresh_After_Popup();
        return;
    }
    _page_flip_effect = 4;
    _page_flip_grow_out_x = cx;
    _page_flip_grow_out_y = cy;
    _page_flip_grow_out_frames = 8;
    if (city.size > 0) {
        current_screen = scr_City_Screen;
        pass.leave = 1;
    } else {
        Outpost_Screen(0);
        Refresh_After_Popup();
    }
}

// Right click on the map: an empty square moves the view, an own unit selects its stack, another
// unit lists its stack and a city opens.
void Map_Right_Click(Main_Screen_Pass &pass, int16_t)
{
    int16_t cell = (int16_t)(_main_map_grid_y * MAP_VIEW_COLUMNS + _main_map_grid_x);
    int16_t entity = entities_on_movement_map[cell];
    if (entity == -1) {
        _prev_world_x = (int16_t)(_prev_world_x + _main_map_grid_x - 6);
        _prev_world_y = (int16_t)(_prev_world_y + _main_map_grid_y - 5);
        Clamp_Map_Window_Position();
        return;
    }
    Play_Left_Click();
    int16_t e = entity < 0 ? (int16_t)-entity : entity;
    int16_t cx = (int16_t)(_main_map_grid_x * 20), cy = (int16_t)(_main_map_grid_y * 18 + 20);
    if (e < 1000 && e < _units && _UNITS[e].owner_idx == _current_player_idx) {
        Assign_Unit(e);
        m_visit.remembered_x = _UNITS[e].wx;
        m_visit.remembered_y = _UNITS[e].wy;
        _active_world_x = m_visit.remembered_x;
        _active_world_y = m_visit.remembered_y;
        Select_Unit_Stack(_current_player_idx, &_map_x, &_map_y, _map_plane, m_visit.remembered_x,
                          m_visit.remembered_y);
        all_units_moved = 0;
        Reset_Draw_Active_Stack();
        draw_active_stack_flag = 0;
        Refresh_Entities();
        Set_Mouse_List_Default();
        Reset_Map_Draw();
    } else if (e < 1000) {
        Unit_List_Window(e, 0, cx, cy);
        Refresh_After_Popup();
    } else if (e < 1100 && e - 1000 < _cities) {
        Open_City_At(pass, (int16_t)(e - 1000), cx, cy);
    }
    pass.no_redraw = 1;
}

void Reduced_Map_Click(Main_Screen_Pass &pass, int16_t)
{
    Play_Left_Click();
    int16_t left = 0, top = 0;
    Reduced_Map_Coords(&left, &top, (int16_t)((_map_x + 6) % 60), (int16_t)(_map_y + 5), REDUCED_MAP_WIDTH,
                       REDUCED_MAP_HEIGHT);
    int16_t tx = (int16_t)(left + _minimap_grid_x), ty = (int16_t)(top + _minimap_grid_y);
    _prev_world_x = _map_x = tx;
    _prev_world_y = _map_y = ty;
    Center_Map(&_map_x, &_map_y, tx, ty, _map_plane);
    MainScr_Create_Reduced_Map_Picture();
    Set_Mouse_List_Default();
    Reset_Map_Draw();
    pass.no_redraw = 1;
}

// How a row's fields take the pass's input.
enum Main_Screen_Match : uint8_t {
    MATCH_KEY,          // the input is the field (a key or a left click on a button)
    MATCH_UNIT_WINDOW,  // a click of either button on one of the stack's pictures
    MATCH_LEFT,         // a left click on the field
    MATCH_RIGHT,        // a right click on the field
    MATCH_CLICK,        // a click of either button on the field
    MATCH_EACH_PASS,    // every pass; the handler decides
};

// A row of the dispatch: `count` fields from `fields`; the handler gets `arg` plus the index of
// the field that matched. Rows marked `staying` are skipped once an earlier row left the screen.
struct Main_Screen_Handler {
    int16_t *fields;
    int16_t count;
    Main_Screen_Match match;
    bool staying;
    void (*handle)(Main_Screen_Pass &pass, int16_t arg);
    int16_t arg;
};

// In the order the rows are tried; every row is tried on every pass.
const Main_Screen_Handler main_screen_handlers[] = {
    {m_keys.advisor, 9, MATCH_KEY, false, Open_Advisor, 0},
    {&m_keys.alt_a, 1, MATCH_KEY, false, Toggle_Auto_Turns, 0},
    {&m_keys.alt_p, 1, MATCH_KEY, false, Shuffle_Personalities, 0},
    {&m_keys.alt_k, 1, MATCH_KEY, false, Toggle_Strategic_Combat, 0},
    {&m_keys.alt_t, 1, MATCH_KEY, false, Toggle_Alt_T, 0},
    {&m_keys.alt_n, 1, MATCH_KEY, false, Toggle_Square_Info, 0},
    {&m_keys.quick_save, 1, MATCH_KEY, false, Quick_Save, 0},
    {&m_keys.centre, 1, MATCH_KEY, false, Centre_On_Stack, 0},
    {&m_keys.deselect_q, 1, MATCH_KEY, false, Deselect_Stack, 0},
    {&m_keys.deselect_u, 1, MATCH_KEY, false, Deselect_Stack, 0},
    {&_info_button, 1, MATCH_KEY, false, Go_To_Screen, scr_Advisor_Screen},
    {&_game_button, 1, MATCH_KEY, false, Go_To_Screen, scr_Load_Screen},
    {&_cities_button, 1, MATCH_KEY, false, Go_To_Screen, scr_Cities_Screen},
    {&_magic_button, 1, MATCH_KEY, false, Go_To_Screen, scr_Magic_Screen},
    {&_armies_button, 1, MATCH_KEY, false, Go_To_Screen, scr_Armies_Screen},
    {&_spells_button, 1, MATCH_KEY, false, Open_Spellbook, 0},
    {&_patrol_button, 1, MATCH_KEY, false, Stack_Order, 1},
    {&_special_button, 1, MATCH_KEY, false, Special_Action, 0},
    {&_done_button, 1, MATCH_KEY, false, Stack_Order, 4},
    {&_wait_button, 1, MATCH_KEY, false, Wait_Button, 0},
    {&_plane_button, 1, MATCH_KEY, false, Plane_Button, 0},
    {g_unit_window_fields, MAX_STACK, MATCH_UNIT_WINDOW, false, Unit_Window_Picture, 0},
    {nullptr, 1, MATCH_EACH_PASS, true, Next_Turn, 0},
    {m_keys.direction, 12, MATCH_KEY, true, Move_By_Key, 0},
    {&_main_map_grid_field, 1, MATCH_LEFT, true, Map_Left_Click, 0},
    {&_main_map_grid_field, 1, MATCH_RIGHT, true, Map_Right_Click, 0},
    {&_minimap_grid_field, 1, MATCH_CLICK, true, Reduced_Map_Click, 0},
};

bool Matches(const Main_Screen_Handler &row, int16_t i, const Main_Screen_Pass &pass)
{
    const int16_t field = row.fields == nullptr ? 0 : row.fields[i];
    switch (row.match) {
    case MATCH_KEY: return Hit(pass.input, field);
    case MATCH_UNIT_WINDOW: return i < _unit_stack_count && field != NO_FIELD && pass.field == field;
    case MATCH_LEFT: return pass.field == field && pass.field > 0 && !pass.right;
    case MATCH_RIGHT: return pass.field == field && pass.field > 0 && pass.right;
    case MATCH_CLICK: return pass.field == field && pass.field > 0;
    case MATCH_EACH_PASS: return true;
    }
    return false;
}

void Dispatch_Input(Main_Screen_Pass &pass)
{
    for (const Main_Screen_Handler &row : main_screen_handlers) {
        for (int16_t i = 0; i < row.count; ++i) {
            if (row.staying && pass.leave != 0) break;
            if (!Matches(row, i, pass)) continue;
            row.handle(pass, (int16_t)(row.arg + i));
            // A stack's pictures take one click; only one of them can match.
            if (row.match == MATCH_UNIT_WINDOW) break;
        }
    }
}

// The end of a pass: the automatic turns of the debug key, a magic victory, the unattended
// headless run's idle limit and the redraw.
void End_Pass(Main_Screen_Pass &pass)
{
    if (pass.leave == 0 && DBG_Alt_A_State == 1 && pass.input == 0) {
        ++m_visit.auto_turn_counter;
        if (m_visit.auto_turn_counter >= 8) {
            current_screen = scr_Next_Turn;
            m_visit.auto_turn_counter = -1;
            pass.leave = 1;
        }
        char turn[16];
        snprintf(turn, sizeof turn, "turn %d", (int)_turn);
        ST_PSTRM(25, 0, turn);
    }
    if (pass.leave == 0 && magic_master_idx != -1) {
        current_screen = scr_Main_Menu_Screen;
        pass.leave = 1;
    }
    if (pass.leave == 0 && g_headless_unattended) {
        m_unattended_passes = pass.input != 0 ? 0 : m_unattended_passes + 1;
        if (m_unattended_passes >= HEADLESS_UNATTENDED_FRAMES) {
            STU_LOG(SEV_INFO, LC_KEL_SCR, "Main_Screen: unattended headless run; quitting");
            m_unattended_passes = 0;
            current_screen = scr_Quit_To_DOS;
            pass.leave = 1;
        }
    }
    if (pass.leave == 0 && pass.no_redraw == 0) {
        Main_Screen_Draw();
        if (_turn == 0 && _given_chance_to_rename_home_city == 0) {
            _given_chance_to_rename_home_city = 1;
            Change_Home_City_Name_Popup(0);
            Assign_Auto_Function(Main_Screen_Draw, 1);
        } else {
            _given_chance_to_rename_home_city = 1;
        }
        PageFlip_FX();
        Release_Time(1);
    }
}

}  // namespace

void Main_Screen(void)
{
    Main_Screen_Load_Pictures();
    Reset_Window();
    Clear_Fields();
    Allocate_Reduced_Map();
    Reset_Draw_Active_Stack();
    Set_Outline_Color(0);
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    Assign_Auto_Function(Main_Screen_Draw, 1);
    _unit_window_start_x = 247;
    _unit_window_start_y = 79;
    _move_stack_hook_called = 0;
    _stack_selection_changed = 1;
    Reset_Map_Draw();
    MainScr_Create_Reduced_Map_Picture();
    Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
    Set_Mouse_List_Default();
    Set_Unit_Action_Special();
    Set_Input_Delay(1);
    Reset_Cycle_Palette_Color();
    Set_Main_Screen_Help_List();
    Main_Screen_Draw();
    PageFlip_FX();

    m_visit = {0, 0, 0, -1};
    Main_Screen_Pass pass{};
    while (pass.leave == 0) {
        Mark_Time();
        Clear_Fields();
        Main_Screen_Add_Fields();
        Add_Main_Screen_Keys();
        int16_t input = Get_Input();
        if (quit_game_flag == 1) {
            current_screen = scr_Quit_To_DOS;
            break;
        }
        pass = {input, input < 0 ? (int16_t)-input : input, input < 0, 0, 0};
        Dispatch_Input(pass);
        End_Pass(pass);
    }
    Leave_Screen();
}
