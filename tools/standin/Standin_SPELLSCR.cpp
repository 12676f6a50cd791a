#include "Standin.h"
#include "Standin_Text.h"

// Spell screens' pictures: fillers up to 59, and 60 the picture beside a learned spell's notice.
void Write_SPELLSCR_LBX(const std::string &folder)
{
    Standin_Archive archive{"SPELLSCR", {}, {}};
    for (int k = 0; k < 60; ++k) archive.Add(Standin_Picture({Standin_Frame(4, 4, 8)}));
    archive.Add(Standin_Picture({Standin_Label(60, 40, 123, 17, "Spell", 15, 4)}));
    Standin_Write_Archive(folder, archive);
}
