#include "Worldgen_Test_Support.h"

#include <cstdlib>
#include <sstream>

#include "STU_Log.h"
#include "Test_Temp_Dir.h"

std::string Logged_Text(const std::function<void()> &block)
{
    Test_Temp_Dir dir;
    setenv("TOLVA_LOG_DIR", dir.path.c_str(), 1);
    std::string ini = dir / "Tolva.ini";
    Write_Text(ini, "");
    STU_Log_Startup(ini.c_str());
    block();
    STU_Log_Flush_All();
    std::string text = Read_Text(dir / "tolva_log_new.txt");
    STU_Log_Shutdown();
    unsetenv("TOLVA_LOG_DIR");
    return text;
}

int Lines_With(const std::string &text, const std::string &part1, const std::string &part2)
{
    int n = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.find(part1) != std::string::npos && line.find(part2) != std::string::npos) n++;
    }
    return n;
}
