#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ORV2.h"
#include "random.h"

namespace {

void Reset_Generator(uint32_t state)
{
    random_seed = state;
    _cmd_line_seed = 0;
    _cmd_line_seed2 = 0;
}

}  // namespace

// Reference values worked out by hand-stepping the nine-bit feedback register from the load state.
TEST(Random, DrawsFromLoadStateAreTheKnownSequence)
{
    Reset_Generator(RANDOM_LOAD_STATE);
    std::vector<int> draws;
    for (int i = 0; i < 8; ++i) draws.push_back(Random(100));
    EXPECT_EQ(draws, (std::vector<int>{86, 9, 6, 98, 1, 66, 99, 27}));
    EXPECT_EQ(Get_Random_Seed(), 0x55A7E081u);

    Reset_Generator(16);
    draws.clear();
    for (int i = 0; i < 5; ++i) draws.push_back(Random(6));
    EXPECT_EQ(draws, (std::vector<int>{3, 1, 2, 6, 2}));
    EXPECT_EQ(Get_Random_Seed(), 0xFFDDA000u);
}

// The register stepped bit by bit, nine steps a draw, against the generator: every state below
// 65,536 (some restart from zero), single bits set and cleared, and a spread of others.
TEST(Random, NineStepsAtOnceMatchTheRegisterSteppedBitByBit)
{
    uint64_t mix = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < 1000000; ++i) {
        mix ^= mix << 13, mix ^= mix >> 7, mix ^= mix << 17;
        uint32_t state = i < 65536   ? (uint32_t)i
                         : i < 65600 ? (i < 65568 ? 1u << (i - 65536) : ~(1u << (i - 65568)))
                                     : (uint32_t)mix;
        if (state == 0) continue;
        uint32_t s = state;
        uint16_t value = 0;
        for (int step = 0; step < 9; ++step) {
            uint32_t bit = (s ^ (s >> 1) ^ (s >> 2) ^ (s >> 4) ^ (s >> 6) ^ (s >> 31)) & 1u;
            value = (uint16_t)(value * 2 + bit);
            s = (s >> 1) | (bit << 31);
        }
        if (s == 0) s = RANDOM_ZERO_RESTART;
        random_seed = state;
        ASSERT_EQ(Random(512), value + 1) << std::hex << state;
        ASSERT_EQ(Get_Random_Seed(), s) << std::hex << state;
    }
}

TEST(Random, RangeOfOneStillAdvancesTheState)
{
    Reset_Generator(RANDOM_LOAD_STATE);
    Random(100);
    uint32_t after_one_draw = Get_Random_Seed();
    Reset_Generator(RANDOM_LOAD_STATE);
    EXPECT_EQ(Random(1), 1);
    EXPECT_EQ(Get_Random_Seed(), after_one_draw);
}

TEST(Random, ZeroStateRestartsFrom30BE)
{
    Reset_Generator(0);
    EXPECT_EQ(Random(10), 1);
    EXPECT_EQ(Get_Random_Seed(), RANDOM_ZERO_RESTART);
}

TEST(Random, NonPositiveRangeGivesOneWithoutDrawing)
{
    for (int16_t n : {0, -1, -32768}) {
        Reset_Generator(RANDOM_LOAD_STATE);
        EXPECT_EQ(Random_at(n, "here.cpp", 12, "Caller"), 1) << n;
        EXPECT_EQ(Get_Random_Seed(), RANDOM_LOAD_STATE) << n;
    }
}

TEST(Random, RangesAbove512AreCappedAt512)
{
    Reset_Generator(RANDOM_LOAD_STATE);
    int highest = 0;
    for (int i = 0; i < 5000; ++i) {
        int r = Random(1000);
        ASSERT_GE(r, 1);
        highest = std::max(highest, r);
    }
    EXPECT_EQ(highest, 512);
}

TEST(Random, SeedChangesStartNewTraceSegments)
{
    Reset_Generator(RANDOM_LOAD_STATE);
    Set_Random_Seed(RANDOM_LOAD_STATE);
    uint64_t segment = g_rng_segment;
    RANDOM(10);
    RANDOM(10);
    EXPECT_EQ(g_rng_seg_idx, 2u);
    Set_Random_Seed(99);
    EXPECT_EQ(g_rng_segment, segment + 1);
    EXPECT_EQ(g_rng_seg_idx, 0u);
    EXPECT_EQ(Get_Random_Seed(), 99u);
    Randomize();
    EXPECT_EQ(g_rng_segment, segment + 2);
}

