#include "Standin.h"
#include "Standin_Overland.h"
#include "Standin_Text.h"
#include "overland/Unit_Figure.h"

// Map overlays, drawn over the 20 x 18 terrain squares: 0-13 the unexplored corners of partly explored squares,
// 14-19 the unit backgrounds by banner, 20/21 the city with and without walls (five frames by size,
// in the banner colours 214-218 that the map replaces), 45-53 roads and 54-62 enchanted roads
// (six frames) towards each direction, 63-67 node auras (six frames), 69/70 towers (70 in the
// owner colours 224-228), 71-75 lairs, 77 corruption, 78-86 minerals, 90-93 wild game, nightshade,
// hunters' lodge and warped node. Things carry a letter or two; the other entries are fillers.
namespace {

constexpr int W = 20;
constexpr int H = 18;

// A small labelled thing in one corner of an otherwise transparent square, so that the overlays
// that share a square stay apart: corner 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
Bytes Small_Thing(uint8_t body, const std::string &letters, int corner)
{
    Standin_Frame label = Standin_Label(12, 9, body, 1, letters, 15, 4);
    Standin_Frame square(W, H, 0);
    int x0 = (corner & 1) ? W - label.width : 0;
    int y0 = (corner & 2) ? H - label.height : 0;
    for (int y = 0; y < label.height; ++y)
        for (int x = 0; x < label.width; ++x)
            square.pixels[(size_t)(y0 + y) * W + x0 + x] = label.pixels[(size_t)y * label.width + x];
    return Standin_Picture({square});
}

Standin_Frame Road(int direction, uint8_t colour)
{
    static const int dx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    static const int dy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
    Standin_Frame frame(W, H, 0);
    for (int step = 0; step <= 9; ++step) {
        int x = 10 + dx[direction] * step, y = 9 + dy[direction] * step;
        frame.Fill_Rect(x - 1, y - 1, x, y, colour);
    }
    return frame;
}

}  // namespace

void Write_MAPBACK_LBX(const std::string &folder)
{
    std::vector<Bytes> entries(94);
    for (int v = 1; v <= 14; ++v) {
        // Exploration value v names the explored corners (1 bottom-left, 2 top-left, 4 top-right,
        // 8 bottom-right); the mask darkens the quarter of each corner that is not explored.
        Standin_Frame mask(W, H, 0);
        if (!(v & 1)) mask.Fill_Rect(0, H / 2, W / 2 - 1, H - 1, 17);
        if (!(v & 2)) mask.Fill_Rect(0, 0, W / 2 - 1, H / 2 - 1, 17);
        if (!(v & 4)) mask.Fill_Rect(W / 2, 0, W - 1, H / 2 - 1, 17);
        if (!(v & 8)) mask.Fill_Rect(W / 2, H / 2, W - 1, H - 1, 17);
        entries[(size_t)(v - 1)] = Standin_Picture({mask});
    }
    // Unit backgrounds and node auras in the banner's own colour, the one its units' figures get.
    uint8_t banner_colours[6];
    for (int b = 0; b < 6; ++b) banner_colours[b] = COL_Banners[b][2];
    for (int b = 0; b < 6; ++b) entries[(size_t)(14 + b)] = Standin_Picture({Standin_Frame(18, 16, banner_colours[b])});
    for (int walled = 0; walled < 2; ++walled) {
        std::vector<Standin_Frame> sizes;
        for (int size = 0; size < 5; ++size) {
            Standin_Frame city(32, 30, 0);
            int half = 6 + 2 * size;
            city.Fill_Rect(16 - half, 15 - half, 15 + half, 14 + half, 215);
            city.Fill_Rect(16 - half, 15 - half, 15 + half, 15 - half, 217);
            if (walled == 1) city.Fill_Rect(16 - half, 14 + half, 15 + half, 14 + half, 218);  // the wall
            Standin_Print_Centred(city, "C", 4, 15);
            sizes.push_back(city);
        }
        entries[(size_t)(20 + (1 - walled))] = Standin_Picture(sizes);  // 20 walled, 21 without walls
    }
    entries[45] = Standin_Picture({Standin_Frame(2, 2, 6)});
    for (int d = 0; d < 8; ++d) entries[(size_t)(46 + d)] = Standin_Picture({Road(d, 6)});
    entries[54] = Standin_Picture({Standin_Frame(2, 2, 14)});
    for (int d = 0; d < 8; ++d) {
        std::vector<Standin_Frame> frames;
        for (int f = 0; f < 6; ++f) frames.push_back(Road(d, (uint8_t)(198 + f)));
        entries[(size_t)(55 + d)] = Standin_Picture(frames);
    }
    for (int banner = 0; banner < 5; ++banner) {
        std::vector<Standin_Frame> frames;
        for (int f = 0; f < 6; ++f) {
            Standin_Frame aura(W, H, 0);
            aura.Fill_Rect(0, 0, W - 1, 0, banner_colours[banner]);
            aura.Fill_Rect(0, H - 1, W - 1, H - 1, banner_colours[banner]);
            aura.Fill_Rect(f * 3, 1, f * 3 + 1, 2, 15);
            frames.push_back(aura);
        }
        entries[(size_t)(63 + banner)] = Standin_Picture(frames);
    }
    entries[69] = Standin_Thing(W, H, 24, "Tw");
    {
        // Shades 224..228 take the owner's colour; the letters stay white.
        Standin_Frame tower = Standin_Label(W, H, 226, 224, "Tw", 15, 2);
        tower.Fill_Rect(1, H - 3, W - 2, H - 2, 228);
        entries[70] = Standin_Picture({tower});
    }
    entries[71] = Standin_Thing(16, 14, 20, "Cv");
    entries[72] = Standin_Thing(16, 14, 46, "AT");
    entries[73] = Standin_Thing(16, 14, 34, "Kp");
    entries[74] = Standin_Thing(16, 14, 22, "Dn");
    entries[75] = Standin_Thing(16, 14, 66, "FT");
    entries[77] = Small_Thing(5, "x", 0);
    static const char *minerals[9] = {"Fe", "Co", "Ag", "Au", "Gm", "Mi", "Ad", "Qu", "Cr"};
    for (int m = 0; m < 9; ++m) entries[(size_t)(78 + m)] = Small_Thing((uint8_t)(24 + 2 * m), minerals[m], 2);
    entries[90] = Small_Thing(6, "HL", 3);
    entries[91] = Small_Thing(5, "NS", 1);
    entries[92] = Small_Thing(6, "WG", 3);
    entries[93] = Standin_Thing(W, H, 13, "WN");
    for (Bytes &entry : entries)
        if (entry.empty()) entry = Standin_Picture({Standin_Frame(4, 4, 8)});
    Standin_Archive archive{"MAPBACK", {}, {}};
    for (const Bytes &entry : entries) archive.Add(entry);
    Standin_Write_Archive(folder, archive);
}
