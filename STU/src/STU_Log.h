// The log: one channel for every diagnostic line of the program.
// Lines are composed on the caller's thread into a 16 MiB ring and written to
// "tolva_log_new.txt" when the ring is drained (event pump, flush, shutdown, crash).
#pragma once

#include <cstdarg>
#include <cstdint>

enum Log_Severity : int {
    SEV_TRACE = 0,
    SEV_DEBUG = 1,
    SEV_INFO = 2,
    SEV_WARN = 3,
    SEV_ERROR = 4,
    SEV_FATAL = 5,
};

enum Log_Category : int {
    LC_GENERAL = 0,
    LC_AIMOVE = 1,
    LC_COMBAT = 2,
    LC_SAVE = 3,
    LC_PFL = 4,
    LC_IKI = 5,
    LC_LOADSAVE = 6,
    LC_AIDUDES = 7,
    LC_WINDOWLESS_PFL = 8,
    LC_REPLAY = 9,
    LC_SDL2_AUDIO = 10,
    LC_SDL2_INIT = 11,
    LC_SDL2_PFL = 12,
    LC_SDL3_AUDIO = 13,
    LC_SDL3_INIT = 14,
    LC_SDL3_PFL = 15,
    LC_WIN_PFL = 16,
    LC_DEKEL = 17,
    LC_TOLVA = 18,
    LC_AUTOMATION_DRIVER = 19,
    LC_GAME_SAVE_DUMP = 20,
    LC_STU_WRLD = 21,
    LC_STU_VLD = 22,
    LC_STU_SND = 23,
    LC_STU_INIT = 24,
    LC_STU_XTRC = 25,
    LC_STU_FON = 26,
    LC_STU_PRN = 27,
    LC_STU_FIO = 28,
    LC_STU_DBG = 29,
    LC_STU_LOG = 30,
    LC_NEXTTURN = 31,
    LC_KEL_SCR = 32,
    LC_LOADSCR = 33,
    LC_LOADER = 34,
    LC_NEWGAME = 35,
    LC_SPELLBOOK = 36,
    LC_SPELLS128 = 37,
    LC_SBOOKSCR = 38,
    LC_MAINMENU = 39,
    LC_MAINSCR = 40,
    LC_INPUT = 41,
    LC_RANDOM = 42,
    LC_EXIT = 43,
    LC_FONTS = 44,
    LC_ORV2 = 45,
    LC_CALL_TRACE = 46,
    LC_STU_GRAF = 47,
    LC_OGBUG = 48,
    LC_COMBAT_TEST = 49,
    LC_INTEGRITY = 50,
};

constexpr int LOG_CATEGORY_COUNT = 51;
constexpr int LOG_LINE_MAX = 1024;
constexpr uint32_t LOG_RING_SIZE = 1u << 24;

void STU_Log_Set_Base_Dir(const char *folder);
void STU_Log_Startup(const char *settings_path);
int STU_Log_Write_At(int severity, int category, const char *file, int line, const char *function,
                     const char *format, ...) __attribute__((format(printf, 6, 7)));
int STU_Log_Write_At_V(int severity, int category, const char *file, int line, const char *function,
                       const char *format, va_list args);
void STU_Log_Pump(void);
void STU_Log_Flush_All(void);
void STU_Log_Shutdown(void);
int STU_Log_Get_Severity_Threshold(void);
const char *STU_Log_Severity_Name(int severity);
int STU_Log_Category_Enabled(int category);
const char *STU_Log_Category_Key(int category);

// The folder the log file was opened in ("" for the current directory), and its full path.
const char *STU_Log_Dir(void);
const char *STU_Log_File_Path(void);

// Writes straight to the open log file, for the crash path (async-signal-safe: write(2) only).
void STU_Log_Crash_Write(const char *text, int length);
// Drains the ring into the file with write(2) only; used from signal handlers.
void STU_Log_Crash_Drain(void);

#define STU_LOG(severity, category, ...) \
    STU_Log_Write_At((severity), (category), __FILE__, __LINE__, __func__, __VA_ARGS__)
