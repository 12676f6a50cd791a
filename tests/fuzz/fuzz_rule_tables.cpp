// The rule-table loaders as the game calls them at start-up (TERRSTAT entries 0 and 1, SPELLDAT,
// BUILDDAT), over archives built from the input. A refusal ends the program through the archive
// error path, which the exit hook turns into an exception here; an adopted table is read whole
// from a copy of exactly its size, so that a table shorter than its loader assumes is seen.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "Allocate.h"
#include "EXIT.h"
#include "Fuzz_Archive.h"
#include "Fuzz_Survive.h"
#include "Fuzz_Temp_Folder.h"
#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "STU_LE.h"
#include "world/LOADER.h"

namespace {

std::string m_folder;

void Write_Archive(const char *name, const std::vector<std::vector<uint8_t>> &entries)
{
    Fuzz_Write_Archive(m_folder, name, entries);
}

// The slice as a table entry: with a head of the loader's count and size when sound is set (the
// bytes repeated to fill the records), else as it is.
std::vector<uint8_t> Table_Entry(const uint8_t *data, size_t size, int count, int record_size, bool sound)
{
    if (!sound) return std::vector<uint8_t>(data, data + size);
    std::vector<uint8_t> entry(4 + (size_t)count * record_size, 0);
    LE_Put_U16(entry.data(), (uint16_t)count);
    LE_Put_U16(entry.data() + 2, (uint16_t)record_size);
    for (size_t i = 0; size > 0 && i + 4 < entry.size(); ++i) entry[4 + i] = data[i % size];
    return entry;
}

volatile uint32_t m_sum;

void Read_Whole(const void *table, size_t bytes)
{
    std::vector<uint8_t> copy(static_cast<const uint8_t *>(table), static_cast<const uint8_t *>(table) + bytes);
    uint32_t sum = 0;
    for (uint8_t b : copy) sum += b;
    m_sum = sum;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    m_folder = Fuzz_Temp_Folder("rules");
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(m_folder.c_str());
    Exit_Set_Fatal_Hook(Throw_On_Fatal);
    Pool_Init_Guard_Mode(1);
    return 0;
}

// Byte 0: which tables get a sound head (bits 0-3: TERRSTAT 0, TERRSTAT 1, SPELLDAT, BUILDDAT);
// the rest is cut in four slices of equal length, one per table.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1) return 0;
    uint8_t mode = data[0];
    const uint8_t *p = data + 1;
    size_t slice = (size - 1) / 4;
    auto part = [&](int k, int count, int record_size) {
        return Table_Entry(p + slice * k, slice, count, record_size, (mode >> k) & 1);
    };
    Write_Archive("TERRSTAT.LBX",
                  {part(0, NUM_TERRAIN_STATS, TERRAIN_STATS_RECORD_SIZE), part(1, 1, UNREST_TABLE_SIZE)});
    Write_Archive("SPELLDAT.LBX", {part(2, NUM_SPELLS, SPELL_DATA_RECORD_SIZE)});
    Write_Archive("BUILDDAT.LBX", {part(3, NUM_BUILDING_TYPES, BUILDING_DATA_RECORD_SIZE)});
    if (Pool_Bytes_Used() > POOL_CARVE_LIMIT / 2) Pool_Init_Guard_Mode(1);
    LBX_Close();

    Survive([] {
        Load_TERRSTAT();
        Read_Whole(terrain_stats_table, (size_t)NUM_TERRAIN_STATS * TERRAIN_STATS_RECORD_SIZE);
    });
    Survive([] { Read_Whole(Load_Rule_Table("TERRSTAT", 1, 1, UNREST_TABLE_SIZE), UNREST_TABLE_SIZE); });
    Survive([] {
        Load_SPELLDAT();
        Read_Whole(spell_data_table, (size_t)NUM_SPELLS * SPELL_DATA_RECORD_SIZE);
    });
    Survive([] {
        Load_BUILDDAT();
        Read_Whole(bldg_data_table, (size_t)NUM_BUILDING_TYPES * BUILDING_DATA_RECORD_SIZE);
    });
    return 0;
}
