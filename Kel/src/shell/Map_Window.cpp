#include "shell/Map_Window.h"

#include "GENDRAW.h"
#include "magic/Spell_Casting_Screen.h"
#include "overland/Map_Layers.h"
#include "overland/Unit_Figure.h"
#include "shell/Reduced_Map.h"
#include "world/ALLOC.h"
#include "world/Movement_Modes.h"
#include "world/Scouting.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

int16_t _map_x;
int16_t _map_y;
int16_t _map_plane;
int16_t _prev_world_x;
int16_t _prev_world_y;

int16_t entities_on_movement_map[MAP_VIEW_ENTITIES];
// Nothing is shown until the first table is built.
static const bool m_entities_cleared = [] {
    for (int16_t &entry : entities_on_movement_map) entry = MAP_ENTITY_NONE;
    return true;
}();
int16_t draw_active_stack_flag = DRAW_ACTIVE_STACK_ALWAYS;

int16_t map_draw_prev_x = -1;
int16_t map_draw_prev_y = -1;
int16_t map_draw_sustain;
int16_t map_draw_full = 1;
int16_t map_draw_prev_x_save = -1;
int16_t map_draw_prev_y_save = -1;
int16_t map_draw_sustain_save;

int16_t map_anim_cycle;
int16_t terrain_anim_ctr;
int16_t node_anim_ctr;
int16_t road_anim_ctr;

int16_t minimap_x;
int16_t minimap_y;
int16_t minimap_width = 58;
int16_t minimap_height = 30;

// A draw priority above this would read as negative in its signed byte.
constexpr int MAX_DRAW_PRIORITY = 127;
constexpr int TRANSPORT_DRAW_PRIORITY = 50;

static_assert(WORLD_WIDTH == 60, "Map_Wrap_X wraps at the world's width");

static int8_t Unit_Draw_Priority(int unit_idx) { return (int8_t)_UNITS[unit_idx].Draw_Priority; }

static int16_t Units_In_Use(void)
{
    if (_units < 0) return 0;
    return _units > UNIT_TABLE_CAPACITY ? (int16_t)UNIT_TABLE_CAPACITY : _units;
}

void Set_Unit_Draw_Priority(void)
{
    int16_t units = Units_In_Use();
    for (int j = 0; j < units; j++) {
        Unit_Record &unit = _UNITS[j];
        int priority = -1;
        if (unit.owner_idx != -1 && unit.type < NUM_UNIT_TYPES) {
            const Unit_Type_Record &type = _unit_type_table[unit.type];
            if (type.Transport > 0) {
                priority = TRANSPORT_DRAW_PRIORITY;
            } else {
                priority = type.Melee + type.Ranged;
                if (priority <= 0) priority = 1;
                if (priority > MAX_DRAW_PRIORITY) priority = MAX_DRAW_PRIORITY;
            }
        }
        unit.Draw_Priority = (uint8_t)(int8_t)priority;
    }
    for (int j = 0; j < units; j++) {
        Unit_Record &unit = _UNITS[j];
        if (unit.owner_idx != -1 && unit.owner_idx != _current_player_idx && unit.type < NUM_UNIT_TYPES &&
            Unit_Has_Invisibility((int16_t)j)) {
            unit.Draw_Priority = (uint8_t)(int8_t)-1;
        }
    }
}

void Reset_Stack_Draw_Priority(void)
{
    int count = _unit_stack_count > MAX_STACK ? MAX_STACK : _unit_stack_count;
    for (int i = 0; i < count; i++) {
        int16_t unit_idx = _unit_stack[i].unit_idx;
        if (unit_idx >= 0 && unit_idx < UNIT_TABLE_CAPACITY) _UNITS[unit_idx].Draw_Priority = 0;
    }
}

// The window column of world column x for a window whose left column is wx, or -1 outside.
static int Window_Column(int x, int wx)
{
    int column = Map_Wrap_X(x - wx);
    return column < MAP_VIEW_COLUMNS ? column : -1;
}

