// A stand-in names itself in the log once per run, at WARN, however often it runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "STU_Log.h"
#include "Test_Temp_Dir.h"
#include "stubs/STUB_HIT.h"

namespace {

// Two stand-ins of this test's own, so that no other test has run them before.
int First_Stand_In(void)
{
    STUB_HIT();
    return 7;
}

void Second_Stand_In(void) { STUB_HIT(); }

// The number of log lines that hold both parts.
int Lines_With(const std::string &text, const std::string &part1, const std::string &part2 = "")
{
    int n = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.find(part1) != std::string::npos && line.find(part2) != std::string::npos) n++;
    }
    return n;
}

}  // namespace

TEST(Stub_Hit, EachStandInLogsOneWarnLineWithItsNamePerRun)
{
    Test_Temp_Dir dir;
    setenv("TOLVA_LOG_DIR", dir.path.c_str(), 1);
    std::string ini = dir / "Tolva.ini";
    Write_Text(ini, "");
    STU_Log_Startup(ini.c_str());
    for (int i = 0; i < 3; i++) EXPECT_EQ(First_Stand_In(), 7) << "the stand-in still does its work";
    Second_Stand_In();
    Second_Stand_In();
    STU_Log_Flush_All();
    std::string text = Read_Text(dir / "tolva_log_new.txt");
    STU_Log_Shutdown();
    unsetenv("TOLVA_LOG_DIR");

    EXPECT_EQ(Lines_With(text, "First_Stand_In__STUB"), 1) << text;
    EXPECT_EQ(Lines_With(text, "Second_Stand_In__STUB"), 1) << text;
    EXPECT_EQ(Lines_With(text, "[WARN ] [GENERAL ", "First_Stand_In: First_Stand_In__STUB"), 1) << text;
    EXPECT_EQ(Lines_With(text, "[WARN ]"), 2) << text;
}
