#include "overland/Stack_Movement_Draw.h"

#include "Dialog_Boxes.h"
#include "Input.h"
#include "combat/Combat_Entry.h"
#include "heroes/Lairs.h"
#include "magic/Spell_Casting_Screen.h"
#include "overland/Explored_Edges.h"
#include "overland/Map_Layers.h"
#include "overland/Stack_Selection.h"
#include "overland/Unit_Figure.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Army_Services.h"
#include "world/Game_Settings.h"
#include "world/Movement_Modes.h"
#include "world/Road_Connections.h"
#include "world/Roads.h"
#include "world/Scouting.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Stack.h"

constexpr int GS_ENEMY_MOVES = 12;
constexpr int16_t MAP_WINDOW_WIDTH = 12;
constexpr int16_t MAP_WINDOW_HEIGHT = 10;
constexpr int16_t MAP_SCREEN_Y = 20;

static int16_t m_drawing = 1;

void Move_Units_Draw_Set_Drawing(int16_t on) { m_drawing = on ? 1 : 0; }

static bool Move_Is_Shown(int16_t player_idx, int16_t wp, int16_t steps, const int16_t *units, int16_t count)
{
    if (!m_drawing) {
        return false;
    }
    if (player_idx == _current_player_idx) {
        return true;
    }
    if (Game_Settings_Word(GS_ENEMY_MOVES) == 0) {
        return false;
    }
    bool scouted = false;
    for (int i = 0; i < steps && !scouted; i++) {
        scouted = Check_Square_Scouted(movepath_x_array[2 + i], movepath_y_array[2 + i], wp) != 0;
    }
    bool all_invisible = true;
    for (int i = 0; i < count; i++) {
        all_invisible = all_invisible && Unit_Has_Invisibility(units[i]);
    }
    return scouted && !all_invisible;
}

// One step of the drawn unit from (x0, y0) to (x1, y1), frame by frame.
static void Animate_Step(int16_t unit_idx, int16_t wp, int16_t *map_x, int16_t *map_y, int16_t x0, int16_t y0,
                         int16_t x1, int16_t y1, int16_t player_idx, int16_t range)
{
    int dx = x1 - x0, dy = y1 - y0;
    if (dx > 1) dx = -1;  // across the seam
    if (dx < -1) dx = 1;
    int frames, px, py;
    if (dx != 0 && dy != 0) {
        frames = 2, px = 10 * dx, py = 9 * dy;
    } else if (dx != 0) {
        frames = 5, px = 4 * dx, py = 0;
    } else {
        frames = 6, px = 0, py = 3 * dy;
    }
    int16_t sx = x0, sy = y0;
    World_To_Screen(*map_x, *map_y, &sx, &sy);
    for (int f = 0; f < frames; f++) {
        if (f == 1 && player_idx == HUMAN_PLAYER_IDX) {
            Set_Square_Explored_Flags_Range(x1, y1, wp, (int16_t)(range + 1));
        }
        Draw_Maps(0, MAP_SCREEN_Y, MAP_WINDOW_WIDTH, MAP_WINDOW_HEIGHT, map_x, map_y, wp, *map_x, *map_y, player_idx);
        Draw_Map_Squares_Around_Screen_Point(sx, sy, wp, *map_x, *map_y);
        sx = (int16_t)(sx + px);
        sy = (int16_t)(sy + py);
        Draw_Map_Squares_Around_Screen_Point(sx, sy, wp, *map_x, *map_y);
        Draw_Map_Cities_In_Map_Window(0, MAP_SCREEN_Y, MAP_WINDOW_WIDTH, MAP_WINDOW_HEIGHT, *map_x, *map_y, wp);
        Draw_Unit_Picture(sx, sy, unit_idx, 2);
        Redraw_Map_Unexplored_Area(0, MAP_SCREEN_Y, MAP_WINDOW_WIDTH, MAP_WINDOW_HEIGHT, *map_x, *map_y, wp);
        Toggle_Pages();
    }
    if (Scroll_Map_If_Square_On_Edge(map_x, map_y, x1, y1, MAP_WINDOW_WIDTH, MAP_WINDOW_HEIGHT)) {
        Set_Unit_Draw_Priority();
        Reset_Stack_Draw_Priority();
        Set_Entities_On_Map_Window(*map_x, *map_y, wp);
    }
}

