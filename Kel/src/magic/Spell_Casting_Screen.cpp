#include "magic/Spell_Casting_Screen.h"

#include <cstdio>

#include "heroes/Text_Lists.h"
#include "shell/Map_Window.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"
#include "world/Scouting.h"
#include "world/Unit_Record.h"

int16_t _osc_wx = -1;
int16_t _osc_wy = -1;
int16_t _osc_wp = -1;
int16_t _osc_main_map_grid_x = 0;
int16_t _osc_main_map_grid_y = 0;
int16_t _osc_spell_idx = 0;
int16_t _osc_spell_target_type = 0;

namespace {

constexpr int16_t SPELL_EARTH_LORE = 10;
constexpr char HIGHLIGHT_ON = 2;
constexpr char HIGHLIGHT_OFF = 1;
const char *const TARGET_KIND_TEXTS[SPELL_TARGET_KINDS] = {
    " friendly unit ", " friendly group ", "n enemy unit ", "n enemy group ",
    " space ",         " friendly city ",  "n enemy city ", " magic node ",
};

constexpr int MAP_WINDOW_COLUMNS = 12;
constexpr int MAP_WINDOW_ROWS = 10;
constexpr int MAP_CELL_WIDTH = 20;
constexpr int MAP_CELL_HEIGHT = 18;
constexpr int MAP_WINDOW_TOP = 20;
constexpr int WORLD_COLUMNS = 60;

}  // namespace

int16_t World_To_Screen(int16_t map_x, int16_t map_y, int16_t *wx, int16_t *wy)
{
    int x = *wx;
    const int y = *wy;
    const bool row_shown = y >= map_y && y <= map_y + MAP_WINDOW_ROWS - 1;
    if (!(x >= map_x && x <= map_x + MAP_WINDOW_COLUMNS - 1)) {
        x += WORLD_COLUMNS;
    }
    if (!row_shown || !(x >= map_x && x <= map_x + MAP_WINDOW_COLUMNS - 1)) {
        *wx = 0;
        *wy = 0;
        return 0;
    }
    *wx = (int16_t)((x - map_x) * MAP_CELL_WIDTH);
    *wy = (int16_t)((y - map_y) * MAP_CELL_HEIGHT + MAP_WINDOW_TOP);
    return 1;
}

void Spell_Casting_Remember_Cell(int16_t column, int16_t row)
{
    if (column < 1) column = 1;
    if (column > MAP_WINDOW_COLUMNS - 2) column = MAP_WINDOW_COLUMNS - 2;
    if (row < 1) row = 1;
    if (row > MAP_WINDOW_ROWS - 2) row = MAP_WINDOW_ROWS - 2;
    _osc_main_map_grid_x = column;
    _osc_main_map_grid_y = row;
}

int16_t Map_Square_Is_Targetable(int16_t column, int16_t row)
{
    Spell_Casting_Remember_Cell(column, row);
    int16_t wx = (int16_t)(column + _map_x);
    if (wx >= WORLD_COLUMNS) wx = (int16_t)(wx - WORLD_COLUMNS);
    _osc_wx = wx;
    _osc_wy = (int16_t)(row + _map_y);
    _osc_wp = _map_plane;
    if (_osc_spell_idx == SPELL_EARTH_LORE || Check_Square_Explored(_osc_wx, _osc_wy, _osc_wp) != 0) return 1;
    Reset_Spell_Casting_Map_Draw();
    return 0;
}

void Set_Spell_Casting_Map_Draw_WX_1(int16_t index)
{
    _osc_wx = index;
    _osc_wy = _osc_wp = -1;
}
void Set_Spell_Casting_Map_Draw_WX_2(int16_t index) { Set_Spell_Casting_Map_Draw_WX_1(index); }
void Set_Spell_Casting_Map_Draw_WX_3(int16_t index) { Set_Spell_Casting_Map_Draw_WX_1(index); }
void Set_Spell_Casting_Map_Draw_WX_4(int16_t index) { Set_Spell_Casting_Map_Draw_WX_1(index); }
void Reset_Spell_Casting_Map_Draw(void) { _osc_wx = _osc_wy = _osc_wp = -1; }

void Build_Select_Target_String(int16_t kind, const char *spell_name, char *text, int16_t size)
{
    const char *what = kind >= 0 && kind < SPELL_TARGET_KINDS ? TARGET_KIND_TEXTS[kind] : " ";
    snprintf(text, (size_t)size, "Select a%sas the target for %s %c%s%c spell.", what, An(spell_name), HIGHLIGHT_ON,
             spell_name, HIGHLIGHT_OFF);
}

