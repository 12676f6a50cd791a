#include "Standin.h"

// Help rectangles per screen: entry n is a table of 10-byte records {i16 help index, x1, y1,
// x2, y2} with as many records as the screen that reads it asks for. The rectangles tile the
// screen; every help index names one of the stand-in help records.
void Write_HLPENTRY_LBX(const std::string &folder)
{
    static const int16_t counts[41] = {15, 25, 16, 23, 10, 47, 22, 18, 5, 1, 1, 6,  43, 23, 11, 8,  10, 4,  12, 13, 12,
                                       17, 23, 23, 10, 10, 10, 6,  10, 6, 1, 1, 15, 25, 21, 14, 30, 7,  10, 1,  7};
    Standin_Archive archive{"HLPENTRY", {}, {}};
    for (int entry = 0; entry < 41; ++entry) {
        int16_t count = counts[entry];
        Bytes records((size_t)count * 10, 0);
        for (int i = 0; i < count; ++i) {
            int16_t values[5] = {(int16_t)((entry + i) % 50), (int16_t)((i % 8) * 40), (int16_t)((i / 8) * 25),
                                 (int16_t)((i % 8) * 40 + 39), (int16_t)((i / 8) * 25 + 24)};
            for (int v = 0; v < 5; ++v) {
                records[(size_t)i * 10 + v * 2] = (uint8_t)(values[v] & 0xFF);
                records[(size_t)i * 10 + v * 2 + 1] = (uint8_t)((values[v] >> 8) & 0xFF);
            }
        }
        archive.Add_Record_Table(count, 10, records);
    }
    Standin_Write_Archive(folder, archive);
}
