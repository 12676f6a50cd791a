// The computer wizards' landmasses ("continents"): gathering squares and types, the square lists of
// every landmass and its coast, the per-square evaluation map, the war landmass, and small services
// on spells and orders.
#pragma once

#include <cstdint>

constexpr int AI_CONT_LANDMASSES = 60;
constexpr int AI_CONT_WIZARDS = 5;
constexpr int AI_LIST_CAPACITY = 1600;
constexpr int AI_STACK_UNITS_MAX = 16;
constexpr int AI_STACK_TABLE_MAX = 80;

// Evaluation-map bits: the low 14 bits are the summed strength on the square.
constexpr uint16_t AI_EVAL_STRENGTH_MASK = 0x3FFF;
constexpr uint16_t AI_EVAL_FRIENDLY_UNIT = 0x4000;
constexpr uint16_t AI_EVAL_SITE = 0x8000;

// Landmass types.
enum AI_Landmass_Type : uint8_t {
    ait_Held = 1,
    ait_Contested = 2,
    ait_No_Own_City = 3,
    ait_Unusable = 4,
    ait_Expedition = 5,
    ait_No_Target = 6,
};

// Per plane and wizard slot, by landmass number (0 the ocean). Zero at start, not saved.
struct AI_Continents {
    uint8_t wx[2][AI_CONT_WIZARDS][AI_CONT_LANDMASSES];
    uint8_t wy[2][AI_CONT_WIZARDS][AI_CONT_LANDMASSES];
    uint8_t type[2][AI_CONT_WIZARDS][AI_CONT_LANDMASSES];
};
static_assert(sizeof(AI_Continents) == 1800);
extern AI_Continents _ai_continents;

// A plane's list of squares by landmass: -1 ends a list and marks an empty head.
struct AI_Square_List {
    uint8_t wx[AI_LIST_CAPACITY];
    uint8_t wy[AI_LIST_CAPACITY];
    int16_t next[AI_LIST_CAPACITY];
    int16_t heads[AI_CONT_LANDMASSES];
};

// The continent block, addressable after CONTXXX_Map.
struct AI_Continent_Block {
    AI_Square_List land[2];
    AI_Square_List dock[2];
    uint16_t evaluation_map[2][2400];
    int16_t own_stack_wx[AI_STACK_TABLE_MAX];
    int16_t own_stack_wy[AI_STACK_TABLE_MAX];
    int16_t own_stack_wp[AI_STACK_TABLE_MAX];
    int16_t own_stack_type[AI_STACK_TABLE_MAX];
    int16_t own_stack_unit_count[AI_STACK_TABLE_MAX];
    int16_t own_stack_unit_list[AI_STACK_TABLE_MAX][AI_STACK_UNITS_MAX];
};

// Maps the continent block and returns it.
AI_Continent_Block *CONTXXX_Map(void);
// The block as last mapped (null before the first map).
AI_Continent_Block *AI_Continent_Data(void);

// Evaluation-map word of a square; 0 off the map.
uint16_t AI_Evaluation_Value(int16_t wx, int16_t wy, int16_t wp);

// 1 when the player does NOT know the spell (status other than 2); 0 for a known one or spell 0.
int16_t Player_Knows_Spell(int16_t player_idx, int16_t spell_idx);
int16_t Player_Known_Spell_Count(int16_t player_idx);

void AI_Evaluation_Map(int16_t player_idx);
void AI_Evaluate_Continents(int16_t player_idx);
void AI_Choose_War_Landmass(int16_t player_idx);
