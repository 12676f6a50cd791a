#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Resident_Size.h"
#include "STU_Log.h"
#include "Test_Temp_Dir.h"

namespace {

struct Log_Run {
    Test_Temp_Dir dir;
    std::string ini;
    explicit Log_Run(const std::string &settings = "")
    {
        setenv("TOLVA_LOG_DIR", dir.path.c_str(), 1);
        ini = dir / "Tolva.ini";
        Write_Text(ini, settings);
        STU_Log_Startup(ini.c_str());
    }
    std::string Text()
    {
        STU_Log_Flush_All();
        return Read_Text(dir / "tolva_log_new.txt");
    }
    ~Log_Run()
    {
        STU_Log_Shutdown();
        unsetenv("TOLVA_LOG_DIR");
    }
};

}  // namespace

TEST(Log, LineFormatAndOutOfRangeValues)
{
    Log_Run log;
    STU_Log_Write_At(9, 77, "dir/sub\\file.cpp", 42, "Func", "hello %d", 7);
    std::string text = log.Text();
    EXPECT_NE(text.find("] [INFO ] [GENERAL                ] file.cpp:42 Func: hello 7\n"), std::string::npos) << text;
    ASSERT_GE(text.size(), 22u);
    EXPECT_EQ(text[0], '[');
    EXPECT_EQ(text[20], 'Z');
    EXPECT_EQ(text[21], ']');
}

TEST(Log, LongMessageIsOneLineOf1023Bytes)
{
    Log_Run log;
    std::string big(5000, 'x');
    STU_LOG(SEV_INFO, LC_GENERAL, "%s", big.c_str());
    std::string text = log.Text();
    EXPECT_EQ(text.size(), 1023u);
    EXPECT_EQ(text.back(), '\n');
}

TEST(Log, LoggingSectionSwitchesThresholdAndCategories)
{
    Log_Run log("[Logging]\nseverity_threshold = warn\nCOMBAT_TEST = yes\nsave = off # trailing\n");
    EXPECT_EQ(STU_Log_Get_Severity_Threshold(), SEV_WARN);
    EXPECT_EQ(STU_Log_Category_Enabled(LC_COMBAT_TEST), 1);
    EXPECT_EQ(STU_Log_Category_Enabled(LC_SAVE), 0);
    EXPECT_EQ(STU_Log_Category_Enabled(77), 0);
    STU_LOG(SEV_INFO, LC_GENERAL, "dropped info");
    STU_LOG(SEV_WARN, LC_SAVE, "dropped category");
    STU_LOG(SEV_ERROR, LC_GENERAL, "kept error");
    std::string text = log.Text();
    EXPECT_EQ(text.find("dropped"), std::string::npos);
    EXPECT_NE(text.find("kept error"), std::string::npos);
}

TEST(Log, LowerCaseSectionIsNotTheLoggingSection)
{
    Log_Run log("[logging]\nseverity_threshold = fatal\n");
    EXPECT_EQ(STU_Log_Get_Severity_Threshold(), SEV_TRACE);
    EXPECT_EQ(STU_Log_Category_Enabled(LC_COMBAT_TEST), 0);
}

TEST(Log, RotationKeepsTwoEarlierRuns)
{
    Test_Temp_Dir dir;
    setenv("TOLVA_LOG_DIR", dir.path.c_str(), 1);
    for (int run = 1; run <= 3; run++) {
        STU_Log_Startup(nullptr);
        STU_LOG(SEV_INFO, LC_GENERAL, "run %d", run);
        STU_Log_Shutdown();
    }
    unsetenv("TOLVA_LOG_DIR");
    EXPECT_NE(Read_Text(dir / "tolva_log_new.txt").find("run 3"), std::string::npos);
    EXPECT_NE(Read_Text(dir / "tolva_log_current.txt").find("run 2"), std::string::npos);
    EXPECT_NE(Read_Text(dir / "tolva_log_previous.txt").find("run 1"), std::string::npos);
}

TEST(Log, UnwritableFolderFallsBackToCurrentDirectory)
{
    Test_Temp_Dir dir;
    std::string cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.path);
    setenv("TOLVA_LOG_DIR", "/proc/no-such-folder", 1);
    testing::internal::CaptureStderr();
    STU_Log_Startup(nullptr);
    std::string err = testing::internal::GetCapturedStderr();
    STU_Log_Shutdown();
    unsetenv("TOLVA_LOG_DIR");
    std::filesystem::current_path(cwd);
    EXPECT_NE(err.find("STU_LOG: log dir '/proc/no-such-folder' not writable; using CWD"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir / "tolva_log_new.txt"));
}

// A [Logging] line over 1,023 bytes is ignored whole, with a line saying so.
TEST(Log, OverlongSettingsLineIsIgnoredWhole)
{
    std::string tail = "severity_threshold = FATAL";
    Log_Run log("[Logging]\nnote = " + std::string(1022 - 7, 'x') + tail + "\n");
    EXPECT_EQ(STU_Log_Get_Severity_Threshold(), SEV_TRACE);
    EXPECT_NE(log.Text().find("line 2 is longer than 1023 bytes; ignored"), std::string::npos);
}

namespace {

}  // namespace

// A long game logs a few dozen kilobytes a turn, drained at every event pass: 20 MiB of lines so
// drained keep the resident size within 1 MiB of what the first 2 MiB took.
TEST(Log, ALongRunDrainedAsItGoesKeepsTheResidentSizeFlat)
{
    if (Resident_Kilobytes() < 0) GTEST_SKIP() << "no /proc/self/status";
    Log_Run log;
    std::string line(900, 'x');
    long early = 0;
    for (int turn = 1; turn <= 1000; turn++) {
        for (int i = 0; i < 20; i++) STU_LOG(SEV_INFO, LC_GENERAL, "turn %d: %s", turn, line.c_str());
        STU_Log_Pump();
        if (turn == 100) early = Resident_Kilobytes();
    }
    long late = Resident_Kilobytes();
    EXPECT_LE(late - early, 1024) << early << " KiB after 2 MiB of lines, " << late << " KiB after 20 MiB";
}
