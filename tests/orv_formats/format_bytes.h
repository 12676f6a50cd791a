// Byte fixtures typed by hand from the format descriptions, independent of the stand-in
// encoders, and a data folder that the asset search is pointed at.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "Test_Temp_Dir.h"

using Bytes = std::vector<uint8_t>;

// Places bytes at an offset of a file image, growing it with zeros as needed.
inline void Put_Bytes(Bytes &file, size_t at, const Bytes &bytes)
{
    if (file.size() < at + bytes.size()) file.resize(at + bytes.size(), 0);
    for (size_t i = 0; i < bytes.size(); ++i) file[at + i] = bytes[i];
}

struct Data_Folder {
    Test_Temp_Dir dir;
    Data_Folder()
    {
        LBX_Close();
        STU_GRAF_Reset();
        STU_GRAF_Add_Search_Dir(dir.path.c_str());
    }
    ~Data_Folder()
    {
        LBX_Close();
        STU_GRAF_Reset();
    }
    void Write(const std::string &name, const Bytes &bytes) const
    {
        Write_Text(dir / name, std::string(bytes.begin(), bytes.end()));
    }
};