void Set_Entities_On_Map_Window(int16_t wx, int16_t wy, int16_t plane)
{
    for (int16_t &entry : entities_on_movement_map) entry = MAP_ENTITY_NONE;
    int16_t units = Units_In_Use();
    for (int j = 0; j < units; j++) {
        const Unit_Record &unit = _UNITS[j];
        if (unit.owner_idx == -1 || unit.wx >= WORLD_WIDTH || unit.wy >= WORLD_HEIGHT) continue;
        if (unit.wp != plane && unit.in_tower != 1) continue;
        if (!Check_Square_Scouted(unit.wx, unit.wy, plane)) continue;
        int row = unit.wy - wy;
        int column = Window_Column(unit.wx, wx);
        if (row < 0 || row >= MAP_VIEW_ROWS || column < 0) continue;
        int16_t &entry = entities_on_movement_map[row * MAP_VIEW_COLUMNS + column];
        int8_t priority = Unit_Draw_Priority(j);
        if (entry == MAP_ENTITY_NONE) {
            if (priority > 0 || (priority == 0 && draw_active_stack_flag == DRAW_ACTIVE_STACK_ALWAYS)) {
                entry = (int16_t)j;
            }
        } else if (entry < MAP_ENTITY_CITY_FIRST && priority > Unit_Draw_Priority(entry)) {
            entry = (int16_t)j;
        }
    }
    int16_t cities = _cities < 0 ? 0 : (_cities > NUM_CITIES ? (int16_t)NUM_CITIES : _cities);
    for (int i = 0; i < cities; i++) {
        const City_Record &city = _CITIES[i];
        if (city.wp != plane || city.wx >= WORLD_WIDTH || city.wy >= WORLD_HEIGHT) continue;
        if (_square_explored[World_Square_Index(city.wx, city.wy, city.wp)] == 0) continue;
        int row = city.wy - wy;
        int column = Window_Column(city.wx, wx);
        if (row < 0 || row >= MAP_VIEW_ROWS || column < 0) continue;
        entities_on_movement_map[row * MAP_VIEW_COLUMNS + column] = (int16_t)(MAP_ENTITY_CITY_FIRST + i);
    }
}

void Add_Nodes_To_Entities_On_Map_Window(int16_t wx, int16_t wy, int16_t plane)
{
    for (int i = 0; i < NUM_NODES; i++) {
        const Node_Record &node = _NODES[i];
        if (node.wp != plane || node.wx >= WORLD_WIDTH || node.wy >= WORLD_HEIGHT) continue;
        if (_square_explored[World_Square_Index(node.wx, node.wy, node.wp)] == 0) continue;
        int row = node.wy - wy;
        int column = Window_Column(node.wx, wx);
        if (row < 0 || row >= MAP_VIEW_ROWS || column < 0) continue;
        entities_on_movement_map[row * MAP_VIEW_COLUMNS + column] = (int16_t)(MAP_ENTITY_NODE_FIRST + i);
    }
}

void Draw_Active_Unit_Stack(int16_t wx, int16_t wy, int16_t plane)
{
    if (draw_active_stack_flag == DRAW_ACTIVE_STACK_NEVER || _unit_stack_count <= 0) return;
    int16_t first = _unit_stack[0].unit_idx;
    if (first < 0 || first >= UNIT_TABLE_CAPACITY) return;
    const Unit_Record &unit = _UNITS[first];
    if (unit.owner_idx == -1 || (unit.wp != plane && unit.in_tower != 1)) return;
    // Drawn steadily, the stack is in the entity table with the other units.
    if (draw_active_stack_flag == DRAW_ACTIVE_STACK_ALWAYS) return;
    int16_t screen_x = unit.wx;
    int16_t screen_y = unit.wy;
    int16_t inside = World_To_Screen(wx, wy, &screen_x, &screen_y);
    draw_active_stack_flag = (int16_t)((draw_active_stack_flag + 1) % 8);
    if (draw_active_stack_flag < 4) return;
    if (inside) {
        int16_t shown = first;
        int count = _unit_stack_count > MAX_STACK ? MAX_STACK : _unit_stack_count;
        for (int i = 0; i < count; i++) {
            if (_unit_stack[i].active == 1) {
                shown = _unit_stack[i].unit_idx;
                break;
            }
        }
        Draw_Unit_Picture(screen_x, screen_y, shown, 2);
    }
    if (_reduced_map_seg != nullptr) {
        Create_Reduced_Map_Picture(minimap_x, minimap_y, plane, _reduced_map_seg, minimap_width, minimap_height,
                                   unit.wx, unit.wy, 1);
    }
}

void Set_Draw_Active_Stack_Always(void) { draw_active_stack_flag = DRAW_ACTIVE_STACK_ALWAYS; }

void Set_Draw_Active_Stack_Never(void) { draw_active_stack_flag = DRAW_ACTIVE_STACK_NEVER; }

void Reset_Draw_Active_Stack(void)
{
    Reset_Map_Draw();
    if (all_units_moved == 0 && _unit_stack_count >= 1) draw_active_stack_flag = 0;
}

void Reset_Map_Draw(void)
{
    map_draw_prev_x = -1;
    map_draw_prev_y = -1;
}

void Save_Map_Draw_State(void)
{
    map_draw_prev_x_save = map_draw_prev_x;
    map_draw_prev_y_save = map_draw_prev_y;
    map_draw_sustain_save = map_draw_sustain;
    map_draw_prev_x = -1;
}

void Restore_Map_Draw_State(void)
{
    map_draw_prev_x = map_draw_prev_x_save;
    map_draw_prev_y = map_draw_prev_y_save;
    map_draw_sustain = map_draw_sustain_save;
}

