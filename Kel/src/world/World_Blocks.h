// The saved world: every world table and counter that a saved game holds, in the order of the
// file. Allocation, the saved game and every reset of the world take their tables from this list;
// a table added to the world is added here once.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "world/ALLOC.h"

// A saved game is the blocks' memory images one after another, and every record is byte-exact
// and little-endian: the images are copied whole.
static_assert(std::endian::native == std::endian::little, "saved games are memory images of little-endian records");

// X(id, name, data, element size, count, paragraphs carved by Allocate_Data_Space; 0 for a
// variable of the program itself)
#define WORLD_BLOCKS(X)                                                                                                \
    X(WB_HEROES_0, "_HEROES2[0]", _HEROES2[0], sizeof(Hero_Record), NUM_HERO_TYPES, 28)                                \
    X(WB_HEROES_1, "_HEROES2[1]", _HEROES2[1], sizeof(Hero_Record), NUM_HERO_TYPES, 27)                                \
    X(WB_HEROES_2, "_HEROES2[2]", _HEROES2[2], sizeof(Hero_Record), NUM_HERO_TYPES, 27)                                \
    X(WB_HEROES_3, "_HEROES2[3]", _HEROES2[3], sizeof(Hero_Record), NUM_HERO_TYPES, 27)                                \
    X(WB_HEROES_4, "_HEROES2[4]", _HEROES2[4], sizeof(Hero_Record), NUM_HERO_TYPES, 27)                                \
    X(WB_HEROES_5, "_HEROES2[5]", _HEROES2[5], sizeof(Hero_Record), NUM_HERO_TYPES, 27)                                \
    X(WB_NUM_PLAYERS, "_num_players", &_num_players, sizeof(int16_t), 1, 0)                                            \
    X(WB_LANDSIZE, "_landsize", &_landsize, sizeof(int16_t), 1, 0)                                                     \
    X(WB_MAGIC, "_magic", &_magic, sizeof(int16_t), 1, 0)                                                              \
    X(WB_DIFFICULTY, "_difficulty", &_difficulty, sizeof(int16_t), 1, 0)                                               \
    X(WB_CITIES_COUNT, "_cities", &_cities, sizeof(int16_t), 1, 0)                                                     \
    X(WB_UNITS_COUNT, "_units", &_units, sizeof(int16_t), 1, 0)                                                        \
    X(WB_TURN, "_turn", &_turn, sizeof(int16_t), 1, 0)                                                                 \
    X(WB_UNIT, "_unit", &_unit, sizeof(int16_t), 1, 0)                                                                 \
    X(WB_PLAYERS, "_players", _players, sizeof(Player_Record), NUM_PLAYERS, 0)                                         \
    X(WB_WORLD_MAPS, "_world_maps", _world_maps, sizeof(int16_t), NUM_PLANES *WORLD_SIZE, 602)                         \
    X(WB_GRID_LAND, "connectivity_grid_land", connectivity_grid_land, 1, CONNECTIVITY_GRID_SIZE, 14)                   \
    X(WB_GRID_SEA, "connectivity_grid_sea", connectivity_grid_sea, 1, CONNECTIVITY_GRID_SIZE, 14)                      \
    X(WB_LANDMASSES, "_landmasses", _landmasses, 1, NUM_PLANES *WORLD_SIZE, 302)                                       \
    X(WB_NODES, "_NODES", _NODES, sizeof(Node_Record), NUM_NODES, 92)                                                  \
    X(WB_FORTRESSES, "_FORTRESSES", _FORTRESSES, sizeof(Fortress_Record), NUM_FORTRESSES, 3)                           \
    X(WB_TOWERS, "_TOWERS", _TOWERS, sizeof(Tower_Record), NUM_TOWERS, 3)                                              \
    X(WB_LAIRS, "_LAIRS", _LAIRS, sizeof(Lair_Record), NUM_LAIRS, 351)                                                 \
    X(WB_ITEMS, "_ITEMS", _ITEMS, sizeof(Item_Record), NUM_ITEMS, 433)                                                 \
    X(WB_CITIES, "_CITIES", _CITIES, sizeof(City_Record), NUM_CITIES, 714)                                             \
    X(WB_UNITS, "_UNITS", _UNITS, sizeof(Unit_Record), UNIT_SAVE_RECORDS, 2028)                                        \
    X(WB_TERRAIN_SPECIALS, "_map_square_terrain_specials", _map_square_terrain_specials, 1, NUM_PLANES *WORLD_SIZE,    \
      302)                                                                                                             \
    X(WB_SQUARE_EXPLORED, "_square_explored", _square_explored, 1, NUM_PLANES *WORLD_SIZE, 302)                        \
    X(WB_MOVEMENT_MAPS, "movement_mode_cost_maps", movement_mode_cost_maps, 1, MOVEMENT_COST_MAPS_SIZE, 1802)          \
    X(WB_EVENTS, "events_table", events_table, EVENTS_RECORD_SIZE, 1, 7)                                               \
    X(WB_SQUARE_FLAGS, "_map_square_flags", _map_square_flags, 1, NUM_PLANES *WORLD_SIZE, 302)                         \
    X(WB_GRAND_VIZIER, "grand_vizier", &grand_vizier, sizeof(int16_t), 1, 0)                                           \
    X(WB_PREFAB_ITEMS, "_prefab_item_table", _prefab_item_table, 1, NUM_PREFAB_ITEMS, 17)                              \
    X(WB_HERO_NAMES, "hero_names_table", hero_names_table, sizeof(Hero_Name_Record), NUM_HERO_TYPES, 37)

