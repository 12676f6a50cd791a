#include <string>

#include "Standin.h"
#include "Standin_Text.h"

// The battlefield's pictures: the combat screen's panel, buttons and icons (COMPIX), missiles and
// the magic vortex (CMBMAGIC), city pieces, ground animations and markers (CMBTCITY), Myrran
// waters, curse marks and the volcano (CHRIVER), the three wall kinds (CITYWALL), the ground tiles,
// trees and rocks of each battlefield terrain and plane (CMBGRASS ... CMBTUNDC), the melee sounds
// (CMBTSND) and the signed spell sounds (NEWSOUND). Buttons carry their words; things differ by
// colour and a letter.
namespace {

constexpr int TILE_WIDTH = 32;
constexpr int TILE_HEIGHT = 16;

// A cell-sized diamond (the shape of one battlefield cell) in one colour, with a lighter rim.
Standin_Frame Diamond(uint8_t body, uint8_t rim)
{
    Standin_Frame frame(TILE_WIDTH, TILE_HEIGHT, 0);
    for (int row = 0; row < TILE_HEIGHT; ++row) {
        const int half = row < TILE_HEIGHT / 2 ? 2 * row + 2 : 2 * (TILE_HEIGHT - 1 - row) + 2;
        frame.Fill_Rect(TILE_WIDTH / 2 - half, row, TILE_WIDTH / 2 - 1 + half, row, body);
        if (rim != 0) {
            frame.Fill_Rect(TILE_WIDTH / 2 - half, row, TILE_WIDTH / 2 - half, row, rim);
            frame.Fill_Rect(TILE_WIDTH / 2 - 1 + half, row, TILE_WIDTH / 2 - 1 + half, row, rim);
        }
    }
    return frame;
}

// A cell-sized diamond animation: a dot in the accent colour runs across it, frame by frame.
Bytes Cell_Animation(int frames, uint8_t body, uint8_t accent, const std::string &letter)
{
    std::vector<Standin_Frame> all;
    for (int f = 0; f < frames; ++f) {
        Standin_Frame frame = Diamond(body, 0);
        if (!letter.empty()) Standin_Print(frame, 14, 5, letter, 0, accent);
        const int x = 8 + (f * 16) / frames;
        frame.Fill_Rect(x, 7, x + 1, 8, accent);
        all.push_back(frame);
    }
    return Standin_Packed_Picture(all);
}

// A small thing of several frames, its letter on each and a moving dot.
Bytes Animated_Thing(int width, int height, int frames, uint8_t body, const std::string &letter)
{
    std::vector<Standin_Frame> all;
    for (int f = 0; f < frames; ++f) {
        Standin_Frame frame = Standin_Label(width, height, body, 1, letter, 15, 4);
        const int x = 1 + (f * (width - 3)) / (frames > 1 ? frames - 1 : 1);
        frame.Fill_Rect(x, height - 2, x, height - 2, 15);
        all.push_back(frame);
    }
    return Standin_Picture(all);
}

// A word button of the lower panel: face, border and word in the panel's colours.
Bytes Panel_Button(const std::string &word, uint8_t face, uint8_t ink)
{
    Standin_Frame up(25, 9, 1);
    up.Fill_Rect(1, 1, 23, 7, face);
    Standin_Print_Centred(up, word, 1, ink);
    Standin_Frame down = up;
    down.Fill_Rect(1, 1, 1, 7, 1);
    return Standin_Picture({up, down});
}

Bytes Short_Sound(int index)
{
    const int count = 400 + 40 * (index % 8);
    Bytes samples((size_t)count);
    const int period = 10 + 3 * (index % 16);
    for (int i = 0; i < count; ++i) {
        const int fade = 40 * (count - i) / count;
        samples[(size_t)i] = (uint8_t)((i / period) % 2 == 0 ? 128 + 12 + fade : 128 - 12 - fade);
    }
    return Standin_VOC_Entry(samples, 166);
}

}  // namespace

