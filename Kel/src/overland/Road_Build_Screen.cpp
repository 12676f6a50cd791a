#include "overland/Road_Build_Screen.h"

#include <cstdio>

#include "Animation.h"
#include "Fields.h"
#include "Fonts.h"
#include "GENDRAW.h"
#include "Geometry.h"
#include "Help.h"
#include "Input.h"
#include "Mouse.h"
#include "Paragraph.h"
#include "SOUND.h"
#include "STU_Log.h"
#include "Video.h"
#include "overland/Game_Resources.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"
#include "shell/Reduced_Map.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Movement_Modes.h"
#include "world/Square_Queries.h"
#include "world/Stack_Movement.h"
#include "world/Stack_Orders.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t MAP_GRID_X = 0;
constexpr int16_t MAP_GRID_Y = 20;
constexpr int16_t MAP_CELL_WIDTH = 20;
constexpr int16_t MAP_CELL_HEIGHT = 18;
constexpr int16_t MAP_COLUMNS = 12;
constexpr int16_t MAP_ROWS = 10;
constexpr int16_t REDUCED_X = 251;
constexpr int16_t REDUCED_Y = 21;
constexpr int16_t REDUCED_WIDTH = 58;
constexpr int16_t REDUCED_HEIGHT = 30;
constexpr int16_t NO_FIELD = -1000;
constexpr int LINE_BUFFER = 256;  // a straight line on the wrapping map is never longer

int16_t unit_wx, unit_wy;
int16_t m_construction_points;
int16_t m_road_builder_unit_idx = -1;
int16_t m_road_path_length;
int16_t m_road_dst_x, m_road_dst_y;
int16_t m_turns_to_build_road;
int16_t m_multi_colored_line_start;

int16_t m_map_grid_field = NO_FIELD;
int16_t m_reduced_grid_field = NO_FIELD;
int16_t m_cancel_button = NO_FIELD;
int16_t m_ok_button = NO_FIELD;
int16_t m_map_grid_x, m_map_grid_y;
int16_t m_reduced_grid_x, m_reduced_grid_y;

const Unit_Type_Record *Unit_Type_Of(int16_t unit_idx)
{
    uint8_t type = _UNITS[unit_idx].type;
    return type < NUM_UNIT_TYPES ? &_unit_type_table[type] : nullptr;
}

int16_t Unit_Construction(int16_t unit_idx)
{
    const Unit_Type_Record *type = Unit_Type_Of(unit_idx);
    return type != nullptr ? type->Construction : 0;
}

// The turns a square's road takes the builders: divided between their points, at least 1, when
// they have any; water stays negative.
int16_t Square_Road_Turns(int16_t wx, int16_t wy, int16_t wp)
{
    int16_t turns = Turns_To_Build_Road(wx, wy, wp);
    if (turns < 0 || m_construction_points <= 0) return turns;
    turns = (int16_t)(turns / m_construction_points);
    return turns < 1 ? 1 : turns;
}

int16_t Square_Column(int16_t wx)
{
    int16_t column = (int16_t)(wx - _map_x);
    if (column < -30) column = (int16_t)(column + WORLD_WIDTH);
    return column;
}

}  // namespace

int16_t Road_Build_Start(void)
{
    m_road_path_length = 0;
    m_turns_to_build_road = 0;
    m_multi_colored_line_start = 0;
    m_construction_points = 0;
    m_road_builder_unit_idx = -1;
    if (_unit_stack_count <= 0) return 0;
    const Unit_Record &first = _UNITS[_unit_stack[0].unit_idx];
    unit_wx = first.wx;
    unit_wy = first.wy;
    m_road_dst_x = unit_wx;
    m_road_dst_y = unit_wy;
    if (Square_Is_Sailable(unit_wx, unit_wy, first.wp)) return 0;
    int points = 0;
    for (int i = 0; i < _unit_stack_count && i < MAX_STACK; ++i) {
        int16_t unit_idx = _unit_stack[i].unit_idx;
        int16_t construction = Unit_Construction(unit_idx);
        if (construction <= 0) continue;
        points += construction + (Unit_Has_Endurance(unit_idx) ? 1 : 0);
        m_road_builder_unit_idx = unit_idx;
    }
    m_construction_points = (int16_t)points;
    m_turns_to_build_road = Square_Road_Turns(unit_wx, unit_wy, first.wp);
    return 1;
}

