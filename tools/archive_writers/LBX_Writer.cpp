#include "LBX_Writer.h"

#include "LBX_Load.h"
#include "STU_LE.h"

Bytes LBX_Writer_Archive(const std::vector<Bytes> &entries)
{
    Bytes file(LBX_HEADER_SIZE, 0);
    LE_Put_U16(file.data(), (uint16_t)entries.size());
    LE_Put_U16(file.data() + 2, LBX_SIGNATURE);
    uint32_t offset = LBX_HEADER_SIZE;
    for (size_t i = 0; i <= entries.size(); ++i) {
        LE_Put_U32(file.data() + LBX_HEADER_OFFSETS + i * 4, offset);
        if (i < entries.size()) offset += (uint32_t)entries[i].size();
    }
    for (const Bytes &entry : entries) file.insert(file.end(), entry.begin(), entry.end());
    return file;
}

Bytes LBX_Writer_Record_Table(uint16_t count, uint16_t size, const Bytes &records)
{
    Bytes entry(4);
    LE_Put_U16(entry.data(), count);
    LE_Put_U16(entry.data() + 2, size);
    entry.insert(entry.end(), records.begin(), records.end());
    return entry;
}
