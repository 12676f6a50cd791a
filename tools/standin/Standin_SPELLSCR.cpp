#include "Standin.h"
#include "Standin_Text.h"

// Spell screens' pictures: fillers up to 59, and 60 the picture beside a learned spell's notice.
// The item-making screen: 13 its background, 14..23 the type buttons, 24 OK, 25..34 the type
// buttons lit, 35 and 36 the icon arrows.
void Write_SPELLSCR_LBX(const std::string &folder)
{
    static const char *const types[10] = {"Sword", "Mace", "Axe",    "Bow",   "Staff",
                                          "Wand",  "Misc", "Shield", "Chain", "Plate"};
    Standin_Archive archive{"SPELLSCR", {}, {}};
    for (int k = 0; k < 60; ++k) {
        if (k == 0) {
            archive.Add(Standin_Picture({Standin_Label(230, 180, 22, 17, "Target wizard", 15, 4)}));
        } else if (k == 13) {
            Standin_Frame screen(320, 200, 20);
            screen.Fill_Rect(2, 36, 317, 178, 18);  // the power columns
            Standin_Print(screen, 100, 186, "Item making", 2, 15);
            archive.Add(Standin_Packed_Picture({screen}));
        } else if (k >= 14 && k <= 23) {
            archive.Add(Standin_Word_Button(31, 13, 46, types[k - 14], 1));
        } else if (k == 24) {
            archive.Add(Standin_Word_Button(34, 16, 46, "OK"));
        } else if (k >= 25 && k <= 34) {
            archive.Add(Standin_Word_Button(31, 13, 60, types[k - 25], 1));
        } else if (k == 35 || k == 36) {
            archive.Add(Standin_Word_Button(12, 10, 46, k == 35 ? "<" : ">", 1));
        } else {
            archive.Add(Standin_Picture({Standin_Frame(4, 4, 8)}));
        }
    }
    archive.Add(Standin_Picture({Standin_Label(60, 40, 123, 17, "Spell", 15, 4)}));
    // The Target Wizard screen: 71 its cancel button, 72 its panel for Spell Blast (0 for the others).
    while (archive.entries.size() < 71) archive.Add(Standin_Picture({Standin_Frame(4, 4, 8)}));
    archive.Add(Standin_Word_Button(40, 14, 46, "Cancel", 1));
    archive.Add(Standin_Picture({Standin_Label(230, 180, 21, 17, "Blast whom?", 15, 4)}));
    Standin_Write_Archive(folder, archive);
}
