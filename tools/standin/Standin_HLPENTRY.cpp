#include "Standin.h"

// Help rectangles per screen: entry n is a table of 10-byte records {i16 help index, x1, y1,
// x2, y2} with as many records as the screen that reads it asks for. The rectangles tile the
// screen; every help index names one of the stand-in help records. The main screen's entry 1
// covers its buttons and panels and leaves the map window (0,20)-(239,199) free, so right clicks
// there reach the map; over the unit window's pictures only records the main screen empties lie.
namespace {

// clang-format off
const int16_t main_screen_rectangles[25][4] = {
    {  7,   4,  45,  17}, { 47,   4,  87,  17}, { 89,   4, 138,  17}, {140,   4, 182,  17},  // game buttons
    {184,   4, 224,  17}, {226,   4, 268,  17}, {270,   4, 312,  17},
    {240,  76, 319,  77},  // 7 strip above the unit window, so right clicks reach its pictures
    {240, 166, 319, 174},  // 8 moves line
    {280, 186, 312, 195},  // 9 build
    {314, 176, 319, 199},  // 10 panel edge
    {251,  21, 308,  50},  // 11 reduced map
    {246, 176, 278, 185}, {280, 176, 312, 185}, {246, 186, 278, 195},  // 12-14 done, patrol, wait
    {240,  95, 319, 108},  // 15 gold income
    {240, 127, 319, 140},  // 16 food income
    {240,  60, 319,  75},  // 17 gold and mana
    {260, 157, 300, 163}, {260, 157, 300, 163}, {260, 157, 300, 163},  // 18-23 lasting events
    {260, 157, 300, 163}, {260, 157, 300, 163}, {260, 157, 300, 163},
    {240, 164, 319, 172},  // 24 mana income
};
// The city list's entry 4 keeps clear of its rows (30,26)-(289,146), so right clicks reach them.
const int16_t city_list_rectangles[10][4] = {
    {  0,   0, 319,  15}, {  0,  16, 319,  24}, {  0,  26,  29, 160}, {290,  26, 319, 160},  // title, headings, sides
    { 30, 148, 289, 160}, { 42, 162,  90, 194}, { 95, 161, 230, 199}, {239, 182, 279, 195},  // name, map, spells, OK
    {231, 162, 319, 180}, {  0, 161,  41, 199},  // treasury, corner
};
// The army list's entry 2 keeps clear of its rows (76,23)-(242,156) and the hero portraits, so
// right clicks reach them.
const int16_t army_list_rectangles[16][4] = {
    {  0,   0, 319,   4}, { 46,   5, 275,  22}, {  0, 160,  75, 199}, { 86, 164, 135, 197},  // title, upkeep, map
    {140, 158, 268, 199}, {273, 163, 312, 178}, {273, 182, 312, 196}, { 46,  23,  75, 156},  // unit, Items, OK, left
    {243,  23, 275, 156}, {  0, 158,  75, 159}, {  0, 158,  75, 159}, {  0, 158,  75, 159},  // right, spare
    {  0, 158,  75, 159}, {  0, 158,  75, 159}, {  0, 158,  75, 159}, {  0, 158,  75, 159},
};
// clang-format on

}  // namespace

void Write_HLPENTRY_LBX(const std::string &folder)
{
    static const int16_t counts[41] = {15, 25, 16, 23, 10, 47, 22, 18, 5, 1, 1, 6,  43, 23, 11, 8,  10, 4,  12, 13, 12,
                                       17, 23, 23, 10, 10, 10, 6,  10, 6, 1, 1, 15, 25, 21, 14, 30, 7,  10, 1,  7};
    Standin_Archive archive{"HLPENTRY", {}, {}};
    for (int entry = 0; entry < 41; ++entry) {
        int16_t count = counts[entry];
        Bytes records((size_t)count * 10, 0);
        for (int i = 0; i < count; ++i) {
            int16_t values[5] = {(int16_t)((entry + i) % 50), (int16_t)((i % 8) * 40), (int16_t)((i / 8) * 25),
                                 (int16_t)((i % 8) * 40 + 39), (int16_t)((i / 8) * 25 + 24)};
            if (entry == 1)
                for (int v = 0; v < 4; ++v) values[v + 1] = main_screen_rectangles[i][v];
            if (entry == 2)
                for (int v = 0; v < 4; ++v) values[v + 1] = army_list_rectangles[i][v];
            if (entry == 4)
                for (int v = 0; v < 4; ++v) values[v + 1] = city_list_rectangles[i][v];
            for (int v = 0; v < 5; ++v) {
                records[(size_t)i * 10 + v * 2] = (uint8_t)(values[v] & 0xFF);
                records[(size_t)i * 10 + v * 2 + 1] = (uint8_t)((values[v] >> 8) & 0xFF);
            }
        }
        archive.Add_Record_Table(count, 10, records);
    }
    Standin_Write_Archive(folder, archive);
}