int16_t Spell_Target_Entity_Valid(int16_t kind, int16_t entity, int16_t player_idx, int16_t *target)
{
    *target = entity;
    if (entity < 0) return 0;
    if (entity >= ENTITY_NODE_BASE) return kind == stk_Magic_Node ? 1 : 0;
    if (entity >= ENTITY_CITY_BASE) {
        const int16_t city = (int16_t)(entity - ENTITY_CITY_BASE);
        if (_CITIES == nullptr || city >= _cities) return 0;
        const bool own = _CITIES[city].owner_idx == player_idx;
        if (kind == stk_Friendly_City) return own ? 1 : 0;
        if (kind == stk_Enemy_City) return own ? 0 : 1;
        const bool unit_kind_own = kind == stk_Friendly_Unit || kind == stk_Friendly_Group;
        const bool unit_kind_enemy = kind == stk_Enemy_Unit || kind == stk_Enemy_Group;
        if (!(unit_kind_own && own) && !(unit_kind_enemy && !own)) return 0;
        int16_t count = 0;
        int16_t army[ARMY_LIST_STACK_MAX] = {};
        Army_At_City(city, &count, army);
        if (count <= 0) return 0;
        *target = army[0];
        return 1;
    }
    if (_UNITS == nullptr || entity >= _units) return 0;
    const bool own = _UNITS[entity].owner_idx == player_idx;
    if (kind == stk_Map_Square) return 1;
    if (own) return kind == stk_Friendly_Unit || kind == stk_Friendly_Group ? 1 : 0;
    return kind == stk_Enemy_Unit || kind == stk_Enemy_Group ? 1 : 0;
}

namespace {

int16_t m_target_image_cycle = 0;
constexpr int16_t TARGET_IMAGE_FIRST = 9;
constexpr int16_t TARGET_IMAGE_COUNT = 5;

// The world square of a map-window cell on the shown plane.
void Cell_Square(int16_t column, int16_t row, int16_t *wx, int16_t *wy)
{
    int16_t x = (int16_t)(column + _map_x);
    while (x >= WORLD_COLUMNS) x = (int16_t)(x - WORLD_COLUMNS);
    *wx = x;
    *wy = (int16_t)(row + _map_y);
}

bool Own_City(int16_t city, int16_t player_idx)
{
    return _CITIES != nullptr && city >= 0 && city < _cities && _CITIES[city].owner_idx == player_idx;
}

}  // namespace

int16_t Spell_Casting_Left_Click(int16_t kind, int16_t column, int16_t row, int16_t entity, int16_t player_idx,
                                 int16_t *unit_idx)
{
    *unit_idx = -1;
    if (kind == stk_Magic_Node) {
        int16_t wx = 0, wy = 0;
        Cell_Square(column, row, &wx, &wy);
        const int16_t node = Get_Map_Square_Magic_Node(wx, wy, _map_plane);
        entity = node >= 0 ? (int16_t)(ENTITY_NODE_BASE + node) : (int16_t)-1;
    }
    if (kind == stk_Map_Square) return Map_Square_Is_Targetable(column, row) ? stc_Chosen : stc_Ignored;
    if (entity < 0) return stc_Ignored;
    int16_t target = entity;
    if (!Spell_Target_Entity_Valid(kind, entity, player_idx, &target)) return stc_Ignored;
    Spell_Casting_Remember_Cell(column, row);
    switch (kind) {
    case stk_Friendly_Group: Set_Spell_Casting_Map_Draw_WX_1(target); return stc_Chosen;
    case stk_Enemy_Group: Set_Spell_Casting_Map_Draw_WX_3(target); return stc_Chosen;
    case stk_Friendly_City:
    case stk_Enemy_City: Set_Spell_Casting_Map_Draw_WX_2((int16_t)(target - ENTITY_CITY_BASE)); return stc_Chosen;
    case stk_Magic_Node: Set_Spell_Casting_Map_Draw_WX_4((int16_t)(target - ENTITY_NODE_BASE)); return stc_Chosen;
    default: *unit_idx = target; return stc_Pick_Unit;
    }
}

int16_t Spell_Casting_Cell_Is_Target(int16_t kind, int16_t column, int16_t row, int16_t entity, int16_t player_idx)
{
    if (kind == stk_Map_Square) {
        if (_osc_spell_idx == SPELL_EARTH_LORE) return 1;
        int16_t wx = 0, wy = 0;
        Cell_Square(column, row, &wx, &wy);
        return Check_Square_Explored(wx, wy, _map_plane) != 0 ? 1 : 0;
    }
    int16_t target = 0;
    return Spell_Target_Entity_Valid(kind, entity, player_idx, &target);
}

int16_t Spell_Casting_Right_Click_View(int16_t kind, int16_t entity, int16_t player_idx, int16_t *index)
{
    *index = -1;
    if (entity < 0 || entity >= ENTITY_NODE_BASE) return stv_None;
    const bool own_side = kind == stk_Friendly_Unit || kind == stk_Friendly_Group;
    const bool enemy_side = kind == stk_Enemy_Unit || kind == stk_Enemy_Group;
    if (entity >= ENTITY_CITY_BASE) {
        const int16_t city = (int16_t)(entity - ENTITY_CITY_BASE);
        if (_CITIES == nullptr || city >= _cities) return stv_None;
        const bool own = Own_City(city, player_idx);
        const bool shown =
            ((own_side || kind == stk_Friendly_City) && own) || ((enemy_side || kind == stk_Enemy_City) && !own);
        if (!shown) return stv_None;
        *index = city;
        return stv_City;
    }
    if (_UNITS == nullptr || entity >= _units) return stv_None;
    const bool own = _UNITS[entity].owner_idx == player_idx;
    if (!((own_side && own) || (enemy_side && !own))) return stv_None;
    *index = entity;
    return stv_Units;
}

int16_t Spell_Casting_Next_Target_Image(void)
{
    const int16_t image = (int16_t)(m_target_image_cycle + TARGET_IMAGE_FIRST);
    m_target_image_cycle = (int16_t)((m_target_image_cycle + 1) % TARGET_IMAGE_COUNT);
    return image;
}
