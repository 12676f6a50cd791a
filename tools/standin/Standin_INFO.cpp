#include <string>
#include <vector>

#include "Standin.h"
#include "Standin_Text.h"

// The pictures of the information screens and the end of the game: the hall of fame and score
// (HALOFAM), the wizards' laboratories (WIZLAB), the conquest, lose and win scenes, the Spell Of
// Return's glow (CMBTFX 27). The mirror's gems and books are the magic screen's (LILWIZ, RAROZ).
namespace {

constexpr int NUM_PORTRAITS = 14;

Bytes Labelled(int width, int height, uint8_t body, const std::string &word, int style = 4)
{
    return Standin_Picture({Standin_Label(width, height, body, 17, word, 15, style)});
}

Bytes Backdrop(uint8_t body, const std::string &word)
{
    Standin_Frame frame(320, 200, body);
    Standin_Print(frame, 8, 190, word, 1, 15);
    return Standin_Packed_Picture({frame});
}

// A streamed full-screen animation: a band carrying the word sweeps down, one step a frame.
Bytes Sweep(int frames, uint8_t band, const std::string &word)
{
    std::vector<Standin_Frame> list;
    for (int f = 0; f < frames; ++f) {
        Standin_Frame frame(320, 200);
        int top = 30 + 4 * f;
        frame.Fill_Rect(40, top, 279, top + 9, band);
        Standin_Print(frame, 44, top + 1, word, 1, 15);
        list.push_back(frame);
    }
    return Standin_Picture(list);
}

// A figure of several frames, growing by a row a frame.
Bytes Growing(int width, int height, int frames, uint8_t body, const std::string &word)
{
    std::vector<Standin_Frame> list;
    for (int f = 0; f < frames; ++f) {
        Standin_Frame frame = Standin_Label(width, height, body, 17, word, 15, 1);
        for (int y = height * (f + 1) / frames; y < height; ++y)
            for (int x = 0; x < width; ++x) frame.pixels[(size_t)(y * width + x)] = 0;
        list.push_back(frame);
    }
    return Standin_Picture(list);
}

std::string Portrait_Word(int portrait) { return "W" + std::to_string(portrait); }

}  // namespace

void Write_HALOFAM_LBX(const std::string &folder)
{
    static const char *races[NUM_PORTRAITS] = {"Ba", "Be", "DE", "Dr", "Dw", "Gn", "Ha",
                                               "HE", "HM", "Kl", "Li", "No", "Or", "Tr"};
    Standin_Archive archive{"HALOFAM", {}, {}};
    archive.Add(Standin_With_Palette(Backdrop(20, "Hall Of Fame"), 0, 256));
    for (int portrait = 0; portrait < NUM_PORTRAITS; ++portrait)
        archive.Add(Standin_Thing(32, 34, (uint8_t)(100 + 5 * portrait), Portrait_Word(portrait)));
    for (int race = 0; race < NUM_PORTRAITS; ++race)
        archive.Add(Standin_Thing(14, 9, (uint8_t)(60 + race), races[race]));
    archive.Add(Standin_Thing(16, 16, 46, "Y"));
    archive.Add(Standin_Thing(8, 10, 123, "B"));
    archive.Add(Standin_Thing(16, 16, 201, "F"));
    archive.Add(Standin_Thing(16, 16, 216, "M"));
    Standin_Write_Archive(folder, archive);
}

void Write_WIZLAB_LBX(const std::string &folder)
{
    Standin_Archive archive{"WIZLAB", {}, {}};
    // The wizards (0-13, each with a palette block), the familiars by realm (14-18), the room (19),
    // a foreground piece (20) and the blue column (21).
    for (int portrait = 0; portrait < NUM_PORTRAITS; ++portrait)
        archive.Add(Standin_With_Palette(
            Standin_Picture({Standin_Label(60, 90, (uint8_t)(100 + 5 * portrait), 17, Portrait_Word(portrait), 15, 1)}),
            0, 224));
    for (int familiar = 0; familiar < 5; ++familiar) archive.Add(Standin_Thing(20, 20, (uint8_t)(60 + familiar), "Fa"));
    archive.Add(Backdrop(22, "Laboratory"));
    archive.Add(Labelled(60, 30, 94, "Desk", 1));
    archive.Add(Labelled(40, 120, 172, "Column", 1));
    Standin_Write_Archive(folder, archive);
}

void Write_CONQUEST_LBX(const std::string &folder)
{
    Standin_Archive archive{"CONQUEST", {}, {}};
    for (int portrait = 0; portrait < NUM_PORTRAITS; ++portrait)
        archive.Add(Labelled(50, 80, (uint8_t)(100 + 5 * portrait), Portrait_Word(portrait), 1));
    archive.Add(Labelled(30, 40, 46, "A14", 1));
    archive.Add(Labelled(30, 40, 201, "A15", 1));
    archive.Add(Growing(40, 40, 4, 216, "Zap"));
    archive.Add(Sweep(8, 216, "Strike"));
    for (int portrait = 0; portrait < NUM_PORTRAITS; ++portrait)
        archive.Add(Growing(60, 60, 5, (uint8_t)(120 + 5 * portrait), "Hit"));
    archive.Add(Labelled(30, 40, 46, "A32", 1));
    for (int portrait = 0; portrait < NUM_PORTRAITS; ++portrait)
        archive.Add(Labelled(50, 80, (uint8_t)(100 + 5 * portrait), Portrait_Word(portrait) + "!", 1));
    Standin_Write_Archive(folder, archive);
}

