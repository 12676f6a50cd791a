// The computer players' path cache: routes already searched, kept until a move along one fails.
#pragma once

#include <cstddef>
#include <cstdint>

#include "world/ALLOC.h"

constexpr int AI_MOVE_PATH_ENTRIES = 140;
constexpr int AI_MOVE_PATH_STEPS = 35;
// The entries a resumed game frees; those behind them keep what they held.
constexpr int AI_MOVE_PATH_ENTRIES_FREED = 100;

#pragma pack(push, 1)
struct AI_Move_Path_Record {
    int16_t from_x;  // -1: a free entry
    int16_t from_y;
    int16_t to_x;
    int16_t to_y;
    int16_t plane;
    int16_t count;
    uint8_t x[AI_MOVE_PATH_STEPS];
    uint8_t y[AI_MOVE_PATH_STEPS];
    uint8_t cost[AI_MOVE_PATH_STEPS];
    uint8_t spare_117;
};
#pragma pack(pop)
static_assert(sizeof(AI_Move_Path_Record) == 118);
static_assert(offsetof(AI_Move_Path_Record, x) == 12);
static_assert(offsetof(AI_Move_Path_Record, cost) == 82);
static_assert(AI_MOVE_PATH_ENTRIES * sizeof(AI_Move_Path_Record) == AI_MOVE_PATH_CACHE_SIZE);

// The entry found by the last lookup or chosen by the last store; -1 for none.
extern int16_t _ai_move_path_idx;
extern int16_t dbg_ai_move_path_cache_hits;
extern int16_t dbg_ai_move_path_cache_misses;

inline AI_Move_Path_Record *AI_Move_Path_Entries(void)
{
    return reinterpret_cast<AI_Move_Path_Record *>(_ai_move_path_table);
}

// The entry for from, to and plane (the last match among the entries in use up to the first
// free one), or -1; sets _ai_move_path_idx and counts the hit or miss.
int16_t AI_Move_Path_Lookup(int16_t from_x, int16_t from_y, int16_t to_x, int16_t to_y, int16_t plane);

// Keeps the rest of a route for a computer player: the steps after the stack's square up to the
// destination, both found among the first 35 steps of the path.
void Cache_AI_Move_Path(int16_t player_idx, int16_t from_x, int16_t from_y, int16_t to_x, int16_t to_y, int16_t plane,
                        const uint8_t *path_x, const uint8_t *path_y, const uint8_t *path_cost);

// Frees the entry of the last lookup.
void Invalidate_AI_Move_Path(void);

// Frees the first 100 entries and forgets the last lookup, for a game just loaded: the table
// begins as zero bytes, which would read as entries in use from square (0,0).
void Free_AI_Move_Path_Entries(void);
