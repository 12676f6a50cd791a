#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Allocate.h"
#include "LBX_Load.h"
#include "LBX_Writer.h"
#include "STU_File.h"
#include "STU_GRAF.h"
#include "Standin.h"

int16_t Standin_Archive::Add(const Bytes &entry)
{
    if (entries.size() >= (size_t)LBX_MAX_ENTRIES) Standin_Fail(name + ".LBX: more than 125 entries");
    entries.push_back(entry);
    return (int16_t)(entries.size() - 1);
}

int16_t Standin_Archive::Add_Record_Table(int16_t count, int16_t size, const Bytes &records)
{
    if (records.size() != (size_t)count * (size_t)size) Standin_Fail(name + ".LBX: record table of the wrong length");
    int16_t index = Add(LBX_Writer_Record_Table((uint16_t)count, (uint16_t)size, records));
    record_checks.push_back({index, count, size});
    return index;
}

void Standin_Fail(const std::string &what)
{
    fprintf(stderr, "tolva_standin: %s\n", what.c_str());
    exit(1);
}

static std::string Joined(const std::string &folder, const std::string &name)
{
    char path[GRAF_PATH_MAX];
    STU_GRAF_Join(path, sizeof path, folder.c_str(), name.c_str());
    return path;
}

void Standin_Write_File(const std::string &folder, const std::string &name, const Bytes &bytes)
{
    std::string path = Joined(folder, name);
    if (!STU_Write_File_Atomic(path.c_str(), bytes.data(), bytes.size())) Standin_Fail("cannot write " + path);
}

void Standin_Write_Archive(const std::string &folder, const Standin_Archive &archive)
{
    std::string staging = Joined(folder, ".staging");
    STU_GRAF_Make_Path(staging.c_str());
    std::string file_name = archive.name + ".LBX";
    Standin_Write_File(staging, file_name, LBX_Writer_Archive(archive.entries));

    // Read every entry back through the program's own reader, with guard bands on.
    Pool_Init_Guard_Mode(1);
    LBX_Close();
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(staging.c_str());
    for (size_t i = 0; i < archive.entries.size(); ++i) {
        const Bytes &expected = archive.entries[i];
        uint8_t *data = LBX_Load(archive.name.c_str(), (int16_t)i);
        if (lbxload_entry_length != expected.size() ||
            (expected.size() > 0 && memcmp(data, expected.data(), expected.size()) != 0))
            Standin_Fail(file_name + ": entry " + std::to_string(i) + " does not read back as written");
    }
    for (const Standin_Archive::Record_Check &check : archive.record_checks) {
        Bytes buffer((size_t)check.count * (size_t)check.size);
        LBX_Load_Data_Static(archive.name.c_str(), check.entry, buffer.data(), 0, check.count, check.size);
        if (memcmp(buffer.data(), archive.entries[(size_t)check.entry].data() + 4, buffer.size()) != 0)
            Standin_Fail(file_name + ": records of entry " + std::to_string(check.entry) + " do not read back");
    }
    if (Pool_Check_Guards(nullptr, 0) != 0) Standin_Fail(file_name + ": the reader wrote outside its areas");
    LBX_Close();
    STU_GRAF_Reset();

    std::string from = Joined(staging, file_name);
    std::string to = Joined(folder, file_name);
    if (rename(from.c_str(), to.c_str()) != 0) Standin_Fail("cannot move " + from + " into place");
    rmdir(staging.c_str());
}

void Put_Name(Bytes &record, size_t offset, size_t width, const std::string &name)
{
    size_t n = name.size() < width - 1 ? name.size() : width - 1;
    memcpy(record.data() + offset, name.data(), n);
    memset(record.data() + offset + n, 0, width - n);
}
