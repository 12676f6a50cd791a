#include "STU_LE.h"
#include "Standin.h"

// Entry 0: the edge-tile table, 5 records of 512 bytes read as 1,280 i16 values by neighbour mask.
// Masks 1..255 (shores, deserts, tundra) hold 3..161, 18 (a lake of one square) for mask 255, and
// masks 257..511 (mountains, hills) hold 259..274, so every re-fit stays in its class.
void Write_TERRTYPE_LBX(const std::string &folder)
{
    Standin_Archive archive{"TERRTYPE", {}, {}};
    Bytes records(5 * 512, 0);
    for (int i = 0; i < 5 * 256; ++i) {
        int16_t value = 0;
        if (i >= 1 && i < 256) value = (int16_t)(i == 255 ? 18 : 3 + i % 159);
        if (i > 256 && i < 512) value = (int16_t)(259 + (i - 256) % 16);
        LE_Put_I16(records.data() + 2 * i, value);
    }
    archive.Add_Record_Table(5, 512, records);
    Standin_Write_Archive(folder, archive);
}
