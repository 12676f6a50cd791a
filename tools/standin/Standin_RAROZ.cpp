#include "Standin.h"
#include "Standin_Text.h"

// The magic screen: 0 the screen (with colours of its own), 1-5 fillers, 6 the grey gem, 7-12 the
// staves empty and full (mana blue, research green, skill red), 13/14 the Alchemy and OK buttons,
// 15-17 the locks, 18-32 fillers, 33-50 the mirror's books (three per realm), 51 the broken gem, 52 the alchemy pop-up,
// 53/54 its Cancel and OK, 55/56 the arrows, 57 the bar, 58 the star, 59 the power-to-gold picture, 60-74 the treaty
// icons (three per banner: W for a wizard pact, A alliance, X war).
namespace {

Bytes Labelled(int width, int height, uint8_t body, const std::string &word, int style = 4)
{
    return Standin_Picture({Standin_Label(width, height, body, 17, word, 15, style)});
}

Bytes Stave(uint8_t body, const std::string &letter, bool full)
{
    Standin_Frame frame(full ? 5 : 11, full ? 50 : 70, full ? body : 18);
    if (!full) frame.Fill_Rect(3, 0, 7, 69, 20);
    Standin_Print(frame, full ? 0 : 2, 2, letter, 1, 15);
    return Standin_Picture({frame});
}

}  // namespace

void Write_RAROZ_LBX(const std::string &folder)
{
    std::vector<Bytes> entries(75);
    {
        Standin_Frame screen(320, 200, 20);
        for (int n = 0; n < 4; ++n) screen.Fill_Rect(n * 77 + 20, 0, n * 77 + 70, 62, 22);
        screen.Fill_Rect(20, 76, 150, 170, 18);   // the staves
        screen.Fill_Rect(166, 76, 312, 172, 18);  // the enchantments
        Standin_Print(screen, 220, 66, "Magic", 4, 15);
        entries[0] = Standin_With_Palette(Standin_Packed_Picture({screen}), 0, 224);
    }
    for (int k = 1; k <= 5; ++k) entries[(size_t)k] = Standin_Picture({Standin_Frame(4, 4, 8)});
    entries[6] = Standin_Thing(40, 40, 8, "?");
    static const uint8_t stave_colours[3] = {201, 123, 45};
    static const char *const stave_letters[3] = {"M", "R", "S"};
    for (int k = 0; k < 3; ++k) {
        entries[(size_t)(7 + 2 * k)] = Stave(stave_colours[k], stave_letters[k], false);
        entries[(size_t)(8 + 2 * k)] = Stave(stave_colours[k], stave_letters[k], true);
        entries[(size_t)(15 + k)] = Standin_Thing(14, 20, 14, "L");
    }
    entries[13] = Standin_Word_Button(52, 14, 46, "Alchemy", 1);
    entries[14] = Standin_Word_Button(24, 14, 46, "OK", 1);
    for (int k = 18; k <= 32; ++k) entries[(size_t)k] = Standin_Picture({Standin_Frame(4, 4, 8)});
    // The mirror's spell books, three per realm, each the realm's colour and letter.
    static const uint8_t realm_colours[6] = {123, 216, 201, 15, 1, 8};
    static const char *const realm_letters[6] = {"N", "S", "C", "L", "D", "A"};
    for (int realm = 0; realm < 6; ++realm)
        for (int k = 0; k < 3; ++k)
            entries[(size_t)(33 + realm * 3 + k)] = Standin_Thing(8, 24, realm_colours[realm], realm_letters[realm]);
    entries[51] = Standin_Thing(42, 42, 7, "X");
    entries[52] = Labelled(165, 66, 22, "");
    entries[53] = Standin_Word_Button(50, 14, 46, "Cancel", 1);
    entries[54] = Standin_Word_Button(50, 14, 46, "OK", 1);
    entries[55] = Standin_Thing(24, 14, 45, ">");
    entries[56] = Standin_Thing(24, 14, 45, "<");
    entries[57] = Standin_Thing(55, 7, 201, "");
    entries[58] = Standin_Thing(7, 7, 14, "");
    entries[59] = Labelled(40, 12, 123, "Gold", 1);
    static const uint8_t banner_colours[5] = {172, 216, 123, 201, 211};
    static const char *const treaty_letters[3] = {"W", "A", "X"};
    for (int banner = 0; banner < 5; ++banner)
        for (int k = 0; k < 3; ++k)
            entries[(size_t)(60 + banner * 3 + k)] = Standin_Thing(10, 10, banner_colours[banner], treaty_letters[k]);
    Standin_Archive archive{"RAROZ", {}, {}};
    for (const Bytes &entry : entries) archive.Add(entry);
    Standin_Write_Archive(folder, archive);
}
