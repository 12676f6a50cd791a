// The process's resident size in KiB, read from /proc/self/status (-1 where it cannot be read).
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

inline long Resident_Kilobytes(void)
{
    FILE *status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return -1;
    char line[256];
    long kilobytes = -1;
    while (std::fgets(line, sizeof line, status) != nullptr)
        if (std::strncmp(line, "VmRSS:", 6) == 0) kilobytes = std::atol(line + 6);
    std::fclose(status);
    return kilobytes;
}
