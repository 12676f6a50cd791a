#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "Allocate.h"

TEST(Pool, GuardModeFollowsTheEnvironment)
{
    struct Case {
        const char *value;  // nullptr: unset
        int guards;
    } cases[] = {{nullptr, 0}, {"", 0}, {"0", 0}, {"00", 0}, {"1", 1}, {"yes", 1}};
    for (const Case &c : cases) {
        if (c.value == nullptr)
            unsetenv("TOLVA_POOL_GUARDS");
        else
            setenv("TOLVA_POOL_GUARDS", c.value, 1);
        Pool_Init();
        EXPECT_EQ(Pool_Guards_Enabled(), c.guards) << (c.value ? c.value : "(unset)");
    }
    unsetenv("TOLVA_POOL_GUARDS");
}

TEST(Pool, CarvesBumpTheOffsetAndReadAsFill)
{
    Pool_Init_Guard_Mode(0);
    uint8_t *a = Pool_Carve(100);
    uint8_t *b = Pool_Carve(16);
    EXPECT_EQ(b - a, 100);
    EXPECT_EQ(Pool_Bytes_Used(), POOL_LEAD_GUARD + 116);
    EXPECT_EQ(Pool_Bytes_Free(), POOL_ARENA_SIZE - POOL_LEAD_GUARD - 116);
    EXPECT_EQ(Pool_Arena_Count(), 2);
    EXPECT_EQ(a[0], 0xCC);
    EXPECT_EQ(a[99], 0xCC);
    EXPECT_EQ(Pool_Check_Guards(nullptr, 0), 0);

    Pool_Init_Guard_Mode(1);
    a = Pool_Carve(100);
    b = Pool_Carve(16);
    EXPECT_EQ(b - a, 100 + (int)POOL_GUARD_BYTES);
    EXPECT_EQ(Pool_Bytes_Peak(), POOL_LEAD_GUARD + 116 + 2 * POOL_GUARD_BYTES);
}

TEST(Pool, OverrunIsReportedUntilGuardsAreReset)
{
    setenv("TOLVA_POOL_GUARDS", "1", 1);
    Pool_Init();
    unsetenv("TOLVA_POOL_GUARDS");
    Pool_Carve(32);
    Pool_Note_Carve_Site("Orv/src/Somewhere", 77);
    Pool_Note_Carve_Label("A_VERY_LONG_LABEL_NAME", 4);
    uint8_t *carve = Pool_Carve(40);
    EXPECT_EQ(Pool_Check_Guards(nullptr, 0), 0);

    carve[40] = 0;  // one byte past the carve
    Pool_Guard_Report reports[4];
    ASSERT_EQ(Pool_Check_Guards(reports, 4), 1);
    EXPECT_EQ(reports[0].guard, 1);
    EXPECT_EQ(reports[0].arena_start, carve);
    EXPECT_EQ(reports[0].arena_size, 40u);
    EXPECT_STREQ(reports[0].source_file, "Orv/src/Somewhere");
    EXPECT_EQ(reports[0].source_line, 77);
    EXPECT_STREQ(reports[0].label, "A_VERY_LONG_LAB");
    EXPECT_EQ(reports[0].label_entry, 4);
    EXPECT_EQ(reports[0].first_changed_byte, 0u);
    EXPECT_EQ(reports[0].changed_bytes, 1);

    Pool_Reset_Guards();
    EXPECT_EQ(Pool_Check_Guards(reports, 4), 0);
}

TEST(Pool, FixedGuardsAreReportedAndCountedBeyondTheReportArray)
{
    Pool_Init_Guard_Mode(1);
    uint8_t *carve = Pool_Carve(16);
    uint8_t *arena = carve - POOL_LEAD_GUARD;
    arena[10] = 1;
    arena[11] = 1;
    arena[POOL_CARVE_LIMIT + 5] = 1;
    carve[16 + 63] = 0;
    Pool_Guard_Report report;
    EXPECT_EQ(Pool_Check_Guards(&report, 1), 3);
    EXPECT_EQ(report.guard, -1);
    EXPECT_EQ(report.first_changed_byte, 10u);
    EXPECT_EQ(report.changed_bytes, 2);
    EXPECT_EQ(report.label_entry, -1);
    Pool_Guard_Report all[3];
    ASSERT_EQ(Pool_Check_Guards(all, 3), 3);
    EXPECT_EQ(all[1].guard, 0);
    EXPECT_EQ(all[1].first_changed_byte, 63u);
    EXPECT_EQ(all[2].guard, -2);
    EXPECT_EQ(all[2].first_changed_byte, 5u);
    Pool_Reset_Guards();
    EXPECT_EQ(Pool_Check_Guards(nullptr, 0), 0);
}

TEST(Pool, CarvesBeyondTheTrackingTableAreCountedButNotGuarded)
{
    Pool_Init_Guard_Mode(1);
    for (int i = 0; i < POOL_TRACKED_MAX; ++i) Pool_Carve(1);
    uint8_t *untracked = Pool_Carve(1);
    EXPECT_EQ(Pool_Arena_Count(), POOL_TRACKED_MAX + 1);
    EXPECT_EQ(Pool_Tracked_Arena_Count(), POOL_TRACKED_MAX);
    untracked[1] = 0;
    EXPECT_EQ(Pool_Check_Guards(nullptr, 0), 0);
    Pool_Reset_Guards();
    EXPECT_EQ(untracked[1], 0);
}

TEST(PoolDeathTest, ExhaustionEndsWithTheAllocationText)
{
    EXPECT_EXIT(
        {
            Pool_Init_Guard_Mode(0);
            Pool_Carve(POOL_CARVE_SPACE - 160);
            Pool_Carve(176);
        },
        testing::ExitedWithCode(1), "Dynamic allocation too small for Allocate_Space\\(\\) of 11 blocks");
}
