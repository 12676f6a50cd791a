#include "Standin.h"
#include "Standin_Overland.h"
#include "Standin_Text.h"

// The main screen's pictures: 0 the frame around the map window (the window itself left clear),
// 1-7 the game buttons (Game, Spells, Armies, Cities, Magic, Info, Plane) at y 4, 8-11 Done,
// Patrol, Wait, Build and 12-15 their locked looks, 42/43 Purify and its locked look, 49 Meld,
// 18-23 and 36-38 the movement-mode icons, 24-32 the unit picture backgrounds, 34/35 the summary
// and next-turn backgrounds, 58 the next-turn button, 40/41/47/44 casting pieces, 45/46/48 road
// building pieces, 57 the surveyor's background, 50 the go-to marker, 51-56 medals and weapons,
// 59-64 the small event icons. The others are fillers.
namespace {

Bytes Locked(int width, int height, const std::string &word)
{
    return Standin_Picture({Standin_Label(width, height, 8, 20, word, 22, 3)});
}

}  // namespace

void Write_MAIN_LBX(const std::string &folder)
{
    std::vector<Bytes> entries(65);
    Standin_Frame frame(320, 200, 0);
    frame.Fill_Rect(0, 0, 319, 19, 20);      // button bar
    frame.Fill_Rect(240, 20, 319, 199, 22);  // right-hand panel
    frame.Fill_Rect(250, 25, 309, 56, 17);   // reduced map place
    entries[0] = Standin_Picture({frame});
    static const char *game_words[7] = {"Game", "Spells", "Armies", "Cities", "Magic", "Info", "Plane"};
    static const int game_widths[7] = {39, 41, 50, 43, 41, 43, 43};
    for (int b = 0; b < 7; ++b)
        entries[(size_t)(1 + b)] = Standin_Word_Button(game_widths[b], 14, 27, game_words[b], 3);
    static const char *action_words[4] = {"Done", "Patrol", "Wait", "Build"};
    for (int b = 0; b < 4; ++b) {
        entries[(size_t)(8 + b)] = Standin_Word_Button(33, 10, 46, action_words[b], 3);
        entries[(size_t)(12 + b)] = Locked(33, 10, action_words[b]);
    }
    entries[42] = Standin_Word_Button(33, 10, 46, "Purify", 3);
    entries[43] = Locked(33, 10, "Purify");
    entries[49] = Standin_Word_Button(33, 10, 46, "Meld", 3);
    static const char *moves[9] = {"Sa", "Sw", "Mt", "Fo", "Fl", "Pa", "As", "Wi", "Wk"};
    static const int move_entries[9] = {18, 19, 20, 21, 22, 23, 36, 37, 38};
    for (int m = 0; m < 9; ++m)
        entries[(size_t)move_entries[m]] = Standin_Thing(12, 9, (uint8_t)(100 + 3 * m), moves[m]);
    for (int b = 0; b < 9; ++b) entries[(size_t)(24 + b)] = Standin_Picture({Standin_Frame(23, 29, (uint8_t)(24 + b))});
    entries[34] = Standin_Picture({Standin_Label(80, 97, 22, 20, "Summary", 15, 3)});
    entries[35] = Standin_Picture({Standin_Label(80, 27, 22, 20, "", 15)});
    entries[58] = Standin_Word_Button(72, 22, 58, "Next Turn", 4);
    entries[40] = Standin_Picture({Standin_Label(80, 80, 22, 20, "Casting", 15, 3)});
    entries[41] = Standin_Word_Button(60, 14, 36, "Cancel", 3);
    entries[47] = Standin_Picture({Standin_Label(64, 18, 0, 27, "", 15)});
    entries[44] = Standin_Picture({Standin_Frame(33, 10, 22)});
    entries[45] = Standin_Picture({Standin_Label(80, 80, 22, 20, "Road", 15, 3)});
    entries[46] = Standin_Word_Button(30, 14, 46, "OK", 3);
    entries[48] = Standin_Picture({Standin_Label(34, 18, 0, 27, "", 15)});
    // The surveyor's panel: its title and the square's description are printed over it.
    entries[57] = Standin_Picture({Standin_Label(80, 80, 22, 20, "", 15, 3)});
    entries[50] = Standin_Thing(8, 8, 14, "");
    // Medals stand four pixels apart: white, gold and red differ by colour only.
    entries[51] = Standin_Picture({Standin_Frame(4, 5, 15)});
    entries[52] = Standin_Picture({Standin_Frame(4, 5, 14)});
    entries[53] = Standin_Picture({Standin_Frame(4, 5, 12)});
    entries[54] = Standin_Thing(9, 9, 9, "M");
    entries[55] = Standin_Thing(9, 9, 7, "Mi");
    entries[56] = Standin_Thing(9, 9, 5, "A");
    for (int e = 0; e < 6; ++e)
        entries[(size_t)(59 + e)] = Standin_Thing(16, 12, (uint8_t)(40 + 6 * e), "E" + std::to_string(e + 1));
    for (Bytes &entry : entries)
        if (entry.empty()) entry = Standin_Picture({Standin_Frame(4, 4, 8)});
    Standin_Archive archive{"MAIN", {}, {}};
    for (const Bytes &entry : entries) archive.Add(entry);
    Standin_Write_Archive(folder, archive);
}
