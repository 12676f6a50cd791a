// The one deterministic generator behind all chance in the game, with a per-draw trace when a
// seed was given on the command line.
#pragma once

#include <cstdint>

constexpr uint32_t RANDOM_LOAD_STATE = 0x35683568;
constexpr uint32_t RANDOM_ZERO_RESTART = 0x30BE;

extern uint32_t random_seed;
extern uint64_t g_random_call_count;
extern uint64_t g_rng_segment;
extern uint64_t g_rng_seg_idx;

// A draw from 1 to n (n above 512 still gives at most 512). n of 0 or below logs an error and gives 1.
int16_t Random(int16_t n);
int16_t Random_at(int16_t n, const char *file, int line, const char *function);
#define RANDOM(n) Random_at((n), __FILE__, __LINE__, __func__)

void Set_Random_Seed(uint32_t seed);
uint32_t Get_Random_Seed(void);
void Randomize(void);

// Index chosen with probability proportional to its weight. Weights whose sum reaches 512 are
// halved in the caller's array until it does not.
int16_t Get_Weighted_Choice(uint16_t *weights, int16_t count);
int16_t Get_Weighted_Choice_Long(int32_t *weights, int16_t count);
