#include "STU_BRAK.h"

#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <execinfo.h>
#include <unistd.h>

#include "STU_Log.h"
#include "STU_Wrappers.h"

namespace {

volatile sig_atomic_t m_handling = 0;
int m_installed = 0;

// Report lines are prepared before any fault: the handler only copies bytes and calls write(2),
// backtrace and backtrace_symbols_fd, which are safe once the unwinder is loaded.
struct Prepared_Report {
    int signal_number;
    char text[160];
    int length;
};

Prepared_Report m_reports[5];
char m_log_prefix[128];
const int m_signals[5] = {SIGABRT, SIGSEGV, SIGILL, SIGFPE, SIGBUS};
// What handled each signal before us (the default action, or a sanitizer's handler). After the
// report it takes the signal over, so that a sanitizer's own report still follows ours.
struct sigaction m_previous[5];

const char *Reason(int signal_number)
{
    switch (signal_number) {
    case SIGILL: return "SIGILL (illegal instruction)";
    case SIGABRT: return "SIGABRT (abort / failed assertion)";
    case SIGFPE: return "SIGFPE (arithmetic error)";
    case SIGSEGV: return "SIGSEGV (invalid memory access)";
    default: return "unknown signal";
    }
}

void Write_All(int fd, const char *text, size_t length)
{
    while (length > 0) {
        ssize_t written = write(fd, text, length);
        if (written <= 0) return;
        text += written;
        length -= (size_t)written;
    }
}

void Crash_Handler(int signal_number, siginfo_t *info, void *)
{
    if (m_handling) _exit(3);
    m_handling = 1;

    STU_Log_Crash_Drain();

    const Prepared_Report *report = nullptr;
    for (const Prepared_Report &r : m_reports)
        if (r.signal_number == signal_number) report = &r;
    static const char unknown[] = "\n[stu-brak] unknown signal\n\n";
    const char *text = report ? report->text : unknown;
    size_t length = report ? (size_t)report->length : sizeof unknown - 1;
    Write_All(STDERR_FILENO, text, length);

    // The same line in the log, at FATAL, assembled from prepared pieces.
    char line[400];
    size_t used = 0;
    auto put = [&](const char *piece, size_t piece_length) {
        if (used + piece_length > sizeof line) piece_length = sizeof line - used;
        memcpy(line + used, piece, piece_length);
        used += piece_length;
    };
    char stamp[32];
    get_datetime(stamp);
    put("[", 1);
    put(stamp, strlen(stamp));
    put(m_log_prefix, strlen(m_log_prefix));
    put(text + 1, length - 2);  // the reason line with its newline, without the blank lines around it
    STU_Log_Crash_Write(line, (int)used);

    void *frames[64];
    int count = backtrace(frames, 64);
    if (count > 2) backtrace_symbols_fd(frames + 2, count - 2, STDERR_FILENO);

    bool restored = false;
    for (int i = 0; i < 5; i++) {
        if (m_signals[i] != signal_number) continue;
        sigaction(signal_number, &m_previous[i], nullptr);
        restored = true;
    }
    if (!restored) signal(signal_number, SIG_DFL);
    // A fault raised by an instruction happens again on return, now for the previous handler,
    // with its true address; a signal sent by a process is sent again.
    bool fault = info != nullptr && info->si_code > 0 && signal_number != SIGABRT;
    if (!fault) raise(signal_number);
}

}  // namespace

void STU_BRAK_Install(void)
{
    if (m_installed) return;
    m_installed = 1;

    for (int i = 0; i < 5; i++) {
        m_reports[i].signal_number = m_signals[i];
        m_reports[i].length =
            snprintf(m_reports[i].text, sizeof m_reports[i].text, "\n[stu-brak] %s\n\n", Reason(m_signals[i]));
    }
    snprintf(m_log_prefix, sizeof m_log_prefix,
             "] [%s] [%-23s] STU_BRAK.cpp:%d Crash_Handler: ", STU_Log_Severity_Name(SEV_FATAL),
             STU_Log_Category_Key(LC_GENERAL), __LINE__);
    // Load the unwinder now: the first backtrace() call may allocate.
    void *warm[2];
    backtrace(warm, 2);

    struct sigaction action;
    memset(&action, 0, sizeof action);
    action.sa_sigaction = Crash_Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_NODEFER | SA_SIGINFO;
    for (int i = 0; i < 5; i++) sigaction(m_signals[i], &action, &m_previous[i]);
}

void STU_BRAK_Emit(const char *format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    fprintf(stderr, "%s\n", text);
    fflush(stderr);
    STU_LOG(SEV_FATAL, LC_GENERAL, "%s", text);
    STU_Log_Flush_All();
}
