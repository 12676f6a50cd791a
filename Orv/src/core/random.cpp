#include "random.h"

#include <cstdio>

#include "Core_Services.h"
#include "ORV2.h"
#include "STU_Log.h"

uint32_t random_seed = RANDOM_LOAD_STATE;
uint64_t g_random_call_count = 0;
uint64_t g_rng_segment = 0;
uint64_t g_rng_seg_idx = 0;

namespace {

struct Reversed_9_Bits {
    uint16_t v[512];
    constexpr Reversed_9_Bits() : v()
    {
        for (int i = 0; i < 512; ++i) {
            for (int b = 0; b < 9; ++b) {
                if (i & (1 << b)) v[i] = (uint16_t)(v[i] | (1 << (8 - b)));
            }
        }
    }
    constexpr uint16_t operator[](uint32_t i) const { return v[i]; }
};
constexpr Reversed_9_Bits m_reversed_9_bits;

int16_t Random_Draw(int16_t n, const char *caller, const char *file, int line)
{
    if (n <= 0) {
        // The DOS engine ended the program here ("RND no 0's"); a bad range is a caller's
        // fault that the game survives, so it is logged and the smallest result given.
        STU_LOG(SEV_ERROR, LC_RANDOM, "RND no 0's: Random(%d) called by %s at %s:%d; result 1", (int)n,
                caller != nullptr ? caller : "?", file != nullptr ? file : "?", line);
        return 1;
    }
    // Nine steps of the feedback register at once. Step k feeds back s_k ^ s_k+1 ^ s_k+2 ^ s_k+4 ^
    // s_k+6 ^ (the bit fed back by step k - 1, s_31 for the first step), so the nine bits fed back
    // are a running XOR of the taps; the first one fed back is the value's highest bit.
    uint32_t s = random_seed;
    uint32_t fed = (s ^ (s >> 1) ^ (s >> 2) ^ (s >> 4) ^ (s >> 6)) & 0x1FFu;
    fed ^= fed << 1;
    fed ^= fed << 2;
    fed ^= fed << 4;
    fed ^= fed << 8;
    fed &= 0x1FFu;
    if (s >> 31) fed ^= 0x1FFu;
    uint16_t value = m_reversed_9_bits[fed];
    s = (s >> 9) | (fed << 23);
    if (s == 0) s = RANDOM_ZERO_RESTART;
    random_seed = s;
    return (int16_t)((int16_t)value % n + 1);
}

}  // namespace

int16_t Random(int16_t n) { return Random_Draw(n, "?", "?", 0); }

int16_t Random_at(int16_t n, const char *file, int line, const char *function)
{
    ++g_random_call_count;
    ++g_rng_seg_idx;
    uint32_t before = random_seed;
    int16_t result = Random_Draw(n, function, file, line);
    if (_cmd_line_seed != 0) {
        const char *func = function != nullptr ? function : "?";
        const char *at = file != nullptr ? file : "?";
        fprintf(
            stderr,
            "[RNG-CALL] seg=%lu  sidx=%lu  call=%llu  n=%d  before=0x%08X  after=0x%08X  result=%d  func=%s  at=%s:%d\n",
            (unsigned long)g_rng_segment, (unsigned long)g_rng_seg_idx, (unsigned long long)g_random_call_count, (int)n,
            before, random_seed, (int)result, func, at, line);
        STU_LOG(
            SEV_INFO, LC_RANDOM,
            "[RNG-CALL] seg=%lu  sidx=%lu  call=%llu  n=%d  before=0x%08X  after=0x%08X  result=%d  caller=%s  caller_at=%s:%d",
            (unsigned long)g_rng_segment, (unsigned long)g_rng_seg_idx, (unsigned long long)g_random_call_count, (int)n,
            before, random_seed, (int)result, func, at, line);
    }
    return result;
}

void Set_Random_Seed(uint32_t seed)
{
    ++g_rng_segment;
    g_rng_seg_idx = 0;
    STU_LOG(SEV_INFO, LC_RANDOM, "[RNG] Set_Random_Seed(0x%08X = %u)  (was 0x%08X)  seg=%lu  random_calls=%llu", seed,
            seed, random_seed, (unsigned long)g_rng_segment, (unsigned long long)g_random_call_count);
    random_seed = seed;
}

uint32_t Get_Random_Seed(void) { return random_seed; }

void Randomize(void)
{
    uint32_t timer = Core_Read_Clock();
    ++g_rng_segment;
    g_rng_seg_idx = 0;
    STU_LOG(SEV_INFO, LC_RANDOM,
            "[RNG] Randomize() called  timer=0x%08X  (clobbers prior seed 0x%08X)  seg=%lu  random_calls=%llu", timer,
            random_seed, (unsigned long)g_rng_segment, (unsigned long long)g_random_call_count);
    random_seed = timer;
}

int16_t Get_Weighted_Choice(uint16_t *weights, int16_t count)
{
    if (weights == nullptr || count <= 0) return 0;
    // The sum is kept wide: a 16-bit sum could wrap past 512 and skip the halving.
    uint32_t total = 0;
    for (int i = 0; i < count; ++i) {
        total += weights[i];
        if (total >= 512) {
            for (int k = 0; k < count; ++k) weights[k] = (uint16_t)(weights[k] >> 1);
            total = 0;
            i = -1;
        }
    }
    if (total == 0) return 0;
    int32_t r = RANDOM((int16_t)total);
    for (int i = 0; i < count; ++i) {
        r -= weights[i];
        if (r <= 0) return (int16_t)i;
    }
    return (int16_t)(count - 1);
}

int16_t Get_Weighted_Choice_Long(int32_t *weights, int16_t count)
{
    if (weights == nullptr || count <= 0) return 0;
    int64_t total = 0;
    for (int i = 0; i < count; ++i) {
        total += weights[i];
        if (total >= 512) {
            for (int k = 0; k < count; ++k) weights[k] = weights[k] / 2;
            total = 0;
            i = -1;
        }
    }
    if (total <= 0) return 0;
    int64_t r = RANDOM((int16_t)total);
    for (int i = 0; i < count; ++i) {
        r -= weights[i];
        if (r <= 0) return (int16_t)i;
    }
    return (int16_t)(count - 1);
}
