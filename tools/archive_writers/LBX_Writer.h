// Writes archives in the DOS game's LBX form: for the stand-in installation and for tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

// The container: 512-byte header {u16 count, u16 0xFEAD, 4 bytes, u32 offsets[count + 1]}, then
// the entries one after another.
Bytes LBX_Writer_Archive(const std::vector<Bytes> &entries);

// A record-table entry: u16 count, u16 record size, then the records.
Bytes LBX_Writer_Record_Table(uint16_t count, uint16_t size, const Bytes &records);
