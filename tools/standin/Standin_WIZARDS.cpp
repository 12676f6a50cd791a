#include "Standin.h"

// Fourteen wizard portraits: a robed figure whose robe and background colours follow the index.
void Write_WIZARDS_LBX(const std::string &folder)
{
    Standin_Archive archive{"WIZARDS", {}, {}};
    for (int w = 0; w < 14; ++w) {
        Standin_Frame portrait(50, 60, (uint8_t)(16 + w * 15));
        portrait.Fill_Ellipse(25, 18, 9, 11, 213);                                   // face
        portrait.Fill_Rect(10, 32, 39, 59, (uint8_t)(16 + ((w * 47 + 100) % 216)));  // robe
        portrait.Fill_Rect(20 - (w % 3), 4, 30 + (w % 3), 8, (uint8_t)(232 + w));    // hat band
        archive.Add(Standin_Picture({portrait}));
    }
    Standin_Write_Archive(folder, archive);
}