void Road_Build_Path(int16_t wx, int16_t wy)
{
    if (wx < 0 || wx >= WORLD_WIDTH || wy < 0 || wy >= WORLD_HEIGHT) return;
    if (_square_explored[World_Square_Index(wx, wy, _map_plane)] == 0) return;
    uint8_t xs[LINE_BUFFER], ys[LINE_BUFFER];
    int16_t length = Path_Wrap(unit_wx, unit_wy, wx, wy, xs, ys, LINE_BUFFER, WORLD_WIDTH);
    if (length < 0) length = 0;
    if (length > ROAD_BUILD_MAX_SQUARES) length = ROAD_BUILD_MAX_SQUARES;
    for (int16_t i = 0; i < length; ++i) {
        movepath_x_array[2 + i] = xs[i];
        movepath_y_array[2 + i] = ys[i];
    }
    int16_t square_turns[ROAD_BUILD_MAX_SQUARES];
    for (int16_t i = 0; i < length; ++i) square_turns[i] = Square_Road_Turns(xs[i], ys[i], _map_plane);
    int16_t total = Road_Build_Line_Turns(Square_Road_Turns(unit_wx, unit_wy, _map_plane), square_turns, &length);
    m_road_path_length = length;
    m_turns_to_build_road = total;
    m_road_dst_x = length > 0 ? xs[length - 1] : unit_wx;
    m_road_dst_y = length > 0 ? ys[length - 1] : unit_wy;
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Road_Build_Screen: line to (%d,%d) of %d squares, %d turns", (int)m_road_dst_x,
            (int)m_road_dst_y, (int)m_road_path_length, (int)m_turns_to_build_road);
}

int16_t Road_Build_Line_Turns(int16_t start_turns, const int16_t *square_turns, int16_t *length)
{
    if (start_turns < 0) {
        *length = 0;
        return ROAD_BUILD_BLOCKED;
    }
    int16_t total = start_turns;
    for (int16_t i = 0; i < *length; ++i) {
        int16_t turns = square_turns[i];
        if (turns < 0) {
            *length = (int16_t)(i + 1);
            return ROAD_BUILD_BLOCKED;
        }
        if (total + turns > ROAD_BUILD_MAX_TURNS) {
            *length = i;
            return total;
        }
        total = (int16_t)(total + turns);
    }
    return total;
}

Road_Build_Plan Road_Build_Current_Plan(void)
{
    return Road_Build_Plan{
        unit_wx,      unit_wy,      m_construction_points, m_road_builder_unit_idx, m_road_path_length,
        m_road_dst_x, m_road_dst_y, m_turns_to_build_road};
}

void Road_Build_Turns_Text(int16_t turns, char *text, int size)
{
    if (size <= 0) return;
    if (turns == ROAD_BUILD_BLOCKED) {
        snprintf(text, (size_t)size, "%s", "Blocked.  Roads can not be built across large bodies of water.");
    } else if (turns > 0) {
        snprintf(text, (size_t)size, "It will take %d turn%s to complete the construction of this road.", (int)turns,
                 turns > 1 ? "s" : "");
    } else {
        text[0] = '\0';
    }
}

void Active_Stack_Roadbuilders(int16_t *count, int16_t *list)
{
    int16_t n = 0;
    for (int i = 0; i < _unit_stack_count && i < MAX_STACK; ++i) {
        int16_t unit_idx = _unit_stack[i].unit_idx;
        if (_unit_stack[i].active == 1 && _UNITS[unit_idx].moves2 > 0 && Unit_Construction(unit_idx) > 0)
            list[n++] = unit_idx;
    }
    *count = n;
}

void Set_Army_Road_Building(int16_t count, const int16_t *list, int16_t wx, int16_t wy)
{
    if (count <= 0) return;
    const Unit_Record &first = _UNITS[list[0]];
    uint8_t xs[LINE_BUFFER], ys[LINE_BUFFER];
    int16_t length = Path_Wrap(first.wx, first.wy, wx, wy, xs, ys, LINE_BUFFER, WORLD_WIDTH);
    if (length > MOVEPATH_ARRAY_SIZE - 1) length = MOVEPATH_ARRAY_SIZE - 1;
    for (int16_t i = 0; i < length; ++i) {
        movepath_x_array[1 + i] = xs[i];
        movepath_y_array[1 + i] = ys[i];
    }
    if (Square_Is_Sailable(first.wx, first.wy, first.wp)) return;
    for (int16_t i = 0; i < count; ++i) {
        Unit_Record &unit = _UNITS[list[i]];
        unit.Status = us_GOTO;
        unit.dst_wx = (uint8_t)wx;
        unit.dst_wy = (uint8_t)wy;
        if (Unit_Construction(list[i]) <= 0) continue;
        int16_t turns = Square_Road_Turns(unit.wx, unit.wy, _map_plane);
        unit.Rd_Constr_Left = (int8_t)(turns < 0 ? 0 : turns);
        unit.Rd_From_X = unit.wx;
        unit.Rd_From_Y = unit.wy;
        unit.wp = (uint8_t)_map_plane;
    }
}

