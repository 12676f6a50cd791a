#include "STU_Wrappers.h"

#include <cctype>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dirent.h>

uint32_t stack_garbage_state = 0x5354524Bu;

namespace {

uint32_t Stack_Garbage_Step()
{
    uint32_t x = stack_garbage_state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    stack_garbage_state = x;
    return x;
}

int Lower(int c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

char *Unsigned_To_Text(uint64_t value, char *buffer, int base, int negative)
{
    if (buffer == nullptr) return buffer;
    if (base < 2 || base > 36) {
        buffer[0] = '\0';
        return buffer;
    }
    char digits[72];
    int count = 0;
    do {
        int d = (int)(value % (uint64_t)base);
        digits[count++] = (char)(d < 10 ? '0' + d : 'a' + d - 10);
        value /= (uint64_t)base;
    } while (value != 0);
    int out = 0;
    if (negative) buffer[out++] = '-';
    while (count > 0) buffer[out++] = digits[--count];
    buffer[out] = '\0';
    return buffer;
}

}  // namespace

int16_t Stack_Garbage(void) { return (int16_t)(Stack_Garbage_Step() >> 16); }

int16_t Stack_Garbage_Range(int16_t lo, int16_t hi)
{
    if (hi <= lo) return lo;
    uint32_t span = (uint32_t)((int32_t)hi - (int32_t)lo + 1);
    uint32_t x = Stack_Garbage_Step();
    return (int16_t)(lo + (int32_t)(x % span));
}

void get_datetime(char *buffer)
{
    // Civil date from the day count: pure arithmetic, so it is safe in a signal handler
    // and leaves the process time zone alone.
    int64_t seconds = (int64_t)time(nullptr);
    int64_t days = seconds / 86400;
    int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        days -= 1;
    }
    int64_t z = days + 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    int day = (int)(doy - (153 * mp + 2) / 5 + 1);
    int month = (int)(mp < 10 ? mp + 3 : mp - 9);
    int year = (int)(yoe + era * 400 + (month <= 2 ? 1 : 0));
    int fields[6] = {year % 10000, month, day, (int)(rest / 3600), (int)(rest % 3600 / 60), (int)(rest % 60)};
    // Digits written by hand: no stdio, so the crash path can use it too.
    static const char separators[6] = {'-', '-', 'T', ':', ':', 'Z'};
    int out = 0;
    for (int i = 0; i < 6; i++) {
        int width = i == 0 ? 4 : 2;
        int value = fields[i];
        for (int d = width - 1; d >= 0; d--) {
            buffer[out + d] = (char)('0' + value % 10);
            value /= 10;
        }
        out += width;
        buffer[out++] = separators[i];
    }
    buffer[out] = '\0';
}

char *stu_itoa(int value, char *buffer, int base)
{
    if (base == 10 && value < 0) return Unsigned_To_Text((uint64_t)(-(int64_t)value), buffer, base, 1);
    if (base == 10) return Unsigned_To_Text((uint64_t)value, buffer, base, 0);
    return Unsigned_To_Text((uint64_t)(uint32_t)value, buffer, base, 0);
}

char *stu_ltoa(int64_t value, char *buffer, int base)
{
    if (base == 10 && value < 0) return Unsigned_To_Text(0 - (uint64_t)value, buffer, base, 1);
    return Unsigned_To_Text((uint64_t)value, buffer, base, 0);
}

char *stu_ultoa(uint64_t value, char *buffer, int base) { return Unsigned_To_Text(value, buffer, base, 0); }

int stu_stricmp(const char *a, const char *b)
{
    if (a == nullptr || b == nullptr) return stu_strcmp(a, b);
    for (;; a++, b++) {
        int ca = Lower((unsigned char)*a), cb = Lower((unsigned char)*b);
        if (ca != cb || ca == 0) return ca - cb;
    }
}

int stu_strnicmp(const char *a, const char *b, size_t n)
{
    if (a == nullptr || b == nullptr) return stu_strcmp(a, b);
    for (size_t i = 0; i < n; i++) {
        int ca = Lower((unsigned char)a[i]), cb = Lower((unsigned char)b[i]);
        if (ca != cb || ca == 0) return ca - cb;
    }
    return 0;
}

int stu_strcmp(const char *a, const char *b)
{
    if (a == nullptr && b == nullptr) return 0;
    if (a == nullptr) return -1;
    if (b == nullptr) return 1;
    return strcmp(a, b);
}

char *stu_strcpy(char *dst, const char *src)
{
    if (dst == nullptr || src == nullptr) return dst;
    return strcpy(dst, src);
}

char *stu_strcat(char *dst, const char *src)
{
    if (dst == nullptr || src == nullptr) return dst;
    return strcat(dst, src);
}

char *stu_strncat(char *dst, const char *src, size_t n)
{
    if (dst == nullptr || src == nullptr) return dst;
    return strncat(dst, src, n);
}

size_t stu_strlen(const char *text) { return text ? strlen(text) : 0; }

long stu_strtol(const char *text, char **end, int base)
{
    if (text == nullptr) {
        if (end) *end = nullptr;
        return 0;
    }
    return strtol(text, end, base);
}

int stu_putenv(char *assignment) { return putenv(assignment); }
void stu_tzset(void) { tzset(); }
struct tm *stu_localtime(const time_t *when, struct tm *out) { return localtime_r(when, out); }

int stu_sscanf(const char *text, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    int result = vsscanf(text, format, args);
    va_end(args);
    return result;
}

FILE *stu_fopen(const char *path, const char *mode) { return fopen(path, mode); }
int stu_fclose(FILE *stream) { return fclose(stream); }
size_t stu_fread(void *buffer, size_t size, size_t count, FILE *stream) { return fread(buffer, size, count, stream); }
size_t stu_fwrite(const void *buffer, size_t size, size_t count, FILE *stream)
{
    return fwrite(buffer, size, count, stream);
}
long stu_ftell(FILE *stream) { return ftell(stream); }

FILE *stu_fopen_ci(const char *path, const char *mode)
{
    if (path == nullptr || mode == nullptr) return nullptr;
    FILE *file = fopen(path, mode);
    if (file != nullptr) return file;

    char folder[512];
    const char *name = path;
    const char *slash = strrchr(path, '/');
    if (slash != nullptr) {
        size_t folder_length = (size_t)(slash - path);
        if (folder_length >= sizeof folder) return nullptr;
        memcpy(folder, path, folder_length);
        folder[folder_length] = '\0';
        if (folder_length == 0) snprintf(folder, sizeof folder, "/");
        name = slash + 1;
    } else {
        snprintf(folder, sizeof folder, ".");
    }
    if (name[0] == '\0') return nullptr;

    DIR *dir = opendir(folder);
    if (dir == nullptr) return nullptr;
    char found[512] = "";
    for (struct dirent *entry = readdir(dir); entry != nullptr; entry = readdir(dir)) {
        if (stu_stricmp(entry->d_name, name) == 0) {
            int length = slash ? snprintf(found, sizeof found, "%s/%s", slash == path ? "" : folder, entry->d_name)
                               : snprintf(found, sizeof found, "%s", entry->d_name);
            if (length < 0 || length >= (int)sizeof found) found[0] = '\0';
            break;
        }
    }
    closedir(dir);
    if (found[0] == '\0') return nullptr;
    return fopen(found, mode);
}
