#include "Standin.h"

// The building descriptions: one record table of 36 records of 200 bytes, record b describing
// building b of BUILDDAT in a sentence of our own.
void Write_BUILDESC_LBX(const std::string &folder)
{
    Bytes records(36 * 200, 0);
    for (size_t b = 0; b < 36; ++b) {
        std::string text =
            b == 0 ? std::string("")
                   : "Stand-in building " + std::to_string(b) + ": a plain description of what it does for the city.";
        for (size_t c = 0; c < text.size() && c < 199; ++c) records[b * 200 + c] = (uint8_t)text[c];
    }
    Standin_Archive archive{"BUILDESC", {}, {}};
    archive.Add_Record_Table(36, 200, records);
    Standin_Write_Archive(folder, archive);
}