// The lower panel (entry 0, drawn at the screen's foot), the buttons (spell 1, wait 2, done 3, auto 4,
// information 20, flee 21, cancel 22; greyed 23 to 28), the enchantment icons (5 to 15, 41, 60, 79,
// 80), the hit bar (18), weapon (29 to 37) and movement (38 to 40) icons, the information window's
// effect icons (42 to 55) and parts (56 bottom, 57 middle, 58 top, 59 box), the scan icons (61 to 78)
// and the raze prompt's buttons "No" (81) and "Raze" (82).
void Write_COMPIX_LBX(const std::string &folder)
{
    Standin_Archive archive{"COMPIX", {}, {}};
    static const char *const words[29] = {
        "", "Spell", "Wait", "Done", "Auto", "",     "",     "",    "",      "",     "",     "",     "",     "",     "",
        "", "",      "",     "",     "",     "Info", "Flee", "Esc", "Spell", "Wait", "Info", "Auto", "Flee", "Done",
    };
    static const char *const scan_letters = "mrtpgebwiFdlfsvVxyz";
    for (int entry = 0; entry <= 80; ++entry) {
        if (entry == 0) {
            Standin_Frame panel(320, 36, 17);
            panel.Fill_Rect(0, 0, 319, 0, 24);
            panel.Fill_Rect(80, 2, 141, 34, 16);
            panel.Fill_Rect(197, 2, 241, 34, 16);
            archive.Add(Standin_Packed_Picture({panel}));
        } else if ((entry >= 1 && entry <= 4) || (entry >= 20 && entry <= 22)) {
            archive.Add(Panel_Button(words[entry], 20, 31));
        } else if (entry >= 23 && entry <= 28) {
            archive.Add(Panel_Button(words[entry], 18, 24));
        } else if ((entry >= 5 && entry <= 15) || entry == 41 || entry == 60 || entry == 79 || entry == 80) {
            const int pair = entry <= 15 ? entry - 5 : entry == 41 ? 11 : entry == 60 ? 12 : entry == 79 ? 13 : 14;
            archive.Add(Standin_Thing(16, 13, (uint8_t)(130 + 4 * pair), "E" + std::to_string(pair)));
        } else if (entry == 18) {
            Standin_Frame bar(22, 3, 8);
            bar.Fill_Rect(1, 1, 20, 1, 0);
            archive.Add(Standin_Picture({bar}));
        } else if (entry >= 29 && entry <= 40) {
            const std::string letter(1, entry <= 37 ? (char)('1' + entry - 29) : "wfs"[entry - 38]);
            archive.Add(Standin_Thing(8, 7, (uint8_t)(entry <= 37 ? 60 + 2 * (entry - 29) : 138), letter));
        } else if (entry >= 42 && entry <= 55) {
            archive.Add(Standin_Thing(18, 16, (uint8_t)(100 + 6 * (entry - 42)), "e" + std::to_string(entry - 42)));
        } else if (entry >= 56 && entry <= 58) {
            // The information window: top, middle and bottom parts, clipped to the rows the list needs.
            const int height = entry == 57 ? 160 : 40;
            Standin_Frame part(224, height, 229);
            part.Fill_Rect(0, 0, 0, height - 1, 15);
            part.Fill_Rect(223, 0, 223, height - 1, 15);
            if (entry == 58) part.Fill_Rect(0, 0, 223, 0, 15);
            if (entry == 56) part.Fill_Rect(0, height - 1, 223, height - 1, 15);
            archive.Add(Standin_Packed_Picture({part}));
        } else if (entry == 59) {
            Standin_Frame box(103, 18, 1);
            box.Fill_Rect(1, 1, 101, 16, 228);
            archive.Add(Standin_Picture({box}));
        } else if (entry >= 61 && entry <= 78) {
            archive.Add(
                Standin_Thing(8, 7, (uint8_t)(140 + 2 * (entry - 61)), std::string(1, scan_letters[entry - 61])));
        } else {
            archive.Add(Standin_Thing(16, 10, (uint8_t)(entry % 2 == 0 ? 60 : 66), std::to_string(entry)));
        }
    }
    archive.Add(Standin_Word_Button(62, 14, 34, "No"));
    archive.Add(Standin_Word_Button(62, 14, 66, "Raze"));
    Standin_Write_Archive(folder, archive);
}

// Missiles (0 to 119: 15 kinds of 8 directions, a dot with a tail pointing where it flies) and the
// magic vortex (120).
void Write_CMBMAGIC_LBX(const std::string &folder)
{
    Standin_Archive archive{"CMBMAGIC", {}, {}};
    static const int tail[8][2] = {{1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}, {1, 0}};
    for (int kind = 0; kind < 15; ++kind) {
        for (int direction = 0; direction < 8; ++direction) {
            // Drawn 14 left of and 22 above the missile's point: the dot sits on the point.
            Standin_Frame missile(28, 26, 0);
            missile.Fill_Rect(13, 21, 15, 23, (uint8_t)(20 + 12 * kind));
            missile.Fill_Rect(14 + 2 * tail[direction][0], 22 + 2 * tail[direction][1], 14 + 2 * tail[direction][0],
                              22 + 2 * tail[direction][1], 15);
            archive.Add(Standin_Picture({missile, missile}));
        }
    }
    archive.Add(Animated_Thing(24, 24, 6, 189, "V"));
    Standin_Write_Archive(folder, archive);
}

