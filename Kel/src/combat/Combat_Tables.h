// The tables and globals of one battle: the battlefield, the battle units, the path buffers, the action
// map, the vortices and the battle-wide state the combat rules share.
#pragma once

#include <cstdint>

#include "combat/Battlefield_Record.h"
#include "world/Battle_Unit_Record.h"

constexpr int MAX_BATTLE_UNITS = 36;
constexpr int BATTLE_SIDE_SLOTS = 12;
constexpr int COMBAT_PATH_MAX = 30;
constexpr int MAX_VORTEXES = 12;
constexpr int NUM_FIGURE_SETS = 18;
// The owner of a side that has no player.
constexpr int16_t COMBAT_NO_SIDE = 6;

// Realms of attacks and spells; -1 none.
constexpr int16_t REALM_NONE = -1;
constexpr int16_t REALM_NATURE = 0;
constexpr int16_t REALM_SORCERY = 1;
constexpr int16_t REALM_CHAOS = 2;
constexpr int16_t REALM_LIFE = 3;
constexpr int16_t REALM_DEATH = 4;
constexpr int16_t REALM_ARCANE = 5;

// Battle-unit statuses.
enum Battle_Unit_Status : uint8_t {
    bus_Fighting = 0,
    bus_Recalled = 1,
    bus_Fled = 2,
    bus_Not_Deployed = 3,
    bus_Dead = 4,
    bus_Drained = 5,    // killed mostly by life-draining damage
    bus_Destroyed = 6,  // also an empty slot
};

// Action states of a battle unit.
constexpr int16_t BUA_MAY_ACT = 0;
constexpr int16_t BUA_DONE = 4;
constexpr int16_t BUA_WAITING = 5;
constexpr int16_t BUA_FLED = 150;

// Values of the action map beside battle-unit indices.
constexpr uint8_t ACTION_MAP_WALL = 99;
constexpr uint8_t ACTION_MAP_NOTHING = 254;
constexpr uint8_t ACTION_MAP_MOVE = 255;

// The plane of an overland unit that a battle made vanish.
constexpr int8_t COMBAT_GONE_PLANE = 9;

// Outside a move the other cell is the one the vortex came from; during a move it is the one it goes to.
struct Combat_Vortex {
    int16_t x;
    int16_t y;
    int16_t other_x;
    int16_t other_y;
    int16_t step;  // animation step 0..7
    int16_t owner;
};
static_assert(sizeof(Combat_Vortex) == 12);

extern Battlefield_Record *battlefield;
extern Battle_Unit_Record *battle_units;  // MAX_BATTLE_UNITS records
extern int16_t _combat_total_unit_count;

// The path buffers: the working cost map, the best cost of each cell (255 or more: unreached), the
// predecessors or reachability marks, and the steps of the last path.
extern uint8_t _cmbt_movepath_cost_map[COMBAT_GRID_CELLS];
extern int16_t _cmbt_mvpth_c[COMBAT_GRID_CELLS];
extern int16_t _cmbt_path_data[COMBAT_GRID_CELLS];
extern int16_t _cmbt_mvpth_x[COMBAT_PATH_MAX];
extern int16_t _cmbt_mvpth_y[COMBAT_PATH_MAX];
extern int16_t movement_path_grid_cell_count;
// What a click on each cell does: a battle-unit index, ACTION_MAP_WALL, _NOTHING or _MOVE.
extern uint8_t g_combat_grid_action_map[COMBAT_GRID_HEIGHT][COMBAT_GRID_WIDTH];

extern Combat_Vortex _vortexes[MAX_VORTEXES];
extern int16_t _vortex_count;

// 0 open land, 1 a city (when asked for), 2..4 the node tiles, 6 a square a ship can sail.
extern int16_t _combat_structure;
// The battlefield terrain of the last battlefield built: 0 water, 1 grass, 2 hills, 3 desert, 4 mountain,
// 5 tundra, 6 forest.
extern int16_t _combat_battlefield_terrain;
extern int16_t _combat_winner;
extern int16_t _active_battle_unit;
extern int16_t _combat_turn;
extern int16_t _combat_ai_player;
extern int16_t _combat_local_player;
extern int16_t _combat_remote_player;
extern int16_t _combat_skip_map_generation;
extern int16_t _combat_wall_sprite_bank;
extern int16_t _wall_rise_on;
extern int16_t attacker_on_floating_island;
extern int16_t defender_on_floating_island;
extern int16_t _attacker_sees_illusions;
extern int16_t _defender_sees_illusions;
extern int16_t _auto_combat_flag;
// Bit 0 city walls, bit 1 Wall of Fire, bit 2 Wall of Darkness; filled by the combat AI each turn.
extern int16_t _ai_battlefield_city_walls;
extern int16_t CMB_Enchanted_Roads;

inline int Combat_Cell(int x, int y) { return y * COMBAT_GRID_WIDTH + x; }
inline bool Combat_Cell_On_Grid(int x, int y)
{
    return x >= 0 && x < COMBAT_GRID_WIDTH && y >= 0 && y < COMBAT_GRID_HEIGHT;
}
inline bool Combat_Cell_In_City(int x, int y)
{
    return x >= COMBAT_CITY_X && x < COMBAT_CITY_X + COMBAT_CITY_SIZE && y >= COMBAT_CITY_Y &&
           y < COMBAT_CITY_Y + COMBAT_CITY_SIZE;
}
// The three enchantment words of a battle unit combined: its overland unit's, cast in battle, from items.
uint32_t Battle_Unit_Enchantments(const Battle_Unit_Record *bu);
// The battle unit's ranged kind as the signed byte of the type table: -1 none.
inline int16_t Battle_Unit_Ranged_Kind(const Battle_Unit_Record *bu) { return (int8_t)bu->Ranged_Type; }
// 1 when the battle unit's cell lies in the city block.
int16_t Battle_Unit_Is_Within_City(const Battle_Unit_Record *bu);

// Every battle unit absent (status 6, no figure set), no unit counted, no vortex, battle state reset.
void Combat_Tables_Reset(void);
