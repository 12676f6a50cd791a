// The battlefield of one battle: per cell of the 21-column, 22-row grid a picture code, a terrain kind,
// a road piece and four movement costs; the scenery; the city's houses and walls; the battle-wide walls.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int COMBAT_GRID_WIDTH = 21;
constexpr int COMBAT_GRID_HEIGHT = 22;
constexpr int COMBAT_GRID_CELLS = COMBAT_GRID_WIDTH * COMBAT_GRID_HEIGHT;  // cell (x, y) at y * 21 + x
constexpr int BATTLEFIELD_MAX_TREES = 100;
constexpr int BATTLEFIELD_MAX_ROCKS = 100;
constexpr int BATTLEFIELD_MAX_HOUSES = 16;
constexpr int BATTLEFIELD_CITY_ENCHANTMENTS = 30;

// Terrain kinds of a cell.
enum Combat_Terrain_Kind : uint8_t {
    ctk_Plain = 0,
    ctk_Rough = 1,
    ctk_Dirt = 2,
    ctk_River = 3,
    ctk_Water = 4,
    ctk_Kind_5 = 5,  // has tile pictures; the generator never makes it
};

// Road bytes beside the road pieces (1 plus connection bits).
constexpr uint8_t COMBAT_ROAD_ISLAND = 0x80;
constexpr uint8_t COMBAT_ROAD_ISLAND_ANCHOR = 0x81;

// Movement costs of a cell.
constexpr uint8_t COMBAT_COST_ROAD = 1;
constexpr uint8_t COMBAT_COST_OPEN = 2;
constexpr uint8_t COMBAT_COST_ROUGH = 4;
constexpr uint8_t COMBAT_COST_MUD = 12;
constexpr uint8_t COMBAT_COST_BLOCKED = 255;

// The four movement-cost grids, in record order.
enum Combat_Cost_Grid : int {
    ccg_Ground = 0,
    ccg_Air = 1,
    ccg_Second_Ground = 2,
    ccg_Water = 3,
    NUM_COMBAT_COST_GRIDS = 4,
};

// Centre codes: what stands at the centre cell (6, 11).
enum Combat_Centre_Code : int16_t {
    ccc_None = 0,
    ccc_Outpost = 1,
    ccc_City = 2,
    ccc_Fortress_City = 3,
    ccc_Dungeon_Or_Ruins = 4,
    ccc_Tower = 5,
    ccc_Cave_Or_Lair = 6,
    ccc_Ancient_Temple = 7,
    ccc_Abandoned_Keep = 8,
    ccc_Sorcery_Node = 9,
    ccc_Chaos_Node = 10,
    ccc_Nature_Node = 11,
    ccc_Fallen_Temple = 12,
};

// The city block: cells x 5..8, y 10..13; wall section [row][column] stands on (5 + column, 10 + row).
constexpr int COMBAT_CITY_X = 5;
constexpr int COMBAT_CITY_Y = 10;
constexpr int COMBAT_CITY_SIZE = 4;
constexpr int COMBAT_CENTRE_X = 6;
constexpr int COMBAT_CENTRE_Y = 11;
constexpr int16_t WALL_SECTION_NONE = 0;
constexpr int16_t WALL_SECTION_STANDING = 1;
constexpr int16_t WALL_SECTION_BREACHED = 2;

#pragma pack(push, 1)
struct Battlefield_Record {
    int16_t tiles[COMBAT_GRID_CELLS];
    uint8_t terrain_kinds[COMBAT_GRID_CELLS];
    uint8_t roads[COMBAT_GRID_CELLS];
    uint8_t costs[NUM_COMBAT_COST_GRIDS][COMBAT_GRID_CELLS];
    int16_t tree_count;
    int16_t tree_x[BATTLEFIELD_MAX_TREES];  // screen position of the picture
    int16_t tree_y[BATTLEFIELD_MAX_TREES];
    int16_t tree_picture[BATTLEFIELD_MAX_TREES];  // 0..4
    int16_t rock_count;
    int16_t rock_x[BATTLEFIELD_MAX_ROCKS];
    int16_t rock_y[BATTLEFIELD_MAX_ROCKS];
    int16_t rock_picture[BATTLEFIELD_MAX_ROCKS];  // 0..4
    uint8_t mud[COMBAT_GRID_CELLS];
    int16_t centre_code;  // Combat_Centre_Code
    int16_t house_count;
    int16_t house_x[BATTLEFIELD_MAX_HOUSES];  // grid cell
    int16_t house_y[BATTLEFIELD_MAX_HOUSES];
    int16_t house_picture[BATTLEFIELD_MAX_HOUSES];  // 0..14, five per house style
    int16_t walls;                                  // 1 when the city has walls
    int16_t wall_sections[COMBAT_CITY_SIZE][COMBAT_CITY_SIZE];
    int16_t wall_of_fire;
    int16_t wall_of_darkness;
    int16_t plane;
    uint8_t city_enchantments[BATTLEFIELD_CITY_ENCHANTMENTS];  // index 8 "Flying"
};
#pragma pack(pop)

static_assert(offsetof(Battlefield_Record, terrain_kinds) == 924);
static_assert(offsetof(Battlefield_Record, costs) == 924 + 2 * COMBAT_GRID_CELLS);
static_assert(offsetof(Battlefield_Record, tree_count) == 924 + 6 * COMBAT_GRID_CELLS);
static_assert(offsetof(Battlefield_Record, mud) == 924 + 6 * COMBAT_GRID_CELLS + 1204);
static_assert(sizeof(Battlefield_Record) == 5532);
static_assert(sizeof(Battlefield_Record) <= 390 * 16);