// Roads (0, and pieces 69 to 96 in four sets of seven), the outpost's dirt tile (1), houses (2 to 16,
// three styles of five), the structures at the centre (17 fortress, 18 outpost, 19 cave, 20 tower,
// 21 dungeon, 22 fort, 23 temple, 65 nature node, 66 sorcery node, 121 ruins), blood (24 to 28),
// the scanned and active cell frames (67, 68), ocean (109 to 112), cloud (113), floating island
// (117), mud (118), damage (119) and the cell effect (120); the river pieces (97 to 108).
void Write_CMBTCITY_LBX(const std::string &folder)
{
    Standin_Archive archive{"CMBTCITY", {}, {}};
    static const char *const structures[7] = {"Fo", "Ou", "Ca", "To", "Du", "Ft", "Te"};
    for (int entry = 0; entry <= 121; ++entry) {
        if (entry == 0 || entry == 1) {
            archive.Add(Standin_Packed_Picture({Diamond(entry == 0 ? 227 : 226, 224)}));
        } else if (entry >= 2 && entry <= 16) {
            const int style = (entry - 2) / 5;
            archive.Add(Standin_Thing(22, 20,
                                      (uint8_t)(style == 0   ? 26
                                                : style == 1 ? 228
                                                             : 7),
                                      "H" + std::to_string((entry - 2) % 5)));
        } else if (entry >= 17 && entry <= 23) {
            archive.Add(Standin_Thing(30, 34, (uint8_t)(140 + 3 * (entry - 17)), structures[entry - 17]));
        } else if (entry >= 24 && entry <= 28) {
            std::vector<Standin_Frame> frames;
            for (int f = 0; f < 3; ++f) {
                Standin_Frame blood(8, 6, 0);
                blood.Fill_Ellipse(4, 3, 1 + f, 1 + f / 2, 20);
                frames.push_back(blood);
            }
            archive.Add(Standin_Picture(frames));
        } else if (entry == 65 || entry == 66) {
            archive.Add(Animated_Thing(32, 34, 8, entry == 65 ? 86 : 138, entry == 65 ? "NN" : "SN"));
        } else if (entry == 67 || entry == 68) {
            std::vector<Standin_Frame> frames;
            for (int f = 0; f < 3; ++f) {
                Standin_Frame marker = Diamond(0, (uint8_t)(entry == 67 ? 15 - f : 59 - f));
                frames.push_back(marker);
            }
            archive.Add(Standin_Picture(frames));
        } else if (entry >= 69 && entry <= 96) {
            archive.Add(Cell_Animation(5, 0, (uint8_t)(entry <= 82 ? 227 : 62), ""));
        } else if (entry >= 97 && entry <= 108) {
            archive.Add(Cell_Animation(5, 135, 15, "r"));
        } else if (entry >= 109 && entry <= 112) {
            archive.Add(Cell_Animation(5, 134, 15, "w"));
        } else if (entry == 113) {
            archive.Add(Cell_Animation(5, 7, 15, "c"));
        } else if (entry == 117) {
            archive.Add(Animated_Thing(64, 48, 5, 94, "Isle"));
        } else if (entry == 118) {
            archive.Add(Cell_Animation(8, 225, 231, "m"));
        } else if (entry == 119) {
            archive.Add(Standin_Thing(16, 10, 20, "D"));
        } else if (entry == 120) {
            archive.Add(Animated_Thing(24, 24, 7, 61, "*"));
        } else if (entry == 121) {
            archive.Add(Standin_Thing(30, 34, 8, "Ru"));
        } else {
            archive.Add(Standin_Thing(16, 10, 8, std::to_string(entry)));
        }
    }
    Standin_Write_Archive(folder, archive);
}

// Myrran rivers (0 to 11), chaos waters (12 to 15), curse marks (16 to 23, the curse's letter) and
// the volcano (24 to 32, the ninth its still picture).
void Write_CHRIVER_LBX(const std::string &folder)
{
    Standin_Archive archive{"CHRIVER", {}, {}};
    static const char *const curses = "VCWMSKTB";
    for (int entry = 0; entry <= 32; ++entry) {
        if (entry <= 11) {
            archive.Add(Cell_Animation(5, 137, 15, "r"));
        } else if (entry <= 15) {
            archive.Add(Cell_Animation(5, 23, 15, "w"));
        } else if (entry <= 23) {
            archive.Add(Animated_Thing(12, 10, 4, 187, std::string(1, curses[entry - 16])));
        } else {
            archive.Add(Animated_Thing(40, 30, entry == 32 ? 1 : 4, 22, "Vo"));
        }
    }
    Standin_Write_Archive(folder, archive);
}

