#include <vector>

#include "Pictures.h"
#include "STU_LE.h"
#include "Standin.h"
#include "Standin_Overland.h"
#include "Standin_Text.h"
#include "cities/Cityscape_Layout.h"
#include "cities/screens/Cityscape_Pictures.h"
#include "cities/screens/Cityscape_Roads.h"

// The city scene pictures of CITYSCAP: for each plane a ground of five frames (one per city
// background, named in its corner), hills, mountains, river and ocean of fourteen frames, cloud,
// rift and light; the road network of five frames, drawn exactly where the scene erases the road
// cells not laid; buildings of ten frames sized to their footprint and marked with their number;
// magic buildings, rubble, houses of three kinds, trees, rocks, walls, wards and the outpost
// masks, each in its own colour with a word or letters where there is room.
namespace {

constexpr int W = 205;
constexpr int H = 96;

// Picture sizes by footprint class (and the fortress): wide enough for the class's rectangles,
// tall enough to stand 32 rows above the anchor.
constexpr int FOOTPRINT_W[5] = {25, 36, 31, 40, 31};
constexpr int FOOTPRINT_TOP[5] = {20, 21, 25, 25, 47};

// Buildings by the stand-in's own footprint rule.
int Building_Footprint(int bldg_idx) { return bldg_idx % 4; }

// Runs of one colour packed: the scene's pictures are large and share the overland cache.
Bytes Packed(const std::vector<Standin_Frame> &frames) { return Standin_Packed_Picture(frames); }

Bytes One(const Standin_Frame &frame) { return Packed({frame}); }

// A thing of ten frames: a box with a moving light and its letters.
Bytes Animated(int width, int height, int top, uint8_t body, const std::string &letters, int frames)
{
    std::vector<Standin_Frame> list;
    for (int f = 0; f < frames; ++f) {
        Standin_Frame frame(width, height, 0);
        frame.Fill_Rect(0, top, width - 1, height - 1, 1);
        frame.Fill_Rect(1, top + 1, width - 2, height - 2, body);
        Standin_Frame label(width - 2, height - top - 2, body);
        Standin_Print_Centred(label, letters, 4, 15);
        for (int y = 0; y < label.height; ++y)
            for (int x = 0; x < label.width; ++x)
                if (label.pixels[(size_t)y * label.width + x] == 15)
                    frame.Fill_Rect(x + 1, y + top + 1, x + 1, y + top + 1, 15);
        frame.Fill_Rect(1 + f % (width - 2), top + 1, 1 + f % (width - 2), top + 1, 15);
        list.push_back(frame);
    }
    return Packed(list);
}

Bytes Building(int footprint, uint8_t body, const std::string &letters)
{
    int top = 32 - FOOTPRINT_TOP[footprint < 4 ? footprint : 4];
    if (footprint == 4) return Animated(FOOTPRINT_W[4], 47, 0, body, letters, 10);
    return Animated(FOOTPRINT_W[footprint], 32, top < 0 ? 0 : top, body, letters, 10);
}

Bytes Ground(int plane)
{
    static const char *const words[5] = {"Cursed", "Flying", "Famine", "Gaia", ""};
    std::vector<Standin_Frame> frames;
    for (int f = 0; f < 5; ++f) {
        Standin_Frame frame(W, H, (uint8_t)(plane == 0 ? 96 + 2 * f : 112 + 2 * f));
        frame.Fill_Rect(0, 0, W - 1, 15, (uint8_t)(plane == 0 ? 40 : 58));
        std::string word = std::string(plane == 0 ? "Duravav" : "Dudaze") + (f == 4 ? "" : " ") + words[f];
        Standin_Print(frame, 2, 2, word, 1, 15);
        frames.push_back(frame);
    }
    return Packed(frames);
}

// A strip across the scene with a word at its left end.
Bytes Strip(int y1, int y2, uint8_t colour, const std::string &word, int frames)
{
    std::vector<Standin_Frame> list;
    for (int f = 0; f < frames; ++f) {
        Standin_Frame frame(W, H, 0);
        frame.Fill_Rect(0, y1, W - 1, y2, colour);
        frame.Fill_Rect((f * 15) % W, y1, (f * 15) % W + 3, y1, 15);
        if (!word.empty()) Standin_Print(frame, 150, y1 + 1, word, 1, 15);
        list.push_back(frame);
    }
    return Packed(list);
}

Bytes Hills(uint8_t colour, const std::string &word, int height)
{
    Standin_Frame frame(W, H, 0);
    for (int i = 0; i < 5; ++i) frame.Fill_Ellipse(20 + 40 * i, 16, 22, height, colour);
    Standin_Print(frame, 160, 2, word, 1, 15);
    return One(frame);
}

// Every pixel that the scene erases for an unlaid road cell, painted in the frame's road colour.
Bytes Road_Network()
{
    constexpr int RW = 204, RH = 76;
    std::vector<int16_t> grid(CITYSCAPE_CELLS, csc_Road);
    int16_t *saved = cityscape_bldg_array;
    cityscape_bldg_array = grid.data();
    Bytes bitmap(PICTURE_BITMAP_HEADER + RW * RH, 1);
    LE_Put_U16(bitmap.data() + PICTURE_WIDTH, RW);
    LE_Put_U16(bitmap.data() + PICTURE_HEIGHT, RH);
    Cityscape_Roads_2__WIP(bitmap.data());
    cityscape_bldg_array = saved;
    std::vector<Standin_Frame> frames;
    for (int f = 0; f < 5; ++f) {
        Standin_Frame frame(RW, RH, 0);
        for (int x = 0; x < RW; ++x)
            for (int y = 0; y < RH; ++y)
                if (bitmap[PICTURE_BITMAP_HEADER + x * RH + y] == 0)
                    frame.pixels[(size_t)y * RW + x] = (uint8_t)(24 + f);
        frames.push_back(frame);
    }
    return Packed(frames);
}

Bytes Small(int width, int height, uint8_t colour, bool round)
{
    Standin_Frame frame(width, height, 0);
    if (round) {
        frame.Fill_Ellipse(width / 2, height / 2, width / 2, height / 2, colour);
    } else {
        frame.Fill_Rect(0, 0, width - 1, height - 1, colour);
    }
    return One(frame);
}

Bytes House(int kind, int i)
{
    static const uint8_t walls[3] = {180, 150, 200};
    Standin_Frame frame(12, 19, 0);
    frame.Fill_Rect(1, 9, 10, 18, (uint8_t)(walls[kind] + i));
    frame.Fill_Rect(0, 5 + kind, 11, 8, 1);
    frame.Fill_Rect(5, 13, 6, 18, 15);
    return One(frame);
}

Bytes Band(uint8_t colour, const std::string &word, int frames)
{
    std::vector<Standin_Frame> list;
    for (int f = 0; f < frames; ++f) {
        Standin_Frame frame = Standin_Label(W, 12, colour, 1, word, 15, 1);
        frame.Fill_Rect((f * 20) % W, 1, (f * 20) % W + 2, 1, 15);
        list.push_back(frame);
    }
    return Packed(list);
}

Bytes Mask(uint8_t colour, const std::string &word, bool full)
{
    Standin_Frame frame(W, H, 0);
    if (full) {
        frame.Fill_Rect(0, 0, W - 1, H - 1, colour);
    } else {
        for (int y = 20; y < H; y += 6) frame.Fill_Rect(0, y, W - 1, y + 1, colour);
    }
    Standin_Print(frame, 70, 4, word, 1, 15);
    return One(frame);
}

}  // namespace

