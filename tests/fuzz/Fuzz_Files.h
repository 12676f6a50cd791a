// Fuzz targets that read files through the program's own entry points write their input into a
// private folder first.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

inline char m_fuzz_dir[512] = "";

inline void Fuzz_Remove_Dir(void) { std::filesystem::remove_all(m_fuzz_dir); }

// Made on first use and removed at exit.
inline std::string Fuzz_Dir(void)
{
    if (m_fuzz_dir[0] == '\0') {
        const char *base = getenv("TMPDIR");
        snprintf(m_fuzz_dir, sizeof m_fuzz_dir, "%s/tolva-fuzz.XXXXXX", base != nullptr && base[0] != '\0' ? base : "/tmp");
        if (mkdtemp(m_fuzz_dir) == nullptr) abort();
        atexit(Fuzz_Remove_Dir);
    }
    return m_fuzz_dir;
}

inline void Fuzz_Write(const std::string &path, const uint8_t *data, size_t size)
{
    FILE *file = fopen(path.c_str(), "wb");
    if (file == nullptr) abort();
    if (size > 0 && fwrite(data, 1, size, file) != size) abort();
    fclose(file);
}