// The stone walls (0 to 35: three styles of twelve pieces, standing and broken), the Wall of Fire
// (36 to 49) and the Wall of Darkness (50 to 63), four frames each.
void Write_CITYWALL_LBX(const std::string &folder)
{
    Standin_Archive archive{"CITYWALL", {}, {}};
    for (int entry = 0; entry <= 63; ++entry) {
        if (entry <= 35) {
            const uint8_t stone = (uint8_t)(entry / 12 == 0 ? 7 : entry / 12 == 1 ? 30 : 228);
            Standin_Frame standing = Standin_Label(18, 20, stone, 8, "W", 1, 4);
            Standin_Frame broken(18, 20, 0);
            broken.Fill_Rect(0, 12, 17, 19, stone);
            broken.Fill_Rect(3, 10, 8, 11, stone);
            archive.Add(Standin_Picture({standing, broken}));
        } else {
            const bool fire = entry <= 49;
            std::vector<Standin_Frame> frames;
            for (int f = 0; f < 4; ++f) {
                Standin_Frame wall(18, 22, 0);
                wall.Fill_Rect(1, 4 + f % 2, 16, 21, fire ? (uint8_t)(22 + f) : (uint8_t)(1 + (f % 2)));
                Standin_Print_Centred(wall, fire ? "F" : "D", 4, fire ? 62 : 13);
                frames.push_back(wall);
            }
            archive.Add(Standin_Picture(frames));
        }
    }
    Standin_Write_Archive(folder, archive);
}

// The battlefield terrains: 48 ground tiles (0 to 3 plain, 4 to 7 dirt, 8 to 31 plain with dirt on
// a side, 32 to 47 rough), five trees (48 to 52) and five rocks (53 to 57), one archive per terrain
// and plane; the plane's colours tell Myrror from Arcanus.
void Write_Combat_Terrain_LBX(const std::string &folder)
{
    struct Terrain {
        const char *name;
        uint8_t plain, dirt, rough, tree;
    };
    static const Terrain terrains[8] = {
        {"CMBGRASS", 84, 226, 82, 86},    {"CMBGRASC", 115, 224, 113, 117}, {"CMBDESRT", 230, 227, 228, 86},
        {"CMBDESRC", 229, 224, 226, 117}, {"CMBMOUNT", 7, 226, 8, 83},      {"CMBMOUNC", 114, 224, 8, 117},
        {"CMBTUNDR", 15, 7, 8, 83},       {"CMBTUNDC", 119, 224, 116, 114},
    };
    for (const Terrain &t : terrains) {
        Standin_Archive archive{t.name, {}, {}};
        for (int tile = 0; tile < 48; ++tile) {
            Standin_Frame frame = Diamond(tile >= 4 && tile <= 7 ? t.dirt : tile >= 32 ? t.rough : t.plain, 0);
            if (tile >= 8 && tile <= 31) frame.Fill_Rect(12, 6, 19, 9, t.dirt);
            if (tile >= 32) frame.Fill_Rect(14, 6, 17, 8, 1);
            if (tile < 4) frame.Fill_Rect(4 + 7 * tile, 8, 4 + 7 * tile, 8, t.rough);
            archive.Add(Standin_Packed_Picture({frame}));
        }
        for (int tree = 0; tree < 5; ++tree) {
            Standin_Frame frame(16, 20, 0);
            frame.Fill_Rect(7, 14, 8, 19, 226);
            frame.Fill_Ellipse(8, 7, 7, 7, (uint8_t)(t.tree - tree % 2));
            Standin_Print(frame, 6, 4, "T", 0, 15);
            archive.Add(Standin_Picture({frame}));
        }
        for (int rock = 0; rock < 5; ++rock) {
            Standin_Frame frame(12, 12, 0);
            frame.Fill_Ellipse(6, 7, 5, 4, (uint8_t)(rock % 2 == 0 ? 8 : 7));
            Standin_Print(frame, 4, 4, "R", 0, 15);
            archive.Add(Standin_Picture({frame}));
        }
        Standin_Write_Archive(folder, archive);
    }
}

// Melee sounds 0 to 15, and NEWSOUND's spell sounds (0 the silent one used to stop a sound).
void Write_Combat_Sounds_LBX(const std::string &folder)
{
    Standin_Archive melee{"CMBTSND", {}, {}};
    for (int entry = 0; entry < 16; ++entry) melee.Add(Short_Sound(entry));
    Standin_Write_Archive(folder, melee);
    Standin_Archive spells{"NEWSOUND", {}, {}};
    spells.Add(Standin_VOC_Entry(Bytes(16, 128), 166));
    for (int entry = 1; entry < 20; ++entry) spells.Add(Short_Sound(entry + 16));
    Standin_Write_Archive(folder, spells);
}
