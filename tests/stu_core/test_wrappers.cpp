#include <gtest/gtest.h>

#include "STU_SHA256.h"
#include "STU_Wrappers.h"

TEST(Stack_Garbage, XorshiftSequenceFromLoadState)
{
    stack_garbage_state = 0x5354524Bu;
    uint32_t x = 0x5354524Bu;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    EXPECT_EQ(Stack_Garbage(), (int16_t)(x >> 16));
    uint32_t before = stack_garbage_state;
    EXPECT_EQ(Stack_Garbage_Range(5, 5), 5);
    EXPECT_EQ(Stack_Garbage_Range(5, 2), 5);
    EXPECT_EQ(stack_garbage_state, before);
    for (int i = 0; i < 100; i++) {
        int16_t v = Stack_Garbage_Range(-3, 4);
        EXPECT_GE(v, -3);
        EXPECT_LE(v, 4);
    }
}

TEST(Wrappers, NumberToText)
{
    char buf[80];
    struct Row {
        int value, base;
        const char *text;
    } rows[] = {{-5, 10, "-5"}, {255, 16, "ff"}, {7, 1, ""}, {-1, 16, "ffffffff"}, {35, 36, "z"}, {0, 2, "0"}};
    for (const Row &r : rows) EXPECT_STREQ(stu_itoa(r.value, buf, r.base), r.text) << r.value << " base " << r.base;
    EXPECT_STREQ(stu_ltoa(INT64_MIN, buf, 10), "-9223372036854775808");
    EXPECT_STREQ(stu_ultoa(UINT64_MAX, buf, 16), "ffffffffffffffff");
}

TEST(Wrappers, NullTolerantStrings)
{
    EXPECT_EQ(stu_strcmp(nullptr, "a"), -1);
    EXPECT_EQ(stu_strcmp("a", nullptr), 1);
    EXPECT_EQ(stu_strcmp(nullptr, nullptr), 0);
    EXPECT_EQ(stu_strlen(nullptr), 0u);
    EXPECT_EQ(stu_stricmp("Fonts.LBX", "FONTS.lbx"), 0);
    EXPECT_LT(stu_stricmp("abc", "ABD"), 0);
    EXPECT_EQ(stu_strnicmp("VelmoraX", "velmoraY", 7), 0);
    char *end = reinterpret_cast<char *>(1);
    EXPECT_EQ(stu_strtol(nullptr, &end, 10), 0);
    EXPECT_EQ(end, nullptr);
    char dst[8] = "ab";
    EXPECT_EQ(stu_strcat(dst, nullptr), dst);
    EXPECT_STREQ(dst, "ab");
}

TEST(Wrappers, DatetimeIsUtcAndLeavesTimeZoneAlone)
{
    setenv("TZ", "Asia/Tokyo", 1);
    char stamp[32];
    get_datetime(stamp);
    EXPECT_STREQ(getenv("TZ"), "Asia/Tokyo");
    time_t now = time(nullptr);
    struct tm utc;
    gmtime_r(&now, &utc);
    char expected[32];
    strftime(expected, sizeof expected, "%Y-%m-%dT%H:", &utc);
    EXPECT_EQ(std::string(stamp, 14), std::string(expected)) << stamp;
    EXPECT_EQ(strlen(stamp), 20u);
    unsetenv("TZ");
}

TEST(SHA256, KnownDigests)
{
    struct Row {
        std::string input;
        const char *digest;
    } rows[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const Row &r : rows) {
        SHA256_State state;
        STU_SHA256_Init(&state);
        // Feed in uneven pieces to cross block boundaries.
        size_t pos = 0, step = 1;
        while (pos < r.input.size()) {
            size_t n = std::min(step, r.input.size() - pos);
            STU_SHA256_Update(&state, r.input.data() + pos, n);
            pos += n;
            step = step * 3 + 1;
        }
        char hex[65];
        STU_SHA256_Final_Hex(&state, hex);
        EXPECT_STREQ(hex, r.digest) << r.input.substr(0, 20);
    }
    EXPECT_EQ(STU_SHA256_Stream(nullptr, nullptr), 0);
}
