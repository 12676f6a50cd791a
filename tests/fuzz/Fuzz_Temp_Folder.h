// A private scratch folder for fuzz targets that go through file-reading entry points: made once
// per process (on /dev/shm when there is one, so the many small writes stay in memory) and
// emptied before each input.
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

inline std::string Fuzz_Temp_Folder(const char *tag)
{
    const char *base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : (getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp");
    std::string pattern = std::string(base) + "/tolva-fuzz-" + tag + "-XXXXXX";
    char *made = mkdtemp(pattern.data());
    if (made == nullptr) {
        perror("mkdtemp");
        abort();
    }
    return made;
}

// Removes the plain files directly inside folder, and sub-folders one level deep.
inline void Fuzz_Empty_Folder(const std::string &folder)
{
    DIR *dir = opendir(folder.c_str());
    if (dir == nullptr) return;
    while (dirent *entry = readdir(dir)) {
        if (strcmp(entry->d_name, ".") == 0 || strcmp(entry->d_name, "..") == 0) continue;
        std::string path = folder + "/" + entry->d_name;
        if (remove(path.c_str()) != 0) {
            Fuzz_Empty_Folder(path);
            rmdir(path.c_str());
        }
    }
    closedir(dir);
}

inline void Fuzz_Write_File(const std::string &path, const uint8_t *data, size_t size)
{
    FILE *file = fopen(path.c_str(), "wb");
    if (file == nullptr) abort();
    if (size > 0 && fwrite(data, 1, size, file) != size) abort();
    fclose(file);
}
