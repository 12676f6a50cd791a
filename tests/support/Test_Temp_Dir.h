// A fresh temporary folder per test, removed afterwards.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

// The one temporary-folder helper of the tests: made with mkdtemp (a fresh name, never an
// existing folder), removed with std::filesystem, never through a shell.
struct Test_Temp_Dir {
    std::string path;
    Test_Temp_Dir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tolva-test.XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            fprintf(stderr, "cannot make a temporary folder from %s\n", pattern.c_str());
            abort();
        }
        path = pattern;
    }
    ~Test_Temp_Dir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    Test_Temp_Dir(const Test_Temp_Dir &) = delete;
    Test_Temp_Dir &operator=(const Test_Temp_Dir &) = delete;
    std::string operator/(const std::string &name) const { return path + "/" + name; }
};

inline void Write_Text(const std::string &path, const std::string &text)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string Read_Text(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
