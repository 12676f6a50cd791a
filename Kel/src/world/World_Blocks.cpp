#include "world/World_Blocks.h"

#include <cstring>

void *World_Block_Data(World_Block_Id id)
{
    switch (id) {
#define WORLD_BLOCK_DATA(id, name, data, element_size, count, paras)                                                   \
    case id: return (void *)(data);
        WORLD_BLOCKS(WORLD_BLOCK_DATA)
#undef WORLD_BLOCK_DATA
    case NUM_WORLD_BLOCKS: break;
    }
    return nullptr;
}

void World_Block_Fill(World_Block_Id id, uint8_t value) { memset(World_Block_Data(id), value, World_Block_Bytes(id)); }
