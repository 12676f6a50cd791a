// Builds small archives in a temporary folder that the asset search is pointed at.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "STU_LE.h"

using Bytes = std::vector<uint8_t>;

inline Bytes LBX_Archive_Bytes(const std::vector<Bytes> &entries)
{
    Bytes file(LBX_HEADER_SIZE, 0);
    LE_Put_U16(file.data(), (uint16_t)entries.size());
    LE_Put_U16(file.data() + 2, LBX_SIGNATURE);
    uint32_t offset = LBX_HEADER_SIZE;
    for (size_t i = 0; i <= entries.size(); ++i) {
        LE_Put_U32(file.data() + LBX_HEADER_OFFSETS + i * 4, offset);
        if (i < entries.size()) offset += (uint32_t)entries[i].size();
    }
    for (const Bytes &e : entries) file.insert(file.end(), e.begin(), e.end());
    return file;
}

inline Bytes Record_Table(uint16_t count, uint16_t size, int fill_from = 0)
{
    Bytes entry(4 + (size_t)count * size);
    LE_Put_U16(entry.data(), count);
    LE_Put_U16(entry.data() + 2, size);
    for (size_t i = 4; i < entry.size(); ++i) entry[i] = (uint8_t)(fill_from + (i - 4) / size);
    return entry;
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
        char pattern[] = "/tmp/tolva_lbx_XXXXXX";
        folder_ = mkdtemp(pattern);
        STU_GRAF_Reset();
        STU_GRAF_Add_Search_Dir(folder_.c_str());
        LBX_Close();
    }
    ~LBX_Folder()
    {
        LBX_Close();
        STU_GRAF_Reset();
        std::string command = "rm -rf '" + folder_ + "'";
        if (system(command.c_str()) != 0) fprintf(stderr, "could not remove %s\n", folder_.c_str());
    }
    void Write(const std::string &name, const Bytes &bytes) const
    {
        std::string path = folder_ + "/" + name;
        FILE *f = fopen(path.c_str(), "wb");
        if (f == nullptr) return;
        if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    const std::string &Path() const { return folder_; }

private:
    std::string folder_;
};
