#include "STU_Log.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "STU_File.h"
#include "STU_GRAF.h"
#include "STU_Wrappers.h"

namespace {

constexpr int CATEGORY_DISPLAY_WIDTH = 23;
constexpr uint32_t RING_MASK = LOG_RING_SIZE - 1;
constexpr uint32_t PUMP_LIMIT = 65536;

const char *const m_severity_names[6] = {"TRACE", "DEBUG", "INFO ", "WARN ", "ERROR", "FATAL"};

const char *const m_category_keys[LOG_CATEGORY_COUNT] = {
#define LOG_CATEGORY_KEY(key, number) #key,
    LOG_CATEGORY_TABLE(LOG_CATEGORY_KEY)
#undef LOG_CATEGORY_KEY
};
// The keys are indexed by number: the table lists the categories 0, 1, 2, ... in order.
constexpr bool Categories_In_Order(void)
{
    constexpr int numbers[] = {
#define LOG_CATEGORY_POSITION(key, number) number,
        LOG_CATEGORY_TABLE(LOG_CATEGORY_POSITION)
#undef LOG_CATEGORY_POSITION
    };
    for (int i = 0; i < LOG_CATEGORY_COUNT; ++i)
        if (numbers[i] != i) return false;
    return true;
}
static_assert(Categories_In_Order(), "log categories out of order");

int m_threshold = 0;
int m_category_on[LOG_CATEGORY_COUNT] = {};
char m_base_dir[512] = "";
char m_log_dir[512] = "";
char m_log_path[600] = "";
FILE *m_file = nullptr;
int m_file_fd = -1;

char *m_ring = nullptr;
uint32_t m_write_pos = 0;
uint32_t m_read_pos = 0;
unsigned long m_dropped = 0;

int m_exit_handler_registered = 0;
int m_signal_handlers_installed = 0;

uint32_t Ring_Used() { return (m_write_pos - m_read_pos) & RING_MASK; }

void Rotate(const char *folder)
{
    char previous[600], current[600], fresh[600];
    STU_GRAF_Join(previous, sizeof previous, folder, "tolva_log_previous.txt");
    STU_GRAF_Join(current, sizeof current, folder, "tolva_log_current.txt");
    STU_GRAF_Join(fresh, sizeof fresh, folder, "tolva_log_new.txt");
    remove(previous);
    rename(current, previous);
    rename(fresh, current);
}

void Write_Dropped_Notice()
{
    if (m_dropped == 0 || m_file == nullptr) return;
    char stamp[32];
    get_datetime(stamp);
    fprintf(m_file, "[%s] [LOGGER] %lu messages dropped since last drain\n", stamp, m_dropped);
    m_dropped = 0;
}

// An emptied ring starts again at its front: the ring is 16 MiB of untouched memory, and lines
// written on round it would bring a new page of it into memory every few dozen lines, so that a
// long game grew by what it logged until the whole ring was in. Only as much of it is ever
// touched as the longest burst between two drains needs.
void Rewind_Empty_Ring()
{
    if (Ring_Used() == 0) m_read_pos = m_write_pos = 0;
}

void Drain(uint32_t limit)
{
    if (m_ring == nullptr) return;
    if (m_file == nullptr) {
        m_read_pos = m_write_pos;
        Rewind_Empty_Ring();
        return;
    }
    uint32_t count = Ring_Used();
    if (count > limit) count = limit;
    while (count > 0) {
        uint32_t start = m_read_pos & RING_MASK;
        uint32_t piece = LOG_RING_SIZE - start;
        if (piece > count) piece = count;
        fwrite(m_ring + start, 1, piece, m_file);
        m_read_pos = (m_read_pos + piece) & RING_MASK;
        count -= piece;
    }
    Rewind_Empty_Ring();
}

void Trim(char *text)
{
    char *start = text;
    while (*start == ' ' || *start == '\t' || *start == '\r' || *start == '\n') start++;
    if (start != text) memmove(text, start, strlen(start) + 1);
    size_t len = strlen(text);
    while (len > 0 && (text[len - 1] == ' ' || text[len - 1] == '\t' || text[len - 1] == '\r' || text[len - 1] == '\n'))
        text[--len] = '\0';
}

int Severity_From_Name(const char *value)
{
    static const char *const names[6] = {"TRACE", "DEBUG", "INFO", "WARN", "ERROR", "FATAL"};
    for (int i = 0; i < 6; i++)
        if (stu_stricmp(value, names[i]) == 0) return i;
    return -1;
}

int Switch_From_Value(const char *value)
{
    static const char *const on[4] = {"true", "yes", "on", "1"};
    static const char *const off[4] = {"false", "no", "off", "0"};
    for (int i = 0; i < 4; i++) {
        if (stu_stricmp(value, on[i]) == 0) return 1;
        if (stu_stricmp(value, off[i]) == 0) return 0;
    }
    return -1;
}

void Read_Logging_Section(const char *settings_path)
{
    if (settings_path == nullptr) return;
    FILE *file = fopen(settings_path, "r");
    if (file == nullptr) return;
    char line[STU_LINE_MAX];
    int inside = 0;
    int number = 0;
    int too_long = 0;
    while (STU_Read_Line(file, line, sizeof line, &too_long)) {
        number++;
        if (too_long) {
            STU_LOG(SEV_WARN, LC_STU_LOG, "%s: line %d is longer than %d bytes; ignored", settings_path, number,
                    (int)STU_LINE_MAX - 1);
            continue;
        }
        Trim(line);
        if (line[0] == '\0' || line[0] == '#' || line[0] == ';') continue;
        if (line[0] == '[') {
            inside = strncmp(line, "[Logging]", 9) == 0;
            continue;
        }
        if (!inside) continue;
        char *equals = strchr(line, '=');
        if (equals == nullptr) continue;
        *equals = '\0';
        char *key = line;
        char *value = equals + 1;
        Trim(key);
        value[strcspn(value, "#;")] = '\0';
        Trim(value);
        if (stu_stricmp(key, "severity_threshold") == 0) {
            int severity = Severity_From_Name(value);
            if (severity >= 0) m_threshold = severity;
            continue;
        }
        for (int c = 0; c < LOG_CATEGORY_COUNT; c++) {
            if (stu_stricmp(key, m_category_keys[c]) == 0) {
                int on = Switch_From_Value(value);
                if (on >= 0) m_category_on[c] = on;
                break;
            }
        }
    }
    fclose(file);
}

const char *Signal_Name(int signal_number)
{
    switch (signal_number) {
    case SIGILL: return "SIGILL";
    case SIGABRT: return "SIGABRT";
    case SIGFPE: return "SIGFPE";
    case SIGSEGV: return "SIGSEGV";
    default: return "SIGNAL_UNKNOWN";
    }
}

void Log_Crash_Handler(int signal_number)
{
    char stamp[32];
    get_datetime(stamp);
    char line[128];
    int length = snprintf(line, sizeof line, "[%s] [CRASH] %s\n", stamp, Signal_Name(signal_number));
    STU_Log_Crash_Drain();
    STU_Log_Crash_Write(line, length);
    signal(signal_number, SIG_DFL);
    raise(signal_number);
}

void Open_Log_File(const char *folder)
{
    STU_GRAF_Join(m_log_path, sizeof m_log_path, folder, "tolva_log_new.txt");
    m_file = fopen(m_log_path, "w");
    m_file_fd = m_file ? fileno(m_file) : -1;
    // Unbuffered: drains already write in large pieces, and the crash path writes the
    // descriptor directly, which must never overtake bytes held in a stdio buffer.
    if (m_file) setvbuf(m_file, nullptr, _IONBF, 0);
}

}  // namespace

