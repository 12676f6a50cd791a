// Tolva.ini through the start-up's own readers, in their order: finding and completing the file
// (missing settings added after a backup, the example file written beside it), the log's
// [Logging] section, the game-data search path's [Paths] game_data, the save folder and the
// [Video] keys. Folders named by the input are only read, never created.
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Fuzz_Temp_Folder.h"
#include "STU_GRAF.h"
#include "STU_Log.h"
#include "Settings_Ini.h"
#include "Tolva.h"
#include "sdl2_Viewport.h"

namespace {

std::string m_program, m_config, m_logs;

void Set_Up(void)
{
    m_program = Fuzz_Temp_Folder("ini-program");
    m_config = Fuzz_Temp_Folder("ini-config");
    m_logs = Fuzz_Temp_Folder("ini-logs");
    setenv("TOLVA_PROGRAM_DIR", m_program.c_str(), 1);
    setenv("XDG_CONFIG_HOME", m_config.c_str(), 1);
    setenv("TOLVA_LOG_DIR", m_logs.c_str(), 1);
    setenv("TOLVA_APP_DIR", "Tolva", 1);
    unsetenv("TOLVA_DATA_DIR");
}

// The log's crash handlers would stand in front of the fuzzer's and the sanitizers' own.
void Start_Log_Keeping_Signal_Handlers(const char *settings)
{
    static const int signals[] = {SIGSEGV, SIGABRT, SIGFPE, SIGILL};
    struct sigaction kept[4];
    for (int i = 0; i < 4; i++) sigaction(signals[i], nullptr, &kept[i]);
    STU_Log_Startup(settings);
    for (int i = 0; i < 4; i++) sigaction(signals[i], &kept[i], nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (m_program.empty()) Set_Up();
    Fuzz_Empty_Folder(m_program);
    Fuzz_Empty_Folder(m_config);
    Fuzz_Write_File(m_program + "/Tolva.ini", data, size);

    const char *settings = Settings_Ini_Startup();
    if (settings == nullptr) abort();
    Start_Log_Keeping_Signal_Handlers(settings);
    Settings_Ini_Log();

    STU_GRAF_Set_Settings_Ini(settings);
    STU_GRAF_Init(GRAF_PROFILE_PLAYER);
    char save_dir[GRAF_PATH_MAX];
    if (Tolva_Save_Dir_From_Ini(settings, save_dir, sizeof save_dir)) {
        STU_GRAF_Set_User_Data_Dir(save_dir);
        STU_GRAF_Set_User_Data_Dir(nullptr);
    }
    char value[64];
    int parsed;
    if (STU_GRAF_Read_Ini_Value(settings, "Video", "startup_window", value, sizeof value))
        Viewport_Window_State_From_Name(value, &parsed);
    if (STU_GRAF_Read_Ini_Value(settings, "Video", "scale_mode", value, sizeof value))
        Viewport_Scale_Mode_From_Name(value, &parsed);
    if (STU_GRAF_Read_Ini_Value(settings, "Video", "aspect_ratio", value, sizeof value))
        Viewport_Aspect_Ratio_From_Name(value, &parsed);
    char folder[GRAF_PATH_MAX];
    STU_GRAF_Read_Ini_Value(settings, "Paths", "log_dir", folder, sizeof folder);
    STU_Log_Flush_All();
    return 0;
}
