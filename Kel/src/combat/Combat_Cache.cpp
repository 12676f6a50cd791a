#include "combat/Combat_Cache.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "STU_File.h"
#include "STU_GRAF.h"
#include "STU_Log.h"
#include "world/ALLOC.h"

namespace {

std::vector<uint8_t> m_copy;

size_t World_Block_Bytes(void) { return (size_t)tmp_World_Data_Paras * 16; }

}  // namespace

int Combat_Cache_Path(char *buffer, int size)
{
    char folder[GRAF_PATH_MAX] = "";
    if (!STU_GRAF_User_Data_Dir(folder, sizeof folder) || folder[0] == '\0') {
        if (size > 0) buffer[0] = '\0';
        return 0;
    }
    const int n = snprintf(buffer, (size_t)size, "%s/%s", folder, COMBAT_CACHE_FILE);
    return n > 0 && n < size;
}

int16_t Combat_Cache_Write(void)
{
    char path[GRAF_PATH_MAX + 16] = "";
    const size_t bytes = World_Block_Bytes();
    m_copy.clear();
    if (World_Data == nullptr || !Combat_Cache_Path(path, sizeof path) ||
        !STU_Write_File_Atomic(path, World_Data, bytes)) {
        STU_LOG(SEV_FATAL, LC_COMBAT,
                "FATAL: Combat_Cache_Write() failed to open \"%s\"; the world data cannot be saved before combat",
                path[0] ? path : COMBAT_CACHE_FILE);
        STU_Log_Flush_All();
        return 0;
    }
    m_copy.assign(World_Data, World_Data + bytes);
    return 1;
}

int16_t Combat_Cache_Read(void)
{
    const size_t bytes = World_Block_Bytes();
    if (World_Data == nullptr || m_copy.size() != bytes) {
        char path[GRAF_PATH_MAX + 16] = "";
        Combat_Cache_Path(path, sizeof path);
        STU_LOG(SEV_FATAL, LC_COMBAT,
                "FATAL: Combat_Cache_Read() failed to open \"%s\"; the world data cannot be restored after combat",
                path[0] ? path : COMBAT_CACHE_FILE);
        STU_Log_Flush_All();
        return 0;
    }
    memcpy(World_Data, m_copy.data(), bytes);
    return 1;
}
