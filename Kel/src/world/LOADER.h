// Rule tables: spells, buildings, terrain movement costs, the race-relation unrest table and the
// unit types' upkeep.
#pragma once

#include <cstdint>

#include "world/Building_Data_Record.h"
#include "world/Spell_Data_Record.h"

constexpr int NUM_TERRAIN_STATS = 770;
constexpr int TERRAIN_STATS_RECORD_SIZE = 6;
constexpr int NUM_UNREST_RACES = 14;
constexpr int UNREST_TABLE_SIZE = NUM_UNREST_RACES * NUM_UNREST_RACES;

// ---- rule tables ----
// 770 records of 6 movement costs, indexed by the raw terrain value (not reduced modulo 762); byte k
// is the cost in movement map k: 0 (read by no path search), 1 walking, 2 forester, 3 mountaineer,
// 4 swimming, 5 sailing.
extern uint8_t *terrain_stats_table;
extern int8_t *TBL_Unrest[NUM_UNREST_RACES];  // [capital race][city race]

void Load_TERRSTAT(void);
void Load_SPELLDAT(void);
void Load_BUILDDAT(void);
void Units_Upkeeps(void);

// Loads count records of size bytes from the start of a record-table entry into a new area, after
// checking the entry's own record size and count: a short or mis-sized table would otherwise be
// indexed past its end. Any mismatch ends the program with the archive's "incorrect record size".
uint8_t *Load_Rule_Table(const char *lbx_name, int16_t entry, int16_t count, int16_t size);
