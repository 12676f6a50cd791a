// The saved game: the world records written one after another, without header, in a fixed order.
#pragma once

#include <cstddef>
#include <cstdint>

#include "world/ALLOC.h"

constexpr int32_t SAVE_GAM_SIZE = 123300;
constexpr int32_t SAVE_GAM_SIZE_NO_HERO_NAMES = 122740;  // an older form without the hero names
constexpr int16_t SAVE_GAM_SLOT_TEST = -1;               // SAVETEST.GAM
constexpr int16_t SAVE_GAM_SLOT_CONTINUE = 8;            // SAVE9.GAM

// Byte offsets of the blocks of the image.
constexpr int32_t SGO_HEROES = 0;
constexpr int32_t SGO_NUM_PLAYERS = 2520;
constexpr int32_t SGO_LANDSIZE = 2522;
constexpr int32_t SGO_MAGIC = 2524;
constexpr int32_t SGO_DIFFICULTY = 2526;
constexpr int32_t SGO_CITIES_COUNT = 2528;
constexpr int32_t SGO_UNITS_COUNT = 2530;
constexpr int32_t SGO_TURN = 2532;
constexpr int32_t SGO_UNIT = 2534;
constexpr int32_t SGO_PLAYERS = 2536;
constexpr int32_t SGO_WORLD_MAPS = 9880;
constexpr int32_t SGO_GRID_LAND = 19480;
constexpr int32_t SGO_GRID_SEA = 19672;
constexpr int32_t SGO_LANDMASSES = 19864;
constexpr int32_t SGO_NODES = 24664;
constexpr int32_t SGO_FORTRESSES = 26104;
constexpr int32_t SGO_TOWERS = 26128;
constexpr int32_t SGO_LAIRS = 26152;
constexpr int32_t SGO_ITEMS = 28600;
constexpr int32_t SGO_CITIES = 35500;
constexpr int32_t SGO_UNITS = 46900;
constexpr int32_t SGO_TERRAIN_SPECIALS = 79188;
constexpr int32_t SGO_SQUARE_EXPLORED = 83988;
constexpr int32_t SGO_MOVEMENT_MAPS = 88788;
constexpr int32_t SGO_EVENTS = 117588;
constexpr int32_t SGO_SQUARE_FLAGS = 117688;
constexpr int32_t SGO_GRAND_VIZIER = 122488;
constexpr int32_t SGO_PREFAB_ITEMS = 122490;
constexpr int32_t SGO_HERO_NAMES = 122740;

// The --load file name; used by the next load in place of the slot's name, then forgotten.
extern const char *g_load_save_gam_name_override;

// Writes the world to "SAVE<slot + 1>.GAM" (slot 0..8) or "SAVETEST.GAM" (-1) through a temporary
// file and a rename, then for slots 0..7 marks the slot in magic_set and rewrites RAROZ.SET.
// 1 when the game was saved; 0 leaves any old file as it was.
int16_t Save_SAVE_GAM(int16_t slot);

// Reads a saved game into the world records. The whole file is read and checked first; a missing
// or refused file leaves the live world untouched and returns 0 (the reason is in the log and in
// Load_SAVE_GAM_Refusal()). 1 when loaded.
int16_t Load_SAVE_GAM(int16_t slot);
const char *Load_SAVE_GAM_Refusal(void);
// Shows a failed save or load to the player through the service the screens install
// (Army_Warn_Player; the world rules draw nothing); without it (tests, tools) the log and standard
// error are all there is.
void LOADSAVE_Warn_Player(const char *text);

// The image of the live world (SAVE_GAM_SIZE bytes).
void Save_Game_Write_Image(uint8_t *image);
// Checks an image before anything is adopted: its size, and the counters and indices that the
// rules index tables with. 1 when acceptable; else 0 with the reason in why.
int Save_Game_Check_Image(const uint8_t *image, size_t size, char *why, int why_size);
// Repairs, in a checked image, the unit fields that lines and tables are indexed by: a destination
// or road start off the map, road turns below -1, a level outside 0..8 (each logged at WARN).
// Returns the number of units repaired.
int Save_Game_Repair_Image(uint8_t *image, size_t size);
// Copies a checked image into the live records; the short form gets an empty hero-name table.
void Save_Game_Read_Image(const uint8_t *image, size_t size);