void STU_Log_Set_Base_Dir(const char *folder)
{
    if (folder == nullptr || folder[0] == '\0') {
        m_base_dir[0] = '\0';
        return;
    }
    snprintf(m_base_dir, sizeof m_base_dir, "%s", folder);
}

void STU_Log_Startup(const char *settings_path)
{
    if (m_file != nullptr) {
        fflush(m_file);
        fclose(m_file);
        m_file = nullptr;
        m_file_fd = -1;
    }
    if (m_ring == nullptr) m_ring = static_cast<char *>(malloc(LOG_RING_SIZE));
    m_write_pos = 0;
    m_read_pos = 0;
    m_dropped = 0;

    m_threshold = 0;
    for (int c = 0; c < LOG_CATEGORY_COUNT; c++) m_category_on[c] = 1;
    m_category_on[LC_COMBAT_TEST] = 0;

    Read_Logging_Section(settings_path);

    const char *env_dir = getenv("TOLVA_LOG_DIR");
    const char *folder = (env_dir != nullptr && env_dir[0] != '\0') ? env_dir : m_base_dir;
    if (strcmp(folder, ".") == 0) folder = "";
    snprintf(m_log_dir, sizeof m_log_dir, "%s", folder);

    Rotate(m_log_dir);
    Open_Log_File(m_log_dir);
    if (m_file == nullptr && m_log_dir[0] != '\0') {
        fprintf(stderr, "STU_LOG: log dir '%s' not writable; using CWD\n", m_log_dir);
        m_log_dir[0] = '\0';
        Rotate(m_log_dir);
        Open_Log_File(m_log_dir);
    }
    if (m_file == nullptr) fprintf(stderr, "STU_LOG: failed to open '%s' for writing\n", m_log_path);

    if (!m_exit_handler_registered) {
        m_exit_handler_registered = 1;
        atexit(STU_Log_Shutdown);
    }
    if (!m_signal_handlers_installed) {
        m_signal_handlers_installed = 1;
        signal(SIGSEGV, Log_Crash_Handler);
        signal(SIGABRT, Log_Crash_Handler);
        signal(SIGFPE, Log_Crash_Handler);
        signal(SIGILL, Log_Crash_Handler);
    }
}

