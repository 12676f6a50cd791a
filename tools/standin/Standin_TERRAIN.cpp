#include <cstring>

#include "Pictures.h"
#include "STU_LE.h"
#include "Standin.h"
#include "Standin_Overland.h"
#include "Standin_Text.h"

// Terrain pictures: entry 0 holds 20 x 18 plain pictures, picture (page p, index i) at
// p x 16,384 + i x 384 - 576; entry 1 gives each of the 1,524 terrain picture numbers (terrain
// class, plus 762 on the second plane) a page byte (bit 7: animated, four pictures in a row) and
// an index; entry 2 gives each a reduced-map colour. Every kind of terrain has its own colour and
// letter; the second plane uses other colours and lower-case letters.
namespace {

constexpr int TERRAIN_PICTURE_NUMBERS = 2 * 762;
constexpr int PAGE_BYTES = 16384;
constexpr int PICTURE_STRIDE = 384;
constexpr int FIRST_INDEX = 2;  // index 2 is the first whose picture starts inside the page
constexpr int SQUARE_WIDTH = 20;
constexpr int SQUARE_HEIGHT = 18;
constexpr int ANIMATION_PICTURES = 4;

struct Terrain_Kind {
    const char *letter;
    uint8_t colour[2];  // by plane
    bool animated;
};

enum {
    K_OCEAN,
    K_SHORE,
    K_GRASS,
    K_FOREST,
    K_HILLS,
    K_MOUNTAIN,
    K_DESERT,
    K_SWAMP,
    K_TUNDRA,
    K_RIVER,
    K_NODE,
    K_VOLCANO,
    NUM_KINDS
};

const Terrain_Kind kinds[NUM_KINDS] = {
    {"O", {1, 160}, true},  {"S", {3, 130}, true},  {"G", {10, 100}, false}, {"F", {2, 98}, false},
    {"H", {6, 226}, false}, {"M", {7, 22}, false},  {"D", {14, 70}, false},  {"W", {66, 64}, false},
    {"T", {15, 27}, false}, {"R", {9, 131}, false}, {"N", {13, 5}, false},   {"V", {12, 36}, false},
};

int Kind_Of_Class(int c)
{
    if (c == 168 || c == 169 || c == 170) return K_NODE;
    if (c == 179) return K_VOLCANO;
    if (c == 162 || c == 172 || c == 173 || c == 180 || c == 1) return K_GRASS;
    if (c == 163 || c == 183 || c == 184) return K_FOREST;
    if (c == 171 || (c >= 275 && c <= 291)) return K_HILLS;
    if (c == 164 || (c >= 259 && c <= 274)) return K_MOUNTAIN;
    if (c == 165 || (c >= 174 && c <= 176) || (c >= 292 && c <= 451)) return K_DESERT;
    if (c == 166 || c == 177 || c == 178) return K_SWAMP;
    if (c == 167 || c == 181 || c == 182 || c >= 602) return K_TUNDRA;
    if ((c >= 185 && c <= 196) || (c >= 233 && c <= 258) || (c >= 468 && c <= 472)) return K_RIVER;
    if (c == 0 || c == 601) return K_OCEAN;
    return K_SHORE;
}

Standin_Frame Square(int kind, int plane, int step)
{
    const Terrain_Kind &k = kinds[kind];
    Standin_Frame frame(SQUARE_WIDTH, SQUARE_HEIGHT, k.colour[plane]);
    if (k.animated) {
        // Waves that move a pixel each step.
        for (int x = 0; x < SQUARE_WIDTH; x += 5)
            frame.Fill_Rect((x + step) % SQUARE_WIDTH, 14, (x + step) % SQUARE_WIDTH, 14, 15);
    }
    std::string letter = k.letter;
    if (plane == 1) letter[0] = (char)(letter[0] - 'A' + 'a');
    Standin_Print_Centred(frame, letter, 2, plane == 0 && kind != K_TUNDRA && kind != K_DESERT ? 15 : 1);
    return frame;
}

void Put_Plain_Picture(Bytes &entry, size_t at, const Standin_Frame &frame)
{
    Bytes bitmap((size_t)PICTURE_BITMAP_HEADER + (size_t)frame.width * frame.height, 0);
    Create_Picture((int16_t)frame.width, (int16_t)frame.height, bitmap.data());
    for (int x = 0; x < frame.width; ++x)
        for (int y = 0; y < frame.height; ++y)
            bitmap[(size_t)PICTURE_BITMAP_HEADER + (size_t)x * frame.height + y] =
                frame.pixels[(size_t)y * frame.width + x];
    if (bitmap.size() > PICTURE_STRIDE) Standin_Fail("TERRAIN.LBX: a square picture is larger than its place");
    std::memcpy(entry.data() + at, bitmap.data(), bitmap.size());
}

}  // namespace

void Write_TERRAIN_LBX(const std::string &folder)
{
    Bytes pictures(PAGE_BYTES, 0);
    int index_of[2][NUM_KINDS];
    int index = FIRST_INDEX;
    for (int plane = 0; plane < 2; ++plane)
        for (int kind = 0; kind < NUM_KINDS; ++kind) {
            index_of[plane][kind] = index;
            int count = kinds[kind].animated ? ANIMATION_PICTURES : 1;
            for (int step = 0; step < count; ++step, ++index) {
                size_t at = (size_t)index * PICTURE_STRIDE - 576;
                if (at + PICTURE_STRIDE > PAGE_BYTES) Standin_Fail("TERRAIN.LBX: page 0 is full");
                Put_Plain_Picture(pictures, at, Square(kind, plane, step));
            }
        }
    Bytes places(2 * TERRAIN_PICTURE_NUMBERS, 0);
    Bytes colours(TERRAIN_PICTURE_NUMBERS, 0);
    for (int number = 0; number < TERRAIN_PICTURE_NUMBERS; ++number) {
        int plane = number / 762;
        int kind = Kind_Of_Class(number % 762);
        places[(size_t)number * 2] = kinds[kind].animated ? 0x80 : 0x00;  // page 0
        places[(size_t)number * 2 + 1] = (uint8_t)index_of[plane][kind];
        colours[(size_t)number] = kinds[kind].colour[plane];
    }
    Standin_Archive archive{"TERRAIN", {}, {}};
    archive.Add(pictures);
    archive.Add(places);
    archive.Add(colours);
    Standin_Write_Archive(folder, archive);
}
