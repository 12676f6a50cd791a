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

// Every log category once, in number order: its key (in a line and in [Logging]) is the name.
#define LOG_CATEGORY_TABLE(X)                                                                                          \
    X(GENERAL, 0)                                                                                                      \
    X(AIMOVE, 1)                                                                                                       \
    X(COMBAT, 2)                                                                                                       \
    X(SAVE, 3)                                                                                                         \
    X(PFL, 4)                                                                                                          \
    X(IKI, 5)                                                                                                          \
    X(LOADSAVE, 6)                                                                                                     \
    X(AIDUDES, 7)                                                                                                      \
    X(WINDOWLESS_PFL, 8)                                                                                               \
    X(REPLAY, 9)                                                                                                       \
    X(SDL2_AUDIO, 10)                                                                                                  \
    X(SDL2_INIT, 11)                                                                                                   \
    X(SDL2_PFL, 12)                                                                                                    \
    X(SDL3_AUDIO, 13)                                                                                                  \
    X(SDL3_INIT, 14)                                                                                                   \
    X(SDL3_PFL, 15)                                                                                                    \
    X(WIN_PFL, 16)                                                                                                     \
    X(DEKEL, 17)                                                                                                       \
    X(TOLVA, 18)                                                                                                       \
    X(AUTOMATION_DRIVER, 19)                                                                                           \
    X(GAME_SAVE_DUMP, 20)                                                                                              \
    X(STU_WRLD, 21)                                                                                                    \
    X(STU_VLD, 22)                                                                                                     \
    X(STU_SND, 23)                                                                                                     \
    X(STU_INIT, 24)                                                                                                    \
    X(STU_XTRC, 25)                                                                                                    \
    X(STU_FON, 26)                                                                                                     \
    X(STU_PRN, 27)                                                                                                     \
    X(STU_FIO, 28)                                                                                                     \
    X(STU_DBG, 29)                                                                                                     \
    X(STU_LOG, 30)                                                                                                     \
    X(NEXTTURN, 31)                                                                                                    \
    X(KEL_SCR, 32)                                                                                                     \
    X(LOADSCR, 33)                                                                                                     \
    X(LOADER, 34)                                                                                                      \
    X(NEWGAME, 35)                                                                                                     \
    X(SPELLBOOK, 36)                                                                                                   \
    X(SPELLS128, 37)                                                                                                   \
    X(SBOOKSCR, 38)                                                                                                    \
    X(MAINMENU, 39)                                                                                                    \
    X(MAINSCR, 40)                                                                                                     \
    X(INPUT, 41)                                                                                                       \
    X(RANDOM, 42)                                                                                                      \
    X(EXIT, 43)                                                                                                        \
    X(FONTS, 44)                                                                                                       \
    X(ORV2, 45)                                                                                                        \
    X(CALL_TRACE, 46)                                                                                                  \
    X(STU_GRAF, 47)                                                                                                    \
    X(OGBUG, 48)                                                                                                       \
    X(COMBAT_TEST, 49)                                                                                                 \
    X(INTEGRITY, 50)

enum Log_Category : int {
#define LOG_CATEGORY_NUMBER(key, number) LC_##key = number,
    LOG_CATEGORY_TABLE(LOG_CATEGORY_NUMBER)
#undef LOG_CATEGORY_NUMBER
};

#define LOG_CATEGORY_ONE(key, number) +1
constexpr int LOG_CATEGORY_COUNT = 0 LOG_CATEGORY_TABLE(LOG_CATEGORY_ONE);
#undef LOG_CATEGORY_ONE
static_assert(LOG_CATEGORY_COUNT == 51, "the log has 51 categories");
constexpr int LOG_LINE_MAX = 1024;
constexpr uint32_t LOG_RING_SIZE = 1u << 24;

void STU_Log_Set_Base_Dir(const char *folder);
void STU_Log_Startup(const char *settings_path);
int STU_Log_Write_At(int severity, int category, const char *file, int line, const char *function, const char *format,
                     ...) __attribute__((format(printf, 6, 7)));
int STU_Log_Write_At_V(int severity, int category, const char *file, int line, const char *function, const char *format,
                       va_list args);
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

#define STU_LOG(severity, category, ...)                                                                               \
    STU_Log_Write_At((severity), (category), __FILE__, __LINE__, __func__, __VA_ARGS__)