int STU_Log_Write_At(int severity, int category, const char *file, int line, const char *function, const char *format,
                     ...)
{
    va_list args;
    va_start(args, format);
    int result = STU_Log_Write_At_V(severity, category, file, line, function, format, args);
    va_end(args);
    return result;
}

int STU_Log_Write_At_V(int severity, int category, const char *file, int line, const char *function, const char *format,
                       va_list args)
{
    if (severity < 0 || severity > 5) severity = SEV_INFO;
    if (category < 0 || category >= LOG_CATEGORY_COUNT) category = LC_GENERAL;
    if (severity < m_threshold || !m_category_on[category]) return 0;
    if (m_ring == nullptr) return 0;

    char stamp[32];
    get_datetime(stamp);

    const char *base = "";
    if (file != nullptr) {
        base = file;
        for (const char *p = file; *p; p++)
            if (*p == '/' || *p == '\\') base = p + 1;
    }
    char text[LOG_LINE_MAX];
    int prefix = snprintf(text, sizeof text, "[%s] [%s] [%-*s] %s:%d %s: ", stamp, m_severity_names[severity],
                          CATEGORY_DISPLAY_WIDTH, m_category_keys[category], base, line, function ? function : "");
    if (prefix < 0 || prefix >= LOG_LINE_MAX) return 0;
    int body = vsnprintf(text + prefix, sizeof text - prefix, format ? format : "", args);
    if (body < 0) return 0;
    size_t length = strlen(text);
    if (length > LOG_LINE_MAX - 2) length = LOG_LINE_MAX - 2;
    text[length++] = '\n';

    uint32_t free_space = (LOG_RING_SIZE - 1) - Ring_Used();
    if (free_space < length) {
        m_dropped++;
        return 0;
    }
    uint32_t start = m_write_pos & RING_MASK;
    uint32_t first = LOG_RING_SIZE - start;
    if (first > length) first = (uint32_t)length;
    memcpy(m_ring + start, text, first);
    memcpy(m_ring, text + first, length - first);
    m_write_pos = (m_write_pos + (uint32_t)length) & RING_MASK;
    return (int)length;
}

void STU_Log_Pump(void)
{
    Write_Dropped_Notice();
    Drain(PUMP_LIMIT);
    if (m_file) fflush(m_file);
}

void STU_Log_Flush_All(void)
{
    Write_Dropped_Notice();
    Drain(LOG_RING_SIZE);
    if (m_file) fflush(m_file);
}

void STU_Log_Shutdown(void)
{
    if (m_file == nullptr) return;
    STU_Log_Flush_All();
    fclose(m_file);
    m_file = nullptr;
    m_file_fd = -1;
}

int STU_Log_Get_Severity_Threshold(void) { return m_threshold; }

const char *STU_Log_Severity_Name(int severity)
{
    if (severity < 0 || severity > 5) return "?";
    return m_severity_names[severity];
}

int STU_Log_Category_Enabled(int category)
{
    if (category < 0 || category >= LOG_CATEGORY_COUNT) return 0;
    return m_category_on[category];
}

const char *STU_Log_Category_Key(int category)
{
    if (category < 0 || category >= LOG_CATEGORY_COUNT) return nullptr;
    return m_category_keys[category];
}

const char *STU_Log_Dir(void) { return m_log_dir; }
const char *STU_Log_File_Path(void) { return m_log_path; }

void STU_Log_Crash_Write(const char *text, int length)
{
    if (m_file_fd < 0 || length <= 0) return;
    ssize_t ignored = write(m_file_fd, text, (size_t)length);
    (void)ignored;
}

void STU_Log_Crash_Drain(void)
{
    // Only write(2) here: stdio may hold its lock in the interrupted code.
    if (m_file_fd < 0 || m_ring == nullptr) return;
    uint32_t count = Ring_Used();
    while (count > 0) {
        uint32_t start = m_read_pos & RING_MASK;
        uint32_t piece = LOG_RING_SIZE - start;
        if (piece > count) piece = count;
        ssize_t written = write(m_file_fd, m_ring + start, piece);
        if (written <= 0) break;
        m_read_pos = (m_read_pos + (uint32_t)written) & RING_MASK;
        count -= (uint32_t)written;
    }
}
