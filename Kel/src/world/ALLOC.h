// The world: every table the game keeps for the life of the process, carved once at start-up by
// Allocate_Data_Space, and the counters saved with them.
#pragma once

#include <cstdint>

#include "world/City_Record.h"
#include "world/Item_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"

struct Battle_Unit_Record;
struct Events_Record;
struct Spell_Data_Record;

constexpr int WORLD_WIDTH = 60;
constexpr int WORLD_HEIGHT = 40;
constexpr int WORLD_SIZE = WORLD_WIDTH * WORLD_HEIGHT;  // squares per plane
constexpr int NUM_PLANES = 2;
constexpr int MOVEMENT_MAPS = 6;
constexpr int MOVEMENT_COST_MAPS_SIZE = NUM_PLANES * MOVEMENT_MAPS * WORLD_SIZE;  // 28,800
constexpr int CONNECTIVITY_GRID_SIZE = 192;                                       // 2 planes x 12 x 8 cells
constexpr int EVENTS_RECORD_SIZE = 100;
constexpr int EVENTS_RECORD_WORDS = 50;
constexpr int AI_MOVE_PATH_CACHE_SIZE = 140 * 118;

// Paragraph sizes of the carves, in the order they are made.
constexpr uint16_t SCREEN_SEG_EXTRA_PARAS = 515;
constexpr uint16_t GRAPHICS_CACHE_PARAS = 65535;
constexpr uint16_t WORLD_DATA_PARAS = 3519;
constexpr uint32_t EMM_FIGUREX_BYTES = 458752;
constexpr uint32_t EMM_TILEXXX_BYTES = 49152;
constexpr uint32_t SCRATCH_BITMAP_BYTES = 2400;

// ---- memory blocks and scratch areas ----
extern uint8_t *EmmHndl_FIGUREX;
extern uint8_t *EmmHndl_TILEXXX;
extern uint8_t *EmmHndl_CONTXXX;
extern uint8_t *scratch_bitmap_seg;
extern uint8_t *g_graphics_cache_seg;
extern uint8_t *World_Data;
extern uint16_t tmp_World_Data_Paras;
extern uint8_t *World_Data_Extra;
extern uint8_t *movepath_cost_map;
extern uint8_t *city_area_shared_bits;
extern uint8_t *city_area_bits;
extern uint8_t *_ai_move_path_table;
extern uint8_t *UnitDraw_WorkArea;
extern uint8_t *SND_Music_Segment;

// ---- world records (saved with the game) ----
extern City_Record *_CITIES;
extern int16_t *_world_maps;
extern int16_t *p_world_map;
extern uint8_t *connectivity_grid_land;
extern uint8_t *connectivity_grid_sea;
extern uint8_t *_landmasses;
extern uint8_t *_map_square_terrain_specials;
extern uint8_t *_map_square_flags;
extern uint8_t *_square_explored;
extern uint8_t *square_scouted_p0;
extern uint8_t *square_scouted_p1;
extern uint8_t *movement_mode_cost_maps;
extern Hero_Record *_HEROES2[NUM_PLAYERS];
extern Unit_Record *_UNITS;
extern Battle_Unit_Record *global_battle_unit;
extern Node_Record *_NODES;
extern Fortress_Record *_FORTRESSES;
extern Tower_Record *_TOWERS;
extern Lair_Record *_LAIRS;
extern Events_Record *events_table;
extern Hero_Name_Record *hero_names_table;
extern Item_Record *_ITEMS;
extern uint8_t *_prefab_item_table;

extern int16_t _num_players;
extern int16_t _landsize;
extern int16_t _magic;
extern int16_t _difficulty;
extern int16_t _cities;
extern int16_t _units;
extern int16_t _turn;
extern int16_t _unit;
// The player whose turn or screen is being processed.
extern int16_t _current_player_idx;
extern int16_t grand_vizier;

// Carves every world table, in a fixed order, and points the computer players' scratch arrays
// into the neutral player's record. Called once; returns EmmHndl_CONTXXX.
uint8_t *Allocate_Data_Space(int16_t gfx_buff_nparas);

// Square index of (x, y, plane) in the per-square arrays.
inline int World_Square_Index(int wx, int wy, int wp) { return wp * WORLD_SIZE + wy * WORLD_WIDTH + wx; }
