// Thin layer between the DOS-era code and libc: null-tolerant string and number
// functions, stdio pass-throughs, the log's timestamp, and substitute values for
// locals the original code read before setting.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>

extern uint32_t stack_garbage_state;

int16_t Stack_Garbage(void);
int16_t Stack_Garbage_Range(int16_t lo, int16_t hi);

// Writes the current UTC time as "YYYY-MM-DDThh:mm:ssZ" (buffer of at least 21 bytes).
// Async-signal-safe; never touches the process time zone.
void get_datetime(char *buffer);

char *stu_itoa(int value, char *buffer, int base);
char *stu_ltoa(int64_t value, char *buffer, int base);
char *stu_ultoa(uint64_t value, char *buffer, int base);
int stu_stricmp(const char *a, const char *b);
int stu_strnicmp(const char *a, const char *b, size_t n);
int stu_strcmp(const char *a, const char *b);
char *stu_strcpy(char *dst, const char *src);
char *stu_strcat(char *dst, const char *src);
char *stu_strncat(char *dst, const char *src, size_t n);
size_t stu_strlen(const char *text);
long stu_strtol(const char *text, char **end, int base);
int stu_putenv(char *assignment);
void stu_tzset(void);
struct tm *stu_localtime(const time_t *when, struct tm *out);
int stu_sscanf(const char *text, const char *format, ...) __attribute__((format(scanf, 2, 3)));

FILE *stu_fopen(const char *path, const char *mode);
int stu_fclose(FILE *stream);
size_t stu_fread(void *buffer, size_t size, size_t count, FILE *stream);
size_t stu_fwrite(const void *buffer, size_t size, size_t count, FILE *stream);
long stu_ftell(FILE *stream);
// Opens path exactly; failing that, matches only its last component without regard to case.
FILE *stu_fopen_ci(const char *path, const char *mode);
