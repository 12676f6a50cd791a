#include "Standin.h"
#include "Standin_Text.h"

// Spell screens' pictures: fillers, 1 the global enchantment panel and 7 its strike-through mark, 60
// the picture beside a learned spell's notice, 67-70 the streamed scenes of the Spell of Mastery's
// announcement.
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
        } else if (k == 1) {
            // Five rows of 46 pixels under a title band: the panel is cut to fit the players.
            Standin_Frame panel(220, 230, 21);
            panel.Fill_Rect(0, 0, 219, 14, 23);
            for (int row = 0; row < 5; ++row) panel.Fill_Rect(70, 20 + 46 * row, 196, 58 + 46 * row, 18);
            archive.Add(Standin_Packed_Picture({panel}));
        } else if (k == 7) {
            Standin_Frame mark(120, 7);
            mark.Fill_Rect(0, 3, 119, 3, 216);
            archive.Add(Standin_Picture({mark}));
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
    for (int k = 61; k < 67; ++k) archive.Add(Standin_Picture({Standin_Frame(4, 4, 8)}));
    for (int k = 67; k <= 70; ++k) {
        std::vector<Standin_Frame> frames;
        for (int f = 0; f < 16; ++f) {
            Standin_Frame frame(320, 200);
            int top = 20 + 7 * f;
            frame.Fill_Rect(60, top, 259, top + 9, (uint8_t)(46 + 10 * (k - 67)));
            Standin_Print(frame, 64, top + 1, "Mastery " + std::to_string(k - 66), 1, 15);
            frames.push_back(frame);
        }
        archive.Add(Standin_Picture(frames));
    }
    // The Target Wizard screen: 71 its cancel button, 72 its panel for Spell Blast (0 for the others).
    archive.Add(Standin_Word_Button(40, 14, 46, "Cancel", 1));
    archive.Add(Standin_Picture({Standin_Label(230, 180, 21, 17, "Blast whom?", 15, 4)}));
    Standin_Write_Archive(folder, archive);
}