void Write_LOSE_LBX(const std::string &folder)
{
    Standin_Archive archive{"LOSE", {}, {}};
    archive.Add(Sweep(12, 17, "Limbo"));
    for (int portrait = 0; portrait < NUM_PORTRAITS; ++portrait)
        archive.Add(Labelled(40, 60, (uint8_t)(100 + 5 * portrait), Portrait_Word(portrait), 1));
    Standin_Write_Archive(folder, archive);
}

void Write_WIN_LBX(const std::string &folder)
{
    Standin_Archive archive{"WIN", {}, {}};
    archive.Add(Backdrop(24, "Victory"));
    archive.Add(Standin_Thing(12, 12, 216, "*"));
    archive.Add(Sweep(12, 46, "Triumph"));
    for (int portrait = 0; portrait < NUM_PORTRAITS; ++portrait)
        archive.Add(Growing(120, 130, 4, (uint8_t)(100 + 5 * portrait), Portrait_Word(portrait)));
    for (int figure = 17; figure <= 22; ++figure)
        archive.Add(Labelled(60, 50, (uint8_t)(60 + figure), "F" + std::to_string(figure), 1));
    Standin_Write_Archive(folder, archive);
}

void Write_CMBTFX_LBX(const std::string &folder)
{
    Standin_Archive archive{"CMBTFX", {}, {}};
    for (int entry = 0; entry < 27; ++entry) archive.Add(Standin_Thing(8, 8, (uint8_t)(30 + entry), "C"));
    archive.Add(Labelled(218, 110, 123, "Return", 4));
    archive.Add(Standin_Thing(8, 8, 57, "C"));        // 28
    archive.Add(Labelled(180, 110, 0, "", 1));        // 29 the undead scene's mask: see-through
    archive.Add(Labelled(180, 60, 104, "Earth", 1));  // 30 the ground, far layer
    archive.Add(Labelled(180, 60, 136, "Soil", 1));   // 31 the ground, near layer
    for (int entry = 32; entry < 34; ++entry) archive.Add(Standin_Thing(8, 8, (uint8_t)(30 + entry), "C"));
    Standin_Write_Archive(folder, archive);
}

void Write_MONSTER_LBX(const std::string &folder)
{
    Standin_Archive archive{"MONSTER", {}, {}};
    // Creatures from spell 201's type on, then the champion, hero, item and undead figures.
    static const char *const specials[4] = {"Cmp", "Hero", "Item", "Undd"};
    for (int entry = 0; entry < 48; ++entry) {
        const std::string word = entry < 44 ? "M" + std::to_string(entry) : specials[entry - 44];
        archive.Add(Labelled(60, 60, (uint8_t)(48 + 4 * (entry % 40)), word, 1));
    }
    Standin_Write_Archive(folder, archive);
}

// The Spell of Mastery's victory: 0-13 the rival struck down (streamed, by portrait), 14-27 the
// human's figure (five poses), 28 the twinkle, 29-31 the blue column as it rises and stands.
void Write_SPLMASTR_LBX(const std::string &folder)
{
    Standin_Archive archive{"SPLMASTR", {}, {}};
    for (int portrait = 0; portrait < NUM_PORTRAITS; ++portrait)
        archive.Add(Sweep(12, (uint8_t)(120 + 5 * portrait), Portrait_Word(portrait) + " struck"));
    for (int portrait = 0; portrait < NUM_PORTRAITS; ++portrait)
        archive.Add(Growing(60, 90, 5, (uint8_t)(100 + 5 * portrait), Portrait_Word(portrait)));
    archive.Add(Growing(20, 20, 4, 216, "*"));
    for (int column = 29; column <= 31; ++column)
        archive.Add(Labelled(40, 200, (uint8_t)(172 + column - 29), "C" + std::to_string(column), 1));
    Standin_Write_Archive(folder, archive);
}

// The Spell of Mastery's defeat: 0-13 the wizard in the sphere (six frames, by portrait), 14-27 the
// wizard, 28 the backdrop with its palette, 29 the sphere (six frames), 30-34 the familiars by realm.
void Write_SPELLOSE_LBX(const std::string &folder)
{
    Standin_Archive archive{"SPELLOSE", {}, {}};
    for (int portrait = 0; portrait < NUM_PORTRAITS; ++portrait)
        archive.Add(Growing(60, 60, 6, (uint8_t)(120 + 5 * portrait), Portrait_Word(portrait) + "o"));
    for (int portrait = 0; portrait < NUM_PORTRAITS; ++portrait)
        archive.Add(Labelled(50, 80, (uint8_t)(100 + 5 * portrait), Portrait_Word(portrait), 1));
    archive.Add(Standin_With_Palette(Backdrop(22, "Sphere"), 0, 256));
    archive.Add(Growing(60, 60, 6, 46, "O"));
    static const char *familiars[5] = {"FN", "FS", "FC", "FL", "FD"};
    for (int familiar = 0; familiar < 5; ++familiar)
        archive.Add(Standin_Thing(24, 24, (uint8_t)(60 + familiar), familiars[familiar]));
    Standin_Write_Archive(folder, archive);
}
