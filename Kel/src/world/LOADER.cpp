#include "world/LOADER.h"

#include <cstdio>

#include "Allocate.h"
#include "LBX_Load.h"
#include "STU_LE.h"
#include "world/Settings.h"
#include "world/Unit_Type_Record.h"

uint8_t *terrain_stats_table;
int8_t *TBL_Unrest[NUM_UNREST_RACES];
Spell_Data_Record *spell_data_table;
Building_Data_Record *bldg_data_table;

uint8_t *Load_Rule_Table(const char *lbx_name, int16_t entry, int16_t count, int16_t size)
{
    uint32_t start = 0;
    uint32_t length = 0;
    FILE *stream = LBX_Get_Entry_Data(lbx_name, entry, &start, &length);
    uint8_t head[4] = {0, 0, 0, 0};
    int ok = length >= 4 && fseek(stream, (long)start, SEEK_SET) == 0 && fread(head, 1, 4, stream) == 4;
    // The head's count and size are unsigned words.
    uint16_t stored_count = LE_U16(head);
    uint16_t stored_size = LE_U16(head + 2);
    uint32_t needed = 4u + (uint32_t)count * (uint32_t)size;
    if (!ok || count < 0 || size <= 0 || stored_size != (uint16_t)size || stored_count < (uint16_t)count ||
        length < needed) {
        Error_Handler(lbx_name, 9, entry, 0);
    }
    Pool_Note_Carve_Site("Kel/src/LOADER", __LINE__);
    return LBX_Load_Data(lbx_name, entry, 0, count, size);
}

void Load_TERRSTAT(void)
{
    terrain_stats_table = Load_Rule_Table("TERRSTAT", 0, NUM_TERRAIN_STATS, TERRAIN_STATS_RECORD_SIZE);
}

void Load_SPELLDAT(void)
{
    // The block that Allocate_Data_Space carved for the spells is left idle.
    spell_data_table =
        reinterpret_cast<Spell_Data_Record *>(Load_Rule_Table("SPELLDAT.LBX", 0, NUM_SPELLS, SPELL_DATA_RECORD_SIZE));
}

void Load_BUILDDAT(void)
{
    bldg_data_table = reinterpret_cast<Building_Data_Record *>(
        Load_Rule_Table("BUILDDAT.LBX", 0, NUM_BUILDING_TYPES, BUILDING_DATA_RECORD_SIZE));
}

void Units_Upkeeps(void)
{
    for (int type = 0; type < NUM_UNIT_TYPES; type++) {
        int32_t cost = _unit_type_table[type].cost;
        int32_t upkeep = (type < NUM_HERO_TYPES) ? (cost + 99) / 100 : (cost + 49) / 50;
        if (upkeep < 0) {
            upkeep = 0;
        }
        if (upkeep > 255) {
            upkeep = 255;  // the field is a byte
        }
        _unit_type_table[type].Upkeep = (uint8_t)upkeep;
    }
}