int16_t Road_Build_Moves2_Max(void)
{
    int16_t least = 0;
    for (int i = 0; i < _unit_stack_count && i < MAX_STACK; ++i) {
        if (_unit_stack[i].active != 1) continue;
        const Unit_Record &unit = _UNITS[_unit_stack[i].unit_idx];
        if (unit.Finished == 0) continue;
        if (least == 0 || unit.moves2_max < least) least = unit.moves2_max;
    }
    return least;
}

void Road_Build_Screen_Add_Fields(void)
{
    m_map_grid_field = NO_FIELD;
    m_reduced_grid_field = NO_FIELD;
    m_cancel_button = NO_FIELD;
    m_ok_button = NO_FIELD;
    if (_map_x == _prev_world_x && _map_y == _prev_world_y) {
        m_map_grid_field = Add_Grid_Field(MAP_GRID_X, MAP_GRID_Y, MAP_CELL_WIDTH, MAP_CELL_HEIGHT, MAP_COLUMNS,
                                          MAP_ROWS, &m_map_grid_x, &m_map_grid_y, -1);
        m_reduced_grid_field = Add_Grid_Field(REDUCED_X, REDUCED_Y, 1, 1, REDUCED_WIDTH, REDUCED_HEIGHT,
                                              &m_reduced_grid_x, &m_reduced_grid_y, -1);
    }
    if (cast_cancel_button != nullptr)
        m_cancel_button = Add_Button_Field(280, 181, "", cast_cancel_button, "C", -1);
    else
        m_cancel_button = Add_Hidden_Field(280, 181, 311, 194, "C", -1);
    if (road_ok_button != nullptr)
        m_ok_button = Add_Button_Field(246, 181, "", road_ok_button, "O", -1);
    else
        m_ok_button = Add_Hidden_Field(246, 181, 277, 194, "O", -1);
}

void Draw_Road_Building_Window(void)
{
    if (deselect_button_blockout != nullptr) FLIC_Draw(242, 173, deselect_button_blockout);
    if (road_background != nullptr) FLIC_Draw(240, 76, road_background);
    if (road_button_border != nullptr) FLIC_Draw(240, 173, road_button_border);
    static const uint8_t title_colours[16] = {8,   161, 161, 161, 161, 161, 161, 161,
                                              161, 161, 161, 161, 161, 161, 161, 161};
    Set_Font_Colors_15(4, title_colours);
    Set_Font_Style_Shadow_Down(4, 15, 15, 15);
    Set_Outline_Color(148);
    Print_Centered(280, 80, "Road");
    Print_Centered(280, 90, "Building");
    Set_Font_Style_Shadow_Down(1, 15, 15, 15);
    Set_Outline_Color(148);
    char text[100];
    Road_Build_Turns_Text(m_turns_to_build_road, text, (int)sizeof text);
    if (text[0] != '\0') Print_Paragraph(250, 106, 60, text, PARAGRAPH_LEFT);
}

void Draw_Road_Build_Path_Line(void)
{
    static const uint8_t planned[4] = {108, 109, 110, 111};
    static const uint8_t blocked[4] = {200, 201, 202, 203};
    const uint8_t *colours = m_turns_to_build_road == ROAD_BUILD_BLOCKED ? blocked : planned;
    Set_Window(MAP_GRID_X, MAP_GRID_Y, MAP_GRID_X + MAP_COLUMNS * MAP_CELL_WIDTH - 1, 199);
    int16_t x1 = (int16_t)(Square_Column(unit_wx) * MAP_CELL_WIDTH + MAP_CELL_WIDTH / 2);
    int16_t y1 = (int16_t)((unit_wy - _map_y) * MAP_CELL_HEIGHT + MAP_GRID_Y + MAP_CELL_HEIGHT / 2);
    for (int16_t i = 0; i < m_road_path_length; ++i) {
        int16_t x2 = (int16_t)(Square_Column(movepath_x_array[2 + i]) * MAP_CELL_WIDTH + MAP_CELL_WIDTH / 2);
        int16_t y2 = (int16_t)((movepath_y_array[2 + i] - _map_y) * MAP_CELL_HEIGHT + MAP_GRID_Y + MAP_CELL_HEIGHT / 2);
        Clipped_Multi_Colored_Line(x1, y1, x2, y2, colours, 4, m_multi_colored_line_start);
        x1 = x2;
        y1 = y2;
    }
    m_multi_colored_line_start = (int16_t)(m_multi_colored_line_start == 0 ? 3 : m_multi_colored_line_start - 1);
    Reset_Window();
}

