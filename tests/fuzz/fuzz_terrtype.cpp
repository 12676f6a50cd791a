// TERRTYPE.LBX through both of its readers: the world generator's edge tables and tiling passes
// over a map of mixed terrain, and the terrain changes of the running game (mountains, hills,
// flows) that read the table again. An archive refusal ends the program through the archive error
// path, which the exit hook turns into an exception here; every tile set must stay on the map.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "EXIT.h"
#include "Fuzz_Archive.h"
#include "Fuzz_Survive.h"
#include "Fuzz_Temp_Folder.h"
#include "STU_GRAF.h"
#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"
#include "world/Terrain_Changes.h"
#include "worldgen/Terrain_Tiling.h"

namespace {

std::string m_folder;

// A map of every rough kind in bands and patches, drawn from the input's first bytes.
void Make_Map(const uint8_t *data, size_t size)
{
    static const int16_t kinds[] = {tt_Grasslands, tt_Forest, tt_Hills, tt_Mountain, tt_Desert, tt_Tundra, tt_Swamp, 0};
    for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) {
        uint8_t pick = size > 0 ? data[square % size] : 0;
        int x = square % WORLD_WIDTH;
        int y = (square / WORLD_WIDTH) % WORLD_HEIGHT;
        _world_maps[square] = kinds[(pick + x / 4 + y / 3) % 8];
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    m_folder = Fuzz_Temp_Folder("terrtype");
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(m_folder.c_str());
    Exit_Set_Fatal_Hook(Throw_On_Fatal);
    Allocate_Data_Space(6100);
    return 0;
}

// Byte 0: the head (bit 0) and the square the game changes (the rest); then the entry.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1) return 0;
    const uint8_t *entry = data + 1;
    size_t length = size - 1;
    Fuzz_Write_Archive(m_folder, "TERRTYPE.LBX",
                       {Fuzz_Table_Entry(entry, length, TERRTYPE_RECORDS, TERRTYPE_RECORD_SIZE, data[0] & 1)});
    LBX_Close();
    Make_Map(entry, length < 64 ? length : 64);
    Survive([] {
        Load_Edge_Tile_Tables();
        Korvad_Autotiling();
        Desert_Autotile();
    });
    int16_t wx = (int16_t)((data[0] >> 1) % WORLD_WIDTH);
    int16_t wy = (int16_t)((data[0] >> 1) % WORLD_HEIGHT);
    Survive([&] {
        Set_Terrain_Type_Mountain(wx, wy, 0);
        Set_Terrain_Type_Hills((int16_t)(wx + 1), wy, 0);
        Adjust_Map_Flow((int16_t)(wx + 2), (int16_t)(wy + 1), 1);
    });
    for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++)
        if (_world_maps[square] < 0 || _world_maps[square] > EDGE_TILE_MAX) abort();
    return 0;
}