void Move_Units_Draw(int16_t player_idx, int16_t wp, int16_t steps, int16_t *map_x, int16_t *map_y,
                     const int16_t *units, int16_t count)
{
    if (steps <= 0 || count <= 0) {
        return;
    }
    const bool shown = Move_Is_Shown(player_idx, wp, steps, units, count);
    const Unit_Record &leader = _UNITS[units[0]];
    if (shown) {
        Bring_Square_Into_View(map_x, map_y, leader.wx, leader.wy, wp);
        Main_Screen_Draw_Do_Draw(map_x, map_y, wp, *map_x, *map_y, player_idx);
        MainScr_Create_Reduced_Map_Picture();
        Toggle_Pages();
    }

    int16_t range = 1;
    bool airborne = false;
    for (int i = 0; i < count; i++) {
        const int16_t u = units[i];
        if (_UNITS[u].Sight_Range > range) {
            range = _UNITS[u].Sight_Range;
        }
        airborne = airborne || Unit_Has_AirTravel(u) || Unit_Has_WindWalking(u) || Unit_Has_AirTravel_Item(u) ||
                   Unit_Has_WindWalkingItem(u);
    }
    if (range < 2 && airborne) {
        range = 2;
    }

    int16_t drawn = units[0];
    for (int i = 1; i < count; i++) {
        if ((int8_t)_UNITS[units[i]].Draw_Priority > (int8_t)_UNITS[drawn].Draw_Priority) {
            drawn = units[i];
        }
    }
    const int16_t from_x = _UNITS[drawn].wx, from_y = _UNITS[drawn].wy;
    const uint8_t last_x = movepath_x_array[2 + steps - 1], last_y = movepath_y_array[2 + steps - 1];
    for (int i = 0; i < count; i++) {
        Unit_Record &u = _UNITS[units[i]];
        u.Draw_Priority = 0;
        u.wx = last_x;
        u.wy = last_y;
    }
    Unit_Record &drawn_unit = _UNITS[drawn];
    if (drawn_unit.Rd_Constr_Left != -1) {
        if (drawn_unit.Rd_Constr_Left == 99) {
            drawn_unit.Rd_Constr_Left = -1;
        }
        Make_Road(from_x, from_y, wp);
        Reset_Landmass_Road_Connection_Bitfields(from_x, from_y, wp);
    }

    int16_t x0 = from_x, y0 = from_y;
    for (int s = 0; s < steps; s++) {
        const int16_t x1 = movepath_x_array[2 + s], y1 = movepath_y_array[2 + s];
        if (shown) {
            Animate_Step(drawn, wp, map_x, map_y, x0, y0, x1, y1, player_idx, range);
        } else if (player_idx == HUMAN_PLAYER_IDX) {
            Set_Square_Explored_Flags_Range(x1, y1, wp, (int16_t)(range + 1));
        }
        Contact_Players_In_Scouting_Range(player_idx, x1, y1, wp, range);
        x0 = x1;
        y0 = y1;
    }
}

static void Refresh_Map_Window(int16_t map_x, int16_t map_y, int16_t wp)
{
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    Set_Entities_On_Map_Window(map_x, map_y, wp);
}

static void Record_Winner(void) { magic_master_idx = Get_Winner(); }

static void Warn_Human(const char *text)
{
    if (Window_Shown()) {
        Warn0(text);
    }
}

void Stack_Movement_Install_Hooks(void)
{
    Army_World_Services services = army_world_services;
    services.move_units_draw = Move_Units_Draw;
    services.combat = Combat;
    services.lair_combat = Lair_Combat__WIP;
    services.record_winner = Record_Winner;
    services.select_unit_stack = Select_Unit_Stack;
    services.refresh_map_window = Refresh_Map_Window;
    services.reset_draw_active_stack = Reset_Draw_Active_Stack;
    services.warn_player = Warn_Human;
    Army_Set_World_Services(services);
}
