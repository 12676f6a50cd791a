// The faces of the diplomacy arrays of Player_Record: treaty kinds, personalities, relation
// labels and the modifiers the diplomacy rules share. The arrays themselves are read and written
// in place through _players; the relation and treaty of a pair always hold the same value in both
// records of the pair.
#pragma once

#include <cstdint>

#include "world/Player_Record.h"

enum Treaty_Type : uint8_t {
    tt_None = 0,
    tt_Wizard_Pact = 1,
    tt_Alliance = 2,
    tt_War = 3,
    tt_Final_War = 4,
};
constexpr int NUM_TREATY_TYPES = 5;

constexpr int DIPL_RELATION_MIN = -100;
constexpr int DIPL_RELATION_MAX = 100;
constexpr int NUM_RELATION_LABELS = 11;
constexpr int DIPL_LABEL_SIZE = 9;

extern const char diplo_state[NUM_RELATION_LABELS][DIPL_LABEL_SIZE];
extern const char *const _treaty_type_names[NUM_TREATY_TYPES];
// Willingness added by personality; a personality outside 0..5 adds nothing.
extern const int16_t TBL_AI_PRS_IDK_Mod[NUM_PERSONALITIES];
int16_t Diplomacy_Personality_Mod(int16_t personality);

// The band 0 ("Hate") .. 10 ("Harmony") of a relation, which names it and picks the eyes of the
// audience. A stored byte may hold anything, so the relation is clamped to -100..100 first.
int16_t Diplomacy_Relation_Band(int16_t relation);
const char *Diplomacy_Relation_Label(int16_t relation);
// "No Treaty" for a value outside the table.
const char *Diplomacy_Treaty_Name(int16_t treaty);

// True for 0..5, the indices the diplomacy arrays have.
bool Diplomacy_Valid_Player(int16_t player_idx);

// Writers of the values a pair shares: both records get the same value. Relations are clamped to
// -100..100; indices outside 0..5 write nothing.
void Diplomacy_Set_Pair_Relation(int16_t a, int16_t b, int32_t relation);
void Diplomacy_Set_Pair_Treaty(int16_t a, int16_t b, uint8_t treaty);
// a's relation toward b copied into b's entry toward a.
void Diplomacy_Mirror_Relation(int16_t a, int16_t b);

// Saturating adds for the patience words and the signed bytes of the tables.
void Diplomacy_Add_I16(int16_t &field, int32_t amount);
void Diplomacy_Add_I8(int8_t &field, int32_t amount);
// A fresh countdown of 16..25 turns before the computer player weighs its hostility again.
void Diplomacy_Reset_Hostility_Countdown(int16_t player_idx);
