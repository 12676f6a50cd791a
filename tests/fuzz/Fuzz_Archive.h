// Archives built from fuzz input in a scratch folder, and a clock that ends frame waits at once.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "LBX_Load.h"
#include "STU_LE.h"
#include "sdl2_PFL.h"

// Writes folder/name as an archive of the given entries.
inline void Fuzz_Write_Archive(const std::string &folder, const char *name,
                               const std::vector<std::vector<uint8_t>> &entries)
{
    std::vector<uint8_t> file(LBX_HEADER_SIZE, 0);
    LE_Put_U16(file.data(), (uint16_t)entries.size());
    LE_Put_U16(file.data() + 2, LBX_SIGNATURE);
    uint32_t offset = LBX_HEADER_SIZE;
    for (size_t i = 0; i <= entries.size(); ++i) {
        LE_Put_U32(file.data() + LBX_HEADER_OFFSETS + 4 * i, offset);
        if (i < entries.size()) offset += (uint32_t)entries[i].size();
    }
    for (const auto &e : entries) file.insert(file.end(), e.begin(), e.end());
    FILE *out = fopen((folder + "/" + name).c_str(), "wb");
    if (out == nullptr) return;
    fwrite(file.data(), 1, file.size(), out);
    fclose(out);
}

// The input as an archive's entry: as it is, or (sound set) behind a record-table head of
// count records of record_size, the bytes repeated to fill them.
inline std::vector<uint8_t> Fuzz_Table_Entry(const uint8_t *data, size_t size, int count, int record_size, bool sound)
{
    if (!sound) return std::vector<uint8_t>(data, data + size);
    std::vector<uint8_t> entry(4 + (size_t)count * record_size, 0);
    LE_Put_U16(entry.data(), (uint16_t)count);
    LE_Put_U16(entry.data() + 2, (uint16_t)record_size);
    for (size_t i = 0; size > 0 && i + 4 < entry.size(); ++i) entry[4 + i] = data[i % size];
    return entry;
}

// A clock a second ahead at every reading: every wait for a frame is over at once.
inline uint64_t Fuzz_Racing_Clock(void)
{
    static uint64_t now = 0;
    now += 1000;
    return now;
}