void Road_Build_Screen_Draw(void)
{
    Reset_Window();
    Set_Page_Off();
    Reset_Map_Draw();
    Draw_Maps(MAP_GRID_X, MAP_GRID_Y, MAP_COLUMNS, MAP_ROWS, &_map_x, &_map_y, _map_plane, _prev_world_x, _prev_world_y,
              _current_player_idx);
    if (main_background_seg != nullptr) FLIC_Draw(0, 0, main_background_seg);
    Draw_World_Window(REDUCED_X, REDUCED_Y, REDUCED_WIDTH, REDUCED_HEIGHT);
    Main_Screen_Draw_Game_Buttons();
    Main_Screen_Draw_Status_Window();
    Draw_Road_Building_Window();
    Draw_Road_Build_Path_Line();
}

void Road_Build_Screen(void)
{
    if (!Road_Build_Start()) {
        // The screen that opened it must not be chosen again.
        current_screen = scr_Main_Screen;
        STU_LOG(SEV_INFO, LC_KEL_SCR, "Road_Build_Screen: no road can start on this square");
        return;
    }
    Reset_Draw_Active_Stack();
    Set_Outline_Color(0);
    Assign_Auto_Function(Road_Build_Screen_Draw, 1);
    Allocate_Reduced_Map();
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
    Reset_Map_Draw();
    MainScr_Create_Reduced_Map_Picture();
    Set_Road_Build_Screen_Help_List();
    Set_Input_Delay(1);
    STU_LOG(SEV_INFO, LC_KEL_SCR, "Road_Build_Screen: opened at (%d,%d) with %d construction points, %d turns",
            (int)unit_wx, (int)unit_wy, (int)m_construction_points, (int)m_turns_to_build_road);

    int frames = 0;
    bool leave = false;
    while (!leave) {
        Mark_Time();
        Clear_Fields();
        Road_Build_Screen_Add_Fields();
        int16_t hit = Get_Input();
        if (quit_game_flag) {
            current_screen = scr_Quit_To_DOS;
            leave = true;
        } else if (hit == m_cancel_button) {
            Play_Left_Click();
            current_screen = scr_Main_Screen;
            leave = true;
        } else if (hit == m_ok_button) {
            Play_Left_Click();
            if (m_turns_to_build_road > 0) {
                Clear_Fields();
                Deactivate_Auto_Function();
                int16_t count = 0;
                int16_t list[MAX_STACK];
                Active_Stack_Roadbuilders(&count, list);
                if (count > 0) {
                    Set_Army_Road_Building(count, list, m_road_dst_x, m_road_dst_y);
                    STU_LOG(SEV_INFO, LC_KEL_SCR, "Road_Build_Screen: %d builders ordered to (%d,%d)", (int)count,
                            (int)m_road_dst_x, (int)m_road_dst_y);
                    Stack_Move_To(_current_player_idx, list[0], m_road_dst_x, m_road_dst_y, &_map_x, &_map_y,
                                  _map_plane);
                    WIZ_NextIdleStack(_current_player_idx, &_map_x, &_map_y, &_map_plane);
                }
            }
            current_screen = scr_Main_Screen;
            leave = true;
        } else if (hit == m_map_grid_field && hit > 0) {
            Play_Left_Click();
            int16_t wx = Map_Wrap_X(m_map_grid_x + _map_x);
            int16_t wy = (int16_t)(m_map_grid_y + _map_y);
            Reset_Map_Draw();
            Road_Build_Path(wx, wy);
        } else if (hit == m_reduced_grid_field && hit > 0) {
            Play_Left_Click();
            int16_t left = 0, top = 0;
            Reduced_Map_Coords(&left, &top, (int16_t)((_map_x + 6) % WORLD_WIDTH), (int16_t)(_map_y + 5), REDUCED_WIDTH,
                               REDUCED_HEIGHT);
            int16_t wx = (int16_t)((left + m_reduced_grid_x) % WORLD_WIDTH);
            int16_t wy = (int16_t)(top + m_reduced_grid_y);
            _prev_world_x = wx;
            _prev_world_y = wy;
            Center_Map(&_map_x, &_map_y, wx, wy, _map_plane);
            _prev_world_x = _map_x;
            _prev_world_y = _map_y;
            MainScr_Create_Reduced_Map_Picture();
            Set_Mouse_List(1, mouse_list_default);
            Reset_Map_Draw();
        } else if (hit == -m_map_grid_field && m_map_grid_field > 0) {
            _prev_world_x = (int16_t)(_prev_world_x + m_map_grid_x - 6);
            _prev_world_y = (int16_t)(_prev_world_y + m_map_grid_y - 5);
            Clamp_Map_Window_Position();
        }
        if (!leave) {
            Road_Build_Screen_Draw();
            PageFlip_FX();
            Release_Time(1);
            if (Unattended_Frame_Done(&frames)) {
                current_screen = scr_Main_Screen;
                leave = true;
            }
        }
    }
    Leave_Screen();
}
