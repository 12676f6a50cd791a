// The overland map window: 12 by 10 squares of 20 by 18 pixels, top-left pixel at (0,20). Its
// position and the scrolling toward a target square, the entity table of what each window square
// shows, the units' draw priorities, the blinking of the active stack, the redraw state and the
// animation counters.
#pragma once

#include <cstdint>

constexpr int MAP_VIEW_COLUMNS = 12;        // squares
constexpr int MAP_VIEW_ROWS = 10;           // squares
constexpr int MAP_VIEW_SQUARE_WIDTH = 20;   // pixels
constexpr int MAP_VIEW_SQUARE_HEIGHT = 18;  // pixels
constexpr int MAP_VIEW_SCREEN_X = 0;
constexpr int MAP_VIEW_SCREEN_Y = 20;
constexpr int MAP_VIEW_ENTITIES = MAP_VIEW_COLUMNS * MAP_VIEW_ROWS;

// Values of entities_on_movement_map besides a unit index.
constexpr int16_t MAP_ENTITY_NONE = -1;
constexpr int16_t MAP_ENTITY_CITY_FIRST = 1000;  // + city index
constexpr int16_t MAP_ENTITY_NODE_FIRST = 1100;  // + node index

// draw_active_stack_flag besides the blink phases 0..7 (hidden in 0-3, shown in 4-7).
constexpr int16_t DRAW_ACTIVE_STACK_ALWAYS = -1;
constexpr int16_t DRAW_ACTIVE_STACK_NEVER = -2;

// The world square shown at the window's top-left and the plane shown. _map_x is 0..59, or 60
// for one scroll after Clamp_Map_Window_Position (read as column 0 wherever it indexes).
extern int16_t _map_x;
extern int16_t _map_y;
extern int16_t _map_plane;
// The top-left square the window scrolls toward.
extern int16_t _prev_world_x;
extern int16_t _prev_world_y;

// Row by row (row x 12 + column): -1, a unit index, 1000 + city index or 1100 + node index.
extern int16_t entities_on_movement_map[MAP_VIEW_ENTITIES];
extern int16_t draw_active_stack_flag;

extern int16_t map_draw_prev_x;
extern int16_t map_draw_prev_y;
extern int16_t map_draw_sustain;
extern int16_t map_draw_full;
extern int16_t map_draw_prev_x_save;
extern int16_t map_draw_prev_y_save;
extern int16_t map_draw_sustain_save;

extern int16_t map_anim_cycle;    // 0..3
extern int16_t terrain_anim_ctr;  // 0..3
extern int16_t node_anim_ctr;     // 0..5
extern int16_t road_anim_ctr;     // 0..5

// The main screen's reduced map: its top-left world square and its size in squares.
extern int16_t minimap_x;
extern int16_t minimap_y;
extern int16_t minimap_width;
extern int16_t minimap_height;

// One frame of a map window: one scroll step toward the target (tx, ty), the reduced map, the
// layers, the blinking active stack and the unexplored squares. The position is written back
// through wx, wy, and into _map_x, _map_y when player is the current player.
void Draw_Maps(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t *wx, int16_t *wy, int16_t plane, int16_t tx,
               int16_t ty, int16_t player);
// The layers of a block of w by h squares whose top-left square (wx, wy) is drawn at (sx, sy).
void Draw_Map_Window(int16_t sx, int16_t sy, int16_t w, int16_t h, int16_t wx, int16_t wy, int16_t plane);

// After any change of units, window position or plane, run these three in this order.
void Set_Unit_Draw_Priority(void);
void Reset_Stack_Draw_Priority(void);
void Set_Entities_On_Map_Window(int16_t wx, int16_t wy, int16_t plane);
void Add_Nodes_To_Entities_On_Map_Window(int16_t wx, int16_t wy, int16_t plane);

void Draw_Active_Unit_Stack(int16_t wx, int16_t wy, int16_t plane);
void Set_Draw_Active_Stack_Always(void);
void Set_Draw_Active_Stack_Never(void);
void Reset_Draw_Active_Stack(void);

// The next map draw paints every square.
void Reset_Map_Draw(void);
void Save_Map_Draw_State(void);
void Restore_Map_Draw_State(void);

// Repaints the squares under a figure's place at pixel (sx, sy), for a figure moving across the map.
void Draw_Map_Squares_Around_Screen_Point(int16_t sx, int16_t sy, int16_t plane, int16_t wx, int16_t wy);
void Cycle_Map_Animations(void);
void Reduced_Map_Set_Dims(int16_t width, int16_t height);

// Column c of a view whose left column is wx: (wx + c) mod 60, for any wx (also 60).
inline int16_t Map_Wrap_X(int x)
{
    constexpr int WIDTH = 60;  // the world's width in squares
    if (x >= 0 && x < WIDTH) return (int16_t)x;
    int wrapped = x % WIDTH;
    return (int16_t)(wrapped < 0 ? wrapped + WIDTH : wrapped);
}
