// Builds small archives in a temporary folder that the asset search is pointed at.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "LBX_Load.h"
#include "LBX_Writer.h"
#include "STU_GRAF.h"
#include "STU_LE.h"
#include "Test_Temp_Dir.h"

// A record table whose record r is filled with the byte fill_from + r.
inline Bytes Record_Table(uint16_t count, uint16_t size, int fill_from = 0)
{
    Bytes records((size_t)count * size);
    for (size_t i = 0; i < records.size(); ++i) records[i] = (uint8_t)(fill_from + i / size);
    return LBX_Writer_Record_Table(count, size, records);
}

inline Bytes Pattern(size_t length, uint8_t seed)
{
    Bytes b(length);
    for (size_t i = 0; i < length; ++i) b[i] = (uint8_t)(seed + i * 7);
    return b;
}

class LBX_Folder {
public:
    LBX_Folder()
    {
        STU_GRAF_Reset();
        STU_GRAF_Add_Search_Dir(dir_.path.c_str());
        LBX_Close();
    }
    ~LBX_Folder()
    {
        LBX_Close();
        STU_GRAF_Reset();
    }
    void Write(const std::string &name, const Bytes &bytes) const
    {
        std::string path = dir_ / name;
        FILE *f = fopen(path.c_str(), "wb");
        if (f == nullptr) return;
        if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    const std::string &Path() const { return dir_.path; }

private:
    Test_Temp_Dir dir_;
};
