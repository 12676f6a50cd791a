// The overland spell-casting target screen and its map cells.
#pragma once

#include <cstdint>

// What the human is asked to target.
enum Spell_Target_Kind : int16_t {
    stk_Friendly_Unit = 0,
    stk_Friendly_Group = 1,
    stk_Enemy_Unit = 2,
    stk_Enemy_Group = 3,
    stk_Map_Square = 4,
    stk_Friendly_City = 5,
    stk_Enemy_City = 6,
    stk_Magic_Node = 7,
};
constexpr int16_t SPELL_TARGET_KINDS = 8;
// Map-cell entity codes: a unit index below this, then a city, then (with nodes added) a node.
constexpr int16_t ENTITY_CITY_BASE = 1000;
constexpr int16_t ENTITY_NODE_BASE = 1100;

// The chosen target: for a map square its world x, y and plane, else the index and -1, -1.
extern int16_t _osc_wx;
extern int16_t _osc_wy;
extern int16_t _osc_wp;
// The map-window cell of the target, pulled one cell in from the window's edges.
extern int16_t _osc_main_map_grid_x;
extern int16_t _osc_main_map_grid_y;
// The spell being cast by the current player, read when the screen opens.
extern int16_t _osc_spell_idx;
extern int16_t _osc_spell_target_type;

// Turns the world square (*wx, *wy) into the pixel position of its cell in the 12 by 10 map window
// whose top-left square is (map_x, map_y), columns wrapping. 1 when the square is in the window;
// otherwise both outputs are 0 and the result is 0.
int16_t World_To_Screen(int16_t map_x, int16_t map_y, int16_t *wx, int16_t *wy);
// The target screen of the kind for the spell: 1 when a target was chosen (the unit or city, or the
// square's x, in *target; the square's y and plane; the cell's screen position), 0 when cancelled.
int16_t Spell_Casting_Screen(int16_t kind, int16_t *target, int16_t *wy, int16_t *wp, int16_t *screen_x,
                             int16_t *screen_y, const char *spell_name);

// Remembers the cell (pulled in from the edges) and its world square in the target; 1 when the
// square is explored or the spell is Earth Lore, else the target is reset and 0.
int16_t Map_Square_Is_Targetable(int16_t column, int16_t row);
// The target is the index (the four setters serve kinds 1; 5 and 6; 3; 7).
void Set_Spell_Casting_Map_Draw_WX_1(int16_t index);
void Set_Spell_Casting_Map_Draw_WX_2(int16_t index);
void Set_Spell_Casting_Map_Draw_WX_3(int16_t index);
void Set_Spell_Casting_Map_Draw_WX_4(int16_t index);
void Reset_Spell_Casting_Map_Draw(void);
// Remembers the cell, pulled one cell in from the window's edges.
void Spell_Casting_Remember_Cell(int16_t column, int16_t row);
// "Select a friendly unit as the target for a <spell> spell." with the name highlighted.
void Build_Select_Target_String(int16_t kind, const char *spell_name, char *text, int16_t size);
// Whether the entity code of a clicked cell is a target of the kind for the player; a city's
// army is taken by its first unit, written to *target (else the entity itself).
int16_t Spell_Target_Entity_Valid(int16_t kind, int16_t entity, int16_t player_idx, int16_t *target);

// What a left click on a map cell does on the target screen.
enum Spell_Target_Click : int16_t {
    stc_Ignored = 0,
    stc_Chosen = 1,     // the target is in _osc_wx, _osc_wy, _osc_wp
    stc_Pick_Unit = 2,  // a unit of the stack is picked from the list of *unit
};
// A left click on cell (column, row) holding the entity code (-1 none; for the node kind the
// square's node is looked up instead) for the player: remembers the cell and sets the target on a
// valid pick.
int16_t Spell_Casting_Left_Click(int16_t kind, int16_t column, int16_t row, int16_t entity, int16_t player_idx,
                                 int16_t *unit_idx);
// Whether the pointer over cell (column, row) with the entity code shows the target image.
int16_t Spell_Casting_Cell_Is_Target(int16_t kind, int16_t column, int16_t row, int16_t entity, int16_t player_idx);
// What a right click on an entity opens: 0 nothing, 1 the city view of *index, 2 the stack's unit list
// of *index.
enum Spell_Target_View : int16_t {
    stv_None = 0,
    stv_City = 1,
    stv_Units = 2,
};
int16_t Spell_Casting_Right_Click_View(int16_t kind, int16_t entity, int16_t player_idx, int16_t *index);
// The pointer image of a target cell: 9 to 13, advancing by one per call.
int16_t Spell_Casting_Next_Target_Image(void);
