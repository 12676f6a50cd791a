#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "Input_Metrics.h"
#include "PFL_Perf.h"
#include "Test_Temp_Dir.h"

namespace {

TEST(Percentiles, NearestRank)
{
    uint32_t values[100];
    for (uint32_t i = 0; i < 100; ++i) values[i] = i + 1;
    EXPECT_EQ(Perf_Nearest_Rank(values, 100, 50), 50u);
    EXPECT_EQ(Perf_Nearest_Rank(values, 100, 95), 95u);
    EXPECT_EQ(Perf_Nearest_Rank(values, 100, 99), 99u);
    EXPECT_EQ(Perf_Nearest_Rank(values, 100, 100), 100u);
    EXPECT_EQ(Perf_Nearest_Rank(values, 3, 50), 2u);
    EXPECT_EQ(Perf_Nearest_Rank(values, 1, 99), 1u);
    EXPECT_EQ(Perf_Nearest_Rank(values, 0, 50), 0u);
}

uint64_t g_now = 0;
uint64_t Fake_Clock(void) { return g_now; }

TEST(Live_Monitor, RingStatisticsOverOneHundredIntervals)
{
    unsetenv("TOLVA_FPS_TITLE");
    Perf_Live_Reset();
    Perf_Live_Set_Clock(Fake_Clock);
    g_now = 10000;
    Perf_Live_Note_Present();
    EXPECT_EQ(Perf_Live_Get_Stats(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    // Intervals 1..100 ms in a shuffled order.
    for (uint32_t k = 0; k < 100; ++k) {
        g_now += (k * 37) % 100 + 1;
        if (k == 50) Perf_Note_Release_Time(2, 30);
        Perf_Live_Note_Present();
    }
    double fps = 0;
    uint32_t p50, p95, p99, max, over;
    ASSERT_EQ(Perf_Live_Get_Stats(&fps, &p50, &p95, &p99, &max, &over), 1);
    EXPECT_EQ(p50, 50u);
    EXPECT_EQ(p95, 95u);
    EXPECT_EQ(p99, 99u);
    EXPECT_EQ(max, 100u);
    EXPECT_EQ(over, 45u);
    EXPECT_NEAR(fps, 100.0 * 1000.0 / 5050.0, 1e-9);
    char a[32], b[32], c[32];
    ASSERT_EQ(Perf_Live_Get_Display_Lines(a, b, c), 1) << "5 seconds passed, so a window was summarised";
    uint32_t ticks, idle, work_over;
    ASSERT_EQ(Perf_Get_Tick_Accounting(&ticks, &idle, &work_over), 1);
    EXPECT_EQ(ticks, 102u);
    EXPECT_EQ(idle, 2u);
    Perf_Live_Set_Clock(nullptr);
}

TEST(Live_Monitor, OffWhenAskedAndNothingIsMeasured)
{
    setenv("TOLVA_FPS_TITLE", "0", 1);
    Perf_Live_Reset();
    Perf_Live_Set_Clock(Fake_Clock);
    for (int i = 0; i < 50; ++i) {
        g_now += 100;
        Perf_Live_Note_Present();
    }
    EXPECT_EQ(Perf_Live_Get_Stats(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    unsetenv("TOLVA_FPS_TITLE");
    Perf_Live_Set_Clock(nullptr);
}

TEST(Input_Metrics_File, RowsViewportAndEnd)
{
    Test_Temp_Dir dir;
    std::string path = dir / "metrics.fwv";
    ASSERT_EQ(Input_Metrics_Init(path.c_str(), "SDL2", "", 0, -5), 0);
    EXPECT_EQ(Input_Metrics_Init(path.c_str(), "SDL2", "x11", 2, 60), 0) << "already active";
    Input_Metrics_Note_Viewport(1280, 800, 1280, 800, "integer", "16:10", 4, 0, 0, 1280, 800);
    Input_Metrics_Note_Tick(1000);
    Input_Metrics_Note_Tick(1012);
    Input_Metrics_Note_Tick(1015);
    Input_Metrics_Note_Poll(100, 50);
    Input_Metrics_Record_Present(1020, 1020);
    Input_Metrics_Note_Poll(40000, 45);
    Input_Metrics_Set_Reason("cursor");
    Input_Metrics_Record_Present(1070, 1065);
    Input_Metrics_Shutdown();
    Input_Metrics_Shutdown();
    std::string text = Read_Text(path);
    EXPECT_NE(text.find("#meta backend=SDL2 video_driver=? scale=1 refresh=0 flush_ms=500\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("#viewport after_idx=0 window=1280x800 drawable=1280x800 scale_mode=integer "
                        "aspect_ratio=16:10 scale=4 rect=0,0,1280x800\n"),
              std::string::npos);
    char row1[128], row2[128];
    std::snprintf(row1, sizeof(row1), "%10llu %10llu %7u %8u %6u %8u %5d %5d %6d %6d  %-11s\n", 1ULL, 1020ULL, 0u, 0u,
                  3u, 12u, 100, 50, 100, 50, "frame");
    std::snprintf(row2, sizeof(row2), "%10llu %10llu %7u %8u %6u %8u %5d %5d %6d %6d  %-11s\n", 2ULL, 1070ULL, 50u, 0u,
                  0u, 0u, 32767, -5, 32767, 45, "cursor");
    EXPECT_NE(text.find(row1), std::string::npos) << text;
    EXPECT_NE(text.find(row2), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 12), "#end rows=2\n");
}

TEST(Profiler, ZonesAndNeverTheMetricsFile)
{
    Test_Temp_Dir dir;
    std::string folder = dir.path;
    std::string metrics = folder + "/shared.fwv";
    setenv("TOLVA_PERF", "0", 1);
    setenv("TOLVA_INPUT_METRICS", metrics.c_str(), 1);
    ASSERT_EQ(Perf_Init("SDL2", "Release"), 0);
    ASSERT_EQ(Perf_Active(), 1);
    EXPECT_NE(std::string(Perf_Path()), metrics) << "the profile must not write the input-metrics file";

    Perf_Zone_End();  // unbalanced
    for (int i = 0; i < 65; ++i) Perf_Zone_Begin("deep");
    for (int i = 0; i < 65; ++i) Perf_Zone_End();
    Perf_Zone_Begin("outer");
    Perf_Zone_Begin("inner");
    Perf_Zone_End();
    Perf_Zone_End();
    Perf_Zone_Begin("left open");
    Perf_Shutdown();
    unsetenv("TOLVA_PERF");
    unsetenv("TOLVA_INPUT_METRICS");

    std::string text = Read_Text(Perf_Path());
    EXPECT_EQ(text.rfind("#meta backend=SDL2 build=Release perf_instrument=", 0), 0u) << text;
    EXPECT_NE(text.find("#end drains=0 dropped=0 stack_overflows=1 unbalanced=2\n"), std::string::npos) << text;
    EXPECT_NE(text.find("#zone     64"), std::string::npos) << "64 deep zones recorded, the 65th skipped";
    EXPECT_NE(text.find(" outer"), std::string::npos);
    EXPECT_NE(text.find(" inner"), std::string::npos);
    EXPECT_NE(text.find(" left open"), std::string::npos);
    FILE *shared = std::fopen(metrics.c_str(), "r");
    EXPECT_EQ(shared, nullptr) << "nothing wrote the metrics path";
    if (shared != nullptr) std::fclose(shared);
}

}  // namespace
