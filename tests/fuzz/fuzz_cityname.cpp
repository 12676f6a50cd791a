// CITYNAME.LBX through the city-name choice as settlers and new games call it: the race's record
// of names read from an archive built from the input (as it comes, or behind a record-table head),
// then a name drawn against a world whose cities already hold some of them. A refusal ends the
// program through the archive error path, which the exit hook turns into an exception here.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "EXIT.h"
#include "Fuzz_Archive.h"
#include "Fuzz_Survive.h"
#include "Fuzz_Temp_Folder.h"
#include "STU_GRAF.h"
#include "world/ALLOC.h"
#include "world/City_Names.h"

namespace {
std::string m_folder;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    m_folder = Fuzz_Temp_Folder("cityname");
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(m_folder.c_str());
    Exit_Set_Fatal_Hook(Throw_On_Fatal);
    Allocate_Data_Space(6100);
    return 0;
}

// Byte 0: the race (low 4 bits, 14 and 15 out of range) and the head (bit 4); byte 1: how many
// cities stand (their names the first names of the record); the rest is the entry.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2) return 0;
    int16_t race = (int16_t)(data[0] & 15);
    bool head = (data[0] & 16) != 0;
    int cities = data[1] % 20;
    Fuzz_Write_Archive(m_folder, "CITYNAME.LBX",
                       {Fuzz_Table_Entry(data + 2, size - 2, NUM_RACES, CITYNAME_RECORD_SIZE, head)});
    LBX_Close();
    _cities = (int16_t)cities;
    for (int c = 0; c < cities; c++) {
        memset(_CITIES[c].name, 0, sizeof _CITIES[c].name);
        size_t at = 2 + (size_t)(c % CITYNAME_NAMES_PER_RACE) * CITY_NAME_SIZE;
        if (at < size) memcpy(_CITIES[c].name, data + at, std::min(sizeof _CITIES[c].name - 1, size - at));
    }
    char name[CITY_NAME_SIZE + 8];
    memset(name, 0x55, sizeof name);
    Survive([&] {
        Random_City_Name_By_Race(race, name);
        if (memchr(name, 0, CITY_NAME_SIZE) == nullptr) abort();  // the name always ends within its field
    });
    _cities = 0;
    return 0;
}