TEST(Random, TraceLineOnlyWithCommandLineSeed)
{
    Reset_Generator(RANDOM_LOAD_STATE);
    testing::internal::CaptureStderr();
    Random_at(100, "file.cpp", 7, "Quiet");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    Reset_Generator(RANDOM_LOAD_STATE);
    _cmd_line_seed = 16;
    uint64_t call = g_random_call_count + 1;
    testing::internal::CaptureStderr();
    Random_at(100, "file.cpp", 7, "Loud");
    std::string line = testing::internal::GetCapturedStderr();
    char expected[256];
    snprintf(
        expected, sizeof expected,
        "[RNG-CALL] seg=%lu  sidx=%lu  call=%llu  n=100  before=0x35683568  after=0x%08X  result=86  func=Loud  at=file.cpp:7\n",
        (unsigned long)g_rng_segment, (unsigned long)g_rng_seg_idx, (unsigned long long)call, Get_Random_Seed());
    EXPECT_EQ(line, expected);
    _cmd_line_seed = 0;
}

TEST(Weighted_Choice, HalvesTheCallersWeightsUntilTheSumIsBelow512)
{
    Reset_Generator(RANDOM_LOAD_STATE);
    uint16_t weights[2] = {600, 600};
    int16_t index = Get_Weighted_Choice(weights, 2);
    EXPECT_EQ(weights[0], 150);
    EXPECT_EQ(weights[1], 150);
    EXPECT_TRUE(index == 0 || index == 1);

    int32_t long_weights[3] = {1000, 0, 24};
    Get_Weighted_Choice_Long(long_weights, 3);
    EXPECT_EQ(long_weights[0], 250);
    EXPECT_EQ(long_weights[2], 6);
}

TEST(Weighted_Choice, AllZeroGivesIndexZeroWithoutDrawing)
{
    Reset_Generator(RANDOM_LOAD_STATE);
    uint16_t weights[3] = {0, 0, 0};
    EXPECT_EQ(Get_Weighted_Choice(weights, 3), 0);
    int32_t long_weights[2] = {0, 0};
    EXPECT_EQ(Get_Weighted_Choice_Long(long_weights, 2), 0);
    EXPECT_EQ(Get_Random_Seed(), RANDOM_LOAD_STATE);
}

TEST(Weighted_Choice, OnlyWeightedIndicesAreChosen)
{
    Reset_Generator(RANDOM_LOAD_STATE);
    int counts[4] = {};
    for (int i = 0; i < 400; ++i) {
        uint16_t weights[4] = {0, 1, 0, 3};
        ++counts[Get_Weighted_Choice(weights, 4)];
    }
    EXPECT_EQ(counts[0] + counts[2], 0);
    EXPECT_GT(counts[3], counts[1]);
    EXPECT_GT(counts[1], 0);
}

// A 16-bit running sum would wrap from 511 + 65,535 to 510 and skip the halving.
TEST(Weighted_Choice, LargeWeightsAreHalvedRatherThanWrapped)
{
    Reset_Generator(RANDOM_LOAD_STATE);
    uint16_t weights[2] = {511, 65535};
    Get_Weighted_Choice(weights, 2);
    EXPECT_LT(weights[0] + weights[1], 512);
}

struct Seed_Case {
    std::vector<const char *> args;
    int32_t seed1;
    int32_t seed2;
};

TEST(Command_Line, ReadsSeedsAsStrtolBaseZero)
{
    const Seed_Case cases[] = {
        {{"tolva", "ZOLAN", "--headless", "--seed1", "0x10"}, 16, 0},
        {{"tolva", "--seed2", "010", "--seed1", "42"}, 42, 8},
        {{"tolva", "--seed1", "-5"}, -5, 0},
        {{"tolva", "--seed1", "0xFFFFFFFF"}, -1, 0},
        {{"tolva", "--seed1"}, 0, 0},
        {{"tolva", "--seed1", "--seed2", "3"}, 0, 0},
    };
    for (const Seed_Case &c : cases) {
        _cmd_line_seed = 0;
        _cmd_line_seed2 = 0;
        std::vector<char *> argv;
        for (const char *a : c.args) argv.push_back(const_cast<char *>(a));
        Check_Command_Line_Parameters_((int)argv.size(), argv.data());
        EXPECT_EQ(_cmd_line_seed, c.seed1) << c.args.back();
        EXPECT_EQ(_cmd_line_seed2, c.seed2) << c.args.back();
    }
    _cmd_line_seed = 0;
    _cmd_line_seed2 = 0;
}