void Write_CITYSCAP_LBX(const std::string &folder)
{
    Standin_Archive archive{"CITYSCAP", {}, {}};
    for (int entry = 0; entry < 117; ++entry) {
        int bldg = (entry >= 45 && entry <= 72)   ? entry - 42
                   : entry == 78                  ? 31
                   : (entry >= 73 && entry <= 75) ? entry - 41
                                                  : 0;
        Bytes picture;
        if (entry == 0 || entry == 8) {
            picture = Ground(entry == 0 ? 0 : 1);
        } else if (entry == 1 || entry == 9) {
            picture = Hills((uint8_t)(entry == 1 ? 104 : 120), "Hills", 10);
        } else if (entry == 2 || entry == 10) {
            picture = Hills((uint8_t)(entry == 2 ? 20 : 22), "Mountains", 16);
        } else if (entry == 3 || entry == 11) {
            picture = Strip(78, 84, (uint8_t)(entry == 3 ? 9 : 11), "River", 14);
        } else if (entry == 4 || entry == 111) {
            picture = Strip(16, 21, (uint8_t)(entry == 4 ? 1 : 3), "Ocean", 14);
        } else if (entry == 91 || entry == 113) {
            picture = Strip(0, 12, 17, "Cloud", 1);
        } else if (entry == 92 || entry == 115) {
            picture = Strip(0, 12, 36, "Rift", 1);
        } else if (entry == 93 || entry == 116) {
            picture = Strip(0, 12, 15, "", 1);
        } else if (entry == 7 || entry == 112) {
            picture = Strip(0, 12, 100, "Plain", 1);
        } else if (entry == CSP_ROADS) {
            picture = Road_Network();
        } else if (bldg != 0) {
            int footprint = Building_Footprint(bldg);
            picture = Building(footprint, (uint8_t)(160 + (bldg * 5) % 64), std::to_string(bldg));
        } else if (entry == CSP_SUMMONING_CIRCLE) {
            picture = Building(1, 200, "SC");
        } else if (entry == CSP_ALTAR_OF_BATTLE) {
            picture = Building(1, 44, "AB");
        } else if (entry == CSP_DARK_RITUALS) {
            picture = Building(1, 2, "DR");
        } else if (entry == CSP_EARTH_GATE) {
            picture = Building(0, 100, "EG");
        } else if (entry == CSP_STREAM_OF_LIFE) {
            picture = Building(0, 11, "SL");
        } else if (entry == CSP_ASTRAL_GATE) {
            picture = Building(0, 14, "AG");
        } else if (entry == CSP_FORTRESS) {
            picture = Building(4, 30, "Fo");
        } else if (entry == CSP_EVIL_PRESENCE) {
            picture = Animated(25, 32, 0, 1, "EP", 10);
        } else if (entry >= CSP_RUBBLE && entry < CSP_RUBBLE + 4) {
            picture = Building(entry - CSP_RUBBLE, 8, "R");
        } else if (entry >= CSP_TREES && entry < CSP_TREES + 3) {
            picture = Small(7, 9, (uint8_t)(112 + 3 * (entry - CSP_TREES)), true);
        } else if (entry >= CSP_ROCKS && entry < CSP_ROCKS + 3) {
            picture = Small(6, 4, (uint8_t)(20 + entry - CSP_ROCKS), true);
        } else if (entry >= CSP_HOUSES && entry < CSP_HOUSES + 15) {
            picture = House((entry - CSP_HOUSES) / 5, (entry - CSP_HOUSES) % 5);
        } else if (entry == CSP_CITY_WALLS) {
            picture = Band(19, "Walls", 10);
        } else if (entry == CSP_WALL_OF_FIRE) {
            picture = Band(37, "Wall of Fire", 10);
        } else if (entry == CSP_WALL_OF_DARKNESS) {
            picture = Band(1, "Wall of Darkness", 10);
        } else if (entry >= CSP_WARDS && entry < CSP_WARDS + 5) {
            static const uint8_t colours[5] = {112, 12, 36, 15, 1};
            static const char *const letters[5] = {"NW", "SW", "CW", "LW", "DW"};
            picture = Packed({Standin_Label(20, 12, colours[entry - CSP_WARDS], 8, letters[entry - CSP_WARDS],
                                            entry - CSP_WARDS == 3 ? 1 : 15, 1)});
        } else if (entry == CSP_NATURES_EYE || entry == CSP_INSPIRATIONS || entry == CSP_PROSPERITY) {
            const char *letters = entry == CSP_NATURES_EYE ? "NE" : entry == CSP_INSPIRATIONS ? "In" : "Pr";
            picture = Packed({Standin_Label(20, 12, (uint8_t)(60 + entry), 8, letters, 15, 1)});
        } else if (entry == CSP_GAIAS_MASK) {
            picture = Mask(113, "Gaia", true);
        } else if (entry == CSP_FLYING_MASK) {
            picture = Mask(58, "Flying", true);
        } else if (entry == CSP_FAMINE_MASK) {
            picture = Mask(42, "Famine", false);
        } else if (entry == CSP_CURSED_LANDS_MASK || entry == 89) {
            picture = Mask((uint8_t)(entry == 89 ? 114 : 5), entry == 89 ? "Living" : "Cursed", false);
        } else if (entry >= 40 && entry <= 80) {
            picture = Animated(24, 20, 0, (uint8_t)(60 + entry), "B" + std::to_string(entry), 10);
        } else {
            picture = Standin_Thing(16, 14, (uint8_t)(40 + entry), std::to_string(entry));
        }
        archive.Add(picture);
    }
    Standin_Write_Archive(folder, archive);
}
