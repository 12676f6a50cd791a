// The log of a test: started in a temporary folder on construction; Finish() flushes it, stops
// it and returns what it holds.
#pragma once

#include <cstdlib>
#include <string>

#include "STU_Log.h"
#include "Test_Temp_Dir.h"

class Log_Capture {
public:
    // settings: the text of the Tolva.ini the log starts with, e.g. a [Logging] section.
    explicit Log_Capture(const char *settings = "")
    {
        setenv("TOLVA_LOG_DIR", dir.path.c_str(), 1);
        std::string ini = dir / "Tolva.ini";
        Write_Text(ini, settings);
        STU_Log_Startup(ini.c_str());
    }
    std::string Finish()
    {
        STU_Log_Flush_All();
        std::string text = Read_Text(dir / "tolva_log_new.txt");
        STU_Log_Shutdown();
        unsetenv("TOLVA_LOG_DIR");
        return text;
    }

private:
    Test_Temp_Dir dir;
};