void Cycle_Map_Animations(void)
{
    map_anim_cycle = (int16_t)((map_anim_cycle + 1) % 4);
    if (map_anim_cycle == 0) {
        terrain_anim_ctr = (int16_t)((terrain_anim_ctr + 1) % 4);
        node_anim_ctr = (int16_t)((node_anim_ctr + 1) % 6);
        road_anim_ctr = (int16_t)((road_anim_ctr + 1) % 6);
    }
}

void Reduced_Map_Set_Dims(int16_t width, int16_t height)
{
    minimap_width = width;
    minimap_height = height;
}

void Draw_Map_Window(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane)
{
    if (wx == map_draw_prev_x && wy == map_draw_prev_y) {
        map_draw_sustain--;
        map_draw_full = map_draw_sustain >= 0;
    } else {
        map_draw_sustain = 1;
        map_draw_full = 1;
    }
    map_draw_prev_x = wx;
    map_draw_prev_y = wy;
    Draw_Map_Terrain(sx, sy, w, h, wx, wy, plane);
    Draw_Map_Minerals(sx, sy, w, h, wx, wy, plane);
    Draw_Map_Biota(sx, sy, w, h, wx, wy, plane);
    Draw_Map_Roads(sx, sy, w, h, wx, wy, plane);
    Draw_Map_Cities(sx, sy, w, h, wx, wy, plane);
    Draw_Map_Towers(sx, sy, w, h, wx, wy, plane);
    Draw_Map_Lairs(sx, sy, w, h, wx, wy, plane);
    Draw_Map_Units(sx, sy, w, h, wx, wy);
    Draw_Map_Nodes(sx, sy, w, h, wx, wy, plane);
    Draw_Map_Unexplored_Area(sx, sy, w, h, wx, wy, plane);
    Cycle_Map_Animations();
}

void Draw_Maps(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t *pwx, int16_t *pwy, int16_t plane, int16_t tx,
               int16_t ty, int16_t player)
{
    int16_t x = *pwx;
    int16_t y = *pwy;
    int moved = 0;
    if (tx != x) {
        bool left = tx < x;
        bool wrap = false;
        if (tx > 50 && x < 20) {
            left = true;
            wrap = true;
        } else if (x > 50 && tx < 20) {
            left = false;
            wrap = true;
        }
        if (left) {
            x--;
            if (x < 0) x = (int16_t)(WORLD_WIDTH - 1);
            if (!wrap && x < tx) x = tx;
        } else {
            x++;
            if (x >= WORLD_WIDTH) x = (int16_t)(x - WORLD_WIDTH);
            if (!wrap && x > tx) x = tx;
        }
        moved = 1;
    }
    if (ty != y) {
        y = (int16_t)(ty > y ? y + 1 : y - 1);
        moved = 1;
    }
    if (moved) {
        Set_Unit_Draw_Priority();
        Reset_Stack_Draw_Priority();
        Set_Entities_On_Map_Window(x, y, plane);
        if (player == _current_player_idx) {
            _map_x = x;
            _map_y = y;
        }
    }
    if (_reduced_map_seg != nullptr) {
        Reduced_Map_Coords(&minimap_x, &minimap_y, Map_Wrap_X(x + MAP_VIEW_COLUMNS / 2),
                           (int16_t)(y + MAP_VIEW_ROWS / 2), minimap_width, minimap_height);
        Create_Reduced_Map_Picture(minimap_x, minimap_y, plane, _reduced_map_seg, minimap_width, minimap_height, 0, 0,
                                   0);
    }
    Draw_Map_Window(sx, sy, w, h, x, y, plane);
    if (!moved) Draw_Active_Unit_Stack(x, y, plane);
    Redraw_Map_Unexplored_Area(sx, sy, w, h, x, y, plane);
    Reset_Window();
    *pwx = x;
    *pwy = y;
}

void Draw_Map_Squares_Around_Screen_Point(int16_t sx, int16_t sy, int16_t plane, int16_t wx, int16_t wy)
{
    int px = sx - MAP_VIEW_SQUARE_WIDTH > 0 ? sx - MAP_VIEW_SQUARE_WIDTH : 0;
    int py = sy - MAP_VIEW_SQUARE_HEIGHT > 0 ? sy - MAP_VIEW_SQUARE_HEIGHT : 0;
    int row = wy + (py - MAP_VIEW_SCREEN_Y) / MAP_VIEW_SQUARE_HEIGHT;  // truncating toward zero
    int rows = row + 3 > 38 ? 2 : 3;
    if ((row - wy) + rows > MAP_VIEW_ROWS) rows--;
    if (row + rows > 38) row = WORLD_HEIGHT - (rows + 1);
    Save_Map_Draw_State();
    Reset_Map_Draw();
    if (row < _map_y) {
        row++;
        py += MAP_VIEW_SQUARE_HEIGHT;
    }
    if (rows > 0) {
        Draw_Map_Window((int16_t)px, (int16_t)py, 3, (int16_t)rows, Map_Wrap_X(wx + px / MAP_VIEW_SQUARE_WIDTH),
                        (int16_t)row, plane);
    }
    Restore_Map_Draw_State();
}
