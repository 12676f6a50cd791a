#include "Standin.h"
#include "Standin_Text.h"

// The combat pictures: placeholders with their number (0-80) until the combat screen's own pictures
// come, then the raze prompt's two buttons, "No" (81) and "Raze" (82).
void Write_COMPIX_LBX(const std::string &folder)
{
    Standin_Archive archive{"COMPIX", {}, {}};
    for (int entry = 0; entry <= 80; ++entry) {
        archive.Add(Standin_Thing(16, 10, (uint8_t)(entry % 2 == 0 ? 60 : 66), std::to_string(entry)));
    }
    archive.Add(Standin_Word_Button(62, 14, 34, "No"));
    archive.Add(Standin_Word_Button(62, 14, 66, "Raze"));
    Standin_Write_Archive(folder, archive);
}
