// A private scratch folder for fuzz targets that go through file-reading entry points: made once
// per process (on /dev/shm when there is one, so the many small writes stay in memory), emptied
// before each input and removed when the process ends.
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

inline std::vector<std::string> &Fuzz_Temp_Folders(void)
{
    static std::vector<std::string> folders;
    return folders;
}

inline void Fuzz_Remove_Temp_Folders(void)
{
    for (const std::string &folder : Fuzz_Temp_Folders()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
}

inline std::string Fuzz_Temp_Folder(const char *tag)
{
    const char *base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : (getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp");
    std::string pattern = std::string(base) + "/tolva-fuzz-" + tag + "-XXXXXX";
    char *made = mkdtemp(pattern.data());
    if (made == nullptr) {
        perror("mkdtemp");
        abort();
    }
    if (Fuzz_Temp_Folders().empty()) atexit(Fuzz_Remove_Temp_Folders);
    Fuzz_Temp_Folders().push_back(made);
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