enum World_Block_Id : int {
#define WORLD_BLOCK_ID(id, name, data, element_size, count, paras) id,
    WORLD_BLOCKS(WORLD_BLOCK_ID)
#undef WORLD_BLOCK_ID
        NUM_WORLD_BLOCKS
};

struct World_Block_Layout {
    const char *name;
    size_t element_size;
    size_t count;
    uint16_t paras;  // 0: not carved
};

inline constexpr World_Block_Layout WORLD_BLOCK_LAYOUTS[NUM_WORLD_BLOCKS] = {
#define WORLD_BLOCK_LAYOUT(id, name, data, element_size, count, paras) {name, element_size, count, paras},
    WORLD_BLOCKS(WORLD_BLOCK_LAYOUT)
#undef WORLD_BLOCK_LAYOUT
};

// Bytes the block holds in a saved game.
constexpr size_t World_Block_Bytes(int id)
{
    return WORLD_BLOCK_LAYOUTS[id].element_size * WORLD_BLOCK_LAYOUTS[id].count;
}

// Where the block starts in a saved game.
constexpr size_t World_Block_Offset(int id)
{
    size_t offset = 0;
    for (int i = 0; i < id; i++) offset += World_Block_Bytes(i);
    return offset;
}

// The whole area the block owns: its carved paragraphs, or the variable itself.
constexpr size_t World_Block_Area_Bytes(int id)
{
    return WORLD_BLOCK_LAYOUTS[id].paras != 0 ? (size_t)WORLD_BLOCK_LAYOUTS[id].paras * 16 : World_Block_Bytes(id);
}

constexpr bool World_Blocks_Fit_Their_Carves(void)
{
    for (int i = 0; i < NUM_WORLD_BLOCKS; i++) {
        if (World_Block_Area_Bytes(i) < World_Block_Bytes(i)) return false;
    }
    return true;
}
static_assert(World_Blocks_Fit_Their_Carves(), "a world block holds more than its carve");
static_assert(WORLD_BLOCK_LAYOUTS[WB_HEROES_5].count == WORLD_BLOCK_LAYOUTS[WB_HEROES_0].count &&
              WB_HEROES_5 - WB_HEROES_0 == NUM_PLAYERS - 1);

// The block's first byte in memory (null before Allocate_Data_Space for carved blocks).
void *World_Block_Data(World_Block_Id id);
// Sets the saved bytes of the block to one value.
void World_Block_Fill(World_Block_Id id, uint8_t value);
