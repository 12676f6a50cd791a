// A fresh temporary folder per test, removed afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

struct Test_Temp_Dir {
    std::string path;
    Test_Temp_Dir()
    {
        char pattern[] = "/tmp/tolva-test.XXXXXX";
        path = mkdtemp(pattern);
    }
    ~Test_Temp_Dir() { std::filesystem::remove_all(path); }
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
